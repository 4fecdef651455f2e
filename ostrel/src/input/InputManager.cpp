#include "ostrel/input/InputManager.h"

#include "ostrel/graphics/DisplayManager.h"
#include "ostrel/input/EventClose.h"
#include "ostrel/input/EventFocus.h"
#include "ostrel/input/EventKeyboard.h"
#include "ostrel/input/EventMouse.h"
#include "ostrel/input/InputFilter.h"

#include <SFML/Window/Event.hpp>

#include <optional>

namespace ostrel
{

namespace
{

using SfKey = sf::Keyboard::Key;
using SfButton = sf::Mouse::Button;

struct KeyPair
{
    SfKey sf;
    Keyboard::Key key;
};

// The keys with names of their own.
const KeyPair NAMED_KEYS[] = {
    {SfKey::Space, Keyboard::SPACE},
    {SfKey::Enter, Keyboard::ENTER},
    {SfKey::Escape, Keyboard::ESCAPE},
    {SfKey::Tab, Keyboard::TAB},
    {SfKey::Left, Keyboard::LEFT_ARROW},
    {SfKey::Right, Keyboard::RIGHT_ARROW},
    {SfKey::Up, Keyboard::UP_ARROW},
    {SfKey::Down, Keyboard::DOWN_ARROW},
    {SfKey::Pause, Keyboard::PAUSE},
    {SfKey::Hyphen, Keyboard::HYPHEN},
    {SfKey::Equal, Keyboard::EQUAL},
#if SFML_VERSION_MAJOR >= 3 || SFML_VERSION_MINOR >= 6
    {SfKey::Grave, Keyboard::GRAVE},
#else
    {SfKey::Tilde, Keyboard::GRAVE},
#endif
    {SfKey::Period, Keyboard::PERIOD},
    {SfKey::Comma, Keyboard::COMMA},
    {SfKey::Slash, Keyboard::SLASH},
    {SfKey::LControl, Keyboard::LEFT_CONTROL},
    {SfKey::RControl, Keyboard::RIGHT_CONTROL},
    {SfKey::LShift, Keyboard::LEFT_SHIFT},
    {SfKey::RShift, Keyboard::RIGHT_SHIFT},
};

// A run of keys, first to last inclusive, that is contiguous in both enumerations.
struct KeyRun
{
    SfKey first;
    SfKey last;
    Keyboard::Key key;
};

// The letters, F1 to F12 and the top-row digits (0 comes first in SFML's order, last in ours).
const KeyRun KEY_RUNS[] = {
    {SfKey::A, SfKey::Z, Keyboard::A},
    {SfKey::F1, SfKey::F12, Keyboard::F1},
    {SfKey::Num1, SfKey::Num9, Keyboard::NUM1},
    {SfKey::Num0, SfKey::Num0, Keyboard::NUM0},
};

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

// Reading the window's events, in SFML 3's form, then SFML 2's.
#if SFML_VERSION_MAJOR >= 3
// The input a window event stands for; none for an event the game is not told of.
std::optional<InputRecord> windowInput(const sf::Event& event)
{
    if (const auto* pressed = event.getIf<sf::Event::KeyPressed>())
    {
        return keyInput(InputKind::KEY_PRESS, pressed->code);
    }
    if (const auto* released = event.getIf<sf::Event::KeyReleased>())
    {
        return keyInput(InputKind::KEY_RELEASE, released->code);
    }
    if (const auto* moved = event.getIf<sf::Event::MouseMoved>())
    {
        return mouseInput(InputKind::MOUSE_MOVE, moved->position.x, moved->position.y);
    }
    if (const auto* clicked = event.getIf<sf::Event::MouseButtonPressed>())
    {
        return clickInput(clicked->position.x, clicked->position.y, clicked->button);
    }
    if (event.is<sf::Event::Closed>())
    {
        return plainInput(InputKind::CLOSE);
    }
    if (const auto* resized = event.getIf<sf::Event::Resized>())
    {
        return sizeInput(static_cast<int>(resized->size.x), static_cast<int>(resized->size.y));
    }
    if (event.is<sf::Event::FocusLost>())
    {
        return plainInput(InputKind::FOCUS_LOST);
    }
    if (event.is<sf::Event::FocusGained>())
    {
        return plainInput(InputKind::FOCUS_GAINED);
    }
    return std::nullopt;
}

// Reads the next pending event of the display's current window into `input`; false when none
// is pending.
bool pollWindowInput(DisplayManager& display, std::optional<InputRecord>& input)
{
    const std::optional<sf::Event> event = display.getWindow()->pollEvent();
    if (!event)
    {
        return false;
    }
    input = windowInput(*event);
    return true;
}
#else
std::optional<InputRecord> windowInput(const sf::Event& event)
{
    switch (event.type)
    {
        case sf::Event::KeyPressed:
            return keyInput(InputKind::KEY_PRESS, event.key.code);
        case sf::Event::KeyReleased:
            return keyInput(InputKind::KEY_RELEASE, event.key.code);
        case sf::Event::MouseMoved:
            return mouseInput(InputKind::MOUSE_MOVE, event.mouseMove.x, event.mouseMove.y);
        case sf::Event::MouseButtonPressed:
            return clickInput(event.mouseButton.x, event.mouseButton.y, event.mouseButton.button);
        case sf::Event::Closed:
            return plainInput(InputKind::CLOSE);
        case sf::Event::Resized:
            return sizeInput(static_cast<int>(event.size.width), static_cast<int>(event.size.height));
        case sf::Event::LostFocus:
            return plainInput(InputKind::FOCUS_LOST);
        case sf::Event::GainedFocus:
            return plainInput(InputKind::FOCUS_GAINED);
        default:
            return std::nullopt;
    }
}

bool pollWindowInput(DisplayManager& display, std::optional<InputRecord>& input)
{
    sf::Event event;
    if (!display.getWindow()->pollEvent(event))
    {
        return false;
    }
    input = windowInput(event);
    return true;
}
#endif

} // namespace

Keyboard::Key convertSfKeyboardKeyToOstrel(sf::Keyboard::Key key)
{
    for (const KeyPair& named : NAMED_KEYS)
    {
        if (named.sf == key)
        {
            return named.key;
        }
    }
    const int code = static_cast<int>(key);
    for (const KeyRun& run : KEY_RUNS)
    {
        if (code >= static_cast<int>(run.first) && code <= static_cast<int>(run.last))
        {
            return static_cast<Keyboard::Key>(run.key + (code - static_cast<int>(run.first)));
        }
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
    std::optional<InputRecord> input;
    while (pollWindowInput(display, input))
    {
        if (!input)
        {
            continue;
        }
        if (input->kind == InputKind::FOCUS_LOST)
        {
            receiveFocusLost(display);
            continue;
        }
        if (input->kind == InputKind::RESIZE)
        {
            display.refreshLayout();
        }
        else if (input->kind == InputKind::FOCUS_GAINED)
        {
            display.noteFocusGained();
        }
        receive(*input);
    }
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
