#pragma once
// What the backend and its streams share. Streams hold it by shared_ptr, so a stream that
// outlives its backend still has somewhere to put what it plays, and a backend destroyed
// first leaves nothing dangling.

#include "platform/audio/virtual/VirtualBackend.h"
#include "platform/audio/virtual/VirtualClock.h"

#include <QByteArray>
#include <QTimer>

#include <memory>
#include <vector>

namespace platform {

struct VirtualBackend::State {
    std::vector<VirtualDeviceSpec> capture;
    std::vector<VirtualDeviceSpec> playback;
    // Open streams, in the order they were opened.
    std::vector<VirtualStream*> streams;
    VirtualStream* pLast = nullptr;
    QByteArray played;
    // Told when the capture devices change.
    std::vector<QObject*> watchers;
    VirtualClock clock;
    // Exists only while a speed is set; made on first use so that a backend can be built
    // before the application object.
    std::unique_ptr<QTimer> pTimer;

    std::vector<VirtualDeviceSpec>& Devices(Direction dir) { return dir == Direction::Capture ? capture : playback; }
    std::vector<DeviceInfo> Listed(Direction dir);
    void Register(VirtualStream* stream);
    void Unregister(VirtualStream* stream);
    // Brings every open stream up to the clock's present.
    void Tick();
};

} // namespace platform
