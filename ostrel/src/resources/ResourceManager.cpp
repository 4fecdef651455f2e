#include "ostrel/resources/ResourceManager.h"

#include "ostrel/core/LogManager.h"
#include "ostrel/graphics/Sprite.h"
#include "ostrel/world/Object.h"
#include "ostrel/world/utility.h"

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <limits>
#include <memory>
#include <utility>

namespace ostrel
{

namespace
{

const char* const HEADER_MESSAGES[4] = {
    "Error line 1. Malformed frame count value.",
    "Error line 2. Malformed width value.",
    "Error line 3. Malformed height value.",
    "Error line 4. Malformed slowdown value.",
};

// The value of a header line as atoi reads it (leading blanks, a sign, digits up to the
// first non-digit), or 0 when it is malformed: no digits, negative, or beyond an int.
int readHeaderValue(const std::string& line)
{
    const char* text = line.c_str();
    char* end = nullptr;
    errno = 0;
    const long long value = std::strtoll(text, &end, 10);
    if (end == text || errno == ERANGE || value < 0 || value > std::numeric_limits<int>::max())
    {
        return 0;
    }
    return static_cast<int>(value);
}

// A colour name in lower case, or "#RRGGBB".
bool readForeground(const std::string& text, Ink& ink)
{
    static const char* const NAMES[8] = {"black", "red", "green", "yellow", "blue", "magenta", "cyan", "white"};
    for (int i = 0; i < 8; ++i)
    {
        if (text == NAMES[i])
        {
            ink = Ink(static_cast<Color>(BLACK + i));
            return true;
        }
    }
    Rgb rgb;
    if (rgbFromHex(text, rgb))
    {
        ink = Ink(rgb);
        return true;
    }
    return false;
}

// Line 5: a colour, or a colour then " on #RRGGBB" for the background.
bool readColor(const std::string& line, Ink& ink)
{
    const std::string on = " on ";
    const std::size_t split = line.find(on);
    if (split == std::string::npos)
    {
        return readForeground(line, ink);
    }
    Rgb background;
    if (!readForeground(line.substr(0, split), ink) || !rgbFromHex(line.substr(split + on.size()), background))
    {
        return false;
    }
    ink.background = background;
    return true;
}

// Lines 1 to 5 of a sprite file.
struct SpriteHeader
{
    int frames = 0;
    int width = 0;
    int height = 0;
    int slowdown = 0;
    Ink ink = COLOR_DEFAULT;
};

// The file's next line, less a trailing carriage return.
std::string readLine(std::istream& file)
{
    std::string line;
    std::getline(file, line);
    discardCR(line);
    return line;
}

// Reads the frame count, width, height, slowdown and colour; false once the first malformed
// line is logged.
bool readSpriteHeader(std::istream& file, SpriteHeader& header)
{
    const LogManager& log = LogManager::getInstance();
    int* const values[4] = {&header.frames, &header.width, &header.height, &header.slowdown};
    for (int i = 0; i < 4; ++i)
    {
        const std::string line = readLine(file);
        int value = readHeaderValue(line);
        if (i == 0 && value > MAX_SPRITE_FRAMES)
        {
            value = 0;
        }
        if (value == 0)
        {
            log.writeLog("%s", HEADER_MESSAGES[i]);
            log.writeLog("Line is: \"%s\"", line.c_str());
            return false;
        }
        *values[i] = value;
    }
    const std::string color_line = readLine(file);
    if (!readColor(color_line, header.ink))
    {
        log.writeLog("Error line 5. Malformed color value.");
        log.writeLog("Line is: \"%s\"", color_line.c_str());
        return false;
    }
    return true;
}

// Reads the frames the header announces into a new sprite; null once the first malformed row
// is logged. The frame count is capped by the header, and rows are checked against the file's
// own lines before any frame is sized from the width and height.
std::unique_ptr<Sprite> readSpriteFrames(std::istream& file, const SpriteHeader& header)
{
    const LogManager& log = LogManager::getInstance();
    auto sprite = std::make_unique<Sprite>(header.frames);
    sprite->setWidth(header.width);
    sprite->setHeight(header.height);
    sprite->setSlowdown(header.slowdown);
    sprite->setInk(header.ink);
    std::string rows;
    for (int i = 1; i <= header.frames; ++i)
    {
        rows.clear();
        for (int j = 1; j <= header.height; ++j)
        {
            const long long line_number = 5 + static_cast<long long>(i - 1) * header.height + j;
            const std::string line = readLine(file);
            if (line.empty())
            {
                log.writeLog("Error line %lld. No line read.", line_number);
                return nullptr;
            }
            if (line.size() != static_cast<std::size_t>(header.width))
            {
                log.writeLog("Error line %lld. Line width %zu, expected %d.", line_number, line.size(), header.width);
                log.writeLog("Line is: \"%s\"", line.c_str());
                return nullptr;
            }
            rows += line;
        }
        sprite->addFrame(Frame(header.width, header.height, rows));
    }
    return sprite;
}

// Loads a sound or music file into the first free slot, logging as the sprite loader does.
// `kind` is "Sound" or "Music". Slots below `count` that hold nothing (unloaded, or a failed
// load) are taken first; the others never move, so a pointer handed out keeps its resource.
template <typename Slot, std::size_t N>
int loadSlot(std::array<Slot, N>& slots, int& count, const char* kind, const std::string& filename,
             const std::string& label, int (Slot::*load)(std::string))
{
    const LogManager& log = LogManager::getInstance();
    int index = 0;
    while (index < count && slots[static_cast<std::size_t>(index)].isLoaded())
    {
        ++index;
    }
    if (index == static_cast<int>(N))
    {
        log.writeLog("%s array full.", kind);
        log.writeLog("%s '%s' not loaded.", kind, label.c_str());
        return -1;
    }
    Slot& slot = slots[static_cast<std::size_t>(index)];
    if ((slot.*load)(filename) != 0)
    {
        log.writeLog("Error: '%s' could not be loaded.", filename.c_str());
        log.writeLog("%s '%s' not loaded.", kind, label.c_str());
        return -1;
    }
    slot.setLabel(label);
    if (index == count)
    {
        ++count;
    }
    log.writeLog("%s '%s' loaded.", kind, label.c_str());
    return 0;
}

// The first of the slots in use with the label, or null.
template <typename Slot, std::size_t N>
Slot* findSlot(std::array<Slot, N>& slots, int count, const std::string& label)
{
    for (int i = 0; i < count; ++i)
    {
        Slot& slot = slots[static_cast<std::size_t>(i)];
        if (slot.isLoaded() && slot.getLabel() == label)
        {
            return &slot;
        }
    }
    return nullptr;
}

} // namespace

ResourceManager::ResourceManager() : m_sprites{}, m_sprite_count(0), m_sound_count(0), m_music_count(0)
{
    setType("ResourceManager");
}

ResourceManager::~ResourceManager()
{
    for (int i = 0; i < m_sprite_count; ++i)
    {
        delete m_sprites[static_cast<std::size_t>(i)];
    }
}

ResourceManager& ResourceManager::getInstance()
{
    static ResourceManager single;
    return single;
}

int ResourceManager::startUp()
{
    if (!LogManager::getInstance().isStarted())
    {
        return -1;
    }
    Object::setSpriteLookup([](const std::string& label) { return getInstance().getSprite(label); });
    m_sprite_count = 0;
    m_sound_count = 0;
    m_music_count = 0;
    return Manager::startUp();
}

void ResourceManager::shutDown()
{
    for (int i = 0; i < m_sprite_count; ++i)
    {
        delete m_sprites[static_cast<std::size_t>(i)];
        m_sprites[static_cast<std::size_t>(i)] = nullptr;
    }
    m_sprite_count = 0;
    for (int i = 0; i < m_sound_count; ++i)
    {
        m_sounds[static_cast<std::size_t>(i)] = Sound();
    }
    m_sound_count = 0;
    m_music_count = 0;
    Manager::shutDown();
}

std::string ResourceManager::dataPath(const std::string& filename) const
{
    const std::filesystem::path path(filename);
    return m_data_folder.empty() || path.is_absolute() ? filename : (m_data_folder / path).string();
}

int ResourceManager::loadSprite(std::string filename, std::string label)
{
    if (!isStarted())
    {
        return -1;
    }
    const LogManager& log = LogManager::getInstance();
    if (m_sprite_count == MAX_SPRITES)
    {
        log.writeLog("Sprite array full.");
        log.writeLog("Sprite '%s' not loaded.", label.c_str());
        return -1;
    }
    log.writeLog("Loading '%s' from file '%s'.", label.c_str(), filename.c_str());

    const std::string path = dataPath(filename);
    std::ifstream file(path);
    if (!file.is_open())
    {
        log.writeLog("Error: '%s' could not be opened.", path.c_str());
        log.writeLog("Sprite '%s' not loaded.", label.c_str());
        return -1;
    }

    SpriteHeader header;
    std::unique_ptr<Sprite> sprite;
    if (!readSpriteHeader(file, header) || !(sprite = readSpriteFrames(file, header)))
    {
        log.writeLog("Sprite '%s' not loaded.", label.c_str());
        return -1;
    }
    sprite->setLabel(label);
    m_sprites[static_cast<std::size_t>(m_sprite_count)] = sprite.release();
    ++m_sprite_count;
    log.writeLog("Sprite '%s' loaded.", label.c_str());
    return 0;
}

int ResourceManager::unloadSprite(std::string label)
{
    for (int i = 0; i < m_sprite_count; ++i)
    {
        if (m_sprites[static_cast<std::size_t>(i)]->getLabel() == label)
        {
            delete m_sprites[static_cast<std::size_t>(i)];
            for (int j = i; j < m_sprite_count - 1; ++j)
            {
                m_sprites[static_cast<std::size_t>(j)] = m_sprites[static_cast<std::size_t>(j + 1)];
            }
            --m_sprite_count;
            m_sprites[static_cast<std::size_t>(m_sprite_count)] = nullptr;
            return 0;
        }
    }
    return -1;
}

Sprite* ResourceManager::getSprite(std::string label) const
{
    for (int i = 0; i < m_sprite_count; ++i)
    {
        if (m_sprites[static_cast<std::size_t>(i)]->getLabel() == label)
        {
            return m_sprites[static_cast<std::size_t>(i)];
        }
    }
    return nullptr;
}

int ResourceManager::loadSound(std::string filename, std::string label)
{
    if (!isStarted())
    {
        return -1;
    }
    return loadSlot(m_sounds, m_sound_count, "Sound", dataPath(filename), label, &Sound::loadSound);
}

int ResourceManager::unloadSound(std::string label)
{
    Sound* sound = getSound(std::move(label));
    if (!sound)
    {
        return -1;
    }
    // The slot is emptied where it is, for the next load to take; no other sound moves.
    *sound = Sound();
    return 0;
}

Sound* ResourceManager::getSound(std::string label)
{
    return findSlot(m_sounds, m_sound_count, label);
}

int ResourceManager::loadMusic(std::string filename, std::string label)
{
    if (!isStarted())
    {
        return -1;
    }
    return loadSlot(m_musics, m_music_count, "Music", dataPath(filename), label, &Music::loadMusic);
}

int ResourceManager::unloadMusic(std::string label)
{
    Music* music = getMusic(std::move(label));
    if (!music)
    {
        return -1;
    }
    music->setLabel("");
    return 0;
}

Music* ResourceManager::getMusic(std::string label)
{
    return findSlot(m_musics, m_music_count, label);
}

} // namespace ostrel
