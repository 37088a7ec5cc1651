// MP3 outputs on the virtual backend, with the encoder library and its test variants: the
// whole recording in the file, chunking, and every failure the user can be shown.

#include "encoder/Mp3Decode.h"
#include "encoder/Mp3Frames.h"
#include "engine/TempDir.h"
#include "platform/DynamicLibrary.h"
#include "platform/audio/virtual/SignalGenerator.h"
#include "support/EngineFixture.h"
#include "support/EngineTestAccess.h"
#include "support/Mp3OutputTestAccess.h"
#include "support/WaveFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>

#include <climits>

namespace {

// The folder of a test variant of the encoder library, built next to the tests.
QString VariantFolder(const char* name)
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/lame-variants/") + QLatin1String(name);
}

// Makes the engine look for its libraries in another folder while the guard lives.
[[nodiscard]] auto LibraryFolder(const QString& dir)
{
    platform::SetProgramDirectory(dir);
    return qScopeGuard([] { platform::SetProgramDirectory({}); });
}

// What every finished recording must be: 128 kbit/s frames at the capture rate, the Info
// tag in the first, and exactly the samples fed once the tag's delay and padding are trimmed.
void ExpectFinishedMp3(const QString& path, long rate, int channels, std::size_t frames, double hz0, double hz1 = 0)
{
    SCOPED_TRACE(path.toStdString());
    const Bytes bytes = ReadFileBytes(path.toStdString());
    const auto headers = ReadFrames(bytes);
    ASSERT_TRUE(headers) << "not a sequence of layer III frames";
    ASSERT_GT(headers->size(), 2u);
    EXPECT_EQ(PayloadTag(bytes, headers->front()), "Info");
    for (const Mp3Frame& f : *headers) {
        EXPECT_EQ(f.kbps, 128) << "frame at " << f.offset;
        EXPECT_EQ(f.rate, rate) << "frame at " << f.offset;
    }
    std::string error;
    const auto audio = DecodeMp3(path.toStdString(), error);
    ASSERT_TRUE(audio) << error;
    EXPECT_EQ(audio->rate, rate);
    ASSERT_EQ(audio->channels, channels);
    EXPECT_EQ(audio->Frames(), frames);
    EXPECT_NEAR(ToneFrequency(*audio, 0), hz0, 2.0);
    if (channels == 2) {
        EXPECT_NEAR(ToneFrequency(*audio, 1), hz1, 2.0);
    }
}

} // namespace

using Mp3Test = EngineFixture;

TEST_F(Mp3Test, ExactlyOneChunkHeldWaitsForTheNextBuffer)
{
    ASSERT_TRUE(CreateEngine(COUNTER));
    ASSERT_TRUE(engine->StartRecord(16, CHANNELS_STEREO, 44100));
    ASSERT_TRUE(engine->OpenRecordFile(0, Path("a.mp3")));
    const IOutputFile* out = EngineTestAccess::Output(*engine, 0);
    const std::uint32_t chunk = 2 * Mp3OutputTestAccess::ChunkSamples(out);
    ASSERT_EQ(chunk, 4608u); // 1152 stereo sample frames
    // Nine buffers of 4096 bytes are eight chunks: seven are encoded, the eighth waits.
    Feed(9 * 1024);
    EXPECT_EQ(Mp3OutputTestAccess::PcmFill(out), chunk);
    Feed(1024);
    EXPECT_EQ(Mp3OutputTestAccess::PcmFill(out), 10 * 4096 - 8 * chunk);
    StopAndSettle();
    EXPECT_TRUE(messages.Messages().empty());
}

// The close encodes what is held in one call, which the library refuses above one chunk:
// however small the accumulation buffer, no more than one chunk may be held between buffers.
TEST_F(Mp3Test, RingSmallerThanABufferAndAChunkLosesNothing)
{
    OutputSpec spec;
    spec.rate = 44100;
    spec.channels = 1;
    spec.ringBytes = 7 * 384; // the accumulation buffer, smaller than a buffer of 4096 bytes
    Mp3Output out;
    ASSERT_TRUE(out.Open(Path("a.mp3"), spec)) << out.Failure().toStdString();
    ASSERT_EQ(Mp3OutputTestAccess::PcmBufferSize(&out), 2688u);
    const std::uint32_t chunk = 2 * Mp3OutputTestAccess::ChunkSamples(&out);
    std::vector<char> tone((12 * 2048 + 1000) * 2);
    platform::SignalGenerator({QStringLiteral("Sine"), platform::VirtualSignal::Sine}, PcmFormat(44100, 16, 1))
        .Fill(0, tone.data(), tone.size());
    const char* at = tone.data();
    for (int i = 0; i < 12; ++i, at += 4096) {
        ASSERT_EQ(out.Write(at, 4096), IOutputFile::Written::Ok);
        ASSERT_LE(Mp3OutputTestAccess::PcmFill(&out), chunk) << "after buffer " << i;
    }
    ASSERT_EQ(out.Write(at, 2000), IOutputFile::Written::Ok);
    ASSERT_TRUE(out.Finish()) << out.Failure().toStdString();
    ExpectFinishedMp3(Path("a.mp3"), 44100, 1, 12 * 2048 + 1000, 440);
}

TEST_F(Mp3Test, EightBitMp3IsRefusedBeforeAnyLibraryIsLoaded)
{
    ASSERT_TRUE(CreateEngine(SINE));
    ASSERT_TRUE(engine->StartRecord(8, CHANNELS_MONO, 8000));
    EXPECT_EQ(engine->OpenRecordFile(0, Path("Take.MP3")), 0);
    EXPECT_EQ(messages.Texts(), std::vector<QString>{QStringLiteral("Cannot record 8 bits mp3")});
    EXPECT_FALSE(Mp3EncoderLibrary::IsLoaded());
    EXPECT_FALSE(QFile::exists(Path("take.mp3")));
    EXPECT_EQ(engine->m_nStatus, STATUS_RECORDING);
    StopAndSettle();
}

// A library that cannot serve: said once per attempt, and an older file at the path untouched.
TEST_F(Mp3Test, LibraryFailuresLeaveNothingOpen)
{
    struct Case {
        QString folder;
        QString message;
        bool loaded;
    };
    QDir(dir.path()).mkdir(QStringLiteral("nolib"));
    const Case cases[] = {
        {Path("nolib"), QStringLiteral("Error loading lame_enc.DLL"), false},
        {VariantFolder("missing-close"), QStringLiteral("Unable to get LAME interfaces"), false},
        {VariantFolder("init-fails"), QStringLiteral("Error opening encoding stream (2)"), true},
    };
    ASSERT_TRUE(CreateEngine(SINE));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        const auto folder = LibraryFolder(c.folder);
        QFile old(Path("old.mp3"));
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("older take");
        old.close();
        ASSERT_TRUE(engine->StartRecord(16, CHANNELS_STEREO, 44100));
        for (int attempt = 0; attempt < 2; ++attempt) {
            messages.Clear();
            EXPECT_EQ(engine->OpenRecordFile(0, Path("Old.mp3")), 0);
            EXPECT_EQ(messages.Texts(), std::vector<QString>{c.message});
            EXPECT_EQ(Mp3EncoderLibrary::IsLoaded(), c.loaded);
            EXPECT_FALSE(engine->CurrentTake().IsOutputOpen(0));
        }
        Feed(5000);
        EXPECT_EQ(engine->m_nStatus, STATUS_RECORDING);
        StopAndSettle();
        EXPECT_FALSE(Mp3EncoderLibrary::IsLoaded());
        EXPECT_EQ(old.open(QIODevice::ReadOnly) ? old.readAll() : QByteArray(), QByteArray("older take"));
        old.close();
    }
}

TEST_F(Mp3Test, FileThatCannotBeCreatedClosesItsEncoderStream)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("adir.mp3")));
    ASSERT_TRUE(CreateEngine(SINE));
    ASSERT_TRUE(engine->StartRecord(16, CHANNELS_STEREO, 44100));
    for (const QString& bad : {Path("missing/Take.mp3"), Path("ADir.mp3")}) {
        messages.Clear();
        EXPECT_EQ(engine->OpenRecordFile(0, bad), 0);
        const QString created = bad.left(bad.lastIndexOf(QLatin1Char('/')) + 1) + QFileInfo(bad).fileName().toLower();
        EXPECT_EQ(messages.Texts(), std::vector<QString>{QStringLiteral("Error creating file %1").arg(created)});
        EXPECT_FALSE(engine->CurrentTake().IsOutputOpen(0));
        // Handles are never reused: one the engine closed is unknown to the library.
        const IOutputFile* out = EngineTestAccess::Output(*engine, 0);
        ASSERT_NE(Mp3OutputTestAccess::Stream(out), 0u);
        EXPECT_EQ(Mp3OutputTestAccess::Library(out).beCloseStream(Mp3OutputTestAccess::Stream(out)),
                  BE_ERR_INVALID_HANDLE);
    }
    // The library stays loaded and serves the next try.
    messages.Clear();
    ASSERT_TRUE(engine->OpenRecordFile(0, Path("good.mp3")));
    Feed(5000);
    StopAndSettle();
    EXPECT_TRUE(messages.Messages().empty());
    ExpectFinishedMp3(Path("good.mp3"), 44100, 2, 5000, 440, 660);
}

TEST_F(Mp3Test, BuffersThatCannotBeAllocatedLeaveAnEmptyFileAndNoStream)
{
    OutputSpec spec;
    spec.rate = 44100;
    spec.channels = 2;
    spec.ringBytes = 8ull * INT32_MAX; // cannot be gathered in one block
    Mp3Output out;
    EXPECT_FALSE(out.Open(Path("big.mp3"), spec));
    EXPECT_EQ(out.Failure(), QStringLiteral("Out of memory"));
    EXPECT_FALSE(out.IsOpen());
    EXPECT_EQ(Mp3OutputTestAccess::Library(&out).beCloseStream(Mp3OutputTestAccess::Stream(&out)),
              BE_ERR_INVALID_HANDLE);
    EXPECT_TRUE(out.Finish());
    EXPECT_TRUE(QFile::exists(Path("big.mp3")));
    EXPECT_EQ(QFileInfo(Path("big.mp3")).size(), 0);
}

TEST_F(Mp3Test, EncodingFailureEndsOnlyThatOutput)
{
    const auto folder = LibraryFolder(VariantFolder("encode-fails")); // fails from a stream's fourth chunk
    ASSERT_TRUE(CreateEngine(COUNTER));
    ASSERT_TRUE(engine->StartRecord(16, CHANNELS_SPLIT, 44100));
    ASSERT_TRUE(engine->OpenRecordFile(0, Path("left.mp3")));
    ASSERT_TRUE(engine->OpenRecordFile(1, Path("right.wav")));
    // Each buffer brings 2048 bytes per channel; the fourth chunk of 2304 goes with the fifth.
    Feed(4 * 1024);
    EXPECT_TRUE(messages.Messages().empty());
    Feed(1024);
    EXPECT_EQ(messages.Texts(), std::vector<QString>{QStringLiteral("m_ForMp3_Proc_hEncodeChunk() failed (5)")});
    EXPECT_FALSE(engine->CurrentTake().IsOutputOpen(0));
    EXPECT_TRUE(engine->CurrentTake().IsOutputOpen(1));
    const qint64 ended = QFileInfo(Path("left.mp3")).size();
    // Later sound reaching the closed encoder stream would fail again, with another message.
    Feed(20 * 1024);
    EXPECT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(QFileInfo(Path("left.mp3")).size(), ended);
    EXPECT_EQ(engine->m_nStatus, STATUS_RECORDING);
    StopAndSettle();
    EXPECT_EQ(messages.Messages().size(), 1u);
    const auto right = ReadRecordedWave(Path("right.wav"));
    ASSERT_TRUE(right);
    EXPECT_EQ(right->dataSize, 25u * 1024 * 2);
}

// The file-size limit is set in a child process, so the test runner keeps its own. Every
// chunk fits the file stream's buffer, and only the close finds that the disk refuses it: one
// message, and the output ends.
TEST_F(Mp3Test, AWriteFailureAtTheCloseIsReportedOnce)
{
    const QString path = Path(QStringLiteral("full.mp3"));
    const int code = InChildWithFileLimit(1000, [&] {
        if (!Record(SINE, 16, CHANNELS_STEREO, 44100, path))
            return 10;
        Feed(4410);
        if (!messages.Texts().empty() || !engine->CurrentTake().IsOutputOpen(0))
            return 11;
        StopAndSettle();
        return messages.Texts() == std::vector<QString>{QStringLiteral("Output file write error")} ? 0 : 13;
    });
    EXPECT_EQ(code, 0);
    EXPECT_GT(QFileInfo(path).size(), 0);
    EXPECT_LE(QFileInfo(path).size(), 1000);
}

TEST_F(Mp3Test, FlushFailureIsReportedAndTheFileClosed)
{
    ASSERT_TRUE(Record(SINE, 16, CHANNELS_STEREO, 44100, Path("a.mp3")));
    // The library loses the stream; nothing is held, so the flush is the first call to fail.
    const IOutputFile* out = EngineTestAccess::Output(*engine, 0);
    ASSERT_EQ(Mp3OutputTestAccess::Library(out).beCloseStream(Mp3OutputTestAccess::Stream(out)), BE_ERR_SUCCESSFUL);
    StopAndSettle();
    EXPECT_EQ(messages.Texts(), std::vector<QString>{QStringLiteral("beExitStream failed (4)")});
    EXPECT_FALSE(engine->CurrentTake().IsOutputOpen(0));
    EXPECT_EQ(engine->m_nStatus, STATUS_READY);
    EXPECT_TRUE(QFile::exists(Path("a.mp3")));
}

TEST_F(Mp3Test, SecondStreamReusesTheLoadedLibraryAndSizes)
{
    ASSERT_TRUE(CreateEngine(SINE));
    ASSERT_TRUE(engine->StartRecord(16, CHANNELS_SPLIT, 44100));
    ASSERT_TRUE(engine->OpenRecordFile(0, Path("l.mp3")));
    const IOutputFile* left = EngineTestAccess::Output(*engine, 0);
    {
        // A second load would find this one and fail to start the stream.
        const auto folder = LibraryFolder(VariantFolder("init-fails"));
        ASSERT_TRUE(engine->OpenRecordFile(1, Path("r.mp3")));
    }
    const IOutputFile* right = EngineTestAccess::Output(*engine, 1);
    EXPECT_EQ(&Mp3OutputTestAccess::Library(left), &Mp3OutputTestAccess::Library(right));
    for (const IOutputFile* out : {left, right}) {
        EXPECT_EQ(Mp3OutputTestAccess::PcmBufferSize(out), 8u * 4096);
        EXPECT_EQ(Mp3OutputTestAccess::ChunkSamples(out), 1152u);
    }
    EXPECT_NE(Mp3OutputTestAccess::Stream(left), Mp3OutputTestAccess::Stream(right));
    Feed(10000);
    StopAndSettle();
    EXPECT_TRUE(messages.Messages().empty());
    ExpectFinishedMp3(Path("l.mp3"), 44100, 1, 10000, 440);
    ExpectFinishedMp3(Path("r.mp3"), 44100, 1, 10000, 660);
}

TEST_F(Mp3Test, OpeningAnOpenStreamChangesNothing)
{
    ASSERT_TRUE(Record(SINE, 16, CHANNELS_STEREO, 44100, Path("a.mp3")));
    Feed(5000);
    const IOutputFile* out = EngineTestAccess::Output(*engine, 0);
    const HBE_STREAM stream = Mp3OutputTestAccess::Stream(out);
    const std::uint32_t held = Mp3OutputTestAccess::PcmFill(out);
    for (const QString& again : {Path("b.mp3"), Path("a.mp3")}) {
        EXPECT_EQ(engine->OpenRecordFile(0, again), 1);
        EXPECT_EQ(Mp3OutputTestAccess::Stream(out), stream);
        EXPECT_EQ(Mp3OutputTestAccess::PcmFill(out), held);
        EXPECT_EQ(engine->CurrentTake().OutputPath(0), Path("a.mp3"));
    }
    EXPECT_FALSE(QFile::exists(Path("b.mp3")));
    Feed(5000);
    StopAndSettle();
    EXPECT_TRUE(messages.Messages().empty());
    // Neither truncated nor restarted: every sample of both halves is there.
    ExpectFinishedMp3(Path("a.mp3"), 44100, 2, 10000, 440, 660);
}

TEST_F(Mp3Test, VbrHeaderCallWritesTheTagWhenInfoTagIsMissing)
{
    const auto folder = LibraryFolder(VariantFolder("no-info-tag"));
    ASSERT_TRUE(CreateEngine(SINE));
    ASSERT_TRUE(engine->StartRecord(16, CHANNELS_SPLIT, 32000));
    ASSERT_TRUE(engine->OpenRecordFile(0, Path("l.mp3")));
    ASSERT_TRUE(engine->OpenRecordFile(1, Path("r.mp3")));
    EXPECT_EQ(Mp3OutputTestAccess::Library(EngineTestAccess::Output(*engine, 0)).beWriteInfoTag, nullptr);
    Feed(8000);
    StopAndSettle();
    EXPECT_TRUE(messages.Messages().empty());
    ExpectFinishedMp3(Path("l.mp3"), 32000, 1, 8000, 440);
    ExpectFinishedMp3(Path("r.mp3"), 32000, 1, 8000, 660);
}

// Record pressed while the previous recording is still being stopped is refused; the
// recording being stopped must still be finished whole.
TEST_F(Mp3Test, RefusedStartWhileStoppingKeepsTheStreamsBeingFinished)
{
    ASSERT_TRUE(Record(SINE, 16, CHANNELS_STEREO, 44100, Path("a.mp3")));
    Feed(7000);
    engine->Stop();
    ASSERT_EQ(engine->m_nStatus, STATUS_STOPPING);
    EXPECT_EQ(engine->StartRecord(16, CHANNELS_STEREO, 44100), 0);
    EXPECT_EQ(messages.Texts(), std::vector<QString>{QStringLiteral("Class status error")});
    Pump();
    EXPECT_EQ(engine->m_nStatus, STATUS_READY);
    ExpectFinishedMp3(Path("a.mp3"), 44100, 2, 7000, 440, 660);
}
