// Playing WAV, FLAC, MP3 and Opus files through the virtual output: the whole file is heard,
// Stop ends it at once, and failures leave the engine able to play again.

#include "support/EngineFixture.h"
#include "support/ToolDecode.h"

#include <QFile>
#include <QTest>

#include <cmath>

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
    EXPECT_EQ(engine->m_nBufferCount, 2);
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

namespace {

// A tone of 440 Hz left and 660 Hz right, 16-bit stereo, as a WAV file for the formats' own
// encoders to make the files played.
Bytes ToneSamples(std::uint32_t rate, std::uint32_t frames)
{
    Bytes b;
    for (std::uint32_t i = 0; i < frames; ++i) {
        for (const double hz : {440.0, 660.0}) {
            const auto v = static_cast<std::uint16_t>(static_cast<std::int16_t>(8000 * std::sin(2 * M_PI * hz * i / rate)));
            b.push_back(static_cast<std::uint8_t>(v));
            b.push_back(static_cast<std::uint8_t>(v >> 8));
        }
    }
    return b;
}

// Frames up to the last that is not silent.
qsizetype SoundFrames(const QByteArray& played, int channels)
{
    qsizetype last = played.size() - 1;
    while (last >= 0 && played[last] == 0)
        --last;
    return (last + 1 + 2 * channels - 1) / (2 * channels);
}

struct CompressedCase {
    const char* ext;
    const char* tool;
    std::uint32_t playedRate;
    // Frames the played sound may differ by: none for a lossless file.
    qsizetype slack;
};

class CompressedPlayback : public PlaybackTest, public ::testing::WithParamInterface<CompressedCase> {};

} // namespace

// Made by the format's own encoder, the file plays at its own rate in stereo: FLAC sample for
// sample, MP3 and Opus as long as the sound they hold; after it only silence, and the end
// closes the playback as for a WAV file.
TEST_P(CompressedPlayback, TheWholeSoundIsHeardAndTheEndClosesIt)
{
    const CompressedCase c = GetParam();
    const std::uint32_t rate = 22050, frames = 3 * rate / 2;
    const Bytes samples = ToneSamples(rate, frames);
    WriteFile(Path("tone.wav"), PcmWave(2, rate, 16, samples));
    const QString file = Path(QStringLiteral("tone.") + c.ext);
    const std::string tool = c.tool;
    QStringList args = {QStringLiteral("--quiet"), Path("tone.wav"), file};
    if (tool == "flac")
        args = {QStringLiteral("-s"), QStringLiteral("-o"), file, Path("tone.wav")};
    ASSERT_TRUE(RunTool(QLatin1String(c.tool), args));
    ASSERT_TRUE(CreateEngine(SINE));
    ASSERT_EQ(engine->Play(file), 1);
    EXPECT_EQ(engine->m_wfx.nSamplesPerSec, c.playedRate);
    EXPECT_EQ(engine->m_wfx.nChannels, 2);
    PlayOut(static_cast<unsigned>(std::uint64_t{frames} * c.playedRate / rate * 4 / 4096) + 10);
    EXPECT_EQ(engine->m_nStatus, STATUS_READY);
    EXPECT_EQ(notifications.back(), MM_WOM_CLOSE);
    EXPECT_TRUE(messages.Messages().empty());
    const QByteArray played = audio.Played();
    const auto expected = static_cast<qsizetype>(std::uint64_t{frames} * c.playedRate / rate);
    EXPECT_NEAR(SoundFrames(played, 2), expected, c.slack);
    if (c.slack == 0) {
        EXPECT_EQ(played.left(static_cast<qsizetype>(samples.size())),
                  QByteArray(reinterpret_cast<const char*>(samples.data()), static_cast<qsizetype>(samples.size())));
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, CompressedPlayback,
                         ::testing::Values(CompressedCase{"flac", "flac", 22050, 0},
                                           CompressedCase{"mp3", "lame", 22050, 50},
                                           CompressedCase{"opus", "opusenc", 48000, 100}),
                         [](const ::testing::TestParamInfo<CompressedCase>& info) { return info.param.ext; });

// A file cut short plays what it holds and ends; one that is not of its format at all is
// refused, naming the file and what is wrong, with nothing left open.
TEST_F(PlaybackTest, DamagedCompressedFilesPlayWhatTheyHoldOrAreRefused)
{
    const std::uint32_t rate = 8000;
    WriteFile(Path("tone.wav"), PcmWave(2, rate, 16, ToneSamples(rate, 4 * rate)));
    ASSERT_TRUE(RunTool(QStringLiteral("flac"), {QStringLiteral("-s"), QStringLiteral("-o"), Path("cut.flac"),
                                                Path("tone.wav")}));
    QFile cut(Path("cut.flac"));
    ASSERT_TRUE(cut.resize(cut.size() / 2));
    ASSERT_TRUE(CreateEngine(SINE));
    ASSERT_EQ(engine->Play(Path("cut.flac")), 1);
    PlayOut(40);
    EXPECT_EQ(engine->m_nStatus, STATUS_READY);
    const qsizetype heard = SoundFrames(audio.Played(), 2);
    EXPECT_GT(heard, rate);
    EXPECT_LT(heard, 3 * rate);
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
