#pragma once

// Creates the seven objects that exist from the first frame: title screen, reticle, day keeper
// and the time, money, day and held texts. Their order of creation is their order in the world:
// who hears each event first, and who is drawn first within one altitude.
void createStartObjects();
