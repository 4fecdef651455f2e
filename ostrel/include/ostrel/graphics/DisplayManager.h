#pragma once

#include "ostrel/Config.h"
#include "ostrel/core/Manager.h"
#include "ostrel/graphics/Cell.h"
#include "ostrel/graphics/CellGrid.h"
#include "ostrel/graphics/Color.h"
#include "ostrel/graphics/FrontEnd.h"
#include "ostrel/graphics/Ink.h"
#include "ostrel/graphics/Overlay.h"
#include "ostrel/math/Vector.h"

#include <memory>
#include <string>
#include <vector>

namespace ostrel
{

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
const std::string WINDOW_TITLE_DEFAULT = "Ostrel";
const std::string FONT_FILE_DEFAULT = "./ostrel-font.ttf";

// Cell height and width in pixels (32 and 12.8 by default).
float charHeight();
float charWidth();
// Conversions between cells and pixels, without rounding.
Vector spacesToPixels(Vector spaces);
Vector pixelsToSpaces(Vector pixels);

// Draws the 80 x 24 grid of character cells and hands each shown frame to the front end the
// game chose (a window, or the headless front end that presents nothing). The grid, which
// shownCell() and shownText() read, belongs to no window: every front end shows the same one.
// The grid is laid out on a picture of 1024 x 768 pixels (the pixel sizes below), which a
// window shows scaled.
class DisplayManager : public Manager
{
public:
    static DisplayManager& getInstance();
    ~DisplayManager() override;

    // Opens the front end set with setFrontEnd(). 0 on success; -1 without a front end, or if
    // it cannot open (the window's font cannot be read, say: the window then stays open and a
    // later start-up returns 0 at once).
    int startUp() override;
    // Closes the front end, keeping it for the next start-up.
    void shutDown() override;

    // The front end that presents frames and reads input, taken before start-up (a started
    // display keeps its own). The input manager reads input from it while the display runs.
    void setFrontEnd(std::unique_ptr<FrontEnd> front_end);
    FrontEnd* getFrontEnd() const { return m_front_end.get(); }

    // Draws one character in the cell at `world_pos` (cells). -1 before start-up.
    int drawCh(Vector world_pos, char ch, Color color) const;
    // The same in any colour, on a background of its own if the ink has one.
    int drawCh(Vector world_pos, char ch, const Ink& ink) const;
    // Draws a string along a row, justified about `world_pos`. Always 0.
    int drawString(Vector world_pos, std::string str, Justification just, Color color) const;
    int drawString(Vector world_pos, std::string str, Justification just, const Ink& ink) const;

    // The font the window draws with, looked for before FONT_FILE_DEFAULT and the installed
    // font (see fontSearchPath()); set before start-up. Empty, the default, names none.
    void setFontFile(const std::string& file) { m_font_file = file; }
    const std::string& getFontFile() const { return m_font_file; }

    // The window's title: WINDOW_TITLE_DEFAULT until the game sets its own, before or after
    // the window opens.
    void setTitle(const std::string& title);
    const std::string& getTitle() const { return m_title; }
    // The window's icon, read from an image file (PNG, say) and kept for every window the
    // display opens. -1, changing nothing, if the file cannot be read as an image (before a
    // front end is chosen: if it cannot be opened).
    int setIcon(const std::string& file);

    // Full screen at the screen's size, or back to a window of the size it had. No effect
    // without a window.
    void setFullscreen(bool fullscreen);
    bool isFullscreen() const;

    int getHorizontal() const { return m_window_horizontal_chars; }
    int getVertical() const { return m_window_vertical_chars; }
    int getHorizontalPixels() const { return m_window_horizontal_pixels; }
    int getVerticalPixels() const { return m_window_vertical_pixels; }

    // Shows the frame just drawn and starts an empty one. -1 before start-up.
    int swapBuffers();
    // Whether swapBuffers() hands frames to the front end (the default). Without, every frame
    // is still drawn into the grid that shownCell() and shownText() read; only presenting is
    // skipped, which lets a replay run far faster than the eye could follow.
    void setPresenting(bool presenting) { m_presenting = presenting; }

    // Text over the grid that is not part of the game's picture: checkpoints never see it.
    Overlay& getOverlay() { return m_overlay; }
    const Overlay& getOverlay() const { return m_overlay; }

#if OSTREL_WITH_SFML
    // The window the front end shows the picture in: null without one (headless, say).
    sf::RenderWindow* getWindow() const;
    // The window's pixels of the frame drawn so far, before it is shown (empty without a window).
    sf::Image capture();
#endif

    // What the last swapBuffers() showed in a cell: a space of UNDEFINED_COLOR where nothing
    // was drawn or outside the grid. Characters count in cell (floor x, floor y).
    Cell shownCell(int col, int row) const
    {
        return m_grid.shownCell(col, row);
    }
    // The last shown frame as one line of characters per row, joined by '\n'.
    std::string shownText() const
    {
        return m_grid.shownText();
    }
    // Every drawCh call that made the last shown frame, in order.
    const std::vector<DrawCall>& shownCalls() const
    {
        return m_grid.shownCalls();
    }
    const CellGrid& getGrid() const
    {
        return m_grid;
    }

private:
    DisplayManager();

    int m_window_horizontal_pixels;
    int m_window_vertical_pixels;
    int m_window_horizontal_chars;
    int m_window_vertical_chars;
    std::string m_title;
    std::string m_font_file;
    std::string m_icon_file;
    std::unique_ptr<FrontEnd> m_front_end;
    mutable CellGrid m_grid;
    Overlay m_overlay;
    bool m_presenting = true;
};

} // namespace ostrel
