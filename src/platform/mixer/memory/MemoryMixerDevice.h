#pragma once
// What an in-memory mixer device holds: a recording destination with its switches and
// source lines with their volume controls, written as plain data so a test can build any
// mixer it needs and look at every value afterwards.

#include "platform/mixer/MixerTypes.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace platform {

struct MemoryControl {
    std::uint32_t type = 0;
    std::uint32_t flags = 0; // MIXERCONTROL_CONTROLF_ flags
    std::uint32_t items = 0; // items per channel when MULTIPLE, else 0
    std::uint32_t minimum = 0;
    std::uint32_t maximum = 0;
    std::uint32_t steps = 0;
    // Laid out as the mixer contract says, with one channel when UNIFORM, else the line's.
    std::vector<std::uint32_t> values;
    // What each item of a list stands for, as the device names it; nothing reads it but
    // the tests, which use it to say which line an item was meant to be.
    std::vector<QString> itemNames;
};

struct MemoryLine {
    QString name;
    std::uint32_t componentType = MIXERLINE_COMPONENTTYPE_SRC_UNDEFINED;
    std::uint32_t channels = 1;
    std::vector<MemoryControl> controls;
};

struct MemoryMixerDevice {
    bool probeFails = false; // its capture device cannot be opened to find the mixer
    bool openFails = false;  // the mixer itself cannot be opened
    std::optional<MemoryLine> destination; // none: the mixer has no recording destination
    std::vector<MemoryLine> sources;
};

// Builders for the usual controls and lines.
MemoryControl MemoryVolume(std::uint32_t channels, std::uint32_t minimum, std::uint32_t maximum,
                           std::uint32_t value, std::uint32_t steps);
// A single-select list over `items`, uniform across channels, with item `selected` on.
MemoryControl MemoryMux(std::vector<QString> items, std::uint32_t selected);
// A non-list boolean switch (MUTE, ONOFF, ...) with one value per channel.
MemoryControl MemorySwitch(std::uint32_t type, std::uint32_t channels, bool on);
MemoryLine MemorySource(const QString& name, std::uint32_t componentType, std::uint32_t channels,
                        std::vector<MemoryControl> controls);

// The mixers that stand beside the virtual audio backend's capture devices ("Virtual
// Sine", "Virtual Counter", "Virtual Silence"): each records from a stereo microphone or
// line input chosen by a multiplexer, with a mute on the destination.
std::vector<MemoryMixerDevice> VirtualMixerDevices();

} // namespace platform
