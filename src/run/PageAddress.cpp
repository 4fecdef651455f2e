#include "run/PageAddress.h"

#include <emscripten.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace
{

// clang-format off
// The value of ?seed= in the page's address, or null without one; free() it.
EM_JS(char*, pageSeedText, (), {
    var seed = new URLSearchParams(window.location.search).get('seed');
    return seed === null ? 0 : allocateUTF8(seed);
});

EM_JS(void, consoleWarn, (const char* text), {
    console.warn(UTF8ToString(text));
});
// clang-format on

} // namespace

void takePageSeed(CommandLine& options)
{
    char* text = pageSeedText();
    if (text == nullptr)
    {
        return;
    }
    const std::string seed(text);
    std::free(text);
    const CommandLineResult parsed = parseCommandLine({"--seed", seed});
    if (!parsed.error.empty())
    {
        consoleWarn(("cornquota: the address's seed is ignored: " + parsed.error).c_str());
        return;
    }
    options.has_seed = true;
    options.seed = parsed.options.seed;
}
