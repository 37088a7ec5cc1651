#include "Mp3Decode.h"

#include "support/ToneFrequency.h"

#include <mpg123.h>

#include <array>
#include <memory>

namespace {

struct HandleDeleter {
    void operator()(mpg123_handle* handle) const
    {
        mpg123_close(handle);
        mpg123_delete(handle);
    }
};

} // namespace

std::optional<DecodedAudio> DecodeMp3(const std::string& path, std::string& error)
{
    int code = MPG123_OK;
    std::unique_ptr<mpg123_handle, HandleDeleter> handle(mpg123_new(nullptr, &code));
    if (!handle) {
        error = mpg123_plain_strerror(code);
        return std::nullopt;
    }
    mpg123_handle* mh = handle.get();
    // Decode at the stream's own rate and channel count, as 16-bit samples, trimmed by the
    // encoder delay and padding that the Info tag records.
    if (mpg123_param(mh, MPG123_ADD_FLAGS, MPG123_QUIET | MPG123_GAPLESS, 0.0) != MPG123_OK) {
        error = mpg123_strerror(mh);
        return std::nullopt;
    }
    mpg123_format_none(mh);
    for (long rate : {8000L, 11025L, 12000L, 16000L, 22050L, 24000L, 32000L, 44100L, 48000L})
        mpg123_format(mh, rate, MPG123_MONO | MPG123_STEREO, MPG123_ENC_SIGNED_16);
    if (mpg123_open(mh, path.c_str()) != MPG123_OK) {
        error = mpg123_strerror(mh);
        return std::nullopt;
    }
    DecodedAudio audio;
    int encoding = 0;
    if (mpg123_getformat(mh, &audio.rate, &audio.channels, &encoding) != MPG123_OK) {
        error = mpg123_strerror(mh);
        return std::nullopt;
    }
    std::array<unsigned char, 16384> buffer{};
    for (;;) {
        std::size_t done = 0;
        code = mpg123_read(mh, buffer.data(), buffer.size(), &done);
        const auto* samples = reinterpret_cast<const std::int16_t*>(buffer.data());
        audio.samples.insert(audio.samples.end(), samples, samples + done / sizeof(std::int16_t));
        if (code == MPG123_DONE)
            return audio;
        if (code != MPG123_OK && code != MPG123_NEW_FORMAT) {
            error = mpg123_strerror(mh);
            return std::nullopt;
        }
    }
}

std::vector<int> DecodedChannel(const DecodedAudio& audio, int channel)
{
    const auto step = static_cast<std::size_t>(audio.channels);
    std::vector<int> samples;
    samples.reserve(audio.Frames());
    for (std::size_t i = 0; i < audio.Frames(); ++i)
        samples.push_back(audio.samples[i * step + static_cast<std::size_t>(channel)]);
    return samples;
}

double ToneFrequency(const DecodedAudio& audio, int channel)
{
    const std::vector<int> samples = DecodedChannel(audio, channel);
    // The middle 80 %: the tone's edges in the encoded stream are not the tone.
    return RisingCrossingFrequency(samples, audio.Frames() / 10, audio.Frames() - audio.Frames() / 10,
                                   static_cast<double>(audio.rate));
}
