#include "platform/mixer/memory/MemoryMixerDevice.h"

#include <utility>

namespace platform {

MemoryControl MemoryVolume(std::uint32_t channels, std::uint32_t minimum, std::uint32_t maximum,
                           std::uint32_t value, std::uint32_t steps)
{
    MemoryControl c;
    c.type = MIXERCONTROL_CONTROLTYPE_VOLUME;
    c.minimum = minimum;
    c.maximum = maximum;
    c.steps = steps;
    c.values.assign(channels, value);
    return c;
}

MemoryControl MemoryMux(std::vector<QString> items, std::uint32_t selected)
{
    MemoryControl c;
    c.type = MIXERCONTROL_CONTROLTYPE_MUX;
    c.flags = MIXERCONTROL_CONTROLF_UNIFORM | MIXERCONTROL_CONTROLF_MULTIPLE;
    c.items = static_cast<std::uint32_t>(items.size());
    c.maximum = 1;
    c.values.assign(items.size(), 0);
    if (selected < items.size())
        c.values[selected] = 1;
    c.itemNames = std::move(items);
    return c;
}

MemoryControl MemorySwitch(std::uint32_t type, std::uint32_t channels, bool on)
{
    MemoryControl c;
    c.type = type;
    c.maximum = 1;
    c.values.assign(channels, on ? 1 : 0);
    return c;
}

MemoryLine MemorySource(const QString& name, std::uint32_t componentType, std::uint32_t channels,
                        std::vector<MemoryControl> controls)
{
    return MemoryLine{name, componentType, channels, std::move(controls)};
}

std::vector<MemoryMixerDevice> VirtualMixerDevices()
{
    constexpr std::uint32_t NORM = 65536; // the sound server's 100 %
    std::vector<MemoryMixerDevice> devices;
    for (const char* name : {"Virtual Sine", "Virtual Counter", "Virtual Silence"}) {
        MemoryMixerDevice d;
        const QString mic = QStringLiteral("Microphone");
        const QString line = QStringLiteral("Line In");
        d.destination = MemoryLine{QString::fromLatin1(name), MIXERLINE_COMPONENTTYPE_DST_WAVEIN, 2,
                                   {MemoryMux({mic, line}, 0),
                                    MemorySwitch(MIXERCONTROL_CONTROLTYPE_MUTE, 2, false)}};
        d.sources.push_back(MemorySource(mic, MIXERLINE_COMPONENTTYPE_SRC_MICROPHONE, 2,
                                         {MemoryVolume(2, 0, NORM, NORM, NORM + 1)}));
        d.sources.push_back(MemorySource(line, MIXERLINE_COMPONENTTYPE_SRC_LINE, 2,
                                         {MemoryVolume(2, 0, NORM, NORM, NORM + 1)}));
        devices.push_back(std::move(d));
    }
    return devices;
}

} // namespace platform
