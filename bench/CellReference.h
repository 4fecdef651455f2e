#pragma once

#include <SFML/Graphics.hpp>
#include <ostrel/graphics/Cell.h>

#include <vector>

namespace reference
{

// The display's first way of drawing, kept as the reference the batched renderer must
// match: each character is an sf::RectangleShape for its cell and then an sf::Text, each
// a draw call of its own with fresh objects and default render states.
void drawCellReference(sf::RenderTarget& target, const sf::Font& font, unsigned character_size,
                       const ostrel::DrawCall& call);

// Draws a whole recorded frame that way, in order.
void drawFrameReference(sf::RenderTarget& target, const sf::Font& font, unsigned character_size,
                        const std::vector<ostrel::DrawCall>& calls);

} // namespace reference
