#include "TitleScreen.h"

TitleScreen::TitleScreen() : PictureScreen("text_title") {}
