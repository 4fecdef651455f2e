#include "FrontEndChoice.h"
#include "TestDir.h"
#include "WaitUntil.h"

#include <gtest/gtest.h>
#include <ostrel/core/LogManager.h>
#include <ostrel/frontend/WindowFrontEnd.h>
#include <ostrel/graphics/DisplayManager.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>

using namespace ostrel;
using testing_support::TestDir;

TEST(WindowLayout, TheWindowOpensAtTheLargestWholeMultipleThatFitsTheScreen)
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

// Draws into the real window and reads back what the frame showed, cell by cell and in pixels.
class DisplayTest : public testing::Test
{
protected:
    void SetUp() override
    {
        testing_support::useWindow();
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
    EXPECT_EQ(testing_support::windowFrontEnd().getCharacterSize(), 50u);
    EXPECT_FLOAT_EQ(charWidth(), 12.8f) << "the grid keeps its logical size";

    display.drawString(Vector(10, 5), text, LEFT_JUSTIFIED, WHITE);
    const double share_2x = edgeShare(display.capture(), 256, 320, 256 + 26 * 21, 384);
    std::printf("[ sharpness ] edge pixels per inked pixel: %.3f at 1x, %.3f at 2x\n", share_1x, share_2x);
    EXPECT_LT(share_2x, 0.75 * share_1x);
}

// A background fills its cell whole, and a glyph shows its RGB exactly; a named colour keeps its shade.
TEST_F(DisplayTest, DrawsRgbGlyphsAndBackgrounds)
{
    display.drawCh(Vector(10, 5), ' ', Ink(WHITE, Rgb{0, 0, 200}));
    display.drawString(Vector(12, 5), "##", LEFT_JUSTIFIED, Ink(Rgb{255, 128, 0}));
    display.drawCh(Vector(15, 5), '#', BLUE);
    const sf::Image image = display.capture();
    const auto pixel = [&image](unsigned x, unsigned y)
    {
#if SFML_VERSION_MAJOR >= 3
        return image.getPixel({x, y});
#else
        return image.getPixel(x, y);
#endif
    };
    // Whether the cell at 1x (12.8 x 32 pixels, its rectangle a little left and below) holds the colour.
    const auto holds = [&pixel](int col, sf::Color color)
    {
        for (unsigned y = 168; y < 196; ++y)
        {
            for (unsigned x = static_cast<unsigned>(col * 12.8f); x < static_cast<unsigned>((col + 1) * 12.8f) - 2; ++x)
            {
                if (pixel(x, y) == color)
                {
                    return true;
                }
            }
        }
        return false;
    };
    EXPECT_EQ(pixel(133, 170), sf::Color(0, 0, 200));
    EXPECT_EQ(pixel(133, 195), sf::Color(0, 0, 200));
    EXPECT_TRUE(holds(12, sf::Color(255, 128, 0)));
    EXPECT_TRUE(holds(15, sf::Color(64, 128, 255)));
    EXPECT_FALSE(holds(14, sf::Color(0, 0, 200))) << "no background where none was drawn";
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
    EXPECT_FLOAT_EQ(testing_support::windowFrontEnd().getScale(), scale);
    EXPECT_EQ(testing_support::windowFrontEnd().getOffset(),
              sf::Vector2f(std::floor((screen.x - 1024 * scale) / 2), std::floor((screen.y - 768 * scale) / 2)));
    display.drawString(Vector(3, 4), "full", LEFT_JUSTIFIED, GREEN);
    display.swapBuffers();
    EXPECT_EQ(row(4).substr(3, 4), "full");

    display.setFullscreen(false);
    EXPECT_FALSE(display.isFullscreen());
    EXPECT_EQ(display.getWindow()->getSize(), windowed);
    EXPECT_FLOAT_EQ(testing_support::windowFrontEnd().getScale(), 1.0f);
    EXPECT_EQ(display.getTitle(), "Full screen test");
    display.setTitle(WINDOW_TITLE_DEFAULT);
}

TEST(DisplayStart, FailsWithoutTheFontButKeepsItsWindow)
{
    TestDir dir(TestDir::EMPTY);
    testing_support::useWindow();
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

// SFML's own complaints ("Setting vertical sync not supported", say) go to the log, not to
// the player's terminal.
TEST(DisplayStart, SendsSfmlErrorsToTheLog)
{
    TestDir dir;
    LogManager& log = LogManager::getInstance();
    ASSERT_EQ(log.startUp(), 0);
    testing_support::useWindow();
    ASSERT_EQ(DisplayManager::getInstance().startUp(), 0);
    sf::err() << "a probe of the error stream" << std::endl;
    DisplayManager::getInstance().shutDown();
    log.shutDown();
    EXPECT_NE(dir.read("ostrel.log").find("\nSFML: a probe of the error stream\n"), std::string::npos)
        << dir.read("ostrel.log");
}
