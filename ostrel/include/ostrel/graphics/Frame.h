#pragma once

#include "ostrel/graphics/Ink.h"
#include "ostrel/math/Vector.h"

#include <string>

namespace ostrel
{

// One rectangular picture of characters, stored row by row without separators:
// character (row, column) is at index row * width + column.
class Frame
{
public:
    Frame();
    Frame(int width, int height, std::string frame_str);

    void setWidth(int width) { m_width = width; }
    int getWidth() const { return m_width; }
    void setHeight(int height) { m_height = height; }
    int getHeight() const { return m_height; }
    void setString(std::string frame_str);
    std::string getString() const { return m_frame_str; }

    // Draws the picture centred on `position` (starting at x - width / 2, y - height / 2 in
    // integer arithmetic), spaces included. -1 for an empty frame or when a character
    // cannot be drawn (no window); the rest of the frame is then skipped.
    int draw(Vector position, const Ink& ink) const;

private:
    int m_width;
    int m_height;
    std::string m_frame_str;
};

} // namespace ostrel
