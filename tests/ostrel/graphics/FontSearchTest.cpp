#include "TestDir.h"

#include <gtest/gtest.h>
#include <ostrel/graphics/DisplayManager.h>
#include <ostrel/graphics/FontSearch.h>

using namespace ostrel;

TEST(FontSearch, NamedFontThenTheCurrentFolderThenTheInstalledFont)
{
    const std::vector<std::string> path = fontSearchPath("mine.ttf");
    ASSERT_EQ(path.size(), 3u);
    EXPECT_EQ(path[0], "mine.ttf");
    EXPECT_EQ(path[1], FONT_FILE_DEFAULT);
    EXPECT_EQ(path[2].find('/'), 0u) << "the installed font is known by its whole path";
    EXPECT_EQ(fontSearchPath("").front(), FONT_FILE_DEFAULT);

    const testing_support::TestDir dir(testing_support::TestDir::FONT);
    dir.write("mine.ttf", "");
    const struct
    {
        std::string named;
        std::string found;
    } cases[] = {
        {"mine.ttf", "mine.ttf"},
        {"missing.ttf", FONT_FILE_DEFAULT},
        {"", FONT_FILE_DEFAULT},
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(findFontFile(c.named), c.found) << "named: " << c.named;
    }
}
