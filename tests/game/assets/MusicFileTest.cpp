// Checks music/pumpkin_lounge.mp3 as the game hears it: decoded by libmpg123, which honours the
// LAME tag and so drops the encoder's delay and padding. The track must be a 30 to 90 second loop
// that is not silent, does not clip, and wraps around without a click.
#include <gtest/gtest.h>
#include <mpg123.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#ifndef SOURCE_DIR
#error "compile with -DSOURCE_DIR=\"<repository root>\""
#endif

namespace
{

const std::string kPath = std::string(SOURCE_DIR) + "/music/pumpkin_lounge.mp3";
constexpr long kRate = 44100;
constexpr int kMinusOneDbfs = 29204;
constexpr int kMinusThirtyDbfs = 1036;
constexpr int kOnePercent = 328;

struct Track
{
    std::string error; // empty when the file was decoded
    long rate = 0;
    int channels = 0;
    off_t length = 0;           // frames, as mpg123_length reports after a full scan
    std::vector<short> samples; // interleaved
    std::size_t frames() const { return channels > 0 ? samples.size() / channels : 0; }
};

Track decode()
{
    Track track;
    mpg123_init();
    int err = MPG123_OK;
    std::unique_ptr<mpg123_handle, decltype(&mpg123_delete)> handle(mpg123_new(nullptr, &err), mpg123_delete);
    mpg123_handle* mh = handle.get();
    if (!mh)
    {
        track.error = mpg123_plain_strerror(err);
        return track;
    }
    mpg123_param(mh, MPG123_ADD_FLAGS, MPG123_GAPLESS | MPG123_QUIET, 0.0);
    mpg123_format_none(mh);
    mpg123_format(mh, kRate, MPG123_MONO | MPG123_STEREO, MPG123_ENC_SIGNED_16);
    if (mpg123_open(mh, kPath.c_str()) != MPG123_OK || mpg123_scan(mh) != MPG123_OK)
    {
        track.error = mpg123_strerror(mh);
        return track;
    }
    track.length = mpg123_length(mh);
    int encoding = 0;
    if (mpg123_getformat(mh, &track.rate, &track.channels, &encoding) != MPG123_OK)
        track.error = mpg123_strerror(mh);
    std::vector<short> buffer(mpg123_outblock(mh) / sizeof(short));
    for (;;)
    {
        std::size_t done = 0;
        const int status =
            mpg123_read(mh, reinterpret_cast<unsigned char*>(buffer.data()), buffer.size() * sizeof(short), &done);
        track.samples.insert(track.samples.end(), buffer.begin(), buffer.begin() + done / sizeof(short));
        if (status == MPG123_DONE)
            break;
        if (status != MPG123_OK && status != MPG123_NEW_FORMAT)
        {
            track.error = mpg123_strerror(mh);
            break;
        }
    }
    mpg123_close(mh);
    return track;
}

const Track& track()
{
    static const Track decoded = decode();
    return decoded;
}

// Loudest sample of any channel among frames [from, from + count).
int peak(const Track& t, std::size_t from, std::size_t count)
{
    int top = 0;
    for (std::size_t i = from * t.channels; i < std::min((from + count) * t.channels, t.samples.size()); ++i)
        top = std::max(top, std::abs(static_cast<int>(t.samples[i])));
    return top;
}

TEST(MusicFile, IsAtMostOneAndAHalfMegabytes)
{
    std::error_code error;
    const auto size = std::filesystem::file_size(kPath, error);
    ASSERT_FALSE(error) << kPath << ": " << error.message();
    EXPECT_LE(size, 1500000u);
}

TEST(MusicFile, DecodesToThirtyToNinetySecondsAt44100Hz)
{
    const Track& t = track();
    ASSERT_EQ(t.error, "");
    EXPECT_EQ(t.rate, kRate);
    EXPECT_TRUE(t.channels == 1 || t.channels == 2) << t.channels << " channels";
    EXPECT_EQ(static_cast<std::size_t>(t.length), t.frames()) << "decoded length differs from the scanned one";
    const double seconds = static_cast<double>(t.length) / kRate;
    EXPECT_GE(seconds, 30.0);
    EXPECT_LE(seconds, 90.0);
}

TEST(MusicFile, IsAudibleWithoutClipping)
{
    const Track& t = track();
    ASSERT_EQ(t.error, "");
    ASSERT_FALSE(t.samples.empty());
    double sum = 0.0;
    for (short s : t.samples)
        sum += static_cast<double>(s) * s;
    const double rms = std::sqrt(sum / t.samples.size());
    EXPECT_LE(peak(t, 0, t.frames()), kMinusOneDbfs) << "decoded peak above -1 dBFS";
    EXPECT_GE(rms, kMinusThirtyDbfs) << "average level below -30 dBFS";
}

TEST(MusicFile, LoopsWithoutAClick)
{
    // Either both sides of the seam are near silence, or the last frame flows into the first.
    const Track& t = track();
    ASSERT_EQ(t.error, "");
    const std::size_t tenMs = kRate / 100;
    ASSERT_GT(t.frames(), 2 * tenMs);
    const int head = peak(t, 0, tenMs);
    const int tail = peak(t, t.frames() - tenMs, tenMs);
    bool joins = true;
    for (int c = 0; c < t.channels; ++c)
        joins = joins && std::abs(t.samples[t.samples.size() - t.channels + c] - t.samples[c]) <= kOnePercent;
    EXPECT_TRUE((head < kMinusThirtyDbfs && tail < kMinusThirtyDbfs) || joins)
        << "first 10 ms peak at " << head << ", last 10 ms at " << tail << " (of 32767)";
}

} // namespace
