#include "Mp3Frames.h"

#include <array>

namespace {

constexpr std::array<int, 15> kMpeg1Kbps{0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320};
constexpr std::array<int, 15> kMpeg2Kbps{0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160};
constexpr std::array<int, 3> kMpeg1Rates{44100, 48000, 32000};

std::optional<Mp3Frame> ReadHeader(const std::vector<std::uint8_t>& b, std::size_t at)
{
    if (at + 4 > b.size() || b[at] != 0xFF || (b[at + 1] & 0xE0) != 0xE0)
        return std::nullopt;
    Mp3Frame f;
    f.offset = at;
    const int versionBits = (b[at + 1] >> 3) & 3;
    const int layerBits = (b[at + 1] >> 1) & 3;
    const int kbpsIndex = b[at + 2] >> 4;
    const int rateIndex = (b[at + 2] >> 2) & 3;
    if (versionBits == 1 || layerBits != 1 || kbpsIndex == 0 || kbpsIndex == 15 || rateIndex == 3)
        return std::nullopt;
    f.version = versionBits == 3 ? 1 : versionBits == 2 ? 2 : 25;
    f.crc = (b[at + 1] & 1) == 0;
    f.kbps = f.version == 1 ? kMpeg1Kbps[static_cast<std::size_t>(kbpsIndex)]
                            : kMpeg2Kbps[static_cast<std::size_t>(kbpsIndex)];
    const int divisor = f.version == 1 ? 1 : f.version == 2 ? 2 : 4;
    f.rate = kMpeg1Rates[static_cast<std::size_t>(rateIndex)] / divisor;
    const int padding = (b[at + 2] >> 1) & 1;
    f.privateBit = (b[at + 2] & 1) != 0;
    f.mode = b[at + 3] >> 6;
    f.copyright = ((b[at + 3] >> 3) & 1) != 0;
    f.original = ((b[at + 3] >> 2) & 1) != 0;
    f.emphasis = b[at + 3] & 3;
    const int samplesPerFrame = f.version == 1 ? 1152 : 576;
    f.length = static_cast<std::size_t>(samplesPerFrame / 8 * f.kbps * 1000 / f.rate + padding);

    const bool mono = f.mode == 3;
    const std::size_t sideInfo = f.version == 1 ? (mono ? 17 : 32) : (mono ? 9 : 17);
    const std::size_t side = at + 4 + (f.crc ? 2 : 0);
    f.sideInfoEnd = side - at + sideInfo;
    if (side + 2 > b.size())
        return std::nullopt;
    // main_data_begin: the first 9 bits of the side information in MPEG-1, 8 bits otherwise.
    f.mainDataBegin = f.version == 1 ? (b[side] << 1) | (b[side + 1] >> 7) : b[side];
    return f;
}

} // namespace

std::optional<std::vector<Mp3Frame>> ReadFrames(const std::vector<std::uint8_t>& bytes)
{
    std::vector<Mp3Frame> frames;
    std::size_t at = 0;
    while (at < bytes.size()) {
        const auto frame = ReadHeader(bytes, at);
        if (!frame || at + frame->length > bytes.size())
            return std::nullopt;
        frames.push_back(*frame);
        at += frame->length;
    }
    return frames;
}

std::string PayloadTag(const std::vector<std::uint8_t>& bytes, const Mp3Frame& frame)
{
    const std::size_t at = frame.offset + frame.sideInfoEnd;
    if (at + 4 > bytes.size())
        return {};
    return std::string(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                       bytes.begin() + static_cast<std::ptrdiff_t>(at + 4));
}

std::uint32_t BigEndian32(const std::vector<std::uint8_t>& bytes, std::size_t offset)
{
    return static_cast<std::uint32_t>(bytes[offset]) << 24 | static_cast<std::uint32_t>(bytes[offset + 1]) << 16 |
           static_cast<std::uint32_t>(bytes[offset + 2]) << 8 | bytes[offset + 3];
}
