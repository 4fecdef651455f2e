#pragma once

#include "ostrel/graphics/Frame.h"
#include "ostrel/graphics/Ink.h"
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
    void setColor(Color color) { m_ink = Ink(color); }
    // The named colour; UNDEFINED_COLOR for a sprite drawn in RGB.
    Color getColor() const { return m_ink.color; }
    // What the frames are drawn in: a named colour or RGB, and a background if any.
    void setInk(const Ink& ink) { m_ink = ink; }
    const Ink& getInk() const { return m_ink; }
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
    // The same in another ink than the sprite's.
    int draw(int frame_number, Vector position, const Ink& ink) const;

private:
    int m_width;
    int m_height;
    int m_max_frame_count;
    int m_frame_count;
    Ink m_ink;
    int m_slowdown;
    std::vector<Frame> m_frame;
    std::string m_label;
};

} // namespace ostrel
