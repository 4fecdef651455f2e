#pragma once

#include <ostrel/graphics/Color.h>
#include <ostrel/world/Object.h>

#include <string>

// A line of text, white unless told otherwise, centred on its position, with an optional
// dashed line of eight hyphens above and below.
class DisplayText : public ostrel::Object
{
public:
    DisplayText();
    DisplayText(std::string text, ostrel::Vector position, bool border);

    void setText(std::string text);
    std::string getText() const { return m_text; }
    void setBorder(bool border) { m_border = border; }
    // The text's colour (the border stays white).
    void setColor(ostrel::Color color) { m_color = color; }
    ostrel::Color getColor() const { return m_color; }

    int draw() override;

private:
    std::string m_text;
    bool m_border;
    ostrel::Color m_color;
};
