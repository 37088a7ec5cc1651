// Sound-activated recording: only the stretches of sound are written, each beginning with
// the sound just before the input rose; with a file per sound, each in a file of its own.
// The gate works above WriteOutputs, so every output format gets it alike.

#include "engine/AudioPlayRec.h"

#include "engine/OutputParts.h"
#include "engine/RiffWriter.h"
#include "engine/WaveHeader.h"
#include "platform/Clock.h"

#include <QDir>
#include <QFileInfo>

#include <cmath>
#include <cstdlib>

void CAudioPlayRec::SetSkipSilence(const SkipSilence& options)
{
    m_skip = options;
    if (m_nStatus == STATUS_RECORDING)
        StartGate();
}

// Taken once per recording: the ring holds the pre-roll of each output.
void CAudioPlayRec::StartGate()
{
    m_bAwaiting[0] = m_bAwaiting[1] = false;
    const std::uint32_t rate = m_wfx.nSamplesPerSec;
    // Both to the nearest frame: half a second at 11025 Hz is 5513 frames.
    const auto preRoll = static_cast<std::uint64_t>(std::llround(PRE_ROLL_SECONDS * rate));
    m_gate.Start(static_cast<std::uint64_t>(std::llround(m_skip.afterSeconds * rate)), preRoll);
    for (PreRollRing& ring : m_preRoll)
        ring.Allocate(m_skip.enabled ? static_cast<std::size_t>(preRoll * OutputFrameBytes()) : 0);
    // The samples the gate reads are on the 16-bit scale whatever the format.
    m_nSoundLevel = static_cast<std::uint32_t>(std::floor(LiveHistory::FULL_SCALE * std::pow(10.0, m_skip.levelDb / 20.0)));
}

bool CAudioPlayRec::IsWaitingForSound() const
{
    return m_skip.enabled && m_nStatus == STATUS_RECORDING && !m_gate.IsSounding();
}

QString CAudioPlayRec::RequestedPath(int n) const
{
    if (m_bAwaiting[n])
        return m_strAwaitPath[n];
    return IsOutputOpen(n) ? m_strOutputPath[n] : QString();
}

// What would keep the file from being made is told now, as an open would tell it; nothing
// is made, so a recording without sound leaves no file behind.
bool CAudioPlayRec::AwaitOutput(int n, const QString& target)
{
    if (IsMp3Path(target)) {
        if (m_wfx.wBitsPerSample == 8) {
            ShowFailure(QStringLiteral("Cannot record 8 bits mp3"));
            return false;
        }
        if (!LoadEncoder())
            return false;
    }
    const QFileInfo file(target);
    if (!file.dir().exists() || !QFileInfo(file.absolutePath()).isWritable() || (file.exists() && !file.isWritable())) {
        if (IsMp3Path(target))
            ShowFailure(QStringLiteral("Error creating file %1").arg(target));
        else if (MakeOutputFile(target))
            ShowFailure(QStringLiteral("Cannot create %1: %2").arg(target, QStringLiteral("Permission denied")));
        else
            ShowFailure(QStringLiteral("Open wave file failed"));
        return false;
    }
    m_strAwaitPath[n] = target;
    m_bAwaiting[n] = true;
    return true;
}

// The first and last frame of the newest buffer above the level, in either channel. The
// peaks the meters keep rule out a quiet buffer at once; only a loud one is looked into,
// and only as far as its first and last loud frames.
std::optional<SilenceGate::Loud> CAudioPlayRec::LoudFrames(std::uint32_t frames) const
{
    const std::uint64_t end = m_live.Written();
    const std::uint64_t begin = end - std::min<std::uint64_t>(frames, end);
    const int channels = m_wfx.nChannels == 1 ? 1 : 2;
    bool loud = false;
    for (int c = 0; c < channels; ++c)
        loud = loud || m_live.PeakBetween(c, begin, end) > m_nSoundLevel;
    if (!loud)
        return std::nullopt;
    const auto above = [&](std::uint64_t f) {
        for (int c = 0; c < channels; ++c)
            if (static_cast<std::uint32_t>(std::abs(static_cast<int>(m_live.Sample(c, f)))) > m_nSoundLevel)
                return true;
        return false;
    };
    std::uint64_t first = begin;
    while (first < end && !above(first))
        ++first;
    // The block peak may have come from the buffer before, in a block both share.
    if (first == end)
        return std::nullopt;
    std::uint64_t last = end - 1;
    while (last > first && !above(last))
        --last;
    return SilenceGate::Loud{static_cast<std::uint32_t>(first - begin), static_cast<std::uint32_t>(last - begin)};
}

bool CAudioPlayRec::WriteSounding(const char* const block[2], std::uint32_t length)
{
    const std::uint32_t frameBytes = OutputFrameBytes();
    const std::uint32_t frames = frameBytes ? length / frameBytes : 0;
    const bool wasSounding = m_gate.IsSounding();
    SilenceGate::Span spans[2];
    const int count = m_gate.Feed(frames, LoudFrames(frames), spans);
    const std::uint64_t start = m_gate.Position() - frames;
    bool ok = true;
    for (int i = 0; i < count && ok; ++i) {
        const SilenceGate::Span& span = spans[i];
        ok = !span.begins || BeginSound(span.from);
        if (ok && span.from < start)
            ok = WritePreRoll(start - span.from);
        const std::uint64_t skip = (std::max(span.from, start) - start) * frameBytes;
        const char* const at[2] = {block[0] + skip, block[1] + skip};
        if (ok)
            ok = WriteOutputs(at, static_cast<std::uint32_t>((span.to - start) * frameBytes - skip));
        if (ok)
            m_nRecordedBytes += (span.to - span.from) * m_wfx.nBlockAlign;
        if (ok && span.ends)
            ok = EndSound();
    }
    // Kept after it is written: the pre-roll is what came before the buffer at hand.
    const int outputs = m_nChannelMode == CHANNELS_SPLIT ? 2 : 1;
    for (int n = 0; n < outputs; ++n)
        m_preRoll[n].Push(block[n], std::size_t{frames} * frameBytes);
    if (m_gate.IsSounding() != wasSounding)
        emit SoundingChanged(m_gate.IsSounding());
    return ok;
}

bool CAudioPlayRec::WritePreRoll(std::uint64_t frames)
{
    const std::size_t bytes = static_cast<std::size_t>(frames * OutputFrameBytes());
    const char* at[2][2] = {};
    std::size_t length[2][2] = {};
    const int pieces = m_preRoll[0].Last(bytes, at[0], length[0]);
    // One ring serves both outputs when they are given the same sound.
    const PreRollRing& second = m_nChannelMode == CHANNELS_SPLIT ? m_preRoll[1] : m_preRoll[0];
    second.Last(bytes, at[1], length[1]);
    for (int p = 0; p < pieces; ++p) {
        const char* const piece[2] = {at[0][p], at[1][p]};
        if (!WriteOutputs(piece, static_cast<std::uint32_t>(length[0][p])))
            return false;
    }
    return true;
}

// The files of a stretch are made as it begins: the first one's, or with a file per sound
// each one's, named with the moment the stretch began (the newest frame is now).
bool CAudioPlayRec::BeginSound(std::uint64_t from)
{
    // Rounded back: the millisecond in which the stretch's first frame was captured.
    const std::uint64_t rate = std::max<std::uint32_t>(1, m_wfx.nSamplesPerSec);
    const auto back = static_cast<std::int64_t>(((m_gate.Position() - from) * 1000 + rate - 1) / rate);
    const std::int64_t began = platform::CurrentTimeMs() - back;
    for (int n = 0; n < 2; ++n) {
        if (!m_bAwaiting[n] || IsOutputOpen(n))
            continue;
        const QString path = m_skip.filePerSound ? SoundFilePath(m_strAwaitPath[n], began) : m_strAwaitPath[n];
        // Told once the recording has ended, with every file final.
        m_bHoldFailures = true;
        const bool opened = OpenOutput(n, path);
        m_bHoldFailures = false;
        if (!opened)
            return false;
        m_strOutputPath[n] = path;
        m_nOutputPart[n] = 1;
    }
    if (m_skip.filePerSound)
        m_nPartWritten = 0;
    return true;
}

bool CAudioPlayRec::EndSound()
{
    if (!m_skip.filePerSound)
        return true;
    bool ok = true;
    m_bHoldFailures = true;
    for (int n = 0; n < 2; ++n)
        ok = FinishOutput(n) && ok;
    m_bHoldFailures = false;
    return ok;
}

bool CAudioPlayRec::FinishOutput(int n)
{
    if (m_hFile[n]) {
        const bool finished = FinishWaveFile(*m_hFile[n]);
        m_hFile[n].reset();
        if (!finished)
            HoldFailure(QStringLiteral("Write file failed"));
        return finished;
    }
    return !m_hEncoderLib || CloseMp3Stream(n);
}
