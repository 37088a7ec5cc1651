// FLAC decoding over libFLAC's stream decoder.

#include "engine/decoders/FlacDecoder.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstring>

FlacDecoder::~FlacDecoder()
{
    if (m_pDecoder)
        FLAC__stream_decoder_delete(m_pDecoder);
}

bool FlacDecoder::OpenFile(const std::string& path)
{
    m_pDecoder = FLAC__stream_decoder_new();
    if (!m_pDecoder) {
        m_strError = QCoreApplication::translate("Decoder", "out of memory");
        return false;
    }
    const FLAC__StreamDecoderInitStatus init =
        FLAC__stream_decoder_init_file(m_pDecoder, path.c_str(), &OnWrite, &OnMetadata, &OnError, this);
    if (init != FLAC__STREAM_DECODER_INIT_STATUS_OK) {
        m_strError = init == FLAC__STREAM_DECODER_INIT_STATUS_ERROR_OPENING_FILE
                         ? QCoreApplication::translate("Decoder", "the file cannot be opened")
                         : QString::fromLatin1(FLAC__StreamDecoderInitStatusString[init]);
        return false;
    }
    if (!FLAC__stream_decoder_process_until_end_of_metadata(m_pDecoder) || m_nRate == 0) {
        m_strError = QCoreApplication::translate("Decoder", "not a FLAC stream");
        return false;
    }
    if (m_nChannels > 2) {
        m_strError = QCoreApplication::translate("Decoder", "%1 channels; only mono and stereo are played").arg(m_nChannels);
        return false;
    }
    return true;
}

std::size_t FlacDecoder::Read(char* buffer, std::size_t bytes)
{
    const std::size_t wanted = bytes / (2u * m_nChannels) * m_nChannels;
    std::size_t done = 0;
    while (done < wanted) {
        if (m_nPendingAt == m_pending.size()) {
            m_pending.clear();
            m_nPendingAt = 0;
            if (FLAC__stream_decoder_get_state(m_pDecoder) == FLAC__STREAM_DECODER_END_OF_STREAM ||
                !FLAC__stream_decoder_process_single(m_pDecoder))
                break;
            continue;
        }
        const std::size_t take = std::min(wanted - done, m_pending.size() - m_nPendingAt);
        std::memcpy(buffer + 2 * done, m_pending.data() + m_nPendingAt, 2 * take);
        m_nPendingAt += take;
        done += take;
    }
    return 2 * done;
}

FLAC__StreamDecoderWriteStatus FlacDecoder::OnWrite(const FLAC__StreamDecoder*, const FLAC__Frame* frame,
                                                    const FLAC__int32* const buffer[], void* self)
{
    auto& d = *static_cast<FlacDecoder*>(self);
    const unsigned bits = frame->header.bits_per_sample;
    const unsigned frameChannels = frame->header.channels;
    if (bits == 0 || bits > 32 || frameChannels == 0)
        return FLAC__STREAM_DECODER_WRITE_STATUS_CONTINUE;
    const std::size_t at = d.m_pending.size();
    d.m_pending.resize(at + std::size_t{frame->header.blocksize} * d.m_nChannels);
    std::int16_t* out = d.m_pending.data() + at;
    for (unsigned i = 0; i < frame->header.blocksize; ++i) {
        for (unsigned c = 0; c < d.m_nChannels; ++c) {
            // A frame with fewer channels than the stream (a damaged one) repeats its last.
            const std::int64_t v = buffer[std::min(c, frameChannels - 1)][i];
            const std::int64_t scaled = bits <= 16 ? v * (1 << (16 - bits)) : v >> (bits - 16);
            *out++ = static_cast<std::int16_t>(std::clamp<std::int64_t>(scaled, -32768, 32767));
        }
    }
    return FLAC__STREAM_DECODER_WRITE_STATUS_CONTINUE;
}

void FlacDecoder::OnMetadata(const FLAC__StreamDecoder*, const FLAC__StreamMetadata* metadata, void* self)
{
    auto& d = *static_cast<FlacDecoder*>(self);
    if (metadata->type != FLAC__METADATA_TYPE_STREAMINFO)
        return;
    d.m_nRate = metadata->data.stream_info.sample_rate;
    d.m_nChannels = static_cast<std::uint16_t>(metadata->data.stream_info.channels);
}

void FlacDecoder::OnError(const FLAC__StreamDecoder*, FLAC__StreamDecoderErrorStatus, void*)
{
    // A damaged frame: the decoder finds the next one and goes on.
}
