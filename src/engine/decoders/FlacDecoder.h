#pragma once
// FLAC through the reference decoder, at the stream's rate; any sample width is played as
// 16-bit. A damaged frame is skipped, and the sound after it plays.

#include "engine/decoders/SoundDecoder.h"

#include <FLAC/stream_decoder.h>

#include <vector>

class FlacDecoder final : public DecodedFile {
public:
    FlacDecoder() = default;
    ~FlacDecoder() override;
    FlacDecoder(const FlacDecoder&) = delete;
    FlacDecoder& operator=(const FlacDecoder&) = delete;

    bool OpenFile(const std::string& path) override;
    std::uint32_t Rate() const override { return m_nRate; }
    std::uint16_t Channels() const override { return m_nChannels; }
    std::size_t Read(char* buffer, std::size_t bytes) override;
    QString Error() const override { return m_strError; }

private:
    static FLAC__StreamDecoderWriteStatus OnWrite(const FLAC__StreamDecoder*, const FLAC__Frame* frame,
                                                  const FLAC__int32* const buffer[], void* self);
    static void OnMetadata(const FLAC__StreamDecoder*, const FLAC__StreamMetadata* metadata, void* self);
    static void OnError(const FLAC__StreamDecoder*, FLAC__StreamDecoderErrorStatus status, void* self);

    FLAC__StreamDecoder* m_pDecoder = nullptr;
    std::uint32_t m_nRate = 0;
    std::uint16_t m_nChannels = 0;
    // Decoded samples not yet read, from m_nPendingAt on.
    std::vector<std::int16_t> m_pending;
    std::size_t m_nPendingAt = 0;
    QString m_strError;
};
