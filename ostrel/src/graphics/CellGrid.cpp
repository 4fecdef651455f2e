#include "ostrel/graphics/CellGrid.h"

#include <algorithm>
#include <cmath>

namespace ostrel
{

bool operator==(const DrawCall& a, const DrawCall& b)
{
    return a.ch == b.ch && static_cast<const Ink&>(a) == b && a.position == b.position;
}

CellGrid::CellGrid(int columns, int rows)
    : m_columns(columns), m_rows(rows), m_drawn_cells(static_cast<std::size_t>(columns * rows)),
      m_shown_cells(m_drawn_cells.size())
{
}

void CellGrid::draw(Vector position, char ch, const Ink& ink)
{
    m_drawn_calls.push_back(DrawCall(position, ch, ink));
    const float col = std::floor(position.getX());
    const float row = std::floor(position.getY());
    // Written so that a NaN position is rejected too.
    if (!(col >= 0.0f && row >= 0.0f && col < static_cast<float>(m_columns) && row < static_cast<float>(m_rows)))
    {
        return;
    }
    const auto index =
        static_cast<std::size_t>(row) * static_cast<std::size_t>(m_columns) + static_cast<std::size_t>(col);
    m_drawn_cells[index] = Cell(ch, ink);
}

void CellGrid::show()
{
    m_unchanged = m_drawn_calls == m_shown_calls;
    m_shown_cells.swap(m_drawn_cells);
    m_shown_calls.swap(m_drawn_calls);
    discardDrawn();
}

void CellGrid::discardDrawn()
{
    std::fill(m_drawn_cells.begin(), m_drawn_cells.end(), Cell());
    m_drawn_calls.clear();
}

Cell CellGrid::shownCell(int col, int row) const
{
    if (col < 0 || row < 0 || col >= m_columns || row >= m_rows)
    {
        return Cell();
    }
    return m_shown_cells[static_cast<std::size_t>(row * m_columns + col)];
}

std::string CellGrid::shownText() const
{
    std::string text;
    text.reserve(static_cast<std::size_t>((m_columns + 1) * m_rows));
    for (int row = 0; row < m_rows; ++row)
    {
        if (row > 0)
        {
            text += '\n';
        }
        for (int col = 0; col < m_columns; ++col)
        {
            text += shownCell(col, row).ch;
        }
    }
    return text;
}

} // namespace ostrel
