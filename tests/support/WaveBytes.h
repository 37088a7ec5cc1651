#pragma once
// Builds RIFF files byte by byte, so tests can make the malformed files that the writer
// never would.

#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

inline Bytes operator+(Bytes a, const Bytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

inline Bytes Le16(std::uint16_t v)
{
    return {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8)};
}

inline Bytes Le32(std::uint32_t v)
{
    return {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v >> 16),
            static_cast<std::uint8_t>(v >> 24)};
}

inline Bytes Tag(const char* fourcc)
{
    return Bytes(fourcc, fourcc + 4);
}

inline Bytes Text(const char* text)
{
    return Bytes(text, text + std::strlen(text));
}

// id, size (the payload's unless declared says otherwise), payload, and a pad byte when the
// payload is odd.
inline Bytes Chunk(const char* id, const Bytes& payload, std::optional<std::uint32_t> declared = {})
{
    Bytes b = Tag(id) + Le32(declared.value_or(static_cast<std::uint32_t>(payload.size()))) + payload;
    if (payload.size() % 2 != 0)
        b.push_back(0);
    return b;
}

inline Bytes Riff(const Bytes& body, const char* form = "WAVE", std::optional<std::uint32_t> declared = {})
{
    const Bytes inner = Tag(form) + body;
    return Tag("RIFF") + Le32(declared.value_or(static_cast<std::uint32_t>(inner.size()))) + inner;
}

// A PCM format record of recordBytes bytes: 16 drops cbSize, more than 18 describes an
// extensible record (tag 0xFFFE, cbSize 22, zeros after).
inline Bytes FormatRecord(std::uint16_t channels, std::uint32_t rate, std::uint16_t bits, std::size_t recordBytes = 18)
{
    const bool extensible = recordBytes > 18;
    const auto align = static_cast<std::uint16_t>(channels * bits / 8);
    Bytes b = Le16(extensible ? 0xFFFE : 1) + Le16(channels) + Le32(rate) + Le32(rate * align) + Le16(align) +
              Le16(bits) + Le16(extensible ? static_cast<std::uint16_t>(recordBytes - 18) : 0);
    b.resize(recordBytes, 0);
    return b;
}

// A plain PCM file as most programs write it: an 18-byte format record, then the samples.
inline Bytes PcmWave(std::uint16_t channels, std::uint32_t rate, std::uint16_t bits, const Bytes& samples)
{
    return Riff(Chunk("fmt ", FormatRecord(channels, rate, bits)) + Chunk("data", samples));
}

inline Bytes Samples(std::size_t count, std::uint8_t first = 1)
{
    Bytes b(count);
    for (std::size_t i = 0; i < count; ++i)
        b[i] = static_cast<std::uint8_t>(first + i);
    return b;
}
