#include "CellReference.h"
#include "FrontEndChoice.h"
#include "GameHarness.h"
#include "farm/Plot.h"
#include "run/MoneyManager.h"
#include "run/StartObjects.h"

#include <gtest/gtest.h>
#include <ostrel/graphics/DisplayManager.h>
#include <ostrel/input/InputFilter.h>
#include <ostrel/input/InputManager.h>
#include <ostrel/world/WorldManager.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>

using namespace ostrel;

namespace
{
// The colours a glyph or the background can be drawn in.
const std::array<sf::Color, 8> PALETTE = {sf::Color(0, 0, 0),     sf::Color(255, 0, 0),    sf::Color(0, 255, 0),
                                          sf::Color(255, 255, 0), sf::Color(64, 128, 255), sf::Color(255, 0, 255),
                                          sf::Color(0, 255, 255), sf::Color(255, 255, 255)};

// Keeps the window's focus losses from the game while it lives: on a bare X server the test's
// window loses the focus at start-up, at the server's pace, and would pause a day at random.
class FocusLossHeldBack : public InputFilter
{
public:
    FocusLossHeldBack() { InputManager::getInstance().setFilter(this); }
    ~FocusLossHeldBack() override { InputManager::getInstance().setFilter(nullptr); }

    void beginFrame() override {}
    bool admit(const InputRecord& input) override { return input.kind != InputKind::FOCUS_LOST; }
};
} // namespace

// The batched renderer against the per-cell drawing it replaced: the same frames, drawn both
// ways into the window and read back, must match pixel for pixel, but for a few antialiased
// glyph-edge pixels off by one level (the batch adds each cell's offset on the CPU).
class Renderer : public GameHarness
{
protected:
    const char* frontEnd() const override { return "window"; }

    struct Difference
    {
        int pixels = 0;
        int worst_level = 0;
        int off_glyph_edges = 0;
    };

    // Compares the frame drawn so far (and not yet shown) with its per-cell drawing.
    Difference compareFrame()
    {
        DisplayManager& display = DisplayManager::getInstance();
        sf::RenderWindow& window = *display.getWindow();
        const sf::Image batched = display.capture();
        display.swapBuffers();
        const WindowFrontEnd& front_end = testing_support::windowFrontEnd();
        reference::drawFrameReference(window, *front_end.getFont(), front_end.getCharacterSize(), display.shownCalls());
        const sf::Image expected = display.capture();
        window.clear(WINDOW_BACKGROUND_COLOR_DEFAULT);
        EXPECT_FALSE(display.shownCalls().empty());

        Difference difference;
        const sf::Vector2u size = expected.getSize();
        EXPECT_EQ(batched.getSize(), size);
        for (unsigned y = 0; y < size.y; ++y)
        {
            for (unsigned x = 0; x < size.x; ++x)
            {
#if SFML_VERSION_MAJOR >= 3
                const sf::Color a = batched.getPixel({x, y});
                const sf::Color b = expected.getPixel({x, y});
#else
                const sf::Color a = batched.getPixel(x, y);
                const sf::Color b = expected.getPixel(x, y);
#endif
                const int level = std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)});
                if (level == 0)
                {
                    continue;
                }
                ++difference.pixels;
                difference.worst_level = std::max(difference.worst_level, level);
                // Inside a glyph a pixel is one of the palette's colours: only its antialiased edge blends.
                difference.off_glyph_edges += std::count(PALETTE.begin(), PALETTE.end(), b) > 0;
            }
        }
        std::printf("[ renderer ] %s: %d differing pixels, worst by %d\n",
                    testing::UnitTest::GetInstance()->current_test_info()->name(), difference.pixels,
                    difference.worst_level);
        return difference;
    }

    static void expectMatch(const Difference& difference)
    {
        EXPECT_LE(difference.pixels, 64);
        EXPECT_LE(difference.worst_level, 1);
        EXPECT_EQ(difference.off_glyph_edges, 0);
    }
};

TEST_F(Renderer, EveryColourAndUndefined)
{
    const DisplayManager& display = DisplayManager::getInstance();
    for (int color = UNDEFINED_COLOR; color <= WHITE; ++color)
    {
        display.drawString(Vector(3, static_cast<float>(2 + 2 * (color + 1))), "Corn Quota $1234 #@%&* {[()]}",
                           LEFT_JUSTIFIED, static_cast<Color>(color));
    }
    expectMatch(compareFrame());
}

TEST_F(Renderer, SpacesOverlapsAndFractionalPositions)
{
    const DisplayManager& display = DisplayManager::getInstance();
    display.drawString(Vector(10, 3), "MMMMMMMMMM", LEFT_JUSTIFIED, YELLOW);
    display.drawString(Vector(12, 3), "    ", LEFT_JUSTIFIED, WHITE);
    display.drawCh(Vector(30, 5), 'A', RED);
    display.drawCh(Vector(30, 5), 'B', GREEN);
    display.drawCh(Vector(2.5f, 8), 'W', CYAN);
    display.drawCh(Vector(3.3f, 8.6f), '@', MAGENTA);
    display.drawCh(Vector(10.25f, 12.75f), '#', BLUE);
    display.drawCh(Vector(10.75f, 12.5f), '$', WHITE);
    display.drawCh(Vector(-0.5f, 23.5f), 'Q', WHITE);
    display.drawCh(Vector(79.6f, 0.2f), 'g', YELLOW);
    expectMatch(compareFrame());
}

TEST_F(Renderer, AFullScreenOfEveryGlyph)
{
    const DisplayManager& display = DisplayManager::getInstance();
    for (int row = 0; row < 24; ++row)
    {
        for (int col = 0; col < 80; ++col)
        {
            display.drawCh(Vector(static_cast<float>(col), static_cast<float>(row)),
                           static_cast<char>(32 + (row * 80 + col) % 95), static_cast<Color>((col + row) % 9 - 1));
        }
    }
    expectMatch(compareFrame());
}

TEST_F(Renderer, TitleAndReticle)
{
    createStartObjects();
    move(Vector(33.5f, 20.5f));
    frame();
    WorldManager::getInstance().draw();
    expectMatch(compareFrame());
}

TEST_F(Renderer, AFarmDayAndTheShop)
{
    const FocusLossHeldBack held_back;
    createStartObjects();
    press(Keyboard::SPACE);
    frame();
    buy({"Fertilizer"});
    for (const Plot* plot : plots())
    {
        click(plot->getPosition());
        steps(60);
    }
    steps(500);
    WorldManager::getInstance().draw();
    expectMatch(compareFrame());

    MoneyManager::getInstance().addMoney(500);
    steps(1800);
    ASSERT_GT(count("ShopDisplay"), 0);
    move(Vector(65, 10));
    frame();
    WorldManager::getInstance().draw();
    expectMatch(compareFrame());
}
