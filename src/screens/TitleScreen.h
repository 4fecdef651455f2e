#pragma once

#include "screens/PictureScreen.h"

// The title picture the game opens on, with the day's goal, what to click and the best run
// above it, the keys below, and under it any kept file the game was not let read; SPACE
// starts the first run.
class TitleScreen : private PictureScreen
{
public:
    TitleScreen();

    int draw() override;
};
