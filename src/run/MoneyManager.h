#pragma once

#include <ostrel/core/Manager.h>

// The game's one account, in whole dollars: the money held, the total ever earned, and the
// quota the money must reach by the end of the day. Usable from its first use; never
// started or shut down.
class MoneyManager : public ostrel::Manager
{
public:
    static MoneyManager& getInstance();

    void reset();
    int getMoney() const { return m_money; }
    int getCumulativeMoney() const { return m_cumulative_money; }
    void addMoney(int amount);
    // No check: the game only spends through attemptPerformTransaction.
    void subtractMoney(int amount);
    bool canAfford(int price) const;
    // Pays the price when the money covers it; otherwise changes nothing and returns false.
    bool attemptPerformTransaction(int price);
    int getQuota() const { return m_quota; }
    void setQuota(int quota) { m_quota = quota; }
    // Money held at least the quota.
    bool quotaReached() const;

private:
    MoneyManager();

    int m_money;
    int m_quota;
    int m_cumulative_money;
};
