#pragma once

#include "ostrel/graphics/Cell.h"
#include "ostrel/graphics/FrontEnd.h"

#include <deque>
#include <string>
#include <vector>

namespace ostrel
{

// Shows the grid on the page's <canvas id="canvas"> in a browser (built with Emscripten
// only). Each frame hands the cells that changed to the page, which draws them with the
// canvas's 2D context in the engine's font, sharp at the device's pixel ratio; the picture
// keeps the display's shape, centred in the page. Keys, clicks, pointer moves and taps arrive
// through the browser's events, a click at its place in cells as the window maps it; the page
// losing the focus or being hidden arrives as a focus loss. Browsers start sound only at the
// player's first key, click or tap: until then, with sound on, the overlay says so in row 21.
class WebFrontEnd : public FrontEnd
{
public:
    WebFrontEnd();
    ~WebFrontEnd() override;

    // Whether this program runs in a page that has a canvas to draw on (not under Node).
    static bool hasPage();

    std::string getName() const override { return "web"; }
    // -1 when there is no page to draw on.
    int open() override;
    void close() override;
    bool isOpen() const override { return m_open; }
    void present(const CellGrid& grid, const Overlay& overlay) override;
    bool pollInput(InputRecord& input) override;
    void setTitle(const std::string& title) override;
    void setFullscreen(bool fullscreen) override;
    bool isFullscreen() const override;

    // Queues input from the browser's event handlers.
    void push(const InputRecord& input);
    // The player pressed a key, clicked or tapped: sound may start.
    void gesture();

private:
    bool m_open = false;
    int m_columns = 0;
    int m_rows = 0;
    std::vector<Cell> m_shown; // what the canvas shows, overlay included
    unsigned m_overlay_version = 0;
    bool m_drawn_once = false;
    bool m_heard_gesture = false;
    std::deque<InputRecord> m_pending;
};

} // namespace ostrel
