#pragma once

#include <cstdint>
#include <string>
#include <vector>

// What the player asked for on the command line.
struct CommandLine
{
    bool help = false;
    bool version = false;
    bool has_seed = false;
    std::uint32_t seed = 0;
    // Empty when not recording or not replaying.
    std::string record_file;
    std::string replay_file;
    bool fast = false;
    bool terminal = false;
};

// The outcome of reading the arguments: the options, or why they make no sense.
struct CommandLineResult
{
    CommandLine options;
    // Empty when the arguments are good.
    std::string error;
};

// Reads the arguments after the program's name. Options take their value as the next
// argument or after '=' ("--seed 7", "--seed=7").
CommandLineResult parseCommandLine(const std::vector<std::string>& arguments);

// The usage text, ending in a newline.
std::string usageText();
