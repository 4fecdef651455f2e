#pragma once

#include "shop/Upgrade.h"
#include "shop/UpgradePurchase.h"

#include <ostrel/core/Manager.h>
#include <ostrel/system/Random.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// Keeps the pool of upgrades the shop may offer, draws each visit's offers, carries out
// purchases against the money held, and answers what is owned and how often it was bought.
// Usable from its first use; never started or shut down.
class UpgradeManager : public ostrel::Manager
{
public:
    static UpgradeManager& getInstance();
    ~UpgradeManager() override;

    // Back to the tree's roots, nothing owned.
    void reset();
    // Puts every root of the tree into the pool, in catalogue order.
    void initializeUpgradeShop();
    // Adds to the pool every upgrade that is neither owned nor offered and whose
    // prerequisite is now owned.
    void updateUpgradeShop();
    void addUpgradeToShop(Upgrade upgrade);
    // The first pool entry with the name, or the empty upgrade.
    Upgrade getShopUpgrade(std::string name) const;
    bool upgradeInShop(std::string name) const;
    // The base price, times (purchases so far + 1) for a repeatable upgrade.
    int getUpgradePrice(Upgrade upgrade) const;
    // Buys the pool entry with the name when the money covers its price.
    bool attemptPurchaseUpgrade(std::string name);
    bool hasUpgrade(std::string name) const;
    int getPurchaseCount(std::string name) const;
    // Owned upgrades in the order of their first purchase.
    std::vector<Upgrade> getUpgrades() const;
    // Up to `count` distinct pool entries in random order; the pool is unchanged. The order
    // comes from the offers' generator, so a seeded run draws the same offers again.
    std::vector<Upgrade> getShopSelection(int count);
    // Restarts the offers' generator from the seed.
    void seedOffers(std::uint32_t seed);

private:
    UpgradeManager();

    std::vector<Upgrade> m_shop;
    std::map<std::string, UpgradePurchase> m_purchases;
    std::vector<std::string> m_purchase_order;
    ostrel::Random m_offers;
};
