#pragma once

#include <string>

// One upgrade of the catalogue, a plain value keyed everywhere by its name.
struct Upgrade
{
    std::string m_name;
    std::string m_description;
    int m_price = 0;
    std::string m_sprite;
    // Bought any number of times at a price that grows with each purchase; otherwise once.
    bool m_repeatable = false;
    // The upgrade that must be owned before this one is offered; "" for the tree's roots.
    std::string m_prerequisite;
};

// An upgrade with an empty name: what a lookup of an unknown name gives.
Upgrade emptyUpgrade();
