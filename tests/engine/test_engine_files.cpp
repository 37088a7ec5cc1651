// The engine's WAV outputs and source: header, names, replacement, sizes on disk while
// recording, the per-file size limit, long takes in parts, a full disk, and reading files back.

#include "support/EngineFixture.h"
#include "support/EngineTestAccess.h"
#include "support/WaveFile.h"

#include <QDir>
#include <QFile>

#include <cmath>
#include <set>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using FilesTest = EngineFixture;

TEST_F(FilesTest, StereoHeaderBytes)
{
    ASSERT_TRUE(Record(SILENCE, 16, CHANNELS_STEREO, 44100, Path("stereo.wav")));
    audio.Advance(1024);
    Pump();
    StopAndSettle();
    const auto w = ReadRecordedWave(Path("stereo.wav"));
    ASSERT_TRUE(w);
    EXPECT_EQ(Le16(w->bytes, 20), 1); // PCM
    EXPECT_EQ(w->channels, 2);
    EXPECT_EQ(w->rate, 44100u);
    EXPECT_EQ(w->bytesPerSecond, 176400u);
    EXPECT_EQ(w->blockAlign, 4);
    EXPECT_EQ(w->bits, 16);
    EXPECT_EQ(Le16(w->bytes, 36), 0); // extra size
    EXPECT_EQ(w->dataSize, 4096u);
    EXPECT_EQ(w->bytes.size(), 46 + 4096);
}

TEST_F(FilesTest, OddEightBitRecordingEndsWithPadByte)
{
    ASSERT_TRUE(Record(COUNTER, 8, CHANNELS_MONO, 8000, Path("odd.wav")));
    audio.Advance(4097);
    Pump();
    StopAndSettle();
    const auto w = ReadRecordedWave(Path("odd.wav"));
    ASSERT_TRUE(w);
    EXPECT_EQ(w->dataSize, 4097u);
    EXPECT_EQ(w->bytes.size(), 46 + 4097 + 1);
    EXPECT_EQ(w->bytes.back(), '\0');
    EXPECT_EQ(w->riffSize, static_cast<std::uint32_t>(w->bytes.size() - 8));
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

// Only the file name's last extension counts: ".mp3" followed by more is WAV, and a folder
// named x.mp3 makes nothing of the names in it.
TEST_F(FilesTest, OnlyANameEndingInMp3IsAnMp3)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("x.mp3")));
    ASSERT_TRUE(CreateEngine(SINE));
    ASSERT_TRUE(engine->StartRecord(8, CHANNELS_MONO, 8000));
    for (const char* mp3 : {"Take.Mp3", "x.mp3/b.mp3"}) {
        messages.Clear();
        EXPECT_EQ(engine->OpenRecordFile(0, Path(mp3)), 0) << mp3;
        EXPECT_EQ(messages.Texts(), std::vector<QString>{QStringLiteral("Cannot record 8 bits mp3")}) << mp3;
    }
    messages.Clear();
    EXPECT_EQ(engine->OpenRecordFile(0, Path("take.mp3.wav")), 1);
    EXPECT_EQ(engine->OpenRecordFile(1, Path("x.mp3/b")), 1);
    EXPECT_TRUE(messages.Messages().empty());
    StopAndSettle();
    EXPECT_TRUE(ReadRecordedWave(Path("take.mp3.wav")));
    EXPECT_TRUE(ReadRecordedWave(Path("x.mp3/b")));
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

TEST_F(FilesTest, RecordingGoesOnIntoTheNextFileAtTheSizeLimit)
{
    engine->SetMaxFileBytes(46 + 3 * 4096 + 1);
    ASSERT_TRUE(Record(COUNTER, 8, CHANNELS_MONO, 8000, Path("long.wav")));
    Feed(7 * 4096 + 5);
    EXPECT_EQ(engine->CurrentTake().OutputPath(0), Path("long-3.wav"));
    StopAndSettle();
    QByteArray joined;
    for (const char* name : {"long.wav", "long-2.wav", "long-3.wav"}) {
        const auto w = ReadRecordedWave(Path(name));
        ASSERT_TRUE(w) << name;
        EXPECT_LE(static_cast<std::uint64_t>(w->bytes.size()), 46u + 3 * 4096 + 1) << name;
        EXPECT_EQ(w->riffSize, static_cast<std::uint32_t>(w->bytes.size() - 8)) << name;
        joined += w->data;
    }
    EXPECT_FALSE(QFile::exists(Path("long-4.wav")));
    EXPECT_EQ(joined, CounterBytes(7 * 4096 + 5));
    EXPECT_TRUE(messages.Messages().empty());
}

// Parts of one second, with a pause in the second, that would pass the size limit: each goes
// on into a further file there, and every part still ends exactly a second of sound after the
// one before.
TEST_F(FilesTest, PartsPastTheSizeLimitGoOnIntoFurtherFiles)
{
    struct {
        std::uint16_t bits = 16;
        std::uint32_t mode = CHANNELS_STEREO;
        std::uint32_t rate = 8000;
        std::uint64_t maxFileBytes = 46 + 3 * 4096 + 1;
    } const c;
    const bool split = c.mode == CHANNELS_SPLIT;
    engine->SetMaxFileBytes(c.maxFileBytes);
    engine->SetPartSeconds(1);
    ASSERT_TRUE(Record(COUNTER, c.bits, c.mode, c.rate, Path("Take.wav")));
    if (split) {
        ASSERT_TRUE(engine->OpenRecordFile(1, Path("right.wav")));
    }
    const unsigned align = engine->Format().nBlockAlign;
    const unsigned buffer = 4096 / align;
    // Whole buffers, so that the pause takes whole buffers.
    const auto buffers = [&](double seconds) { return static_cast<unsigned>(std::ceil(seconds * c.rate / buffer)) * buffer; };
    const unsigned before = buffers(1.5), paused = buffers(0.5), after = buffers(1.2);
    Feed(before);
    EXPECT_TRUE(HasTrueSizes(Path("take.wav")));
    engine->m_bPause = 1;
    Feed(paused);
    engine->m_bPause = 0;
    Feed(after);
    StopAndSettle();
    EXPECT_TRUE(messages.Messages().empty());

    const QByteArray captured = CounterBytes(before * align) + CounterBytes(after * align, (before + paused) * align);
    const std::uint32_t sample = c.bits / 8u;
    const std::uint64_t part = std::uint64_t{c.rate} * (split ? sample : align);
    for (int out = 0; out < (split ? 2 : 1); ++out) {
        SCOPED_TRACE(out);
        QByteArray expected;
        for (qsizetype at = out * sample; split && at < captured.size(); at += 2 * sample)
            expected += captured.mid(at, sample);
        const auto parts = RecordedParts(Path(out == 0 ? "take" : "right"));
        QByteArray joined;
        std::set<std::uint64_t> ends;
        for (const QByteArray& p : parts) {
            EXPECT_LE(46u + p.size() + p.size() % 2, c.maxFileBytes);
            joined += p;
            ends.insert(static_cast<std::uint64_t>(joined.size()));
        }
        EXPECT_EQ(joined, split ? expected : captured);
        for (std::uint64_t at = part; at < static_cast<std::uint64_t>(joined.size()); at += part)
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
