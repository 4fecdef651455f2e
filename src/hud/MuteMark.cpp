#include "hud/MuteMark.h"

#include "player/Settings.h"

#include <ostrel/audio/Volume.h>
#include <ostrel/graphics/DisplayManager.h>
#include <ostrel/input/EventKeyboard.h>

namespace
{

void applyMute(bool muted)
{
    ostrel::setMasterVolume(muted ? 0.0f : 100.0f);
}

} // namespace

MuteMark::MuteMark()
{
    setType("MuteMark");
    setSolidness(ostrel::SPECTRAL);
    setAltitude(ostrel::MAX_ALTITUDE);
    const ostrel::DisplayManager& display = ostrel::DisplayManager::getInstance();
    // Right-justified text ends just before its position: this puts it against the right edge,
    // in the row under the HUD, which every screen leaves empty (the pictures start a row lower).
    setPosition(ostrel::Vector(static_cast<float>(display.getHorizontal()), 3.0f));
    applyMute(Settings::getInstance().isMuted());
}

int MuteMark::eventHandler(const ostrel::Event* event)
{
    if (event->getType() != ostrel::KEYBOARD_EVENT)
    {
        return 0;
    }
    const auto* keyboard = dynamic_cast<const ostrel::EventKeyboard*>(event);
    if (keyboard->getKeyboardAction() != ostrel::KEY_PRESSED || keyboard->getKey() != ostrel::Keyboard::M)
    {
        return 0;
    }
    Settings& settings = Settings::getInstance();
    settings.setMuted(!settings.isMuted());
    applyMute(settings.isMuted());
    return 1;
}

int MuteMark::draw()
{
    if (!Settings::getInstance().isMuted())
    {
        return 0;
    }
    return ostrel::DisplayManager::getInstance().drawString(getPosition(), "Sound off (M)", ostrel::RIGHT_JUSTIFIED,
                                                            ostrel::WHITE);
}
