// The MP3 output over the encoder library.

#include "engine/formats/Mp3Output.h"

#include "platform/FileSizeSignal.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <cstring>
#include <new>

Mp3Output::~Mp3Output()
{
    if (m_fpMp3)
        CloseMp3Stream();
}

void Mp3Output::ResetMp3State()
{
    m_pMp3Buffer = {};
    m_pPcmBuffer = {};
    m_nPcmFill = 0;
    m_fpMp3 = nullptr;
    m_strMp3Path.clear();
    m_hMp3Stream = 0;
    m_nPcmBufferSize = 0;
    m_dwChunkSamples = 0;
}

bool Mp3Output::Fail(const QString& text)
{
    m_strFailure = text;
    return false;
}

bool Mp3Output::Prepare(const OutputSpec&)
{
    if (!m_pEncoder)
        m_pEncoder = Mp3EncoderLibrary::LoadEncoder(&m_strFailure);
    return m_pEncoder != nullptr;
}

bool Mp3Output::OpenMp3Stream(const QString& path, const OutputSpec& spec)
{
    if (m_fpMp3)
        return true;
    if (!Prepare(spec))
        return false;
    m_spec = spec;
    m_strMp3Path = path;

    BE_CONFIG config;
    std::memset(&config, 0, sizeof config);
    config.configKind = BE_CONFIG_LAME;
    config.structVersion = 1;
    config.structSize = sizeof(BE_CONFIG);
    config.sampleRate = spec.rate;
    config.mode = spec.channels == 1 ? BE_MODE_MONO : BE_MODE_JOINT_STEREO;
    config.bitrate = BITRATE_KBPS;
    config.preset = 4;
    config.mpegVersion = BE_MPEG1;
    config.originalBit = 1;
    config.writeVbrHeader = 1;
    config.noBitReservoir = 1;

    std::uint32_t chunkSamples = 0;
    std::uint32_t outputBytes = 0;
    HBE_STREAM stream = 0;
    const BE_ERR rc = m_pEncoder->beInitStream(&config, &chunkSamples, &outputBytes, &stream);
    m_nPcmBufferSize = static_cast<std::uint32_t>(std::min<std::uint64_t>(spec.ringBytes, UINT32_MAX));
    if (rc != BE_ERR_SUCCESSFUL)
        return Fail(QCoreApplication::translate("Output", "Error opening encoding stream (%1)").arg(rc));
    m_dwChunkSamples = chunkSamples;
    m_hMp3Stream = stream;
    m_nPcmFill = 0;

    QFile::remove(path);
    platform::IgnoreFileSizeSignal();
    m_fpMp3 = std::fopen(QFile::encodeName(path).constData(), "wb+");
    if (!m_fpMp3) {
        // Nothing would ever close the encoder stream otherwise.
        m_pEncoder->beCloseStream(stream);
        return Fail(CannotCreate(path, QString()));
    }
    bool allocated = spec.ringBytes <= UINT32_MAX;
    if (allocated) {
        try {
            m_pMp3Buffer.assign(outputBytes, 0);
            m_pPcmBuffer.assign(m_nPcmBufferSize, 0);
        } catch (const std::bad_alloc&) {
            allocated = false;
        }
    }
    if (!allocated) {
        // The file stays, empty; the stream is not half open.
        m_pEncoder->beCloseStream(stream);
        EndMp3Stream();
        return Fail(QCoreApplication::translate("Output", "Out of memory"));
    }
    return true;
}

// Gathered and encoded in turns until the block is used up, so that whatever the ring and
// chunk sizes, at most one chunk is held between buffers: the close then never has more than
// one chunk left to encode.
IOutputFile::Written Mp3Output::Write(const char* data, std::uint32_t bytes)
{
    if (!m_fpMp3)
        return Written::OutputEnded;
    const auto capacity = static_cast<std::uint32_t>(m_pPcmBuffer.size());
    std::uint32_t used = 0;
    while (used < bytes && m_nPcmFill < capacity) {
        const std::uint32_t take = std::min(bytes - used, capacity - m_nPcmFill);
        std::memcpy(m_pPcmBuffer.data() + m_nPcmFill, data + used, take);
        m_nPcmFill += take;
        used += take;
        if (!EncodeHeldChunks())
            return Written::OutputEnded;
    }
    return Written::Ok;
}

bool Mp3Output::EncodeHeldChunks()
{
    const std::uint32_t chunkBytes = m_spec.bits / 8 * m_dwChunkSamples;
    char* pcm = m_pPcmBuffer.data();
    while (chunkBytes > 0 && m_nPcmFill > chunkBytes) {
        if (!EncodeMp3Chunk(pcm, chunkBytes)) {
            EndMp3Stream();
            return false;
        }
        std::memmove(pcm, pcm + chunkBytes, m_nPcmFill - chunkBytes);
        m_nPcmFill -= chunkBytes;
    }
    return true;
}

// On failure the encoder stream is closed, and the caller ends the output: nothing more
// may reach that encoder stream, and a file that refused a write would refuse the next
// chunk too, a message for each.
bool Mp3Output::EncodeMp3Chunk(const char* pcm, std::uint32_t bytes)
{
    std::uint32_t produced = 0;
    const BE_ERR rc = m_pEncoder->beEncodeChunk(m_hMp3Stream, bytes / 2, reinterpret_cast<const std::int16_t*>(pcm),
                                                m_pMp3Buffer.data(), &produced);
    if (rc != BE_ERR_SUCCESSFUL) {
        m_pEncoder->beCloseStream(m_hMp3Stream);
        return Fail(QCoreApplication::translate("Output", "m_ForMp3_Proc_hEncodeChunk() failed (%1)").arg(rc));
    }
    if (std::fwrite(m_pMp3Buffer.data(), 1, produced, m_fpMp3) != produced) {
        m_pEncoder->beCloseStream(m_hMp3Stream);
        return Fail(QCoreApplication::translate("Output", "Output file write error"));
    }
    return true;
}

// Closes the file with what it holds and frees the buffers; false when the last buffered
// bytes could not be written.
bool Mp3Output::EndMp3Stream()
{
    const bool written = std::fclose(m_fpMp3) == 0;
    m_fpMp3 = nullptr;
    m_pMp3Buffer = {};
    m_pPcmBuffer = {};
    m_nPcmFill = 0;
    return written;
}

bool Mp3Output::CloseMp3Stream()
{
    if (!m_fpMp3)
        return true;
    // The sound still held is the end of the recording: encoded before the flush. It is at
    // most one chunk; a part of a sample frame cannot be encoded.
    const std::uint32_t frameBytes = 2u * m_spec.channels;
    const std::uint32_t held = m_nPcmFill - m_nPcmFill % frameBytes;
    if (held > 0 && !EncodeMp3Chunk(m_pPcmBuffer.data(), held)) {
        EndMp3Stream();
        return false;
    }
    std::uint32_t produced = 0;
    const BE_ERR rc = m_pEncoder->beDeinitStream(m_hMp3Stream, m_pMp3Buffer.data(), &produced);
    if (rc != BE_ERR_SUCCESSFUL) {
        m_pEncoder->beCloseStream(m_hMp3Stream);
        EndMp3Stream();
        return Fail(QCoreApplication::translate("Output", "beExitStream failed (%1)").arg(rc));
    }
    if (produced != 0 && std::fwrite(m_pMp3Buffer.data(), 1, produced, m_fpMp3) != produced) {
        m_pEncoder->beCloseStream(m_hMp3Stream);
        EndMp3Stream();
        return Fail(QCoreApplication::translate("Output", "Output file write error"));
    }
    m_pEncoder->beCloseStream(m_hMp3Stream);
    // The file lacks its last frames: a tag would count frames that are not there.
    if (!EndMp3Stream())
        return Fail(QCoreApplication::translate("Output", "Output file write error"));
    const QByteArray narrow = QFile::encodeName(m_strMp3Path);
    if (m_pEncoder->beWriteInfoTag)
        m_pEncoder->beWriteInfoTag(m_hMp3Stream, narrow.constData());
    else
        m_pEncoder->beWriteVBRHeader(narrow.constData());
    return true;
}

void Mp3Output::Settle()
{
    if (m_fpMp3)
        std::fflush(m_fpMp3);
}
