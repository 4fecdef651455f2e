#include "FrontEndChoice.h"
#include "TestDir.h"

#include <gtest/gtest.h>
#include <ostrel/core/LogManager.h>
#include <ostrel/graphics/DisplayManager.h>
#include <ostrel/graphics/Frame.h>
#include <ostrel/resources/ResourceManager.h>
#include <ostrel/world/Object.h>
#include <ostrel/world/WorldManager.h>

#include <cmath>

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

TEST(DisplayGrid, NothingIsDrawnWithoutAWindow)
{
    DisplayManager& display = DisplayManager::getInstance();
    EXPECT_EQ(display.drawCh(Vector(1, 1), 'x', RED), -1);
    EXPECT_EQ(display.drawString(Vector(1, 1), "abc", LEFT_JUSTIFIED, RED), 0);
    EXPECT_EQ(display.swapBuffers(), -1);
#if OSTREL_WITH_SFML
    EXPECT_EQ(display.getWindow(), nullptr);
#endif
    display.shutDown();
    EXPECT_FALSE(display.isStarted());
    EXPECT_EQ(display.shownCell(1, 1).ch, ' ');
}

// Draws into the grid and reads back what the frame showed, cell by cell.
class DisplayTest : public testing::Test
{
protected:
    void SetUp() override
    {
        testing_support::useHeadless();
        ASSERT_EQ(display.startUp(), 0);
    }

    void TearDown() override { display.shutDown(); }

    std::string row(int r) const { return display.shownText().substr(static_cast<std::size_t>(r) * 81, 80); }

    TestDir dir;
    DisplayManager& display = DisplayManager::getInstance();
};

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
