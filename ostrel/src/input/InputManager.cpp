#include "ostrel/input/InputManager.h"

#include "ostrel/graphics/DisplayManager.h"
#include "ostrel/input/EventClose.h"
#include "ostrel/input/EventFocus.h"
#include "ostrel/input/EventKeyboard.h"
#include "ostrel/input/EventMouse.h"
#include "ostrel/input/InputFilter.h"

#include <SFML/Window/Event.hpp>

namespace ostrel
{

namespace
{

using SfKey = sf::Keyboard::Key;
using SfButton = sf::Mouse::Button;

InputRecord plainInput(InputKind kind)
{
    InputRecord input;
    input.kind = kind;
    return input;
}

InputRecord sizeInput(int width, int height)
{
    InputRecord input = plainInput(InputKind::RESIZE);
    input.width = width;
    input.height = height;
    return input;
}

InputRecord keyInput(InputKind kind, sf::Keyboard::Key code)
{
    InputRecord input = plainInput(kind);
    input.key = convertSfKeyboardKeyToOstrel(code);
    return input;
}

InputRecord mouseInput(InputKind kind, int x, int y)
{
    InputRecord input = plainInput(kind);
    input.position = windowPixelsToSpaces(x, y);
    return input;
}

InputRecord clickInput(int x, int y, sf::Mouse::Button button)
{
    InputRecord input = mouseInput(InputKind::MOUSE_CLICK, x, y);
    input.button = convertSfMouseButtonToOstrel(button);
    return input;
}

} // namespace

Keyboard::Key convertSfKeyboardKeyToOstrel(sf::Keyboard::Key key)
{
    switch (key)
    {
        case SfKey::Space:
            return Keyboard::SPACE;
        case SfKey::Enter:
            return Keyboard::ENTER;
        case SfKey::Escape:
            return Keyboard::ESCAPE;
        case SfKey::Tab:
            return Keyboard::TAB;
        case SfKey::Left:
            return Keyboard::LEFT_ARROW;
        case SfKey::Right:
            return Keyboard::RIGHT_ARROW;
        case SfKey::Up:
            return Keyboard::UP_ARROW;
        case SfKey::Down:
            return Keyboard::DOWN_ARROW;
        case SfKey::Pause:
            return Keyboard::PAUSE;
        case SfKey::Hyphen:
            return Keyboard::HYPHEN;
        case SfKey::Equal:
            return Keyboard::EQUAL;
#if SFML_VERSION_MAJOR >= 3 || SFML_VERSION_MINOR >= 6
        case SfKey::Grave:
#else
        case SfKey::Tilde:
#endif
            return Keyboard::GRAVE;
        case SfKey::Period:
            return Keyboard::PERIOD;
        case SfKey::Comma:
            return Keyboard::COMMA;
        case SfKey::Slash:
            return Keyboard::SLASH;
        case SfKey::LControl:
            return Keyboard::LEFT_CONTROL;
        case SfKey::RControl:
            return Keyboard::RIGHT_CONTROL;
        case SfKey::LShift:
            return Keyboard::LEFT_SHIFT;
        case SfKey::RShift:
            return Keyboard::RIGHT_SHIFT;
        default:
            break;
    }

    // The letters, F1 to F12 and the top-row digits are contiguous in both enumerations.
    const int code = static_cast<int>(key);
    if (code >= static_cast<int>(SfKey::A) && code <= static_cast<int>(SfKey::Z))
    {
        return static_cast<Keyboard::Key>(Keyboard::A + (code - static_cast<int>(SfKey::A)));
    }
    if (code >= static_cast<int>(SfKey::F1) && code <= static_cast<int>(SfKey::F12))
    {
        return static_cast<Keyboard::Key>(Keyboard::F1 + (code - static_cast<int>(SfKey::F1)));
    }
    if (code >= static_cast<int>(SfKey::Num1) && code <= static_cast<int>(SfKey::Num9))
    {
        return static_cast<Keyboard::Key>(Keyboard::NUM1 + (code - static_cast<int>(SfKey::Num1)));
    }
    if (code == static_cast<int>(SfKey::Num0))
    {
        return Keyboard::NUM0;
    }
    return Keyboard::UNDEFINED_KEY;
}

Mouse::Button convertSfMouseButtonToOstrel(sf::Mouse::Button button)
{
    switch (button)
    {
        case SfButton::Left:
            return Mouse::LEFT;
        case SfButton::Right:
            return Mouse::RIGHT;
        case SfButton::Middle:
            return Mouse::MIDDLE;
        default:
            return Mouse::UNDEFINED_MOUSE_BUTTON;
    }
}

Vector windowPixelsToSpaces(int x, int y)
{
    const DisplayManager& display = DisplayManager::getInstance();
    // In doubles and by whole factors, so that a pixel on a cell's edge at 1x or 2x maps
    // exactly onto the edge, never a rounding error to one side of it.
    const double scale = display.getScale();
    const double picture_x = (x - static_cast<double>(display.getOffset().x)) / scale;
    const double picture_y = (y - static_cast<double>(display.getOffset().y)) / scale;
    return Vector(static_cast<float>(picture_x * display.getHorizontal() / display.getHorizontalPixels()),
                  static_cast<float>(picture_y * display.getVertical() / display.getVerticalPixels()));
}

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
    DisplayManager& display = DisplayManager::getInstance();
    if (!display.isStarted())
    {
        return -1;
    }
    display.setKeyRepeatEnabled(false);
    return Manager::startUp();
}

void InputManager::shutDown()
{
    DisplayManager& display = DisplayManager::getInstance();
    if (!display.isStarted() || !isStarted())
    {
        return;
    }
    display.setKeyRepeatEnabled(true);
    Manager::shutDown();
}

void InputManager::getInput() const
{
    DisplayManager& display = DisplayManager::getInstance();
    if (!display.isStarted() || !isStarted())
    {
        return;
    }
    if (m_filter != nullptr)
    {
        m_filter->beginFrame();
    }

    // Each event is delivered to every object before the next one is read, from the window
    // open at the time: a handler may have replaced it.
#if SFML_VERSION_MAJOR >= 3
    while (const std::optional<sf::Event> event = display.getWindow()->pollEvent())
    {
        if (const auto* pressed = event->getIf<sf::Event::KeyPressed>())
        {
            receive(keyInput(InputKind::KEY_PRESS, pressed->code));
        }
        else if (const auto* released = event->getIf<sf::Event::KeyReleased>())
        {
            receive(keyInput(InputKind::KEY_RELEASE, released->code));
        }
        else if (const auto* moved = event->getIf<sf::Event::MouseMoved>())
        {
            receive(mouseInput(InputKind::MOUSE_MOVE, moved->position.x, moved->position.y));
        }
        else if (const auto* clicked = event->getIf<sf::Event::MouseButtonPressed>())
        {
            receive(clickInput(clicked->position.x, clicked->position.y, clicked->button));
        }
        else if (event->is<sf::Event::Closed>())
        {
            receive(plainInput(InputKind::CLOSE));
        }
        else if (const auto* resized = event->getIf<sf::Event::Resized>())
        {
            display.refreshLayout();
            receive(sizeInput(static_cast<int>(resized->size.x), static_cast<int>(resized->size.y)));
        }
        else if (event->is<sf::Event::FocusLost>())
        {
            receiveFocusLost(display);
        }
        else if (event->is<sf::Event::FocusGained>())
        {
            display.noteFocusGained();
            receive(plainInput(InputKind::FOCUS_GAINED));
        }
    }
#else
    sf::Event event;
    while (display.getWindow()->pollEvent(event))
    {
        if (event.type == sf::Event::KeyPressed)
        {
            receive(keyInput(InputKind::KEY_PRESS, event.key.code));
        }
        else if (event.type == sf::Event::KeyReleased)
        {
            receive(keyInput(InputKind::KEY_RELEASE, event.key.code));
        }
        else if (event.type == sf::Event::MouseMoved)
        {
            receive(mouseInput(InputKind::MOUSE_MOVE, event.mouseMove.x, event.mouseMove.y));
        }
        else if (event.type == sf::Event::MouseButtonPressed)
        {
            receive(clickInput(event.mouseButton.x, event.mouseButton.y, event.mouseButton.button));
        }
        else if (event.type == sf::Event::Closed)
        {
            receive(plainInput(InputKind::CLOSE));
        }
        else if (event.type == sf::Event::Resized)
        {
            display.refreshLayout();
            receive(sizeInput(static_cast<int>(event.size.width), static_cast<int>(event.size.height)));
        }
        else if (event.type == sf::Event::LostFocus)
        {
            receiveFocusLost(display);
        }
        else if (event.type == sf::Event::GainedFocus)
        {
            display.noteFocusGained();
            receive(plainInput(InputKind::FOCUS_GAINED));
        }
    }
#endif
}

void InputManager::receiveFocusLost(const DisplayManager& display) const
{
    // A focus loss while the display switches to or from full screen is the switch's own
    // doing, not the player leaving: neither the game nor a recording hears of it.
    if (!display.isSwitchingWindow())
    {
        receive(plainInput(InputKind::FOCUS_LOST));
    }
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
