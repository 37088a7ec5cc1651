#pragma once
// One libmp3lame encoder, fed in chunks of interleaved 16-bit PCM.

#include "lame_enc.h"

#include <lame.h>

#include <cstdint>
#include <memory>
#include <vector>

namespace lame_enc {

class EncoderStream {
public:
    // One MPEG-1 frame's worth per channel; smaller chunks would only mean more calls.
    static constexpr std::uint32_t kChunkFrames = 1152;
    // libmp3lame's documented worst case for one call of kChunkFrames sample frames; it also
    // covers the flush (at most 7200 bytes).
    static constexpr std::uint32_t kOutputBufferBytes = kChunkFrames * 5 / 4 + 7200;

    // Null with the reason in error when the record is refused or libmp3lame cannot start.
    static std::unique_ptr<EncoderStream> Start(const BE_CONFIG& config, BE_ERR& error);
    ~EncoderStream();
    EncoderStream(const EncoderStream&) = delete;
    EncoderStream& operator=(const EncoderStream&) = delete;

    // Samples of all channels together.
    std::uint32_t ChunkSamples() const { return kChunkFrames * static_cast<std::uint32_t>(m_nChannels); }
    std::uint32_t ChunksEncoded() const { return m_nChunks; }

    // output holds kOutputBufferBytes; produced is set only on success.
    BE_ERR Encode(std::uint32_t samples, const std::int16_t* pcm, std::uint8_t* output,
                  std::uint32_t& produced);
    BE_ERR Flush(std::uint8_t* output, std::uint32_t& produced);

    // The final Info tag frame: empty before the flush, or when the record asked for no tag.
    std::vector<std::uint8_t> InfoTagFrame() const;

private:
    EncoderStream(lame_global_flags* lame, int channels) : m_pLame(lame), m_nChannels(channels) {}

    lame_global_flags* m_pLame;
    int m_nChannels;
    bool m_bFlushed = false;
    std::uint32_t m_nChunks = 0;
};

} // namespace lame_enc
