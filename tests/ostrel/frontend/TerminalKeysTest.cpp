#include "frontend/TerminalKeys.h"

#include <gtest/gtest.h>
#include <ostrel/input/InputRecord.h>

#include <string>
#include <vector>

using ostrel::TerminalKeys;
using ostrel::TerminalReport;
namespace Keyboard = ostrel::Keyboard;
namespace Mouse = ostrel::Mouse;

namespace
{

// Each report as text: "key 17", "press 0 at 4,2", "move at 4,2", "release 0 at 4,2",
// "wheel -1 at 4,2", "focus in", "focus out".
std::vector<std::string> reports(TerminalKeys& keys, const std::string& bytes, bool idle)
{
    keys.feed(bytes.data(), bytes.size());
    std::vector<std::string> result;
    TerminalReport report;
    while (keys.next(report, idle))
    {
        const std::string at = " at " + std::to_string(report.col) + "," + std::to_string(report.row);
        switch (report.kind)
        {
            case TerminalReport::KEY:
                result.push_back("key " + std::to_string(report.key));
                break;
            case TerminalReport::MOUSE_PRESS:
                result.push_back("press " + std::to_string(report.button) + at);
                break;
            case TerminalReport::MOUSE_MOVE:
                result.push_back("move" + at);
                break;
            case TerminalReport::MOUSE_RELEASE:
                result.push_back("release " + std::to_string(report.button) + at);
                break;
            case TerminalReport::MOUSE_WHEEL:
                result.push_back("wheel " + std::to_string(report.wheel) + at);
                break;
            case TerminalReport::FOCUS_IN:
                result.push_back("focus in");
                break;
            case TerminalReport::FOCUS_OUT:
                result.push_back("focus out");
                break;
        }
    }
    return result;
}

std::string key(Keyboard::Key k)
{
    return "key " + std::to_string(k);
}

} // namespace

TEST(TerminalKeys, ReadsKeysMouseAndFocus)
{
    const struct
    {
        const char* bytes;
        std::vector<std::string> expected;
    } cases[] = {
        {" qQpm19z0",
         {key(Keyboard::SPACE), key(Keyboard::Q), key(Keyboard::Q), key(Keyboard::P), key(Keyboard::M),
          key(Keyboard::NUM1), key(Keyboard::NUM9), key(Keyboard::Z), key(Keyboard::NUM0)}},
        {"\x1b[23~\x1bOP\x1b[A", {key(Keyboard::F11), key(Keyboard::F1), key(Keyboard::UP_ARROW)}},
        {"\x1b[<0;5;3M\x1b[<0;5;3m",
         {"press " + std::to_string(Mouse::LEFT) + " at 4,2", "release " + std::to_string(Mouse::LEFT) + " at 4,2"}},
        {"\x1b[<2;1;1M", {"press " + std::to_string(Mouse::RIGHT) + " at 0,0"}},
        {"\x1b[<35;80;24M\x1b[<32;7;8M", {"move at 79,23", "move at 6,7"}},
        {"\x1b[<64;5;3M\x1b[<65;1;2M\x1b[<66;5;3M", {"wheel 1 at 4,2", "wheel -1 at 0,1"}},
        {"\x1b[I\x1b[O", {"focus in", "focus out"}},
        {"\x1bq", {key(Keyboard::ESCAPE), key(Keyboard::Q)}},
    };
    for (const auto& c : cases)
    {
        TerminalKeys keys;
        EXPECT_EQ(reports(keys, c.bytes, false), c.expected) << c.bytes + 1;
    }
}

// An Esc alone, or a sequence begun, waits for the terminal to go quiet; a sequence split
// between reads is read whole.
TEST(TerminalKeys, EscapeWaitsForQuiet)
{
    TerminalKeys keys;
    EXPECT_TRUE(reports(keys, "\x1b", false).empty());
    EXPECT_EQ(reports(keys, "[<0;2", false), std::vector<std::string>());
    EXPECT_EQ(reports(keys, ";3M", false), std::vector<std::string>{"press 0 at 1,2"});
    EXPECT_TRUE(reports(keys, "\x1b", false).empty());
    EXPECT_EQ(reports(keys, "", true), std::vector<std::string>{key(Keyboard::ESCAPE)});
    EXPECT_FALSE(keys.isWaiting());
}

// Plain bytes also carry the text they type; DEL is Backspace, CR Enter; a sequence types nothing.
TEST(TerminalKeys, PlainBytesTypeText)
{
    TerminalKeys keys;
    const std::string bytes = "a Z!\x7f\r\x1b[A";
    keys.feed(bytes.data(), bytes.size());
    std::u32string typed;
    TerminalReport report;
    while (keys.next(report, false))
    {
        typed += report.character == 0 ? U'_' : report.character;
    }
    EXPECT_EQ(typed, std::u32string(U"a Z!") + ostrel::TEXT_BACKSPACE + ostrel::TEXT_ENTER + U'_');
}
