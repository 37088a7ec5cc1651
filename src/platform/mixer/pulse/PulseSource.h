#pragma once
// What the mixer knows of one of the server's sources at one moment.

#include <QString>

#include <pulse/introspect.h>
#include <pulse/volume.h>

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

struct PulsePort {
    std::string name;
    QString description;
    std::uint32_t componentType = 0; // the mixer line type the port's type maps to
};

struct PulseSource {
    std::uint32_t index = 0; // the server's index, not the position in the list
    std::string name;
    QString description;
    pa_cvolume volume{};
    bool mute = false;
    std::uint32_t volumeSteps = 0;
    std::vector<PulsePort> ports;
    int activePort = -1; // index into ports; -1 when the source has none

    static PulseSource From(const pa_source_info& info);
};

} // namespace platform
