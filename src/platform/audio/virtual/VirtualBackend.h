#pragma once
// Devices that produce known signals, for deterministic tests. Time does not pass by
// itself: in manual mode (speed 0, the default) nothing happens until Advance; with a
// speed, a UI-thread timer advances every running stream at that multiple of real time.
// Notifications are posted exactly as a real backend posts them.

#include "platform/audio/AudioBackend.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace platform {

enum class VirtualSignal {
    Sine,    // a sine per channel (leftHz, rightHz), 8-bit unsigned or 16-bit signed
    Counter, // byte i of the stream is i & 0xFF, for exact comparisons
    Silence,
    // Each sample holds the number of its frame: its low 16 bits in the first channel, the
    // next 16 in the second (8 and 8 for 8-bit samples), so that any stretch of a long
    // stream can be placed in it exactly.
    FrameCounter,
};

enum class VirtualFault {
    None,
    FailOpen,      // Open answers MMSYSERR_ALLOCATED
    FailStart,     // Start answers MMSYSERR_ERROR
    FailPrepare,   // Prepare answers MMSYSERR_NOMEM after failAfter successful calls
    FailUnprepare, // Unprepare answers MMSYSERR_ERROR after failAfter successful calls
    FailAdd,       // AddBuffer answers MMSYSERR_NOMEM after failAfter successful calls
    FailMidStream, // posts MM_WIM_ERROR / MM_WOM_ERROR once failAfter buffers have been
                   // filled or played (Reset does not count), then produces nothing more
    FailReset,     // Reset answers MMSYSERR_ERROR (after handing the buffers back)
    FailClose,     // Close answers MMSYSERR_ERROR (and closes all the same)
    DropBuffers,   // capture: after every failAfter buffers filled (at least 1), the sound
                   // of one buffer more is lost, as an overrun loses it, and told as a break
};

struct VirtualDeviceSpec {
    QString name;
    VirtualSignal signal = VirtualSignal::Sine;
    VirtualFault fault = VirtualFault::None;
    unsigned failAfter = 0;
    double leftHz = 440.0;
    double rightHz = 660.0;
    // The sine's peak as a share of full scale: 0.5 is about -6 dBFS; 1 reaches full scale.
    double amplitude = 0.5;
    // Other than 0: the sine lasts this many frames of the stream, then silence follows, a
    // burst for level meters to fall from.
    std::uint64_t soundFrames = 0;
    // With soundFrames: the burst begins at frame burstStart (silence before it) and comes
    // back every burstEvery frames (0: once).
    std::uint64_t burstStart = 0;
    std::uint64_t burstEvery = 0;
    // The device's id; empty: the same as its name.
    QString id = {};

    QString Id() const { return id.isEmpty() ? name : id; }
    // How a capture device hands its sound over, as a sound server does: in fragments of
    // this many frames (0: each frame as soon as it is captured); beginning with this many
    // frames from before Start (negative: beginning that long after Start); with timing
    // that places its sound in time, or without (then the edges are what arrived); and
    // with that timing known only this many frames after the moment it places (a server
    // answers after a round trip, and a record is exact only just after the device's step).
    unsigned fragmentFrames = 0;
    int leadFrames = 0;
    bool timing = true;
    unsigned timingLagFrames = 0;
};

// Code posted by FailMidStream, and to the streams of a device SetDevices removes.
inline constexpr MMRESULT VIRTUAL_STREAM_FAILED = SERVER_ERROR_BASE + 6;

class VirtualStream;

class VirtualBackend : public IAudioBackend {
public:
    // Capture: "Virtual Sine", "Virtual Counter", "Virtual Silence". Playback: "Virtual Output".
    VirtualBackend();
    ~VirtualBackend() override;

    // Devices plugged in, unplugged or renamed: open streams whose device (by id) is no
    // longer listed fail with VIRTUAL_STREAM_FAILED, and watchers of the capture devices are
    // told when those changed.
    void SetDevices(Direction dir, std::vector<VirtualDeviceSpec> devices);

    std::vector<DeviceInfo> Devices(Direction dir) override;
    MMRESULT Open(Direction dir, int device, const WAVEFORMATEX& format, QObject* target,
                  std::unique_ptr<IWaveStream>& stream) override;
    QString ErrorText(MMRESULT code) override;
    void WatchCaptureDevices(QObject* target) override;
    void UnwatchCaptureDevices(QObject* target) override;

    // 0: manual. Otherwise running streams advance by themselves at speed × real time.
    void SetSpeed(double speed);
    // The real time that SetSpeed scales, in monotonic nanoseconds; nullptr goes back to the
    // process's clock. Tests inject one to check timed mode exactly, whatever the machine's load.
    void SetClock(std::function<std::int64_t()> nowNs);
    // Every started capture stream produces `frames` frames; every playback stream plays
    // `frames` frames. Full buffers are handed back as they fill.
    void Advance(unsigned frames);
    // Every open stream fails now, as FailMidStream does.
    void FailOpenStreams(MMRESULT code);

    // The bytes every playback stream has played, in order, since this backend was made.
    QByteArray Played() const;
    unsigned OpenStreamCount() const;
    // Buffers queued on the stream opened last (0 when none is open).
    unsigned QueuedOnLastStream() const;

private:
    friend class VirtualStream;
    struct State;
    std::shared_ptr<State> m_pState;
};

} // namespace platform
