#include "audio/Mp3Reader.h"

#include <SFML/Config.hpp>

#if SFML_VERSION_MAJOR < 3 && SFML_VERSION_MINOR < 6

#include <SFML/Audio/SoundFileFactory.hpp>
#include <SFML/Audio/SoundFileReader.hpp>
#include <SFML/System/InputStream.hpp>
#include <mpg123.h>

#include <cstdio>
#include <cstring>

namespace ostrel
{

namespace
{

// Decodes MP3 to interleaved signed 16-bit samples. The stream must be seekable: the
// length is found by scanning the whole file, so that SFML knows exactly where the
// track ends and a looping track restarts at the right sample.
class Mp3Reader : public sf::SoundFileReader
{
public:
    Mp3Reader() = default;
    Mp3Reader(const Mp3Reader&) = delete;
    Mp3Reader& operator=(const Mp3Reader&) = delete;

    ~Mp3Reader() override
    {
        if (m_handle)
        {
            mpg123_close(m_handle);
            mpg123_delete(m_handle);
        }
    }

    // An ID3 tag or an MPEG audio frame header; RIFF, OggS and fLaC never match.
    static bool check(sf::InputStream& stream)
    {
        unsigned char header[3] = {0, 0, 0};
        if (stream.read(header, 3) != 3)
        {
            return false;
        }
        return std::memcmp(header, "ID3", 3) == 0 ||
               (header[0] == 0xFF && (header[1] & 0xE0) == 0xE0 && (header[1] & 0x06) != 0);
    }

    bool open(sf::InputStream& stream, Info& info) override
    {
        int error = MPG123_OK;
        m_handle = mpg123_new(nullptr, &error);
        if (!m_handle)
        {
            return false;
        }
        mpg123_param(m_handle, MPG123_ADD_FLAGS, MPG123_QUIET, 0.0);
        mpg123_format_none(m_handle);
        const long* rates = nullptr;
        std::size_t rate_count = 0;
        mpg123_rates(&rates, &rate_count);
        for (std::size_t i = 0; i < rate_count; ++i)
        {
            mpg123_format(m_handle, rates[i], MPG123_MONO | MPG123_STEREO, MPG123_ENC_SIGNED_16);
        }
        if (mpg123_replace_reader_handle(m_handle, &readCallback, &seekCallback, nullptr) != MPG123_OK ||
            mpg123_open_handle(m_handle, &stream) != MPG123_OK || mpg123_scan(m_handle) != MPG123_OK)
        {
            return false;
        }

        long rate = 0;
        int channels = 0;
        int encoding = 0;
        if (mpg123_getformat(m_handle, &rate, &channels, &encoding) != MPG123_OK || encoding != MPG123_ENC_SIGNED_16 ||
            channels <= 0)
        {
            return false;
        }
        // Lock the format so that it cannot change in the middle of the stream.
        mpg123_format_none(m_handle);
        mpg123_format(m_handle, rate, channels, MPG123_ENC_SIGNED_16);

        const off_t frames = mpg123_length(m_handle);
        if (frames < 0)
        {
            return false;
        }
        m_channels = static_cast<unsigned>(channels);
        info.channelCount = m_channels;
        info.sampleRate = static_cast<unsigned>(rate);
        info.sampleCount = static_cast<sf::Uint64>(frames) * m_channels;
        return true;
    }

    // The offset counts interleaved samples.
    void seek(sf::Uint64 sample_offset) override
    {
        mpg123_seek(m_handle, static_cast<off_t>(sample_offset / m_channels), SEEK_SET);
    }

    // Fills the whole request unless the track ends: SFML reads a sound in one call.
    sf::Uint64 read(sf::Int16* samples, sf::Uint64 max_count) override
    {
        sf::Uint64 total = 0;
        while (total < max_count)
        {
            std::size_t done = 0;
            const int result = mpg123_read(m_handle, reinterpret_cast<unsigned char*>(samples + total),
                                           static_cast<std::size_t>((max_count - total) * sizeof(sf::Int16)), &done);
            total += done / sizeof(sf::Int16);
            if (result == MPG123_NEW_FORMAT)
            {
                continue;
            }
            if (result != MPG123_OK || done == 0)
            {
                break;
            }
        }
        return total;
    }

private:
    static mpg123_ssize_t readCallback(void* handle, void* buffer, std::size_t size)
    {
        const sf::Int64 result = static_cast<sf::InputStream*>(handle)->read(buffer, static_cast<sf::Int64>(size));
        return result < 0 ? -1 : static_cast<mpg123_ssize_t>(result);
    }

    static off_t seekCallback(void* handle, off_t offset, int whence)
    {
        sf::InputStream* stream = static_cast<sf::InputStream*>(handle);
        sf::Int64 base = -1;
        if (whence == SEEK_SET)
        {
            base = 0;
        }
        else if (whence == SEEK_CUR)
        {
            base = stream->tell();
        }
        else if (whence == SEEK_END)
        {
            base = stream->getSize();
        }
        if (base < 0)
        {
            return -1;
        }
        const sf::Int64 result = stream->seek(base + offset);
        return result < 0 ? -1 : static_cast<off_t>(result);
    }

    mpg123_handle* m_handle = nullptr;
    unsigned m_channels = 1;
};

} // namespace

void registerMp3Reader()
{
    static const bool registered = []
    {
        sf::SoundFileFactory::registerReader<Mp3Reader>();
        return true;
    }();
    (void)registered;
}

} // namespace ostrel

#else

namespace ostrel
{

void registerMp3Reader() {}

} // namespace ostrel

#endif
