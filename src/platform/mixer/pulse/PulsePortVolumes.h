#pragma once
// The server keeps one volume per source, not one per port. What the mixer shows as each
// port's own volume is kept here for the run: the volume last set for a port that was not
// active, or the source's volume when we switched away from that port.

#include <pulse/volume.h>

#include <map>
#include <optional>
#include <string>
#include <utility>

namespace platform {

class PulsePortVolumes {
public:
    std::optional<pa_cvolume> Find(const std::string& source, const std::string& port) const
    {
        const auto it = m_volumes.find({source, port});
        if (it == m_volumes.end())
            return std::nullopt;
        return it->second;
    }

    void Store(const std::string& source, const std::string& port, const pa_cvolume& volume)
    {
        m_volumes[{source, port}] = volume;
    }

private:
    std::map<std::pair<std::string, std::string>, pa_cvolume> m_volumes;
};

} // namespace platform
