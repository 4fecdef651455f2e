#include "frontend/InkGrid.h"

#include <algorithm>
#include <cmath>

namespace ostrel
{

namespace
{
const int TILE = 32;
} // namespace

InkGrid::InkGrid(int width_pixels, int height_pixels)
    : m_columns(std::max(1, (width_pixels + TILE - 1) / TILE)), m_rows(std::max(1, (height_pixels + TILE - 1) / TILE)),
      m_tiles(static_cast<std::size_t>(m_columns * m_rows))
{
}

void InkGrid::clear()
{
    m_rects.clear();
    for (std::vector<int>& tile : m_tiles)
    {
        tile.clear();
    }
}

void InkGrid::span(float from, float to, int tiles, int& first, int& last)
{
    // Written so that NaN lands inside the grid rather than indexing outside it.
    const float low = std::floor(from / TILE);
    const float high = std::floor(to / TILE);
    first = low >= 0.0f ? static_cast<int>(std::min(low, static_cast<float>(tiles - 1))) : 0;
    last = high < static_cast<float>(tiles) ? static_cast<int>(std::max(high, 0.0f)) : tiles - 1;
}

void InkGrid::tileRange(const Rect& rect, int& x0, int& x1, int& y0, int& y1) const
{
    span(rect.left, rect.right, m_columns, x0, x1);
    span(rect.top, rect.bottom, m_rows, y0, y1);
}

void InkGrid::mark(const Rect& rect)
{
    const int index = static_cast<int>(m_rects.size());
    m_rects.push_back(rect);
    int x0 = 0;
    int x1 = 0;
    int y0 = 0;
    int y1 = 0;
    tileRange(rect, x0, x1, y0, y1);
    for (int y = y0; y <= y1; ++y)
    {
        for (int x = x0; x <= x1; ++x)
        {
            m_tiles[static_cast<std::size_t>(y * m_columns + x)].push_back(index);
        }
    }
}

const std::vector<InkGrid::Rect>& InkGrid::overlaps(const Rect& rect)
{
    int x0 = 0;
    int x1 = 0;
    int y0 = 0;
    int y1 = 0;
    tileRange(rect, x0, x1, y0, y1);
    m_found.clear();
    for (int y = y0; y <= y1; ++y)
    {
        for (int x = x0; x <= x1; ++x)
        {
            for (const int index : m_tiles[static_cast<std::size_t>(y * m_columns + x)])
            {
                const Rect& ink = m_rects[static_cast<std::size_t>(index)];
                if (ink.right > rect.left && rect.right > ink.left && ink.bottom > rect.top && rect.bottom > ink.top)
                {
                    m_found.push_back(index);
                }
            }
        }
    }
    // A rectangle filed in several tiles is met once per tile.
    std::sort(m_found.begin(), m_found.end());
    m_found.erase(std::unique(m_found.begin(), m_found.end()), m_found.end());

    m_overlaps.clear();
    for (const int index : m_found)
    {
        const Rect& ink = m_rects[static_cast<std::size_t>(index)];
        m_overlaps.push_back(Rect{std::max(ink.left, rect.left), std::max(ink.top, rect.top),
                                  std::min(ink.right, rect.right), std::min(ink.bottom, rect.bottom)});
    }
    return m_overlaps;
}

} // namespace ostrel
