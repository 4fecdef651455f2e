#pragma once

#include "ostrel/graphics/Cell.h"

#include <string>
#include <vector>

namespace ostrel
{

// The picture a game draws, belonging to no window: the frame being drawn and the last one
// shown, each as a cell per grid position plus every character drawn in call order. Front
// ends present the shown frame; checkpoints read it.
class CellGrid
{
public:
    CellGrid(int columns, int rows);

    int getColumns() const { return m_columns; }
    int getRows() const { return m_rows; }

    // Adds a character to the frame being drawn; it lands in cell (floor x, floor y), and a
    // position outside the grid (or NaN) is kept in the calls alone.
    void draw(Vector position, char ch, const Ink& ink);
    // Makes the frame drawn so far the shown one and starts an empty frame.
    void show();
    // Forgets the frame being drawn.
    void discardDrawn();

    // What the shown frame holds in a cell: a space of UNDEFINED_COLOR, on no background,
    // where nothing was drawn or outside the grid.
    Cell shownCell(int col, int row) const;
    // The shown frame as one line of characters per row, joined by '\n'.
    std::string shownText() const;
    const std::vector<DrawCall>& shownCalls() const { return m_shown_calls; }
    // The characters of the frame being drawn, in call order.
    const std::vector<DrawCall>& drawnCalls() const { return m_drawn_calls; }
    // Whether the shown frame drew exactly the characters of the frame shown before it.
    bool isShownUnchanged() const { return m_unchanged; }

private:
    int m_columns;
    int m_rows;
    std::vector<Cell> m_drawn_cells;
    std::vector<Cell> m_shown_cells;
    std::vector<DrawCall> m_drawn_calls;
    std::vector<DrawCall> m_shown_calls;
    bool m_unchanged = false;
};

bool operator==(const DrawCall& a, const DrawCall& b);

} // namespace ostrel
