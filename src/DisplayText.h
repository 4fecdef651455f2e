#pragma once

#include "Object.h"

#include <string>

// A white line of text centred on its position, with an optional dashed line of eight
// hyphens above and below.
class DisplayText : public ostrel::Object
{
public:
    DisplayText();
    DisplayText(std::string text, ostrel::Vector position, bool border);

    void setText(std::string text);
    std::string getText() const { return m_text; }
    void setBorder(bool border) { m_border = border; }

    int draw() override;

private:
    std::string m_text;
    bool m_border;
};
