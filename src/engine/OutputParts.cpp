// A long recording in parts: each output goes on into a new file when the set length of
// sound has been written to it, or when its WAV file would pass the size limit.

#include "engine/OutputParts.h"

#include "engine/AudioPlayRec.h"
#include "engine/WaveHeader.h"
#include "platform/LocalTime.h"

#include <algorithm>

namespace {
// path with text put before its extension, if any.
QString BeforeExtension(const QString& path, const QString& text)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    const qsizetype at = dot > slash + 1 ? dot : path.size();
    return path.left(at) + text + path.mid(at);
}
} // namespace

QString PartPath(const QString& path, int part)
{
    if (part <= 1)
        return path;
    return BeforeExtension(path, QStringLiteral("-%1").arg(part));
}

QString SoundFilePath(const QString& path, std::int64_t ms)
{
    // Floored, so that a moment before 1970 still names its own second.
    const std::int64_t seconds = ms >= 0 ? ms / 1000 : -((-ms + 999) / 1000);
    const std::int64_t milli = ms - seconds * 1000;
    return BeforeExtension(path, QLatin1Char('_') + platform::FormatLocal(seconds, "%Y-%m-%d_%H-%M-%S") +
                                     QStringLiteral(".%1").arg(milli, 3, 10, QLatin1Char('0')));
}

int CAudioPlayRec::CurrentPart() const
{
    for (int n = 0; n < 2; ++n)
        if (IsOutputOpen(n))
            return m_nOutputPart[n];
    return 0;
}

// The set length of a part in the bytes of one output's block: both outputs are given
// blocks of one length, one channel each or the same sound.
std::uint64_t CAudioPlayRec::PartBytes() const
{
    return std::uint64_t{m_nPartSeconds} * m_wfx.nSamplesPerSec * OutputFrameBytes();
}

std::uint32_t CAudioPlayRec::OutputFrameBytes() const
{
    return m_nChannelMode == CHANNELS_SPLIT ? m_wfx.wBitsPerSample / 8u : m_wfx.nBlockAlign;
}

// The outputs are cut where the set length ends, inside the block if need be, and every
// output at the same sample: each part but the last holds exactly that length, and the
// sound runs on from one part into the next without a sample lost or doubled.
bool CAudioPlayRec::WriteOutputs(const char* const block[2], std::uint32_t length)
{
    const std::uint64_t part = PartBytes();
    std::uint32_t done = 0;
    while (done < length) {
        // Cut only when there is sound for the next part: a recording that ends on the
        // boundary leaves no empty part behind.
        if (part > 0 && m_nPartWritten >= part) {
            for (int n = 0; n < 2; ++n)
                if (IsOutputOpen(n) && !StartNextPart(n))
                    return false;
            m_nPartWritten = 0;
        }
        std::uint32_t take = length - done;
        if (part > 0)
            take = static_cast<std::uint32_t>(std::min<std::uint64_t>(take, part - m_nPartWritten));
        const char* const at[2] = {block[0] + done, block[1] + done};
        if (!WriteBlock(at, take))
            return false;
        done += take;
        m_nPartWritten += take;
    }
    return true;
}

bool CAudioPlayRec::WriteBlock(const char* const block[2], std::uint32_t length)
{
    for (int out = 0; out < 2; ++out) {
        if ((m_hFile[out] && !WriteWave(out, block[out], length)) ||
            (m_pOutput[out] && !m_pOutput[out]->Write(block[out], length))) {
            HoldFailure(QStringLiteral("Write file failed"));
            return false;
        }
    }
    if (m_hEncoderLib) {
        const std::uint32_t lengths[2] = {length, length};
        FeedMp3Streams(block, lengths);
    }
    return true;
}

// The part is finished (WAV sizes true; MP3 flushed and tagged; FLAC and Opus ended) before the next is opened.
// What fails here is told once the recording has ended, with every file final.
bool CAudioPlayRec::StartNextPart(int n)
{
    const QString next = PartPath(m_strOutputPath[n], m_nOutputPart[n] + 1);
    m_bHoldFailures = true;
    bool ok = false;
    if (m_hFile[n]) {
        FinishWaveFile(*m_hFile[n]);
        m_hFile[n].reset();
        ok = OpenWaveFile(n, next);
    } else if (m_fpMp3[n]) {
        ok = CloseMp3Stream(n) && OpenMp3Stream(next, n);
    } else if (m_pOutput[n]) {
        const OutputSpec spec = m_pOutput[n]->Spec();
        ok = FinishFormatFile(n) && OpenFormatFile(n, next, &spec);
    }
    m_bHoldFailures = false;
    if (ok)
        ++m_nOutputPart[n];
    return ok;
}

void CAudioPlayRec::HoldFailure(const QString& text)
{
    // The first failure is the cause; what follows from it would only repeat it.
    if (m_strFailureToReport.isEmpty())
        m_strFailureToReport = text;
}
