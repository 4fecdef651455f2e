#include "ostrel/input/Keyboard.h"

namespace ostrel
{

int Keyboard::digitOf(Key key)
{
    if (key == NUM0)
    {
        return 0;
    }
    if (key >= NUM1 && key <= NUM9)
    {
        return 1 + (key - NUM1);
    }
    return -1;
}

} // namespace ostrel
