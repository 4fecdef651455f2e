#include "shop/UpgradeTree.h"

std::vector<Upgrade> upgrade_tree;

void initUpgradeTree()
{
    upgrade_tree = {
        {"Blue Corn", "Each corn sells for $5 more ($15).", 100, "upg-blue_corn", false, ""},
        {"Purple Corn", "Each corn sells for $5 more ($20).", 300, "upg-purple_corn", false, "Blue Corn"},
        {"White Corn", "Each corn sells for $5 more ($25).", 600, "upg-white_corn", false, "Purple Corn"},
        {"Red Corn", "Each corn sells for $5 more ($30).", 1000, "upg-red_corn", false, "White Corn"},
        {"Fresher Water", "Watering corn grows it by a greater amount.", 150, "upg-fresher_water", true, ""},
        {"When It Rains", "Watering cans spawn more frequently.", 175, "upg-when_it_rains", true, ""},
        {"Scarecrow", "Crows spawn less often.", 200, "upg-scarecrow", true, ""},
        {"Field Work", "Adds three additional plots.", 125, "upg-field_work", true, ""},
        {"Fertilizer", "Adds fertilizer, which boosts field growth until harvest.", 300, "upg-fertilizer", false, ""},
        {"Stuffed Bags", "Fertilizer grows corn faster.", 200, "upg-stuffed_bags", true, "Fertilizer"},
        {"Fast Supplier", "Fertilizer spawns more frequently.", 250, "upg-fast_supplier", true, "Fertilizer"},
        {"Bug Spray", "Flies take less hits to destroy.", 275, "upg-bug_spray", false, ""},
        {"Bug Net", "Flies spawn less often.", 325, "upg-bug_net", true, ""},
        {"Instant Scythe", "Corn automatically harvests itself.", 350, "upg-instant_scythe", false, ""},
        {"Seed Drill", "Corn automatically plants itself.", 1050, "upg-seed_drill", false, "Instant Scythe"},
    };
}
