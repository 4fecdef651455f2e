#pragma once

#include "ostrel/graphics/Cell.h"
#include "ostrel/graphics/FrontEnd.h"
#include "ostrel/input/Keyboard.h"
#include "ostrel/input/Mouse.h"
#include "ostrel/math/Vector.h"
#include "ostrel/system/Clock.h"

#include <SFML/Graphics.hpp>

#include <memory>
#include <string>
#include <vector>

namespace ostrel
{

class InkGrid;

const sf::Color WINDOW_BACKGROUND_COLOR_DEFAULT = sf::Color(0, 0, 0, 255);

// The size a window opens at on a screen of `screen`, for a picture of `picture` pixels: the
// largest whole multiple of the picture that fits in the screen's width and in its height
// less 64 pixels (a title bar and a panel); on a screen too small for even one, the largest
// size of the picture's shape that fits there.
sf::Vector2u fittedWindowSize(sf::Vector2u screen, sf::Vector2u picture);

Keyboard::Key convertSfKeyboardKeyToOstrel(sf::Keyboard::Key key);
Mouse::Button convertSfMouseButtonToOstrel(sf::Mouse::Button button);

// Shows the grid in an SFML window: every character is a bold glyph on an opaque black cell,
// so a later character in the same cell covers an earlier one. A frame's characters are
// gathered in call order into one vertex array over the font's glyph texture and drawn in a
// single call. The window shows the display's 1024 x 768 picture scaled by as much as both
// its sides allow, centred between black bars; glyphs are rasterised at the scaled size, so
// text stays sharp at any window size. A frame that draws exactly what the last one drew is
// not painted again, except after a resize or a switch to full screen, and once a second
// (nothing tells the window that it was uncovered).
class WindowFrontEnd : public FrontEnd
{
public:
    WindowFrontEnd();
    ~WindowFrontEnd() override;

    std::string getName() const override { return "window"; }
    // Opens the window, fitted to the screen, and loads the font. -1 if the font cannot be
    // read (the window then stays open).
    int open() override;
    void close() override;
    bool isOpen() const override { return m_window != nullptr; }
    void present(const CellGrid& grid, const Overlay& overlay) override;
    bool pollInput(InputRecord& input) override;

    void setTitle(const std::string& title) override;
    int setIcon(const std::string& file) override;
    // SFML makes a new window for it; everything set on the old one is set again.
    void setFullscreen(bool fullscreen) override;
    bool isFullscreen() const override { return m_fullscreen; }
    void setKeyRepeatEnabled(bool enabled) override;

    sf::RenderWindow* getWindow() const override { return m_window.get(); }
    sf::Image capture(const CellGrid& grid) override;
    const sf::Font* getFont() const override { return &m_font; }

    // True from a switch to or from full screen until the new window first gains the focus:
    // a focus loss meanwhile comes from the switch itself, not from the player leaving.
    bool isSwitchingWindow() const { return m_switching_window; }
    // Fits the picture into the window's current size; each poll and frame also checks for
    // a size that changed meanwhile.
    void refreshLayout();
    // How many window pixels a picture pixel takes, and where the picture's top-left corner
    // lies in the window.
    float getScale() const { return m_scale; }
    sf::Vector2f getOffset() const { return m_offset; }
    // The size glyphs are rasterised at: 25 on the default grid at 1x, 50 at 2x.
    unsigned getCharacterSize() const;
    // A mouse position in window pixels in cells, through the layout of the grid in the
    // window, so that clicks land on the cells drawn there at any window size.
    Vector windowPixelsToSpaces(int x, int y) const;
    // The next frame is painted even if it repeats the last one.
    void invalidate() { m_needs_paint = true; }
    // Frames actually painted since the window opened.
    int getPaintCount() const { return m_paint_count; }

private:
    // Loads the first font of fontSearchPath() that exists; -1, with the problem logged and
    // on stderr, when none can be read.
    int loadFont();
    // Opens a window (full screen or at `size`) with everything the front end keeps for it.
    void openWindow(sf::Vector2u size);
    // Puts the open window in the middle of the screen.
    void centreWindow();
    // Gives the open window the icon set, if any.
    void applyIcon();
    // Adds one character's cell and glyph to the vertex array.
    void addCharacter(Vector world_pos, char ch, const Ink& ink);
    // Draws the characters from `first` on into the back buffer, over what it holds.
    void paint(const std::vector<DrawCall>& calls, std::size_t first);
    void paintOverlay(const CellGrid& grid, const Overlay& overlay);
    void clearBackBuffer();
    // Reads the next window event that stands for an input; false when none is pending.
    bool pollWindowEvent(InputRecord& input);

    sf::Font m_font;
    std::unique_ptr<sf::RenderWindow> m_window;
    std::string m_title;
    sf::Image m_icon;
    bool m_fullscreen = false;
    bool m_switching_window = false;
    bool m_key_repeat = true;
    sf::Vector2u m_windowed_size;
    sf::Vector2u m_layout_size;
    float m_scale = 1.0f;
    sf::Vector2f m_offset;
    sf::VertexArray m_vertices;
    std::unique_ptr<InkGrid> m_ink;   // where glyphs have been drawn this frame
    std::size_t m_captured_calls = 0; // drawn calls capture() has painted into the back buffer
    bool m_needs_paint = true;
    unsigned m_painted_overlay = 0;
    Clock m_since_paint;
    int m_paint_count = 0;
};

} // namespace ostrel
