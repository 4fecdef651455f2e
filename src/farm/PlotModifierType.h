#pragma once

// What the player holds: a watering can, a bag of fertilizer, or nothing.
enum PlotModifierType
{
    WATERING_CAN,
    FERTILIZER,
    NONE,
};
