// The MP3 a whole stream produces, read frame by frame and decoded by an independent decoder,
// at the recorder's rates in mono and stereo.

#include "EncoderLibrary.h"
#include "Mp3Decode.h"
#include "Mp3Frames.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct OutputCase {
    std::uint32_t rate;
    int channels;
    int version; // of the MPEG stream the rate needs: 1, 2, or 25 for MPEG-2.5
    int kbps;    // 128 as configured, or the most MPEG-2.5 carries

    friend std::ostream& operator<<(std::ostream& os, const OutputCase& c)
    {
        return os << c.rate << "Hz_" << c.channels << "ch";
    }
};

class EncoderOutputTest : public ::testing::TestWithParam<OutputCase> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(lib.Loaded()) << RealLibraryPath();
        const OutputCase c = GetParam();
        // Two seconds and a part of a chunk, so the stream ends with a partial chunk.
        frames = 2 * c.rate + 700;
        path = dir.File("out.mp3");
        stream = EncodeToFile(lib, RecorderConfig(c.rate, c.channels), Tones(c.rate, c.channels, frames), path);
        ASSERT_EQ(stream.initResult, BE_ERR_SUCCESSFUL);
        ASSERT_EQ(lib.writeInfoTag(stream.handle, path.c_str()), BE_ERR_SUCCESSFUL);
        bytes = ReadFile(path);
    }

    EncoderLibrary lib{RealLibraryPath()};
    ScratchDir dir;
    std::size_t frames = 0;
    std::string path;
    EncodedStream stream;
    std::vector<std::uint8_t> bytes;
};

TEST_P(EncoderOutputTest, EveryFrameFollowsTheRecordAndTheFirstHoldsTheInfoTag)
{
    const OutputCase c = GetParam();
    const auto frames = ReadFrames(bytes);
    ASSERT_TRUE(frames) << "not a sequence of layer III frames and nothing else";
    ASSERT_GT(frames->size(), 10u);
    for (const Mp3Frame& f : *frames) {
        SCOPED_TRACE(testing::Message() << "frame at " << f.offset);
        EXPECT_EQ(f.version, c.version);
        EXPECT_EQ(f.rate, static_cast<int>(c.rate));
        EXPECT_EQ(f.kbps, c.kbps);
        EXPECT_EQ(f.mode, c.channels == 1 ? 3 : 1); // mono or joint stereo
        EXPECT_TRUE(f.original);
        EXPECT_FALSE(f.crc);
        EXPECT_FALSE(f.copyright);
        EXPECT_FALSE(f.privateBit);
        EXPECT_EQ(f.emphasis, 0);
        EXPECT_EQ(f.mainDataBegin, 0) << "the bit reservoir is disabled";
    }
    // The final tag, not the placeholder: it counts the audio frames after it and the file.
    const Mp3Frame& tag = frames->front();
    ASSERT_EQ(PayloadTag(bytes, tag), "Info");
    const std::size_t fields = tag.offset + tag.sideInfoEnd + 4;
    const std::uint32_t flags = BigEndian32(bytes, fields);
    ASSERT_EQ(flags & 3u, 3u) << "frame and byte counts present";
    EXPECT_EQ(BigEndian32(bytes, fields + 4), frames->size() - 1);
    EXPECT_EQ(BigEndian32(bytes, fields + 8), bytes.size());
    for (std::size_t i = 1; i < frames->size(); ++i) {
        EXPECT_NE(PayloadTag(bytes, (*frames)[i]), "Info");
    }
}

TEST_P(EncoderOutputTest, DecodesToTheSourcesLengthChannelsAndTones)
{
    const OutputCase c = GetParam();
    std::string error;
    const auto audio = DecodeMp3(path, error);
    ASSERT_TRUE(audio) << error;
    EXPECT_EQ(audio->rate, static_cast<long>(c.rate));
    ASSERT_EQ(audio->channels, c.channels);
    // Exactly the samples fed, the final partial chunk included: the Info tag tells the
    // decoder the encoder's delay and padding, which it trims.
    EXPECT_EQ(audio->Frames(), frames);
    EXPECT_NEAR(ToneFrequency(*audio, 0), kLeftHz, 2.0);
    if (c.channels == 2) {
        EXPECT_NEAR(ToneFrequency(*audio, 1), kRightHz, 2.0);
    }
}

INSTANTIATE_TEST_SUITE_P(RecorderRates, EncoderOutputTest,
                         ::testing::Values(OutputCase{44100, 2, 1, 128}, OutputCase{44100, 1, 1, 128},
                                           OutputCase{48000, 2, 1, 128}, OutputCase{32000, 1, 1, 128},
                                           OutputCase{22050, 2, 2, 128}, OutputCase{16000, 1, 2, 128},
                                           OutputCase{11025, 2, 25, 64}, OutputCase{8000, 1, 25, 64}),
                         [](const ::testing::TestParamInfo<OutputCase>& info) {
                             return std::to_string(info.param.rate) + "Hz_" +
                                    std::to_string(info.param.channels) + "ch";
                         });

} // namespace
