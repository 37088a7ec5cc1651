// What beInitStream accepts and refuses, and what it asks of its caller.

#include "EncoderLibrary.h"

#include <gtest/gtest.h>

namespace {

class EncoderRecordTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(lib.Loaded()) << RealLibraryPath();
        ASSERT_TRUE(lib.init && lib.close);
    }

    // beInitStream's answer; a stream it opens is closed again.
    BE_ERR Init(BE_CONFIG config, std::uint32_t* chunkSamples = nullptr, std::uint32_t* outputBytes = nullptr)
    {
        std::uint32_t chunk = 0, output = 0;
        HBE_STREAM stream = 0;
        const BE_ERR rc = lib.init(&config, &chunk, &output, &stream);
        if (rc == BE_ERR_SUCCESSFUL) {
            EXPECT_EQ(lib.close(stream), BE_ERR_SUCCESSFUL);
        }
        if (chunkSamples)
            *chunkSamples = chunk;
        if (outputBytes)
            *outputBytes = output;
        return rc;
    }

    EncoderLibrary lib{RealLibraryPath()};
};

TEST_F(EncoderRecordTest, RecordsOfAnotherKindVersionOrSizeAreRefusedUntouched)
{
    const BE_CONFIG good = RecorderConfig(44100, 2);
    BE_CONFIG config = good;
    config.configKind = 0;
    EXPECT_EQ(Init(config), BE_ERR_INVALID_FORMAT);
    config = good;
    config.structVersion = 2;
    EXPECT_EQ(Init(config), BE_ERR_INVALID_FORMAT);
    config = good;
    config.structSize = sizeof(BE_CONFIG) - 1;
    EXPECT_EQ(Init(config), BE_ERR_INVALID_FORMAT);

    // A refusal leaves the out values as they were.
    std::uint32_t chunk = 77, output = 77;
    HBE_STREAM stream = 77;
    config = good;
    config.configKind = 0;
    EXPECT_EQ(lib.init(&config, &chunk, &output, &stream), BE_ERR_INVALID_FORMAT);
    EXPECT_EQ(lib.init(nullptr, &chunk, &output, &stream), BE_ERR_INVALID_FORMAT);
    EXPECT_EQ(chunk, 77u);
    EXPECT_EQ(output, 77u);
    EXPECT_EQ(stream, 77u);

    config = good;
    EXPECT_EQ(lib.init(&config, nullptr, &output, &stream), BE_ERR_INVALID_FORMAT_PARAMETERS);
    EXPECT_EQ(lib.init(&config, &chunk, &output, nullptr), BE_ERR_INVALID_FORMAT_PARAMETERS);
}

TEST_F(EncoderRecordTest, SettingsTheLibraryCannotHonourAreRefused)
{
    struct Case {
        const char* what;
        void (*change)(BE_CONFIG&);
    };
    const Case cases[] = {
        {"a rate no MPEG version carries", [](BE_CONFIG& c) { c.sampleRate = 44000; }},
        {"no rate", [](BE_CONFIG& c) { c.sampleRate = 0; }},
        {"a rate above MPEG's", [](BE_CONFIG& c) { c.sampleRate = 96000; }},
        {"resampling to a rate MPEG lacks", [](BE_CONFIG& c) { c.resampleRate = 40000; }},
        {"dual channel", [](BE_CONFIG& c) { c.mode = 2; }},
        {"an unknown mode", [](BE_CONFIG& c) { c.mode = 4; }},
        {"an unknown MPEG version", [](BE_CONFIG& c) { c.mpegVersion = 2; }},
        {"VBR", [](BE_CONFIG& c) { c.enableVbr = 1; }},
        {"no bitrate", [](BE_CONFIG& c) { c.bitrate = 0; }},
        {"a bitrate above layer III's", [](BE_CONFIG& c) { c.bitrate = 448; }},
        {"the reserved emphasis", [](BE_CONFIG& c) { c.emphasis = 2; }},
    };
    for (const Case& c : cases) {
        BE_CONFIG config = RecorderConfig(44100, 2);
        c.change(config);
        EXPECT_EQ(Init(config), BE_ERR_INVALID_FORMAT_PARAMETERS) << c.what;
    }
}

TEST_F(EncoderRecordTest, EveryRecorderRateOpensWithChunksOf1152SamplesPerChannel)
{
    for (std::uint32_t rate : {8000u, 11025u, 12000u, 16000u, 22050u, 24000u, 32000u, 44100u, 48000u}) {
        for (int channels : {1, 2}) {
            std::uint32_t chunk = 0, output = 0;
            ASSERT_EQ(Init(RecorderConfig(rate, channels), &chunk, &output), BE_ERR_SUCCESSFUL)
                << rate << " Hz, " << channels << " channels";
            EXPECT_EQ(chunk, 1152u * static_cast<std::uint32_t>(channels)) << rate;
            // libmp3lame's documented worst case for one call of 1152 samples per channel.
            EXPECT_GE(output, 1.25 * 1152 + 7200) << rate;
        }
    }
    // Resampling, when asked for, goes to an MPEG rate from any of the recorder's.
    BE_CONFIG config = RecorderConfig(8000, 1);
    config.resampleRate = 32000;
    EXPECT_EQ(Init(config), BE_ERR_SUCCESSFUL);
}

} // namespace
