#pragma once

#include "shop/Upgrade.h"

// One owned upgrade: the upgrade as it was at its first purchase, and how often it was bought.
struct UpgradePurchase
{
    Upgrade m_upgrade;
    int m_count = 0;
};
