// Every row of the format table through the engine on the virtual backend, read back with
// ffmpeg, independent of the code that wrote it: a take in each layout, rate and width the
// format records, its parts, a file that cannot be made, a full disk, and a file per sound.
// A format added to the table is taken through all of them.

#include "platform/Clock.h"
#include "support/EngineFixture.h"
#include "support/FormatRows.h"
#include "support/ToneFrequency.h"
#include "support/ToolDecode.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

constexpr std::uint32_t RATES[] = {8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100, 48000};
constexpr std::uint32_t LAYOUTS[] = {CHANNELS_MONO, CHANNELS_STEREO, CHANNELS_SPLIT};

// What a user meets that differs from format to format. A format missing here is still
// taken through every test, with what all formats share.
struct Seen {
    const char* entry;
    // Told when a file cannot be made (%1 the file, %2 why), and when the disk is full.
    const char* cannotCreate;
    const char* diskFull;
    // A full disk ends that output alone, and the take goes on.
    bool fullDiskEndsOutputOnly;
    // Every captured sample comes back; the files carry their name and the take's start.
    bool lossless;
    bool tagged;
    // What a second costs on the disk, in bytes, for one file: 8 kHz 8-bit mono, 16 kHz
    // 16-bit mono, 48 kHz 16-bit stereo; and at least what share of the last a file
    // really written at that rate takes, and at most how many bytes it holds beyond the
    // figure (its headers and tags, once).
    std::uint64_t costs[3];
    double writtenShare;
    int headerBytes;
};

// WAV exactly as captured; MP3 at 128 kb/s whatever the sound; Opus 32 kb/s a channel and
// 10% for the encoder's swings and its pages; FLAC 65% of WAV, which a tone never reaches.
constexpr Seen SEEN[] = {
    {"mp3", "Error creating file %1", "Output file write error", true, false, false, {16000, 16000, 16000}, 0.97, 4096},
    {"wave", "Open wave file failed", "Write file failed", false, true, false, {8000, 32000, 192000}, 1.0, 46},
    {"flac", "Cannot create %1: %2", "Write file failed", false, true, true, {5200, 20800, 124800}, 0.0, 4096},
    {"opus", "Cannot create %1: %2", "Write file failed", false, false, true, {4400, 4400, 8800}, 0.85, 4096},
};

const Seen* SeenOf(const FormatRow& row)
{
    for (const Seen& s : SEEN)
        if (QLatin1String(s.entry) == QLatin1String(row.entry))
            return &s;
    return nullptr;
}

// One channel's bytes of interleaved stereo.
QByteArray ChannelBytes(const QByteArray& stereo, std::uint32_t sample, int channel)
{
    QByteArray out;
    for (qsizetype at = channel * sample; at < stereo.size(); at += 2 * sample)
        out += stereo.mid(at, sample);
    return out;
}

// Captured samples as ffmpeg gives them: 16-bit, 8-bit ones moved up.
QByteArray As16(const QByteArray& captured, std::uint16_t bits)
{
    if (bits == 16)
        return captured;
    QByteArray out;
    for (const char byte : captured) {
        out += '\0';
        out += static_cast<char>(static_cast<std::uint8_t>(byte) - 128);
    }
    return out;
}

class FormatTakes : public EngineFixture, public ::testing::WithParamInterface<const FormatRow*> {
protected:
    const FormatRow& Row() const { return *GetParam(); }
    const Seen* Expected() const { return SeenOf(Row()); }
    bool Lossless() const { return Expected() && Expected()->lossless; }
    bool Records(std::uint16_t bits, std::uint32_t rate) const { return Row().Refusal(bits, rate).isEmpty(); }
    QString Name(const QString& stem) const { return stem + QLatin1Char('.') + QLatin1String(Row().extensions[0]); }

    // The file decodes to frames of the capture (at the rate it decodes at) in channels; a
    // lossless one to the very samples, a lossy one to the source's tones.
    void ExpectTake(const QString& path, int channels, std::uint64_t frames, std::uint32_t rate, std::uint16_t bits,
                    const QByteArray& captured, const std::vector<double>& hz)
    {
        SCOPED_TRACE(path.toStdString());
        const ToolSound out = DecodeWithFfmpeg(path);
        ASSERT_EQ(out.exitCode, 0) << out.errors.toStdString();
        ASSERT_EQ(out.channels, channels);
        EXPECT_EQ(out.Frames(), static_cast<qsizetype>((frames * out.rate + rate - 1) / rate));
        if (Lossless()) {
            EXPECT_TRUE(out.pcm == As16(captured, bits)) << "the samples differ from those captured";
            return;
        }
        for (int c = 0; c < channels; ++c) {
            const std::vector<int> samples = Channel16(out.pcm, channels, c);
            EXPECT_NEAR(RisingCrossingFrequency(samples, samples.size() / 4, samples.size() * 3 / 4, out.rate), hz[c], 2.0)
                << "channel " << c;
        }
    }
};

} // namespace

// Half a second and a part of a buffer, so that the end is not on a frame of the encoder.
// What a format cannot record is refused, and only that.
TEST_P(FormatTakes, EveryLayoutRateAndWidthPlaysBackAsCaptured)
{
    EXPECT_FALSE(Records(16, 192000)) << "a rate the format cannot record is refused";
    ASSERT_TRUE(CreateEngine(Lossless() ? COUNTER : SINE));
    for (const std::uint32_t mode : LAYOUTS) {
        for (const std::uint16_t bits : {8, 16}) {
            for (const std::uint32_t rate : RATES) {
                // Every format records 16 bits at every rate offered; some refuse 8.
                if (!Records(bits, rate)) {
                    EXPECT_EQ(bits, 8) << rate << " Hz refused";
                    continue;
                }
                SCOPED_TRACE(testing::Message() << "layout " << mode << ", " << bits << " bits, " << rate << " Hz");
                const bool split = mode == CHANNELS_SPLIT;
                const QString name = Name(QStringLiteral("Take%1").arg(rate));
                ASSERT_TRUE(engine->StartRecord(bits, mode, rate));
                ASSERT_TRUE(engine->OpenRecordFile(0, Path(name)));
                ASSERT_TRUE(!split || engine->OpenRecordFile(1, Path(QStringLiteral("right_") + name)));
                const std::uint64_t frames = rate / 2 + 333;
                Feed(static_cast<unsigned>(frames));
                StopAndSettle();
                ASSERT_TRUE(messages.Messages().empty()) << messages.Texts().front().toStdString();
                const std::uint32_t sample = bits / 8u;
                const QByteArray captured = CounterBytes(frames * sample * (mode == CHANNELS_MONO ? 1 : 2));
                const QString left = Path(name.toLower());
                if (split) {
                    ExpectTake(left, 1, frames, rate, bits, ChannelBytes(captured, sample, 0), {440});
                    ExpectTake(Path(QStringLiteral("right_") + name.toLower()), 1, frames, rate, bits,
                               ChannelBytes(captured, sample, 1), {660});
                } else {
                    ExpectTake(left, mode == CHANNELS_MONO ? 1 : 2, frames, rate, bits, captured, {440, 660});
                }
                QFile::remove(left);
                QFile::remove(Path(QStringLiteral("right_") + name.toLower()));
            }
        }
    }
}

// Parts of one second with a pause in the second: each part is whole, and playable, before
// the next is written; each holds exactly that length; the parts join without a sample lost
// or doubled, both channels' files cut at the same sample; and each carries its own name and
// the take's start.
TEST_P(FormatTakes, PartsJoinExactlyAndCarryTheirTags)
{
    struct Case {
        std::uint16_t bits;
        std::uint32_t mode;
        std::uint32_t rate;
    };
    ASSERT_TRUE(CreateEngine(Lossless() ? COUNTER : SINE));
    for (const Case c : {Case{16, CHANNELS_STEREO, 16000}, Case{8, CHANNELS_MONO, 8000}, Case{16, CHANNELS_SPLIT, 11025}}) {
        if (!Records(c.bits, c.rate))
            continue;
        SCOPED_TRACE(testing::Message() << "layout " << c.mode << ", " << c.bits << " bits");
        for (const QString& file : QDir(dir.path()).entryList(QDir::Files))
            QFile::remove(Path(file));
        const bool split = c.mode == CHANNELS_SPLIT;
        engine->SetPartSeconds(1);
        const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
        ASSERT_TRUE(engine->StartRecord(c.bits, c.mode, c.rate));
        ASSERT_TRUE(engine->OpenRecordFile(0, Path(Name(QStringLiteral("take")))));
        ASSERT_TRUE(!split || engine->OpenRecordFile(1, Path(Name(QStringLiteral("right")))));
        const int channels = c.mode == CHANNELS_MONO ? 1 : 2;
        const unsigned align = channels * c.bits / 8u;
        const unsigned buffer = 4096 / align;
        Feed(c.rate * 3 / 2);
        const ToolSound first = DecodeWithFfmpeg(Path(Name(QStringLiteral("take"))));
        EXPECT_EQ(first.Frames(), static_cast<qsizetype>(first.rate)) << "the first part is whole while the second is written";
        engine->m_bPause = 1;
        Feed(buffer);
        engine->m_bPause = 0;
        Feed(c.rate);
        StopAndSettle();
        EXPECT_TRUE(messages.Messages().empty());

        const std::uint64_t done = c.rate * 3 / 2;
        const QByteArray captured = CounterBytes(done * align) + CounterBytes(std::uint64_t{c.rate} * align, (done + buffer) * align);
        const std::uint32_t sample = c.bits / 8u;
        for (int out = 0; out < (split ? 2 : 1); ++out) {
            const QString stem = out ? QStringLiteral("right") : QStringLiteral("take");
            const QStringList names = {Name(stem), Name(stem + QStringLiteral("-2")), Name(stem + QStringLiteral("-3"))};
            EXPECT_FALSE(QFile::exists(Path(Name(stem + QStringLiteral("-4")))));
            const QByteArray expected = split ? ChannelBytes(captured, sample, out) : captured;
            const qsizetype frameBytes = (split ? 1 : channels) * c.bits / 8;
            const QString date = FileTag(Path(names[0]), "date");
            qsizetype at = 0;
            for (int i = 0; i < names.size(); ++i) {
                const std::uint64_t frames = i < 2 ? c.rate : c.rate / 2;
                ExpectTake(Path(names[i]), split ? 1 : channels, frames, c.rate, c.bits,
                           expected.mid(at, static_cast<qsizetype>(frames) * frameBytes), {out ? 660.0 : 440.0, 660.0});
                at += static_cast<qsizetype>(frames) * frameBytes;
                if (Expected() && Expected()->tagged) {
                    EXPECT_EQ(FileTag(Path(names[i]), "title"), names[i]);
                    EXPECT_EQ(FileTag(Path(names[i]), "date"), date);
                    EXPECT_TRUE(FileTag(Path(names[i]), "encoder").startsWith(QStringLiteral("Tessavox ")));
                }
            }
            if (Expected() && Expected()->tagged) {
                const QDateTime start = QDateTime::fromString(date, Qt::ISODate);
                EXPECT_TRUE(start >= before && start <= QDateTime::currentDateTime()) << date.toStdString();
            }
        }
        engine->SetPartSeconds(0);
    }
}

// A file that cannot be made is told at once, naming it as the format does, and the take
// goes on without it; skipping silence, it is told when the take starts, not when sound
// comes.
TEST_P(FormatTakes, AFileThatCannotBeMadeIsToldAndTheTakeGoesOn)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir(Name(QStringLiteral("adir"))));
    ASSERT_TRUE(CreateEngine(SINE));
    for (const bool skipping : {false, true}) {
        engine->SetSkipSilence({skipping, -45, 3, false});
        ASSERT_TRUE(engine->StartRecord(16, CHANNELS_STEREO, 16000));
        engine->SetSkipSilence({skipping, -45, 3, false});
        const QString missing = Path(Name(QStringLiteral("missing/Take")));
        const QString made = Path(QStringLiteral("missing/") + Name(QStringLiteral("take")));
        QStringList bad = {missing, Path(Name(QStringLiteral("adir")))};
        // A folder no one may write to; only an open finds that out as root.
        if (!skipping)
            bad << Name(QStringLiteral("/proc/take"));
        for (const QString& bad : bad) {
            SCOPED_TRACE(testing::Message() << bad.toStdString() << (skipping ? ", skipping silence" : ""));
            messages.Clear();
            EXPECT_EQ(engine->OpenRecordFile(0, bad), 0);
            ASSERT_EQ(messages.Texts().size(), 1u);
            if (Expected() && bad == missing) {
                EXPECT_EQ(messages.Texts()[0], QString::fromLatin1(Expected()->cannotCreate)
                                                   .replace(QStringLiteral("%1"), made)
                                                   .replace(QStringLiteral("%2"), QStringLiteral("No such file or directory")));
            }
            EXPECT_FALSE(engine->CurrentTake().IsOutputInUse(0));
        }
        Feed(8000);
        EXPECT_EQ(engine->m_nStatus, STATUS_RECORDING);
        StopAndSettle();
        EXPECT_EQ(engine->m_nStatus, STATUS_READY);
        EXPECT_EQ(messages.Messages().size(), 1u);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList());
    }
}

// The disk fills up in mid-take (a file-size limit, set in a child so that the test runner
// keeps its own): one message, and the file plays to where the disk was full. Every file is
// final before the user is told.
TEST_P(FormatTakes, AFullDiskLeavesAPlayableFileAndSaysSo)
{
    const QString path = Path(Name(QStringLiteral("full")));
    const bool outputOnly = Expected() && Expected()->fullDiskEndsOutputOnly;
    const int code = InChildWithFileLimit(20000, [&] {
        int failed = 0;
        messages.OnRecord([&](const platform::ShownMessage&) {
            if (engine->CurrentTake().IsOutputOpen(0))
                failed = 13;
        });
        if (!Record(SINE, 16, CHANNELS_STEREO, 48000, path))
            return 10;
        Feed(48000 * 10);
        if (messages.Texts().size() != 1 ||
            (Expected() && messages.Texts()[0] != QLatin1String(Expected()->diskFull)))
            return 11;
        if (engine->m_nStatus != (outputOnly ? STATUS_RECORDING : STATUS_READY))
            return 12;
        StopAndSettle();
        return messages.Texts().size() == 1 ? failed : 14;
    });
    EXPECT_EQ(code, 0);
    const ToolSound out = DecodeWithFfmpeg(path);
    EXPECT_EQ(out.exitCode, 0) << out.errors.toStdString();
    EXPECT_GT(out.Frames(), 0);
}

// With a file per sound, each burst of sound is a file of its own, in every format: as long
// as the burst with the half second before it and the time after it.
TEST_P(FormatTakes, EachSoundHasAFileOfItsOwn)
{
    const std::uint32_t rate = 16000;
    // 0.2 s of tone every 2 s from 0.7 s on: 0.5 s before, 0.2 s, 0.5 s after.
    UseCaptureDevices({{.name = QStringLiteral("Burst"), .soundFrames = rate / 5, .burstStart = rate * 7 / 10,
                        .burstEvery = 2 * rate}});
    platform::ManualClock clock(1796800803);
    ASSERT_TRUE(CreateEngine(0));
    ASSERT_TRUE(engine->StartRecord(16, CHANNELS_SPLIT, rate));
    engine->SetSkipSilence({true, -45, 0.5, true});
    ASSERT_TRUE(engine->OpenRecordFile(0, Path(Name(QStringLiteral("left")))));
    ASSERT_TRUE(engine->OpenRecordFile(1, Path(Name(QStringLiteral("right")))));
    for (std::uint32_t i = 0; i < 6 * rate / 1024; ++i) {
        clock.Advance(64);
        Feed(1024);
    }
    StopAndSettle();
    EXPECT_TRUE(messages.Messages().empty());
    const QStringList files = QDir(dir.path()).entryList(QDir::Files, QDir::Name);
    ASSERT_EQ(files.size(), 6) << files.join(QLatin1Char(' ')).toStdString(); // three sounds, two channels
    for (const QString& file : files) {
        const ToolSound out = DecodeWithFfmpeg(Path(file));
        EXPECT_EQ(out.exitCode, 0) << file.toStdString();
        EXPECT_NEAR(static_cast<double>(out.Frames()) / out.rate, 1.2, 0.01) << file.toStdString();
    }
}

// The room the page shows counts on these figures: a file really written never costs more.
TEST_P(FormatTakes, ASecondCostsWhatTheTableSays)
{
    ASSERT_NE(Expected(), nullptr) << "a new format needs its line in SEEN";
    struct Take {
        std::uint32_t rate;
        std::uint16_t bits;
        std::uint16_t channels;
    };
    const Take takes[] = {{8000, 8, 1}, {16000, 16, 1}, {48000, 16, 2}};
    for (std::size_t i = 0; i < std::size(takes); ++i)
        EXPECT_EQ(Row().bytesPerSecond(takes[i].rate, takes[i].bits, takes[i].channels), Expected()->costs[i])
            << takes[i].rate << " Hz " << takes[i].bits << " bits " << takes[i].channels << " channels";
    if (!Records(16, 48000))
        return;
    const int seconds = 6;
    const QString path = Path(Name(QStringLiteral("cost")));
    ASSERT_TRUE(Record(SINE, 16, CHANNELS_STEREO, 48000, path));
    Feed(48000 * seconds);
    StopAndSettle();
    const auto size = static_cast<double>(QFileInfo(path).size());
    const double sound = static_cast<double>(Expected()->costs[2]) * seconds;
    EXPECT_LE(size, sound + Expected()->headerBytes);
    EXPECT_GE(size, Expected()->writtenShare * sound);
}

INSTANTIATE_TEST_SUITE_P(Table, FormatTakes, ::testing::ValuesIn(AllFormats()), FormatRowName);

// A name's format is its last extension, in any case, and nothing else: the engine records
// it in that format and Play reads it with the same one.
TEST(FormatTable, ANamesFormatIsItsLastExtension)
{
    const std::pair<const char*, FileType> cases[] = {
        {"take.mp3", FileType::Mp3},       {"/tmp/Take.MP3", FileType::Mp3},      {"/tmp/a.mp3/b.mp3", FileType::Mp3},
        {"/tmp/a.mp3/b", FileType::Wave},  {"take.mp3.wav", FileType::Wave},      {"take.Wave", FileType::Wave},
        {"take", FileType::Wave},          {"take.txt", FileType::Wave},          {"x.flac/take.FLAC", FileType::Flac},
        {"/a.opus/b.flac", FileType::Flac}, {"voice.Opus", FileType::Opus},       {"/x.wav/voice.opus", FileType::Opus},
    };
    for (const auto& [name, type] : cases)
        EXPECT_EQ(FormatOfPath(QLatin1String(name)).type, type) << name;
}

using FormatNames = EngineFixture;

// Recorded and played by one rule: a folder named like a format is no format, nor is an
// extension followed by another.
TEST_F(FormatNames, ANameIsRecordedAndPlayedInTheFormatOfItsLastExtension)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("a.mp3")));
    const std::pair<const char*, bool> cases[] = {
        {"a.mp3/b.mp3", true}, {"Take.Mp3", true}, {"a.mp3/b", false}, {"take.mp3.wav", false}};
    for (const auto& [name, mp3] : cases) {
        SCOPED_TRACE(name);
        const QString made = Path(QString::fromLatin1(name).toLower());
        ASSERT_TRUE(Record(SINE, 16, CHANNELS_STEREO, 44100, Path(name)));
        Feed(20000);
        StopAndSettle();
        EXPECT_TRUE(messages.Messages().empty());
        QFile file(made);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.read(4) == "RIFF", !mp3);
        EXPECT_EQ(DecodeWithFfmpeg(made).Frames(), 20000);
        ASSERT_EQ(engine->Play(made), 1) << messages.Texts().front().toStdString();
        EXPECT_EQ(engine->m_nStatus, STATUS_PLAYING);
        StopAndSettle();
    }
}
