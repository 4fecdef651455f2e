#include "ostrel/input/InputManager.h"

#include "ostrel/input/EventClose.h"
#include "ostrel/input/EventFocus.h"
#include "ostrel/input/EventKeyboard.h"
#include "ostrel/input/EventMouse.h"
#include "ostrel/input/EventPicture.h"
#include "ostrel/input/EventText.h"
#include "ostrel/input/InputFilter.h"
#include "ostrel/input/InputSource.h"

namespace ostrel
{

namespace
{

EventMouseAction mouseAction(InputKind kind)
{
    switch (kind)
    {
        case InputKind::MOUSE_MOVE:
            return MOVED;
        case InputKind::MOUSE_RELEASE:
            return RELEASED;
        case InputKind::MOUSE_WHEEL:
            return WHEEL;
        default:
            return CLICKED;
    }
}

} // namespace

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
    m_keys_down.reset();
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

bool InputManager::isKeyDown(Keyboard::Key key) const
{
    return key >= 0 && key < static_cast<int>(m_keys_down.size()) && m_keys_down[key];
}

bool InputManager::isWanted(const InputRecord& input) const
{
    switch (input.kind)
    {
        case InputKind::MOUSE_RELEASE:
        case InputKind::MOUSE_WHEEL:
        case InputKind::TEXT:
            return m_extended;
        default:
            return true;
    }
}

void InputManager::receive(const InputRecord& input) const
{
    if (isWanted(input) && (m_filter == nullptr || m_filter->admit(input)))
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
            if (input.key != Keyboard::UNDEFINED_KEY)
            {
                m_keys_down[input.key] = input.kind == InputKind::KEY_PRESS;
            }
            EventKeyboard event;
            event.setKeyboardAction(input.kind == InputKind::KEY_PRESS ? KEY_PRESSED : KEY_RELEASED);
            event.setKey(input.key);
            onEvent(&event);
            break;
        }
        case InputKind::MOUSE_MOVE:
        case InputKind::MOUSE_CLICK:
        case InputKind::MOUSE_RELEASE:
        case InputKind::MOUSE_WHEEL:
        {
            EventMouse event;
            event.setMouseAction(mouseAction(input.kind));
            event.setMousePosition(input.position);
            if (input.kind == InputKind::MOUSE_CLICK || input.kind == InputKind::MOUSE_RELEASE)
            {
                event.setMouseButton(input.button);
            }
            event.setWheelDelta(input.wheel);
            onEvent(&event);
            break;
        }
        case InputKind::TEXT:
        {
            const EventText event(input.character);
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
            if (input.kind == InputKind::FOCUS_LOST)
            {
                // Keys let go while another window had the focus send no release here.
                m_keys_down.reset();
            }
            const EventFocus event(input.kind == InputKind::FOCUS_GAINED);
            onEvent(&event);
            break;
        }
        case InputKind::PICTURE_HIDDEN:
        case InputKind::PICTURE_SHOWN:
        {
            const EventPicture event(input.kind == InputKind::PICTURE_SHOWN);
            onEvent(&event);
            break;
        }
        // The window's own business: the game is not told.
        case InputKind::RESIZE:
            break;
    }
}

} // namespace ostrel
