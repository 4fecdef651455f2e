#include "run/CommandLine.h"

#include <cerrno>
#include <cstdlib>

namespace
{

enum class Value
{
    NONE,
    SEED,
    FILE,
};

struct Option
{
    const char* name;
    Value value;
    // Where the option lands in the result.
    void (*apply)(CommandLine&, const std::string&);
};

const Option OPTIONS[] = {
    {"--help", Value::NONE, [](CommandLine& line, const std::string&) { line.help = true; }},
    {"--version", Value::NONE, [](CommandLine& line, const std::string&) { line.version = true; }},
    {"--fast", Value::NONE, [](CommandLine& line, const std::string&) { line.fast = true; }},
    {"--terminal", Value::NONE, [](CommandLine& line, const std::string&) { line.terminal = true; }},
    {"--seed", Value::SEED,
     [](CommandLine& line, const std::string& value)
     {
         line.has_seed = true;
         line.seed = static_cast<std::uint32_t>(std::strtoul(value.c_str(), nullptr, 10));
     }},
    {"--record", Value::FILE, [](CommandLine& line, const std::string& value) { line.record_file = value; }},
    {"--replay", Value::FILE, [](CommandLine& line, const std::string& value) { line.replay_file = value; }},
};

// A seed is a plain decimal number from 0 to 4294967295.
bool isSeed(const std::string& value)
{
    if (value.empty() || value.size() > 10 || value.find_first_not_of("0123456789") != std::string::npos)
    {
        return false;
    }
    errno = 0;
    const unsigned long long number = std::strtoull(value.c_str(), nullptr, 10);
    return errno == 0 && number <= 0xFFFFFFFFull;
}

const Option* findOption(const std::string& name)
{
    for (const Option& option : OPTIONS)
    {
        if (name == option.name)
        {
            return &option;
        }
    }
    return nullptr;
}

std::string checkCombination(const CommandLine& line)
{
    if (!line.record_file.empty() && !line.replay_file.empty())
    {
        return "--record and --replay cannot be used together";
    }
    if (line.has_seed && !line.replay_file.empty())
    {
        return "--seed cannot be used with --replay: the recording holds its seed";
    }
    if (line.fast && line.replay_file.empty())
    {
        return "--fast needs --replay";
    }
    return "";
}

} // namespace

CommandLineResult parseCommandLine(const std::vector<std::string>& arguments)
{
    CommandLineResult result;
    for (std::size_t i = 0; i < arguments.size(); ++i)
    {
        const std::string& argument = arguments[i];
        const std::size_t equals = argument.find('=');
        const std::string name = argument.substr(0, equals);
        const Option* option = findOption(name);
        if (option == nullptr)
        {
            result.error = "unknown option '" + argument + "'";
            return result;
        }
        std::string value;
        if (option->value == Value::NONE)
        {
            if (equals != std::string::npos)
            {
                result.error = name + " takes no value";
                return result;
            }
        }
        else if (equals != std::string::npos)
        {
            value = argument.substr(equals + 1);
        }
        else if (i + 1 < arguments.size())
        {
            value = arguments[++i];
        }
        else
        {
            result.error = name + " needs a value";
            return result;
        }
        if (option->value == Value::SEED && !isSeed(value))
        {
            result.error = "bad seed '" + value + "': a whole number from 0 to 4294967295";
            return result;
        }
        if (option->value == Value::FILE && value.empty())
        {
            result.error = name + " needs a file name";
            return result;
        }
        option->apply(result.options, value);
    }
    result.error = checkCombination(result.options);
    return result;
}

std::string usageText()
{
    return "Usage: cornquota [OPTION]...\n"
           "Grow corn, meet the quota, buy upgrades, and do it again tomorrow.\n"
           "\n"
           "  --seed N         start the run from seed N (0 to 4294967295) instead of the clock\n"
           "  --record FILE    play as usual and write the run to FILE (overwritten)\n"
           "  --replay FILE    play the run recorded in FILE again\n"
           "  --fast           with --replay: run without waiting for the clock, then exit:\n"
           "                   0 when every checkpoint matched, 1 when one did not or when\n"
           "                   the recording was cut short\n"
           "  --terminal       play in this terminal instead of a window, mouse and all\n"
           "  --version        print the game's version and exit\n"
           "  --help           print this help and exit\n"
           "\n"
           "Exit status: 0 on success, 1 on a failure while playing, 2 on bad arguments or\n"
           "an unusable recording.\n";
}
