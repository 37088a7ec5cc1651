// Playing WAV, FLAC, MP3 and Opus files through the virtual output: the whole file is heard,
// Stop ends it at once, and failures leave the engine able to play again.

#include "support/EngineFixture.h"
#include "support/EngineTestAccess.h"
#include "support/ToolDecode.h"

#include <QFile>
#include <QTest>

namespace {

class PlaybackTest : public EngineFixture {
protected:
    // An 8000 Hz 8-bit mono file (a ring of two buffers) with the given samples.
    QString MonoFile(const QString& name, const Bytes& samples)
    {
        WriteFile(Path(name), PcmWave(1, 8000, 8, samples));
        return Path(name);
    }

    // Plays the device out one buffer at a time, handing each back before the next.
    void PlayOut(unsigned buffers)
    {
        for (unsigned i = 0; i < buffers; ++i) {
            audio.Advance(4096);
            Pump();
        }
    }
};

} // namespace

// The file ends with a chunk of tags after its sound, as other tools write them: the sound is
// heard whole, and after it only silence, neither the tags nor what an earlier buffer held.
TEST_F(PlaybackTest, TheWholeSoundIsHeardAndNothingAfterIt)
{
    ASSERT_TRUE(CreateEngine(SINE));
    const Bytes samples = Samples(3 * 4096 + 100);
    WriteFile(Path("three.wav"), Riff(Chunk("fmt ", FormatRecord(1, 8000, 8)) + Chunk("data", samples) +
                                      Chunk("LIST", Tag("INFO") + Bytes(3000, 0x11))));
    ASSERT_EQ(engine->Play(Path("three.wav")), 1);
    EXPECT_EQ(engine->m_nStatus, STATUS_PLAYING);
    EXPECT_EQ(EngineTestAccess::BufferCount(*engine), 2);
    PlayOut(6);
    EXPECT_EQ(engine->m_nStatus, STATUS_READY);
    EXPECT_EQ(notifications.back(), MM_WOM_CLOSE);
    const QByteArray played = audio.Played();
    const auto heard = static_cast<qsizetype>(samples.size());
    ASSERT_GE(played.size(), heard);
    EXPECT_EQ(played.left(heard), QByteArray(reinterpret_cast<const char*>(samples.data()), heard));
    EXPECT_EQ(played.mid(heard), QByteArray(played.size() - heard, '\x80'));
    EXPECT_TRUE(messages.Messages().empty());
}

// Buffers a failed Play had queued, or that never came back before the close fallback, are
// gone with their device: the next playback must still end by itself at the end of its file.
TEST_F(PlaybackTest, BuffersOfAnEndedPlaybackAreNotCountedByTheNext)
{
    using platform::VirtualFault;
    ASSERT_TRUE(CreateEngine(SINE));
    const QString file = MonoFile("short.wav", Samples(100));
    const QString longer = MonoFile("long.wav", Samples(10 * 4096));
    const platform::VirtualDeviceSpec good{QStringLiteral("Good"), platform::VirtualSignal::Silence};
    // The second buffer of the first fill cannot be prepared.
    audio.SetDevices(platform::Direction::Playback,
                     {{QStringLiteral("Half"), platform::VirtualSignal::Silence, VirtualFault::FailPrepare, 1}});
    EXPECT_EQ(engine->Play(longer), 0);
    audio.SetDevices(platform::Direction::Playback, {good});
    ASSERT_EQ(engine->Play(file), 1);
    PlayOut(3);
    EXPECT_EQ(engine->m_nStatus, STATUS_READY);

    // No buffer ever comes back whole: Stop ends through the fallback.
    audio.SetDevices(platform::Direction::Playback,
                     {{QStringLiteral("Stuck"), platform::VirtualSignal::Silence, VirtualFault::FailUnprepare, 0}});
    ASSERT_EQ(engine->Play(longer), 1);
    PlayOut(1);
    engine->Stop();
    EXPECT_TRUE(QTest::qWaitFor([&] { return engine->m_nStatus == STATUS_READY; }, 3000));
    audio.SetDevices(platform::Direction::Playback, {good});
    messages.Clear();
    ASSERT_EQ(engine->Play(file), 1);
    PlayOut(3);
    EXPECT_EQ(engine->m_nStatus, STATUS_READY);
    EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(PlaybackTest, StopEndsPlaybackAtOnce)
{
    ASSERT_TRUE(CreateEngine(SINE));
    ASSERT_EQ(engine->Play(MonoFile("long.wav", Samples(10 * 4096))), 1);
    PlayOut(1);
    engine->Stop();
    EXPECT_EQ(engine->m_nStatus, STATUS_STOPPING);
    Pump();
    EXPECT_EQ(engine->m_nStatus, STATUS_READY);
    EXPECT_EQ(audio.Played().size(), 4096);
    EXPECT_EQ(audio.OpenStreamCount(), 0u);
}

TEST_F(PlaybackTest, FailuresLeaveTheEngineAbleToPlayAgain)
{
    ASSERT_TRUE(CreateEngine(SINE));
    EXPECT_EQ(engine->Play(MonoFile("empty.wav", {})), 0);
    EXPECT_EQ(messages.Texts(), std::vector<QString>{QStringLiteral("Read sound data from file failed")});
    messages.Clear();

    audio.SetDevices(platform::Direction::Playback,
                     {{QStringLiteral("Busy"), platform::VirtualSignal::Silence, platform::VirtualFault::FailOpen}});
    const QString file = MonoFile("one.wav", Samples(100));
    EXPECT_EQ(engine->Play(file), 0);
    ASSERT_EQ(messages.Texts().size(), 1u);
    EXPECT_TRUE(messages.Texts()[0].endsWith(QStringLiteral(" waveOutOpen() failed")));
    messages.Clear();

    audio.SetDevices(platform::Direction::Playback, {{QStringLiteral("Good"), platform::VirtualSignal::Silence}});
    EXPECT_EQ(engine->Play(file), 1);
    PlayOut(3);
    EXPECT_EQ(engine->m_nStatus, STATUS_READY);
    EXPECT_TRUE(messages.Messages().empty());
}

// A file cut short plays what it holds and ends; one that is not of its format at all is
// refused, naming the file and what is wrong, with nothing left open.
TEST_F(PlaybackTest, DamagedCompressedFilesPlayWhatTheyHoldOrAreRefused)
{
    // Four seconds of 8000 Hz 16-bit stereo, made by the format's own encoder.
    const qsizetype second = 8000 * 4;
    WriteFile(Path("four.wav"), PcmWave(2, 8000, 16, Samples(static_cast<std::size_t>(4 * second))));
    ASSERT_TRUE(RunTool(QStringLiteral("flac"), {QStringLiteral("-s"), QStringLiteral("-o"), Path("cut.flac"),
                                                Path("four.wav")}));
    QFile cut(Path("cut.flac"));
    ASSERT_TRUE(cut.resize(cut.size() / 2));
    ASSERT_TRUE(CreateEngine(SINE));
    ASSERT_EQ(engine->Play(Path("cut.flac")), 1);
    PlayOut(40);
    EXPECT_EQ(engine->m_nStatus, STATUS_READY);
    EXPECT_GT(audio.Played().size(), second);
    EXPECT_LT(audio.Played().size(), 3 * second);
    EXPECT_TRUE(messages.Messages().empty());

    for (const char* name : {"noise.flac", "noise.opus", "noise.mp3"}) {
        SCOPED_TRACE(name);
        WriteFile(Path(name), Bytes(5000, 0x5A));
        messages.Clear();
        EXPECT_EQ(engine->Play(Path(name)), 0);
        ASSERT_EQ(messages.Texts().size(), 1u);
        EXPECT_TRUE(messages.Texts()[0].startsWith(QStringLiteral("Cannot play %1: ").arg(Path(name))))
            << messages.Texts()[0].toStdString();
        EXPECT_EQ(engine->m_nStatus, STATUS_READY);
        EXPECT_EQ(audio.OpenStreamCount(), 0u);
    }
    messages.Clear();
    ASSERT_EQ(engine->Play(Path("cut.flac")), 1);
    engine->Stop();
    Pump();
    EXPECT_EQ(engine->m_nStatus, STATUS_READY);
}
