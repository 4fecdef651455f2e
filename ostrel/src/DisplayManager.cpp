#include "DisplayManager.h"

#include <algorithm>
#include <cmath>

namespace ostrel
{

namespace
{

sf::Color glyphColor(Color color)
{
    switch (color)
    {
        case BLACK:
            return sf::Color(0, 0, 0, 255);
        case RED:
            return sf::Color(255, 0, 0, 255);
        case GREEN:
            return sf::Color(0, 255, 0, 255);
        case YELLOW:
            return sf::Color(255, 255, 0, 255);
        case BLUE:
            return sf::Color(0, 0, 255, 255);
        case MAGENTA:
            return sf::Color(255, 0, 255, 255);
        case CYAN:
            return sf::Color(0, 255, 255, 255);
        case WHITE:
        default:
            return sf::Color(255, 255, 255, 255);
    }
}

unsigned glyphSize()
{
    const float size = charWidth() < charHeight() ? 2.0f * charWidth() : 2.0f * charHeight();
    return static_cast<unsigned>(size);
}

} // namespace

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
      m_window_vertical_chars(WINDOW_VERTICAL_CHARS_DEFAULT),
      m_drawn_cells(static_cast<std::size_t>(m_window_horizontal_chars * m_window_vertical_chars)),
      m_shown_cells(m_drawn_cells.size())
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
    if (m_window)
    {
        return 0;
    }

    const auto width = static_cast<unsigned>(m_window_horizontal_pixels);
    const auto height = static_cast<unsigned>(m_window_vertical_pixels);
    const sf::String title(std::string("Ostrel"));
#if SFML_VERSION_MAJOR >= 3
    m_window = std::make_unique<sf::RenderWindow>(sf::VideoMode({width, height}, 32), title, sf::Style::Default,
                                                  sf::State::Windowed, sf::ContextSettings());
#else
    m_window = std::make_unique<sf::RenderWindow>(sf::VideoMode(width, height, 32), title, sf::Style::Default,
                                                  sf::ContextSettings());
#endif
    m_window->setMouseCursorVisible(false);
    m_window->setVerticalSyncEnabled(true);

#if SFML_VERSION_MAJOR >= 3
    const bool font_loaded = m_font.openFromFile(std::filesystem::path(FONT_FILE_DEFAULT));
#else
    const bool font_loaded = m_font.loadFromFile(FONT_FILE_DEFAULT);
#endif
    if (!font_loaded)
    {
        return -1;
    }
    return Manager::startUp();
}

void DisplayManager::shutDown()
{
    m_font = sf::Font();
    if (m_window)
    {
        m_window->close();
        m_window.reset();
    }
    Manager::shutDown();
}

int DisplayManager::drawCh(Vector world_pos, char ch, Color color) const
{
    if (!m_window)
    {
        return -1;
    }
    const Vector pixel_pos = spacesToPixels(world_pos);

    sf::RectangleShape background(sf::Vector2f(charWidth(), charHeight()));
    background.setFillColor(sf::Color(0, 0, 0, 255));
    background.setPosition(
        sf::Vector2f(pixel_pos.getX() - charWidth() / 10.0f, pixel_pos.getY() + charHeight() / 5.0f));
    m_window->draw(background);

#if SFML_VERSION_MAJOR >= 3
    sf::Text text(m_font, "", 30);
#else
    sf::Text text("", m_font, 30);
#endif
    text.setString(sf::String(ch));
    text.setStyle(sf::Text::Bold);
    text.setCharacterSize(glyphSize());
    if (color >= BLACK && color <= WHITE)
    {
        text.setFillColor(glyphColor(color));
    }
    text.setPosition(sf::Vector2f(pixel_pos.getX(), pixel_pos.getY()));
    m_window->draw(text);

    recordCell(world_pos, ch, color);
    return 0;
}

int DisplayManager::drawString(Vector world_pos, std::string str, Justification just, Color color) const
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
        drawCh(Vector(start.getX() + static_cast<float>(i), start.getY()), str[i], color);
    }
    return 0;
}

int DisplayManager::swapBuffers()
{
    if (!m_window)
    {
        return -1;
    }
    m_window->display();
    m_window->clear(WINDOW_BACKGROUND_COLOR_DEFAULT);

    m_shown_cells.swap(m_drawn_cells);
    std::fill(m_drawn_cells.begin(), m_drawn_cells.end(), Cell());
    return 0;
}

Cell DisplayManager::shownCell(int col, int row) const
{
    if (col < 0 || row < 0 || col >= m_window_horizontal_chars || row >= m_window_vertical_chars)
    {
        return Cell();
    }
    return m_shown_cells[static_cast<std::size_t>(row * m_window_horizontal_chars + col)];
}

std::string DisplayManager::shownText() const
{
    std::string text;
    for (int row = 0; row < m_window_vertical_chars; ++row)
    {
        if (row > 0)
        {
            text += '\n';
        }
        for (int col = 0; col < m_window_horizontal_chars; ++col)
        {
            text += shownCell(col, row).ch;
        }
    }
    return text;
}

void DisplayManager::recordCell(Vector world_pos, char ch, Color color) const
{
    const float col = std::floor(world_pos.getX());
    const float row = std::floor(world_pos.getY());
    // Written so that a NaN position is rejected too.
    if (!(col >= 0.0f && row >= 0.0f && col < static_cast<float>(m_window_horizontal_chars) &&
          row < static_cast<float>(m_window_vertical_chars)))
    {
        return;
    }
    const auto index = static_cast<std::size_t>(row) * static_cast<std::size_t>(m_window_horizontal_chars) +
                       static_cast<std::size_t>(col);
    m_drawn_cells[index] = Cell{ch, color};
}

} // namespace ostrel
