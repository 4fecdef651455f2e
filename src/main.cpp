// Corn Quota: grow corn, meet the quota, buy upgrades, and do it again tomorrow.
#include "assets/ResourceManifest.h"
#include "hud/ReplayBanner.h"
#include "player/GameFolders.h"
#include "player/Settings.h"
#include "run/CommandLine.h"
#include "run/PlayedRun.h"
#include "run/StartObjects.h"

#include <ostrel/core/LogManager.h>
#include <ostrel/frontend/TerminalFrontEnd.h>
#include <ostrel/graphics/DisplayManager.h>
#include <ostrel/input/InputManager.h>
#include <ostrel/loop/GameManager.h>
#include <ostrel/replay/RecordingReader.h>
#include <ostrel/replay/RecordingWriter.h>
#include <ostrel/replay/RunRecorder.h>
#include <ostrel/replay/RunReplayer.h>

#ifdef __EMSCRIPTEN__
#include "run/PageAddress.h"

#include <ostrel/frontend/WebFrontEnd.h>
#include <ostrel/loop/WebLoop.h>
#endif

#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace
{

const int BAD_ARGUMENTS = 2;

int badArguments(const std::string& message)
{
    std::cerr << "cornquota: " << message << "\n\n" << usageText();
    return BAD_ARGUMENTS;
}

// Reads the recording to replay and prints its warnings; false once its error is printed.
bool readReplay(const std::string& file, ostrel::RecordingReadResult& replay)
{
    replay = ostrel::readRecordingFile(file, GAME_NAME, GAME_VERSION);
    if (!replay.ok())
    {
        std::cerr << "cornquota: " << replay.error << "\n";
        return false;
    }
    for (const std::string& warning : replay.warnings)
    {
        std::cerr << "cornquota: " << warning << "\n";
    }
    return true;
}

// The command line's seed, else the replayed run's, else the clock's.
std::uint32_t runSeed(const CommandLine& options, const ostrel::RecordingReadResult& replay)
{
    if (options.has_seed)
    {
        return options.seed;
    }
    if (!options.replay_file.empty())
    {
        return replay.recording.header.seed;
    }
    return static_cast<std::uint32_t>(std::time(nullptr));
}

// Opens the window under the game's title and icon and logs the version and seed; false once
// the engine failed to start (logged, and shut down again).
bool startEngine(std::uint32_t seed)
{
    ostrel::LogManager& log = ostrel::LogManager::getInstance();
    log.setFlush(true);
    // Set before the window opens: scripts and window lists find the game by its title.
    ostrel::DisplayManager& display = ostrel::DisplayManager::getInstance();
    display.setTitle("Corn Quota");
    const bool have_icon = display.setIcon("icon.png") == 0;

    ostrel::GameManager& game = ostrel::GameManager::getInstance();
    if (game.startUp() != 0)
    {
        log.writeLog("Error starting game manager!");
        if (log.isStarted())
        {
            std::cerr << "cornquota: the game could not start: its log '" << log.getFileName() << "' says why\n";
        }
        else
        {
            std::error_code ignored;
            std::cerr << "cornquota: " << log.getError() << " (in " << std::filesystem::current_path(ignored).string()
                      << ")\n";
        }
        game.shutDown();
        return false;
    }
    if (log.getFileName() != ostrel::LOGFILE_NAME)
    {
        std::cerr << "cornquota: another copy of the game holds '" << ostrel::LOGFILE_NAME << "'; this one logs to '"
                  << log.getFileName() << "'\n";
    }
    if (!have_icon)
    {
        log.writeLog("Could not read the window icon \"icon.png\": playing without it.");
    }
    log.writeLog("Corn Quota %s, seed %u", GAME_VERSION, static_cast<unsigned>(seed));
    return true;
}

// Seeds the run, loads the resources and the player's files, and creates the objects of the
// first frame. `replay` is the recording replayed, or null.
void setUpRun(std::uint32_t seed, bool recording, const ostrel::Recording* replay)
{
    seedRun(seed);
    loadResources();
    // A recorded or replayed run starts from no settings and no records, and keeps none: it
    // must play the same on any machine, and is no run of the player's own.
    if (recording || replay)
    {
        ostrel::LogManager::getInstance().writeLog("A recorded or replayed run: settings and records are not kept.");
    }
    else
    {
        openPlayerFiles();
    }
    if (replay)
    {
        applyDrawnSettings(replay->header.settings);
    }
    else if (std::getenv("SSH_CONNECTION") != nullptr)
    {
        // Sound would play on the far machine, not where the player sits.
        Settings::getInstance().muteForLaunch();
        ostrel::LogManager::getInstance().writeLog("Played over SSH: starting muted.");
    }
    createStartObjects();
}

// The filter a recorded or a replayed run's input passes; neither for a plain run.
struct RunFilter
{
    std::unique_ptr<ostrel::RunRecorder> recorder;
    std::unique_ptr<ostrel::RunReplayer> replayer;
};

// Puts the recorder or the replayer between the window and the game; a fast replay draws no
// frame and waits for none.
RunFilter attachRunFilter(const CommandLine& options, ostrel::RecordingWriter& writer, std::uint32_t seed,
                          ostrel::RecordingReadResult& replay)
{
    RunFilter filter;
    ostrel::InputManager& input = ostrel::InputManager::getInstance();
    if (writer.isOpen())
    {
        writer.writeHeader(ostrel::RecordingHeader{GAME_NAME, GAME_VERSION, seed, drawnSettings()});
        filter.recorder = std::make_unique<ostrel::RunRecorder>(writer, runFingerprint, endsGame);
        input.setFilter(filter.recorder.get());
    }
    else if (!options.replay_file.empty())
    {
        // Headless, nobody could quit at the end: the replay then ends the game itself.
        const bool stop_at_end = options.fast || ostrel::GameManager::getInstance().chosenFrontEnd() == "headless";
        filter.replayer = std::make_unique<ostrel::RunReplayer>(std::move(replay.recording), options.replay_file,
                                                                runFingerprint, endsGame, stop_at_end);
        input.setFilter(filter.replayer.get());
        new ReplayBanner(*filter.replayer);
        if (options.fast)
        {
            ostrel::GameManager::getInstance().setFrameTime(0);
            ostrel::DisplayManager::getInstance().setPresenting(false);
        }
    }
    return filter;
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
    CommandLine options = parsed.options;
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

    ostrel::GameManager& game = ostrel::GameManager::getInstance();
#ifdef __EMSCRIPTEN__
    // In a page the game plays on its canvas; under Node it has none and replays headless.
    if (ostrel::WebFrontEnd::hasPage())
    {
        game.setFrontEnd("web");
        takePageSeed(options);
    }
#endif
    if (options.terminal)
    {
        game.setPlayerFrontEnd("terminal");
    }
    // Checked before anything is written, so that the terminal is left untouched.
    if (game.chosenFrontEnd() == "terminal" && !ostrel::TerminalFrontEnd::terminalProblem().empty())
    {
        std::cerr << "cornquota: --terminal needs a terminal\n";
        return BAD_ARGUMENTS;
    }

    ostrel::RecordingWriter writer;
    if (!options.record_file.empty() && !writer.open(options.record_file))
    {
        std::cerr << "cornquota: cannot write the recording '" << options.record_file << "': " << writer.error()
                  << "\n";
        return BAD_ARGUMENTS;
    }
    ostrel::RecordingReadResult replay;
    if (!options.replay_file.empty() && !readReplay(options.replay_file, replay))
    {
        return BAD_ARGUMENTS;
    }
    if (options.replay_file.empty() && game.chosenFrontEnd() == "headless")
    {
        std::cerr << "cornquota: the headless front end has no player to take input from; give it a recording "
                     "to replay with --replay FILE\n";
        return BAD_ARGUMENTS;
    }
    const std::uint32_t seed = runSeed(options, replay);
    if (!startEngine(seed))
    {
        return 1;
    }
    setUpRun(seed, writer.isOpen(), options.replay_file.empty() ? nullptr : &replay.recording);
    const RunFilter filter = attachRunFilter(options, writer, seed, replay);

#ifdef __EMSCRIPTEN__
    if (game.chosenFrontEnd() == "web")
    {
        // The browser's animation frames run the game from here on; a page never quits.
        ostrel::runWebLoop();
    }
#endif
    // The game ends from its quit key or the window's close button, inside the loop, with
    // exit(), or here when a fast replay ends.
    game.run();
    if (filter.recorder)
    {
        filter.recorder->finish();
    }
    if (filter.replayer && options.fast)
    {
        std::cout << "cornquota: replayed " << filter.replayer->stepsReplayed() << " steps; "
                  << filter.replayer->checkpointsMatched() << " of " << filter.replayer->checkpointCount()
                  << " checkpoints matched" << std::endl;
    }
    const int status = quitStatus();
    ostrel::InputManager::getInstance().setFilter(nullptr);
    game.shutDown();
    return status;
}
