#include "shop/UpgradeManager.h"

#include "run/MoneyManager.h"
#include "shop/UpgradeTree.h"

#include <algorithm>
#include <numeric>
#include <utility>

namespace
{

// Times an upgrade can be bought before it leaves the pool; 0 for no limit. The field has
// room for three rows of plots: beyond six batches of "Field Work" the new plots would
// stand below the bottom of the screen.
int purchaseLimit(const std::string& name)
{
    return name == "Field Work" ? 6 : 0;
}

} // namespace

UpgradeManager::UpgradeManager()
{
    initUpgradeTree();
    initializeUpgradeShop();
}

UpgradeManager::~UpgradeManager() = default;

UpgradeManager& UpgradeManager::getInstance()
{
    static UpgradeManager single;
    return single;
}

void UpgradeManager::reset()
{
    m_shop.clear();
    m_purchases.clear();
    m_purchase_order.clear();
    initializeUpgradeShop();
}

void UpgradeManager::initializeUpgradeShop()
{
    for (const Upgrade& upgrade : upgrade_tree)
    {
        if (upgrade.m_prerequisite.empty())
        {
            m_shop.push_back(upgrade);
        }
    }
}

void UpgradeManager::updateUpgradeShop()
{
    for (const Upgrade& upgrade : upgrade_tree)
    {
        if (!hasUpgrade(upgrade.m_name) && !upgradeInShop(upgrade.m_name) && hasUpgrade(upgrade.m_prerequisite))
        {
            m_shop.push_back(upgrade);
        }
    }
}

void UpgradeManager::addUpgradeToShop(Upgrade upgrade)
{
    m_shop.push_back(std::move(upgrade));
}

Upgrade UpgradeManager::getShopUpgrade(std::string name) const
{
    for (const Upgrade& upgrade : m_shop)
    {
        if (upgrade.m_name == name)
        {
            return upgrade;
        }
    }
    return emptyUpgrade();
}

bool UpgradeManager::upgradeInShop(std::string name) const
{
    return !getShopUpgrade(std::move(name)).m_name.empty();
}

int UpgradeManager::getUpgradePrice(Upgrade upgrade) const
{
    if (!upgrade.m_repeatable)
    {
        return upgrade.m_price;
    }
    return upgrade.m_price * (getPurchaseCount(upgrade.m_name) + 1);
}

bool UpgradeManager::attemptPurchaseUpgrade(std::string name)
{
    const auto entry =
        std::find_if(m_shop.begin(), m_shop.end(), [&name](const Upgrade& upgrade) { return upgrade.m_name == name; });
    if (entry == m_shop.end())
    {
        return false;
    }
    if (!MoneyManager::getInstance().attemptPerformTransaction(getUpgradePrice(*entry)))
    {
        return false;
    }

    const Upgrade bought = *entry;
    auto owned = m_purchases.find(name);
    if (owned != m_purchases.end())
    {
        ++owned->second.m_count;
    }
    else
    {
        owned = m_purchases.emplace(name, UpgradePurchase{bought, 1}).first;
        m_purchase_order.push_back(name);
    }

    const int limit = purchaseLimit(name);
    if (!bought.m_repeatable || (limit > 0 && owned->second.m_count >= limit))
    {
        m_shop.erase(entry);
    }
    return true;
}

bool UpgradeManager::hasUpgrade(std::string name) const
{
    return m_purchases.count(name) > 0;
}

int UpgradeManager::getPurchaseCount(std::string name) const
{
    const auto owned = m_purchases.find(name);
    return owned == m_purchases.end() ? 0 : owned->second.m_count;
}

std::vector<Upgrade> UpgradeManager::getUpgrades() const
{
    std::vector<Upgrade> upgrades;
    for (const std::string& name : m_purchase_order)
    {
        upgrades.push_back(m_purchases.at(name).m_upgrade);
    }
    return upgrades;
}

void UpgradeManager::seedOffers(std::uint32_t seed)
{
    m_offers.seed(seed);
}

std::vector<Upgrade> UpgradeManager::getShopSelection(int count)
{
    std::vector<int> indices(m_shop.size());
    std::iota(indices.begin(), indices.end(), 0);
    // Fisher-Yates by hand: std::shuffle's draws differ between standard libraries.
    for (std::size_t i = indices.size(); i > 1; --i)
    {
        std::swap(indices[i - 1], indices[static_cast<std::size_t>(m_offers.nextInt(static_cast<int>(i)))]);
    }

    std::vector<Upgrade> selection;
    for (std::size_t i = 0; i < indices.size() && static_cast<int>(i) < count; ++i)
    {
        selection.push_back(m_shop[static_cast<std::size_t>(indices[i])]);
    }
    return selection;
}
