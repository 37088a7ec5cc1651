// The engine's WAV outputs and source: header, names, replacement, sizes on disk while
// recording, the per-file size limit, long takes in parts, a full disk, and reading files back.

#include "support/EngineFixture.h"
#include "support/EngineTestAccess.h"
#include "support/WaveFile.h"

#include <QDir>

#include <set>

#include <sys/resource.h>

using FilesTest = EngineFixture;

// Each file's header describes what it holds, a split channel's as mono; an odd length ends
// with a pad byte, which the RIFF size counts.
TEST_F(FilesTest, HeaderDescribesTheFileAndAnOddLengthIsPadded)
{
    struct Case {
        const char* name;
        std::uint16_t bits;
        std::uint32_t mode;
        std::uint32_t rate;
        unsigned frames;
        std::uint16_t channels;
        std::uint32_t bytesPerSecond;
        std::uint16_t blockAlign;
        std::uint32_t dataSize;
    };
    const Case cases[] = {
        {"stereo.wav", 16, CHANNELS_STEREO, 44100, 1024, 2, 176400, 4, 4096},
        {"odd.wav", 8, CHANNELS_MONO, 8000, 4097, 1, 8000, 1, 4097},
        {"split.wav", 16, CHANNELS_SPLIT, 44100, 2 * 1024 + 10, 1, 88200, 2, 4116},
    };
    ASSERT_TRUE(CreateEngine(COUNTER));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QStringList files = {Path(c.name)};
        if (c.mode == CHANNELS_SPLIT)
            files << Path(QStringLiteral("right_") + c.name);
        ASSERT_TRUE(engine->StartRecord(c.bits, c.mode, c.rate));
        for (int n = 0; n < files.size(); ++n)
            ASSERT_TRUE(engine->OpenRecordFile(n, files[n]));
        audio.Advance(c.frames);
        Pump();
        StopAndSettle();
        for (const QString& file : files) {
            const auto w = ReadRecordedWave(file);
            ASSERT_TRUE(w) << file.toStdString();
            EXPECT_EQ(Le16(w->bytes, 20), 1); // PCM
            EXPECT_EQ(w->channels, c.channels);
            EXPECT_EQ(w->rate, c.rate);
            EXPECT_EQ(w->bytesPerSecond, c.bytesPerSecond);
            EXPECT_EQ(w->blockAlign, c.blockAlign);
            EXPECT_EQ(w->bits, c.bits);
            EXPECT_EQ(Le16(w->bytes, 36), 0); // extra size
            EXPECT_EQ(w->dataSize, c.dataSize);
            EXPECT_EQ(w->bytes.size(), static_cast<qsizetype>(46 + c.dataSize + c.dataSize % 2));
            EXPECT_EQ(w->riffSize, static_cast<std::uint32_t>(w->bytes.size() - 8));
            EXPECT_TRUE(c.dataSize % 2 == 0 || w->bytes.back() == '\0');
        }
    }
}

TEST_F(FilesTest, ExistingFileIsReplacedAndOnlyTheFileNameIsLowerCased)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("Takes.Folder")));
    const QString existing = Path("Takes.Folder/take.wav");
    WriteFile(existing, Bytes(100000, 'x'));
    ASSERT_TRUE(Record(COUNTER, 8, CHANNELS_MONO, 8000, Path("Takes.Folder/Take.WAV")));
    EXPECT_EQ(engine->CurrentTake().OutputPath(0), existing);
    audio.Advance(10);
    Pump();
    StopAndSettle();
    const auto w = ReadRecordedWave(existing);
    ASSERT_TRUE(w);
    EXPECT_EQ(w->bytes.size(), 46 + 10);
    EXPECT_FALSE(QDir(dir.path()).exists(QStringLiteral("takes.folder")));
}

TEST_F(FilesTest, SizesOnDiskFollowTheRecordingEverySecond)
{
    ASSERT_TRUE(Record(COUNTER, 8, CHANNELS_MONO, 8000, Path("live.wav")));
    auto w = ReadRecordedWave(Path("live.wav"));
    ASSERT_TRUE(w); // valid, empty, from the start
    EXPECT_EQ(w->dataSize, 0u);
    EXPECT_EQ(w->riffSize, 38u);
    audio.Advance(2 * 4096); // 1.024 s
    Pump();
    w = ReadRecordedWave(Path("live.wav"));
    ASSERT_TRUE(w);
    EXPECT_EQ(w->dataSize, 2u * 4096);
    EXPECT_EQ(w->riffSize, static_cast<std::uint32_t>(w->bytes.size() - 8));
    StopAndSettle();
}

// At the size limit the recording goes on into a further file, none holding more; in parts of
// one second, with a pause in the second, every part still ends exactly a second of sound after
// the one before.
TEST_F(FilesTest, RecordingGoesOnIntoFurtherFilesAtTheSizeLimit)
{
    struct Case {
        std::uint16_t bits;
        std::uint32_t mode;
        int partSeconds;
        unsigned before, paused, after; // frames; whole buffers, so that the pause takes whole buffers
        std::size_t files;              // 0: not counted
    };
    const Case cases[] = {
        {8, CHANNELS_MONO, 0, 7 * 4096 + 5, 0, 0, 3},
        {16, CHANNELS_STEREO, 1, 12 * 1024, 4 * 1024, 10 * 1024, 0},
    };
    const std::uint64_t maxFileBytes = 46 + 3 * 4096 + 1;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.partSeconds);
        engine = std::make_unique<CAudioPlayRec>();
        engine->SetMaxFileBytes(maxFileBytes);
        engine->SetPartSeconds(c.partSeconds);
        const QString stem = QStringLiteral("take%1").arg(c.partSeconds);
        ASSERT_TRUE(Record(COUNTER, c.bits, c.mode, 8000, Path(stem + QStringLiteral(".WAV"))));
        const unsigned align = engine->Format().nBlockAlign;
        Feed(c.before);
        EXPECT_TRUE(HasTrueSizes(Path(stem + QStringLiteral(".wav"))));
        engine->m_bPause = 1;
        Feed(c.paused);
        engine->m_bPause = 0;
        Feed(c.after);
        const QString writing = engine->CurrentTake().OutputPath(0);
        StopAndSettle();
        EXPECT_TRUE(messages.Messages().empty());

        QByteArray joined;
        std::set<std::uint64_t> ends;
        const auto parts = RecordedParts(Path(stem));
        for (const QByteArray& p : parts) {
            EXPECT_LE(46u + p.size() + p.size() % 2, maxFileBytes);
            joined += p;
            ends.insert(static_cast<std::uint64_t>(joined.size()));
        }
        EXPECT_TRUE(c.files == 0 || parts.size() == c.files) << parts.size();
        EXPECT_EQ(writing, Path(QStringLiteral("%1-%2.wav").arg(stem).arg(parts.size())));
        EXPECT_EQ(joined, CounterBytes(c.before * align) + CounterBytes(c.after * align, (c.before + c.paused) * align));
        const std::uint64_t second = 8000u * align;
        for (std::uint64_t at = second; c.partSeconds && at < static_cast<std::uint64_t>(joined.size()); at += second)
            EXPECT_TRUE(ends.count(at)) << "no part ends at byte " << at;
    }
}

// As a failed write does, it ends the recording; the earlier part is final before the user
// is told, and only the cause is told.
TEST_F(FilesTest, PartThatCannotBeOpenedEndsTheRecordingWithTheEarlierPartFinal)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("take-2.wav")));
    messages.OnRecord([&](const platform::ShownMessage&) {
        EXPECT_FALSE(engine->CurrentTake().IsOutputOpen(0));
        EXPECT_TRUE(HasTrueSizes(Path("take.wav")));
    });
    engine->SetPartSeconds(1);
    ASSERT_TRUE(Record(COUNTER, 8, CHANNELS_MONO, 8000, Path("take.wav")));
    Feed(3 * 4096);
    EXPECT_EQ(messages.Texts(), std::vector<QString>{QStringLiteral("Open wave file failed")});
    EXPECT_EQ(engine->m_nStatus, STATUS_READY);
    EXPECT_EQ(ReadRecordedWave(Path("take.wav"))->data, CounterBytes(8000));
}

// The file-size limit is set in a child process, so the test runner keeps its own.
TEST_F(FilesTest, FullDiskStopsTheRecordingAndKeepsAValidFile)
{
    const QString path = Path("full.wav");
    const rlim_t limit = 46 + 3 * 4096 + 1000;
    // The file is finished before the user is told.
    EXPECT_EQ(RecordOntoAFullDisk(limit, COUNTER, 8, CHANNELS_MONO, 8000, path, 6 * 4096,
                                  [&] { return HasTrueSizes(path); }),
              0);
    const auto w = ReadRecordedWave(path);
    ASSERT_TRUE(w);
    EXPECT_EQ(static_cast<rlim_t>(w->bytes.size()), limit);
    EXPECT_GE(w->dataSize, 3u * 4096);
    EXPECT_EQ(w->data, CounterBytes(w->dataSize));
    EXPECT_EQ(w->riffSize, static_cast<std::uint32_t>(w->bytes.size() - 8));
}

TEST_F(FilesTest, ReadingSkipsOtherChunksAndRefusesDataBeforeFormat)
{
    ASSERT_TRUE(CreateEngine(SINE));
    const Bytes samples(1000, 0x40);
    // A 16-byte format record; a LIST chunk of odd size whose inner chunk has no pad byte.
    WriteFile(Path("list.wav"), Riff(Chunk("fmt ", FormatRecord(2, 22050, 16, 16)) +
                                     Chunk("LIST", Tag("INFO") + Tag("ISFT") + Le32(3) + Text("abc")) +
                                     Chunk("data", samples)));
    ASSERT_EQ(EngineTestAccess::OpenPlaybackFile(*engine, Path("list.wav")), 1);
    EXPECT_EQ(engine->Format().nChannels, 2);
    EXPECT_EQ(engine->Format().nSamplesPerSec, 22050u);
    EXPECT_EQ(engine->Format().cbSize, 0);
    EXPECT_EQ(EngineTestAccess::BufferCount(*engine), 6);
    // A second source while one is open fails without a word.
    EXPECT_EQ(EngineTestAccess::OpenPlaybackFile(*engine, Path("list.wav")), 0);
    EXPECT_TRUE(messages.Messages().empty());

    CAudioPlayRec other;
    ASSERT_TRUE(other.Create(SINE, nullptr, nullptr, nullptr, nullptr));
    WriteFile(Path("backwards.wav"), Riff(Chunk("data", samples) + Chunk("fmt ", FormatRecord(1, 8000, 8, 16))));
    EXPECT_EQ(EngineTestAccess::OpenPlaybackFile(other, Path("backwards.wav")), 0);
    WriteFile(Path("text.wav"), Text("this is not a sound file at all"));
    EXPECT_EQ(EngineTestAccess::OpenPlaybackFile(other, Path("text.wav")), 0);
    EXPECT_EQ(EngineTestAccess::OpenPlaybackFile(other, Path("absent.wav")), 0);
    EXPECT_EQ(messages.Texts(), (std::vector<QString>{QStringLiteral("error reading data chunk"),
                                                      QStringLiteral("Error descending into file"),
                                                      QStringLiteral("Open wave file failed")}));
}
