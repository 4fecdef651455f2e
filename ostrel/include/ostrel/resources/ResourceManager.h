#pragma once

#include "ostrel/audio/Music.h"
#include "ostrel/audio/Sound.h"
#include "ostrel/core/Manager.h"

#include <array>
#include <filesystem>
#include <string>

namespace ostrel
{

class Sprite;

const int MAX_SPRITES = 500;
const int MAX_SOUNDS = 50;
const int MAX_MUSICS = 50;
// Frame counts above this are rejected as malformed: a sprite allocates all its frames
// up front, so a bad count must not size one.
const int MAX_SPRITE_FRAMES = 10000;

// Loads sprites, sounds and music once and hands them out by label. Labels are compared
// whole and case-sensitively; the earliest loaded entry wins a shared label. Pointers
// handed out stay valid until the resource is unloaded or the manager shuts down.
class ResourceManager : public Manager
{
public:
    static ResourceManager& getInstance();
    ~ResourceManager() override;

    // Needs a started log manager: -1 otherwise.
    int startUp() override;
    // Deletes every sprite and forgets every resource.
    void shutDown() override;

    // The folder relative file names of sprites, sounds and music count from; empty, the
    // default, for the current folder. executableFolder() makes a game's data beside its
    // binary found from any current folder.
    void setDataFolder(const std::filesystem::path& folder) { m_data_folder = folder; }
    const std::filesystem::path& getDataFolder() const { return m_data_folder; }

    // Loads a sprite file; every failure is logged and returns -1.
    int loadSprite(std::string filename, std::string label);
    int unloadSprite(std::string label);
    Sprite* getSprite(std::string label) const;

    int loadSound(std::string filename, std::string label);
    int unloadSound(std::string label);
    Sound* getSound(std::string label);

    int loadMusic(std::string filename, std::string label);
    // Only forgets the label: the track is not freed, and one that plays goes on playing.
    int unloadMusic(std::string label);
    Music* getMusic(std::string label);

private:
    ResourceManager();

    // The file to open for a name given to a load: relative names under the data folder.
    std::string dataPath(const std::string& filename) const;

    std::filesystem::path m_data_folder;
    std::array<Sprite*, MAX_SPRITES> m_sprites;
    int m_sprite_count;
    std::array<Sound, MAX_SOUNDS> m_sounds;
    int m_sound_count;
    std::array<Music, MAX_MUSICS> m_musics;
    int m_music_count;
};

} // namespace ostrel
