#pragma once

#include "ostrel/graphics/Cell.h"

#include <string>
#include <vector>

namespace ostrel
{

// One line of overlay text, from cell (col, row) rightwards.
struct OverlayText
{
    std::string key;
    int col = 0;
    int row = 0;
    std::string text;
    Color color = WHITE;
};

// Text that is not part of the game's picture (a replay's banner, a size message): front ends
// draw it over the grid, but it never enters the grid that shownCell() and shownText() read,
// so checkpoints never see it. Each line has a key; setting a key again replaces its line.
class Overlay
{
public:
    void setText(const std::string& key, int col, int row, std::string text, Color color = WHITE);
    void clearText(const std::string& key);
    void clear();

    // The lines in the order their keys were first set; later lines cover earlier ones.
    const std::vector<OverlayText>& getTexts() const { return m_texts; }
    // What the overlay shows in a cell; false where it shows nothing.
    bool cellAt(int col, int row, Cell& cell) const;
    // Changes with every change of the overlay, so a front end knows to present it again.
    unsigned getVersion() const { return m_version; }

private:
    std::vector<OverlayText> m_texts;
    unsigned m_version = 0;
};

} // namespace ostrel
