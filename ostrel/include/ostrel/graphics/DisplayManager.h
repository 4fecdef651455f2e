#pragma once

#include "ostrel/core/Manager.h"
#include "ostrel/graphics/Cell.h"
#include "ostrel/graphics/Color.h"
#include "ostrel/world/Vector.h"

#include <SFML/Graphics.hpp>

#include <memory>
#include <string>
#include <vector>

namespace ostrel
{

class InkGrid;

enum Justification
{
    LEFT_JUSTIFIED,
    CENTER_JUSTIFIED,
    RIGHT_JUSTIFIED,
};

const int WINDOW_HORIZONTAL_PIXELS_DEFAULT = 1024;
const int WINDOW_VERTICAL_PIXELS_DEFAULT = 768;
const int WINDOW_HORIZONTAL_CHARS_DEFAULT = 80;
const int WINDOW_VERTICAL_CHARS_DEFAULT = 24;
const int WINDOW_STYLE_DEFAULT = 1;
const sf::Color WINDOW_BACKGROUND_COLOR_DEFAULT = sf::Color(0, 0, 0, 255);
const std::string WINDOW_TITLE_DEFAULT = "Ostrel";
const std::string FONT_FILE_DEFAULT = "./ostrel-font.ttf";

// Cell height and width in pixels (32 and 12.8 by default).
float charHeight();
float charWidth();
// Conversions between cells and pixels, without rounding.
Vector spacesToPixels(Vector spaces);
Vector pixelsToSpaces(Vector pixels);

// The size a window opens at on a screen of `screen`, for a picture of `picture` pixels: the
// largest whole multiple of the picture that fits in the screen's width and in its height
// less 64 pixels (a title bar and a panel); on a screen too small for even one, the largest
// size of the picture's shape that fits there.
sf::Vector2u fittedWindowSize(sf::Vector2u screen, sf::Vector2u picture);

// Owns the game window and draws the 80 x 24 grid of character cells: every character is
// a bold glyph on an opaque black cell, so a later character in the same cell covers an
// earlier one. A frame's characters are gathered in call order into one vertex array over
// the font's glyph texture and drawn in a single call when the frame is shown.
// The grid is laid out on a picture of 1024 x 768 pixels (the pixel sizes below), which the
// window shows scaled by as much as both its sides allow, centred between black bars; glyphs
// are rasterised at the scaled size, so text stays sharp at any window size.
class DisplayManager : public Manager
{
public:
    static DisplayManager& getInstance();
    ~DisplayManager() override;

    // Opens the window, fitted to the screen, and loads the font. 0 on success; -1 if the font cannot be read
    // (the window then stays open and a later start-up returns 0 at once).
    int startUp() override;
    // Releases the font and closes the window.
    void shutDown() override;

    // Draws one character in the cell at `world_pos` (cells). -1 without a window.
    int drawCh(Vector world_pos, char ch, Color color) const;
    // Draws a string along a row, justified about `world_pos`. Always 0.
    int drawString(Vector world_pos, std::string str, Justification just, Color color) const;

    // The window's title: WINDOW_TITLE_DEFAULT until the game sets its own, before or after
    // the window opens.
    void setTitle(const std::string& title);
    const std::string& getTitle() const { return m_title; }
    // The window's icon, read from an image file (PNG, say) and kept for every window the
    // display opens. -1, changing nothing, if the file cannot be read as an image.
    int setIcon(const std::string& file);

    // Full screen at the screen's size, or back to a window of the size it had. SFML makes a
    // new window for it; everything set on the old one is set again. No effect without a window.
    void setFullscreen(bool fullscreen);
    bool isFullscreen() const { return m_fullscreen; }
    // True from a switch to or from full screen until the new window first gains the focus:
    // a focus loss meanwhile comes from the switch itself, not from the player leaving.
    bool isSwitchingWindow() const { return m_switching_window; }
    // The input manager reports that the window gained the focus.
    void noteFocusGained() { m_switching_window = false; }
    // Kept for every window the display opens; the input manager turns it off.
    void setKeyRepeatEnabled(bool enabled);

    // Fits the picture into the window's current size. The input manager calls it when the
    // window is resized, and each frame checks for a size that changed meanwhile.
    void refreshLayout();
    // How many window pixels a picture pixel takes, and where the picture's top-left corner
    // lies in the window.
    float getScale() const { return m_scale; }
    sf::Vector2f getOffset() const { return m_offset; }

    int getHorizontal() const { return m_window_horizontal_chars; }
    int getVertical() const { return m_window_vertical_chars; }
    int getHorizontalPixels() const { return m_window_horizontal_pixels; }
    int getVerticalPixels() const { return m_window_vertical_pixels; }

    // Shows the frame just drawn and clears the back buffer. -1 without a window.
    int swapBuffers();
    // Whether swapBuffers() puts frames in the window (the default). Without, every frame is
    // still drawn into the grid that shownCell() and shownText() read; only the pixels are
    // skipped, which lets a replay run far faster than the eye could follow.
    void setPresenting(bool presenting) { m_presenting = presenting; }
    sf::RenderWindow* getWindow() const { return m_window.get(); }
    // The font every glyph is drawn with.
    const sf::Font& getFont() const { return m_font; }
    // The size glyphs are rasterised at: 25 on the default grid at 1x, 50 at 2x.
    unsigned getCharacterSize() const;
    // The window's pixels of the frame drawn so far, before it is shown (empty without a window).
    sf::Image capture();

    // What the last swapBuffers() showed in a cell: a space of UNDEFINED_COLOR where nothing
    // was drawn or outside the grid. Characters count in cell (floor x, floor y).
    Cell shownCell(int col, int row) const;
    // The last shown frame as one line of characters per row, joined by '\n'.
    std::string shownText() const;
    // Every drawCh call that made the last shown frame, in order.
    const std::vector<DrawCall>& shownCalls() const { return m_shown_calls; }

private:
    DisplayManager();

    // Opens a window (full screen or at `size`) with everything the display keeps for it.
    void openWindow(sf::Vector2u size);
    // Puts the open window in the middle of the screen.
    void centreWindow();
    // Gives the open window the icon set, if any.
    void applyIcon();
    void recordCell(Vector world_pos, char ch, Color color) const;
    // Draws the characters gathered so far into the back buffer.
    void flush() const;

    sf::Font m_font;
    std::unique_ptr<sf::RenderWindow> m_window;
    int m_window_horizontal_pixels;
    int m_window_vertical_pixels;
    int m_window_horizontal_chars;
    int m_window_vertical_chars;
    std::string m_title;
    sf::Image m_icon;
    bool m_fullscreen;
    bool m_switching_window;
    bool m_key_repeat;
    sf::Vector2u m_windowed_size;
    sf::Vector2u m_layout_size;
    float m_scale;
    sf::Vector2f m_offset;
    mutable sf::VertexArray m_vertices;
    std::unique_ptr<InkGrid> m_ink; // where glyphs have been drawn this frame
    mutable std::vector<Cell> m_drawn_cells;
    std::vector<Cell> m_shown_cells;
    mutable std::vector<DrawCall> m_drawn_calls;
    std::vector<DrawCall> m_shown_calls;
    bool m_presenting = true;
};

} // namespace ostrel
