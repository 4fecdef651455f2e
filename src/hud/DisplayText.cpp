#include "hud/DisplayText.h"

#include <ostrel/graphics/DisplayManager.h>

#include <utility>

DisplayText::DisplayText() : m_border(false), m_color(ostrel::WHITE)
{
    setType("DisplayText");
    setSolidness(ostrel::SPECTRAL);
    setAltitude(3);
}

DisplayText::DisplayText(std::string text, ostrel::Vector position, bool border) : DisplayText()
{
    setPosition(position);
    m_text = std::move(text);
    m_border = border;
}

void DisplayText::setText(std::string text)
{
    m_text = std::move(text);
}

int DisplayText::draw()
{
    const ostrel::DisplayManager& display = ostrel::DisplayManager::getInstance();
    const ostrel::Vector position = getPosition();
    if (m_border)
    {
        const std::string dashes(8, '-');
        display.drawString(ostrel::Vector(position.getX(), position.getY() - 1), dashes, ostrel::CENTER_JUSTIFIED,
                           ostrel::WHITE);
        display.drawString(ostrel::Vector(position.getX(), position.getY() + 1), dashes, ostrel::CENTER_JUSTIFIED,
                           ostrel::WHITE);
    }
    return display.drawString(position, m_text, ostrel::CENTER_JUSTIFIED, m_color);
}
