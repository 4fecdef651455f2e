#pragma once

// x and y of the first, second and third shop card.
const int xPos[3] = {35, 65, 50};
const int yPos[3] = {10, 10, 13};

// Lays the shop out: new offers drawn, its title and caption, the pumpkin, up to three
// upgrade cards, the description box and the hint shown while it is empty.
void openShop();
// Removes everything openShop() laid out.
void closeShop();
