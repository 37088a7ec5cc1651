#pragma once
// One open capture or playback stream on the PulseAudio server.
//
// The main-loop thread runs only the stream's callbacks: it copies bytes between the
// server and the buffers at the front of the queue and posts notifications. Everything
// here, on either thread, runs with the main-loop lock held. The UI thread takes it for
// the length of one call; where a call waits for the server (Open, a capture's Reset) the
// wait lets the lock go and ends by PulseConnection::REPLY_TIMEOUT.
//
// Playback hands a buffer back (MM_WOM_DONE) as soon as its last byte has been handed to
// the server, which then holds at most PLAYBACK_LATENCY_MS of sound ahead of the speaker.
// So a caller that refills on DONE keeps the server fed; Reset and Close drop the sound
// the server has not played yet. The one exception is the last buffer queued: it goes
// back once the server has played everything, so a caller that ends when its last buffer
// comes back ends after the sound (a buffer queued meanwhile lets it go at once).
//
// Capture places its edges with the server's timing. A timing record places the stream at
// one moment: the bytes the server has queued for us, plus what its device holds, less what
// a monitored output has yet to play. Between records the stream runs at its rate, so each
// record says where the stream stands against the clock. The server counts in steps (a
// fragment, a graph cycle), so one record may lag by up to a step; records taken a
// millisecond apart just after a step, the most advanced of them, place it within about a
// millisecond. When that step comes is learnt from the one before it. Records are taken
// when the first sound arrives after Start and after Finish, and at no other time: each
// costs a round trip. Between the two the main loop gathers what the server sends
// (PulseConnection::GATHER_INTERVAL), so full buffers go back in batches. Sound that
// arrives while they are taken waits in the server: before the start is placed it may come
// from before Start, and after Finish it may lie after the stop, where a buffer already
// handed back could not be trimmed.

#include "platform/audio/AudioBackend.h"
#include "platform/audio/CaptureWindow.h"
#include "platform/audio/pulse/PulseConnection.h"

#include <pulse/mainloop-api.h>
#include <pulse/stream.h>

#include <cstddef>
#include <deque>
#include <memory>
#include <optional>

#include <sys/time.h>

namespace platform {

class PulseStream final : public IWaveStream {
public:
    // Captured sound reaches us in fragments this long: each wakes this process, so they
    // are long. The live display walks through them at its own frame rate, a fragment
    // behind the sound at most. The edges of a recording come from the server's timing, not
    // from the fragments' length.
    static constexpr unsigned CAPTURE_FRAGMENT_MS = 90;
    static constexpr unsigned PLAYBACK_LATENCY_MS = 150;

    // Connects a stream to the named device (nullptr: the server's default) and posts
    // MM_WIM_OPEN / MM_WOM_OPEN. Called with the main-loop lock held, once the format has
    // been checked; `stream` is set only on success.
    static MMRESULT Open(std::shared_ptr<PulseConnection> connection, pa_context* context,
                         PulseConnection::Deadline deadline, Direction dir, const char* device,
                         const WAVEFORMATEX& format, QObject* target, std::unique_ptr<IWaveStream>& stream);

    ~PulseStream() override;

    std::uint64_t Id() const override { return m_nId; }
    Direction Dir() const override { return m_dir; }

    MMRESULT Prepare(WAVEHDR* header) override;
    MMRESULT Unprepare(WAVEHDR* header) override;
    MMRESULT AddBuffer(WAVEHDR* header) override;
    MMRESULT Start() override;
    MMRESULT Reset() override;
    MMRESULT Pause() override;
    MMRESULT Close() override;
    void SetWatched(bool watched) override;
    bool Collect(const Take& take) override;
    MMRESULT Finish() override;

private:
    PulseStream(std::shared_ptr<PulseConnection> connection, Direction dir, const WAVEFORMATEX& format,
                QObject* target);

    MMRESULT Connect(pa_context* context, PulseConnection::Deadline deadline, const char* device);
    void Release();
    bool Live() const;
    MMRESULT FailureCode() const;
    // The UI-thread calls that remain valid only while the stream is open.
    MMRESULT CheckOpen() const;
    // Sends a request the caller need not wait for.
    void Send(pa_operation* operation);
    void DropCaptured();
    // Capture edges (PulseCaptureTiming.cpp): timing records are asked for one at a time, a
    // few milliseconds apart, until the moments still unplaced can be placed; then the
    // capture ends at the stop. Moments are read from the clock the records are stamped by.
    static timeval Now();
    void RequestTiming();
    // Asks for a record after usec microseconds.
    void RequestTimingIn(double usec);
    void CancelTiming();
    void OnTiming(bool success);
    // Where the stream stood at a moment, by the records taken since `since`; nothing when
    // there are too few of them yet (unless `settle`, which takes what there is).
    std::optional<std::uint64_t> PositionAt(const timeval& moment, const timeval& since, bool settle) const;
    // When the server's next step is due, in microseconds on the records' clock, by the
    // first step the records taken since `since` saw; nothing before they saw one.
    struct StepDue {
        double earliest;
        double latest;
    };
    std::optional<StepDue> NextStep(const timeval& since) const;
    // The records have gone past the latest moment that step was due.
    bool NextStepPassed(const timeval& since) const;
    // When the next record is wanted for the edge whose records began at `since`.
    double NextRecordAt(const timeval& since, double now) const;
    std::uint64_t ArrivedPosition() const;
    void EndCapture();
    // Tells the connection whether this capture is between its edges, where the main loop
    // may gather what the server sends.
    void UpdateStreaming();

    // Main-loop callbacks (also called from UI-thread calls, with the lock held).
    void OnStateChanged();
    void TakeCaptured();
    // The server lost captured sound (an overrun): a break is posted.
    void OnOverrun();
    // Playback (PulsePlayback.cpp): the server is fed, and the last buffer is held until the
    // server has played everything.
    void FeedServer();
    void Drain();
    void OnDrained();
    void CancelDrain();

    void HandBack(WAVEHDR* header);
    void HandBackAll();
    void Post(std::uint32_t message, WAVEHDR* header, MMRESULT error);
    std::uint32_t Message(std::uint32_t capture, std::uint32_t playback) const;

    const std::shared_ptr<PulseConnection> m_pConnection;
    const Direction m_dir;
    const WAVEFORMATEX m_format;
    QObject* const m_pTarget;
    const std::uint64_t m_nId;

    pa_stream* m_pStream = nullptr;
    std::deque<WAVEHDR*> m_queue;
    bool m_bOpen = false;   // OPEN posted and CLOSE not yet
    bool m_bFailed = false; // ERROR posted
    MMRESULT m_nFailure = MMSYSERR_NOERROR;
    bool m_bRunning = false; // capture started, or playback not paused
    bool m_bStreaming = false; // counted by the connection as a capture between its edges
    bool m_bUnwatched = false; // counted by the connection as watched by nobody

    // Capture: the server's fragment in hand, and how much of it is already taken.
    bool m_bPeeked = false;
    // Sound came since a look found none: a buffer handed in looks again only then, since
    // each look costs a system call (the library checks for a fork).
    bool m_bSoundWaiting = true;
    // The fragment in hand is a hole the server left, not yet told as a break.
    bool m_bHoleUntold = false;
    const void* m_pFragment = nullptr;
    std::size_t m_nFragmentSize = 0;
    std::size_t m_nFragmentTaken = 0;
    // Capture: the part of the stream that is the recording, and the moments bounding it.
    CaptureWindow m_window;
    timeval m_tStart{}; // of the Open for the first Start, else of the Start
    bool m_bStartedBefore = false;
    bool m_bFirstSound = false; // sound has come since Start, and records are being taken
    timeval m_tFirstSound{};
    timeval m_tFinish{};
    bool m_bFinishing = false; // Finish called; the sound up to its moment is still coming
    bool m_bFinished = false;  // every buffer up to the stop handed back
    pa_operation* m_pTiming = nullptr;
    pa_time_event* m_pNextTiming = nullptr;
    // Timing records: when each was current, and where the stream stood then against the
    // clock (its position in frames, less the moment in frames).
    struct TimingRecord {
        timeval when;
        std::int64_t index; // the server's count of bytes queued for us
        double lead;
    };
    std::deque<TimingRecord> m_records;

    // Playback: bytes of the front buffer already handed to the server.
    std::size_t m_nFrontSent = 0;
    pa_operation* m_pDrain = nullptr;
};

} // namespace platform
