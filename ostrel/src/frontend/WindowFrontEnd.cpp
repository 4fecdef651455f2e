#include "ostrel/frontend/WindowFrontEnd.h"

#include "audio/SfmlErrors.h"
#include "frontend/InkGrid.h"
#include "frontend/Palette.h"
#include "frontend/XDisplay.h"
#include "ostrel/core/LogManager.h"
#include "ostrel/graphics/CellGrid.h"
#include "ostrel/graphics/DisplayManager.h"
#include "ostrel/graphics/FontSearch.h"
#include "ostrel/graphics/Overlay.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace ostrel
{

namespace
{

// A frame unchanged for this long is painted again all the same, in microseconds.
const std::int64_t REPAINT_INTERVAL = 1000000;

sf::Color sfColor(Rgb rgb)
{
    return sf::Color(rgb.red, rgb.green, rgb.blue, 255);
}

sf::Vector2u screenSize()
{
    const sf::VideoMode desktop = sf::VideoMode::getDesktopMode();
#if SFML_VERSION_MAJOR >= 3
    return desktop.size;
#else
    return sf::Vector2u(desktop.width, desktop.height);
#endif
}

// The glyph size for the grid at 1x: twice the cell's smaller side, rounded down.
unsigned baseGlyphSize()
{
    const float size = charWidth() < charHeight() ? 2.0f * charWidth() : 2.0f * charHeight();
    return static_cast<unsigned>(size);
}

// Appends a rectangle as two triangles, mapped onto the texture rectangle (u1, v1)-(u2, v2),
// in the vertex order a one-character sf::Text uses.
void appendQuad(sf::VertexArray& vertices, sf::Vector2f p1, sf::Vector2f p2, sf::Vector2f uv1, sf::Vector2f uv2,
                sf::Color color)
{
    const auto vertex = [color](sf::Vector2f position, sf::Vector2f tex_coords)
    {
#if SFML_VERSION_MAJOR >= 3
        return sf::Vertex{position, color, tex_coords};
#else
        return sf::Vertex(position, color, tex_coords);
#endif
    };
    vertices.append(vertex(p1, uv1));
    vertices.append(vertex(sf::Vector2f(p2.x, p1.y), sf::Vector2f(uv2.x, uv1.y)));
    vertices.append(vertex(sf::Vector2f(p1.x, p2.y), sf::Vector2f(uv1.x, uv2.y)));
    vertices.append(vertex(sf::Vector2f(p1.x, p2.y), sf::Vector2f(uv1.x, uv2.y)));
    vertices.append(vertex(sf::Vector2f(p2.x, p1.y), sf::Vector2f(uv2.x, uv1.y)));
    vertices.append(vertex(p2, uv2));
}

// Characters that sf::Text lays out without a quad of their own.
bool drawsNoGlyph(char ch, const sf::Glyph& glyph)
{
#if SFML_VERSION_MAJOR > 3 || (SFML_VERSION_MAJOR == 3 && SFML_VERSION_MINOR >= 1)
    const unsigned char code = static_cast<unsigned char>(ch);
    return code < 32 || glyph.textureRect.size.x == 0 || glyph.textureRect.size.y == 0;
#else
    (void)glyph;
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r';
#endif
}

// A glyph's quad as sf::Text lays it out for a one-character string at the origin (the
// baseline at y = the character size), padded by a pixel all round, and its texture
// rectangle padded alike.
struct GlyphQuad
{
    sf::Vector2f p1;
    sf::Vector2f p2;
    sf::Vector2f uv1;
    sf::Vector2f uv2;
};

GlyphQuad glyphQuad(const sf::Glyph& glyph, float baseline)
{
#if SFML_VERSION_MAJOR >= 3
    const sf::Vector2f position = glyph.bounds.position;
    const sf::Vector2f size = glyph.bounds.size;
    const sf::Vector2f tex_position(glyph.textureRect.position);
    const sf::Vector2f tex_size(glyph.textureRect.size);
#else
    const sf::Vector2f position(glyph.bounds.left, glyph.bounds.top);
    const sf::Vector2f size(glyph.bounds.width, glyph.bounds.height);
    const sf::Vector2f tex_position(static_cast<float>(glyph.textureRect.left),
                                    static_cast<float>(glyph.textureRect.top));
    const sf::Vector2f tex_size(static_cast<float>(glyph.textureRect.width),
                                static_cast<float>(glyph.textureRect.height));
#endif
    const float padding = 1.0f;
    GlyphQuad quad;
    quad.p1 = sf::Vector2f(position.x - padding, baseline + position.y - padding);
    quad.p2 = sf::Vector2f(position.x + size.x + padding, baseline + position.y + size.y + padding);
    quad.uv1 = sf::Vector2f(tex_position.x - padding, tex_position.y - padding);
    quad.uv2 = sf::Vector2f(tex_position.x + tex_size.x + padding, tex_position.y + tex_size.y + padding);
    return quad;
}

sf::Vector2u picturePixels()
{
    const DisplayManager& display = DisplayManager::getInstance();
    return sf::Vector2u(static_cast<unsigned>(display.getHorizontalPixels()),
                        static_cast<unsigned>(display.getVerticalPixels()));
}

} // namespace

sf::Vector2u fittedWindowSize(sf::Vector2u screen, sf::Vector2u picture)
{
    const unsigned panel = 64;
    const unsigned height = screen.y > panel ? screen.y - panel : 0;
    const unsigned multiple = std::min(screen.x / picture.x, height / picture.y);
    if (multiple >= 1)
    {
        return sf::Vector2u(picture.x * multiple, picture.y * multiple);
    }
    // Too small for the picture itself: its shape, as wide as both sides allow.
    const auto width = static_cast<unsigned>(
        std::min<unsigned long long>(screen.x, static_cast<unsigned long long>(height) * picture.x / picture.y));
    return sf::Vector2u(width, static_cast<unsigned>(static_cast<unsigned long long>(width) * picture.y / picture.x));
}

WindowFrontEnd::WindowFrontEnd()
    : m_title(WINDOW_TITLE_DEFAULT), m_vertices(sf::PrimitiveType::Triangles),
      m_ink(std::make_unique<InkGrid>(WINDOW_HORIZONTAL_PIXELS_DEFAULT, WINDOW_VERTICAL_PIXELS_DEFAULT))
{
}

WindowFrontEnd::~WindowFrontEnd() = default;

int WindowFrontEnd::open()
{
    if (m_window)
    {
        return 0;
    }
    routeSfmlErrorsToLog();
    const sf::Vector2u picture = picturePixels();
    // The window opens first and then takes the size that fits the screen: reading the
    // screen's size with no window open would close the last connection to the display
    // server, which a server may answer by resetting itself.
    m_fullscreen = false;
    m_switching_window = false;
    if (!xDisplayOpens())
    {
        const char* name = std::getenv("DISPLAY");
        const std::string which = name != nullptr && *name != '\0'
                                      ? "the X display '" + std::string(name) + "' does not open"
                                      : "DISPLAY is not set";
        LogManager::getInstance().writeProblem("no display: " + which +
                                               " (OSTREL_FRONT_END=headless runs without one)");
        return -1;
    }
    openWindow(picture);
    const sf::Vector2u screen = screenSize();
    m_windowed_size = fittedWindowSize(screen, picture);
    if (m_windowed_size.x == 0 || m_windowed_size.y == 0)
    {
        m_windowed_size = picture;
    }
    if (m_windowed_size != picture)
    {
        m_window->setSize(m_windowed_size);
        centreWindow();
        refreshLayout();
    }

    return loadFont();
}

int WindowFrontEnd::loadFont()
{
    const LogManager& log = LogManager::getInstance();
    const std::string& named = DisplayManager::getInstance().getFontFile();
    const std::string file = findFontFile(named);
    if (file.empty())
    {
        std::string tried;
        for (const std::string& place : fontSearchPath(named))
        {
            tried += (tried.empty() ? "'" : ", '") + place + "'";
        }
        log.writeProblem("no font found: looked for " + tried);
        return -1;
    }
#if SFML_VERSION_MAJOR >= 3
    const bool font_loaded = m_font.openFromFile(std::filesystem::path(file));
#else
    const bool font_loaded = m_font.loadFromFile(file);
#endif
    if (!font_loaded)
    {
        log.writeProblem("the font '" + file + "' could not be read as a font");
        return -1;
    }
    return 0;
}

void WindowFrontEnd::close()
{
    m_vertices.clear();
    m_ink->clear();
    m_font = sf::Font();
    if (m_window)
    {
        m_window->close();
        m_window.reset();
    }
}

void WindowFrontEnd::openWindow(sf::Vector2u size)
{
    const sf::String title(m_title);
    // The old window goes first: two windows of one game must never be on screen together.
    m_window.reset();
#if SFML_VERSION_MAJOR >= 3
    const sf::State state = m_fullscreen ? sf::State::Fullscreen : sf::State::Windowed;
    m_window = std::make_unique<sf::RenderWindow>(sf::VideoMode(size, 32), title, sf::Style::Default, state,
                                                  sf::ContextSettings());
#else
    const auto style = m_fullscreen ? sf::Style::Fullscreen : sf::Style::Default;
    m_window =
        std::make_unique<sf::RenderWindow>(sf::VideoMode(size.x, size.y, 32), title, style, sf::ContextSettings());
#endif
    m_window->setMouseCursorVisible(false);
    m_window->setVerticalSyncEnabled(true);
    m_window->setKeyRepeatEnabled(m_key_repeat);
    applyIcon();
    if (!m_fullscreen)
    {
        centreWindow();
    }
    m_layout_size = sf::Vector2u();
    refreshLayout();
    m_needs_paint = true;
    clearBackBuffer();
}

void WindowFrontEnd::centreWindow()
{
    const sf::Vector2i screen(screenSize());
    const sf::Vector2i size(m_window->getSize());
    m_window->setPosition(sf::Vector2i((screen.x - size.x) / 2, (screen.y - size.y) / 2));
}

void WindowFrontEnd::setFullscreen(bool fullscreen)
{
    if (!m_window || fullscreen == m_fullscreen)
    {
        return;
    }
    if (fullscreen)
    {
        m_windowed_size = m_window->getSize();
    }
    m_fullscreen = fullscreen;
    const sf::Vector2u screen = screenSize();
    m_vertices.clear();
    m_switching_window = true;
    openWindow(m_fullscreen ? screen : m_windowed_size);
}

void WindowFrontEnd::setKeyRepeatEnabled(bool enabled)
{
    m_key_repeat = enabled;
    if (m_window)
    {
        m_window->setKeyRepeatEnabled(enabled);
    }
}

void WindowFrontEnd::refreshLayout()
{
    if (!m_window || m_window->getSize() == m_layout_size)
    {
        return;
    }
    m_layout_size = m_window->getSize();
    const float width = static_cast<float>(m_layout_size.x);
    const float height = static_cast<float>(m_layout_size.y);
    const float picture_width = static_cast<float>(picturePixels().x);
    const float picture_height = static_cast<float>(picturePixels().y);
    m_scale = std::min(width / picture_width, height / picture_height);
    // Whole pixels, so that a whole scale keeps the cells on the same pixel boundaries.
    m_offset = sf::Vector2f(std::floor((width - picture_width * m_scale) / 2.0f),
                            std::floor((height - picture_height * m_scale) / 2.0f));
#if SFML_VERSION_MAJOR >= 3
    m_window->setView(sf::View(sf::FloatRect({0.0f, 0.0f}, {width, height})));
#else
    m_window->setView(sf::View(sf::FloatRect(0.0f, 0.0f, width, height)));
#endif
    *m_ink = InkGrid(static_cast<int>(m_layout_size.x), static_cast<int>(m_layout_size.y));
    // Glyphs rasterised for the old size are of no more use.
    m_vertices.clear();
    m_needs_paint = true;
}

void WindowFrontEnd::setTitle(const std::string& title)
{
    m_title = title;
    if (m_window)
    {
        m_window->setTitle(sf::String(m_title));
    }
}

int WindowFrontEnd::setIcon(const std::string& file)
{
    sf::Image icon;
#if SFML_VERSION_MAJOR >= 3
    const bool loaded = icon.loadFromFile(std::filesystem::path(file));
#else
    const bool loaded = icon.loadFromFile(file);
#endif
    if (!loaded || icon.getSize().x == 0 || icon.getSize().y == 0)
    {
        return -1;
    }
    m_icon = icon;
    applyIcon();
    return 0;
}

void WindowFrontEnd::applyIcon()
{
    if (!m_window || m_icon.getSize().x == 0)
    {
        return;
    }
#if SFML_VERSION_MAJOR >= 3
    m_window->setIcon(m_icon);
#else
    m_window->setIcon(m_icon.getSize().x, m_icon.getSize().y, m_icon.getPixelsPtr());
#endif
}

void WindowFrontEnd::addCharacter(Vector world_pos, char ch, const Ink& ink)
{
    const Vector pixel_pos = spacesToPixels(world_pos);
    const sf::Vector2f origin(m_offset.x + m_scale * pixel_pos.getX(), m_offset.y + m_scale * pixel_pos.getY());
    const float cell_width = m_scale * charWidth();
    const float cell_height = m_scale * charHeight();

    // The cell's opaque rectangle, a tenth of a cell left of and a fifth below the glyph's
    // origin. The frame starts black, so a black one changes only the parts of glyphs drawn
    // earlier that it covers: those parts are painted black, in the order the rectangle would
    // have been. A background is painted whole, and is ink a later black rectangle covers.
    const float left = origin.x - cell_width / 10.0f;
    const float top = origin.y + cell_height / 5.0f;
    const InkGrid::Rect cell{left, top, left + cell_width, top + cell_height};
    const sf::Vector2f white_texel(1.0f, 1.0f);
    if (ink.background)
    {
        appendQuad(m_vertices, sf::Vector2f(cell.left, cell.top), sf::Vector2f(cell.right, cell.bottom), white_texel,
                   white_texel, sfColor(*ink.background));
        m_ink->mark(cell);
    }
    else
    {
        for (const InkGrid::Rect& overlap : m_ink->overlaps(cell))
        {
            appendQuad(m_vertices, sf::Vector2f(overlap.left, overlap.top), sf::Vector2f(overlap.right, overlap.bottom),
                       white_texel, white_texel, sf::Color(0, 0, 0, 255));
        }
    }

    const unsigned size = getCharacterSize();
    const sf::Glyph& glyph = m_font.getGlyph(static_cast<unsigned char>(ch), size, true);
    if (!drawsNoGlyph(ch, glyph))
    {
        const GlyphQuad quad = glyphQuad(glyph, static_cast<float>(size));
        const sf::Vector2f p1 = origin + quad.p1;
        const sf::Vector2f p2 = origin + quad.p2;
        appendQuad(m_vertices, p1, p2, quad.uv1, quad.uv2, sfColor(foregroundRgb(ink)));
        m_ink->mark(InkGrid::Rect{p1.x, p1.y, p2.x, p2.y});
    }
}

void WindowFrontEnd::paint(const std::vector<DrawCall>& calls, std::size_t first)
{
    refreshLayout();
    for (std::size_t i = first; i < calls.size(); ++i)
    {
        addCharacter(calls[i].position, calls[i].ch, calls[i]);
    }
    if (m_vertices.getVertexCount() > 0)
    {
        m_window->draw(m_vertices, sf::RenderStates(&m_font.getTexture(getCharacterSize())));
        m_vertices.clear();
    }
}

void WindowFrontEnd::paintOverlay(const CellGrid& grid, const Overlay& overlay)
{
    std::vector<DrawCall> calls;
    for (const OverlayText& line : overlay.getTexts())
    {
        for (std::size_t i = 0; i < line.text.size(); ++i)
        {
            const int col = line.col + static_cast<int>(i);
            if (col >= 0 && col < grid.getColumns() && line.row >= 0 && line.row < grid.getRows())
            {
                calls.push_back(
                    DrawCall{Vector(static_cast<float>(col), static_cast<float>(line.row)), line.text[i], line.color});
            }
        }
    }
    paint(calls, 0);
}

void WindowFrontEnd::clearBackBuffer()
{
    m_window->clear(WINDOW_BACKGROUND_COLOR_DEFAULT);
    m_ink->clear();
    m_vertices.clear();
    m_captured_calls = 0;
}

void WindowFrontEnd::present(const CellGrid& grid, const Overlay& overlay)
{
    if (!m_window)
    {
        return;
    }
    refreshLayout();
    const bool unchanged = grid.isShownUnchanged() && overlay.getVersion() == m_painted_overlay;
    if (unchanged && !m_needs_paint && m_since_paint.split() < REPAINT_INTERVAL)
    {
        // What capture() painted of the frame is of no more use.
        if (m_captured_calls > 0)
        {
            clearBackBuffer();
        }
        return;
    }
    clearBackBuffer();
    paint(grid.shownCalls(), 0);
    paintOverlay(grid, overlay);
    m_window->display();
    clearBackBuffer();
    m_needs_paint = false;
    m_painted_overlay = overlay.getVersion();
    m_since_paint.delta();
    ++m_paint_count;
}

unsigned WindowFrontEnd::getCharacterSize() const
{
    const long size = std::lround(static_cast<float>(baseGlyphSize()) * m_scale);
    return size < 1 ? 1u : static_cast<unsigned>(size);
}

sf::Image WindowFrontEnd::capture(const CellGrid& grid)
{
    if (!m_window)
    {
        return sf::Image();
    }
    // The back buffer holds what earlier captures of this frame painted: only the rest is added.
    const std::vector<DrawCall>& calls = grid.drawnCalls();
    if (m_captured_calls > calls.size())
    {
        clearBackBuffer();
    }
    paint(calls, m_captured_calls);
    m_captured_calls = calls.size();
    sf::Texture texture;
#if SFML_VERSION_MAJOR >= 3
    if (!texture.resize(m_window->getSize()))
    {
        return sf::Image();
    }
#else
    if (!texture.create(m_window->getSize().x, m_window->getSize().y))
    {
        return sf::Image();
    }
#endif
    texture.update(*m_window);
    return texture.copyToImage();
}

} // namespace ostrel
