#include "ostrel/frontend/WebFrontEnd.h"

#include "frontend/Palette.h"
#include "ostrel/audio/AudioOutput.h"
#include "ostrel/core/LogManager.h"
#include "ostrel/graphics/CellGrid.h"
#include "ostrel/graphics/DisplayManager.h"
#include "ostrel/graphics/Overlay.h"

#include <emscripten.h>
#include <emscripten/html5.h>

#include <cstring>

namespace ostrel
{

namespace
{

const char* const CANVAS = "#canvas";
const char* const SOUND_HINT_KEY = "web-sound-hint";
const char* const SOUND_HINT = "Click or press a key for sound";
const int SOUND_HINT_ROW = 21;

// The page keeps its own copy of the cells, so that it can draw the whole picture again after
// a resize or once the font has loaded; the engine sends only the cells that changed.
// clang-format off
EM_JS(int, webHasPage, (), {
    return (typeof document !== 'undefined' && document.getElementById('canvas')) ? 1 : 0;
});

EM_JS(void, webOpen, (int columns, int rows, int width_pixels, int height_pixels, const char* font_file), {
    var canvas = document.getElementById('canvas');
    var web = {
        canvas: canvas,
        context: canvas.getContext('2d', {alpha: false}),
        columns: columns,
        rows: rows,
        aspect: width_pixels / height_pixels,
        chars: new Uint8Array(columns * rows).fill(32),
        colors: new Int32Array(columns * rows).fill(0xffffff),
        family: 'ostrel-grid',
        fontReady: false,
    };
    Module.ostrelWeb = web;
    // Paints a row's band of the canvas again: black, then the glyphs of the rows beside it
    // too, whose ascenders and descenders reach into it.
    web.paintRow = function(row) {
        var ctx = web.context;
        var top = Math.floor(row * web.cellHeight);
        var bottom = Math.floor((row + 1) * web.cellHeight);
        ctx.save();
        ctx.beginPath();
        ctx.rect(0, top, web.canvas.width, bottom - top);
        ctx.clip();
        ctx.fillStyle = '#000';
        ctx.fillRect(0, top, web.canvas.width, bottom - top);
        if (web.fontReady) {
            ctx.font = web.glyphSize + 'px ' + web.family;
            ctx.textBaseline = 'alphabetic';
            for (var near = Math.max(0, row - 1); near <= Math.min(web.rows - 1, row + 1); ++near) {
                for (var col = 0; col < web.columns; ++col) {
                    var i = near * web.columns + col;
                    var ch = web.chars[i];
                    if (ch > 32 && ch < 127) {
                        ctx.fillStyle = '#' + (web.colors[i] | 0x1000000).toString(16).slice(1);
                        // As the window draws: the baseline one glyph size below the cell's top.
                        ctx.fillText(String.fromCharCode(ch), col * web.cellWidth, near * web.cellHeight + web.glyphSize);
                    }
                }
            }
        }
        ctx.restore();
    };
    web.paintAll = function() {
        for (var row = 0; row < web.rows; ++row) {
            web.paintRow(row);
        }
        web.noteFirstPaint();
    };
    // When the page first showed glyphs, in milliseconds since it began to load: what a
    // player waits for.
    web.noteFirstPaint = function() {
        if (web.fontReady && web.firstPaint === undefined && web.chars.some(function(ch) { return ch > 32; })) {
            web.firstPaint = performance.now();
        }
    };
    // The largest box of the picture's shape in the page, centred by the page's style, in
    // device pixels so that glyphs stay sharp.
    web.layout = function() {
        var ratio = window.devicePixelRatio || 1;
        var width = Math.min(window.innerWidth, window.innerHeight * web.aspect);
        var height = width / web.aspect;
        web.canvas.style.width = width + 'px';
        web.canvas.style.height = height + 'px';
        web.canvas.width = Math.max(1, Math.round(width * ratio));
        web.canvas.height = Math.max(1, Math.round(height * ratio));
        web.cellWidth = web.canvas.width / web.columns;
        web.cellHeight = web.canvas.height / web.rows;
        web.glyphSize = 2 * Math.min(web.cellWidth, web.cellHeight);
        web.paintAll();
    };
    window.addEventListener('resize', web.layout);
    web.layout();
    var file = UTF8ToString(font_file);
    try {
        var face = new FontFace(web.family, FS.readFile(file));
        face.load().then(function(loaded) {
            document.fonts.add(loaded);
            web.fontReady = true;
            web.paintAll();
        }, function(error) { console.error('The font "' + file + '" cannot be used: ' + error); });
    } catch (error) {
        console.error('The font "' + file + '" cannot be read: ' + error);
    }
});

EM_JS(void, webDraw, (const int* changes, int count), {
    var web = Module.ostrelWeb;
    var rows = new Set();
    for (var k = 0; k < count; ++k) {
        var i = HEAP32[(changes >> 2) + 3 * k];
        web.chars[i] = HEAP32[(changes >> 2) + 3 * k + 1];
        web.colors[i] = HEAP32[(changes >> 2) + 3 * k + 2];
        var row = Math.floor(i / web.columns);
        rows.add(row - 1).add(row).add(row + 1);
    }
    rows.forEach(function(row) {
        if (row >= 0 && row < web.rows) {
            web.paintRow(row);
        }
    });
    web.noteFirstPaint();
});

EM_JS(void, webUnlockAudio, (), {
    if (Module.ostrelAudio) {
        Module.ostrelAudio.unlock();
    }
});

EM_JS(void, webSetTitle, (const char* title), {
    document.title = UTF8ToString(title);
});

EM_JS(void, webSetFullscreen, (int fullscreen), {
    if (fullscreen && !document.fullscreenElement && document.documentElement.requestFullscreen) {
        document.documentElement.requestFullscreen().catch(function(error) {
            console.log('Full screen was refused: ' + error);
        });
    } else if (!fullscreen && document.fullscreenElement) {
        document.exitFullscreen();
    }
});

EM_JS(int, webIsFullscreen, (), {
    return document.fullscreenElement ? 1 : 0;
});
// clang-format on

InputRecord plainInput(InputKind kind)
{
    InputRecord input;
    input.kind = kind;
    return input;
}

// The keys the game plays with, by the browser's key code; UNDEFINED_KEY for the rest, which
// stay the browser's.
Keyboard::Key keyFromCode(const char* code)
{
    static const struct
    {
        const char* code;
        Keyboard::Key key;
    } KEYS[] = {{"Space", Keyboard::SPACE}, {"KeyQ", Keyboard::Q},        {"KeyP", Keyboard::P},
                {"KeyM", Keyboard::M},      {"Escape", Keyboard::ESCAPE}, {"F11", Keyboard::F11}};
    for (const auto& entry : KEYS)
    {
        if (std::strcmp(code, entry.code) == 0)
        {
            return entry.key;
        }
    }
    return Keyboard::UNDEFINED_KEY;
}

// A point on the canvas, in its CSS pixels, in cells.
Vector cellsAt(double x, double y)
{
    double width = 0.0;
    double height = 0.0;
    emscripten_get_element_css_size(CANVAS, &width, &height);
    const DisplayManager& display = DisplayManager::getInstance();
    if (width <= 0.0 || height <= 0.0)
    {
        return Vector(-1.0f, -1.0f);
    }
    return Vector(static_cast<float>(x * display.getHorizontal() / width),
                  static_cast<float>(y * display.getVertical() / height));
}

EM_BOOL onKey(int type, const EmscriptenKeyboardEvent* event, void* front_end)
{
    if (type == EMSCRIPTEN_EVENT_KEYDOWN)
    {
        static_cast<WebFrontEnd*>(front_end)->gesture();
    }
    const Keyboard::Key key = keyFromCode(event->code);
    if (key == Keyboard::UNDEFINED_KEY)
    {
        return EM_FALSE;
    }
    if (!event->repeat)
    {
        InputRecord input =
            plainInput(type == EMSCRIPTEN_EVENT_KEYDOWN ? InputKind::KEY_PRESS : InputKind::KEY_RELEASE);
        input.key = key;
        static_cast<WebFrontEnd*>(front_end)->push(input);
    }
    return EM_TRUE;
}

EM_BOOL onMouse(int type, const EmscriptenMouseEvent* event, void* front_end)
{
    InputRecord input = plainInput(type == EMSCRIPTEN_EVENT_MOUSEDOWN ? InputKind::MOUSE_CLICK : InputKind::MOUSE_MOVE);
    input.position = cellsAt(event->targetX, event->targetY);
    if (input.kind == InputKind::MOUSE_CLICK)
    {
        static_cast<WebFrontEnd*>(front_end)->gesture();
        input.button = event->button == 0 ? Mouse::LEFT : event->button == 2 ? Mouse::RIGHT : Mouse::MIDDLE;
    }
    static_cast<WebFrontEnd*>(front_end)->push(input);
    return EM_FALSE;
}

// A tap is a move of the "+" there and a left click; the browser then makes no mouse events of it.
EM_BOOL onTouch(int, const EmscriptenTouchEvent* event, void* front_end)
{
    static_cast<WebFrontEnd*>(front_end)->gesture();
    for (int i = 0; i < event->numTouches; ++i)
    {
        if (!event->touches[i].isChanged)
        {
            continue;
        }
        InputRecord input = plainInput(InputKind::MOUSE_MOVE);
        input.position = cellsAt(event->touches[i].targetX, event->touches[i].targetY);
        static_cast<WebFrontEnd*>(front_end)->push(input);
        input.kind = InputKind::MOUSE_CLICK;
        input.button = Mouse::LEFT;
        static_cast<WebFrontEnd*>(front_end)->push(input);
    }
    return EM_TRUE;
}

EM_BOOL onFocus(int type, const EmscriptenFocusEvent*, void* front_end)
{
    static_cast<WebFrontEnd*>(front_end)->push(
        plainInput(type == EMSCRIPTEN_EVENT_BLUR ? InputKind::FOCUS_LOST : InputKind::FOCUS_GAINED));
    return EM_FALSE;
}

EM_BOOL onVisibility(int, const EmscriptenVisibilityChangeEvent* event, void* front_end)
{
    if (event->hidden)
    {
        static_cast<WebFrontEnd*>(front_end)->push(plainInput(InputKind::FOCUS_LOST));
    }
    return EM_FALSE;
}

// Sets or, with a null front end, removes every handler.
void listen(WebFrontEnd* front_end)
{
    const char* window = EMSCRIPTEN_EVENT_TARGET_WINDOW;
    emscripten_set_keydown_callback(window, front_end, EM_TRUE, front_end ? onKey : nullptr);
    emscripten_set_keyup_callback(window, front_end, EM_TRUE, front_end ? onKey : nullptr);
    emscripten_set_mousedown_callback(CANVAS, front_end, EM_TRUE, front_end ? onMouse : nullptr);
    emscripten_set_mousemove_callback(CANVAS, front_end, EM_TRUE, front_end ? onMouse : nullptr);
    emscripten_set_touchstart_callback(CANVAS, front_end, EM_TRUE, front_end ? onTouch : nullptr);
    emscripten_set_blur_callback(window, front_end, EM_TRUE, front_end ? onFocus : nullptr);
    emscripten_set_focus_callback(window, front_end, EM_TRUE, front_end ? onFocus : nullptr);
    emscripten_set_visibilitychange_callback(front_end, EM_TRUE, front_end ? onVisibility : nullptr);
}

} // namespace

WebFrontEnd::WebFrontEnd() = default;

WebFrontEnd::~WebFrontEnd()
{
    close();
}

bool WebFrontEnd::hasPage()
{
    return webHasPage() != 0;
}

int WebFrontEnd::open()
{
    if (!hasPage())
    {
        LogManager::getInstance().writeLog("Cannot play in the browser: the page has no canvas.");
        return -1;
    }
    const DisplayManager& display = DisplayManager::getInstance();
    m_columns = display.getHorizontal();
    m_rows = display.getVertical();
    m_shown.assign(static_cast<std::size_t>(m_columns * m_rows), Cell{});
    m_drawn_once = false;
    const std::string font = display.getFontFile().empty() ? FONT_FILE_DEFAULT : display.getFontFile();
    webOpen(m_columns, m_rows, display.getHorizontalPixels(), display.getVerticalPixels(), font.c_str());
    webSetTitle(display.getTitle().c_str());
    listen(this);
    m_open = true;
    if (!m_heard_gesture && !isSilentAudio())
    {
        const int col = (m_columns - static_cast<int>(std::strlen(SOUND_HINT))) / 2;
        DisplayManager::getInstance().getOverlay().setText(SOUND_HINT_KEY, col, SOUND_HINT_ROW, SOUND_HINT);
    }
    return 0;
}

void WebFrontEnd::close()
{
    if (!m_open)
    {
        return;
    }
    listen(nullptr);
    m_pending.clear();
    m_open = false;
}

void WebFrontEnd::present(const CellGrid& grid, const Overlay& overlay)
{
    if (!m_open || (m_drawn_once && grid.isShownUnchanged() && overlay.getVersion() == m_overlay_version))
    {
        return;
    }
    m_drawn_once = true;
    m_overlay_version = overlay.getVersion();
    std::vector<int> changes;
    for (int row = 0; row < m_rows; ++row)
    {
        for (int col = 0; col < m_columns; ++col)
        {
            Cell cell;
            if (!overlay.cellAt(col, row, cell))
            {
                cell = grid.shownCell(col, row);
            }
            Cell& shown = m_shown[static_cast<std::size_t>(row * m_columns + col)];
            if (cell.ch == shown.ch && cell.color == shown.color)
            {
                continue;
            }
            shown = cell;
            const Rgb rgb = colorRgb(cell.color);
            changes.push_back(row * m_columns + col);
            changes.push_back(static_cast<unsigned char>(cell.ch));
            changes.push_back(rgb.red << 16 | rgb.green << 8 | rgb.blue);
        }
    }
    if (!changes.empty())
    {
        webDraw(changes.data(), static_cast<int>(changes.size() / 3));
    }
}

bool WebFrontEnd::pollInput(InputRecord& input)
{
    if (m_pending.empty())
    {
        return false;
    }
    input = m_pending.front();
    m_pending.pop_front();
    return true;
}

void WebFrontEnd::setTitle(const std::string& title)
{
    if (m_open)
    {
        webSetTitle(title.c_str());
    }
}

void WebFrontEnd::setFullscreen(bool fullscreen)
{
    webSetFullscreen(fullscreen ? 1 : 0);
}

bool WebFrontEnd::isFullscreen() const
{
    return webIsFullscreen() != 0;
}

void WebFrontEnd::gesture()
{
    if (m_heard_gesture || !m_open)
    {
        return;
    }
    m_heard_gesture = true;
    webUnlockAudio();
    DisplayManager::getInstance().getOverlay().clearText(SOUND_HINT_KEY);
}

void WebFrontEnd::push(const InputRecord& input)
{
    if (m_open)
    {
        m_pending.push_back(input);
    }
}

} // namespace ostrel
