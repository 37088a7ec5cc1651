#pragma once
// The device contract every audio backend meets (PulseAudio for real use, the virtual
// backend for deterministic tests). One folder per backend; the engine sees only this.
//
// Threading. Every method is called from the UI thread. A backend may move bytes on a
// thread of its own, but it touches a caller's buffer only while that buffer is queued
// (from AddBuffer until its notification is posted) and never calls back into the caller:
// it reports by posting WaveEvents to the target object given at Open. Events of one
// stream arrive in the order they were posted. The target and every queued buffer must
// outlive the stream: destroying a stream still posts to the target and hands buffers back.
//
// What the caller has already checked: nothing. A backend validates its arguments and
// answers a code; it never shows a message and never throws.
//
// Buffers. A header must be prepared (Prepare) before AddBuffer and may be unprepared only
// when it is not queued. Capture fills queued buffers in order; a buffer that is full is
// handed back at once with MM_WIM_DATA. Playback plays each queued buffer's whole
// dwBufferLength, in order, and hands it back with MM_WOM_DONE once the device has taken
// its last byte: a device may hold a short latency of sound not yet heard (the PulseAudio
// backend about 150 ms), which Reset and Close drop. Start resumes a playback held by Pause.
// Reset hands every queued buffer back, in order, each with the bytes it holds. Capture
// first takes in everything the server has captured up to the call, so a recording that
// ends with Reset loses nothing that came before it, then captures no more.
// Close fails with WAVERR_STILLPLAYING while buffers are queued; otherwise it posts
// MM_WIM_CLOSE / MM_WOM_CLOSE after every other notification of the stream, and nothing
// follows. Destroying an open stream is Reset followed by Close.
//
// Failure. A stream that fails while open (server gone, device removed) posts one
// MM_WIM_ERROR / MM_WOM_ERROR with the code; its buffers stay queued until Reset. A stream
// opened on a numbered device fails when that device goes away; it never moves to another.
//
// Devices come and go. Device numbers are positions in the backend's list at the moment of
// the call, so the same number may name another device after a change; a caller keeps a
// choice by the device's id and looks its number up again just before opening it. Between
// WatchCaptureDevices and UnwatchCaptureDevices a backend posts a DeviceListEvent to the
// target after each change of the capture list (a device added, removed or renamed, the
// server gone or back), possibly from a thread of its own; events may be merged, and one
// may come for a change already seen. After UnwatchCaptureDevices returns nothing more is
// posted to that target.

#include "platform/audio/WaveTypes.h"

#include <QEvent>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

class QObject;

namespace platform {

enum class Direction { Capture, Playback };

// −1 (the classic "wave mapper") opens the default device of that direction.
inline constexpr int DEFAULT_DEVICE = -1;

// One device as the backend lists it.
struct DeviceInfo {
    // The server's own name for it: unique, and the same for as long as the device exists.
    QString id;
    // What the user knows it by (the server's description); two devices may share it.
    QString name;

    bool operator==(const DeviceInfo&) const = default;
};

// The capture devices have changed: the target asks for the list again.
class DeviceListEvent : public QEvent {
public:
    static QEvent::Type EventType();
    DeviceListEvent() : QEvent(EventType()) {}
};

class IWaveStream {
public:
    virtual ~IWaveStream() = default;

    // Unique for the life of the process, never reused.
    virtual std::uint64_t Id() const = 0;
    virtual Direction Dir() const = 0;

    virtual MMRESULT Prepare(WAVEHDR* header) = 0;
    virtual MMRESULT Unprepare(WAVEHDR* header) = 0;
    // Capture: queue an empty buffer. Playback: queue a buffer to be played.
    virtual MMRESULT AddBuffer(WAVEHDR* header) = 0;
    // Capture: begin filling. Playback starts with its first buffer and needs no Start.
    virtual MMRESULT Start() = 0;
    virtual MMRESULT Reset() = 0;
    // Playback only: hold the sound where it is.
    virtual MMRESULT Pause() = 0;
    virtual MMRESULT Close() = 0;
};

class IAudioBackend {
public:
    virtual ~IAudioBackend() = default;

    // The devices in the backend's order: device i is entry i. Empty when no server answers.
    virtual std::vector<DeviceInfo> Devices(Direction dir) = 0;
    unsigned DeviceCount(Direction dir);
    // The name a user knows the device by; empty when out of range.
    QString DeviceName(Direction dir, unsigned index);
    // Accepts PCM, 8 or 16 bits, 1 or 2 channels, 8000–48000 Hz; else WAVERR_BADFORMAT.
    // On success sets stream and posts MM_WIM_OPEN / MM_WOM_OPEN to target; on failure
    // leaves stream as it was.
    virtual MMRESULT Open(Direction dir, int device, const WAVEFORMATEX& format, QObject* target,
                          std::unique_ptr<IWaveStream>& stream) = 0;
    virtual QString ErrorText(MMRESULT code) = 0;

    // See "Devices come and go" above. Watching the same target twice watches it once.
    virtual void WatchCaptureDevices(QObject* target) = 0;
    virtual void UnwatchCaptureDevices(QObject* target) = 0;
};

// True when TESSAVOX_AUDIO=virtual: the virtual devices instead of PulseAudio's, for the
// sound and the mixers alike.
bool UsesVirtualDevices();
// The process's backend: the virtual one when UsesVirtualDevices(), else PulseAudio.
IAudioBackend& CurrentAudioBackend();
// Tests choose a backend; nullptr goes back to the default. The caller keeps ownership.
void UseAudioBackend(IAudioBackend* backend);

// Checks shared by every backend.
bool IsSupportedFormat(const WAVEFORMATEX& format);
// A header handed to Prepare or AddBuffer: it must have a buffer of at least one byte.
MMRESULT CheckHeader(const WAVEHDR* header);
QString CommonErrorText(MMRESULT code);
std::uint64_t NextStreamId();

} // namespace platform
