#pragma once
// A reader of MPEG audio layer III frame headers, independent of the encoder, so that the
// tests see the stream as a player would.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct Mp3Frame {
    std::size_t offset = 0;
    std::size_t length = 0;
    int version = 0;        // 1, 2, or 25 for MPEG-2.5
    bool crc = false;
    int kbps = 0;
    int rate = 0;
    int mode = 0;           // 0 stereo, 1 joint stereo, 2 dual channel, 3 mono
    bool privateBit = false;
    bool copyright = false;
    bool original = false;
    int emphasis = 0;
    int mainDataBegin = 0;  // bytes taken from earlier frames (the bit reservoir)
    std::size_t sideInfoEnd = 0; // offset in the frame where the side information ends
};

// Every frame from the start of bytes; nullopt unless the frames cover the bytes exactly (no
// tag or garbage before, between or after them).
std::optional<std::vector<Mp3Frame>> ReadFrames(const std::vector<std::uint8_t>& bytes);

// The four characters at the start of a frame's payload (after the side information): "Info"
// in a tag frame.
std::string PayloadTag(const std::vector<std::uint8_t>& bytes, const Mp3Frame& frame);

std::uint32_t BigEndian32(const std::vector<std::uint8_t>& bytes, std::size_t offset);
