#include "engine/TempDir.h"
#include "engine/formats/WaveHeader.h"
#include "support/AudioFormats.h"
#include "support/WaveBytes.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <functional>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using testsupport::Pcm;

namespace {

// Runs body in a forked child and returns its wait status: for limits and identities that
// must not leak into the test process.
int RunInChild(const std::function<int()>& body)
{
    const pid_t pid = ::fork();
    if (pid == 0)
        ::_exit(body());
    int status = -1;
    ::waitpid(pid, &status, 0);
    return status;
}

std::uint32_t Le32At(const Bytes& b, std::size_t offset)
{
    return static_cast<std::uint32_t>(b[offset]) | (static_cast<std::uint32_t>(b[offset + 1]) << 8) |
           (static_cast<std::uint32_t>(b[offset + 2]) << 16) | (static_cast<std::uint32_t>(b[offset + 3]) << 24);
}

} // namespace

// The header is written byte for byte as players expect it, already valid while empty, and
// the sizes are exact after finishing.
TEST(RiffWriter, WritesTheWaveHeaderByteForByte)
{
    struct Case {
        const char* name;
        WAVEFORMATEX wfx;
        Bytes bytes22to37; // channels, rate, bytes per second, block alignment, bits, extra size
    };
    const Case cases[] = {
        {"stereo 44100 Hz 16-bit", Pcm(44100, 16, 2),
         {0x02, 0x00, 0x44, 0xAC, 0x00, 0x00, 0x10, 0xB1, 0x02, 0x00, 0x04, 0x00, 0x10, 0x00, 0x00, 0x00}},
        {"one channel of a 44100 Hz 16-bit stereo capture", Pcm(44100, 16, 1),
         {0x01, 0x00, 0x44, 0xAC, 0x00, 0x00, 0x88, 0x58, 0x01, 0x00, 0x02, 0x00, 0x10, 0x00, 0x00, 0x00}},
    };
    TempDir dir;
    ASSERT_TRUE(dir.Valid());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = dir / "take.wav";
        const Bytes emptyHeader = Tag("RIFF") + Le32(38) + Tag("WAVE") + Tag("fmt ") + Le32(18) + Le16(1) +
                                  c.bytes22to37 + Tag("data") + Le32(0);
        ASSERT_EQ(emptyHeader.size(), WAVE_HEADER_BYTES);

        RiffWriter writer;
        MMCKINFO riff, data;
        ASSERT_TRUE(writer.Open(path));
        ASSERT_TRUE(BeginWaveFile(writer, riff, data, c.wfx));
        EXPECT_EQ(writer.Position(), WAVE_HEADER_BYTES);
        EXPECT_EQ(data.ckid, FOURCC_DATA);
        EXPECT_EQ(data.dwDataOffset, WAVE_HEADER_BYTES);
        EXPECT_EQ(riff.dwDataOffset, 8u);
        EXPECT_EQ(ReadFileBytes(path), emptyHeader);

        const Bytes samples = Samples(1000);
        ASSERT_EQ(writer.Write(samples.data(), samples.size()), samples.size());
        ASSERT_TRUE(FinishWaveFile(writer));
        EXPECT_FALSE(writer.IsOpen());

        Bytes expected = emptyHeader + samples;
        std::copy_n(Le32(38 + 1000).begin(), 4, expected.begin() + 4);
        std::copy_n(Le32(1000).begin(), 4, expected.begin() + 42);
        EXPECT_EQ(ReadFileBytes(path), expected);

        RiffReader reader;
        WAVEFORMATEX wfx;
        ASSERT_TRUE(reader.Open(path));
        ASSERT_EQ(ReadWaveHeader(reader, riff, data, wfx), WaveReadError::None);
        EXPECT_EQ(SerializeFormat(wfx), SerializeFormat(c.wfx));
    }
}

TEST(RiffWriter, PadsAnOddDataChunkOutsideItsSize)
{
    TempDir dir;
    const std::string path = dir / "odd.wav";
    RiffWriter writer;
    MMCKINFO riff, data;
    ASSERT_TRUE(writer.Open(path));
    ASSERT_TRUE(BeginWaveFile(writer, riff, data, Pcm(8000, 8, 1)));
    const Bytes samples = Samples(7, 0x80);
    ASSERT_EQ(writer.Write(samples.data(), samples.size()), 7u);
    ASSERT_TRUE(FinishWaveFile(writer));

    const Bytes file = ReadFileBytes(path);
    ASSERT_EQ(file.size(), WAVE_HEADER_BYTES + 8);
    EXPECT_EQ(Le32At(file, 42), 7u);             // the data size counts no pad
    EXPECT_EQ(Le32At(file, 4), file.size() - 8); // the RIFF size does
    EXPECT_EQ(file.back(), 0);
    EXPECT_TRUE(std::equal(samples.begin(), samples.end(), file.begin() + WAVE_HEADER_BYTES));
}

TEST(RiffWriter, ReplacesAnExistingFileInsteadOfRewritingIt)
{
    TempDir dir;
    const std::string path = dir / "take.wav";
    const std::string other = dir / "other-name.wav";
    const Bytes old(10000, 'x');
    ASSERT_TRUE(WriteFileBytes(path, old));
    // A second name for the old file shows whether it was deleted or overwritten in place.
    std::filesystem::create_hard_link(path, other);

    RiffWriter writer;
    MMCKINFO riff, data;
    ASSERT_TRUE(writer.Open(path));
    ASSERT_TRUE(BeginWaveFile(writer, riff, data, Pcm(8000, 8, 1)));
    ASSERT_TRUE(FinishWaveFile(writer));

    EXPECT_EQ(ReadFileBytes(path).size(), WAVE_HEADER_BYTES);
    EXPECT_EQ(ReadFileBytes(other), old);
}

TEST(RiffWriter, OpenFailsWhereNoFileCanBeCreated)
{
    TempDir dir;
    RiffWriter writer;

    EXPECT_FALSE(writer.Open(dir / "missing/take.wav"));
    EXPECT_EQ(writer.Error(), ENOENT);
    EXPECT_FALSE(writer.IsOpen());

    const std::string folder = dir / "take.wav";
    std::filesystem::create_directory(folder);
    EXPECT_FALSE(writer.Open(folder));
    EXPECT_EQ(writer.Error(), EISDIR);
    EXPECT_TRUE(std::filesystem::is_directory(folder));

    // A read-only folder stops only an unprivileged user, so the child gives up root first.
    const std::string locked = dir / "locked";
    std::filesystem::create_directory(locked);
    ::chmod(dir.Path().c_str(), 0755);
    ::chmod(locked.c_str(), 0555);
    const int status = RunInChild([&] {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            return 2;
        RiffWriter child;
        return !child.Open(locked + "/take.wav") && child.Error() == EACCES ? 0 : 1;
    });
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_FALSE(std::filesystem::exists(locked + "/take.wav"));
}

// A recorder killed after UpdateSizes leaves a file that reads back with everything written.
TEST(RiffWriter, UpdateSizesLeavesAReadableFileWithoutMoving)
{
    TempDir dir;
    const std::string path = dir / "live.wav";
    RiffWriter writer;
    MMCKINFO riff, data;
    ASSERT_TRUE(writer.Open(path));
    ASSERT_TRUE(BeginWaveFile(writer, riff, data, Pcm(22050, 16, 2)));
    const Bytes first = Samples(3000);
    ASSERT_EQ(writer.Write(first.data(), first.size()), first.size());
    ASSERT_TRUE(writer.UpdateSizes());
    EXPECT_EQ(writer.Position(), WAVE_HEADER_BYTES + first.size());

    {
        RiffReader reader;
        MMCKINFO r, d;
        WAVEFORMATEX wfx;
        ASSERT_TRUE(reader.Open(path));
        ASSERT_EQ(ReadWaveHeader(reader, r, d, wfx), WaveReadError::None);
        EXPECT_EQ(d.cksize, first.size());
        EXPECT_EQ(r.cksize, WAVE_HEADER_BYTES - 8 + first.size());
        Bytes got(first.size() + 10);
        EXPECT_EQ(reader.Read(got.data(), got.size()), first.size());
        got.resize(first.size());
        EXPECT_EQ(got, first);
    }

    // Writing goes on at the end, not where the sizes were patched; a block larger than
    // what is gathered at a time lands after the bytes gathered before it.
    const Bytes second = Samples(5, 0xF0);
    const Bytes third = Samples(100000, 0x11);
    ASSERT_EQ(writer.Write(second.data(), second.size()), second.size());
    ASSERT_EQ(writer.Write(third.data(), third.size()), third.size());
    ASSERT_TRUE(FinishWaveFile(writer));
    const Bytes file = ReadFileBytes(path);
    const Bytes tail = second + third;
    ASSERT_EQ(file.size(), WAVE_HEADER_BYTES + first.size() + tail.size() + 1);
    EXPECT_EQ(Le32At(file, 42), first.size() + tail.size());
    EXPECT_TRUE(std::equal(tail.begin(), tail.end(), file.end() - 1 - tail.size()));
}

// Past the file-size limit the gathered bytes are written short instead of the signal
// killing the process, nothing more is taken, and finishing still leaves a valid file of
// what was written.
TEST(RiffWriter, ShortWriteAtTheFileSizeLimit)
{
    TempDir dir;
    for (const rlim_t limit : {rlim_t{4096}, rlim_t{4095}}) {
        SCOPED_TRACE(limit);
        const std::string path = dir / ("limited-" + std::to_string(limit) + ".wav");
        const Bytes samples = Samples(8000);
        const std::size_t fits = limit - WAVE_HEADER_BYTES;
        const int status = RunInChild([&] {
            const rlimit small{limit, limit};
            if (::setrlimit(RLIMIT_FSIZE, &small) != 0)
                return 2;
            RiffWriter writer;
            MMCKINFO riff, data;
            if (!writer.Open(path) || !BeginWaveFile(writer, riff, data, Pcm(8000, 8, 1)))
                return 3;
            if (writer.Write(samples.data(), samples.size()) != samples.size())
                return 4;
            if (writer.Flush() || writer.Error() != EFBIG || writer.Position() != limit)
                return 6;
            if (writer.Write(samples.data(), 2) != 0)
                return 7;
            // An odd count leaves no room for the pad byte: finishing says so, sizes are still written.
            return FinishWaveFile(writer) == (fits % 2 == 0) ? 0 : 5;
        });
        ASSERT_TRUE(WIFEXITED(status)) << "child ended by signal " << WTERMSIG(status);
        ASSERT_EQ(WEXITSTATUS(status), 0);

        RiffReader reader;
        MMCKINFO riff, data;
        WAVEFORMATEX wfx;
        ASSERT_TRUE(reader.Open(path));
        EXPECT_EQ(reader.FileSize(), limit);
        ASSERT_EQ(ReadWaveHeader(reader, riff, data, wfx), WaveReadError::None);
        EXPECT_EQ(data.cksize, fits);
        EXPECT_EQ(riff.cksize, limit - 8);
        Bytes got(fits);
        ASSERT_EQ(reader.Read(got.data(), got.size()), fits);
        EXPECT_TRUE(std::equal(got.begin(), got.end(), samples.begin()));
    }
}
