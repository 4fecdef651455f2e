#pragma once

#include <ostrel/world/Object.h>

#include <string>

// A screen between runs: a picture in the middle of the screen with the lounge music
// looping, until a press of SPACE removes it (the day keeper acts on the same key press).
class PictureScreen : public ostrel::Object
{
public:
    explicit PictureScreen(const std::string& sprite);

    // Always returns 0: the same key press must reach the day keeper too.
    int eventHandler(const ostrel::Event* event) override;
};
