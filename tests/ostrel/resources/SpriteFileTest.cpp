#include "StartedResources.h"

#include <gtest/gtest.h>
#include <ostrel/graphics/Sprite.h>

using namespace ostrel;

// Loads sprite files written into a fresh folder and reads back what the log says.
class SpriteFile : public StartedResources
{
protected:
    // Writes `content` to a file and loads it as "s". Returns the log lines it wrote.
    std::vector<std::string> load(const std::string& content, int* result = nullptr)
    {
        const std::size_t before = logLines().size();
        dir.write("s.txt", content);
        const int loaded = resources.loadSprite("s.txt", "s");
        if (result)
        {
            *result = loaded;
        }
        return logLinesSince(before);
    }

    // The log lines of a failed load of "s.txt", after the "Loading" line.
    std::vector<std::string> failure(const std::string& content)
    {
        int result = 0;
        std::vector<std::string> lines = load(content, &result);
        EXPECT_EQ(result, -1);
        EXPECT_EQ(resources.getSprite("s"), nullptr);
        EXPECT_FALSE(lines.empty());
        if (!lines.empty())
        {
            EXPECT_EQ(lines.front(), "Loading 's' from file 's.txt'.");
            lines.erase(lines.begin());
        }
        return lines;
    }
};

using Lines = std::vector<std::string>;

TEST_F(SpriteFile, LoadsTheWorkedExample)
{
    int result = -1;
    EXPECT_EQ(load("2\n3\n1\n4\ngreen\n-o-\n(o)\n", &result),
              (Lines{"Loading 's' from file 's.txt'.", "Sprite 's' loaded."}));
    EXPECT_EQ(result, 0);
    const Sprite* sprite = resources.getSprite("s");
    ASSERT_NE(sprite, nullptr);
    EXPECT_EQ(sprite->getFrameCount(), 2);
    EXPECT_EQ(sprite->getWidth(), 3);
    EXPECT_EQ(sprite->getHeight(), 1);
    EXPECT_EQ(sprite->getSlowdown(), 4);
    EXPECT_EQ(sprite->getColor(), GREEN);
    EXPECT_EQ(sprite->getFrame(0).getString(), "-o-");
    EXPECT_EQ(sprite->getFrame(1).getString(), "(o)");
    EXPECT_EQ(sprite->getLabel(), "s");
}

TEST_F(SpriteFile, CrLfFilesLoadAlike)
{
    int result = -1;
    load("2\r\n3\r\n2\r\n4\r\ncyan\r\n-o-\r\n   \r\n(o)\r\n***\r\n", &result);
    ASSERT_EQ(result, 0);
    const Sprite* sprite = resources.getSprite("s");
    EXPECT_EQ(sprite->getColor(), CYAN);
    EXPECT_EQ(sprite->getFrame(0).getString(), "-o-   ");
    EXPECT_EQ(sprite->getFrame(1).getString(), "(o)***");
}

TEST_F(SpriteFile, HeaderValuesReadLikeAtoi)
{
    int result = -1;
    load("  12 frames\n1\n1\n+2\nred\na\nb\nc\nd\ne\nf\ng\nh\ni\nj\nk\nl\nthis line is ignored\n", &result);
    ASSERT_EQ(result, 0);
    EXPECT_EQ(resources.getSprite("s")->getFrameCount(), 12);
    EXPECT_EQ(resources.getSprite("s")->getSlowdown(), 2);
}

TEST_F(SpriteFile, RejectsEachMalformedHeaderLine)
{
    EXPECT_EQ(failure("abc\n3\n1\n4\ngreen\n-o-\n"),
              (Lines{"Error line 1. Malformed frame count value.", "Line is: \"abc\"", "Sprite 's' not loaded."}));
    EXPECT_EQ(failure("1\n0\n1\n4\ngreen\n-o-\n"),
              (Lines{"Error line 2. Malformed width value.", "Line is: \"0\"", "Sprite 's' not loaded."}));
    EXPECT_EQ(failure("1\n3\n\n4\ngreen\n-o-\n"),
              (Lines{"Error line 3. Malformed height value.", "Line is: \"\"", "Sprite 's' not loaded."}));
    EXPECT_EQ(failure("1\n3\n1\nslow\r\ngreen\n-o-\n"),
              (Lines{"Error line 4. Malformed slowdown value.", "Line is: \"slow\"", "Sprite 's' not loaded."}));
    EXPECT_EQ(failure("1\n3\n"),
              (Lines{"Error line 3. Malformed height value.", "Line is: \"\"", "Sprite 's' not loaded."}))
        << "a file that ends in the header";
}

TEST_F(SpriteFile, RejectsNegativeHeaderValues)
{
    EXPECT_EQ(failure("-2\n3\n1\n4\ngreen\n-o-\n"),
              (Lines{"Error line 1. Malformed frame count value.", "Line is: \"-2\"", "Sprite 's' not loaded."}));
    EXPECT_EQ(failure("1\n-3\n1\n4\ngreen\n-o-\n"),
              (Lines{"Error line 2. Malformed width value.", "Line is: \"-3\"", "Sprite 's' not loaded."}));
    EXPECT_EQ(failure("1\n3\n-1\n4\ngreen\n-o-\n"),
              (Lines{"Error line 3. Malformed height value.", "Line is: \"-1\"", "Sprite 's' not loaded."}));
    EXPECT_EQ(failure("1\n3\n1\n-4\ngreen\n-o-\n"),
              (Lines{"Error line 4. Malformed slowdown value.", "Line is: \"-4\"", "Sprite 's' not loaded."}));
}

TEST_F(SpriteFile, RejectsFrameCountsTooLargeToAllocate)
{
    EXPECT_EQ(
        failure("2000000000\n3\n1\n4\ngreen\n-o-\n"),
        (Lines{"Error line 1. Malformed frame count value.", "Line is: \"2000000000\"", "Sprite 's' not loaded."}));
    EXPECT_EQ(failure("10001\n1\n1\n1\nred\n"),
              (Lines{"Error line 1. Malformed frame count value.", "Line is: \"10001\"", "Sprite 's' not loaded."}));
    // atoi would wrap this to 1 and load a sprite nobody drew.
    EXPECT_EQ(
        failure("4294967297\n3\n1\n4\ngreen\n-o-\n"),
        (Lines{"Error line 1. Malformed frame count value.", "Line is: \"4294967297\"", "Sprite 's' not loaded."}));
    EXPECT_EQ(failure("1\n99999999999\n1\n4\ngreen\n-o-\n"),
              (Lines{"Error line 2. Malformed width value.", "Line is: \"99999999999\"", "Sprite 's' not loaded."}));

    int result = -1;
    std::string big = "10000\n1\n1\n1\nred\n";
    for (int i = 0; i < 10000; ++i)
    {
        big += "x\n";
    }
    load(big, &result);
    EXPECT_EQ(result, 0) << "the largest count still loads";
    resources.unloadSprite("s");
    EXPECT_EQ(failure("3\n1\n2000000000\n1\nred\nx\n"),
              (Lines{"Error line 7. No line read.", "Sprite 's' not loaded."}))
        << "a huge height fails on the file's own lines";
}

TEST_F(SpriteFile, RejectsColourNamesThatDoNotMatchExactly)
{
    EXPECT_EQ(failure("1\n3\n1\n4\nGreen\n-o-\n"),
              (Lines{"Error line 5. Malformed color value.", "Line is: \"Green\"", "Sprite 's' not loaded."}));
    EXPECT_EQ(failure("1\n3\n1\n4\ngreen \n-o-\n"),
              (Lines{"Error line 5. Malformed color value.", "Line is: \"green \"", "Sprite 's' not loaded."}));
}

TEST_F(SpriteFile, ColourLineTakesRgbAndABackground)
{
    const struct
    {
        const char* line;
        Ink ink;
    } good[] = {
        {"#ff8000", Ink(Rgb{255, 128, 0})},
        {"#FFFFFF on #203040", Ink(Rgb{255, 255, 255}, Rgb{32, 48, 64})},
        {"yellow on #000080", Ink(YELLOW, Rgb{0, 0, 128})},
    };
    for (const auto& c : good)
    {
        int result = -1;
        load(std::string("1\n1\n1\n1\n") + c.line + "\nx\n", &result);
        ASSERT_EQ(result, 0) << c.line;
        EXPECT_TRUE(resources.getSprite("s")->getInk() == c.ink) << c.line;
        resources.unloadSprite("s");
    }
    for (const std::string bad : {"#ff800", "#ff80000", "ff8000", "#gg0000", "red on", "red on blue", "red  on #000000",
                                  "#000000 on #ffffff ", "on #000000", "red on #000000 on #000000"})
    {
        EXPECT_EQ(
            failure("1\n1\n1\n1\n" + bad + "\nx\n"),
            (Lines{"Error line 5. Malformed color value.", "Line is: \"" + bad + "\"", "Sprite 's' not loaded."}));
    }
}

TEST_F(SpriteFile, ReportsRowsOfTheWrongWidthWithTheirLineNumber)
{
    EXPECT_EQ(failure("2\n3\n3\n1\nred\nabc\nabc\nabc\nabcd\nabc\nabc\n"),
              (Lines{"Error line 9. Line width 4, expected 3.", "Line is: \"abcd\"", "Sprite 's' not loaded."}));
    EXPECT_EQ(failure("1\n3\n1\n1\nred\nab\r\n"),
              (Lines{"Error line 6. Line width 2, expected 3.", "Line is: \"ab\"", "Sprite 's' not loaded."}));
}

TEST_F(SpriteFile, ReportsMissingAndBlankRows)
{
    EXPECT_EQ(failure("2\n3\n3\n1\nred\nabc\nabc\nabc\n"),
              (Lines{"Error line 9. No line read.", "Sprite 's' not loaded."}))
        << "the file ends after frame 1";
    EXPECT_EQ(failure("1\n3\n3\n1\nred\nabc\n\nabc\n"),
              (Lines{"Error line 7. No line read.", "Sprite 's' not loaded."}));
}

TEST_F(SpriteFile, AcceptsRowsOfSpaces)
{
    int result = -1;
    load("1\n3\n1\n1\nwhite\n   \n", &result);
    ASSERT_EQ(result, 0);
    EXPECT_EQ(resources.getSprite("s")->getFrame(0).getString(), "   ");
}

TEST_F(SpriteFile, ReportsAMissingFile)
{
    const std::size_t before = logLines().size();
    EXPECT_EQ(resources.loadSprite("nowhere.txt", "gone"), -1);
    EXPECT_EQ(logLinesSince(before), (Lines{"Loading 'gone' from file 'nowhere.txt'.",
                                            "Error: 'nowhere.txt' could not be opened.", "Sprite 'gone' not loaded."}));
}

TEST_F(SpriteFile, FullStoreRefusesTheNextSprite)
{
    dir.write("one.txt", "1\n1\n1\n1\nred\nx\n");
    for (int i = 0; i < MAX_SPRITES; ++i)
    {
        ASSERT_EQ(resources.loadSprite("one.txt", "n" + std::to_string(i)), 0);
    }
    const std::size_t before = logLines().size();
    EXPECT_EQ(resources.loadSprite("one.txt", "extra"), -1);
    EXPECT_EQ(logLinesSince(before), (Lines{"Sprite array full.", "Sprite 'extra' not loaded."}));
}

TEST_F(SpriteFile, SharedLabelsFindTheEarliestAndUnloadClosesTheGap)
{
    dir.write("a.txt", "1\n1\n1\n1\nred\na\n");
    dir.write("b.txt", "1\n1\n1\n1\nblue\nb\n");
    dir.write("c.txt", "1\n1\n1\n1\ncyan\nc\n");
    resources.loadSprite("a.txt", "twin");
    resources.loadSprite("b.txt", "twin");
    EXPECT_EQ(resources.getSprite("twin")->getColor(), RED);
    EXPECT_EQ(resources.unloadSprite("twin"), 0);
    EXPECT_EQ(resources.getSprite("twin")->getColor(), BLUE);

    resources.loadSprite("a.txt", "first");
    resources.loadSprite("c.txt", "last");
    EXPECT_EQ(resources.unloadSprite("first"), 0);
    EXPECT_EQ(resources.getSprite("twin")->getColor(), BLUE);
    EXPECT_EQ(resources.getSprite("last")->getColor(), CYAN);
    EXPECT_EQ(resources.getSprite("first"), nullptr);
    EXPECT_EQ(resources.unloadSprite("first"), -1);
    EXPECT_EQ(resources.getSprite("Twin"), nullptr) << "labels are case-sensitive";
}

TEST_F(SpriteFile, NothingLoadsOrIsFoundWhileDown)
{
    dir.write("a.txt", "1\n1\n1\n1\nred\na\n");
    resources.loadSprite("a.txt", "a");
    resources.shutDown();
    EXPECT_EQ(resources.getSprite("a"), nullptr);
    const std::size_t before = logLines().size();
    EXPECT_EQ(resources.loadSprite("a.txt", "a"), -1);
    EXPECT_EQ(logLines().size(), before) << "nothing logged while down";
}

TEST(ResourceManagerStart, NeedsAStartedLog)
{
    EXPECT_EQ(ResourceManager::getInstance().startUp(), -1);
    EXPECT_FALSE(ResourceManager::getInstance().isStarted());
}
