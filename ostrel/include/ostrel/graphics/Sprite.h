#pragma once

#include "ostrel/graphics/Color.h"
#include "ostrel/graphics/Frame.h"
#include "ostrel/math/Vector.h"

#include <string>
#include <vector>

namespace ostrel
{

// A labelled sequence of frames of one size, drawn in one colour. Owned by the resource
// manager and shared by every object that shows it; never copied.
class Sprite
{
public:
    // The capacity is fixed here and never grows; a negative capacity holds no frames.
    explicit Sprite(int max_frames);
    ~Sprite();

    Sprite(const Sprite&) = delete;
    Sprite& operator=(const Sprite&) = delete;

    void setWidth(int width) { m_width = width; }
    int getWidth() const { return m_width; }
    void setHeight(int height) { m_height = height; }
    int getHeight() const { return m_height; }
    void setColor(Color color) { m_color = color; }
    Color getColor() const { return m_color; }
    // Draws each frame stays on screen; 0 or less behaves like 1.
    void setSlowdown(int slowdown) { m_slowdown = slowdown; }
    int getSlowdown() const { return m_slowdown; }
    void setLabel(std::string label);
    std::string getLabel() const { return m_label; }
    int getFrameCount() const { return m_frame_count; }

    // Copies the frame into the next slot; -1 when the sprite is full.
    int addFrame(Frame frame);
    // An empty frame when the number is out of range.
    Frame getFrame(int frame_number) const;
    // -1 when the number is out of range.
    int draw(int frame_number, Vector position) const;

private:
    int m_width;
    int m_height;
    int m_max_frame_count;
    int m_frame_count;
    Color m_color;
    int m_slowdown;
    std::vector<Frame> m_frame;
    std::string m_label;
};

} // namespace ostrel
