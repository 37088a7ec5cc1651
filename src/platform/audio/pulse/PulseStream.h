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
// the server has not played yet.

#include "platform/audio/AudioBackend.h"
#include "platform/audio/pulse/PulseConnection.h"

#include <pulse/stream.h>

#include <cstddef>
#include <deque>
#include <memory>

namespace platform {

class PulseStream final : public IWaveStream {
public:
    // Captured sound reaches us in fragments this long, so a buffer is handed back soon
    // after it is full, and at Reset at most this much is still on its way.
    static constexpr unsigned CAPTURE_FRAGMENT_MS = 20;
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

    // Main-loop callbacks (also called from UI-thread calls, with the lock held).
    void OnStateChanged();
    void TakeCaptured();
    void FeedServer();

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

    // Capture: the server's fragment in hand, and how much of it is already taken.
    bool m_bPeeked = false;
    const void* m_pFragment = nullptr;
    std::size_t m_nFragmentSize = 0;
    std::size_t m_nFragmentTaken = 0;

    // Playback: bytes of the front buffer already handed to the server.
    std::size_t m_nFrontSent = 0;
};

} // namespace platform
