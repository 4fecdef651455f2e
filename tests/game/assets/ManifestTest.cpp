#include "TestDir.h"
#include "assets/ResourceManifest.h"

#include <gtest/gtest.h>
#include <ostrel/core/LogManager.h>
#include <ostrel/graphics/Sprite.h>
#include <ostrel/resources/ResourceManager.h>

#include <sstream>

using namespace ostrel;
using testing_support::TestDir;

namespace
{

std::vector<std::string> lines(const std::string& text)
{
    std::istringstream in(text);
    std::vector<std::string> result;
    for (std::string line; std::getline(in, line);)
    {
        result.push_back(line);
    }
    return result;
}

const char* const SPRITE_LABELS[] = {
    "plot_empty",         "plot_watered",      "plot_fertile",      "plot_watered_fertile", "fertilizer",
    "watering_can",       "corn_growing",      "corn_seeds",        "corn_sprouts",         "corn_yellow",
    "corn_blue",          "corn_red",          "corn_purple",       "corn_white",           "pumpkin",
    "pest_crow",          "pest_fly",          "pest_crow_damaged", "pest_fly_damaged",     "text_gameover",
    "text_passed",        "text_title",        "upg-red_corn",      "upg-blue_corn",        "upg-purple_corn",
    "upg-white_corn",     "upg-fresher_water", "upg-when_it_rains", "upg-fertilizer",       "upg-stuffed_bags",
    "upg-fast_supplier",  "upg-field_work",    "upg-scarecrow",     "upg-bug_spray",        "upg-bug_net",
    "upg-instant_scythe", "upg-seed_drill",
};
const char* const SOUND_LABELS[] = {
    "crop_done", "crop_harvest",  "crop_plant",      "fertilizer_drop", "fertilizer_pickup",
    "game_over", "pest_hurt",     "pest_plot_hit",   "shop_fail",       "shop_success",
    "success",   "watering_drop", "watering_pickup",
};

class Manifest : public testing::Test
{
protected:
    void start()
    {
        LogManager::getInstance().setFlush(true);
        ASSERT_EQ(LogManager::getInstance().startUp(), 0);
        ASSERT_EQ(ResourceManager::getInstance().startUp(), 0);
        loadResources();
    }

    void TearDown() override
    {
        ResourceManager::getInstance().shutDown();
        LogManager::getInstance().shutDown();
    }
};

} // namespace

TEST_F(Manifest, LoadsEveryResourceInTableOrder)
{
    TestDir dir(TestDir::GAME_DATA);
    start();
    std::vector<std::string> expected = {"LogManager started"};
    for (const char* label : SPRITE_LABELS)
    {
        EXPECT_NE(ResourceManager::getInstance().getSprite(label), nullptr) << label;
        expected.push_back(std::string("Sprite '") + label + "' loaded.");
    }
    for (const char* label : SOUND_LABELS)
    {
        EXPECT_NE(ResourceManager::getInstance().getSound(label), nullptr) << label;
        expected.push_back(std::string("Sound '") + label + "' loaded.");
    }
    EXPECT_NE(ResourceManager::getInstance().getMusic("lounge"), nullptr);
    expected.push_back("Music 'lounge' loaded.");

    std::vector<std::string> loaded;
    for (const std::string& line : lines(dir.read("ostrel.log")))
    {
        EXPECT_EQ(line.find("not loaded"), std::string::npos) << line;
        // SFML's own lines (about the sound device, say) aside.
        if (line.find("Loading '") != 0 && line.find("SFML: ") != 0)
        {
            loaded.push_back(line);
        }
    }
    EXPECT_EQ(loaded, expected);
}

TEST_F(Manifest, MissingDataIsLoggedAndSkipped)
{
    TestDir dir(TestDir::FONT);
    start();
    int not_loaded = 0;
    for (const std::string& line : lines(dir.read("ostrel.log")))
    {
        not_loaded += line.find("not loaded.") != std::string::npos;
    }
    EXPECT_EQ(not_loaded, 51);
    EXPECT_EQ(ResourceManager::getInstance().getSprite("text_title"), nullptr);
    EXPECT_EQ(ResourceManager::getInstance().getMusic("lounge"), nullptr);
}
