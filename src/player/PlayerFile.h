#pragma once

#include <filesystem>
#include <functional>
#include <string>

// One file the game keeps for its player. Nothing here ever stops the game: a file that
// cannot be read or understood is logged and moved aside as ".bad" (never deleted), and
// when its folder cannot be written that is logged and the file is simply not kept.
class PlayerFile
{
public:
    // Keeps nothing.
    PlayerFile() = default;
    explicit PlayerFile(std::filesystem::path path);

    // Hands the file's content to `parse`; true when it was there and accepted. A missing
    // file is quietly false; a rejected or unreadable one is logged and moved aside.
    bool load(const std::function<bool(const std::string&)>& parse);
    // Replaces the file whole, creating its folder as needed; false (logged) when not kept.
    bool save(const std::string& content);

    const std::filesystem::path& getPath() const { return m_path; }

private:
    std::filesystem::path m_path;
};
