// The library's seven exports; nothing else is visible outside it. One lock serialises every
// call: the engine calls from one thread, but nothing stops a second user.

#include "EncoderStream.h"
#include "InfoTag.h"
#include "StreamTable.h"
#include "TestVariants.h"

#include <cstdio>
#include <mutex>
#include <type_traits>

#define LAME_ENC_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

std::mutex g_lock;
// Destroyed when the library is unloaded, with every stream and tag frame still in it.
lame_enc::StreamTable g_streams;

constexpr std::uint8_t kLibraryMajor = 1;
constexpr std::uint8_t kLibraryMinor = 0;

BE_ERR WriteTagOf(HBE_STREAM handle, const char* path)
{
    const auto tag = g_streams.TakeTag(handle);
    if (!tag)
        return BE_ERR_INVALID_HANDLE;
    return lame_enc::WriteInfoTag(path, *tag);
}

} // namespace

LAME_ENC_EXPORT BE_ERR beInitStream(BE_CONFIG* config, std::uint32_t* samplesPerChunk,
                                    std::uint32_t* outputBufferBytes, HBE_STREAM* stream)
{
    if (lame_enc::variant::kInitFails)
        return BE_ERR_INVALID_FORMAT_PARAMETERS;
    if (!config)
        return BE_ERR_INVALID_FORMAT;
    if (!samplesPerChunk || !outputBufferBytes || !stream)
        return BE_ERR_INVALID_FORMAT_PARAMETERS;
    BE_ERR error = BE_ERR_SUCCESSFUL;
    auto encoder = lame_enc::EncoderStream::Start(*config, error);
    if (!encoder)
        return error;
    const std::lock_guard lock(g_lock);
    *samplesPerChunk = encoder->ChunkSamples();
    *outputBufferBytes = lame_enc::EncoderStream::kOutputBufferBytes;
    *stream = g_streams.Add(std::move(encoder));
    return BE_ERR_SUCCESSFUL;
}

LAME_ENC_EXPORT BE_ERR beEncodeChunk(HBE_STREAM handle, std::uint32_t samples, const std::int16_t* pcm,
                                     std::uint8_t* output, std::uint32_t* outputBytes)
{
    const std::lock_guard lock(g_lock);
    lame_enc::EncoderStream* stream = g_streams.Find(handle);
    if (!stream)
        return BE_ERR_INVALID_HANDLE;
    if (!outputBytes)
        return BE_ERR_INVALID_FORMAT_PARAMETERS;
    *outputBytes = 0;
    if (lame_enc::variant::kEncodeFailsAfter != 0 &&
        stream->ChunksEncoded() >= lame_enc::variant::kEncodeFailsAfter)
        return BE_ERR_BUFFER_TOO_SMALL;
    return stream->Encode(samples, pcm, output, *outputBytes);
}

LAME_ENC_EXPORT BE_ERR beDeinitStream(HBE_STREAM handle, std::uint8_t* output, std::uint32_t* outputBytes)
{
    const std::lock_guard lock(g_lock);
    lame_enc::EncoderStream* stream = g_streams.Find(handle);
    if (!stream)
        return BE_ERR_INVALID_HANDLE;
    if (!outputBytes)
        return BE_ERR_INVALID_FORMAT_PARAMETERS;
    *outputBytes = 0;
    return stream->Flush(output, *outputBytes);
}

#ifndef LAME_ENC_WITHOUT_CLOSE_STREAM
LAME_ENC_EXPORT BE_ERR beCloseStream(HBE_STREAM handle)
{
    const std::lock_guard lock(g_lock);
    return g_streams.Close(handle) ? BE_ERR_SUCCESSFUL : BE_ERR_INVALID_HANDLE;
}
static_assert(std::is_same_v<decltype(&beCloseStream), BECLOSESTREAM>);
#endif

LAME_ENC_EXPORT void beVersion(BE_VERSION* version)
{
    if (!version)
        return;
    lame_version_t lame{};
    get_lame_version_numerical(&lame);
    *version = BE_VERSION{};
    version->dllMajor = kLibraryMajor;
    version->dllMinor = kLibraryMinor;
    version->engineMajor = static_cast<std::uint8_t>(lame.major);
    version->engineMinor = static_cast<std::uint8_t>(lame.minor);
    version->alphaLevel = static_cast<std::uint8_t>(lame.alpha);
    version->betaLevel = static_cast<std::uint8_t>(lame.beta);
    std::snprintf(version->homepage, sizeof version->homepage, "%s", get_lame_url());
}

// Without a handle: the tag of the stream closed last.
LAME_ENC_EXPORT BE_ERR beWriteVBRHeader(const char* path)
{
    const std::lock_guard lock(g_lock);
    return WriteTagOf(g_streams.LastClosed(), path);
}

#ifndef LAME_ENC_WITHOUT_INFO_TAG
LAME_ENC_EXPORT BE_ERR beWriteInfoTag(HBE_STREAM handle, const char* path)
{
    const std::lock_guard lock(g_lock);
    return WriteTagOf(handle, path);
}
static_assert(std::is_same_v<decltype(&beWriteInfoTag), BEWRITEINFOTAG>);
#endif

static_assert(std::is_same_v<decltype(&beInitStream), BEINITSTREAM>);
static_assert(std::is_same_v<decltype(&beEncodeChunk), BEENCODECHUNK>);
static_assert(std::is_same_v<decltype(&beDeinitStream), BEDEINITSTREAM>);
static_assert(std::is_same_v<decltype(&beVersion), BEVERSION>);
static_assert(std::is_same_v<decltype(&beWriteVBRHeader), BEWRITEVBRHEADER>);
