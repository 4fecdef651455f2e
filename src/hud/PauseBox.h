#pragma once

#include "hud/DisplayBox.h"

// Pauses a day on the farm: P or Esc pauses and goes on again, and losing the window's focus
// pauses too (the player goes on with P or Esc). A picture the front end cannot show (a
// terminal too small) pauses it until the picture is back. The title and the shop never
// pause. While paused, a box in the middle of the screen says so and which keys do what.
class PauseBox : public DisplayBox
{
public:
    PauseBox();

    int eventHandler(const ostrel::Event* event) override;
    // Draws only while the game is paused.
    int draw() override;

private:
    // Pauses a day while the picture is hidden, and goes on when it is back; 1 if it acted.
    int holdForPicture(bool shown, bool paused);
    void setPaused(bool paused);

    bool m_held_for_picture = false;
};
