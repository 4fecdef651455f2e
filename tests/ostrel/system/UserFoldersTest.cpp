#include <gtest/gtest.h>
#include <ostrel/system/UserFolders.h>

#include <cstdlib>
#include <string>

using namespace ostrel;

namespace
{

// An environment variable set for one scope, then put back as it was.
class ScopedEnv
{
public:
    ScopedEnv(const char* name, const char* value) : m_name(name)
    {
        const char* old = std::getenv(name);
        m_had = old != nullptr;
        m_old = old ? old : "";
        value ? setenv(name, value, 1) : unsetenv(name);
    }
    ~ScopedEnv() { m_had ? setenv(m_name, m_old.c_str(), 1) : unsetenv(m_name); }

private:
    const char* m_name;
    bool m_had;
    std::string m_old;
};

} // namespace

TEST(UserFolders, FollowTheXdgVariablesOrFallBackOnTheHomeFolder)
{
    const ScopedEnv home("HOME", "/home/player");
    {
        const ScopedEnv config("XDG_CONFIG_HOME", "/elsewhere/config");
        const ScopedEnv state("XDG_STATE_HOME", "/elsewhere/state");
        EXPECT_EQ(userConfigFolder("game"), "/elsewhere/config/game");
        EXPECT_EQ(userStateFolder("game"), "/elsewhere/state/game");
    }
    for (const char* unusable : {static_cast<const char*>(nullptr), "", "relative/path"})
    {
        const ScopedEnv config("XDG_CONFIG_HOME", unusable);
        const ScopedEnv state("XDG_STATE_HOME", unusable);
        EXPECT_EQ(userConfigFolder("game"), "/home/player/.config/game") << (unusable ? unusable : "unset");
        EXPECT_EQ(userStateFolder("game"), "/home/player/.local/state/game") << (unusable ? unusable : "unset");
    }
}
