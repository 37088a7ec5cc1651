#pragma once
// Finding a device by the name a backend lists it under.

#include "platform/audio/AudioBackend.h"

#include <QString>

namespace testsupport {

// The number of the device listed exactly as name, or -1.
inline int FindDevice(platform::IAudioBackend& backend, platform::Direction dir, const QString& name)
{
    for (unsigned i = 0; i < backend.DeviceCount(dir); ++i)
        if (backend.DeviceName(dir, i) == name)
            return static_cast<int>(i);
    return -1;
}

} // namespace testsupport
