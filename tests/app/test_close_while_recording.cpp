// Closing the main window while recording stops nothing and asks nothing: destroying the
// window takes the engine down, and its teardown finishes every output file.

#include "support/WaveFile.h"
#include "support/WindowFixture.h"

using CloseWhileRecording = WindowFixture;

TEST_F(CloseWhileRecording, AMonoWaveFileIsFinishedWithEveryBufferHandedBack)
{
    PrepareWave(Path("closed.wav"));
    window->show();
    Click(IDC_RECORD);
    Feed(3000); // one full buffer handed back, and one partly filled
    window->close();
    EXPECT_EQ(Engine().m_nStatus, STATUS_RECORDING) << "closing stops nothing";
    window.reset();
    SetMainWindow(nullptr);
    Pump();

    const auto wave = ReadRecordedWave(Path("closed.wav"));
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->riffSize + 8, static_cast<std::uint32_t>(wave->bytes.size()));
    // The partly filled buffer is in the file too: all the sound until the window closed.
    EXPECT_EQ(wave->dataSize, 6000u);
    EXPECT_EQ(wave->data, CounterBytes(6000));
    EXPECT_EQ(audio.OpenStreamCount(), 0u);
    EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(CloseWhileRecording, BothChannelFilesOfASplitRecordingAreFinished)
{
    PrepareWave(Path("split.wav"), 2);
    Click(IDC_RECORD);
    Feed(2048);
    window.reset();
    SetMainWindow(nullptr);
    Pump();
    for (const char* name : {"left_channel_split.wav", "right_channel_split.wav"}) {
        const auto wave = ReadRecordedWave(Path(name));
        ASSERT_TRUE(wave) << name;
        EXPECT_EQ(wave->channels, 1) << name;
        EXPECT_EQ(wave->dataSize, 4096u) << name;
        EXPECT_EQ(wave->riffSize + 8, static_cast<std::uint32_t>(wave->bytes.size())) << name;
    }
}

TEST_F(CloseWhileRecording, ClosingWhileStoppingFinishesTheFileToo)
{
    PrepareWave(Path("stopping.wav"));
    Click(IDC_RECORD);
    Feed(2048);
    Click(IDC_STOP);
    ASSERT_EQ(Engine().m_nStatus, STATUS_STOPPING);
    window.reset();
    SetMainWindow(nullptr);
    Pump();
    const auto wave = ReadRecordedWave(Path("stopping.wav"));
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->dataSize, 4096u);
    EXPECT_EQ(audio.OpenStreamCount(), 0u);
}
