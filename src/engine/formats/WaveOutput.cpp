// The WAV output over the RIFF writer.

#include "engine/formats/WaveOutput.h"

#include "engine/formats/WaveHeader.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>

bool WaveOutput::OpenWaveFile(const QString& path, const OutputSpec& spec)
{
    if (m_hFile)
        return true;
    m_spec = spec;
    auto writer = std::make_unique<RiffWriter>();
    if (!writer->Open(QFile::encodeName(path).toStdString()) ||
        !BeginWaveFile(*writer, m_ckRiff, m_ckData, PcmFormat(spec.rate, spec.bits, spec.channels))) {
        m_strFailure = CannotCreate(path, QString());
        return false;
    }
    m_hFile = std::move(writer);
    m_nUnsizedBytes = 0;
    return true;
}

// +1: room for the pad byte that closing may add. A file holds at least one block, however
// low the limit.
bool WaveOutput::HasRoomFor(std::uint32_t bytes) const
{
    const std::uint64_t limit = std::min(m_spec.maxFileBytes, MAX_WAVE_FILE_BYTES);
    return m_hFile->Position() <= WAVE_HEADER_BYTES || m_hFile->Position() + bytes + 1 <= limit;
}

IOutputFile::Written WaveOutput::Write(const char* data, std::uint32_t bytes)
{
    if (!m_hFile || m_hFile->Write(data, bytes) != bytes)
        return Written::Failed;
    m_nUnsizedBytes += bytes;
    const std::uint32_t perSecond = m_spec.rate * m_spec.channels * (m_spec.bits / 8u);
    if (m_nUnsizedBytes >= perSecond) {
        m_nUnsizedBytes = 0;
        // The sound gathered so far is written here: if it cannot be, the take ends now.
        if (!m_hFile->UpdateSizes())
            return Written::Failed;
    }
    return Written::Ok;
}

bool WaveOutput::Finish()
{
    if (!m_hFile)
        return true;
    const bool finished = FinishWaveFile(*m_hFile);
    m_hFile.reset();
    if (!finished)
        m_strFailure = QCoreApplication::translate("Output", "Write file failed");
    return finished;
}

void WaveOutput::Flush()
{
    if (m_hFile)
        m_hFile->Flush();
}

void WaveOutput::Settle()
{
    if (m_hFile && m_hFile->UpdateSizes())
        m_nUnsizedBytes = 0;
}
