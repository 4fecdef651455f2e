#include "run/MoneyManager.h"
#include "shop/UpgradeManager.h"
#include "shop/UpgradeTree.h"

#include <gtest/gtest.h>

#include <set>

class Economy : public testing::Test
{
protected:
    void SetUp() override
    {
        money.reset();
        upgrades.reset();
    }

    std::vector<std::string> pool() const
    {
        std::vector<std::string> names;
        for (const Upgrade& upgrade : upgrade_tree)
        {
            if (upgrades.upgradeInShop(upgrade.m_name))
            {
                names.push_back(upgrade.m_name);
            }
        }
        return names;
    }

    MoneyManager& money = MoneyManager::getInstance();
    UpgradeManager& upgrades = UpgradeManager::getInstance();
};

TEST_F(Economy, TransactionsNeverOverdraw)
{
    money.addMoney(100);
    EXPECT_TRUE(money.attemptPerformTransaction(100));
    EXPECT_EQ(money.getMoney(), 0);
    EXPECT_FALSE(money.attemptPerformTransaction(1));
    EXPECT_EQ(money.getMoney(), 0);

    money.addMoney(30);
    money.attemptPerformTransaction(20);
    EXPECT_EQ(money.getMoney(), 10);
    EXPECT_EQ(money.getCumulativeMoney(), 130);
    EXPECT_EQ(money.getType(), "MoneyManager");
}

TEST_F(Economy, TheQuotaIsReachedAtExactlyTheQuota)
{
    EXPECT_TRUE(money.quotaReached()) << "0 of 0";
    money.setQuota(50);
    money.addMoney(49);
    EXPECT_FALSE(money.quotaReached());
    money.addMoney(1);
    EXPECT_TRUE(money.quotaReached());
    money.reset();
    EXPECT_EQ(money.getMoney(), 0);
    EXPECT_EQ(money.getQuota(), 0);
    EXPECT_EQ(money.getCumulativeMoney(), 0);
}

TEST_F(Economy, TheCatalogueHasFifteenUpgradesAndNineRoots)
{
    ASSERT_EQ(upgrade_tree.size(), 15u);
    EXPECT_EQ(upgrade_tree[3].m_name, "Red Corn");
    EXPECT_EQ(upgrade_tree[3].m_prerequisite, "White Corn");
    EXPECT_EQ(upgrade_tree[14].m_price, 1050);
    EXPECT_EQ(pool(), (std::vector<std::string>{"Blue Corn", "Fresher Water", "When It Rains", "Scarecrow",
                                                "Field Work", "Fertilizer", "Bug Spray", "Bug Net", "Instant Scythe"}));
    EXPECT_FALSE(upgrades.hasUpgrade("Scarecrow"));
    EXPECT_EQ(upgrades.getPurchaseCount("Scarecrow"), 0);
    EXPECT_EQ(upgrades.getType(), "Manager");
    std::set<std::string> sprites;
    for (const Upgrade& upgrade : upgrade_tree)
    {
        sprites.insert(upgrade.m_sprite);
    }
    EXPECT_EQ(sprites.size(), 15u) << "an icon each";
}

TEST_F(Economy, RepeatableUpgradesCostMoreEachTimeAndStay)
{
    money.addMoney(125 + 250 + 375);
    for (int price : {125, 250, 375})
    {
        EXPECT_EQ(upgrades.getUpgradePrice(upgrades.getShopUpgrade("Field Work")), price);
        ASSERT_TRUE(upgrades.attemptPurchaseUpgrade("Field Work"));
    }
    EXPECT_EQ(money.getMoney(), 0);
    EXPECT_EQ(upgrades.getPurchaseCount("Field Work"), 3);
    EXPECT_TRUE(upgrades.upgradeInShop("Field Work"));
}

TEST_F(Economy, FieldWorkLeavesThePoolAfterItsSixthPurchase)
{
    money.addMoney(125 * (1 + 2 + 3 + 4 + 5 + 6));
    for (int i = 0; i < 6; ++i)
    {
        ASSERT_TRUE(upgrades.attemptPurchaseUpgrade("Field Work"));
    }
    EXPECT_EQ(money.getMoney(), 0);
    EXPECT_FALSE(upgrades.upgradeInShop("Field Work")) << "28 plots fill the field";
    upgrades.updateUpgradeShop();
    EXPECT_FALSE(upgrades.upgradeInShop("Field Work"));
    money.addMoney(10000);
    EXPECT_FALSE(upgrades.attemptPurchaseUpgrade("Field Work"));
    EXPECT_EQ(upgrades.getPurchaseCount("Field Work"), 6);
}

TEST_F(Economy, ABoughtUpgradeLeavesThePoolAndItsChildEntersAtTheNextOpening)
{
    money.addMoney(500);
    ASSERT_TRUE(upgrades.attemptPurchaseUpgrade("Blue Corn"));
    EXPECT_FALSE(upgrades.upgradeInShop("Blue Corn"));
    EXPECT_FALSE(upgrades.attemptPurchaseUpgrade("Blue Corn"));
    EXPECT_EQ(money.getMoney(), 400);
    EXPECT_FALSE(upgrades.upgradeInShop("Purple Corn")) << "not during the same visit";
    upgrades.updateUpgradeShop();
    EXPECT_TRUE(upgrades.upgradeInShop("Purple Corn"));
    EXPECT_EQ(pool().size(), 9u);
    EXPECT_FALSE(upgrades.attemptPurchaseUpgrade("Nonexistent"));
    EXPECT_EQ(upgrades.getShopUpgrade("Nonexistent").m_name, "");
}

TEST_F(Economy, AFailedPurchaseChangesNothing)
{
    money.addMoney(150);
    ASSERT_TRUE(upgrades.attemptPurchaseUpgrade("Fresher Water"));
    EXPECT_EQ(money.getMoney(), 0);
    money.addMoney(299);
    EXPECT_FALSE(upgrades.attemptPurchaseUpgrade("Fresher Water"));
    EXPECT_EQ(money.getMoney(), 299);
    EXPECT_EQ(upgrades.getPurchaseCount("Fresher Water"), 1);
}

TEST_F(Economy, SelectionsAreDistinctAndNeverMoreThanThePool)
{
    for (int i = 0; i < 20; ++i)
    {
        const std::vector<Upgrade> offers = upgrades.getShopSelection(3);
        ASSERT_EQ(offers.size(), 3u);
        std::set<std::string> names;
        for (const Upgrade& offer : offers)
        {
            names.insert(offer.m_name);
            EXPECT_TRUE(upgrades.upgradeInShop(offer.m_name));
        }
        EXPECT_EQ(names.size(), 3u);
    }
    money.addMoney(100000);
    for (const char* name : {"Blue Corn", "Fertilizer", "Bug Spray", "Instant Scythe"})
    {
        upgrades.attemptPurchaseUpgrade(name);
    }
    upgrades.updateUpgradeShop();
    EXPECT_EQ(upgrades.getShopSelection(20).size(), pool().size());
}

// The offers come from the run's seed: the same seed, the same shops, day after day.
TEST_F(Economy, TheSameSeedDrawsTheSameOffers)
{
    const auto names = [this](std::uint32_t seed)
    {
        upgrades.seedOffers(seed);
        std::string drawn;
        for (int day = 0; day < 5; ++day)
        {
            for (const Upgrade& offer : upgrades.getShopSelection(3))
            {
                drawn += offer.m_name + ",";
            }
        }
        return drawn;
    };
    EXPECT_EQ(names(5), names(5));
    EXPECT_NE(names(5), names(6));
}

TEST_F(Economy, ResetForgetsEverything)
{
    money.addMoney(2000);
    for (const char* name : {"Scarecrow", "Blue Corn", "Scarecrow", "Bug Net"})
    {
        upgrades.attemptPurchaseUpgrade(name);
    }
    const std::vector<Upgrade> owned = upgrades.getUpgrades();
    ASSERT_EQ(owned.size(), 3u);
    EXPECT_EQ(owned[0].m_name, "Scarecrow");
    EXPECT_EQ(owned[1].m_name, "Blue Corn");
    EXPECT_EQ(owned[2].m_name, "Bug Net");

    upgrades.reset();
    EXPECT_TRUE(upgrades.getUpgrades().empty());
    EXPECT_EQ(upgrades.getPurchaseCount("Scarecrow"), 0);
    EXPECT_EQ(pool().size(), 9u);
    EXPECT_TRUE(upgrades.upgradeInShop("Blue Corn"));
}
