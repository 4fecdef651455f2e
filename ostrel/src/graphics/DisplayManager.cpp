#include "ostrel/graphics/DisplayManager.h"

#include "ostrel/core/LogManager.h"
#include "ostrel/input/InputManager.h"

#include <fstream>
#include <utility>

#if OSTREL_WITH_SFML
#include <SFML/Graphics/Image.hpp>
#endif

namespace ostrel
{

float charHeight()
{
    const DisplayManager& display = DisplayManager::getInstance();
    return static_cast<float>(display.getVerticalPixels()) / static_cast<float>(display.getVertical());
}

float charWidth()
{
    const DisplayManager& display = DisplayManager::getInstance();
    return static_cast<float>(display.getHorizontalPixels()) / static_cast<float>(display.getHorizontal());
}

Vector spacesToPixels(Vector spaces)
{
    return Vector(spaces.getX() * charWidth(), spaces.getY() * charHeight());
}

Vector pixelsToSpaces(Vector pixels)
{
    return Vector(pixels.getX() / charWidth(), pixels.getY() / charHeight());
}

DisplayManager::DisplayManager()
    : m_window_horizontal_pixels(WINDOW_HORIZONTAL_PIXELS_DEFAULT),
      m_window_vertical_pixels(WINDOW_VERTICAL_PIXELS_DEFAULT),
      m_window_horizontal_chars(WINDOW_HORIZONTAL_CHARS_DEFAULT),
      m_window_vertical_chars(WINDOW_VERTICAL_CHARS_DEFAULT), m_title(WINDOW_TITLE_DEFAULT),
      m_grid(m_window_horizontal_chars, m_window_vertical_chars)
{
    setType("DisplayManager");
}

DisplayManager::~DisplayManager() = default;

DisplayManager& DisplayManager::getInstance()
{
    static DisplayManager single;
    return single;
}

int DisplayManager::startUp()
{
    if (!m_front_end)
    {
        LogManager::getInstance().writeLog("DisplayManager: no front end was chosen");
        return -1;
    }
    if (m_front_end->isOpen())
    {
        return 0;
    }
    if (m_front_end->open() != 0)
    {
        return -1;
    }
    InputManager::getInstance().setSource(m_front_end.get());
    return Manager::startUp();
}

void DisplayManager::shutDown()
{
    // Nothing of an unfinished frame may reach the next front end.
    m_grid.discardDrawn();
    if (m_front_end && m_front_end->isOpen())
    {
        InputManager::getInstance().setSource(nullptr);
        m_front_end->close();
    }
    Manager::shutDown();
}

void DisplayManager::setFrontEnd(std::unique_ptr<FrontEnd> front_end)
{
    if (m_front_end && m_front_end->isOpen())
    {
        return;
    }
    m_front_end = std::move(front_end);
    if (m_front_end)
    {
        m_front_end->setTitle(m_title);
        if (!m_icon_file.empty())
        {
            m_front_end->setIcon(m_icon_file);
        }
    }
}

int DisplayManager::drawCh(Vector world_pos, char ch, Color color) const
{
    return drawCh(world_pos, ch, Ink(color));
}

int DisplayManager::drawCh(Vector world_pos, char ch, const Ink& ink) const
{
    if (!m_front_end || !m_front_end->isOpen())
    {
        return -1;
    }
    m_grid.draw(world_pos, ch, ink);
    return 0;
}

int DisplayManager::drawString(Vector world_pos, std::string str, Justification just, Color color) const
{
    return drawString(world_pos, std::move(str), just, Ink(color));
}

int DisplayManager::drawString(Vector world_pos, std::string str, Justification just, const Ink& ink) const
{
    const float length = static_cast<float>(str.size());
    Vector start = world_pos;
    switch (just)
    {
        case CENTER_JUSTIFIED:
            start.setX(world_pos.getX() - static_cast<float>(str.size() / 2));
            break;
        case RIGHT_JUSTIFIED:
            start.setX(world_pos.getX() - length);
            break;
        case LEFT_JUSTIFIED:
        default:
            break;
    }
    for (std::size_t i = 0; i < str.size(); ++i)
    {
        drawCh(Vector(start.getX() + static_cast<float>(i), start.getY()), str[i], ink);
    }
    return 0;
}

void DisplayManager::setTitle(const std::string& title)
{
    m_title = title;
    if (m_front_end)
    {
        m_front_end->setTitle(m_title);
    }
}

int DisplayManager::setIcon(const std::string& file)
{
    if (m_front_end)
    {
        const int result = m_front_end->setIcon(file);
        if (result == 0)
        {
            m_icon_file = file;
        }
        return result;
    }
    // Checked as an image by the front end that takes it.
    if (!std::ifstream(file).is_open())
    {
        return -1;
    }
    m_icon_file = file;
    return 0;
}

void DisplayManager::setFullscreen(bool fullscreen)
{
    if (m_front_end && m_front_end->isOpen())
    {
        // Nothing of a frame begun before the switch may reach the new window.
        m_grid.discardDrawn();
        m_front_end->setFullscreen(fullscreen);
    }
}

bool DisplayManager::isFullscreen() const
{
    return m_front_end && m_front_end->isFullscreen();
}

int DisplayManager::swapBuffers()
{
    if (!m_front_end || !m_front_end->isOpen())
    {
        return -1;
    }
    m_grid.show();
    if (m_presenting)
    {
        m_front_end->present(m_grid, m_overlay);
    }
    return 0;
}

#if OSTREL_WITH_SFML
sf::RenderWindow* DisplayManager::getWindow() const
{
    return m_front_end && m_front_end->isOpen() ? m_front_end->getWindow() : nullptr;
}

sf::Image DisplayManager::capture()
{
    return m_front_end && m_front_end->isOpen() ? m_front_end->capture(m_grid) : sf::Image();
}
#endif

} // namespace ostrel
