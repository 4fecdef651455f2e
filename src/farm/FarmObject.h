#pragma once

#include <ostrel/world/Object.h>

// Base of everything that exists only on the farm screen. While the shop is open a farm
// object is inactive: it draws nothing and reacts to nothing but the state change.
class FarmObject : public ostrel::Object
{
public:
    FarmObject();

    // Takes "state_change" (returns 1); every other event returns 0.
    int eventHandler(const ostrel::Event* event) override;
    // Draws as an object does while active; draws nothing and returns 1 while inactive.
    int draw() override;

    bool getActive() const { return m_active; }
    // False while the game is paused: the farm then takes no clicks.
    static bool takesClicks();

private:
    bool m_active;
};
