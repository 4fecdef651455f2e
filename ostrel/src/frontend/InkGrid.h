#pragma once

#include <vector>

namespace ostrel
{

// Remembers the rectangles glyphs have been drawn in during a frame. A cell's opaque black
// rectangle only changes pixels where it lies over such a glyph (the frame starts black),
// so the display paints just those overlaps. Rectangles are filed by the tiles of the
// window they cross, so a question only looks at its neighbours.
class InkGrid
{
public:
    struct Rect
    {
        float left;
        float top;
        float right;
        float bottom;
    };

    InkGrid(int width_pixels, int height_pixels);

    void clear();
    // Remembers the rectangle, in pixels.
    void mark(const Rect& rect);
    // The parts of the rectangle that overlap rectangles remembered since the last clear(),
    // one per such rectangle, in the order they were marked. Rectangles that only touch along
    // an edge share no pixel and give none. Valid until the next call.
    const std::vector<Rect>& overlaps(const Rect& rect);

private:
    // The first and last tile a pixel span falls in, clamped to the grid.
    static void span(float from, float to, int tiles, int& first, int& last);
    // The columns x0 to x1 and rows y0 to y1 of the tiles the rectangle crosses.
    void tileRange(const Rect& rect, int& x0, int& x1, int& y0, int& y1) const;

    int m_columns;
    int m_rows;
    std::vector<Rect> m_rects;
    std::vector<std::vector<int>> m_tiles; // indices into m_rects
    std::vector<int> m_found;              // indices met by the current question
    std::vector<Rect> m_overlaps;
};

} // namespace ostrel
