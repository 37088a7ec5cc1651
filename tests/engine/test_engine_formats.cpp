// FLAC and Opus outputs on the virtual backend, read back with the command-line tools: every
// rate at both widths in every channel mode, the parts of a long recording, the tags, and the
// failures a user can be shown.

#include "support/EngineFixture.h"
#include "support/ToneFrequency.h"
#include "support/ToolDecode.h"

#include <FLAC/metadata.h>

#include <QDateTime>
#include <QDir>
#include <QFile>

namespace {

constexpr std::uint32_t RATES[] = {8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100, 48000};

struct FormatCase {
    const char* ext;
    std::uint16_t bits;
    std::uint32_t mode;
};

std::string CaseName(const ::testing::TestParamInfo<FormatCase>& info)
{
    const char* const modes[] = {"Mono", "Stereo", "Split"};
    return std::string(info.param.ext) + std::to_string(info.param.bits) + modes[info.param.mode];
}

bool IsFlac(const FormatCase& c)
{
    return std::string(c.ext) == "flac";
}

// One channel's bytes of interleaved stereo.
QByteArray ChannelBytes(const QByteArray& stereo, std::uint32_t sample, int channel)
{
    QByteArray out;
    for (qsizetype at = channel * sample; at < stereo.size(); at += 2 * sample)
        out += stereo.mid(at, sample);
    return out;
}

// Opus is decoded at 48 kHz: the captured length in its samples, a part of one counted whole.
qsizetype At48k(std::uint64_t frames, std::uint32_t rate)
{
    return static_cast<qsizetype>((frames * 48000 + rate - 1) / rate);
}

class FormatTest : public EngineFixture, public ::testing::WithParamInterface<FormatCase> {
protected:
    // FLAC gives back every captured byte, and says it has checked its MD5 (exit 0).
    static void ExpectLossless(const QString& path, int bits, const QByteArray& captured)
    {
        SCOPED_TRACE(path.toStdString());
        const ToolOutput out = DecodeWithTool(QStringLiteral("flac"), path, bits);
        EXPECT_EQ(out.exitCode, 0) << out.errors.toStdString();
        EXPECT_EQ(out.pcm, captured);
        FLAC__StreamMetadata info;
        ASSERT_TRUE(FLAC__metadata_get_streaminfo(QFile::encodeName(path).constData(), &info));
        EXPECT_EQ(info.data.stream_info.total_samples * info.data.stream_info.channels * (bits / 8),
                  static_cast<FLAC__uint64>(captured.size()));
    }

    // Opus: as long as the capture to the sample at 48 kHz, and the source's tone.
    static void ExpectTone(const QString& path, int channels, std::uint64_t frames, std::uint32_t rate,
                           const std::vector<double>& hz)
    {
        SCOPED_TRACE(path.toStdString());
        const ToolOutput out = DecodeWithTool(QStringLiteral("opusdec"), path);
        EXPECT_EQ(out.exitCode, 0) << out.errors.toStdString();
        EXPECT_EQ(out.pcm.size() / (2 * channels), At48k(frames, rate));
        for (int c = 0; c < channels; ++c) {
            const std::vector<int> samples = Channel16(out.pcm, channels, c);
            EXPECT_NEAR(RisingCrossingFrequency(samples, samples.size() / 4, samples.size() * 3 / 4, 48000), hz[c], 2.0);
        }
    }
};

} // namespace

class FormatRoundTrip : public FormatTest {};

TEST_P(FormatRoundTrip, EveryRateDecodesToWhatWasCaptured)
{
    const FormatCase c = GetParam();
    const bool split = c.mode == CHANNELS_SPLIT;
    ASSERT_TRUE(CreateEngine(IsFlac(c) ? COUNTER : SINE));
    for (const std::uint32_t rate : RATES) {
        SCOPED_TRACE(rate);
        const QString name = QStringLiteral("Take%1.%2").arg(rate).arg(QLatin1String(c.ext));
        ASSERT_TRUE(engine->StartRecord(c.bits, c.mode, rate));
        ASSERT_TRUE(engine->OpenRecordFile(0, Path(name)));
        if (split) {
            ASSERT_TRUE(engine->OpenRecordFile(1, Path(QStringLiteral("right_") + name)));
        }
        // Half a second and a part of a buffer, so the end is not on a frame of the encoder.
        const std::uint64_t frames = rate / 2 + 333;
        Feed(static_cast<unsigned>(frames));
        StopAndSettle();
        ASSERT_TRUE(messages.Messages().empty()) << messages.Texts().front().toStdString();
        const QString left = Path(name.toLower());
        const QString right = Path(QStringLiteral("right_") + name.toLower());
        const std::uint32_t sample = c.bits / 8u;
        if (IsFlac(c)) {
            const QByteArray captured = CounterBytes(frames * sample * (c.mode == CHANNELS_MONO ? 1 : 2));
            ExpectLossless(left, c.bits, split ? ChannelBytes(captured, sample, 0) : captured);
            if (split)
                ExpectLossless(right, c.bits, ChannelBytes(captured, sample, 1));
        } else if (split) {
            ExpectTone(left, 1, frames, rate, {440});
            ExpectTone(right, 1, frames, rate, {660});
        } else {
            ExpectTone(left, c.mode == CHANNELS_MONO ? 1 : 2, frames, rate, {440, 660});
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, FormatRoundTrip,
                         ::testing::Values(FormatCase{"flac", 8, CHANNELS_MONO}, FormatCase{"flac", 16, CHANNELS_MONO},
                                           FormatCase{"flac", 8, CHANNELS_STEREO},
                                           FormatCase{"flac", 16, CHANNELS_STEREO},
                                           FormatCase{"flac", 8, CHANNELS_SPLIT}, FormatCase{"flac", 16, CHANNELS_SPLIT},
                                           FormatCase{"opus", 8, CHANNELS_MONO}, FormatCase{"opus", 16, CHANNELS_MONO},
                                           FormatCase{"opus", 16, CHANNELS_STEREO},
                                           FormatCase{"opus", 8, CHANNELS_SPLIT}),
                         CaseName);

class FormatParts : public FormatTest {};

// Parts of one second with a pause in the second: each part is a whole file of exactly that
// length, the parts join without a sample lost or doubled, and each carries its own name and
// the take's start.
TEST_P(FormatParts, PartsJoinExactlyAndCarryTheirTags)
{
    const FormatCase c = GetParam();
    const std::uint32_t rate = 16000;
    engine->SetPartSeconds(1);
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    ASSERT_TRUE(Record(IsFlac(c) ? COUNTER : SINE, c.bits, c.mode, rate, Path(QStringLiteral("take.") + c.ext)));
    Feed(rate * 3 / 2);
    engine->m_bPause = 1;
    Feed(4096);
    engine->m_bPause = 0;
    Feed(rate);
    StopAndSettle();
    EXPECT_TRUE(messages.Messages().empty());

    const QString ext = QLatin1String(c.ext);
    const QStringList names = {QStringLiteral("take.") + ext, QStringLiteral("take-2.") + ext,
                               QStringLiteral("take-3.") + ext};
    EXPECT_FALSE(QFile::exists(Path(QStringLiteral("take-4.") + ext)));
    const int channels = c.mode == CHANNELS_MONO ? 1 : 2;
    const qsizetype frameBytes = channels * c.bits / 8;
    QByteArray joined;
    const QString date = FileTag(Path(names[0]), "DATE");
    const QDateTime start = QDateTime::fromString(date, Qt::ISODate);
    EXPECT_TRUE(start >= before && start <= QDateTime::currentDateTime()) << date.toStdString();
    for (int i = 0; i < names.size(); ++i) {
        const QString path = Path(names[i]);
        SCOPED_TRACE(path.toStdString());
        EXPECT_EQ(FileTag(path, "TITLE"), names[i]);
        EXPECT_EQ(FileTag(path, "DATE"), date);
        EXPECT_TRUE(FileTag(path, "ENCODER").startsWith(QStringLiteral("Tessavox ")));
        const std::uint64_t frames = i < 2 ? rate : rate / 2;
        if (IsFlac(c)) {
            const ToolOutput out = DecodeWithTool(QStringLiteral("flac"), path, c.bits);
            EXPECT_EQ(out.exitCode, 0) << out.errors.toStdString();
            EXPECT_EQ(out.pcm.size(), static_cast<qsizetype>(frames) * frameBytes);
            joined += out.pcm;
        } else {
            ExpectTone(path, channels, frames, rate, {440, 660});
        }
    }
    if (IsFlac(c)) {
        const auto done = static_cast<std::size_t>(rate * 3 / 2 * frameBytes);
        EXPECT_EQ(joined, CounterBytes(done) + CounterBytes(static_cast<std::size_t>(rate * frameBytes),
                                                           done + 4096u * static_cast<std::size_t>(frameBytes)));
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, FormatParts,
                         ::testing::Values(FormatCase{"flac", 16, CHANNELS_STEREO}, FormatCase{"opus", 16, CHANNELS_STEREO}),
                         CaseName);

class FormatFailures : public FormatTest {};

// A folder that cannot be written to: one message naming the file and why, nothing open.
TEST_P(FormatFailures, UnwritableFolderIsToldWithTheFileAndWhy)
{
    const FormatCase c = GetParam();
    const QString path = Path(QStringLiteral("missing/take.") + c.ext);
    ASSERT_TRUE(CreateEngine(SINE));
    ASSERT_TRUE(engine->StartRecord(c.bits, c.mode, 16000));
    EXPECT_EQ(engine->OpenRecordFile(0, path), 0);
    ASSERT_EQ(messages.Texts().size(), 1u);
    EXPECT_EQ(messages.Texts()[0], QStringLiteral("Cannot create %1: No such file or directory").arg(path));
    EXPECT_FALSE(engine->CurrentTake().IsOutputOpen(0));
    StopAndSettle();
    EXPECT_EQ(engine->m_nStatus, STATUS_READY);
}

// The disk fills up in mid-take (a file-size limit, set in a child so the test runner keeps
// its own): the recording ends with one message, and the file decodes to where it stopped.
TEST_P(FormatFailures, FullDiskEndsTheRecordingWithAPlayableFile)
{
    const FormatCase c = GetParam();
    const QString path = Path(QStringLiteral("full.") + c.ext);
    EXPECT_EQ(RecordOntoAFullDisk(20000, SINE, c.bits, c.mode, 48000, path, 48000 * 10), 0);
    const ToolOutput out = DecodeWithTool(IsFlac(c) ? QStringLiteral("flac") : QStringLiteral("opusdec"), path, c.bits);
    EXPECT_EQ(out.exitCode, 0) << out.errors.toStdString();
    EXPECT_GT(out.pcm.size(), 0);
}

INSTANTIATE_TEST_SUITE_P(Formats, FormatFailures,
                         ::testing::Values(FormatCase{"flac", 16, CHANNELS_STEREO}, FormatCase{"opus", 16, CHANNELS_STEREO}),
                         CaseName);
