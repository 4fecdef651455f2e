// A sound effect and a music track: Space plays the effect, P pauses or resumes the music,
// M mutes or unmutes everything. Runs, silent, where there is no sound device. Q quits.
#include <ostrel/audio/Volume.h>
#include <ostrel/graphics/DisplayManager.h>
#include <ostrel/input/EventKeyboard.h>
#include <ostrel/loop/GameManager.h>
#include <ostrel/loop/StepLimit.h>
#include <ostrel/resources/ResourceManager.h>
#include <ostrel/world/Object.h>

#include <string>

namespace
{

// [guide:jukebox]
class Jukebox : public ostrel::Object
{
public:
    Jukebox()
    {
        setType("Jukebox");
        setSolidness(ostrel::SPECTRAL);
        // Null when the file was not loaded: the game goes on without it.
        ostrel::ResourceManager& resources = ostrel::ResourceManager::getInstance();
        m_effect = resources.getSound("plant");
        m_music = resources.getMusic("tune");
        if (m_music)
        {
            m_music->play(); // loops by default; a sound plays once by default
        }
    }

    int eventHandler(const ostrel::Event* event) override
    {
        if (event->getType() != ostrel::KEYBOARD_EVENT)
        {
            return 0;
        }
        const auto* key = static_cast<const ostrel::EventKeyboard*>(event);
        if (key->getKeyboardAction() != ostrel::KEY_PRESSED)
        {
            return 1;
        }
        if (key->getKey() == ostrel::Keyboard::SPACE && m_effect)
        {
            m_effect->play(); // restarts it when it is still playing
        }
        else if (key->getKey() == ostrel::Keyboard::P && m_music)
        {
            m_paused = !m_paused;
            if (m_paused)
            {
                m_music->pause();
            }
            else
            {
                m_music->play(); // resumes where it was paused
            }
        }
        else if (key->getKey() == ostrel::Keyboard::M)
        {
            // One volume for every sound and track, from 0 to 100.
            ostrel::setMasterVolume(ostrel::getMasterVolume() > 0 ? 0 : 100);
        }
        else if (key->getKey() == ostrel::Keyboard::Q)
        {
            ostrel::GameManager::getInstance().setGameOver();
        }
        return 1;
    }
    // [guide:end]

    int draw() override
    {
        const ostrel::DisplayManager& display = ostrel::DisplayManager::getInstance();
        const std::string effect = m_effect ? "Space: play the effect" : "no effect loaded";
        const std::string music = !m_music   ? "no music loaded"
                                  : m_paused ? "P: resume the music"
                                             : "P: pause the music";
        const std::string volume = ostrel::getMasterVolume() > 0 ? "M: mute" : "M: unmute (muted)";
        display.drawString(ostrel::Vector(40, 9), effect, ostrel::CENTER_JUSTIFIED, ostrel::YELLOW);
        display.drawString(ostrel::Vector(40, 11), music, ostrel::CENTER_JUSTIFIED, ostrel::GREEN);
        display.drawString(ostrel::Vector(40, 13), volume, ostrel::CENTER_JUSTIFIED, ostrel::MAGENTA);
        display.drawString(ostrel::Vector(40, 15), "Q quits", ostrel::CENTER_JUSTIFIED, ostrel::WHITE);
        return 0;
    }

private:
    ostrel::Sound* m_effect = nullptr;
    ostrel::Music* m_music = nullptr;
    bool m_paused = false;
};

} // namespace

int main(int argc, char* argv[])
{
    const int steps = ostrel::stepsFromArguments(argc, argv);
    if (steps < 0)
    {
        return 2;
    }
    ostrel::GameManager& game = ostrel::GameManager::getInstance();
    if (game.startUp() != 0)
    {
        game.shutDown();
        return 1;
    }
    // [guide:load]
    // A failure is logged and leaves the label unknown; nothing else changes.
    ostrel::ResourceManager& resources = ostrel::ResourceManager::getInstance();
    resources.loadSound("crop_plant.wav", "plant");
    resources.loadMusic("pumpkin_lounge.mp3", "tune");
    new Jukebox;
    // [guide:end]
    if (steps > 0)
    {
        new ostrel::StepLimit(steps);
    }
    game.run();
    game.shutDown();
    return 0;
}
