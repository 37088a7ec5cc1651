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
// handed back with MM_WIM_DATA as soon as the backend has taken in the sound that fills it
// (between a capture's edges a backend may take it in batches, the PulseAudio one every
// few tens of milliseconds, so as not to wake for every piece a device sends). Playback plays each queued buffer's whole
// dwBufferLength, in order, and hands it back with MM_WOM_DONE once the device has taken
// its last byte: a device may hold a short latency of sound not yet heard (the PulseAudio
// backend about 150 ms), which Reset and Close drop. The last buffer queued comes back
// only once that sound has been heard too, so when a stream holds no buffer, its sound is
// over. Start resumes a playback held by Pause.
// Reset hands every queued buffer back, in order, each with the bytes it holds. Capture
// first takes in everything the server has captured up to the call, so a recording that
// ends with Reset loses nothing that came before it, then captures no more.
//
// Capture edges. A device hands sound over in fragments, late by up to a fragment and
// sometimes beginning with sound from before Start. Its timing says where in the stream
// each moment lies, so a capture holds exactly the sound between two moments: Start, and
// Finish. From Start the backend leaves out sound that the timing places before the call
// (none when the device began late: what it never captured cannot be had); the first
// Start of a stream counts from its Open, so the time a server takes to open one is not
// lost to a caller that opens and starts at once. Nothing is taken before Start: a Reset
// before it hands the buffers back empty, and a later Start counts from its own moment, as
// every Start after a Reset or a Finish does. Finish returns at once; the backend goes
// on filling buffers until the sound up to the moment of the call has arrived, hands back
// the buffer that holds its last byte (and every buffer queued after it, empty), then
// captures no more. A buffer added after that comes straight back empty. Sound already
// handed back is never taken back: a device that hands over sound before its moment (a
// monitor of an output that renders ahead) may end a little late. Where the device gives
// no usable timing, Start leaves nothing out and Finish ends with the sound that has
// arrived, as Reset does. The caller bounds the wait: Reset ends a Finish that has not
// ended.
//
// Close fails with WAVERR_STILLPLAYING while buffers are queued; otherwise it posts
// MM_WIM_CLOSE / MM_WOM_CLOSE after every other notification of the stream, and nothing
// follows. Destroying an open stream is Reset followed by Close.
//
// Failure. A stream that fails while open (server gone, device removed) posts one
// MM_WIM_ERROR / MM_WOM_ERROR with the code; its buffers stay queued until Reset. A stream
// opened on a numbered device fails when that device goes away; it never moves to another.
//
// Breaks. Sound lost between the device and the caller (the server overran, or left a gap in
// the stream) is a break in the sound. For each stretch lost that the server tells of, the
// stream posts one MM_WIM_BREAK (no header), after the buffers that hold the sound before it
// and before the one the sound resumes in; a capture that lost nothing posts none. A loss the
// server does not tell of is not told: a server may drop sound left unread longer than it
// keeps it without a word to the stream, and the virtual devices lose what
// comes while no buffer is queued without a word (only their DropBuffers fault tells).
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
#include <functional>
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
    // Capture only: end at the moment of the call (see "Capture edges" above).
    virtual MMRESULT Finish() = 0;
    // Playback only: hold the sound where it is.
    virtual MMRESULT Pause() = 0;
    virtual MMRESULT Close() = 0;
    // Capture: whether anyone watches the sound as it comes: a live display that can be
    // seen, which takes what is held for it at each of its frames (Collect); so at first.
    // Watched, a backend may hold the sound it has until then, for a little while at most,
    // so that one wake-up brings both; unwatched, it may hand it over in larger, rarer
    // batches: only the files wait for it. Edges and the end of a capture are never held.
    virtual void SetWatched(bool watched) { (void)watched; }
    // From the watcher's thread, at its frame: hands over now what is held for it, each
    // event to `take` as the watcher would handle it posted, or posted where that would put it
    // ahead of one posted earlier; the watcher then takes in what is posted. True when there
    // was anything.
    using Take = std::function<void(const WaveEvent&)>;
    virtual bool Collect(const Take& take)
    {
        (void)take;
        return false;
    }
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
