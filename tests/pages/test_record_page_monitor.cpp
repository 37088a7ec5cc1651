// " Monitor input": the chosen device captured with no file while idle, following the
// device and format, giving way to Record and Play and coming back after them, and
// ending with a word in the status bar, never a box, when its device fails or goes.

#include "support/WaveFile.h"
#include "support/WindowFixture.h"

#include <QCheckBox>
#include <QDir>

using Monitor = WindowFixture;

namespace {
QStringList Files(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files);
}
} // namespace

// The box opens the device with no file and follows the format and device; Record takes
// the device over, Stop and the end of a playback give it back, and clearing the box ends it.
TEST_F(Monitor, TheBoxOpensTheDeviceWithNoFileGivesWayToRecordAndPlayAndComesBack)
{
    auto* box = PageControl<QCheckBox>(IDC_MONITOR);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->text(), " Monitor input");
    EXPECT_FALSE(box->isChecked());
    EXPECT_EQ(audio.OpenStreamCount(), 0u);

    PrepareWave(Path("take.wav"));
    ClickOnPage(IDC_MONITOR);
    EXPECT_TRUE(Engine().IsMonitoring());
    EXPECT_EQ(Engine().m_nStatus, STATUS_READY);
    EXPECT_TRUE(Enabled(IDC_RECORD));
    Feed(22050);
    EXPECT_TRUE(Files(dir.path()).isEmpty());
    Choose(IDC_SAMPLE_RATE, 8);
    Choose(IDC_CHANNEL, 1);
    EXPECT_EQ(Engine().Format().nSamplesPerSec, 48000u);
    EXPECT_EQ(Engine().Format().nChannels, 2);
    Choose(IDC_DEVICE, SINE);
    EXPECT_EQ(Engine().m_nDeviceID, static_cast<std::uint32_t>(SINE));
    EXPECT_EQ(audio.OpenStreamCount(), 1u);
    Choose(IDC_DEVICE, COUNTER);
    Choose(IDC_CHANNEL, 0);
    Choose(IDC_SAMPLE_RATE, 4);
    ASSERT_TRUE(Engine().IsMonitoring());

    Click(IDC_RECORD);
    ASSERT_EQ(Engine().m_nStatus, STATUS_RECORDING);
    EXPECT_FALSE(Engine().IsMonitoring());
    EXPECT_EQ(audio.OpenStreamCount(), 1u);
    Feed(22050);
    Click(IDC_STOP);
    Pump();
    // The file holds the recording's sound from its first byte: none of the monitoring's.
    const auto wave = ReadRecordedWave(Path("take.wav"));
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->data, CounterBytes(22050 * 2));
    EXPECT_TRUE(Engine().IsMonitoring()) << "back after Stop";
    EXPECT_EQ(audio.OpenStreamCount(), 1u);

    dialogs.Answer(Path("take.wav"));
    Click(IDC_PLAY);
    ASSERT_EQ(Engine().m_nStatus, STATUS_PLAYING);
    EXPECT_FALSE(Engine().IsMonitoring()) << "Play pauses it";
    for (int i = 0; i < 40 && Engine().m_nStatus != STATUS_READY; ++i)
        Feed(4096);
    EXPECT_EQ(Engine().m_nStatus, STATUS_READY);
    EXPECT_TRUE(Engine().IsMonitoring()) << "back after the playback";

    ClickOnPage(IDC_MONITOR);
    EXPECT_FALSE(Engine().IsMonitoring());
    EXPECT_EQ(audio.OpenStreamCount(), 0u);
    EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(Monitor, ADeviceThatFailsOrGoesClearsTheBoxAndTheStatusBarSaysWhy)
{
    audio.SetDevices(platform::Direction::Capture,
                     {{.name = QStringLiteral("Shaky"), .fault = platform::VirtualFault::FailMidStream, .failAfter = 2},
                      {.name = QStringLiteral("Steady")}});
    Reopen();
    Choose(IDC_DEVICE, 0);
    ClickOnPage(IDC_MONITOR);
    ASSERT_TRUE(Engine().IsMonitoring());
    Feed(22050);
    EXPECT_FALSE(PageControl<QCheckBox>(IDC_MONITOR)->isChecked());
    EXPECT_FALSE(Engine().IsMonitoring());
    EXPECT_EQ(audio.OpenStreamCount(), 0u);
    EXPECT_TRUE(window->m_statusBar.Text(1).startsWith(QStringLiteral("Monitoring of \"Shaky\" stopped: ")))
        << window->m_statusBar.Text(1).toStdString();

    Choose(IDC_DEVICE, 1);
    ClickOnPage(IDC_MONITOR);
    ASSERT_TRUE(Engine().IsMonitoring());
    audio.SetDevices(platform::Direction::Capture, {{.name = QStringLiteral("Shaky")}});
    Pump();
    EXPECT_FALSE(PageControl<QCheckBox>(IDC_MONITOR)->isChecked());
    EXPECT_FALSE(Engine().IsMonitoring());
    // Whether the failed stream or the shorter list is heard of first, the word is of it.
    EXPECT_TRUE(window->m_statusBar.Text(1).contains(QStringLiteral("\"Steady\"")))
        << window->m_statusBar.Text(1).toStdString();
    EXPECT_EQ(window->m_statusBar.Text(0), "Idle") << "nothing else changes";
    EXPECT_TRUE(messages.Messages().empty());
}
