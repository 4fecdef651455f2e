// Checks the game's sound effects in sounds/ as they are shipped: the format the game loads, no
// clipping, no click where a sound starts or stops, every file a sound of its own, and the
// success and failure cues moving up and down in pitch as players expect.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#ifndef SOURCE_DIR
#error "compile with -DSOURCE_DIR=\"<repository root>\""
#endif

namespace
{

constexpr int kRate = 44100;
constexpr int kOneMs = kRate / 1000;
constexpr int kMinusOneDbfs = 29204;
constexpr int kMinusTwelveDbfs = 8231;
constexpr int kOnePercent = 328;

const char* const kNames[] = {
    "crop_done", "crop_harvest",  "crop_plant",      "fertilizer_drop", "fertilizer_pickup",
    "game_over", "pest_hurt",     "pest_plot_hit",   "shop_fail",       "shop_success",
    "success",   "watering_drop", "watering_pickup",
};

struct Sound
{
    std::string name;
    std::string error; // empty when the file was read
    int format = 0;
    int channels = 0;
    int rate = 0;
    int bits = 0;
    std::vector<std::int16_t> samples; // filled only for 16-bit PCM
};

std::uint32_t little(const std::string& bytes, std::size_t at, int width)
{
    std::uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

// Reads a RIFF/WAVE file chunk by chunk; a missing or truncated "fmt " or "data" chunk is an error.
Sound read(const std::string& name)
{
    Sound sound;
    sound.name = name;
    std::ifstream in(std::string(SOURCE_DIR) + "/sounds/" + name + ".wav", std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0)
    {
        sound.error = "not a RIFF/WAVE file";
        return sound;
    }
    bool haveFormat = false;
    bool haveData = false;
    for (std::size_t at = 12; at + 8 <= bytes.size();)
    {
        const std::string id = bytes.substr(at, 4);
        const std::size_t size = little(bytes, at + 4, 4);
        const std::size_t body = at + 8;
        if (body + size > bytes.size())
        {
            sound.error = "chunk '" + id + "' runs past the end of the file";
            return sound;
        }
        if (id == "fmt " && size >= 16)
        {
            sound.format = static_cast<int>(little(bytes, body, 2));
            sound.channels = static_cast<int>(little(bytes, body + 2, 2));
            sound.rate = static_cast<int>(little(bytes, body + 4, 4));
            sound.bits = static_cast<int>(little(bytes, body + 14, 2));
            haveFormat = true;
        }
        else if (id == "data" && haveFormat)
        {
            haveData = true;
            if (sound.format == 1 && sound.bits == 16)
                for (std::size_t i = 0; i + 1 < size; i += 2)
                    sound.samples.push_back(static_cast<std::int16_t>(little(bytes, body + i, 2)));
        }
        at = body + size + (size & 1);
    }
    if (!haveFormat || !haveData)
        sound.error = "no 'fmt ' chunk followed by a 'data' chunk";
    return sound;
}

const std::vector<Sound>& sounds()
{
    static const std::vector<Sound> all = []
    {
        std::vector<Sound> loaded;
        for (const char* name : kNames)
            loaded.push_back(read(name));
        return loaded;
    }();
    return all;
}

int peak(const std::vector<std::int16_t>& s, std::size_t from, std::size_t count)
{
    int top = 0;
    for (std::size_t i = from; i < std::min(from + count, s.size()); ++i)
        top = std::max(top, std::abs(static_cast<int>(s[i])));
    return top;
}

// Describes how a sound reaches its edge: the loudest sample within 1 ms of the edge must be at most
// a quarter of the loudest within 10 ms. A ramp of 5 ms or longer passes; a sound that starts or
// stops abruptly (a click) does not. `atEnd` selects the last 10 ms instead of the first.
::testing::AssertionResult rampsAtEdge(const std::vector<std::int16_t>& s, bool atEnd)
{
    const std::size_t window = 10 * kOneMs;
    const int edge = atEnd ? peak(s, s.size() - kOneMs, kOneMs) : peak(s, 0, kOneMs);
    const int near = atEnd ? peak(s, s.size() - window, window) : peak(s, 0, window);
    const int edgeSample = std::abs(static_cast<int>(atEnd ? s.back() : s.front()));
    if (edgeSample > kOnePercent)
        return ::testing::AssertionFailure() << "edge sample is " << edgeSample;
    if (near > kOnePercent && edge * 4 > near)
        return ::testing::AssertionFailure() << "peak within 1 ms of the edge is " << edge << ", within 10 ms " << near;
    return ::testing::AssertionSuccess();
}

// Fundamental frequency of the 1024 samples from `from`, by the cumulative-mean-normalised
// difference function: the first lag whose normalised difference dips below 0.15, else the lowest.
double pitchHz(const std::vector<std::int16_t>& s, std::size_t from)
{
    const std::size_t window = 1024;
    const std::size_t minLag = kRate / 2000;
    const std::size_t maxLag = kRate / 80;
    std::vector<double> d(maxLag + 1, 0.0);
    for (std::size_t lag = 1; lag <= maxLag; ++lag)
        for (std::size_t i = from; i < from + window; ++i)
        {
            const double diff = static_cast<double>(s[i]) - s[i + lag];
            d[lag] += diff * diff;
        }
    double running = 0.0;
    std::size_t best = minLag;
    double bestValue = 1e300;
    for (std::size_t lag = 1; lag <= maxLag; ++lag)
    {
        running += d[lag];
        const double normalised = d[lag] * lag / running;
        if (lag < minLag)
            continue;
        if (normalised < 0.15)
        {
            while (lag < maxLag && d[lag + 1] < d[lag])
                ++lag;
            return static_cast<double>(kRate) / lag;
        }
        if (normalised < bestValue)
        {
            bestValue = normalised;
            best = lag;
        }
    }
    return static_cast<double>(kRate) / best;
}

// Pitch at the first and at the last moment the sound is loud (a 1024-sample frame whose RMS is at
// least 30% of the loudest frame's).
std::pair<double, double> pitchAtStartAndEnd(const std::vector<std::int16_t>& s)
{
    const std::size_t frame = 1024;
    const std::size_t span = frame + kRate / 80 + 1;
    std::vector<double> rms;
    for (std::size_t from = 0; from + span <= s.size(); from += frame / 2)
    {
        double sum = 0.0;
        for (std::size_t i = from; i < from + frame; ++i)
            sum += static_cast<double>(s[i]) * s[i];
        rms.push_back(std::sqrt(sum / frame));
    }
    if (rms.empty())
        return {0.0, 0.0};
    const double loud = 0.3 * *std::max_element(rms.begin(), rms.end());
    std::size_t first = 0;
    while (rms[first] < loud)
        ++first;
    std::size_t last = rms.size() - 1;
    while (rms[last] < loud)
        --last;
    return {pitchHz(s, first * frame / 2), pitchHz(s, last * frame / 2)};
}

const Sound& named(const std::string& name)
{
    return *std::find_if(sounds().begin(), sounds().end(), [&](const Sound& s) { return s.name == name; });
}

TEST(SoundFiles, AreSixteenBitMonoPcmAt44100Hz)
{
    for (const Sound& s : sounds())
    {
        EXPECT_EQ(s.error, "") << s.name;
        EXPECT_EQ(s.format, 1) << s.name << " is not integer PCM";
        EXPECT_EQ(s.bits, 16) << s.name;
        EXPECT_EQ(s.channels, 1) << s.name;
        EXPECT_EQ(s.rate, kRate) << s.name;
    }
}

TEST(SoundFiles, LastBetweenFiftyMillisecondsAndOneAndAHalfSeconds)
{
    for (const Sound& s : sounds())
    {
        EXPECT_GE(s.samples.size(), static_cast<std::size_t>(kRate / 20)) << s.name;
        EXPECT_LT(s.samples.size(), static_cast<std::size_t>(kRate * 3 / 2)) << s.name;
    }
}

TEST(SoundFiles, PeakBetweenMinusTwelveAndMinusOneDbfs)
{
    for (const Sound& s : sounds())
    {
        const int top = peak(s.samples, 0, s.samples.size());
        EXPECT_LE(top, kMinusOneDbfs) << s.name << " may clip";
        EXPECT_GE(top, kMinusTwelveDbfs) << s.name << " is too quiet";
    }
}

TEST(SoundFiles, FadeInAndOutWithoutClicks)
{
    for (const Sound& s : sounds())
    {
        if (s.samples.size() < static_cast<std::size_t>(20 * kOneMs))
        {
            ADD_FAILURE() << s.name << " is too short to have fades";
            continue;
        }
        EXPECT_TRUE(rampsAtEdge(s.samples, false)) << s.name << " starts with a click";
        EXPECT_TRUE(rampsAtEdge(s.samples, true)) << s.name << " ends with a click";
    }
}

TEST(SoundFiles, AreAllDifferent)
{
    // Two sounds count as the same when one is, up to loudness, mostly a copy of the other's start.
    const std::vector<Sound>& all = sounds();
    for (std::size_t a = 0; a < all.size(); ++a)
        for (std::size_t b = a + 1; b < all.size(); ++b)
        {
            const std::size_t n = std::min(all[a].samples.size(), all[b].samples.size());
            double ab = 0.0, aa = 0.0, bb = 0.0;
            for (std::size_t i = 0; i < n; ++i)
            {
                ab += static_cast<double>(all[a].samples[i]) * all[b].samples[i];
                aa += static_cast<double>(all[a].samples[i]) * all[a].samples[i];
                bb += static_cast<double>(all[b].samples[i]) * all[b].samples[i];
            }
            const double correlation = aa > 0.0 && bb > 0.0 ? std::abs(ab) / std::sqrt(aa * bb) : 1.0;
            EXPECT_LT(correlation, 0.9) << all[a].name << " and " << all[b].name << " sound alike";
        }
}

TEST(SoundFiles, SuccessCuesRiseAndFailureCuesFall)
{
    struct Cue
    {
        const char* name;
        bool rises;
    };
    for (const Cue cue :
         {Cue{"success", true}, Cue{"shop_success", true}, Cue{"game_over", false}, Cue{"shop_fail", false}})
    {
        const auto [start, end] = pitchAtStartAndEnd(named(cue.name).samples);
        ASSERT_GT(start, 0.0) << cue.name;
        if (cue.rises)
            EXPECT_GT(end, start * 1.25) << cue.name << " goes from " << start << " Hz to " << end << " Hz";
        else
            EXPECT_LT(end, start * 0.8) << cue.name << " goes from " << start << " Hz to " << end << " Hz";
    }
}

} // namespace
