#include "platform/mixer/pulse/PulseSource.h"

#include "platform/mixer/MixerTypes.h"

#include <pulse/def.h>

#include <cstring>

namespace platform {

namespace {

std::uint32_t ComponentTypeOf(std::uint32_t portType)
{
    switch (portType) {
    case PA_DEVICE_PORT_TYPE_MIC: return MIXERLINE_COMPONENTTYPE_SRC_MICROPHONE;
    case PA_DEVICE_PORT_TYPE_LINE: return MIXERLINE_COMPONENTTYPE_SRC_LINE;
    default: return MIXERLINE_COMPONENTTYPE_SRC_UNDEFINED;
    }
}

} // namespace

PulseSource PulseSource::From(const pa_source_info& info)
{
    PulseSource s;
    s.index = info.index;
    s.name = info.name ? info.name : "";
    s.description = QString::fromUtf8(info.description ? info.description : info.name);
    s.volume = info.volume;
    s.mute = info.mute != 0;
    s.volumeSteps = info.n_volume_steps;
    for (std::uint32_t i = 0; i < info.n_ports; ++i) {
        const pa_source_port_info* p = info.ports[i];
        s.ports.push_back({p->name, QString::fromUtf8(p->description ? p->description : p->name),
                           ComponentTypeOf(p->type)});
        if (info.active_port && std::strcmp(p->name, info.active_port->name) == 0)
            s.activePort = static_cast<int>(i);
    }
    return s;
}

} // namespace platform
