#include "run/MoneyManager.h"

MoneyManager::MoneyManager() : m_money(0), m_quota(0), m_cumulative_money(0)
{
    setType("MoneyManager");
}

MoneyManager& MoneyManager::getInstance()
{
    static MoneyManager single;
    return single;
}

void MoneyManager::reset()
{
    m_money = 0;
    m_quota = 0;
    m_cumulative_money = 0;
}

void MoneyManager::addMoney(int amount)
{
    m_money += amount;
    m_cumulative_money += amount;
}

void MoneyManager::subtractMoney(int amount)
{
    m_money -= amount;
}

bool MoneyManager::canAfford(int price) const
{
    return price <= m_money;
}

bool MoneyManager::attemptPerformTransaction(int price)
{
    if (!canAfford(price))
    {
        return false;
    }
    subtractMoney(price);
    return true;
}

bool MoneyManager::quotaReached() const
{
    return m_money >= m_quota;
}
