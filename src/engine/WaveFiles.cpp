// The engine's WAV outputs and its WAV source for playback.

#include "engine/AudioPlayRec.h"

#include "engine/OutputParts.h"
#include "engine/WaveHeader.h"

#include <QFile>


int CAudioPlayRec::OpenWaveFile(int n, const QString& path)
{
    if (m_hFile[n])
        return 1;
    // One file per channel: each holds a mono stream.
    const WAVEFORMATEX wfx =
        m_nChannelMode == CHANNELS_SPLIT ? PcmFormat(m_wfx.nSamplesPerSec, m_wfx.wBitsPerSample, 1) : m_wfx;
    auto writer = std::make_unique<RiffWriter>();
    if (!writer->Open(QFile::encodeName(path).toStdString()) ||
        !BeginWaveFile(*writer, m_ckRiff[n], m_ckData[n], wfx)) {
        ShowFailure(QStringLiteral("Open wave file failed"));
        return 0;
    }
    m_hFile[n] = std::move(writer);
    m_nUnsizedBytes[n] = 0;
    return 1;
}

// One block to output n. A block that would take the file past the size limit goes to the
// next part instead, so the 32-bit sizes always hold. The true sizes are written about once
// a second of sound, so a file survives the process being killed.
bool CAudioPlayRec::WriteWave(int n, const char* data, std::uint32_t length)
{
    RiffWriter& file = *m_hFile[n];
    // +1: room for the pad byte that closing may add.
    if (file.Position() > WAVE_HEADER_BYTES && file.Position() + length + 1 > m_nMaxFileBytes &&
        !StartNextPart(n))
        return false;
    RiffWriter& out = *m_hFile[n];
    if (out.Write(data, length) != length)
        return false;
    m_nUnsizedBytes[n] += length;
    const std::uint32_t perSecond = m_wfx.nAvgBytesPerSec / (m_nChannelMode == CHANNELS_SPLIT ? 2 : 1);
    if (m_nUnsizedBytes[n] >= perSecond) {
        m_nUnsizedBytes[n] = 0;
        // The sound gathered so far is written here: if it cannot be, the take ends now.
        return out.UpdateSizes();
    }
    return true;
}

void CAudioPlayRec::FlushOutputs()
{
    for (const auto& file : m_hFile)
        if (file)
            file->Flush();
}

QString CAudioPlayRec::OutputPath(int n) const
{
    if (m_fpMp3[n])
        return m_strMp3Path[n];
    return m_hFile[n] || m_pOutput[n] ? PartPath(m_strOutputPath[n], m_nOutputPart[n]) : QString();
}

bool CAudioPlayRec::IsOutputOpen(int n) const
{
    return m_hFile[n] || m_fpMp3[n] || m_pOutput[n];
}

void CAudioPlayRec::CloseRecordFile(int n, const QString& kind)
{
    const QString lower = kind.toLower();
    // An output closed by its owner is not made again when sound comes.
    if (m_bAwaiting[n] && lower == (IsMp3Path(m_strAwaitPath[n]) ? QStringLiteral("mp3") : QStringLiteral("wav")))
        m_bAwaiting[n] = false;
    if (lower == QStringLiteral("wav") && m_hFile[n]) {
        FinishWaveFile(*m_hFile[n]);
        m_hFile[n].reset();
    } else if (lower == QStringLiteral("mp3") && m_hEncoderLib) {
        CloseMp3Stream(n);
    } else if (m_pOutput[n] && lower == m_pOutput[n]->Kind()) {
        FinishFormatFile(n);
    }
}

int CAudioPlayRec::OpenWaveForRead(const QString& path)
{
    if (m_hReadFile)
        return 0;
    auto reader = std::make_unique<RiffReader>();
    if (!reader->Open(QFile::encodeName(path).toStdString())) {
        ShowFailure(QStringLiteral("Open wave file failed"));
        return 0;
    }
    WAVEFORMATEX wfx;
    switch (ReadWaveHeader(*reader, m_ckRiff[0], m_ckData[0], wfx)) {
    case WaveReadError::None:
        break;
    case WaveReadError::NoRiffWave:
        ShowFailure(QStringLiteral("Error descending into file"));
        return 0;
    case WaveReadError::NoFormat:
        ShowFailure(QStringLiteral("Error descending in wave file"));
        return 0;
    case WaveReadError::AscendFormat:
        ShowFailure(QStringLiteral("Error ascending in File"));
        return 0;
    case WaveReadError::NoData:
        ShowFailure(QStringLiteral("error reading data chunk"));
        return 0;
    }
    // Only the "data" chunk is sound: a chunk after it (tags other tools write) would play
    // as noise. A size of 0 is a writer that never came back to it (the sound runs to the
    // end of the file).
    if (m_ckData[0].cksize > 0)
        reader->LimitTo(m_ckData[0].dwDataOffset + m_ckData[0].cksize);
    m_wfx = wfx;
    PrepareBuffers();
    m_hReadFile = std::move(reader);
    return 1;
}
