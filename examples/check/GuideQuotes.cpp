// Checks that the engine guide quotes the examples as they are now. A fenced block right
// after a line
//   <!-- quote: examples/hello/main.cpp#main -->
// must hold exactly the lines between "// [guide:main]" and the next "// [guide:end]" in that
// file, less their common indentation; without "#main" it holds the whole file. Every C++
// block of the guide must be a quote, so that all the guide's code is compiled.
//
// Usage: guide_quotes GUIDE ROOT   (quoted paths are relative to ROOT)
// Exit status 0 when every quote matches, 1 with one message per fault, 2 on bad usage.
#include <cstddef>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace
{

const std::string QUOTE_OPEN = "<!-- quote: ";
const std::string QUOTE_CLOSE = " -->";

bool readLines(const std::string& path, std::vector<std::string>& lines)
{
    std::ifstream file(path);
    if (!file)
    {
        return false;
    }
    std::string line;
    while (std::getline(file, line))
    {
        if (!line.empty() && line.back() == '\r')
        {
            line.pop_back();
        }
        lines.push_back(line);
    }
    return true;
}

std::string trimmed(const std::string& line)
{
    const std::size_t first = line.find_first_not_of(" \t");
    if (first == std::string::npos)
    {
        return "";
    }
    return line.substr(first, line.find_last_not_of(" \t") - first + 1);
}

// Removes the indentation that every non-blank line shares.
std::vector<std::string> dedented(std::vector<std::string> lines)
{
    std::size_t indent = std::string::npos;
    for (const std::string& line : lines)
    {
        const std::size_t first = line.find_first_not_of(' ');
        if (first != std::string::npos && first < indent)
        {
            indent = first;
        }
    }
    for (std::string& line : lines)
    {
        line = line.size() > indent ? line.substr(indent) : "";
    }
    return lines;
}

// The lines of the region `name` of a source (all of it for an empty name); false, with
// `error` set, when the region is missing, unterminated or marked twice.
bool region(const std::vector<std::string>& source, const std::string& name, std::vector<std::string>& lines,
            std::string& error)
{
    if (name.empty())
    {
        lines = source;
        return true;
    }
    const std::string begin = "// [guide:" + name + "]";
    int found = 0;
    for (std::size_t i = 0; i < source.size(); ++i)
    {
        if (trimmed(source[i]) != begin)
        {
            continue;
        }
        if (++found > 1)
        {
            error = "region '" + name + "' is marked twice";
            return false;
        }
        std::size_t end = i + 1;
        while (end < source.size() && trimmed(source[end]) != "// [guide:end]")
        {
            ++end;
        }
        if (end == source.size())
        {
            error = "region '" + name + "' has no \"// [guide:end]\"";
            return false;
        }
        lines = dedented(std::vector<std::string>(source.begin() + static_cast<std::ptrdiff_t>(i) + 1,
                                                  source.begin() + static_cast<std::ptrdiff_t>(end)));
    }
    if (found == 0)
    {
        error = "no region '" + name + "' (a line \"" + begin + "\")";
        return false;
    }
    return true;
}

// Compares one quote, whose fence opens on guide line `fence` (0-based), with its source.
// Returns the index of the closing fence, or the guide's size when it has none.
std::size_t checkQuote(const std::vector<std::string>& guide, std::size_t fence, const std::string& reference,
                       const std::string& root, const std::string& guide_name, std::vector<std::string>& faults)
{
    const std::string where = guide_name + ":" + std::to_string(fence + 1) + ": ";
    std::size_t close = fence + 1;
    while (close < guide.size() && trimmed(guide[close]) != "```")
    {
        ++close;
    }
    if (close == guide.size())
    {
        faults.push_back(where + "the block is never closed");
        return close;
    }
    const std::size_t hash = reference.find('#');
    const std::string file = reference.substr(0, hash);
    const std::string name = hash == std::string::npos ? "" : reference.substr(hash + 1);
    std::vector<std::string> source;
    if (!readLines(root + "/" + file, source))
    {
        faults.push_back(where + "cannot read " + file);
        return close;
    }
    std::vector<std::string> expected;
    std::string error;
    if (!region(source, name, expected, error))
    {
        faults.push_back(where + file + ": " + error);
        return close;
    }
    const std::vector<std::string> quoted(guide.begin() + static_cast<std::ptrdiff_t>(fence) + 1,
                                          guide.begin() + static_cast<std::ptrdiff_t>(close));
    for (std::size_t i = 0; i < quoted.size() || i < expected.size(); ++i)
    {
        const std::string* got = i < quoted.size() ? &quoted[i] : nullptr;
        const std::string* want = i < expected.size() ? &expected[i] : nullptr;
        if (!got || !want || *got != *want)
        {
            std::ostringstream message;
            message << guide_name << ":" << fence + 2 + i << ": the quote of " << reference
                    << " differs from the file at its line " << i + 1 << " of " << expected.size()
                    << "\n  guide: " << (got ? *got : "(the block ends)")
                    << "\n  file:  " << (want ? *want : "(the region ends)");
            faults.push_back(message.str());
            break;
        }
    }
    return close;
}

// Checks every quote of the guide against its source under `root`, adding each fault found;
// returns how many quotes it checked.
int checkGuide(const std::vector<std::string>& guide, const std::string& guide_name, const std::string& root,
               std::vector<std::string>& faults)
{
    int checked = 0;
    std::string pending; // the reference of a quote line waiting for its block
    for (std::size_t i = 0; i < guide.size(); ++i)
    {
        const std::string line = trimmed(guide[i]);
        const std::string where = guide_name + ":" + std::to_string(i + 1) + ": ";
        if (line.compare(0, QUOTE_OPEN.size(), QUOTE_OPEN) == 0 &&
            line.size() > QUOTE_OPEN.size() + QUOTE_CLOSE.size() &&
            line.compare(line.size() - QUOTE_CLOSE.size(), QUOTE_CLOSE.size(), QUOTE_CLOSE) == 0)
        {
            if (!pending.empty())
            {
                faults.push_back(where + "a quote line follows another: the first has no block");
            }
            pending = line.substr(QUOTE_OPEN.size(), line.size() - QUOTE_OPEN.size() - QUOTE_CLOSE.size());
            continue;
        }
        if (line.compare(0, 3, "```") == 0)
        {
            if (!pending.empty())
            {
                ++checked;
                i = checkQuote(guide, i, pending, root, guide_name, faults);
                pending.clear();
                continue;
            }
            if (line == "```cpp")
            {
                faults.push_back(where + "a C++ block that quotes no example: put a quote line before it");
            }
            // Skip the unchecked block, so that its lines are not read as quote lines.
            while (i + 1 < guide.size() && trimmed(guide[i + 1]) != "```")
            {
                ++i;
            }
            ++i;
            continue;
        }
        if (!pending.empty() && !line.empty())
        {
            faults.push_back(where + "a quote line must be followed by its block");
            pending.clear();
        }
    }
    if (!pending.empty())
    {
        faults.push_back(guide_name + ": the last quote line has no block");
    }

    return checked;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 3)
    {
        std::cerr << "usage: guide_quotes GUIDE ROOT\n";
        return 2;
    }
    const std::string guide_name = argv[1];
    std::vector<std::string> guide;
    if (!readLines(guide_name, guide))
    {
        std::cerr << "guide_quotes: cannot read " << guide_name << "\n";
        return 2;
    }

    std::vector<std::string> faults;
    const int checked = checkGuide(guide, guide_name, argv[2], faults);
    for (const std::string& fault : faults)
    {
        std::cerr << fault << "\n";
    }
    if (checked == 0)
    {
        std::cerr << guide_name << ": quotes no example at all\n";
        return 1;
    }
    std::cout << guide_name << ": " << checked << " quotes checked, " << faults.size() << " faults\n";
    return faults.empty() ? 0 : 1;
}
