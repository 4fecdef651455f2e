#include "StartedResources.h"

#include <gtest/gtest.h>
#include <ostrel/system/ExecutableFolder.h>

#include <filesystem>

using namespace ostrel;

// Relative names count from the data folder, wherever the game was started.
class DataFolder : public StartedResources
{
protected:
    void TearDown() override
    {
        resources.setDataFolder("");
        StartedResources::TearDown();
    }
};

TEST_F(DataFolder, RelativeNamesCountFromItAndAbsoluteOnesIgnoreIt)
{
    const std::string sprite = "1\n1\n1\n1\nred\n*\n";
    dir.write("data/inside.txt", sprite);
    dir.write("outside.txt", sprite);
    resources.setDataFolder(dir.path() / "data");
    EXPECT_EQ(resources.loadSprite("inside.txt", "inside"), 0);
    EXPECT_EQ(resources.loadSprite("outside.txt", "outside"), -1);
    EXPECT_EQ(resources.loadSprite((dir.path() / "outside.txt").string(), "absolute"), 0);
    EXPECT_EQ(logLines().at(logLines().size() - 4),
              "Error: '" + (dir.path() / "data" / "outside.txt").string() + "' could not be opened.");
}

TEST(ExecutableFolder, IsTheFolderOfTheRunningProgram)
{
    const std::filesystem::path folder = executableFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_TRUE(std::filesystem::exists(folder / "ostrel_tests"));
}
