#pragma once

#include <filesystem>
#include <string>

namespace ostrel
{

// Files a game keeps for its player (settings, records), written so that a crash or a
// power cut at any moment leaves either the old file or the new one, whole.

enum class ReadOutcome
{
    READ,    // the whole file is in the content
    MISSING, // there is no such file
    DENIED,  // it may be there, but this user may not read it: nothing is wrong with it
    FAILED,  // it is there but cannot be read (a folder, say, or a read error)
};

// `error` says why, for DENIED and FAILED.
ReadOutcome readKeptFile(const std::filesystem::path& path, std::string& content, std::string& error);

// Writes the content to a temporary file beside `path` under a name no other process uses,
// flushes and syncs it, renames it over `path` and syncs the folder. On failure `path` is
// untouched, the temporary file is gone, `error` says why and false is returned. On success
// `error` is empty, or warns that the folder could not be synced.
bool writeKeptFile(const std::filesystem::path& path, const std::string& content, std::string& error);

// Moves a file that could not be used out of the way, never deleting or overwriting
// anything: to "<path>.bad", or "<path>.2.bad", "<path>.3.bad"... when those are taken.
// The new path, or empty when it could not be moved.
std::filesystem::path moveKeptFileAside(const std::filesystem::path& path);

} // namespace ostrel
