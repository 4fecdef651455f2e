#include "assets/ResourceManifest.h"

#include <ostrel/resources/ResourceManager.h>

namespace
{

struct Entry
{
    const char* label;
    const char* file;
};

const Entry SPRITES[] = {
    {"plot_empty", "sprites/plot/empty.txt"},
    {"plot_watered", "sprites/plot/watered.txt"},
    {"plot_fertile", "sprites/plot/fertile.txt"},
    {"plot_watered_fertile", "sprites/plot/watered_fertile.txt"},
    {"fertilizer", "sprites/modifiers/fertilizer.txt"},
    {"watering_can", "sprites/modifiers/watering_can.txt"},
    {"corn_growing", "sprites/corn/growing.txt"},
    {"corn_seeds", "sprites/corn/seeds.txt"},
    {"corn_sprouts", "sprites/corn/sprouts.txt"},
    {"corn_yellow", "sprites/corn/yellow.txt"},
    {"corn_blue", "sprites/corn/blue.txt"},
    {"corn_red", "sprites/corn/red.txt"},
    {"corn_purple", "sprites/corn/purple.txt"},
    {"corn_white", "sprites/corn/white.txt"},
    {"pumpkin", "sprites/pumpkin.txt"},
    {"pest_crow", "sprites/pests/crow.txt"},
    {"pest_fly", "sprites/pests/fly.txt"},
    {"pest_crow_damaged", "sprites/pests/crow_damage.txt"},
    {"pest_fly_damaged", "sprites/pests/fly_damage.txt"},
    {"text_gameover", "sprites/text/gameover.txt"},
    {"text_passed", "sprites/text/passed.txt"},
    {"text_title", "sprites/text/title.txt"},
    {"upg-red_corn", "sprites/upgrades/red_corn.txt"},
    {"upg-blue_corn", "sprites/upgrades/blue_corn.txt"},
    {"upg-purple_corn", "sprites/upgrades/purple_corn.txt"},
    {"upg-white_corn", "sprites/upgrades/white_corn.txt"},
    {"upg-fresher_water", "sprites/upgrades/fresher_water.txt"},
    {"upg-when_it_rains", "sprites/upgrades/when_it_rains.txt"},
    {"upg-fertilizer", "sprites/upgrades/fertilizer.txt"},
    {"upg-stuffed_bags", "sprites/upgrades/stuffed_bags.txt"},
    {"upg-fast_supplier", "sprites/upgrades/fast_supplier.txt"},
    {"upg-field_work", "sprites/upgrades/field_work.txt"},
    {"upg-scarecrow", "sprites/upgrades/scarecrow.txt"},
    {"upg-bug_spray", "sprites/upgrades/bug_spray.txt"},
    {"upg-bug_net", "sprites/upgrades/bug_net.txt"},
    {"upg-instant_scythe", "sprites/upgrades/instant_scythe.txt"},
    {"upg-seed_drill", "sprites/upgrades/seed_drill.txt"},
};

const Entry SOUNDS[] = {
    {"crop_done", "sounds/crop_done.wav"},
    {"crop_harvest", "sounds/crop_harvest.wav"},
    {"crop_plant", "sounds/crop_plant.wav"},
    {"fertilizer_drop", "sounds/fertilizer_drop.wav"},
    {"fertilizer_pickup", "sounds/fertilizer_pickup.wav"},
    {"game_over", "sounds/game_over.wav"},
    {"pest_hurt", "sounds/pest_hurt.wav"},
    {"pest_plot_hit", "sounds/pest_plot_hit.wav"},
    {"shop_fail", "sounds/shop_fail.wav"},
    {"shop_success", "sounds/shop_success.wav"},
    {"success", "sounds/success.wav"},
    {"watering_drop", "sounds/watering_drop.wav"},
    {"watering_pickup", "sounds/watering_pickup.wav"},
};

} // namespace

void loadResources()
{
    ostrel::ResourceManager& resources = ostrel::ResourceManager::getInstance();
    for (const Entry& sprite : SPRITES)
    {
        resources.loadSprite(sprite.file, sprite.label);
    }
    for (const Entry& sound : SOUNDS)
    {
        resources.loadSound(sound.file, sound.label);
    }
    resources.loadMusic("music/pumpkin_lounge.mp3", "lounge");
}
