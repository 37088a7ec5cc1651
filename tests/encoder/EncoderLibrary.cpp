#include "EncoderLibrary.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <numbers>

#include <dlfcn.h>

EncoderLibrary::EncoderLibrary(const std::string& path)
    : m_pHandle(dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL))
{
    if (!m_pHandle)
        return;
    init = reinterpret_cast<BEINITSTREAM>(Resolve("beInitStream"));
    encode = reinterpret_cast<BEENCODECHUNK>(Resolve("beEncodeChunk"));
    deinit = reinterpret_cast<BEDEINITSTREAM>(Resolve("beDeinitStream"));
    close = reinterpret_cast<BECLOSESTREAM>(Resolve("beCloseStream"));
    version = reinterpret_cast<BEVERSION>(Resolve("beVersion"));
    writeVbrHeader = reinterpret_cast<BEWRITEVBRHEADER>(Resolve("beWriteVBRHeader"));
    writeInfoTag = reinterpret_cast<BEWRITEINFOTAG>(Resolve("beWriteInfoTag"));
}

EncoderLibrary::~EncoderLibrary()
{
    if (m_pHandle)
        dlclose(m_pHandle);
}

void* EncoderLibrary::Resolve(const char* name) const
{
    return dlsym(m_pHandle, name);
}

std::string RealLibraryPath()
{
    return LAME_ENC_LIBRARY;
}

std::string VariantLibraryPath(const char* variant)
{
    return std::string(LAME_ENC_VARIANTS_DIR) + "/" + variant + "/liblame_enc.so";
}

BE_CONFIG RecorderConfig(std::uint32_t rate, int channels)
{
    BE_CONFIG config;
    std::memset(&config, 0, sizeof config);
    config.configKind = BE_CONFIG_LAME;
    config.structVersion = 1;
    config.structSize = sizeof(BE_CONFIG);
    config.sampleRate = rate;
    config.mode = channels == 1 ? BE_MODE_MONO : BE_MODE_JOINT_STEREO;
    config.bitrate = 128;
    config.preset = 4;
    config.mpegVersion = BE_MPEG1;
    config.originalBit = 1;
    config.writeVbrHeader = 1;
    config.noBitReservoir = 1;
    return config;
}

std::vector<std::int16_t> Tones(std::uint32_t rate, int channels, std::size_t frames)
{
    std::vector<std::int16_t> pcm(frames * static_cast<std::size_t>(channels));
    for (std::size_t i = 0; i < frames; ++i) {
        for (int c = 0; c < channels; ++c) {
            const double hz = c == 0 ? kLeftHz : kRightHz;
            const double phase = 2.0 * std::numbers::pi * hz * static_cast<double>(i) / rate;
            pcm[i * static_cast<std::size_t>(channels) + static_cast<std::size_t>(c)] =
                static_cast<std::int16_t>(std::lround(12000.0 * std::sin(phase)));
        }
    }
    return pcm;
}

EncodedStream EncodeToFile(const EncoderLibrary& lib, BE_CONFIG config,
                           const std::vector<std::int16_t>& pcm, const std::string& path)
{
    EncodedStream s;
    s.initResult = lib.init(&config, &s.chunkSamples, &s.outputBufferBytes, &s.handle);
    if (s.initResult != BE_ERR_SUCCESSFUL)
        return s;
    std::vector<std::uint8_t> output(s.outputBufferBytes);
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    std::size_t at = 0;
    while (at < pcm.size()) {
        const auto samples = static_cast<std::uint32_t>(std::min<std::size_t>(s.chunkSamples, pcm.size() - at));
        std::uint32_t produced = 0;
        EXPECT_EQ(lib.encode(s.handle, samples, pcm.data() + at, output.data(), &produced), BE_ERR_SUCCESSFUL);
        EXPECT_LE(produced, s.outputBufferBytes);
        file.write(reinterpret_cast<const char*>(output.data()), produced);
        at += samples;
    }
    std::uint32_t produced = 0;
    EXPECT_EQ(lib.deinit(s.handle, output.data(), &produced), BE_ERR_SUCCESSFUL);
    EXPECT_LE(produced, s.outputBufferBytes);
    file.write(reinterpret_cast<const char*>(output.data()), produced);
    EXPECT_EQ(lib.close(s.handle), BE_ERR_SUCCESSFUL);
    return s;
}

std::vector<std::uint8_t> ReadFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

ScratchDir::ScratchDir()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "tessavox-encoder-XXXXXX").string();
    if (mkdtemp(pattern.data()))
        m_strPath = pattern;
    EXPECT_FALSE(m_strPath.empty()) << "cannot create a scratch directory: " << std::strerror(errno);
}

ScratchDir::~ScratchDir()
{
    if (!m_strPath.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(m_strPath, ignored);
    }
}
