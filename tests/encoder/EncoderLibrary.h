#pragma once
// The encoder library loaded by path for its own tests, and what they feed it.

#include "lame_enc.h"

#include <cstdint>
#include <string>
#include <vector>

class EncoderLibrary {
public:
    explicit EncoderLibrary(const std::string& path);
    ~EncoderLibrary();
    EncoderLibrary(const EncoderLibrary&) = delete;
    EncoderLibrary& operator=(const EncoderLibrary&) = delete;

    bool Loaded() const { return m_pHandle != nullptr; }
    void* Resolve(const char* name) const;

    // Null when the library does not export them.
    BEINITSTREAM init = nullptr;
    BEENCODECHUNK encode = nullptr;
    BEDEINITSTREAM deinit = nullptr;
    BECLOSESTREAM close = nullptr;
    BEVERSION version = nullptr;
    BEWRITEVBRHEADER writeVbrHeader = nullptr;
    BEWRITEINFOTAG writeInfoTag = nullptr;

private:
    void* m_pHandle;
};

std::string RealLibraryPath();
std::string VariantLibraryPath(const char* variant);

// The record as the recorder fills it: 128 kbit/s CBR, MPEG-1, original bit, no bit
// reservoir, Info tag, preset 4.
BE_CONFIG RecorderConfig(std::uint32_t rate, int channels);

// Interleaved 16-bit sine tones: the first channel at 440 Hz, the second at 660 Hz.
std::vector<std::int16_t> Tones(std::uint32_t rate, int channels, std::size_t frames);
inline constexpr double kLeftHz = 440.0;
inline constexpr double kRightHz = 660.0;

struct EncodedStream {
    BE_ERR initResult = BE_ERR_SUCCESSFUL;
    std::uint32_t chunkSamples = 0;
    std::uint32_t outputBufferBytes = 0;
    HBE_STREAM handle = 0;
};

// Runs a whole stream as the engine does: chunks of the size asked for, the rest as a final
// partial chunk, the flush, the close; the bytes go to path. The tag is not written.
// Test failures are reported through gtest; initResult says whether the stream started.
EncodedStream EncodeToFile(const EncoderLibrary& lib, BE_CONFIG config,
                           const std::vector<std::int16_t>& pcm, const std::string& path);

std::vector<std::uint8_t> ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

// A fresh empty directory under the system's temporary folder, removed with the object.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;
    std::string File(const char* name) const { return m_strPath + "/" + name; }

private:
    std::string m_strPath;
};
