#include "audio/AudioBackend.h"

#include <fstream>

namespace ostrel
{

namespace
{

class SilentVoice : public AudioVoice
{
public:
    void play(bool loop) override
    {
        (void)loop;
        m_state = AudioState::PLAYING;
    }
    void stop() override { m_state = AudioState::STOPPED; }
    void pause() override
    {
        if (m_state == AudioState::PLAYING)
        {
            m_state = AudioState::PAUSED;
        }
    }
    AudioState getState() const override { return m_state; }

private:
    AudioState m_state = AudioState::STOPPED;
};

// A file that opens and holds something: the silent backend decodes nothing.
std::unique_ptr<AudioVoice> voiceFor(const std::string& file)
{
    std::ifstream stream(file, std::ios::binary);
    if (!stream.is_open() || stream.peek() == std::ifstream::traits_type::eof())
    {
        return nullptr;
    }
    return std::make_unique<SilentVoice>();
}

class SilentAudio : public AudioBackend
{
public:
    std::unique_ptr<AudioVoice> loadSound(const std::string& file) override { return voiceFor(file); }
    std::unique_ptr<AudioVoice> openMusic(const std::string& file) override { return voiceFor(file); }
    void setVolume(float volume) override { (void)volume; }
};

} // namespace

std::unique_ptr<AudioBackend> makeSilentAudio()
{
    return std::make_unique<SilentAudio>();
}

} // namespace ostrel
