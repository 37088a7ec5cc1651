#pragma once
// The take: each captured block goes, per channel, through the silence gate and its pre-roll
// into the outputs, which go on into a new file at each part's end. One slot per output (0,
// or 0 and 1 for one file per channel). The take never shows a failure: it returns it, in
// the user's words, and keeps the first one that ends it for its owner to tell once every
// file is final.

#include "engine/LiveHistory.h"
#include "engine/take/OutputSlot.h"
#include "engine/take/PreRollRing.h"
#include "engine/take/SilenceGate.h"
#include "engine/take/SkipSilence.h"
#include "platform/audio/WaveTypes.h"

#include <QStringList>

#include <cstdint>
#include <optional>

class Take {
public:
    // The gate reads the levels from history, which the channel split fills.
    explicit Take(const LiveHistory& history) : m_history(history) {}
    ~Take() { End(); }
    Take(const Take&) = delete;
    Take& operator=(const Take&) = delete;

    // A new take of sound captured in wfx, with one channel to each output when split;
    // ringBytes: the sound the capture ring holds. Nothing is open yet.
    void Begin(const WAVEFORMATEX& wfx, bool split, std::uint64_t ringBytes);
    // Set before the outputs are opened. A length of 0 keeps one file.
    void SetPartSeconds(std::uint32_t seconds) { m_nPartSeconds = seconds; }
    void SetSkipSilence(const SkipSilence& options);
    const SkipSilence& SkipSilenceOptions() const { return m_skip; }
    // Tests lower the per-file limit to see a take go on into the next file.
    void SetMaxFileBytes(std::uint64_t bytes) { m_nMaxFileBytes = bytes; }

    // Output n writes to path, in the format its name gives. Skipping silence, the file is
    // made when sound comes, and what would keep it from being made is found now. False
    // with the failure, which the user is told at once; an output already open stays as it
    // is.
    bool Open(int n, const QString& path, QString* failure);
    // Finishes output n if it is of this kind, and makes no file for it when sound comes.
    void Close(int n, const QString& kind);
    // One captured buffer: block[n] for output n, length bytes each; bytes, the whole
    // buffer. False when the take cannot go on (its cause is kept for End). An output that
    // ended on its own is in Notices().
    bool Write(const char* const block[2], std::uint32_t length, std::uint32_t bytes);
    // The take's end: every file finished. What the user is told, in order.
    QStringList End();
    // What the user is told at once: outputs that ended on their own. Taken once.
    QStringList Notices() { return std::exchange(m_notices, {}); }
    // Writes what the outputs hold, so their files on disk hold the take (their size is shown).
    void Flush();
    // Makes every file valid as it stands, before a message waits for the user.
    void Settle();

    bool HasFailed() const { return m_bFailed; }
    bool IsOutputOpen(int n) const { return m_slot[n].IsOpen(); }
    bool IsOutputInUse(int n) const { return m_slot[n].InUse(); }
    bool AnyOutputOpen() const { return IsOutputOpen(0) || IsOutputOpen(1); }
    // The file output n writes now; empty when it is not open.
    QString OutputPath(int n) const;
    // The path output n asked for; empty when unused.
    QString RequestedPath(int n) const;
    // The file each output in use writes now, or, skipping silence, makes when sound comes.
    QStringList Files() const;
    // The part being written (1 for the first); 0 when no output is open.
    int CurrentPart() const;
    // The part written last: still known once the take has ended.
    int LastPart() const { return std::max(m_slot[0].part, m_slot[1].part); }
    // The sound written, in bytes of the captured format; paused sound is not counted.
    std::uint64_t RecordedBytes() const { return m_nRecordedBytes; }
    // Skipping silence: the sound heard, written or not, in frames.
    std::uint64_t HeardFrames() const { return m_gate.Position(); }
    bool IsSounding() const { return m_gate.IsSounding(); }
    // Breaks in the sound: stretches lost before they reached the take (the server overran).
    void NoteBreak() { ++m_nBreaks; }
    std::uint32_t Breaks() const { return m_nBreaks; }
    // Every file the take has finished, in order: still known once the take has ended.
    const QStringList& WrittenFiles() const { return m_written; }
    bool IsWaitingForSound() const { return m_skip.enabled && !m_gate.IsSounding(); }

private:
    friend class EngineTestAccess;

    OutputSpec SpecFor(const QString& path) const;
    bool OpenFirstFile(int n, const QString& path);
    bool FinishFile(int n);
    void Hold(const QString& text);
    std::uint32_t OutputFrameBytes() const;

    // Parts (TakeParts.cpp)
    bool WriteOutputs(const char* const block[2], std::uint32_t length);
    bool WriteBlock(const char* const block[2], std::uint32_t length);
    bool StartNextPart(int n);

    // Skipping silence (TakeSilence.cpp)
    void StartGate();
    bool Await(int n, const QString& path, QString* failure);
    bool WriteSounding(const char* const block[2], std::uint32_t length);
    std::optional<SilenceGate::Loud> LoudFrames(std::uint32_t frames) const;
    bool WritePreRoll(std::uint64_t frames);
    bool BeginSound(std::uint64_t from);
    bool EndSound();

    const LiveHistory& m_history;
    WAVEFORMATEX m_wfx;
    bool m_bSplit = false;
    std::uint64_t m_nRingBytes = 0;
    std::uint64_t m_nMaxFileBytes = UINT64_MAX;
    OutputSlot m_slot[2];
    // The set length of a part in seconds (0: one file), and the bytes of each output's
    // block written into the part being written.
    std::uint32_t m_nPartSeconds = 0;
    std::uint64_t m_nPartWritten = 0;
    std::uint64_t m_nRecordedBytes = 0;
    std::uint32_t m_nBreaks = 0;
    QStringList m_written;
    // A failure has ended the take: nothing more is written; its first cause is told at the
    // end, and what outputs said on their own as it comes.
    bool m_bFailed = false;
    QString m_strCause;
    QStringList m_notices;
    // Skipping silence: the stream's stretches of sound, the sound before the present for
    // each output, and the magnitude (16-bit scale) above which a sample is sound.
    SkipSilence m_skip;
    SilenceGate m_gate;
    PreRollRing m_preRoll[2];
    std::uint32_t m_nSoundLevel = 0;
};
