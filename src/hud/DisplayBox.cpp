#include "hud/DisplayBox.h"

#include <ostrel/graphics/DisplayManager.h>

DisplayBox::DisplayBox() : m_width(0), m_height(0)
{
    setType("DisplayBox");
    setAltitude(3);
    setSolidness(ostrel::SPECTRAL);
}

DisplayBox::DisplayBox(ostrel::Vector position, int width, int height) : DisplayBox()
{
    m_width = width;
    m_height = height;
    setPosition(position);
}

int DisplayBox::draw()
{
    const ostrel::DisplayManager& display = ostrel::DisplayManager::getInstance();
    const ostrel::Vector position = getPosition();
    const auto x0 = static_cast<float>(position.getX() - m_width / 2.0);
    const auto y0 = static_cast<float>(position.getY() - m_height / 2.0);
    for (int c = 0; c < m_width; ++c)
    {
        for (int r = 0; r < m_height; ++r)
        {
            const bool edge_row = r == 0 || r == m_height - 1;
            const bool edge_column = c == 0 || c == m_width - 1;
            char ch = ' ';
            if (edge_row && edge_column)
            {
                ch = '+';
            }
            else if (edge_row)
            {
                ch = '-';
            }
            else if (edge_column)
            {
                ch = '|';
            }
            display.drawCh(ostrel::Vector(x0 + static_cast<float>(c), y0 + static_cast<float>(r)), ch, ostrel::WHITE);
        }
    }
    return 0;
}
