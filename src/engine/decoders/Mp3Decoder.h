#pragma once
// MP3 through libmpg123: 16-bit at the stream's rate, with the encoder's delay and padding
// trimmed where the file's Info tag gives them.

#include "engine/decoders/SoundDecoder.h"

#include <mpg123.h>

class Mp3Decoder final : public DecodedFile {
public:
    Mp3Decoder() = default;
    ~Mp3Decoder() override;
    Mp3Decoder(const Mp3Decoder&) = delete;
    Mp3Decoder& operator=(const Mp3Decoder&) = delete;

    bool OpenFile(const std::string& path) override;
    std::uint32_t Rate() const override { return m_nRate; }
    std::uint16_t Channels() const override { return m_nChannels; }
    std::size_t Read(char* buffer, std::size_t bytes) override;
    QString Error() const override { return m_strError; }

private:
    mpg123_handle* m_pHandle = nullptr;
    std::uint32_t m_nRate = 0;
    std::uint16_t m_nChannels = 0;
    bool m_bEnded = false;
    QString m_strError;
};
