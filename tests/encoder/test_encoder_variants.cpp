// The test builds of the library that the engine's tests load: each differs from the real one
// only where its name says.

#include "EncoderLibrary.h"
#include "Mp3Frames.h"

#include <gtest/gtest.h>

namespace {

TEST(EncoderVariantsTest, MissingCloseLacksOnlyBeCloseStream)
{
    const EncoderLibrary lib(VariantLibraryPath("missing-close"));
    ASSERT_TRUE(lib.Loaded());
    EXPECT_EQ(lib.close, nullptr);
    EXPECT_TRUE(lib.init && lib.encode && lib.deinit && lib.version && lib.writeVbrHeader && lib.writeInfoTag);
}

TEST(EncoderVariantsTest, NoInfoTagStillTagsThroughBeWriteVbrHeader)
{
    const EncoderLibrary lib(VariantLibraryPath("no-info-tag"));
    ASSERT_TRUE(lib.Loaded());
    EXPECT_EQ(lib.writeInfoTag, nullptr);
    ASSERT_TRUE(lib.init && lib.encode && lib.deinit && lib.close && lib.version && lib.writeVbrHeader);

    const ScratchDir dir;
    const std::string path = dir.File("take.mp3");
    ASSERT_EQ(EncodeToFile(lib, RecorderConfig(44100, 1), Tones(44100, 1, 5000), path).initResult, BE_ERR_SUCCESSFUL);
    ASSERT_EQ(lib.writeVbrHeader(path.c_str()), BE_ERR_SUCCESSFUL);
    const std::vector<std::uint8_t> bytes = ReadFile(path);
    const auto frames = ReadFrames(bytes);
    ASSERT_TRUE(frames);
    EXPECT_EQ(PayloadTag(bytes, frames->front()), "Info");
}

TEST(EncoderVariantsTest, InitFailsRefusesTheRecordersRecordWithCode2)
{
    const EncoderLibrary lib(VariantLibraryPath("init-fails"));
    ASSERT_TRUE(lib.Loaded() && lib.init);
    BE_CONFIG config = RecorderConfig(44100, 2);
    std::uint32_t chunk = 0, output = 0;
    HBE_STREAM stream = 0;
    EXPECT_EQ(lib.init(&config, &chunk, &output, &stream), 2u);
}

TEST(EncoderVariantsTest, EncodeFailsFromTheFourthChunkOfAStreamWithCode5)
{
    const EncoderLibrary lib(VariantLibraryPath("encode-fails"));
    ASSERT_TRUE(lib.Loaded() && lib.init && lib.encode && lib.close);
    BE_CONFIG config = RecorderConfig(44100, 2);
    std::uint32_t chunk = 0, outputBytes = 0;
    HBE_STREAM first = 0, second = 0;
    ASSERT_EQ(lib.init(&config, &chunk, &outputBytes, &first), BE_ERR_SUCCESSFUL);
    ASSERT_EQ(lib.init(&config, &chunk, &outputBytes, &second), BE_ERR_SUCCESSFUL);
    const std::vector<std::int16_t> pcm = Tones(44100, 2, 1152);
    std::vector<std::uint8_t> output(outputBytes);
    std::uint32_t produced = 0;
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(lib.encode(first, chunk, pcm.data(), output.data(), &produced), BE_ERR_SUCCESSFUL) << i;
    }
    EXPECT_EQ(lib.encode(first, chunk, pcm.data(), output.data(), &produced), 5u);
    EXPECT_EQ(lib.encode(first, chunk, pcm.data(), output.data(), &produced), 5u);
    // Counted per stream.
    EXPECT_EQ(lib.encode(second, chunk, pcm.data(), output.data(), &produced), BE_ERR_SUCCESSFUL);
    EXPECT_EQ(lib.close(first), BE_ERR_SUCCESSFUL);
    EXPECT_EQ(lib.close(second), BE_ERR_SUCCESSFUL);
}

} // namespace
