#pragma once

#include "ostrel/Config.h"
#include "ostrel/input/InputSource.h"

#include <string>

#if OSTREL_WITH_SFML
namespace sf
{
class Font;
class Image;
class RenderWindow;
} // namespace sf
#endif

namespace ostrel
{

class CellGrid;
class Overlay;

// Presents the grid of cells a game draws and hands its input back: a window, a terminal, a
// browser's canvas, or nothing at all. The display owns the front end the game chose and
// talks to it only through this interface, so a front end never changes what the game does.
// Everything here but open(), close(), present() and pollInput() has a default for front ends
// without a window.
class FrontEnd : public InputSource
{
public:
    // The name OSTREL_FRONT_END and GameManager::setFrontEnd() know it by.
    virtual std::string getName() const = 0;

    // Makes ready to present, reading the display's size and title. 0 on success; otherwise
    // -1, after saying why in the log.
    virtual int open() = 0;
    // Gives back everything open() took; a closed front end may be opened again.
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    // Presents the grid's shown frame with the overlay over it.
    virtual void present(const CellGrid& grid, const Overlay& overlay) = 0;

    // The display's title changed.
    virtual void setTitle(const std::string& title) { (void)title; }
    // The game's icon, from an image file: 0 once taken, -1 if it cannot be read as an image.
    virtual int setIcon(const std::string& file);
    virtual void setFullscreen(bool fullscreen) { (void)fullscreen; }
    virtual bool isFullscreen() const { return false; }

#if OSTREL_WITH_SFML
    // The window that shows the picture: null without one.
    virtual sf::RenderWindow* getWindow() const
    {
        return nullptr;
    }
    // The picture of the frame drawn so far (the grid's drawn calls): empty without a window.
    virtual sf::Image capture(const CellGrid& grid);
    // The font glyphs are drawn in: null without one.
    virtual const sf::Font* getFont() const
    {
        return nullptr;
    }
#endif
};

} // namespace ostrel
