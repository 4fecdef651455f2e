#include "frontend/TerminalScreen.h"

#include <gtest/gtest.h>

using ostrel::ColorDepth;
using ostrel::TerminalScreen;

TEST(TerminalScreen, ColorDepthFollowsTheTerminal)
{
    const struct
    {
        const char* term;
        const char* colorterm;
        ColorDepth depth;
    } cases[] = {
        {"xterm-256color", "truecolor", ColorDepth::TRUE_COLOR},
        {"xterm", "24bit", ColorDepth::TRUE_COLOR},
        {"xterm-256color", nullptr, ColorDepth::PALETTE_256},
        {"tmux-256color", "", ColorDepth::PALETTE_256},
        {"linux", nullptr, ColorDepth::EIGHT},
        {"vt100", nullptr, ColorDepth::EIGHT},
        {"linux", "truecolor", ColorDepth::TRUE_COLOR},
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(ostrel::colorDepthFor(c.term, c.colorterm), c.depth)
            << c.term << " " << (c.colorterm ? c.colorterm : "");
    }
}

// The first frame clears and writes all; then only changed cells go out, and nothing at all
// when nothing changed.
TEST(TerminalScreen, WritesOnlyWhatChanged)
{
    TerminalScreen screen(ColorDepth::PALETTE_256);
    screen.resize(10, 3);
    screen.put(1, 0, "a", ostrel::BLUE);
    screen.put(2, 0, "b", ostrel::BLUE);
    EXPECT_EQ(screen.render(), "\x1b[0;38;5;231;48;5;16m\x1b[H\x1b[2J\x1b[1;2H\x1b[38;5;69;48;5;16mab");

    screen.clear();
    screen.put(1, 0, "a", ostrel::BLUE);
    screen.put(2, 0, "b", ostrel::BLUE);
    EXPECT_EQ(screen.render(), "");

    screen.clear();
    screen.put(1, 0, "a", ostrel::BLUE);
    screen.put(4, 2, "\u00d7", ostrel::RED);
    EXPECT_EQ(screen.render(), "\x1b[1;3H\x1b[38;5;231;48;5;16m \x1b[3;5H\x1b[38;5;196;48;5;16m\u00d7");

    screen.invalidate();
    EXPECT_EQ(screen.render().rfind("\x1b[0;38;5;231;48;5;16m\x1b[H\x1b[2J", 0), 0u);
}

TEST(TerminalScreen, ColoursAtEachDepth)
{
    const struct
    {
        ColorDepth depth;
        const char* blue;
    } cases[] = {
        {ColorDepth::TRUE_COLOR, "\x1b[38;2;64;128;255;48;2;0;0;0mx"},
        {ColorDepth::PALETTE_256, "\x1b[38;5;69;48;5;16mx"},
        {ColorDepth::EIGHT, "\x1b[1;34;40mx"},
    };
    for (const auto& c : cases)
    {
        TerminalScreen screen(c.depth);
        screen.resize(2, 1);
        screen.render();
        screen.put(0, 0, "x", ostrel::BLUE);
        EXPECT_EQ(screen.render(), std::string("\x1b[1;1H") + c.blue);
    }
}

// Any RGB and a background, at each depth: exact, nearest in the cube, nearest of the eight. A
// blank on the same background needs no new colour.
TEST(TerminalScreen, RgbAndBackgroundsAtEachDepth)
{
    const ostrel::Ink ink(ostrel::Rgb{250, 10, 20}, ostrel::Rgb{0, 0, 200});
    const struct
    {
        ColorDepth depth;
        const char* shown;
    } cases[] = {
        {ColorDepth::TRUE_COLOR, "\x1b[38;2;250;10;20;48;2;0;0;200mx "},
        {ColorDepth::PALETTE_256, "\x1b[38;5;196;48;5;20mx "},
        {ColorDepth::EIGHT, "\x1b[1;31;44mx "},
    };
    for (const auto& c : cases)
    {
        TerminalScreen screen(c.depth);
        screen.resize(2, 1);
        screen.render();
        screen.put(0, 0, "x", ink);
        screen.put(1, 0, " ", ostrel::Ink(ostrel::WHITE, *ink.background));
        EXPECT_EQ(screen.render(), std::string("\x1b[1;1H") + c.shown);
        screen.put(0, 0, "x", ink);
        screen.put(1, 0, " ", ostrel::Ink(ostrel::RED, *ink.background));
        EXPECT_EQ(screen.render(), "") << "a blank on the same background looks the same in any colour";
    }
}
