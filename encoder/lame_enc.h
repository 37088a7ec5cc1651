#pragma once
// The C interface of the MP3 encoder library (liblame_enc.so), shared by the library and the
// engine that loads it at run time. Records are packed and little-endian, with fixed sizes.

#include <cstddef>
#include <cstdint>

extern "C" {

typedef std::uint32_t BE_ERR;
typedef std::uintptr_t HBE_STREAM;

inline constexpr BE_ERR BE_ERR_SUCCESSFUL = 0;
inline constexpr std::uint32_t BE_CONFIG_LAME = 256;
inline constexpr std::uint32_t BE_MODE_JOINT_STEREO = 1;
inline constexpr std::uint32_t BE_MODE_MONO = 3;
inline constexpr std::uint32_t BE_MPEG1 = 1;

#pragma pack(push, 1)
struct BE_CONFIG {
    std::uint32_t configKind;     // BE_CONFIG_LAME
    std::uint32_t structVersion;  // 1
    std::uint32_t structSize;     // sizeof(BE_CONFIG)
    std::uint32_t sampleRate;     // input rate, Hz
    std::uint32_t resampleRate;   // 0: no resampling
    std::uint32_t mode;           // BE_MODE_*
    std::uint32_t bitrate;        // kbit/s
    std::uint32_t maxBitrate;
    std::uint32_t preset;
    std::uint32_t mpegVersion;    // BE_MPEG1
    std::uint32_t psyModel;
    std::uint32_t emphasis;
    std::uint32_t privateBit;
    std::uint32_t crc;
    std::uint32_t copyrightBit;
    std::uint32_t originalBit;
    std::uint32_t writeVbrHeader;
    std::uint32_t enableVbr;
    std::uint32_t vbrQuality;
    std::uint32_t abrBitrate;
    std::uint32_t vbrMethod;
    std::uint32_t noBitReservoir;
    std::uint32_t strictIso;
    std::uint16_t quality;
    std::uint8_t reserved[237];
};

struct BE_VERSION {
    std::uint8_t dllMajor, dllMinor;
    std::uint8_t engineMajor, engineMinor;
    std::uint8_t day, month;
    std::uint16_t year;
    char homepage[254];
    std::uint8_t alphaLevel, betaLevel, mmxEnabled;
};
#pragma pack(pop)

static_assert(sizeof(BE_CONFIG) == 331);
static_assert(offsetof(BE_CONFIG, sampleRate) == 12);
static_assert(offsetof(BE_CONFIG, mode) == 20);
static_assert(offsetof(BE_CONFIG, bitrate) == 24);
static_assert(offsetof(BE_CONFIG, preset) == 32);
static_assert(offsetof(BE_CONFIG, mpegVersion) == 36);
static_assert(offsetof(BE_CONFIG, originalBit) == 60);
static_assert(offsetof(BE_CONFIG, writeVbrHeader) == 64);
static_assert(offsetof(BE_CONFIG, noBitReservoir) == 84);
static_assert(offsetof(BE_CONFIG, strictIso) == 88);
static_assert(offsetof(BE_CONFIG, quality) == 92);
static_assert(offsetof(BE_CONFIG, reserved) == 94);
static_assert(sizeof(BE_VERSION) == 265);

typedef BE_ERR (*BEINITSTREAM)(BE_CONFIG* config, std::uint32_t* samplesPerChunk,
                               std::uint32_t* outputBufferBytes, HBE_STREAM* stream);
typedef BE_ERR (*BEENCODECHUNK)(HBE_STREAM stream, std::uint32_t samples, const std::int16_t* pcm,
                                std::uint8_t* output, std::uint32_t* outputBytes);
typedef BE_ERR (*BEDEINITSTREAM)(HBE_STREAM stream, std::uint8_t* output, std::uint32_t* outputBytes);
typedef BE_ERR (*BECLOSESTREAM)(HBE_STREAM stream);
typedef void (*BEVERSION)(BE_VERSION* version);
typedef BE_ERR (*BEWRITEVBRHEADER)(const char* path);
typedef BE_ERR (*BEWRITEINFOTAG)(HBE_STREAM stream, const char* path);

} // extern "C"
