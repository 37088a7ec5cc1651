// Record, Stop, Pause and Play from the main window: the refusals, the enabled states
// through a recording, the failures, and the return to idle when the engine ends a capture
// or a playback on its own.

#include "support/WaveFile.h"
#include "support/WindowFixture.h"

#include <QDir>
#include <QFileInfo>

using Transport = WindowFixture;

TEST_F(Transport, EmptyPathShowsTheHintAndStartsNothing)
{
    Click(IDC_RECORD);
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].text, "Please select the audio save path.");
    EXPECT_EQ(messages.Messages()[0].caption, "Hint");
    EXPECT_EQ(Engine().m_nStatus, STATUS_READY);
    EXPECT_EQ(window->m_statusBar.Text(0), "Idle");
    EXPECT_FALSE(window->IsTimerSet(IDT_ELAPSED));
    EXPECT_EQ(audio.OpenStreamCount(), 0u);
}

TEST_F(Transport, EightBitMp3IsRefusedBeforeTheDeviceIsTouched)
{
    TypePath(Path("low.mp3"));
    Choose(IDC_BITS, 0);
    Click(IDC_RECORD);
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].text, "Cannot record 8 bits mp3");
    EXPECT_EQ(messages.Messages()[0].caption, "") << "the application's standard box";
    EXPECT_EQ(Engine().m_nStatus, STATUS_READY);
    EXPECT_EQ(audio.OpenStreamCount(), 0u);
    EXPECT_EQ(window->m_nBitsPerSample, 8);
}

TEST_F(Transport, RatesAndBitsFromTheListPositions)
{
    PrepareWave(Path("rate.wav"));
    const std::uint32_t expected[] = {8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100, 48000};
    for (int index = 0; index < 9; ++index) {
        Choose(IDC_SAMPLE_RATE, index);
        Choose(IDC_BITS, index % 2);
        TypePath(Path(QStringLiteral("rate%1.wav").arg(index)));
        Click(IDC_RECORD);
        ASSERT_EQ(Engine().m_nStatus, STATUS_RECORDING) << index;
        EXPECT_EQ(Engine().Format().nSamplesPerSec, expected[index]);
        EXPECT_EQ(Engine().Format().wBitsPerSample, index % 2 ? 16 : 8);
        Click(IDC_STOP);
        Pump();
    }
    EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(Transport, RecordStopCycleKeepsTheEnabledStatesInStepWithTheEngine)
{
    PrepareWave(Path("cycle.wav"));
    Click(IDC_RECORD);
    EXPECT_EQ(Engine().m_nStatus, STATUS_RECORDING);
    EXPECT_EQ(window->m_statusBar.Text(0), "Recording");
    EXPECT_EQ(window->m_statusBar.Text(1), Path("cycle.wav"));
    EXPECT_TRUE(window->IsTimerSet(IDT_ELAPSED));
    for (int id : {IDC_RECORD, IDC_PLAY})
        EXPECT_FALSE(Enabled(id)) << id;
    for (int id : {IDC_PAUSE, IDC_STOP, IDC_HELP})
        EXPECT_TRUE(Enabled(id)) << id;
    for (int id : {IDC_DEVICE, IDC_CHANNEL})
        EXPECT_FALSE(PageEnabled(id)) << id;
    // Everything else on the page stays usable while recording.
    for (int id : {IDC_FILE_TYPE, IDC_FILE_PATH, IDC_BROWSE, IDC_MICROPHONE, IDC_LINE_IN, IDC_SLIDER_MIC,
                   IDC_SLIDER_LINE_IN, IDC_SAMPLE_RATE, IDC_BITS})
        EXPECT_TRUE(PageEnabled(id)) << id;

    Feed(5000);
    Click(IDC_STOP);
    EXPECT_EQ(Engine().m_nStatus, STATUS_STOPPING);
    EXPECT_EQ(window->m_statusBar.Text(0), "Stopped");
    EXPECT_EQ(window->m_statusBar.Text(1), Path("cycle.wav"));
    EXPECT_FALSE(window->IsTimerSet(IDT_ELAPSED));
    EXPECT_FALSE(Enabled(IDC_RECORD)) << "disabled until the device has closed";
    EXPECT_FALSE(Enabled(IDC_PLAY));

    Pump();
    EXPECT_EQ(Engine().m_nStatus, STATUS_READY);
    for (int id : {IDC_RECORD, IDC_PLAY})
        EXPECT_TRUE(Enabled(id)) << id;
    for (int id : {IDC_DEVICE, IDC_CHANNEL})
        EXPECT_TRUE(PageEnabled(id)) << id;
    EXPECT_EQ(window->m_statusBar.Text(0), "Stopped");
    // What the take made: 5000 frames of 16 bits, and the header, in 10046 bytes.
    EXPECT_EQ(window->m_statusBar.Text(1), "00:00:00 recorded, 9.8 KB");
    EXPECT_EQ(audio.OpenStreamCount(), 0u);

    const auto wave = ReadRecordedWave(Path("cycle.wav"));
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->dataSize, 10000u);
    EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(Transport, StopWhileIdleOnlySaysStopped)
{
    window->m_statusBar.SetText(1, "kept");
    Click(IDC_STOP);
    EXPECT_EQ(window->m_statusBar.Text(0), "Stopped");
    EXPECT_EQ(window->m_statusBar.Text(1), "kept");
    EXPECT_EQ(Engine().m_nStatus, STATUS_READY);
    EXPECT_EQ(MainText(IDC_TIME), "Time: 00:00:00");
    EXPECT_TRUE(Enabled(IDC_RECORD));
    EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(Transport, PauseWhileIdleTogglesOnlyTheFlagAndTheCaption)
{
    Click(IDC_PAUSE);
    EXPECT_EQ(Engine().m_bPause, 1);
    EXPECT_EQ(MainText(IDC_PAUSE), "Resume");
    EXPECT_EQ(Engine().m_nStatus, STATUS_READY);
    EXPECT_EQ(window->m_statusBar.Text(0), "Idle");
    EXPECT_EQ(audio.OpenStreamCount(), 0u);
    Click(IDC_PAUSE);
    EXPECT_EQ(Engine().m_bPause, 0);
    EXPECT_EQ(MainText(IDC_PAUSE), "Pause");
}

TEST_F(Transport, PausedSoundIsNotWrittenAndTheCaptionFollowsTheEngine)
{
    PrepareWave(Path("paused.wav"));
    Click(IDC_PAUSE); // while idle: Record starts unpaused, and the caption says so
    Click(IDC_RECORD);
    EXPECT_EQ(Engine().m_bPause, 0);
    EXPECT_EQ(MainText(IDC_PAUSE), "Pause");
    Feed(2048);
    Click(IDC_PAUSE);
    EXPECT_EQ(MainText(IDC_PAUSE), "Resume");
    EXPECT_EQ(window->m_statusBar.Text(0), "Recording");
    Feed(2048);
    Click(IDC_PAUSE);
    Feed(2048);
    Click(IDC_PAUSE);
    Click(IDC_STOP);
    EXPECT_EQ(MainText(IDC_PAUSE), "Pause") << "Stop ends the pause";
    Pump();
    EXPECT_EQ(ReadRecordedWave(Path("paused.wav"))->dataSize, 2u * 4096);
}

// The capture has started but its file cannot be opened: the device is released again and
// the window does not pretend to be idle with the microphone in use.
TEST_F(Transport, AFileThatCannotBeOpenedStopsTheCapture)
{
    PrepareWave(Path("missing-folder/x.wav"));
    Click(IDC_RECORD);
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].text, "Open wave file failed");
    EXPECT_FALSE(window->IsTimerSet(IDT_ELAPSED));
    EXPECT_NE(Engine().m_nStatus, STATUS_RECORDING);
    EXPECT_EQ(window->m_statusBar.Text(0), "Stopped");
    EXPECT_EQ(window->m_statusBar.Text(1), "");
    Pump();
    EXPECT_EQ(Engine().m_nStatus, STATUS_READY);
    EXPECT_EQ(audio.OpenStreamCount(), 0u);
    EXPECT_TRUE(Enabled(IDC_RECORD));
    EXPECT_TRUE(PageEnabled(IDC_DEVICE));

    // The next Record with a good path records.
    TypePath(Path("x.wav"));
    Click(IDC_RECORD);
    EXPECT_EQ(Engine().m_nStatus, STATUS_RECORDING);
    EXPECT_EQ(window->m_statusBar.Text(0), "Recording");
}

TEST_F(Transport, AnMp3NameAt8BitsIsRefusedByTheEngineAndTheCaptureStopped)
{
    // The type list says "wave", so the window lets 8 bits through; the name says MP3.
    PrepareWave(Path("low.mp3"), 0, 0);
    Click(IDC_RECORD);
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_EQ(messages.Messages()[0].text, "Cannot record 8 bits mp3");
    Pump();
    EXPECT_EQ(Engine().m_nStatus, STATUS_READY);
    EXPECT_EQ(audio.OpenStreamCount(), 0u);
    EXPECT_FALSE(QFileInfo::exists(Path("low.mp3")));
}

TEST_F(Transport, ACaptureThatCannotStartChangesNothing)
{
    ReopenWithBrokenCapture();
    TypePath(Path("x.wav"));
    Choose(IDC_FILE_TYPE, 1);
    Click(IDC_RECORD);
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_TRUE(messages.Messages()[0].text.startsWith("WAVEIN:4:"));
    EXPECT_EQ(window->m_statusBar.Text(0), "Idle");
    EXPECT_FALSE(window->IsTimerSet(IDT_ELAPSED));
    EXPECT_TRUE(Enabled(IDC_RECORD));
    EXPECT_FALSE(QFileInfo::exists(Path("x.wav")));
}

// A device that fails mid-recording ends the capture in the engine; the window's timer and
// status follow it back to idle instead of counting on.
TEST_F(Transport, ACaptureEndedByTheEngineReturnsTheWindowToIdle)
{
    PrepareWave(Path("failed.wav"));
    Click(IDC_RECORD);
    Feed(2048);
    audio.FailOpenStreams(platform::VIRTUAL_STREAM_FAILED);
    Pump();
    ASSERT_FALSE(messages.Messages().empty());
    EXPECT_TRUE(messages.Messages()[0].text.contains("Recording device failed"));
    EXPECT_EQ(Engine().m_nStatus, STATUS_READY);
    EXPECT_FALSE(window->IsTimerSet(IDT_ELAPSED));
    EXPECT_EQ(window->m_statusBar.Text(0), "Stopped");
    EXPECT_TRUE(Enabled(IDC_RECORD));
    EXPECT_TRUE(Enabled(IDC_PLAY));
    const auto wave = ReadRecordedWave(Path("failed.wav"));
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->dataSize, 4096u);
}

TEST_F(Transport, PlaybackRunsToTheEndOfTheFileAndTheWindowReturnsToIdle)
{
    PrepareWave(Path("play.wav"));
    Click(IDC_RECORD);
    Feed(4096);
    Click(IDC_STOP);
    Pump();

    Click(IDC_PLAY); // cancelled
    EXPECT_EQ(Engine().m_nStatus, STATUS_READY);
    EXPECT_EQ(window->m_statusBar.Text(0), "Stopped");

    dialogs.Answer(Path("play.wav"));
    Click(IDC_PLAY);
    ASSERT_EQ(dialogs.Requests().size(), 2u);
    EXPECT_EQ(dialogs.Requests()[1].filter, "Sound files (*.wav *.mp3 *.flac *.opus)|*.wav;*.mp3;*.flac;*.opus|Wave files(*.wav)|*.wav|"
                                             "MP3 files(*.mp3)|*.mp3|FLAC files(*.flac)|*.flac|Opus files(*.opus)|*.opus||");
    EXPECT_EQ(Engine().m_nStatus, STATUS_PLAYING);
    EXPECT_EQ(window->m_statusBar.Text(0), "Playing");
    EXPECT_FALSE(Enabled(IDC_RECORD));
    EXPECT_FALSE(Enabled(IDC_PLAY));
    EXPECT_FALSE(window->IsTimerSet(IDT_ELAPSED));

    for (int i = 0; i < 8 && Engine().m_nStatus != STATUS_READY; ++i)
        Feed(4096);
    EXPECT_EQ(Engine().m_nStatus, STATUS_READY);
    EXPECT_EQ(window->m_statusBar.Text(0), "Stopped");
    EXPECT_TRUE(Enabled(IDC_RECORD));
    EXPECT_FALSE(audio.Played().isEmpty());
    EXPECT_TRUE(messages.Messages().empty());
}

// Skipping silence, a recording that meets no sound makes no file, and the status bar says so.
TEST_F(Transport, SkipSilenceWithoutSoundMakesNoFile)
{
    PrepareWave(Path("quiet.wav"));
    Choose(IDC_DEVICE, SILENCE);
    ClickOnPage(IDC_SKIP_SILENCE);
    Click(IDC_RECORD);
    Feed(4000);
    EXPECT_EQ(window->m_statusBar.Text(0), "Waiting for sound");
    Click(IDC_STOP);
    Pump();
    EXPECT_EQ(window->m_statusBar.Text(0), "Stopped");
    EXPECT_EQ(window->m_statusBar.Text(1), "No sound came: no file was made");
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    EXPECT_TRUE(messages.Messages().empty());
}
