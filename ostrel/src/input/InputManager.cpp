#include "ostrel/input/InputManager.h"

#include "ostrel/input/EventClose.h"
#include "ostrel/input/EventFocus.h"
#include "ostrel/input/EventKeyboard.h"
#include "ostrel/input/EventMouse.h"
#include "ostrel/input/InputFilter.h"
#include "ostrel/input/InputSource.h"

namespace ostrel
{

InputManager::InputManager()
{
    setType("InputManager");
}

InputManager::~InputManager() = default;

InputManager& InputManager::getInstance()
{
    static InputManager single;
    return single;
}

int InputManager::startUp()
{
    if (m_source == nullptr)
    {
        return -1;
    }
    m_source->setKeyRepeatEnabled(false);
    return Manager::startUp();
}

void InputManager::shutDown()
{
    m_queue.clear();
    if (!isStarted())
    {
        return;
    }
    if (m_source != nullptr)
    {
        m_source->setKeyRepeatEnabled(true);
    }
    Manager::shutDown();
}

void InputManager::getInput() const
{
    if (m_source == nullptr || !isStarted())
    {
        return;
    }
    if (m_filter != nullptr)
    {
        m_filter->beginFrame();
    }
    // Each input is delivered to every object before the next one is read. The program's
    // queue is taken whole first: handlers may queue more, for the next frame.
    std::deque<InputRecord> queued;
    queued.swap(m_queue);
    for (const InputRecord& input : queued)
    {
        receive(input);
    }
    InputRecord input;
    while (m_source != nullptr && m_source->pollInput(input))
    {
        receive(input);
    }
}

void InputManager::queueInput(const InputRecord& input)
{
    m_queue.push_back(input);
}

void InputManager::receive(const InputRecord& input) const
{
    if (m_filter == nullptr || m_filter->admit(input))
    {
        deliver(input);
    }
}

void InputManager::deliver(const InputRecord& input) const
{
    switch (input.kind)
    {
        case InputKind::KEY_PRESS:
        case InputKind::KEY_RELEASE:
        {
            EventKeyboard event;
            event.setKeyboardAction(input.kind == InputKind::KEY_PRESS ? KEY_PRESSED : KEY_RELEASED);
            event.setKey(input.key);
            onEvent(&event);
            break;
        }
        case InputKind::MOUSE_MOVE:
        case InputKind::MOUSE_CLICK:
        {
            EventMouse event;
            event.setMouseAction(input.kind == InputKind::MOUSE_MOVE ? MOVED : CLICKED);
            event.setMousePosition(input.position);
            if (input.kind == InputKind::MOUSE_CLICK)
            {
                event.setMouseButton(input.button);
            }
            onEvent(&event);
            break;
        }
        case InputKind::CLOSE:
        {
            const EventClose event;
            onEvent(&event);
            break;
        }
        case InputKind::FOCUS_LOST:
        case InputKind::FOCUS_GAINED:
        {
            const EventFocus event(input.kind == InputKind::FOCUS_GAINED);
            onEvent(&event);
            break;
        }
        // The window's own business: the game is not told.
        case InputKind::RESIZE:
            break;
    }
}

} // namespace ostrel
