#include "InputManager.h"

#include "DisplayManager.h"
#include "EventClose.h"
#include "EventFocus.h"
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

void deliverMove(const InputManager& input, const sf::RenderWindow& window, int x, int y)
{
    EventMouse event;
    event.setMouseAction(MOVED);
    event.setMousePosition(windowPixelsToSpaces(window, x, y));
    input.onEvent(&event);
}

void deliverClick(const InputManager& input, const sf::RenderWindow& window, int x, int y, sf::Mouse::Button button)
{
    EventMouse event;
    event.setMouseAction(CLICKED);
    event.setMousePosition(windowPixelsToSpaces(window, x, y));
    event.setMouseButton(convertSfMouseButtonToOstrel(button));
    input.onEvent(&event);
}

void deliverClose(const InputManager& input)
{
    const EventClose event;
    input.onEvent(&event);
}

void deliverFocus(const InputManager& input, bool focused)
{
    const EventFocus event(focused);
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

Vector windowPixelsToSpaces(const sf::RenderWindow& window, int x, int y)
{
    const sf::Vector2f coords = window.mapPixelToCoords(sf::Vector2i(x, y));
    return pixelsToSpaces(Vector(coords.x, coords.y));
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
    const DisplayManager& display = DisplayManager::getInstance();
    if (!display.isStarted())
    {
        return -1;
    }
    display.getWindow()->setKeyRepeatEnabled(false);
    return Manager::startUp();
}

void InputManager::shutDown()
{
    const DisplayManager& display = DisplayManager::getInstance();
    if (!display.isStarted() || !isStarted())
    {
        return;
    }
    display.getWindow()->setKeyRepeatEnabled(true);
    Manager::shutDown();
}

void InputManager::getInput() const
{
    const DisplayManager& display = DisplayManager::getInstance();
    if (!display.isStarted() || !isStarted())
    {
        return;
    }
    sf::RenderWindow& window = *display.getWindow();

    // Each event is delivered to every object before the next one is read.
#if SFML_VERSION_MAJOR >= 3
    while (const std::optional<sf::Event> event = window.pollEvent())
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
            deliverMove(*this, window, moved->position.x, moved->position.y);
        }
        else if (const auto* clicked = event->getIf<sf::Event::MouseButtonPressed>())
        {
            deliverClick(*this, window, clicked->position.x, clicked->position.y, clicked->button);
        }
        else if (event->is<sf::Event::Closed>())
        {
            deliverClose(*this);
        }
        else if (event->is<sf::Event::FocusLost>() || event->is<sf::Event::FocusGained>())
        {
            deliverFocus(*this, event->is<sf::Event::FocusGained>());
        }
    }
#else
    sf::Event event;
    while (window.pollEvent(event))
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
            deliverMove(*this, window, event.mouseMove.x, event.mouseMove.y);
        }
        else if (event.type == sf::Event::MouseButtonPressed)
        {
            deliverClick(*this, window, event.mouseButton.x, event.mouseButton.y, event.mouseButton.button);
        }
        else if (event.type == sf::Event::Closed)
        {
            deliverClose(*this);
        }
        else if (event.type == sf::Event::LostFocus || event.type == sf::Event::GainedFocus)
        {
            deliverFocus(*this, event.type == sf::Event::GainedFocus);
        }
    }
#endif
}

} // namespace ostrel
