#pragma once

// Creates the nine objects that exist from the first frame: title screen, reticle, day keeper,
// the time, money, day and held texts, the pause box and the mute mark. Their order of
// creation is their order in the world: who hears each event first, and who is drawn first
// within one altitude.
void createStartObjects();
