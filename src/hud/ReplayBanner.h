#pragma once

#include <ostrel/world/Object.h>

namespace ostrel
{
class RunReplayer;
}

// While a recording is replayed, says so in the top-left corner under the HUD, and once it
// has played to its end, that the viewer may quit. The words go on the display's overlay, so
// the replay's checkpoints never see them.
class ReplayBanner : public ostrel::Object
{
public:
    explicit ReplayBanner(const ostrel::RunReplayer& replayer);
    ~ReplayBanner() override;

    // Brings the overlay up to date; draws nothing into the grid.
    int draw() override;

private:
    const ostrel::RunReplayer& m_replayer;
};
