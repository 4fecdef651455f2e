#include "run/PlayedRun.h"

#include "player/Settings.h"
#include "run/DayKeeper.h"
#include "run/FieldRandom.h"
#include "run/MoneyManager.h"
#include "shop/UpgradeManager.h"

#include <ostrel/input/InputManager.h>
#include <ostrel/replay/RunReplayer.h>
#include <ostrel/world/WorldManager.h>

#include <string>

namespace
{

std::uint32_t played_seed = 0;

const ostrel::RunReplayer* replayer()
{
    return dynamic_cast<const ostrel::RunReplayer*>(ostrel::InputManager::getInstance().getFilter());
}

} // namespace

void seedRun(std::uint32_t seed)
{
    played_seed = seed;
    fieldRandom().seed(seed);
    // Its own stream, so the shop's draws do not shift the field's.
    UpgradeManager::getInstance().seedOffers(seed ^ 0x9e3779b9u);
}

std::uint32_t playedSeed()
{
    return played_seed;
}

ostrel::RecordingValues runFingerprint()
{
    const ostrel::ObjectList keepers = ostrel::WorldManager::getInstance().objectsOfType("DayKeeper");
    const auto* keeper = keepers.isEmpty() ? nullptr : dynamic_cast<const DayKeeper*>(keepers[0]);
    const MoneyManager& money = MoneyManager::getInstance();
    return {{"day", std::to_string(keeper ? keeper->getDay() : 0)},
            {"money", std::to_string(money.getMoney())},
            {"quota", std::to_string(money.getQuota())}};
}

ostrel::RecordingValues drawnSettings()
{
    return {{"mute", Settings::getInstance().isMuted() ? "on" : "off"}};
}

void applyDrawnSettings(const ostrel::RecordingValues& settings)
{
    for (const auto& setting : settings)
    {
        if (setting.first == "mute")
        {
            Settings::getInstance().setMuted(setting.second == "on");
        }
    }
}

bool endsGame(const ostrel::InputRecord& input)
{
    const bool quit_key =
        (input.kind == ostrel::InputKind::KEY_PRESS || input.kind == ostrel::InputKind::KEY_RELEASE) &&
        input.key == ostrel::Keyboard::Q;
    return quit_key || input.kind == ostrel::InputKind::CLOSE;
}

bool replayHasEnded()
{
    const ostrel::RunReplayer* replaying = replayer();
    return replaying && replaying->hasEnded();
}

int quitStatus()
{
    const ostrel::RunReplayer* replaying = replayer();
    return replaying ? replaying->status() : 0;
}
