#pragma once
// One open virtual device. Everything runs on the caller's (UI) thread: buffers are filled
// or played only inside Advance and the backend's timer, never behind the caller's back.

#include "platform/audio/CaptureWindow.h"
#include "platform/audio/virtual/SignalGenerator.h"
#include "platform/audio/virtual/VirtualBackend.h"

#include <QPointer>

#include <cstdint>
#include <deque>
#include <memory>
#include <optional>

namespace platform {

class VirtualStream : public IWaveStream {
public:
    VirtualStream(std::shared_ptr<VirtualBackend::State> state, Direction dir, const VirtualDeviceSpec& device,
                  const WAVEFORMATEX& format, QObject* target);
    ~VirtualStream() override;
    VirtualStream(const VirtualStream&) = delete;
    VirtualStream& operator=(const VirtualStream&) = delete;

    std::uint64_t Id() const override { return m_nId; }
    Direction Dir() const override { return m_dir; }

    MMRESULT Prepare(WAVEHDR* header) override;
    MMRESULT Unprepare(WAVEHDR* header) override;
    MMRESULT AddBuffer(WAVEHDR* header) override;
    MMRESULT Start() override;
    MMRESULT Reset() override;
    MMRESULT Pause() override;
    MMRESULT Close() override;
    MMRESULT Finish() override;

    // Moves `frames` frames: capture fills, playback plays. Time passes for a stream that is
    // not running too; its frames are simply not captured or played.
    void Run(std::uint64_t frames);
    // Runs the frames the clock has made due since the last call.
    void CatchUp();
    // Posts the device error once and produces nothing more.
    void Fail(MMRESULT code);
    unsigned Queued() const { return static_cast<unsigned>(m_queue.size()); }
    const VirtualDeviceSpec& Device() const { return m_device; }

private:
    // Hands over the fragments completed by now.
    void Deliver();
    // Places the edges whose timing has come by now.
    void PlaceEdges();
    // Walks what has been handed over into the buffers, as far as the edges allow.
    void Capture();
    void EndCapture();
    void Play(std::uint64_t bytes);
    void HandBack(WAVEHDR* header);
    // FailMidStream: true once the stream has failed (posting the error when it happens now).
    bool FailsNow();
    bool IsQueued(const WAVEHDR* header) const;
    // FailPrepare / FailUnprepare / FailAdd: counts a call and tells whether it must fail.
    bool CountedCallFails(VirtualFault fault, unsigned& calls) const;
    void Post(std::uint32_t message, WAVEHDR* header = nullptr, MMRESULT error = MMSYSERR_NOERROR);

    std::shared_ptr<VirtualBackend::State> m_pState;
    const std::uint64_t m_nId;
    const Direction m_dir;
    const VirtualDeviceSpec m_device;
    const WAVEFORMATEX m_format;
    const SignalGenerator m_generator;
    QPointer<QObject> m_pTarget;

    bool m_bOpen = true;
    bool m_bStarted = false; // capture
    bool m_bFinished = false; // capture: ended at the stop of Finish
    bool m_bPaused = false;  // playback
    bool m_bFailed = false;
    std::deque<WAVEHDR*> m_queue;
    // Capture: bytes produced since the first Start, lost ones included, so that the signal
    // runs on across Reset and Start and an overrun shows as a gap.
    std::uint64_t m_nCaptured = 0;
    // Capture since the last Start: frames captured, and frames handed over (in fragments).
    std::uint64_t m_nProduced = 0;
    std::uint64_t m_nHandedOver = 0;
    CaptureWindow m_window;
    std::uint64_t m_nStartPosition = 0; // the window's position at the last Start
    // An edge whose timing is still to come: its position, and the frame produced since
    // Start at which it is placed.
    struct PendingEdge {
        std::uint64_t position = 0;
        std::uint64_t placedAt = 0;
    };
    std::optional<PendingEdge> m_pendingStart;
    std::optional<PendingEdge> m_pendingStop;
    // Playback: bytes of the front buffer already played.
    std::uint32_t m_nPlayedInFront = 0;
    unsigned m_nHandedBack = 0;
    // Capture: bytes still to lose for DropBuffers, and whether sound is being lost now (a
    // stretch lost is one break, told once).
    std::uint64_t m_nToDrop = 0;
    bool m_bLosing = false;
    unsigned m_nPrepares = 0;
    unsigned m_nUnprepares = 0;
    unsigned m_nAdds = 0;
    // Virtual time the stream was opened at, and the frames of it already run.
    std::int64_t m_nClockOrigin;
    std::uint64_t m_nClockFrames = 0;
};

} // namespace platform
