#pragma once

#include <ostrel/world/Object.h>

// The "quota met" banner at the bottom of the screen, under the shop's cards; it removes
// itself after 60 steps.
class QuotaMetText : private ostrel::Object
{
public:
    QuotaMetText();

    int eventHandler(const ostrel::Event* event) override;

private:
    int m_steps_left;
};
