#pragma once
// RIFF chunk records shared by the writer and the reader.

#include <cstdint>

using FOURCC = std::uint32_t;

constexpr FOURCC MakeFourCC(char a, char b, char c, char d)
{
    return static_cast<FOURCC>(static_cast<std::uint8_t>(a)) |
           (static_cast<FOURCC>(static_cast<std::uint8_t>(b)) << 8) |
           (static_cast<FOURCC>(static_cast<std::uint8_t>(c)) << 16) |
           (static_cast<FOURCC>(static_cast<std::uint8_t>(d)) << 24);
}

inline constexpr FOURCC FOURCC_RIFF = MakeFourCC('R', 'I', 'F', 'F');
inline constexpr FOURCC FOURCC_WAVE = MakeFourCC('W', 'A', 'V', 'E');
inline constexpr FOURCC FOURCC_FMT = MakeFourCC('f', 'm', 't', ' ');
inline constexpr FOURCC FOURCC_DATA = MakeFourCC('d', 'a', 't', 'a');
inline constexpr FOURCC FOURCC_LIST = MakeFourCC('L', 'I', 'S', 'T');

struct MMCKINFO {
    FOURCC ckid = 0;
    std::uint32_t cksize = 0;     // as read; the reader clamps it to what the file holds
    FOURCC fccType = 0;           // form type of a RIFF or LIST chunk
    std::uint64_t dwDataOffset = 0; // file offset of the chunk's data (after id and size)
};
