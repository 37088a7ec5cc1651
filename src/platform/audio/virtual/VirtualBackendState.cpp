#include "platform/audio/virtual/VirtualBackendState.h"

#include "platform/audio/virtual/VirtualStream.h"

#include <algorithm>

namespace platform {

std::vector<DeviceInfo> VirtualBackend::State::Listed(Direction dir)
{
    std::vector<DeviceInfo> listed;
    for (const VirtualDeviceSpec& device : Devices(dir))
        listed.push_back({device.Id(), device.name});
    return listed;
}

void VirtualBackend::State::Register(VirtualStream* stream)
{
    streams.push_back(stream);
    pLast = stream;
}

void VirtualBackend::State::Unregister(VirtualStream* stream)
{
    std::erase(streams, stream);
    if (pLast == stream)
        pLast = nullptr;
}

void VirtualBackend::State::Tick()
{
    // Running a stream only posts events, so none can open or close meanwhile; the copy is
    // there so that would stay safe if it ever changed.
    const std::vector<VirtualStream*> open = streams;
    for (VirtualStream* stream : open)
        stream->CatchUp();
}

} // namespace platform
