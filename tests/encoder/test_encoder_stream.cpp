// A stream's calls in and out of order, and the Info tag's life after the close.

#include "EncoderLibrary.h"
#include "Mp3Frames.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class EncoderStreamTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(lib.Loaded()) << RealLibraryPath(); }

    HBE_STREAM Open(BE_CONFIG config)
    {
        std::uint32_t chunk = 0, output = 0;
        HBE_STREAM stream = 0;
        EXPECT_EQ(lib.init(&config, &chunk, &output, &stream), BE_ERR_SUCCESSFUL);
        EXPECT_EQ(output, buffer.size());
        return stream;
    }

    // A flushed and closed stereo stream of one second in path, its tag not yet written.
    HBE_STREAM Finished(const std::string& path, BE_CONFIG config = RecorderConfig(44100, 2))
    {
        const EncodedStream s = EncodeToFile(lib, config, Tones(config.sampleRate, 2, config.sampleRate), path);
        EXPECT_EQ(s.initResult, BE_ERR_SUCCESSFUL);
        return s.handle;
    }

    EncoderLibrary lib{RealLibraryPath()};
    ScratchDir dir;
    std::vector<std::uint8_t> buffer = std::vector<std::uint8_t>(1152 * 5 / 4 + 7200);
};

TEST_F(EncoderStreamTest, ChunksOutsideTheStreamsShapeAreRefused)
{
    const HBE_STREAM stream = Open(RecorderConfig(44100, 2));
    const std::vector<std::int16_t> pcm = Tones(44100, 2, 1153);
    std::uint32_t produced = 0;
    EXPECT_EQ(lib.encode(stream, 2 * 1153, pcm.data(), buffer.data(), &produced), BE_ERR_INVALID_FORMAT_PARAMETERS)
        << "more than one chunk";
    EXPECT_EQ(lib.encode(stream, 101, pcm.data(), buffer.data(), &produced), BE_ERR_INVALID_FORMAT_PARAMETERS)
        << "half a stereo sample frame";
    EXPECT_EQ(lib.encode(stream, 100, nullptr, buffer.data(), &produced), BE_ERR_INVALID_FORMAT_PARAMETERS);
    EXPECT_EQ(lib.encode(stream, 100, pcm.data(), nullptr, &produced), BE_ERR_INVALID_FORMAT_PARAMETERS);
    EXPECT_EQ(lib.encode(stream, 100, pcm.data(), buffer.data(), nullptr), BE_ERR_INVALID_FORMAT_PARAMETERS);
    EXPECT_EQ(lib.encode(stream, 0, pcm.data(), buffer.data(), &produced), BE_ERR_SUCCESSFUL);
    EXPECT_EQ(lib.encode(stream, 2 * 1152, pcm.data(), buffer.data(), &produced), BE_ERR_SUCCESSFUL);
    EXPECT_EQ(lib.close(stream), BE_ERR_SUCCESSFUL);
}

TEST_F(EncoderStreamTest, UnknownHandlesAndCallsAfterTheFlushAreRefused)
{
    std::uint32_t produced = 0;
    const std::vector<std::int16_t> pcm = Tones(44100, 1, 1152);
    for (HBE_STREAM unknown : {HBE_STREAM{0}, HBE_STREAM{0xDEAD}}) {
        EXPECT_EQ(lib.encode(unknown, 1152, pcm.data(), buffer.data(), &produced), BE_ERR_INVALID_HANDLE);
        EXPECT_EQ(lib.deinit(unknown, buffer.data(), &produced), BE_ERR_INVALID_HANDLE);
        EXPECT_EQ(lib.close(unknown), BE_ERR_INVALID_HANDLE);
    }

    const HBE_STREAM stream = Open(RecorderConfig(44100, 1));
    ASSERT_EQ(lib.encode(stream, 1152, pcm.data(), buffer.data(), &produced), BE_ERR_SUCCESSFUL);
    ASSERT_EQ(lib.deinit(stream, buffer.data(), &produced), BE_ERR_SUCCESSFUL);
    EXPECT_GT(produced, 0u);
    EXPECT_EQ(lib.encode(stream, 1152, pcm.data(), buffer.data(), &produced), BE_ERR_INVALID_HANDLE);
    EXPECT_EQ(lib.deinit(stream, buffer.data(), &produced), BE_ERR_INVALID_HANDLE);
    EXPECT_EQ(lib.close(stream), BE_ERR_SUCCESSFUL);
    EXPECT_EQ(lib.close(stream), BE_ERR_INVALID_HANDLE);
    EXPECT_EQ(lib.encode(stream, 1152, pcm.data(), buffer.data(), &produced), BE_ERR_INVALID_HANDLE);

    // A later stream never gets an earlier one's handle.
    const HBE_STREAM next = Open(RecorderConfig(44100, 1));
    EXPECT_NE(next, stream);
    EXPECT_EQ(lib.close(next), BE_ERR_SUCCESSFUL);
}

TEST_F(EncoderStreamTest, TheTagReplacesThePlaceholderOnceAndEndsTheHandle)
{
    const std::string path = dir.File("a.mp3");
    const HBE_STREAM stream = Finished(path);
    const std::vector<std::uint8_t> before = ReadFile(path);
    const auto frames = ReadFrames(before);
    ASSERT_TRUE(frames);
    const Mp3Frame& first = frames->front();
    EXPECT_TRUE(std::all_of(before.begin() + 4, before.begin() + static_cast<std::ptrdiff_t>(first.length),
                            [](std::uint8_t b) { return b == 0; }))
        << "the placeholder is a header and zeros";

    ASSERT_EQ(lib.writeInfoTag(stream, path.c_str()), BE_ERR_SUCCESSFUL);
    const std::vector<std::uint8_t> after = ReadFile(path);
    ASSERT_EQ(after.size(), before.size());
    EXPECT_EQ(PayloadTag(after, first), "Info");
    EXPECT_TRUE(std::equal(before.begin() + static_cast<std::ptrdiff_t>(first.length), before.end(),
                           after.begin() + static_cast<std::ptrdiff_t>(first.length)))
        << "only the first frame changes";

    EXPECT_EQ(lib.writeInfoTag(stream, path.c_str()), BE_ERR_INVALID_HANDLE);
    EXPECT_EQ(lib.writeVbrHeader(path.c_str()), BE_ERR_INVALID_HANDLE);
}

TEST_F(EncoderStreamTest, TheTagIsWrittenOnlyOverItsOwnPlaceholder)
{
    const std::string path = dir.File("a.mp3");
    const std::vector<std::uint8_t> other(2000, 0x55);
    const std::string otherPath = dir.File("other.bin");
    WriteFile(otherPath, other);
    EXPECT_EQ(lib.writeInfoTag(Finished(path), otherPath.c_str()), BE_ERR_FILE);
    EXPECT_EQ(ReadFile(otherPath), other);

    // The same stream's file cut short inside its placeholder.
    std::vector<std::uint8_t> cut = ReadFile(path);
    cut.resize(100);
    WriteFile(otherPath, cut);
    EXPECT_EQ(lib.writeInfoTag(Finished(path), otherPath.c_str()), BE_ERR_FILE);
    EXPECT_EQ(ReadFile(otherPath), cut);

    EXPECT_EQ(lib.writeInfoTag(Finished(path), dir.File("missing.mp3").c_str()), BE_ERR_FILE);
    EXPECT_EQ(lib.writeInfoTag(Finished(path), nullptr), BE_ERR_INVALID_FORMAT_PARAMETERS);
}

TEST_F(EncoderStreamTest, NoTagIsWrittenForAStreamWithoutOneOrNotFlushed)
{
    const std::string path = dir.File("untagged.mp3");
    BE_CONFIG config = RecorderConfig(44100, 2);
    config.writeVbrHeader = 0;
    const HBE_STREAM untagged = Finished(path, config);
    const std::vector<std::uint8_t> bytes = ReadFile(path);
    const auto frames = ReadFrames(bytes);
    ASSERT_TRUE(frames);
    EXPECT_NE(PayloadTag(bytes, frames->front()), "Info");
    EXPECT_TRUE(std::any_of(bytes.begin() + 4, bytes.begin() + static_cast<std::ptrdiff_t>(frames->front().length),
                            [](std::uint8_t b) { return b != 0; }))
        << "the first frame is audio, not a placeholder";
    EXPECT_EQ(lib.writeInfoTag(untagged, path.c_str()), BE_ERR_INVALID_HANDLE);
    EXPECT_EQ(ReadFile(path), bytes);

    // Closed before its flush: the tag would not describe a finished file.
    const HBE_STREAM unflushed = Open(RecorderConfig(44100, 2));
    const std::vector<std::int16_t> pcm = Tones(44100, 2, 1152);
    std::uint32_t produced = 0;
    ASSERT_EQ(lib.encode(unflushed, 2 * 1152, pcm.data(), buffer.data(), &produced), BE_ERR_SUCCESSFUL);
    ASSERT_EQ(lib.close(unflushed), BE_ERR_SUCCESSFUL);
    EXPECT_EQ(lib.writeInfoTag(unflushed, path.c_str()), BE_ERR_INVALID_HANDLE);
}

TEST_F(EncoderStreamTest, WriteVbrHeaderTagsTheStreamClosedLast)
{
    const std::string first = dir.File("first.mp3");
    const std::string second = dir.File("second.mp3");
    const HBE_STREAM firstStream = Finished(first);
    Finished(second);
    ASSERT_EQ(lib.writeVbrHeader(second.c_str()), BE_ERR_SUCCESSFUL);
    const std::vector<std::uint8_t> bytes = ReadFile(second);
    EXPECT_EQ(PayloadTag(bytes, ReadFrames(bytes)->front()), "Info");
    EXPECT_EQ(lib.writeVbrHeader(first.c_str()), BE_ERR_INVALID_HANDLE) << "the last tag is written already";
    // The first stream's tag still waits for its own handle.
    EXPECT_EQ(lib.writeInfoTag(firstStream, first.c_str()), BE_ERR_SUCCESSFUL);
}

TEST_F(EncoderStreamTest, TwoStreamsInterleavedEncodeAsEachAlone)
{
    // The per-channel mode runs two mono streams side by side.
    const std::vector<std::int16_t> left = Tones(22050, 1, 22050);
    std::vector<std::int16_t> right = Tones(22050, 2, 22050);
    for (std::size_t i = 0; i < left.size(); ++i)
        right[i] = right[2 * i + 1];
    right.resize(left.size());

    const HBE_STREAM a = Open(RecorderConfig(22050, 1));
    const HBE_STREAM b = Open(RecorderConfig(22050, 1));
    std::vector<std::uint8_t> together[2];
    std::uint32_t produced = 0;
    for (std::size_t at = 0; at < left.size(); at += 1152) {
        const auto samples = static_cast<std::uint32_t>(std::min<std::size_t>(1152, left.size() - at));
        ASSERT_EQ(lib.encode(a, samples, left.data() + at, buffer.data(), &produced), BE_ERR_SUCCESSFUL);
        together[0].insert(together[0].end(), buffer.begin(), buffer.begin() + produced);
        ASSERT_EQ(lib.encode(b, samples, right.data() + at, buffer.data(), &produced), BE_ERR_SUCCESSFUL);
        together[1].insert(together[1].end(), buffer.begin(), buffer.begin() + produced);
    }
    ASSERT_EQ(lib.deinit(a, buffer.data(), &produced), BE_ERR_SUCCESSFUL);
    together[0].insert(together[0].end(), buffer.begin(), buffer.begin() + produced);
    ASSERT_EQ(lib.deinit(b, buffer.data(), &produced), BE_ERR_SUCCESSFUL);
    together[1].insert(together[1].end(), buffer.begin(), buffer.begin() + produced);
    EXPECT_EQ(lib.close(a), BE_ERR_SUCCESSFUL);
    EXPECT_EQ(lib.close(b), BE_ERR_SUCCESSFUL);

    const std::string alonePath = dir.File("alone.mp3");
    EncodeToFile(lib, RecorderConfig(22050, 1), left, alonePath);
    EXPECT_EQ(ReadFile(alonePath), together[0]);
    EncodeToFile(lib, RecorderConfig(22050, 1), right, alonePath);
    EXPECT_EQ(ReadFile(alonePath), together[1]);
}

TEST_F(EncoderStreamTest, HeaderBitsAndTheBitReservoirFollowTheRecord)
{
    BE_CONFIG config = RecorderConfig(48000, 2);
    config.mode = BE_MODE_STEREO;
    config.crc = 1;
    config.copyrightBit = 1;
    config.privateBit = 1;
    config.originalBit = 0;
    config.emphasis = 1;
    config.noBitReservoir = 0;
    const std::string path = dir.File("bits.mp3");
    ASSERT_EQ(lib.writeInfoTag(Finished(path, config), path.c_str()), BE_ERR_SUCCESSFUL);
    const std::vector<std::uint8_t> bytes = ReadFile(path);
    const auto frames = ReadFrames(bytes);
    ASSERT_TRUE(frames);
    // With CRC protection libmp3lame places the tag two bytes before the payload.
    const std::string info = "Info";
    const auto firstEnd = bytes.begin() + static_cast<std::ptrdiff_t>(frames->front().length);
    EXPECT_NE(std::search(bytes.begin(), firstEnd, info.begin(), info.end()), firstEnd);
    bool reservoirUsed = false;
    for (const Mp3Frame& f : *frames) {
        EXPECT_EQ(f.mode, 0);
        EXPECT_TRUE(f.crc);
        EXPECT_TRUE(f.copyright);
        EXPECT_TRUE(f.privateBit);
        EXPECT_FALSE(f.original);
        EXPECT_EQ(f.emphasis, 1);
        reservoirUsed = reservoirUsed || f.mainDataBegin > 0;
    }
    EXPECT_TRUE(reservoirUsed);
}

} // namespace
