// Reading a WAV file for Play.

#include "engine/decoders/WaveDecoder.h"

#include "engine/formats/WaveHeader.h"

#include <QCoreApplication>
#include <QFile>

bool WaveDecoder::Fail(const QString& text)
{
    m_strFailure = text;
    m_hFile.reset();
    return false;
}

bool WaveDecoder::OpenWaveForRead(const QString& path)
{
    if (m_hFile)
        return false;
    m_hFile = std::make_unique<RiffReader>();
    if (!m_hFile->Open(QFile::encodeName(path).toStdString()))
        return Fail(QCoreApplication::translate("Decoder", "Open wave file failed"));
    switch (ReadWaveHeader(*m_hFile, m_ckRiff, m_ckData, m_wfx)) {
    case WaveReadError::None:
        break;
    case WaveReadError::NoRiffWave:
        return Fail(QCoreApplication::translate("Decoder", "Error descending into file"));
    case WaveReadError::NoFormat:
        return Fail(QCoreApplication::translate("Decoder", "Error descending in wave file"));
    case WaveReadError::AscendFormat:
        return Fail(QCoreApplication::translate("Decoder", "Error ascending in File"));
    case WaveReadError::NoData:
        return Fail(QCoreApplication::translate("Decoder", "error reading data chunk"));
    }
    // Only the "data" chunk is sound: a chunk after it (tags other tools write) would play
    // as noise. A size of 0 is a writer that never came back to it (the sound runs to the
    // end of the file).
    if (m_ckData.cksize > 0)
        m_hFile->LimitTo(m_ckData.dwDataOffset + m_ckData.cksize);
    return true;
}

std::size_t WaveDecoder::Read(char* buffer, std::size_t bytes)
{
    return m_hFile ? m_hFile->Read(buffer, bytes) : 0;
}
