#include "EncoderStream.h"

#include "StreamConfig.h"

namespace lame_enc {
namespace {

BE_ERR EncoderError(int code)
{
    return code == -1 ? BE_ERR_BUFFER_TOO_SMALL : BE_ERR_ENCODER_FAILED;
}

} // namespace

std::unique_ptr<EncoderStream> EncoderStream::Start(const BE_CONFIG& config, BE_ERR& error)
{
    lame_global_flags* lame = lame_init();
    if (!lame) {
        error = BE_ERR_NO_MORE_HANDLES;
        return nullptr;
    }
    int channels = 0;
    error = ApplyConfig(config, lame, channels);
    if (error != BE_ERR_SUCCESSFUL) {
        lame_close(lame);
        return nullptr;
    }
    return std::unique_ptr<EncoderStream>(new EncoderStream(lame, channels));
}

EncoderStream::~EncoderStream()
{
    lame_close(m_pLame);
}

BE_ERR EncoderStream::Encode(std::uint32_t samples, const std::int16_t* pcm, std::uint8_t* output,
                             std::uint32_t& produced)
{
    if (m_bFlushed)
        return BE_ERR_INVALID_HANDLE;
    const auto channels = static_cast<std::uint32_t>(m_nChannels);
    if (samples > ChunkSamples() || samples % channels != 0 || (samples > 0 && !pcm) || !output)
        return BE_ERR_INVALID_FORMAT_PARAMETERS;
    const int frames = static_cast<int>(samples / channels);
    const int size = static_cast<int>(kOutputBufferBytes);
    // The interleaved entry point only reads its input despite its non-const parameter.
    const int bytes = m_nChannels == 2
        ? lame_encode_buffer_interleaved(m_pLame, const_cast<std::int16_t*>(pcm), frames, output, size)
        : lame_encode_buffer(m_pLame, pcm, pcm, frames, output, size);
    if (bytes < 0)
        return EncoderError(bytes);
    produced = static_cast<std::uint32_t>(bytes);
    ++m_nChunks;
    return BE_ERR_SUCCESSFUL;
}

BE_ERR EncoderStream::Flush(std::uint8_t* output, std::uint32_t& produced)
{
    if (m_bFlushed)
        return BE_ERR_INVALID_HANDLE;
    if (!output)
        return BE_ERR_INVALID_FORMAT_PARAMETERS;
    const int bytes = lame_encode_flush(m_pLame, output, static_cast<int>(kOutputBufferBytes));
    if (bytes < 0)
        return EncoderError(bytes);
    m_bFlushed = true;
    produced = static_cast<std::uint32_t>(bytes);
    return BE_ERR_SUCCESSFUL;
}

std::vector<std::uint8_t> EncoderStream::InfoTagFrame() const
{
    if (!m_bFlushed)
        return {};
    // Asked with no room, libmp3lame answers the size it needs (0 when it writes no tag).
    std::vector<std::uint8_t> frame(lame_get_lametag_frame(m_pLame, nullptr, 0));
    if (!frame.empty() && lame_get_lametag_frame(m_pLame, frame.data(), frame.size()) != frame.size())
        return {};
    return frame;
}

} // namespace lame_enc
