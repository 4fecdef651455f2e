#pragma once

#include "shop/Upgrade.h"

#include <vector>

// The catalogue of the fifteen upgrades, in catalogue order; filled by initUpgradeTree().
extern std::vector<Upgrade> upgrade_tree;

// Fills the catalogue. The upgrade manager calls it once, when it is built.
void initUpgradeTree();
