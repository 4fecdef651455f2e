#pragma once

#include "ostrel/graphics/Ink.h"

#include <string>
#include <vector>

namespace ostrel
{

// How many colours a terminal shows.
enum class ColorDepth
{
    EIGHT,
    PALETTE_256,
    TRUE_COLOR,
};

// The depth a terminal of these TERM and COLORTERM values (either may be null) shows: 24-bit
// for COLORTERM truecolor or 24bit, eight on the linux console and a vt100, else 256.
ColorDepth colorDepthFor(const char* term, const char* colorterm);

// The terminal's screen as escape sequences: the next frame is put cell by cell, and render()
// gives the bytes that change the last frame into it. The first frame (and the first after a
// resize or invalidate()) clears the screen and writes every cell; later ones write only the
// cells that changed, and an unchanged frame gives nothing. A cell is on black, as in the
// window, unless its ink has a background; a glyph is one UTF-8 character one column wide.
class TerminalScreen
{
public:
    explicit TerminalScreen(ColorDepth depth);

    // Takes the terminal's new size; the next frame is written whole.
    void resize(int columns, int rows);
    int getColumns() const { return m_columns; }
    int getRows() const { return m_rows; }
    // The next frame is written whole (the terminal's screen was lost meanwhile).
    void invalidate() { m_whole = true; }

    // Starts the next frame blank.
    void clear();
    // Puts a character in the next frame; ignored outside the screen.
    void put(int col, int row, const std::string& glyph, const Ink& ink);
    // The bytes that show the next frame, which becomes the last one.
    std::string render();

private:
    struct ScreenCell
    {
        std::string glyph = " ";
        Ink ink;

        // Blank cells on the same background match whatever their colour: a space shows none.
        bool looksLike(const ScreenCell& other) const;
    };

    // The parameters of the select-graphic-rendition sequence that draws in the ink, on its
    // background or black.
    std::string colorParameters(const Ink& ink) const;

    ColorDepth m_depth;
    int m_columns = 0;
    int m_rows = 0;
    bool m_whole = true;
    std::vector<ScreenCell> m_next;
    std::vector<ScreenCell> m_shown;
};

} // namespace ostrel
