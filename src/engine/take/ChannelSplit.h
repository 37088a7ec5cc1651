#pragma once
// The pass over each buffer of sound, captured or played: the channels apart, and every
// frame to the live history, whose meters take their peaks from it on the way.

#include "engine/LiveHistory.h"

#include <cstdint>

// Frames of bits-wide samples, one or two channels: each channel into a buffer of its own
// (a mono one into both, whole), each frame to live. At most capacity bytes of data are
// taken; returns the bytes in each channel's buffer.
std::int32_t SplitIntoChannels(std::uint16_t bits, bool stereo, const char* data, std::int32_t length, char* left,
                               char* right, std::int32_t capacity, LiveHistory& live);
