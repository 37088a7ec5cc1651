// MP3 outputs: the encoder library loaded at run time, one encoder stream per output, PCM
// gathered into whole chunks of the size the encoder asks for.

#include "engine/AudioPlayRec.h"

#include "platform/FileSizeSignal.h"

#include <QFile>

#include <algorithm>
#include <cstring>
#include <new>

void CAudioPlayRec::ResetMp3State()
{
    for (int s = 0; s < 2; ++s) {
        m_pMp3Buffer[s] = {};
        m_pPcmBuffer[s] = {};
        m_nPcmFill[s] = 0;
        m_fpMp3[s] = nullptr;
        m_strMp3Path[s].clear();
        m_hMp3Stream[s] = 0;
    }
    m_nPcmBufferSize = 0;
    m_dwChunkSamples = 0;
    ClearEntryPoints();
}

void CAudioPlayRec::ClearEntryPoints()
{
    beInitStream = nullptr;
    beEncodeChunk = nullptr;
    beDeinitStream = nullptr;
    beCloseStream = nullptr;
    beVersion = nullptr;
    beWriteVBRHeader = nullptr;
    beWriteInfoTag = nullptr;
}

void CAudioPlayRec::UnloadEncoder()
{
    // Streams still open would call into unloaded code.
    for (int s = 0; s < 2; ++s)
        if (m_fpMp3[s])
            EndMp3Stream(s);
    m_hEncoderLib.reset();
}

int CAudioPlayRec::LoadEncoder()
{
    if (m_hEncoderLib)
        return 1;
    auto library = platform::DynamicLibrary::Load(QStringLiteral("liblame_enc.so"));
    if (!library) {
        ShowFailure(QStringLiteral("Error loading lame_enc.DLL"));
        return 0;
    }
    beInitStream = reinterpret_cast<BEINITSTREAM>(library->Resolve("beInitStream"));
    beEncodeChunk = reinterpret_cast<BEENCODECHUNK>(library->Resolve("beEncodeChunk"));
    beDeinitStream = reinterpret_cast<BEDEINITSTREAM>(library->Resolve("beDeinitStream"));
    beCloseStream = reinterpret_cast<BECLOSESTREAM>(library->Resolve("beCloseStream"));
    beVersion = reinterpret_cast<BEVERSION>(library->Resolve("beVersion"));
    beWriteVBRHeader = reinterpret_cast<BEWRITEVBRHEADER>(library->Resolve("beWriteVBRHeader"));
    beWriteInfoTag = reinterpret_cast<BEWRITEINFOTAG>(library->Resolve("beWriteInfoTag"));
    if (!beInitStream || !beEncodeChunk || !beDeinitStream || !beCloseStream || !beVersion ||
        !beWriteVBRHeader) {
        ShowFailure(QStringLiteral("Unable to get LAME interfaces"));
        ClearEntryPoints();
        return 0;
    }
    BE_VERSION version;
    std::memset(&version, 0, sizeof version);
    beVersion(&version);
    m_hEncoderLib = std::move(library);
    return 1;
}

int CAudioPlayRec::OpenMp3Stream(const QString& path, int s)
{
    if (!m_hEncoderLib)
        return 0;
    if (m_fpMp3[s])
        return 1;
    m_strMp3Path[s] = path;

    BE_CONFIG config;
    std::memset(&config, 0, sizeof config);
    config.configKind = BE_CONFIG_LAME;
    config.structVersion = 1;
    config.structSize = sizeof(BE_CONFIG);
    config.sampleRate = m_wfx.nSamplesPerSec;
    config.mode = StreamChannels() == 1 ? BE_MODE_MONO : BE_MODE_JOINT_STEREO;
    config.bitrate = 128;
    config.preset = 4;
    config.mpegVersion = BE_MPEG1;
    config.originalBit = 1;
    config.writeVbrHeader = 1;
    config.noBitReservoir = 1;

    // Taken over only when the start succeeds: a failed start must not change the chunk
    // size that the other stream is encoding with.
    std::uint32_t chunkSamples = 0;
    std::uint32_t outputBytes = 0;
    HBE_STREAM stream = 0;
    const BE_ERR rc = beInitStream(&config, &chunkSamples, &outputBytes, &stream);
    const std::uint64_t capacity = std::uint64_t{m_nBufferCount} * static_cast<std::uint64_t>(m_nBufferSize);
    m_nPcmBufferSize = static_cast<std::uint32_t>(std::min<std::uint64_t>(capacity, UINT32_MAX));
    if (rc != BE_ERR_SUCCESSFUL) {
        ShowFailure(QStringLiteral("Error opening encoding stream (%1)").arg(rc));
        return 0;
    }
    m_dwChunkSamples = chunkSamples;
    m_hMp3Stream[s] = stream;
    m_nPcmFill[s] = 0;

    QFile::remove(path);
    platform::IgnoreFileSizeSignal();
    m_fpMp3[s] = std::fopen(QFile::encodeName(path).constData(), "wb+");
    if (!m_fpMp3[s]) {
        // Nothing would ever close the encoder stream otherwise.
        beCloseStream(stream);
        ShowFailure(QStringLiteral("Error creating file %1").arg(path));
        return 0;
    }
    bool allocated = capacity <= UINT32_MAX;
    if (allocated) {
        try {
            m_pMp3Buffer[s].assign(outputBytes, 0);
            m_pPcmBuffer[s].assign(m_nPcmBufferSize, 0);
        } catch (const std::bad_alloc&) {
            allocated = false;
        }
    }
    if (!allocated) {
        // The file stays, empty; the stream is not half open.
        beCloseStream(stream);
        EndMp3Stream(s);
        ShowFailure(QStringLiteral("Out of memory"));
        return 0;
    }
    return 1;
}

void CAudioPlayRec::FeedMp3Streams(const char* const block[2], const std::uint32_t length[2])
{
    for (int s = 0; s < 2; ++s) {
        if (!m_fpMp3[s])
            continue;
        // Gathered and encoded in turns until the block is used up, so that whatever the
        // ring and chunk sizes, at most one chunk is held between buffers: the close then
        // never has more than one chunk left to encode. The stream's own buffer sets the
        // room, whatever a later open set the shared size to.
        const auto capacity = static_cast<std::uint32_t>(m_pPcmBuffer[s].size());
        std::uint32_t used = 0;
        while (m_fpMp3[s] && used < length[s] && m_nPcmFill[s] < capacity) {
            const std::uint32_t take = std::min(length[s] - used, capacity - m_nPcmFill[s]);
            std::memcpy(m_pPcmBuffer[s].data() + m_nPcmFill[s], block[s] + used, take);
            m_nPcmFill[s] += take;
            used += take;
            EncodeHeldChunks(s);
        }
    }
}

// Encodes whole chunks while more than one chunk is held: exactly one chunk waits for more.
void CAudioPlayRec::EncodeHeldChunks(int s)
{
    const std::uint32_t chunkBytes = m_wfx.wBitsPerSample / 8 * m_dwChunkSamples;
    char* pcm = m_pPcmBuffer[s].data();
    while (chunkBytes > 0 && m_nPcmFill[s] > chunkBytes) {
        if (!EncodeMp3Chunk(s, pcm, chunkBytes)) {
            EndMp3Stream(s);
            return;
        }
        std::memmove(pcm, pcm + chunkBytes, m_nPcmFill[s] - chunkBytes);
        m_nPcmFill[s] -= chunkBytes;
    }
}

// On failure the encoder stream is closed, and the caller ends the output: nothing more
// may reach that encoder stream, and a file that refused a write would refuse the next
// chunk too, a message for each.
int CAudioPlayRec::EncodeMp3Chunk(int s, const char* pcm, std::uint32_t bytes)
{
    std::uint32_t produced = 0;
    const BE_ERR rc = beEncodeChunk(m_hMp3Stream[s], bytes / 2, reinterpret_cast<const std::int16_t*>(pcm),
                                    m_pMp3Buffer[s].data(), &produced);
    if (rc != BE_ERR_SUCCESSFUL) {
        beCloseStream(m_hMp3Stream[s]);
        ShowFailure(QStringLiteral("m_ForMp3_Proc_hEncodeChunk() failed (%1)").arg(rc));
        return 0;
    }
    if (std::fwrite(m_pMp3Buffer[s].data(), 1, produced, m_fpMp3[s]) != produced) {
        beCloseStream(m_hMp3Stream[s]);
        ShowFailure(QStringLiteral("Output file write error"));
        return 0;
    }
    return 1;
}

// Closes the output's file with what it holds and frees its buffers; false when the last
// buffered bytes could not be written.
bool CAudioPlayRec::EndMp3Stream(int s)
{
    const bool written = std::fclose(m_fpMp3[s]) == 0;
    m_fpMp3[s] = nullptr;
    m_pMp3Buffer[s] = {};
    m_pPcmBuffer[s] = {};
    m_nPcmFill[s] = 0;
    return written;
}

// False when the file could not be finished (the user has been told).
bool CAudioPlayRec::CloseMp3Stream(int s)
{
    if (!m_fpMp3[s] || !beDeinitStream)
        return true;
    // The sound still held is the end of the recording: encoded before the flush. It is at
    // most one chunk; a part of a sample frame cannot be encoded.
    const std::uint32_t frameBytes = 2 * StreamChannels();
    const std::uint32_t held = m_nPcmFill[s] - m_nPcmFill[s] % frameBytes;
    if (held > 0 && !EncodeMp3Chunk(s, m_pPcmBuffer[s].data(), held)) {
        EndMp3Stream(s);
        return false;
    }
    std::uint32_t produced = 0;
    const BE_ERR rc = beDeinitStream(m_hMp3Stream[s], m_pMp3Buffer[s].data(), &produced);
    if (rc != BE_ERR_SUCCESSFUL) {
        beCloseStream(m_hMp3Stream[s]);
        ShowFailure(QStringLiteral("beExitStream failed (%1)").arg(rc));
        EndMp3Stream(s);
        return false;
    }
    if (produced != 0 && std::fwrite(m_pMp3Buffer[s].data(), 1, produced, m_fpMp3[s]) != produced) {
        beCloseStream(m_hMp3Stream[s]);
        ShowFailure(QStringLiteral("Output file write error"));
        EndMp3Stream(s);
        return false;
    }
    beCloseStream(m_hMp3Stream[s]);
    if (!EndMp3Stream(s)) {
        // The file lacks its last frames: a tag would count frames that are not there.
        ShowFailure(QStringLiteral("Output file write error"));
        return false;
    }
    const QByteArray narrow = QFile::encodeName(m_strMp3Path[s]);
    if (beWriteInfoTag)
        beWriteInfoTag(m_hMp3Stream[s], narrow.constData());
    else
        beWriteVBRHeader(narrow.constData());
    return true;
}

// One channel per stream when each channel has its own file.
std::uint32_t CAudioPlayRec::StreamChannels() const
{
    return m_nChannelMode == CHANNELS_SPLIT ? 1u : m_wfx.nChannels;
}
