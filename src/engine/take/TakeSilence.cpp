// A take that skips silence: only the stretches of sound are written, each beginning with
// the sound just before the input rose; with a file per sound, each in a file of its own.
// The gate works above the parts, so every output format gets it alike.

#include "engine/take/Take.h"

#include "engine/take/TakeNames.h"
#include "platform/Clock.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>

void Take::SetSkipSilence(const SkipSilence& options)
{
    m_skip = options;
    StartGate();
}

// Taken once per take: the ring holds the pre-roll of each output.
void Take::StartGate()
{
    const std::uint32_t rate = m_wfx.nSamplesPerSec;
    // Both to the nearest frame: half a second at 11025 Hz is 5513 frames.
    const auto preRoll = static_cast<std::uint64_t>(std::llround(PRE_ROLL_SECONDS * rate));
    m_gate.Start(static_cast<std::uint64_t>(std::llround(m_skip.afterSeconds * rate)), preRoll);
    for (PreRollRing& ring : m_preRoll)
        ring.Allocate(m_skip.enabled ? static_cast<std::size_t>(preRoll * OutputFrameBytes()) : 0);
    // The samples the gate reads are on the 16-bit scale whatever the format.
    m_nSoundLevel =
        static_cast<std::uint32_t>(std::floor(LiveHistory::FULL_SCALE * std::pow(10.0, m_skip.levelDb / 20.0)));
}

// What would keep the file from being made is told now, as an open would tell it; nothing
// is made, so a take without sound leaves no file behind.
bool Take::Await(int n, const QString& path, QString* failure)
{
    OutputSlot& slot = m_slot[n];
    const QFileInfo file(path);
    int why = 0;
    if (!file.dir().exists())
        why = ENOENT;
    else if (file.isDir())
        why = EISDIR;
    else if (!QFileInfo(file.absolutePath()).isWritable() || (file.exists() && !file.isWritable()))
        why = EACCES;
    if (why != 0) {
        *failure = slot.output->CannotCreate(path, QString::fromLocal8Bit(std::strerror(why)));
        return false;
    }
    slot.requestedPath = path;
    slot.path = path;
    slot.part = 1;
    slot.awaiting = true;
    return true;
}

// The first and last frame of the newest buffer above the level, in either channel. The
// peaks the meters keep rule out a quiet buffer at once; only a loud one is looked into,
// and only as far as its first and last loud frames.
std::optional<SilenceGate::Loud> Take::LoudFrames(std::uint32_t frames) const
{
    const std::uint64_t end = m_history.Written();
    const std::uint64_t begin = end - std::min<std::uint64_t>(frames, end);
    const int channels = m_wfx.nChannels == 1 ? 1 : 2;
    bool loud = false;
    for (int c = 0; c < channels; ++c)
        loud = loud || m_history.PeakBetween(c, begin, end) > m_nSoundLevel;
    if (!loud)
        return std::nullopt;
    const auto above = [&](std::uint64_t f) {
        for (int c = 0; c < channels; ++c)
            if (static_cast<std::uint32_t>(std::abs(static_cast<int>(m_history.Sample(c, f)))) > m_nSoundLevel)
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

bool Take::WriteSounding(const char* const block[2], std::uint32_t length)
{
    const std::uint32_t frameBytes = OutputFrameBytes();
    const std::uint32_t frames = frameBytes ? length / frameBytes : 0;
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
    for (int n = 0; n < (m_bSplit ? 2 : 1); ++n)
        m_preRoll[n].Push(block[n], std::size_t{frames} * frameBytes);
    return ok;
}

bool Take::WritePreRoll(std::uint64_t frames)
{
    const std::size_t bytes = static_cast<std::size_t>(frames * OutputFrameBytes());
    const char* at[2][2] = {};
    std::size_t length[2][2] = {};
    const int pieces = m_preRoll[0].Last(bytes, at[0], length[0]);
    // One ring serves both outputs when they are given the same sound.
    const PreRollRing& second = m_bSplit ? m_preRoll[1] : m_preRoll[0];
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
bool Take::BeginSound(std::uint64_t from)
{
    // Rounded back: the millisecond in which the stretch's first frame was captured.
    const std::uint64_t rate = std::max<std::uint32_t>(1, m_wfx.nSamplesPerSec);
    const auto back = static_cast<std::int64_t>(((m_gate.Position() - from) * 1000 + rate - 1) / rate);
    const std::int64_t began = platform::CurrentTimeMs() - back;
    for (int n = 0; n < 2; ++n) {
        const OutputSlot& slot = m_slot[n];
        if (!slot.awaiting || slot.IsOpen())
            continue;
        const QString path = m_skip.filePerSound ? SoundFilePath(slot.requestedPath, began) : slot.requestedPath;
        if (!OpenFirstFile(n, path)) {
            Hold(slot.output->Failure());
            return false;
        }
    }
    if (m_skip.filePerSound)
        m_nPartWritten = 0;
    return true;
}

// With a file per sound, a stretch's files are finished as it ends; the next stretch makes
// its own.
bool Take::EndSound()
{
    if (!m_skip.filePerSound)
        return true;
    bool ok = true;
    for (int n = 0; n < 2; ++n)
        ok = FinishFile(n) && ok;
    return ok;
}
