#include "CellReference.h"

#include <ostrel/graphics/DisplayManager.h>

namespace reference
{

namespace
{

// The glyph colours of the display; UNDEFINED_COLOR keeps sf::Text's own default.
bool fillColor(ostrel::Color color, sf::Color& fill)
{
    switch (color)
    {
        case ostrel::BLACK:
            fill = sf::Color(0, 0, 0, 255);
            return true;
        case ostrel::RED:
            fill = sf::Color(255, 0, 0, 255);
            return true;
        case ostrel::GREEN:
            fill = sf::Color(0, 255, 0, 255);
            return true;
        case ostrel::YELLOW:
            fill = sf::Color(255, 255, 0, 255);
            return true;
        case ostrel::BLUE:
            fill = sf::Color(64, 128, 255, 255);
            return true;
        case ostrel::MAGENTA:
            fill = sf::Color(255, 0, 255, 255);
            return true;
        case ostrel::CYAN:
            fill = sf::Color(0, 255, 255, 255);
            return true;
        case ostrel::WHITE:
            fill = sf::Color(255, 255, 255, 255);
            return true;
        default:
            return false;
    }
}

} // namespace

void drawCellReference(sf::RenderTarget& target, const sf::Font& font, unsigned character_size,
                       const ostrel::DrawCall& call)
{
    const ostrel::Vector pixel_pos = ostrel::spacesToPixels(call.position);
    const float width = ostrel::charWidth();
    const float height = ostrel::charHeight();

    sf::RectangleShape background(sf::Vector2f(width, height));
    background.setFillColor(sf::Color(0, 0, 0, 255));
    background.setPosition(sf::Vector2f(pixel_pos.getX() - width / 10.0f, pixel_pos.getY() + height / 5.0f));
    target.draw(background);

#if SFML_VERSION_MAJOR >= 3
    sf::Text text(font, "", 30);
#else
    sf::Text text("", font, 30);
#endif
    text.setString(sf::String(call.ch));
    text.setStyle(sf::Text::Bold);
    text.setCharacterSize(character_size);
    sf::Color fill;
    if (fillColor(call.color, fill))
    {
        text.setFillColor(fill);
    }
    text.setPosition(sf::Vector2f(pixel_pos.getX(), pixel_pos.getY()));
    target.draw(text);
}

void drawFrameReference(sf::RenderTarget& target, const sf::Font& font, unsigned character_size,
                        const std::vector<ostrel::DrawCall>& calls)
{
    for (const ostrel::DrawCall& call : calls)
    {
        drawCellReference(target, font, character_size, call);
    }
}

} // namespace reference
