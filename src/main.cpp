// Corn Quota: grow corn, meet the quota, buy upgrades, and do it again tomorrow.
#include "assets/ResourceManifest.h"
#include "player/GameFolders.h"
#include "run/CommandLine.h"
#include "run/PlayedRun.h"
#include "run/StartObjects.h"

#include <ostrel/core/GameManager.h>
#include <ostrel/core/LogManager.h>
#include <ostrel/graphics/DisplayManager.h>
#include <ostrel/input/InputManager.h>
#include <ostrel/replay/RecordingReader.h>
#include <ostrel/replay/RecordingWriter.h>
#include <ostrel/replay/RunRecorder.h>
#include <ostrel/replay/RunReplayer.h>

#include <ctime>
#include <iostream>
#include <memory>

namespace
{

const int BAD_ARGUMENTS = 2;

int badArguments(const std::string& message)
{
    std::cerr << "cornquota: " << message << "\n\n" << usageText();
    return BAD_ARGUMENTS;
}

} // namespace

int main(int argc, char** argv)
{
    // Everything the command line asks is settled before the engine starts, so that a
    // mistake in it opens no window and writes no log.
    const CommandLineResult parsed = parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.error.empty())
    {
        return badArguments(parsed.error);
    }
    const CommandLine& options = parsed.options;
    if (options.help)
    {
        std::cout << usageText();
        return 0;
    }
    if (options.version)
    {
        std::cout << "Corn Quota " << GAME_VERSION << "\n";
        return 0;
    }

    ostrel::RecordingWriter writer;
    if (!options.record_file.empty() && !writer.open(options.record_file))
    {
        std::cerr << "cornquota: cannot write the recording '" << options.record_file << "': " << writer.error()
                  << "\n";
        return BAD_ARGUMENTS;
    }
    ostrel::RecordingReadResult replay;
    if (!options.replay_file.empty())
    {
        replay = ostrel::readRecordingFile(options.replay_file, GAME_NAME, GAME_VERSION);
        if (!replay.ok())
        {
            std::cerr << replay.error << "\n";
            return BAD_ARGUMENTS;
        }
        for (const std::string& warning : replay.warnings)
        {
            std::cerr << warning << "\n";
        }
    }

    std::uint32_t seed = static_cast<std::uint32_t>(std::time(nullptr));
    if (options.has_seed)
    {
        seed = options.seed;
    }
    else if (!options.replay_file.empty())
    {
        seed = replay.recording.header.seed;
    }

    ostrel::LogManager::getInstance().setFlush(true);
    // Set before the window opens: scripts and window lists find the game by its title.
    ostrel::DisplayManager& display = ostrel::DisplayManager::getInstance();
    display.setTitle("Corn Quota");
    const bool have_icon = display.setIcon("icon.png") == 0;

    ostrel::GameManager& game = ostrel::GameManager::getInstance();
    if (game.startUp() != 0)
    {
        ostrel::LogManager::getInstance().writeLog("Error starting game manager!");
        game.shutDown();
        return 1;
    }
    if (!have_icon)
    {
        ostrel::LogManager::getInstance().writeLog("Could not read the window icon \"icon.png\": playing without it.");
    }
    ostrel::LogManager::getInstance().writeLog("Corn Quota %s, seed %u", GAME_VERSION, static_cast<unsigned>(seed));
    seedRun(seed);
    loadResources();
    // A recorded or replayed run starts from no settings and no records, and keeps none: it
    // must play the same on any machine, and is no run of the player's own.
    const bool replaying = !options.replay_file.empty();
    if (writer.isOpen() || replaying)
    {
        ostrel::LogManager::getInstance().writeLog("A recorded or replayed run: settings and records are not kept.");
    }
    else
    {
        openPlayerFiles();
    }
    if (replaying)
    {
        applyDrawnSettings(replay.recording.header.settings);
    }
    createStartObjects();

    std::unique_ptr<ostrel::RunRecorder> recorder;
    std::unique_ptr<ostrel::RunReplayer> replayer;
    ostrel::InputManager& input = ostrel::InputManager::getInstance();
    if (writer.isOpen())
    {
        writer.writeHeader(ostrel::RecordingHeader{GAME_NAME, GAME_VERSION, seed, drawnSettings()});
        recorder = std::make_unique<ostrel::RunRecorder>(writer, runFingerprint, endsGame);
        input.setFilter(recorder.get());
    }
    else if (replaying)
    {
        replayer = std::make_unique<ostrel::RunReplayer>(std::move(replay.recording), options.replay_file,
                                                         runFingerprint, endsGame, options.fast);
        input.setFilter(replayer.get());
        if (options.fast)
        {
            game.setFrameTime(0);
            display.setPresenting(false);
        }
    }

    // The game ends from its quit key or the window's close button, inside the loop, with
    // exit(0), or here when a fast replay ends.
    game.run();
    if (recorder)
    {
        recorder->finish();
    }
    const int status = replayer ? replayer->status() : 0;
    input.setFilter(nullptr);
    game.shutDown();
    return status;
}
