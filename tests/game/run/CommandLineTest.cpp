#include "run/CommandLine.h"

#include <gtest/gtest.h>

namespace
{

struct Case
{
    std::vector<std::string> arguments;
    // A piece of the error, or "" when the arguments are good.
    std::string error;
};

} // namespace

TEST(CommandLine, GoodAndBadArguments)
{
    const Case cases[] = {
        {{}, ""},
        {{"--help"}, ""},
        {{"--seed", "0"}, ""},
        {{"--seed=4294967295", "--record", "run.txt"}, ""},
        {{"--replay", "run.txt", "--fast"}, ""},
        {{"--bogus"}, "unknown option '--bogus'"},
        {{"-h"}, "unknown option '-h'"},
        {{"run.txt"}, "unknown option 'run.txt'"},
        {{"--seed"}, "--seed needs a value"},
        {{"--seed", "4294967296"}, "bad seed '4294967296'"},
        {{"--seed", "-1"}, "bad seed '-1'"},
        {{"--seed", "12a"}, "bad seed '12a'"},
        {{"--seed="}, "bad seed ''"},
        {{"--record="}, "--record needs a file name"},
        {{"--fast=1", "--replay", "x"}, "--fast takes no value"},
        {{"--fast"}, "--fast needs --replay"},
        {{"--record", "a", "--replay", "b"}, "cannot be used together"},
        {{"--replay", "b", "--seed", "3"}, "--seed cannot be used with --replay"},
    };
    for (const Case& c : cases)
    {
        const std::string error = parseCommandLine(c.arguments).error;
        const std::string context = c.arguments.empty() ? "(none)" : c.arguments[0];
        if (c.error.empty())
        {
            EXPECT_EQ(error, "") << context;
        }
        else
        {
            EXPECT_NE(error.find(c.error), std::string::npos) << context << ": " << error;
        }
    }
}

TEST(CommandLine, ValuesLandWhereTheyBelong)
{
    const CommandLine line = parseCommandLine({"--seed", "42", "--record=my run.txt"}).options;
    EXPECT_TRUE(line.has_seed);
    EXPECT_EQ(line.seed, 42u);
    EXPECT_EQ(line.record_file, "my run.txt");
    EXPECT_TRUE(line.replay_file.empty());

    const CommandLine replay = parseCommandLine({"--fast", "--replay", "--odd-name"}).options;
    EXPECT_EQ(replay.replay_file, "--odd-name") << "a value is taken as it is";
    EXPECT_TRUE(replay.fast);
    EXPECT_FALSE(replay.has_seed);
}
