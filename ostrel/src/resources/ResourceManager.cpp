#include "ostrel/resources/ResourceManager.h"

#include "ostrel/core/LogManager.h"
#include "ostrel/graphics/Sprite.h"
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

bool readColor(const std::string& name, Color& color)
{
    static const char* const NAMES[8] = {"black", "red", "green", "yellow", "blue", "magenta", "cyan", "white"};
    for (int i = 0; i < 8; ++i)
    {
        if (name == NAMES[i])
        {
            color = static_cast<Color>(BLACK + i);
            return true;
        }
    }
    return false;
}

// Loads a sound or music file into the next free slot, logging as the sprite loader does.
// `kind` is "Sound" or "Music".
template <typename Slot, std::size_t N>
int loadSlot(std::array<Slot, N>& slots, int& count, const char* kind, const std::string& filename,
             const std::string& label, int (Slot::*load)(std::string))
{
    const LogManager& log = LogManager::getInstance();
    if (count == static_cast<int>(N))
    {
        log.writeLog("%s array full.", kind);
        log.writeLog("%s '%s' not loaded.", kind, label.c_str());
        return -1;
    }
    Slot& slot = slots[static_cast<std::size_t>(count)];
    // A failed load leaves the count alone, so the slot is reused by the next load.
    if ((slot.*load)(filename) != 0)
    {
        log.writeLog("Error: '%s' could not be loaded.", filename.c_str());
        log.writeLog("%s '%s' not loaded.", kind, label.c_str());
        return -1;
    }
    slot.setLabel(label);
    ++count;
    log.writeLog("%s '%s' loaded.", kind, label.c_str());
    return 0;
}

// The first of the slots in use with the label, or null.
template <typename Slot, std::size_t N>
Slot* findSlot(std::array<Slot, N>& slots, int count, const std::string& label)
{
    for (int i = 0; i < count; ++i)
    {
        if (slots[static_cast<std::size_t>(i)].getLabel() == label)
        {
            return &slots[static_cast<std::size_t>(i)];
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
    m_sound_count = 0;
    m_music_count = 0;
    Manager::shutDown();
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

    std::ifstream file(filename);
    if (!file.is_open())
    {
        log.writeLog("Error: '%s' could not be opened.", filename.c_str());
        log.writeLog("Sprite '%s' not loaded.", label.c_str());
        return -1;
    }

    // Lines 1 to 4: frame count, width, height, slowdown.
    int header[4] = {0, 0, 0, 0};
    for (int i = 0; i < 4; ++i)
    {
        std::string line;
        std::getline(file, line);
        discardCR(line);
        header[i] = readHeaderValue(line);
        if (i == 0 && header[i] > MAX_SPRITE_FRAMES)
        {
            header[i] = 0;
        }
        if (header[i] == 0)
        {
            log.writeLog("%s", HEADER_MESSAGES[i]);
            log.writeLog("Line is: \"%s\"", line.c_str());
            log.writeLog("Sprite '%s' not loaded.", label.c_str());
            return -1;
        }
    }
    const int frames = header[0];
    const int width = header[1];
    const int height = header[2];
    const int slowdown = header[3];

    std::string color_line;
    std::getline(file, color_line);
    discardCR(color_line);
    Color color = COLOR_DEFAULT;
    if (!readColor(color_line, color))
    {
        log.writeLog("Error line 5. Malformed color value.");
        log.writeLog("Line is: \"%s\"", color_line.c_str());
        log.writeLog("Sprite '%s' not loaded.", label.c_str());
        return -1;
    }

    // The frame count is capped above, and rows are checked against the file's own lines
    // before any frame is sized from the width and height.
    auto sprite = std::make_unique<Sprite>(frames);
    sprite->setWidth(width);
    sprite->setHeight(height);
    sprite->setSlowdown(slowdown);
    sprite->setColor(color);
    std::string rows;
    for (int i = 1; i <= frames; ++i)
    {
        rows.clear();
        for (int j = 1; j <= height; ++j)
        {
            const long long line_number = 5 + static_cast<long long>(i - 1) * height + j;
            std::string line;
            std::getline(file, line);
            discardCR(line);
            if (line.empty())
            {
                log.writeLog("Error line %lld. No line read.", line_number);
                log.writeLog("Sprite '%s' not loaded.", label.c_str());
                return -1;
            }
            if (line.size() != static_cast<std::size_t>(width))
            {
                log.writeLog("Error line %lld. Line width %zu, expected %d.", line_number, line.size(), width);
                log.writeLog("Line is: \"%s\"", line.c_str());
                log.writeLog("Sprite '%s' not loaded.", label.c_str());
                return -1;
            }
            rows += line;
        }
        sprite->addFrame(Frame(width, height, rows));
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
    return loadSlot(m_sounds, m_sound_count, "Sound", filename, label, &Sound::loadSound);
}

int ResourceManager::unloadSound(std::string label)
{
    for (int i = 0; i < m_sound_count; ++i)
    {
        if (m_sounds[static_cast<std::size_t>(i)].getLabel() == label)
        {
            for (int j = i; j < m_sound_count - 1; ++j)
            {
                m_sounds[static_cast<std::size_t>(j)] = std::move(m_sounds[static_cast<std::size_t>(j + 1)]);
            }
            --m_sound_count;
            // The freed slot (the unloaded sound itself when it was last) starts empty again.
            m_sounds[static_cast<std::size_t>(m_sound_count)] = Sound();
            return 0;
        }
    }
    return -1;
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
    return loadSlot(m_musics, m_music_count, "Music", filename, label, &Music::loadMusic);
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
