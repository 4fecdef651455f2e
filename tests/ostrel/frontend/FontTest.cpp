#include "TestDir.h"

#include <SFML/Graphics.hpp>
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

using testing_support::TestDir;

namespace
{

// The leftmost and rightmost columns and the lowest row of the image's inked pixels (alpha
// over 32); max_x is -1 for an image without ink.
struct Ink
{
    int min_x = 1000;
    int max_x = -1;
    int max_y = -1;
};

Ink inkOf(const sf::Image& image)
{
    Ink ink;
    for (unsigned y = 0; y < image.getSize().y; ++y)
    {
        for (unsigned x = 0; x < image.getSize().x; ++x)
        {
#if SFML_VERSION_MAJOR >= 3
            const sf::Color pixel = image.getPixel({x, y});
#else
            const sf::Color pixel = image.getPixel(x, y);
#endif
            if (pixel.a > 32)
            {
                ink.min_x = std::min(ink.min_x, static_cast<int>(x));
                ink.max_x = std::max(ink.max_x, static_cast<int>(x));
                ink.max_y = std::max(ink.max_y, static_cast<int>(y));
            }
        }
    }
    return ink;
}

} // namespace

// Every printable glyph, drawn as the display draws it (size 25, bold), must keep its ink
// inside its 12.8 x 32 cell rectangle (offset -1.28, +6.4 from the glyph's origin), give or
// take a pixel at the sides; glyphs may rise above the rectangle's top.
TEST(Font, EveryGlyphStaysWithinItsCell)
{
    if (!testing_support::haveDisplay())
    {
        GTEST_SKIP() << "no display";
    }
    TestDir dir;
    sf::Font font;
#if SFML_VERSION_MAJOR >= 3
    ASSERT_TRUE(font.openFromFile(std::filesystem::path("ostrel-font.ttf")));
#else
    ASSERT_TRUE(font.loadFromFile("ostrel-font.ttf"));
#endif
    sf::RenderTexture target;
#if SFML_VERSION_MAJOR >= 3
    ASSERT_TRUE(target.resize({200, 200}));
#else
    ASSERT_TRUE(target.create(200, 200));
#endif
    const float origin_x = 80.0f;
    const float origin_y = 60.0f;
    const float left = origin_x - 12.8f / 10.0f;
    const float right = left + 12.8f;
    const float bottom = origin_y + 32.0f / 5.0f + 32.0f;

    std::ostringstream failures;
    for (char ch = 33; ch < 127; ++ch)
    {
        target.clear(sf::Color(0, 0, 0, 0));
#if SFML_VERSION_MAJOR >= 3
        sf::Text text(font, sf::String(ch), 25);
#else
        sf::Text text(sf::String(ch), font, 25);
#endif
        text.setStyle(sf::Text::Bold);
        text.setPosition(sf::Vector2f(origin_x, origin_y));
        target.draw(text);
        target.display();
        const Ink ink = inkOf(target.getTexture().copyToImage());
        if (ink.max_x < 0)
        {
            failures << "'" << ch << "' has no ink; ";
            continue;
        }
        // An inked pixel counts at its centre: antialiasing leaves where the ink ends inside
        // its edge pixels unknown.
        if (ink.min_x + 0.5f < left - 1.0f || ink.max_x + 0.5f > right + 1.0f || ink.max_y + 0.5f > bottom)
        {
            failures << "'" << ch << "' ink pixels x " << ink.min_x << ".." << ink.max_x << ", bottom row " << ink.max_y
                     << "; ";
        }
    }
    EXPECT_EQ(failures.str(), "");
}
