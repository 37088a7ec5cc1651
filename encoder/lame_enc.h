#pragma once
// The C interface of the MP3 encoder library (liblame_enc.so), shared by the library and the
// engine that loads it at run time. Records are packed and little-endian, with fixed sizes.
//
// A stream's life:
//   beInitStream      checks the record, starts a libmp3lame encoder, and asks for chunks of
//                     1152 samples per channel (the out count is of all channels' samples
//                     together, interleaved: 1152 mono, 2304 stereo) and for an output buffer
//                     of 1.25 x 1152 + 7200 = 8640 bytes, libmp3lame's worst case for one
//                     chunk, which also holds what the flush returns (at most 7200).
//   beEncodeChunk     takes interleaved 16-bit PCM, any whole number of sample frames up to
//                     one chunk (a final partial chunk included), and writes the frames
//                     libmp3lame completes into the output buffer.
//   beDeinitStream    flushes (lame_encode_flush): the last frames. No encoding after it.
//   beCloseStream     ends the encoder. A flushed stream with an Info tag keeps only the
//                     tag's final frame (at most 1152 bytes), so that the handle stays valid
//                     for the one call that writes it; any other stream is forgotten at once.
//   beWriteInfoTag    writes that frame over the first frame of the finished file and ends
//                     the handle, whether or not the write succeeded.
//   beWriteVBRHeader  the same, by path only, for the stream last closed with a tag.
// Tags never written are freed when the library is unloaded, and so are streams never
// closed. Handles are never reused within one load of the library; 0 is never a handle.
//
// The first frame of the file is the Info tag's placeholder: a frame header followed by zero
// bytes, as libmp3lame emits it before any audio. The tag is written only over that
// placeholder (same header bytes, zeros after it), so a wrong path cannot damage another file.
//
// Every call is serialised by one lock inside the library.

#include <cstddef>
#include <cstdint>

extern "C" {

typedef std::uint32_t BE_ERR;
typedef std::uintptr_t HBE_STREAM;

inline constexpr BE_ERR BE_ERR_SUCCESSFUL = 0;
// Not a version-1 LAME record of 331 bytes (or no record at all).
inline constexpr BE_ERR BE_ERR_INVALID_FORMAT = 1;
// A setting or argument the library cannot honour: rate, mode, VBR, a sample count that is
// not a whole number of sample frames or exceeds one chunk, a missing buffer.
inline constexpr BE_ERR BE_ERR_INVALID_FORMAT_PARAMETERS = 2;
// libmp3lame could not start an encoder (memory).
inline constexpr BE_ERR BE_ERR_NO_MORE_HANDLES = 3;
// No such stream, or the stream is past the step asked for (encoding after the flush, a tag
// for a stream that was not flushed).
inline constexpr BE_ERR BE_ERR_INVALID_HANDLE = 4;
// The encoded bytes did not fit the output buffer.
inline constexpr BE_ERR BE_ERR_BUFFER_TOO_SMALL = 5;
// libmp3lame failed for another reason while encoding or flushing.
inline constexpr BE_ERR BE_ERR_ENCODER_FAILED = 6;
// The tag could not be written: the file cannot be opened, read or written, or does not start
// with the stream's placeholder frame.
inline constexpr BE_ERR BE_ERR_FILE = 7;

inline constexpr std::uint32_t BE_CONFIG_LAME = 256;
inline constexpr std::uint32_t BE_MODE_STEREO = 0;
inline constexpr std::uint32_t BE_MODE_JOINT_STEREO = 1;
inline constexpr std::uint32_t BE_MODE_MONO = 3;
inline constexpr std::uint32_t BE_MPEG2 = 0;
inline constexpr std::uint32_t BE_MPEG1 = 1;

// How each field maps onto libmp3lame.
#pragma pack(push, 1)
struct BE_CONFIG {
    std::uint32_t configKind;     // must be BE_CONFIG_LAME, else BE_ERR_INVALID_FORMAT
    std::uint32_t structVersion;  // must be 1, else BE_ERR_INVALID_FORMAT
    std::uint32_t structSize;     // must be sizeof(BE_CONFIG) = 331, else BE_ERR_INVALID_FORMAT
    // lame_set_in_samplerate. Must be one of the nine MPEG rates (8000, 11025, 12000, 16000,
    // 22050, 24000, 32000, 44100, 48000 Hz) unless resampleRate is set.
    std::uint32_t sampleRate;
    // lame_set_out_samplerate: 0 keeps the input rate (no resampling), else one of the nine
    // MPEG rates. The output rate decides the MPEG version: MPEG-1 at 32000-48000 Hz, MPEG-2
    // at 16000-24000 Hz, MPEG-2.5 at 8000-12000 Hz.
    std::uint32_t resampleRate;
    // BE_MODE_MONO: one input channel, lame MONO. BE_MODE_JOINT_STEREO / BE_MODE_STEREO: two
    // interleaved input channels, lame JOINT_STEREO / STEREO. Other modes (dual channel):
    // BE_ERR_INVALID_FORMAT_PARAMETERS.
    std::uint32_t mode;
    // lame_set_brate, constant bit rate (lame_set_VBR vbr_off), in kbit/s. libmp3lame keeps a
    // bitrate the stream's MPEG version carries (128 does for MPEG-1 and MPEG-2) and otherwise
    // takes the nearest it allows: MPEG-2.5 (8000-12000 Hz) goes no higher than 64 kbit/s.
    std::uint32_t bitrate;
    std::uint32_t maxBitrate;     // VBR only: ignored
    // The algorithm quality (lame_set_quality) when the quality field below is not valid; it
    // never changes the bit-rate mode or bitrate: 1 (low) -> 7, 2 (high) -> 2, 5 (very high)
    // -> 0; 0 (normal), 3 (voice), 4 (r3mix) and the rest -> libmp3lame's default, 3.
    std::uint32_t preset;
    // BE_MPEG1 or BE_MPEG2, else BE_ERR_INVALID_FORMAT_PARAMETERS. libmp3lame derives the MPEG
    // version from the output rate; without resampling a rate below 32000 Hz is encoded as
    // MPEG-2 or MPEG-2.5 even when the record asks for MPEG-1.
    std::uint32_t mpegVersion;
    std::uint32_t psyModel;       // ignored: libmp3lame has one psychoacoustic model
    std::uint32_t emphasis;       // lame_set_emphasis: 0 none, 1 50/15 us, 3 CCITT; else error
    std::uint32_t privateBit;     // lame_set_extension (the header's private bit)
    std::uint32_t crc;            // lame_set_error_protection
    std::uint32_t copyrightBit;   // lame_set_copyright
    std::uint32_t originalBit;    // lame_set_original
    std::uint32_t writeVbrHeader; // lame_set_bWriteVbrTag: the placeholder frame and the Info tag
    std::uint32_t enableVbr;      // must be 0 (constant bit rate only), else error
    std::uint32_t vbrQuality;     // VBR only: ignored
    std::uint32_t abrBitrate;     // VBR only: ignored
    std::uint32_t vbrMethod;      // VBR only: ignored
    std::uint32_t noBitReservoir; // lame_set_disable_reservoir
    std::uint32_t strictIso;      // lame_set_strict_ISO
    // lame_set_quality with the low byte (0 best ... 9 fastest) when the high byte is the low
    // byte's complement (0xFD02 for 2); 0 or any other value: the preset decides.
    std::uint16_t quality;
    std::uint8_t reserved[237];   // ignored
};

// Filled by beVersion: this library's version (1.0), libmp3lame's version and alpha/beta
// levels, libmp3lame's home page; no release date (zeros).
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
static_assert(offsetof(BE_CONFIG, configKind) == 0);
static_assert(offsetof(BE_CONFIG, structVersion) == 4);
static_assert(offsetof(BE_CONFIG, structSize) == 8);
static_assert(offsetof(BE_CONFIG, sampleRate) == 12);
static_assert(offsetof(BE_CONFIG, resampleRate) == 16);
static_assert(offsetof(BE_CONFIG, mode) == 20);
static_assert(offsetof(BE_CONFIG, bitrate) == 24);
static_assert(offsetof(BE_CONFIG, maxBitrate) == 28);
static_assert(offsetof(BE_CONFIG, preset) == 32);
static_assert(offsetof(BE_CONFIG, mpegVersion) == 36);
static_assert(offsetof(BE_CONFIG, psyModel) == 40);
static_assert(offsetof(BE_CONFIG, emphasis) == 44);
static_assert(offsetof(BE_CONFIG, privateBit) == 48);
static_assert(offsetof(BE_CONFIG, crc) == 52);
static_assert(offsetof(BE_CONFIG, copyrightBit) == 56);
static_assert(offsetof(BE_CONFIG, originalBit) == 60);
static_assert(offsetof(BE_CONFIG, writeVbrHeader) == 64);
static_assert(offsetof(BE_CONFIG, enableVbr) == 68);
static_assert(offsetof(BE_CONFIG, vbrQuality) == 72);
static_assert(offsetof(BE_CONFIG, abrBitrate) == 76);
static_assert(offsetof(BE_CONFIG, vbrMethod) == 80);
static_assert(offsetof(BE_CONFIG, noBitReservoir) == 84);
static_assert(offsetof(BE_CONFIG, strictIso) == 88);
static_assert(offsetof(BE_CONFIG, quality) == 92);
static_assert(offsetof(BE_CONFIG, reserved) == 94);
static_assert(sizeof(BE_VERSION) == 265);
static_assert(offsetof(BE_VERSION, year) == 6);
static_assert(offsetof(BE_VERSION, homepage) == 8);
static_assert(offsetof(BE_VERSION, alphaLevel) == 262);

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
