#include "hud/ReplayBanner.h"

#include <ostrel/graphics/DisplayManager.h>
#include <ostrel/replay/RunReplayer.h>

namespace
{

// Row 3 is left empty on every screen at its left end.
const int BANNER_ROW = 3;
const char* const BANNER_KEY = "replay";
const char* const END_KEY = "replay-end";

} // namespace

ReplayBanner::ReplayBanner(const ostrel::RunReplayer& replayer) : m_replayer(replayer)
{
    setType("ReplayBanner");
    setSolidness(ostrel::SPECTRAL);
    ostrel::DisplayManager::getInstance().getOverlay().setText(BANNER_KEY, 0, BANNER_ROW, "REPLAY", ostrel::YELLOW);
}

ReplayBanner::~ReplayBanner()
{
    ostrel::Overlay& overlay = ostrel::DisplayManager::getInstance().getOverlay();
    overlay.clearText(BANNER_KEY);
    overlay.clearText(END_KEY);
}

int ReplayBanner::draw()
{
    if (m_replayer.hasEnded())
    {
        ostrel::DisplayManager::getInstance().getOverlay().setText(END_KEY, 8, BANNER_ROW,
                                                                   "The recording ends here; Q quits.", ostrel::WHITE);
    }
    return 0;
}
