#pragma once

#include "player/PlayerFile.h"

#include <filesystem>
#include <string>

// The player's choices, kept in "settings.txt". Until open() they hold for this launch only.
class Settings
{
public:
    static Settings& getInstance();
    // The file the settings are kept in.
    const PlayerFile& getFile() const { return m_file; }

    // Reads the settings file in the folder, and keeps the settings there from now on.
    void open(const std::filesystem::path& folder);
    // Back to the defaults, kept nowhere.
    void close();

    bool isMuted() const { return m_muted; }
    // Changes the setting and keeps the file up to date.
    void setMuted(bool muted);
    // Mutes this launch alone: the file keeps the player's own choice until M changes it.
    void muteForLaunch() { m_muted = true; }

    // The settings file's text, and back: false, changing nothing, for anything but a
    // whole file of this version.
    std::string format() const;
    bool parse(const std::string& text);

private:
    Settings() = default;

    PlayerFile m_file;
    bool m_muted = false;
};
