#pragma once

#include <ostrel/world/Object.h>

// A white bordered rectangle centred on its position: "+" corners, "-" top and bottom,
// "|" sides, the inside cleared.
class DisplayBox : public ostrel::Object
{
public:
    DisplayBox();
    DisplayBox(ostrel::Vector position, int width, int height);

    void setWidth(int width) { m_width = width; }
    int getWidth() const { return m_width; }
    void setHeight(int height) { m_height = height; }
    int getHeight() const { return m_height; }

    int draw() override;

private:
    int m_width;
    int m_height;
};
