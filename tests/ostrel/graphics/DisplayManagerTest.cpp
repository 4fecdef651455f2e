#include "TestDir.h"
#include "WaitUntil.h"

#include <gtest/gtest.h>
#include <ostrel/core/LogManager.h>
#include <ostrel/graphics/DisplayManager.h>
#include <ostrel/graphics/Frame.h>
#include <ostrel/resources/ResourceManager.h>
#include <ostrel/world/Object.h>
#include <ostrel/world/WorldManager.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>

using namespace ostrel;
using testing_support::TestDir;

TEST(DisplayGrid, CellSizesAndConversions)
{
    EXPECT_FLOAT_EQ(charWidth(), 12.8f);
    EXPECT_FLOAT_EQ(charHeight(), 32.0f);
    EXPECT_EQ(spacesToPixels(Vector(1, 1)), Vector(12.8f, 32));
    EXPECT_EQ(pixelsToSpaces(Vector(640, 384)), Vector(50, 12));
    EXPECT_FLOAT_EQ(spacesToPixels(Vector(2.5f, 0)).getX(), 32.0f) << "no rounding";
}

TEST(DisplayGrid, TheWindowOpensAtTheLargestWholeMultipleThatFitsTheScreen)
{
    struct Case
    {
        sf::Vector2u screen;
        sf::Vector2u window;
    };
    const sf::Vector2u picture(1024, 768);
    for (const Case& c :
         {Case{{2560, 1600}, {2048, 1536}}, Case{{1280, 1024}, {1024, 768}}, Case{{1920, 1080}, {1024, 768}},
          Case{{3840, 2160}, {2048, 1536}}, Case{{3072, 2368}, {3072, 2304}}, Case{{1024, 832}, {1024, 768}},
          Case{{1024, 830}, {1021, 765}}, Case{{800, 600}, {714, 535}}, Case{{0, 0}, {0, 0}}})
    {
        EXPECT_EQ(fittedWindowSize(c.screen, picture), c.window) << c.screen.x << "x" << c.screen.y;
    }
}

TEST(DisplayGrid, NothingIsDrawnWithoutAWindow)
{
    DisplayManager& display = DisplayManager::getInstance();
    EXPECT_EQ(display.drawCh(Vector(1, 1), 'x', RED), -1);
    EXPECT_EQ(display.drawString(Vector(1, 1), "abc", LEFT_JUSTIFIED, RED), 0);
    EXPECT_EQ(display.swapBuffers(), -1);
    EXPECT_EQ(display.getWindow(), nullptr);
    display.shutDown();
    EXPECT_FALSE(display.isStarted());
    EXPECT_EQ(display.shownCell(1, 1).ch, ' ');
}

// Draws into the real window and reads back what the frame showed, cell by cell.
class DisplayTest : public testing::Test
{
protected:
    void SetUp() override
    {
        if (!testing_support::haveDisplay())
        {
            GTEST_SKIP() << "no display";
        }
        ASSERT_EQ(display.startUp(), 0);
    }

    void TearDown() override { display.shutDown(); }

    std::string row(int r) const { return display.shownText().substr(static_cast<std::size_t>(r) * 81, 80); }

    TestDir dir;
    DisplayManager& display = DisplayManager::getInstance();
};

TEST_F(DisplayTest, OpensOneWindowOfTheGridsSize)
{
    sf::RenderWindow* window = display.getWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->getSize().x, 1024u);
    EXPECT_EQ(window->getSize().y, 768u);
    EXPECT_EQ(display.startUp(), 0);
    EXPECT_EQ(display.getWindow(), window) << "a second start-up makes no second window";
}

TEST_F(DisplayTest, ShowsWhatWasDrawnAndThenClears)
{
    EXPECT_EQ(display.drawCh(Vector(3, 2), 'A', RED), 0);
    EXPECT_EQ(display.shownCell(3, 2).ch, ' ') << "not shown before the swap";
    ASSERT_EQ(display.swapBuffers(), 0);
    EXPECT_EQ(display.shownCell(3, 2).ch, 'A');
    EXPECT_EQ(display.shownCell(3, 2).color, RED);
    EXPECT_EQ(display.shownCell(4, 2).color, UNDEFINED_COLOR);
    EXPECT_EQ(display.shownCell(-1, 0).ch, ' ');
    EXPECT_EQ(display.shownCell(80, 0).ch, ' ');
    ASSERT_EQ(display.swapBuffers(), 0);
    EXPECT_EQ(display.shownCell(3, 2).ch, ' ') << "each frame starts empty";
}

TEST_F(DisplayTest, JustifiesStringsAboutThePosition)
{
    display.drawString(Vector(40, 1), "abcde", CENTER_JUSTIFIED, WHITE);
    display.drawString(Vector(40, 2), "abcd", CENTER_JUSTIFIED, WHITE);
    display.drawString(Vector(10, 3), "xyz", RIGHT_JUSTIFIED, WHITE);
    display.drawString(Vector(10, 4), "xyz", LEFT_JUSTIFIED, WHITE);
    display.drawString(Vector(10, 5), "", CENTER_JUSTIFIED, WHITE);
    display.swapBuffers();
    EXPECT_EQ(row(1).substr(38, 5), "abcde");
    EXPECT_EQ(row(1)[37], ' ');
    EXPECT_EQ(row(2).substr(38, 4), "abcd");
    EXPECT_EQ(row(2)[42], ' ');
    EXPECT_EQ(row(3).substr(7, 4), "xyz ") << "ends just left of the position";
    EXPECT_EQ(row(4).substr(10, 3), "xyz");
    EXPECT_EQ(row(5), std::string(80, ' '));
}

TEST_F(DisplayTest, LaterCharactersCoverEarlierOnesAndFractionsFloor)
{
    display.drawCh(Vector(5, 5), 'a', GREEN);
    display.drawCh(Vector(5, 5), 'b', BLUE);
    display.drawCh(Vector(7.5f, 6.9f), 'c', UNDEFINED_COLOR);
    display.drawCh(Vector(-0.5f, 3), 'd', WHITE);
    display.drawCh(Vector(NAN, 3), 'e', WHITE);
    display.swapBuffers();
    EXPECT_EQ(display.shownCell(5, 5).ch, 'b');
    EXPECT_EQ(display.shownCell(5, 5).color, BLUE);
    EXPECT_EQ(display.shownCell(7, 6).ch, 'c');
    EXPECT_EQ(row(3), std::string(80, ' ')) << "off-grid characters are not recorded";
}

TEST_F(DisplayTest, FramesDrawCentredOnThePosition)
{
    Frame(5, 3, "abcdefghijklmno").draw(Vector(10, 10), YELLOW);
    Frame(4, 2, "ABCDEFGH").draw(Vector(30, 10), YELLOW);
    Frame(1, 1, "z").draw(Vector(50, 10), YELLOW);
    display.swapBuffers();
    EXPECT_EQ(row(9).substr(8, 5), "abcde");
    EXPECT_EQ(row(10).substr(8, 5), "fghij");
    EXPECT_EQ(row(11).substr(8, 5), "klmno");
    EXPECT_EQ(row(9).substr(28, 4), "ABCD");
    EXPECT_EQ(row(10).substr(28, 4), "EFGH");
    EXPECT_EQ(display.shownCell(50, 10).ch, 'z');
    EXPECT_EQ(display.shownCell(10, 10).color, YELLOW);
}

TEST_F(DisplayTest, HigherAltitudesPaintOverLowerOnes)
{
    LogManager::getInstance().startUp();
    ResourceManager& resources = ResourceManager::getInstance();
    resources.startUp();
    dir.write("low.txt", "1\n3\n1\n1\nred\nlll\n");
    dir.write("high.txt", "1\n1\n1\n1\ncyan\nH\n");
    resources.loadSprite("low.txt", "low");
    resources.loadSprite("high.txt", "high");

    WorldManager& world = WorldManager::getInstance();
    world.startUp();
    Object* high = new Object;
    high->setSprite("high");
    high->setAltitude(4);
    high->setPosition(Vector(20, 8));
    Object* low = new Object;
    low->setSprite("low");
    low->setAltitude(0);
    low->setPosition(Vector(20, 8));
    world.draw();
    display.swapBuffers();
    EXPECT_EQ(row(8).substr(19, 3), "lHl");
    EXPECT_EQ(display.shownCell(20, 8).color, CYAN);

    world.shutDown();
    resources.shutDown();
    LogManager::getInstance().shutDown();
}

namespace
{
// Of the pixels of white text in a rectangle, the partly inked (a glyph's antialiased edge)
// for each fully inked one.
double edgeShare(const sf::Image& image, unsigned x0, unsigned y0, unsigned x1, unsigned y1)
{
    int edge = 0;
    int full = 0;
    for (unsigned y = y0; y < y1; ++y)
    {
        for (unsigned x = x0; x < x1; ++x)
        {
#if SFML_VERSION_MAJOR >= 3
            const sf::Color c = image.getPixel({x, y});
#else
            const sf::Color c = image.getPixel(x, y);
#endif
            full += c.r == 255;
            edge += c.r > 0 && c.r < 255;
        }
    }
    return full == 0 ? 1e9 : static_cast<double>(edge) / full;
}
} // namespace

// Glyphs are rasterised at the scaled size (50 at 2x): their edges stay one pixel wide while
// their strokes double, so the share of edge pixels halves. A 1x picture stretched to 2x
// would keep the share and look blurred.
TEST_F(DisplayTest, AScaledWindowDrawsSharpGlyphsInTheScaledCells)
{
    const std::string text = "Corn Quota $1234 #@%&";
    display.drawString(Vector(10, 5), text, LEFT_JUSTIFIED, WHITE);
    const double share_1x = edgeShare(display.capture(), 128, 160, 128 + 13 * 21, 192);

    sf::RenderWindow& window = *display.getWindow();
    const sf::Vector2u size(2048, 1536);
    window.setSize(size);
    // Wait for the X server's answer, so that the window's drawable has its new size.
    bool resized = false;
    testing_support::waitUntil(std::chrono::seconds(30),
                               [&]
                               {
#if SFML_VERSION_MAJOR >= 3
                                   while (const std::optional<sf::Event> event = window.pollEvent())
                                   {
                                       resized = resized || event->is<sf::Event::Resized>();
                                   }
#else
                                   sf::Event event;
                                   while (window.pollEvent(event))
                                   {
                                       resized = resized || event.type == sf::Event::Resized;
                                   }
#endif
                                   return resized;
                               });
    display.swapBuffers();
    ASSERT_EQ(window.getSize(), size);
    EXPECT_EQ(display.getCharacterSize(), 50u);
    EXPECT_FLOAT_EQ(charWidth(), 12.8f) << "the grid keeps its logical size";

    display.drawString(Vector(10, 5), text, LEFT_JUSTIFIED, WHITE);
    const double share_2x = edgeShare(display.capture(), 256, 320, 256 + 26 * 21, 384);
    std::printf("[ sharpness ] edge pixels per inked pixel: %.3f at 1x, %.3f at 2x\n", share_1x, share_2x);
    EXPECT_LT(share_2x, 0.75 * share_1x);
}

// Full screen takes the screen's size, letterboxed, and the window comes back at its size.
TEST_F(DisplayTest, FullScreenAndBackKeepTheGridAndItsDrawing)
{
    const sf::Vector2u windowed = display.getWindow()->getSize();
    display.setTitle("Full screen test");
    display.setFullscreen(true);
    ASSERT_TRUE(display.isFullscreen());
    const sf::VideoMode desktop = sf::VideoMode::getDesktopMode();
#if SFML_VERSION_MAJOR >= 3
    const sf::Vector2u screen = desktop.size;
#else
    const sf::Vector2u screen(desktop.width, desktop.height);
#endif
    EXPECT_EQ(display.getWindow()->getSize(), screen);
    const float scale = std::min(screen.x / 1024.0f, screen.y / 768.0f);
    EXPECT_FLOAT_EQ(display.getScale(), scale);
    EXPECT_EQ(display.getOffset(),
              sf::Vector2f(std::floor((screen.x - 1024 * scale) / 2), std::floor((screen.y - 768 * scale) / 2)));
    display.drawString(Vector(3, 4), "full", LEFT_JUSTIFIED, GREEN);
    display.swapBuffers();
    EXPECT_EQ(row(4).substr(3, 4), "full");

    display.setFullscreen(false);
    EXPECT_FALSE(display.isFullscreen());
    EXPECT_EQ(display.getWindow()->getSize(), windowed);
    EXPECT_FLOAT_EQ(display.getScale(), 1.0f);
    EXPECT_EQ(display.getTitle(), "Full screen test");
    display.setTitle(WINDOW_TITLE_DEFAULT);
}

TEST(DisplayStart, FailsWithoutTheFontButKeepsItsWindow)
{
    if (!testing_support::haveDisplay())
    {
        GTEST_SKIP() << "no display";
    }
    TestDir dir(TestDir::EMPTY);
    DisplayManager& display = DisplayManager::getInstance();
    EXPECT_EQ(display.startUp(), -1);
    EXPECT_FALSE(display.isStarted());
    sf::RenderWindow* window = display.getWindow();
    EXPECT_NE(window, nullptr);
    EXPECT_EQ(display.startUp(), 0) << "the window is there: no retry";
    EXPECT_EQ(display.getWindow(), window);
    display.shutDown();
    EXPECT_EQ(display.getWindow(), nullptr);
}
