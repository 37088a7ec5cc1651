#include "StreamConfig.h"

#include <algorithm>
#include <array>
#include <optional>

namespace lame_enc {
namespace {

// The rates some MPEG version carries without resampling: 2.5, 2, then 1.
constexpr std::array<std::uint32_t, 9> kMpegRates{8000, 11025, 12000, 16000, 22050, 24000,
                                                  32000, 44100, 48000};

constexpr std::uint32_t kPresetLow = 1;
constexpr std::uint32_t kPresetHigh = 2;
constexpr std::uint32_t kPresetVeryHigh = 5;
constexpr std::uint32_t kMaxBitrate = 320;

bool IsMpegRate(std::uint32_t rate)
{
    return std::ranges::find(kMpegRates, rate) != kMpegRates.end();
}

// nullopt leaves libmp3lame's own default.
std::optional<int> AlgorithmQuality(const BE_CONFIG& config)
{
    const unsigned low = config.quality & 0xFFu;
    const unsigned high = config.quality >> 8;
    if (config.quality != 0 && high == (~low & 0xFFu) && low <= 9)
        return static_cast<int>(low);
    switch (config.preset) {
    case kPresetLow:
        return 7;
    case kPresetHigh:
        return 2;
    case kPresetVeryHigh:
        return 0;
    default:
        return std::nullopt;
    }
}

} // namespace

BE_ERR ApplyConfig(const BE_CONFIG& config, lame_global_flags* lame, int& channels)
{
    if (config.configKind != BE_CONFIG_LAME || config.structVersion != 1 ||
        config.structSize != sizeof(BE_CONFIG))
        return BE_ERR_INVALID_FORMAT;

    MPEG_mode mode;
    switch (config.mode) {
    case BE_MODE_MONO:
        mode = MONO;
        channels = 1;
        break;
    case BE_MODE_JOINT_STEREO:
        mode = JOINT_STEREO;
        channels = 2;
        break;
    case BE_MODE_STEREO:
        mode = STEREO;
        channels = 2;
        break;
    default:
        return BE_ERR_INVALID_FORMAT_PARAMETERS;
    }
    const std::uint32_t outRate = config.resampleRate != 0 ? config.resampleRate : config.sampleRate;
    if (!IsMpegRate(config.sampleRate) || !IsMpegRate(outRate))
        return BE_ERR_INVALID_FORMAT_PARAMETERS;
    if (config.mpegVersion != BE_MPEG1 && config.mpegVersion != BE_MPEG2)
        return BE_ERR_INVALID_FORMAT_PARAMETERS;
    if (config.bitrate == 0 || config.bitrate > kMaxBitrate || config.enableVbr != 0)
        return BE_ERR_INVALID_FORMAT_PARAMETERS;
    // 2 is reserved in the frame header.
    if (config.emphasis == 2 || config.emphasis > 3)
        return BE_ERR_INVALID_FORMAT_PARAMETERS;

    lame_set_in_samplerate(lame, static_cast<int>(config.sampleRate));
    lame_set_out_samplerate(lame, static_cast<int>(outRate));
    lame_set_num_channels(lame, channels);
    lame_set_mode(lame, mode);
    lame_set_VBR(lame, vbr_off);
    lame_set_brate(lame, static_cast<int>(config.bitrate));
    if (const auto quality = AlgorithmQuality(config))
        lame_set_quality(lame, *quality);
    lame_set_emphasis(lame, static_cast<int>(config.emphasis));
    lame_set_extension(lame, config.privateBit != 0);
    lame_set_error_protection(lame, config.crc != 0);
    lame_set_copyright(lame, config.copyrightBit != 0);
    lame_set_original(lame, config.originalBit != 0);
    lame_set_bWriteVbrTag(lame, config.writeVbrHeader != 0);
    lame_set_disable_reservoir(lame, config.noBitReservoir != 0);
    lame_set_strict_ISO(lame, config.strictIso != 0);
    // An ID3v2 tag would push the Info tag's placeholder away from the start of the file.
    lame_set_write_id3tag_automatic(lame, 0);
    return lame_init_params(lame) < 0 ? BE_ERR_INVALID_FORMAT_PARAMETERS : BE_ERR_SUCCESSFUL;
}

} // namespace lame_enc
