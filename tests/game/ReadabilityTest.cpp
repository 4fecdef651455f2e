#include "GameHarness.h"
#include "farm/Plot.h"

#include <SFML/Graphics/Image.hpp>
#include <gtest/gtest.h>
#include <ostrel/graphics/DisplayManager.h>
#include <ostrel/graphics/Sprite.h>
#include <ostrel/resources/ResourceManager.h>
#include <ostrel/world/utility.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

using namespace ostrel;

namespace
{

// WCAG 2's relative luminance of an sRGB colour.
double luminance(const sf::Color& color)
{
    const auto linear = [](std::uint8_t channel)
    {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(color.r) + 0.7152 * linear(color.g) + 0.0722 * linear(color.b);
}

double contrast(const sf::Color& a, const sf::Color& b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

sf::Color pixel(const sf::Image& image, unsigned x, unsigned y)
{
#if SFML_VERSION_MAJOR >= 3
    return image.getPixel({x, y});
#else
    return image.getPixel(x, y);
#endif
}

const char* const COLOUR_NAMES[] = {"BLACK", "RED", "GREEN", "YELLOW", "BLUE", "MAGENTA", "CYAN", "WHITE"};

} // namespace

class Readability : public GameHarness
{
protected:
    const char* frontEnd() const override { return "window"; }
};

// Each colour's row of '#' read back from the window: its most luminous pixel is a glyph's
// solid ink, measured against the black between the rows.
TEST_F(Readability, EveryColourReadsOnBlackAtLeast4Point5To1)
{
    DisplayManager& display = DisplayManager::getInstance();
    for (int color = RED; color <= WHITE; ++color)
    {
        display.drawString(Vector(4, static_cast<float>(2 * color)), std::string(20, '#'), LEFT_JUSTIFIED,
                           static_cast<Color>(color));
    }
    const sf::Image image = display.capture();
    const sf::Color black = pixel(image, 2, 2);
    for (int color = RED; color <= WHITE; ++color)
    {
        sf::Color ink = black;
        const unsigned top = static_cast<unsigned>(64 * color);
        for (unsigned y = top; y < top + 32; ++y)
        {
            for (unsigned x = 51; x < 307; ++x)
            {
                if (luminance(pixel(image, x, y)) > luminance(ink))
                {
                    ink = pixel(image, x, y);
                }
            }
        }
        const double ratio = contrast(ink, black);
        std::printf("[ contrast ] %-7s (%3d, %3d, %3d) on (%d, %d, %d): %.2f:1\n", COLOUR_NAMES[color], ink.r, ink.g,
                    ink.b, black.r, black.g, black.b, ratio);
        EXPECT_GE(ratio, 4.5) << COLOUR_NAMES[color];
    }
}

// For every corn level and every state of the plot, the ripe corn's cells share no colour
// with the plot's frame around them.
TEST_F(Readability, RipeCornNeverTakesItsPlotsColour)
{
    const char* const upgrades[] = {"Blue Corn", "Purple Corn", "White Corn", "Red Corn"};
    const char* const plots[] = {"plot_empty", "plot_watered", "plot_fertile", "plot_watered_fertile"};
    DisplayManager& display = DisplayManager::getInstance();
    for (int level = 0; level <= 4; ++level)
    {
        if (level > 0)
        {
            buy({upgrades[level - 1]});
        }
        Plot* plot = new Plot;
        click(plot->getPosition());
        for (int i = 0; i < 1000 && plot->getStage() < 4; ++i)
        {
            steps(1);
        }
        ASSERT_EQ(plot->getStage(), 4);
        for (const char* state : plots)
        {
            plot->setSprite(state);
            display.swapBuffers();
            plot->draw();
            display.swapBuffers();
            const Box box = getDrawnBox(plot);
            const int left = static_cast<int>(box.getCorner().getX());
            const int top = static_cast<int>(box.getCorner().getY());
            std::set<int> frame;
            std::set<int> corn;
            for (int col = left; col < left + 6; ++col)
            {
                for (int row = top; row < top + 4; ++row)
                {
                    const bool inside = col > left && col < left + 5 && row > top && row < top + 3;
                    (inside ? corn : frame).insert(display.shownCell(col, row).color);
                }
            }
            ASSERT_EQ(corn.size(), 1u) << "level " << level << ", " << state;
            EXPECT_EQ(frame.count(*corn.begin()), 0u)
                << "level " << level << " corn is " << COLOUR_NAMES[*corn.begin()] << " on " << state;
        }
    }
}

// A player who cannot tell the colours apart still tells the levels apart.
TEST_F(Readability, CornLevelsAndTheirShopIconsDifferByShape)
{
    const ResourceManager& resources = ResourceManager::getInstance();
    for (const std::vector<const char*>& labels :
         {std::vector<const char*>{"corn_yellow", "corn_blue", "corn_purple", "corn_white", "corn_red"},
          std::vector<const char*>{"upg-blue_corn", "upg-purple_corn", "upg-white_corn", "upg-red_corn"}})
    {
        std::set<std::string> shapes;
        for (const char* label : labels)
        {
            const Sprite* sprite = resources.getSprite(label);
            ASSERT_NE(sprite, nullptr) << label;
            EXPECT_TRUE(shapes.insert(sprite->getFrame(0).getString()).second) << label << " has another's shape";
        }
    }
}
