#pragma once

#include "ostrel/graphics/Ink.h"
#include "ostrel/math/Vector.h"

namespace ostrel
{

// What one cell of the grid showed: its character and its ink (colour and background).
struct Cell : Ink
{
    Cell() = default;
    Cell(char character, const Ink& ink) : Ink(ink), ch(character) {}

    char ch = ' ';
};

// One character drawn into a frame: where, which, and in what ink.
struct DrawCall : Ink
{
    DrawCall() = default;
    DrawCall(Vector at, char character, const Ink& ink) : Ink(ink), position(at), ch(character) {}

    Vector position;
    char ch = ' ';
};

} // namespace ostrel
