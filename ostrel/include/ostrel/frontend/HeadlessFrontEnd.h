#pragma once

#include "ostrel/graphics/FrontEnd.h"

namespace ostrel
{

// Presents nothing and needs no display, font or sound device: frames still fill the grid
// that shownCell() and shownText() read. It reads no input of its own: a headless game's
// input is what the program queues (InputManager::queueInput()), a replay or an input
// filter delivers.
class HeadlessFrontEnd : public FrontEnd
{
public:
    std::string getName() const override { return "headless"; }
    int open() override;
    void close() override;
    bool isOpen() const override { return m_open; }
    void present(const CellGrid& grid, const Overlay& overlay) override;
    bool pollInput(InputRecord& input) override;

private:
    bool m_open = false;
};

} // namespace ostrel
