#pragma once

namespace ostrel
{

// Teaches SFML to decode MP3 files where it cannot by itself (versions before 2.6), by
// registering a reader built on libmpg123. Safe to call any number of times; does nothing
// on versions that read MP3 themselves.
void registerMp3Reader();

} // namespace ostrel
