#pragma once

// The farm's objects over a run: its plots, its pick-ups (the watering can and the
// fertilizer) and its pests.

// Sows the field a run starts with: ten plots, both pick-ups, a crow and a fly.
void spawnField();
// Readies the field for the next day: every plot reset, and one batch of three new plots per
// return to the farm while "Field Work" batches are due.
void readyFieldForNextDay();
// Removes the field's plots, pick-ups and pests.
void clearField();
