#include "audio/AudioBackend.h"

#include <emscripten.h>

namespace ostrel
{

namespace
{

// The page's side: sound effects decoded into Web Audio buffers and played through one gain
// node; music in <audio> elements, played by the browser's own decoder. Browsers start sound
// only after the player's first gesture, so the context and the elements are made only then
// (waiting ones still keep the browser's audio service busy): until unlockWebAudio() (from a
// gesture's handler) the bytes wait, and music that should play waits.
// clang-format off
EM_JS(void, webAudioInit, (), {
    if (Module.ostrelAudio) {
        return;
    }
    var audio = {voices: [], volume: 1, unlocked: false, context: null};
    audio.playMusic = function(voice) {
        voice.element.play().catch(function() {});
    };
    // Makes the voice playable from its bytes: a music element, or an effect's buffer.
    audio.prepare = function(voice) {
        var bytes = voice.bytes;
        voice.bytes = null;
        if (voice.music) {
            voice.element = new Audio(URL.createObjectURL(new Blob([bytes], {type: 'audio/mpeg'})));
            voice.element.volume = audio.volume;
            voice.element.loop = voice.loop;
            if (voice.playing) {
                audio.playMusic(voice);
            }
        } else if (audio.context) {
            audio.context.decodeAudioData(bytes.buffer.slice(bytes.byteOffset, bytes.byteOffset + bytes.length),
                function(buffer) { voice.buffer = buffer; },
                function(error) { console.warn('A sound cannot be decoded: ' + error); });
        }
    };
    audio.unlock = function() {
        if (audio.unlocked) {
            return;
        }
        audio.unlocked = true;
        var Context = window.AudioContext || window.webkitAudioContext;
        if (Context) {
            audio.context = new Context();
            audio.gain = audio.context.createGain();
            audio.gain.gain.value = audio.volume;
            audio.gain.connect(audio.context.destination);
        }
        audio.voices.forEach(audio.prepare);
    };
    Module.ostrelAudio = audio;
});

EM_JS(int, webAudioLoad, (const char* file, int music), {
    var audio = Module.ostrelAudio;
    var bytes;
    try {
        bytes = FS.readFile(UTF8ToString(file));
    } catch (error) {
        return -1;
    }
    var voice = {music: !!music, bytes: bytes, playing: false, loop: false, sources: []};
    if (audio.unlocked) {
        audio.prepare(voice);
    }
    audio.voices.push(voice);
    return audio.voices.length - 1;
});

EM_JS(void, webAudioPlay, (int id, int loop), {
    var audio = Module.ostrelAudio;
    var voice = audio.voices[id];
    voice.playing = true;
    voice.loop = !!loop;
    if (voice.element) {
        voice.element.loop = voice.loop;
        audio.playMusic(voice);
    } else if (voice.buffer) {
        var source = audio.context.createBufferSource();
        source.buffer = voice.buffer;
        source.loop = !!loop;
        source.connect(audio.gain);
        source.onended = function() { voice.sources = voice.sources.filter(function(s) { return s !== source; }); };
        voice.sources.push(source);
        source.start();
    }
});

EM_JS(void, webAudioHalt, (int id, int rewind), {
    var voice = Module.ostrelAudio.voices[id];
    voice.playing = false;
    if (voice.element) {
        voice.element.pause();
        if (rewind) {
            voice.element.currentTime = 0;
        }
    }
    voice.sources.forEach(function(source) { source.stop(); });
    voice.sources = [];
});

EM_JS(void, webAudioVolume, (float volume), {
    var audio = Module.ostrelAudio;
    audio.volume = Math.max(0, Math.min(1, volume / 100));
    if (audio.gain) {
        audio.gain.gain.value = audio.volume;
    }
    audio.voices.forEach(function(voice) {
        if (voice.element) {
            voice.element.volume = audio.volume;
        }
    });
});
// clang-format on

// Its state kept here as the silent backend keeps it, so that the game runs the same in a
// browser that plays nothing yet.
class WebVoice : public AudioVoice
{
public:
    explicit WebVoice(int id) : m_id(id) {}

    void play(bool loop) override
    {
        webAudioPlay(m_id, loop ? 1 : 0);
        m_state = AudioState::PLAYING;
    }
    void stop() override
    {
        webAudioHalt(m_id, 1);
        m_state = AudioState::STOPPED;
    }
    void pause() override
    {
        if (m_state == AudioState::PLAYING)
        {
            webAudioHalt(m_id, 0);
            m_state = AudioState::PAUSED;
        }
    }
    AudioState getState() const override { return m_state; }

private:
    int m_id;
    AudioState m_state = AudioState::STOPPED;
};

std::unique_ptr<AudioVoice> webVoice(const std::string& file, bool music)
{
    webAudioInit();
    const int id = webAudioLoad(file.c_str(), music ? 1 : 0);
    return id < 0 ? nullptr : std::make_unique<WebVoice>(id);
}

class WebAudio : public AudioBackend
{
public:
    std::unique_ptr<AudioVoice> loadSound(const std::string& file) override { return webVoice(file, false); }
    std::unique_ptr<AudioVoice> openMusic(const std::string& file) override { return webVoice(file, true); }
    void setVolume(float volume) override
    {
        webAudioInit();
        webAudioVolume(volume);
    }
};

} // namespace

std::unique_ptr<AudioBackend> makeWebAudio()
{
    return std::make_unique<WebAudio>();
}

} // namespace ostrel
