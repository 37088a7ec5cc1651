// Playing a WAV file through the virtual output: the whole file is heard, Stop ends it at
// once, and failures leave the engine able to play again.

#include "support/EngineFixture.h"

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

TEST_F(PlaybackTest, TheWholeFileIsHeardBeforePlaybackEnds)
{
    ASSERT_TRUE(CreateEngine(SINE));
    const Bytes samples = Samples(3 * 4096 + 100);
    ASSERT_EQ(engine->Play(MonoFile("three.wav", samples)), 1);
    EXPECT_EQ(engine->m_nStatus, STATUS_PLAYING);
    EXPECT_EQ(engine->m_nBufferCount, 2);
    PlayOut(6);
    EXPECT_EQ(engine->m_nStatus, STATUS_READY);
    EXPECT_EQ(notifications.back(), MM_WOM_CLOSE);
    const QByteArray played = audio.Played();
    ASSERT_GE(played.size(), static_cast<qsizetype>(samples.size()));
    EXPECT_EQ(played.left(static_cast<qsizetype>(samples.size())),
              QByteArray(reinterpret_cast<const char*>(samples.data()), static_cast<qsizetype>(samples.size())));
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
