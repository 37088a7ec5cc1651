#pragma once
// The input-source and volume functions the recording options page and the engine use.
// Each builds a CVolumeInXXX (or opens the mixer itself), acts and closes again, so every
// call sees the mixer as it is at that moment. None shows a message: a failure answers -1
// or does nothing.

#include "platform/mixer/MixerTypes.h"

#include <QString>

#include <cstdint>

class CAudioPlayRec;

// Called for each source line of a capture device's recording destination; false stops
// the walk.
using MixerSourceProc = bool (*)(std::uint32_t sourceIndex, const platform::MIXERLINE& line, void* context);

// The capture device's name, or an empty string when there is no such device.
QString GetWaveInDeviceName(std::uint32_t device);
// The first capture device whose source 0 has an enabled volume control, or -1.
int FindMixerCapableDevice();
// The volume of the engine's microphone (or, with lineInput, line-in) source on its
// device, or -1; the control's bounds go to the outputs given (-1 each without a control).
std::int32_t QueryInputVolume(const CAudioPlayRec& engine, bool lineInput, std::int32_t* maximum = nullptr,
                              std::int32_t* minimum = nullptr);
// Sets that source's volume (all ones: the control's maximum) and makes it the recorded one.
void ApplyInputSource(const CAudioPlayRec& engine, std::uint32_t volume, bool lineInput);
// Walks the source lines of the device's recording destination; true when every line was
// visited or the callback stopped the walk.
bool EnumerateInputSources(std::uint32_t device, MixerSourceProc callback, void* context);
