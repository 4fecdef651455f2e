#pragma once

#include <filesystem>
#include <functional>
#include <string>

// One file the game keeps for its player. Nothing here ever stops the game: a file that
// cannot be understood is logged and moved aside as ".bad" (never deleted), and when its
// folder cannot be written that is logged and the file is simply not kept. A file this user
// may not read is nothing wrong: it is left alone, and never written, for this launch.
class PlayerFile
{
public:
    // Keeps nothing.
    PlayerFile() = default;
    explicit PlayerFile(std::filesystem::path path);

    // Hands the file's content to `parse`; true when it was there and accepted. A missing
    // file is quietly false; a rejected or unreadable one is logged and moved aside; one
    // this user may not read is logged and left alone.
    bool load(const std::function<bool(const std::string&)>& parse);
    // Replaces the file whole, creating its folder as needed; false (logged) when not kept,
    // and quietly false for a file left alone.
    bool save(const std::string& content);

    const std::filesystem::path& getPath() const { return m_path; }
    // Why the file was left alone ("Permission denied"), or "".
    const std::string& getDenial() const { return m_denial; }

private:
    std::filesystem::path m_path;
    std::string m_denial;
};
