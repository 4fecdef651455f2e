#pragma once

#include "PictureScreen.h"

// The title picture the game opens on; SPACE starts the first run.
class TitleScreen : private PictureScreen
{
public:
    TitleScreen();
};
