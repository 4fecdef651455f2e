#include "ostrel/frontend/WindowFrontEnd.h"
#include "ostrel/graphics/DisplayManager.h"

#include <SFML/Window/Event.hpp>

#include <cstdint>
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

InputRecord mouseInput(const WindowFrontEnd& window, InputKind kind, int x, int y)
{
    InputRecord input = plainInput(kind);
    input.position = window.windowPixelsToSpaces(x, y);
    return input;
}

InputRecord clickInput(const WindowFrontEnd& window, int x, int y, sf::Mouse::Button button)
{
    InputRecord input = mouseInput(window, InputKind::MOUSE_CLICK, x, y);
    input.button = convertSfMouseButtonToOstrel(button);
    return input;
}

InputRecord releaseInput(const WindowFrontEnd& window, int x, int y, sf::Mouse::Button button)
{
    InputRecord input = clickInput(window, x, y, button);
    input.kind = InputKind::MOUSE_RELEASE;
    return input;
}

InputRecord wheelInput(const WindowFrontEnd& window, int x, int y, float delta)
{
    InputRecord input = mouseInput(window, InputKind::MOUSE_WHEEL, x, y);
    input.wheel = delta;
    return input;
}

// The text input of a typed character: SFML gives Backspace as 8 and Enter as 13 (or 10).
std::optional<InputRecord> textInput(std::uint32_t unicode)
{
    const char32_t character = unicode == 8 ? TEXT_BACKSPACE : unicode == 13 || unicode == 10 ? TEXT_ENTER : unicode;
    if (!isTypedCharacter(character))
    {
        return std::nullopt;
    }
    InputRecord input = plainInput(InputKind::TEXT);
    input.character = character;
    return input;
}

// Reading the window's events, in SFML 3's form, then SFML 2's.
#if SFML_VERSION_MAJOR >= 3
// The input a window event stands for; none for an event the game is not told of.
std::optional<InputRecord> windowInput(const WindowFrontEnd& window, const sf::Event& event)
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
        return mouseInput(window, InputKind::MOUSE_MOVE, moved->position.x, moved->position.y);
    }
    if (const auto* clicked = event.getIf<sf::Event::MouseButtonPressed>())
    {
        return clickInput(window, clicked->position.x, clicked->position.y, clicked->button);
    }
    if (const auto* released = event.getIf<sf::Event::MouseButtonReleased>())
    {
        return releaseInput(window, released->position.x, released->position.y, released->button);
    }
    if (const auto* wheel = event.getIf<sf::Event::MouseWheelScrolled>())
    {
        if (wheel->wheel != sf::Mouse::Wheel::Vertical)
        {
            return std::nullopt;
        }
        return wheelInput(window, wheel->position.x, wheel->position.y, wheel->delta);
    }
    if (const auto* text = event.getIf<sf::Event::TextEntered>())
    {
        return textInput(text->unicode);
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

#else
std::optional<InputRecord> windowInput(const WindowFrontEnd& window, const sf::Event& event)
{
    switch (event.type)
    {
        case sf::Event::KeyPressed:
            return keyInput(InputKind::KEY_PRESS, event.key.code);
        case sf::Event::KeyReleased:
            return keyInput(InputKind::KEY_RELEASE, event.key.code);
        case sf::Event::MouseMoved:
            return mouseInput(window, InputKind::MOUSE_MOVE, event.mouseMove.x, event.mouseMove.y);
        case sf::Event::MouseButtonPressed:
            return clickInput(window, event.mouseButton.x, event.mouseButton.y, event.mouseButton.button);
        case sf::Event::MouseButtonReleased:
            return releaseInput(window, event.mouseButton.x, event.mouseButton.y, event.mouseButton.button);
        case sf::Event::MouseWheelScrolled:
            if (event.mouseWheelScroll.wheel != sf::Mouse::VerticalWheel)
            {
                return std::nullopt;
            }
            return wheelInput(window, event.mouseWheelScroll.x, event.mouseWheelScroll.y, event.mouseWheelScroll.delta);
        case sf::Event::TextEntered:
            return textInput(event.text.unicode);
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

Vector WindowFrontEnd::windowPixelsToSpaces(int x, int y) const
{
    const DisplayManager& display = DisplayManager::getInstance();
    // In doubles and by whole factors, so that a pixel on a cell's edge at 1x or 2x maps
    // exactly onto the edge, never a rounding error to one side of it.
    const double scale = m_scale;
    const double picture_x = (x - static_cast<double>(m_offset.x)) / scale;
    const double picture_y = (y - static_cast<double>(m_offset.y)) / scale;
    return Vector(static_cast<float>(picture_x * display.getHorizontal() / display.getHorizontalPixels()),
                  static_cast<float>(picture_y * display.getVertical() / display.getVerticalPixels()));
}

bool WindowFrontEnd::pollWindowEvent(InputRecord& input)
{
    // Each event is read from the window open at the time: a handler may have replaced it.
    while (m_window)
    {
#if SFML_VERSION_MAJOR >= 3
        const std::optional<sf::Event> event = m_window->pollEvent();
        if (!event)
        {
            return false;
        }
        const std::optional<InputRecord> read = windowInput(*this, *event);
#else
        sf::Event event;
        if (!m_window->pollEvent(event))
        {
            return false;
        }
        const std::optional<InputRecord> read = windowInput(*this, event);
#endif
        if (read)
        {
            input = *read;
            return true;
        }
    }
    return false;
}

bool WindowFrontEnd::pollInput(InputRecord& input)
{
    while (pollWindowEvent(input))
    {
        switch (input.kind)
        {
            case InputKind::FOCUS_LOST:
                // A focus loss while the window is switched to or from full screen is the
                // switch's own doing, not the player leaving: the game is not told of it.
                if (m_switching_window)
                {
                    continue;
                }
                break;
            case InputKind::FOCUS_GAINED:
                m_switching_window = false;
                m_needs_paint = true;
                break;
            case InputKind::RESIZE:
                refreshLayout();
                break;
            default:
                break;
        }
        return true;
    }
    return false;
}

} // namespace ostrel
