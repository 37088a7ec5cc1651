// FLAC output over libFLAC's stream encoder, writing through our own descriptor.

#include "engine/formats/FlacOutput.h"

#include "engine/formats/CapturedSamples.h"

#include <FLAC/metadata.h>

#include <QCoreApplication>
#include <QFile>

FlacOutput::~FlacOutput()
{
    if (m_pEncoder)
        Finish();
}

bool FlacOutput::Open(const QString& path, const OutputSpec& spec)
{
    if (m_pEncoder)
        return true;
    m_spec = spec;
    m_strError.clear();
    m_pEncoder = FLAC__stream_encoder_new();
    m_pTags = FLAC__metadata_object_new(FLAC__METADATA_TYPE_VORBIS_COMMENT);
    if (!m_pEncoder || !m_pTags) {
        m_strError = QCoreApplication::translate("Output", "out of memory");
        m_strFailure = CannotCreate(path, m_strError);
        Release();
        return false;
    }
    for (const std::string& tag : OutputTags(spec)) {
        FLAC__StreamMetadata_VorbisComment_Entry entry;
        entry.length = static_cast<FLAC__uint32>(tag.size());
        entry.entry = reinterpret_cast<FLAC__byte*>(const_cast<char*>(tag.c_str()));
        FLAC__metadata_object_vorbiscomment_append_comment(m_pTags, entry, /*copy=*/true);
    }
    FLAC__stream_encoder_set_channels(m_pEncoder, spec.channels);
    FLAC__stream_encoder_set_bits_per_sample(m_pEncoder, spec.bits);
    FLAC__stream_encoder_set_sample_rate(m_pEncoder, spec.rate);
    FLAC__stream_encoder_set_compression_level(m_pEncoder, 5);
    FLAC__stream_encoder_set_metadata(m_pEncoder, &m_pTags, 1);
    if (!m_file.Create(QFile::encodeName(path).toStdString())) {
        m_strError = m_file.Error();
        m_strFailure = CannotCreate(path, m_strError);
        Release();
        return false;
    }
    const FLAC__StreamEncoderInitStatus init =
        FLAC__stream_encoder_init_stream(m_pEncoder, &OnWrite, &OnSeek, &OnTell, nullptr, this);
    if (init != FLAC__STREAM_ENCODER_INIT_STATUS_OK) {
        m_strError = QString::fromLatin1(FLAC__StreamEncoderInitStatusString[init]);
        m_strFailure = CannotCreate(path, m_strError);
        Release();
        return false;
    }
    return true;
}

IOutputFile::Written FlacOutput::Write(const char* data, std::uint32_t bytes)
{
    if (!m_pEncoder)
        return Written::Failed;
    const std::uint32_t count = bytes / (m_spec.bits / 8u);
    // At the captured width: lossless.
    const FLAC__int32* samples = CapturedSamples(data, count, m_spec.bits, 1, m_samples);
    if (FLAC__stream_encoder_process_interleaved(m_pEncoder, samples, count / m_spec.channels) != 0)
        return Written::Ok;
    m_strFailure = QCoreApplication::translate("Output", "Write file failed");
    return Written::Failed;
}

bool FlacOutput::Finish()
{
    if (!m_pEncoder)
        return true;
    // Encodes the samples held, then rewrites the stream information with the true count.
    const bool finished = FLAC__stream_encoder_finish(m_pEncoder) != 0;
    const bool closed = m_file.Close();
    Release();
    if (!finished || !closed)
        m_strFailure = QCoreApplication::translate("Output", "Write file failed");
    return finished && closed;
}

void FlacOutput::Release()
{
    if (m_pEncoder)
        FLAC__stream_encoder_delete(m_pEncoder);
    if (m_pTags)
        FLAC__metadata_object_delete(m_pTags);
    m_pEncoder = nullptr;
    m_pTags = nullptr;
    m_file.Close();
}

FLAC__StreamEncoderWriteStatus FlacOutput::OnWrite(const FLAC__StreamEncoder*, const FLAC__byte buffer[], size_t bytes,
                                                   uint32_t, uint32_t, void* self)
{
    return static_cast<FlacOutput*>(self)->m_file.WriteAll(buffer, bytes) ? FLAC__STREAM_ENCODER_WRITE_STATUS_OK
                                                                          : FLAC__STREAM_ENCODER_WRITE_STATUS_FATAL_ERROR;
}

FLAC__StreamEncoderSeekStatus FlacOutput::OnSeek(const FLAC__StreamEncoder*, FLAC__uint64 offset, void* self)
{
    return static_cast<FlacOutput*>(self)->m_file.Seek(offset) ? FLAC__STREAM_ENCODER_SEEK_STATUS_OK
                                                               : FLAC__STREAM_ENCODER_SEEK_STATUS_ERROR;
}

FLAC__StreamEncoderTellStatus FlacOutput::OnTell(const FLAC__StreamEncoder*, FLAC__uint64* offset, void* self)
{
    *offset = static_cast<FlacOutput*>(self)->m_file.Tell();
    return FLAC__STREAM_ENCODER_TELL_STATUS_OK;
}
