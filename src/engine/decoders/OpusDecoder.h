#pragma once
// Ogg Opus through opusfile, at 48 kHz (the rate Opus decodes at, whatever the input's was):
// mono as mono, anything else as stereo. The encoder's delay and the padding after the last
// sample are trimmed, so the sound is as long as what was recorded.

#include "engine/decoders/SoundDecoder.h"

#include <opus/opusfile.h>

#include <vector>

class OpusDecoder final : public DecodedFile {
public:
    OpusDecoder() = default;
    ~OpusDecoder() override;
    OpusDecoder(const OpusDecoder&) = delete;
    OpusDecoder& operator=(const OpusDecoder&) = delete;

    bool OpenFile(const std::string& path) override;
    std::uint32_t Rate() const override { return 48000; }
    std::uint16_t Channels() const override { return m_nChannels; }
    std::size_t Read(char* buffer, std::size_t bytes) override;
    QString Error() const override { return m_strError; }

private:
    OggOpusFile* m_pFile = nullptr;
    std::uint16_t m_nChannels = 0;
    std::vector<opus_int16> m_samples;
    QString m_strError;
};
