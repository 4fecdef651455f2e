#pragma once

namespace ostrel
{
namespace Mouse
{

// Buttons the engine reports; the extra buttons arrive as UNDEFINED_MOUSE_BUTTON.
enum Button
{
    UNDEFINED_MOUSE_BUTTON = -1,
    LEFT,
    RIGHT,
    MIDDLE,
};

} // namespace Mouse
} // namespace ostrel
