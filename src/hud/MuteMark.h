#pragma once

#include <ostrel/world/Object.h>

// M turns every sound and the music off and on again, on every screen; the choice is kept in
// the settings. While the sound is off a small mark at the right edge, under the HUD, says so.
class MuteMark : public ostrel::Object
{
public:
    // Applies the kept choice.
    MuteMark();

    int eventHandler(const ostrel::Event* event) override;
    // Draws only while muted.
    int draw() override;
};
