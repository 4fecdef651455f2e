#include "InputManager.h"

#include "DisplayManager.h"
#include "EventClose.h"
#include "EventKeyboard.h"
#include "EventMouse.h"

#include <SFML/Window/Event.hpp>

namespace ostrel
{

namespace
{

using SfKey = sf::Keyboard::Key;
using SfButton = sf::Mouse::Button;

void deliverKey(const InputManager& input, sf::Keyboard::Key code, EventKeyboardAction action)
{
    EventKeyboard event;
    event.setKeyboardAction(action);
    event.setKey(convertSfKeyboardKeyToOstrel(code));
    input.onEvent(&event);
}

void deliverMove(const InputManager& input, int x, int y)
{
    EventMouse event;
    event.setMouseAction(MOVED);
    event.setMousePosition(windowPixelsToSpaces(x, y));
    input.onEvent(&event);
}

void deliverClick(const InputManager& input, int x, int y, sf::Mouse::Button button)
{
    EventMouse event;
    event.setMouseAction(CLICKED);
    event.setMousePosition(windowPixelsToSpaces(x, y));
    event.setMouseButton(convertSfMouseButtonToOstrel(button));
    input.onEvent(&event);
}

void deliverClose(const InputManager& input)
{
    const EventClose event;
    input.onEvent(&event);
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

    // Each event is delivered to every object before the next one is read, from the window
    // open at the time: a handler may have replaced it.
#if SFML_VERSION_MAJOR >= 3
    while (const std::optional<sf::Event> event = display.getWindow()->pollEvent())
    {
        if (const auto* pressed = event->getIf<sf::Event::KeyPressed>())
        {
            deliverKey(*this, pressed->code, KEY_PRESSED);
        }
        else if (const auto* released = event->getIf<sf::Event::KeyReleased>())
        {
            deliverKey(*this, released->code, KEY_RELEASED);
        }
        else if (const auto* moved = event->getIf<sf::Event::MouseMoved>())
        {
            deliverMove(*this, moved->position.x, moved->position.y);
        }
        else if (const auto* clicked = event->getIf<sf::Event::MouseButtonPressed>())
        {
            deliverClick(*this, clicked->position.x, clicked->position.y, clicked->button);
        }
        else if (event->is<sf::Event::Closed>())
        {
            deliverClose(*this);
        }
        else if (event->is<sf::Event::Resized>())
        {
            display.refreshLayout();
        }
    }
#else
    sf::Event event;
    while (display.getWindow()->pollEvent(event))
    {
        if (event.type == sf::Event::KeyPressed)
        {
            deliverKey(*this, event.key.code, KEY_PRESSED);
        }
        else if (event.type == sf::Event::KeyReleased)
        {
            deliverKey(*this, event.key.code, KEY_RELEASED);
        }
        else if (event.type == sf::Event::MouseMoved)
        {
            deliverMove(*this, event.mouseMove.x, event.mouseMove.y);
        }
        else if (event.type == sf::Event::MouseButtonPressed)
        {
            deliverClick(*this, event.mouseButton.x, event.mouseButton.y, event.mouseButton.button);
        }
        else if (event.type == sf::Event::Closed)
        {
            deliverClose(*this);
        }
        else if (event.type == sf::Event::Resized)
        {
            display.refreshLayout();
        }
    }
#endif
}

} // namespace ostrel
