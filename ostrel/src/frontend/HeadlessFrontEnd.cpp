#include "ostrel/frontend/HeadlessFrontEnd.h"

namespace ostrel
{

int HeadlessFrontEnd::open()
{
    m_open = true;
    return 0;
}

void HeadlessFrontEnd::close()
{
    m_open = false;
}

void HeadlessFrontEnd::present(const CellGrid& grid, const Overlay& overlay)
{
    (void)grid;
    (void)overlay;
}

bool HeadlessFrontEnd::pollInput(InputRecord& input)
{
    (void)input;
    return false;
}

} // namespace ostrel
