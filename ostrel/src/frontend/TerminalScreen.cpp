#include "frontend/TerminalScreen.h"

#include "frontend/Palette.h"

#include <cstdlib>
#include <string>

namespace ostrel
{

namespace
{

const char* const ESC = "\x1b[";

// The colour-cube entry (16 to 231) nearest the shade, level by level.
int paletteIndex(Rgb rgb)
{
    const int levels[] = {0, 95, 135, 175, 215, 255};
    const auto level = [&levels](int value)
    {
        int best = 0;
        for (int i = 1; i < 6; ++i)
        {
            if (std::abs(levels[i] - value) < std::abs(levels[best] - value))
            {
                best = i;
            }
        }
        return best;
    };
    return 16 + 36 * level(rgb.red) + 6 * level(rgb.green) + level(rgb.blue);
}

} // namespace

ColorDepth colorDepthFor(const char* term, const char* colorterm)
{
    const std::string color_term = colorterm != nullptr ? colorterm : "";
    if (color_term == "truecolor" || color_term == "24bit")
    {
        return ColorDepth::TRUE_COLOR;
    }
    const std::string name = term != nullptr ? term : "";
    if (name == "linux" || name == "vt100")
    {
        return ColorDepth::EIGHT;
    }
    return ColorDepth::PALETTE_256;
}

bool TerminalScreen::ScreenCell::looksLike(const ScreenCell& other) const
{
    return glyph == other.glyph && ink.background == other.ink.background && (ink == other.ink || glyph == " ");
}

TerminalScreen::TerminalScreen(ColorDepth depth) : m_depth(depth) {}

void TerminalScreen::resize(int columns, int rows)
{
    m_columns = columns > 0 ? columns : 0;
    m_rows = rows > 0 ? rows : 0;
    m_next.assign(static_cast<std::size_t>(m_columns) * static_cast<std::size_t>(m_rows), ScreenCell());
    m_shown = m_next;
    m_whole = true;
}

void TerminalScreen::clear()
{
    m_next.assign(m_next.size(), ScreenCell());
}

void TerminalScreen::put(int col, int row, const std::string& glyph, const Ink& ink)
{
    if (col < 0 || row < 0 || col >= m_columns || row >= m_rows)
    {
        return;
    }
    ScreenCell& cell =
        m_next[static_cast<std::size_t>(row) * static_cast<std::size_t>(m_columns) + static_cast<std::size_t>(col)];
    cell.glyph = glyph;
    cell.ink = ink;
}

std::string TerminalScreen::colorParameters(const Ink& ink) const
{
    const Rgb rgb = foregroundRgb(ink);
    const Rgb back = ink.background ? *ink.background : Rgb();
    const auto triple = [](Rgb shade)
    { return std::to_string(shade.red) + ";" + std::to_string(shade.green) + ";" + std::to_string(shade.blue); };
    switch (m_depth)
    {
        case ColorDepth::TRUE_COLOR:
            return "38;2;" + triple(rgb) + ";48;2;" + triple(back);
        case ColorDepth::PALETTE_256:
            return "38;5;" + std::to_string(paletteIndex(rgb)) + ";48;5;" + std::to_string(paletteIndex(back));
        case ColorDepth::EIGHT:
        default:
        {
            // Bold, which the linux console shows bright: its plain blue is hard to read on black.
            const Color named = ink.rgb                                    ? nearestColor(*ink.rgb)
                                : ink.color >= BLACK && ink.color <= WHITE ? ink.color
                                                                           : WHITE;
            return "1;3" + std::to_string(static_cast<int>(named)) + ";4" +
                   std::to_string(static_cast<int>(nearestColor(back)));
        }
    }
}

std::string TerminalScreen::render()
{
    std::string out;
    Ink pen;
    bool pen_set = false;
    if (m_whole)
    {
        // Erasing fills with the current background, so the screen starts black.
        pen = Ink(WHITE);
        pen_set = true;
        out += std::string(ESC) + "0;" + colorParameters(pen) + "m" + ESC + "H" + ESC + "2J";
        m_shown.assign(m_shown.size(), ScreenCell());
        m_whole = false;
    }
    int cursor_col = -1;
    int cursor_row = -1;
    for (int row = 0; row < m_rows; ++row)
    {
        for (int col = 0; col < m_columns; ++col)
        {
            const std::size_t i =
                static_cast<std::size_t>(row) * static_cast<std::size_t>(m_columns) + static_cast<std::size_t>(col);
            const ScreenCell& cell = m_next[i];
            if (cell.looksLike(m_shown[i]))
            {
                continue;
            }
            if (col != cursor_col || row != cursor_row)
            {
                out += std::string(ESC) + std::to_string(row + 1) + ";" + std::to_string(col + 1) + "H";
            }
            const bool other_color = cell.ink.color != pen.color || cell.ink.rgb != pen.rgb;
            if (!pen_set || cell.ink.background != pen.background || (other_color && cell.glyph != " "))
            {
                pen = cell.ink;
                pen_set = true;
                out += std::string(ESC) + colorParameters(pen) + "m";
            }
            out += cell.glyph;
            cursor_col = col + 1;
            cursor_row = row;
        }
    }
    m_shown = m_next;
    return out;
}

} // namespace ostrel
