#include "ostrel/graphics/FrontEnd.h"

#include <fstream>

#if OSTREL_WITH_SFML
#include <SFML/Graphics/Image.hpp>
#endif

namespace ostrel
{

int FrontEnd::setIcon(const std::string& file)
{
    // Without a window the icon is never shown; a file that cannot even be opened still fails.
    return std::ifstream(file).is_open() ? 0 : -1;
}

#if OSTREL_WITH_SFML
sf::Image FrontEnd::capture(const CellGrid& grid)
{
    (void)grid;
    return sf::Image();
}
#endif

} // namespace ostrel
