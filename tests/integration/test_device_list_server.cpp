// The recording page's device list on a real sound server: a sink plugged in while the
// program runs, and the recording device's sink unplugged mid-recording.

#include "ServerWindowFixture.h"
#include "app/ControlIds.h"
#include "support/SoundServer.h"
#include "support/WaveFile.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QTest>

using testsupport::ScopedNullSink;

class DeviceListServer : public ServerWindowFixture {
protected:
    int Listed(const QString& entry) { return OnPage<QComboBox>(IDC_DEVICE)->findText(entry); }
};

// The list follows the server's own events: nothing here asks it to look again.
TEST_F(DeviceListServer, ASinkLoadedWhileTheProgramRunsShowsItsMonitorWithinASecond)
{
    ScopedNullSink sink(QStringLiteral("TessavoxPlugged"));
    ASSERT_TRUE(sink.Loaded());
    EXPECT_TRUE(QTest::qWaitFor([&] { return Listed(sink.MonitorDescription()) >= 0; }, 1000))
        << "not listed within a second";
    sink.Remove();
    EXPECT_TRUE(QTest::qWaitFor([&] { return Listed(sink.MonitorDescription()) < 0; }, 10000));
}

TEST_F(DeviceListServer, UnloadingTheRecordingDevicesSinkEndsTheRecordingWithAFinalFile)
{
    ScopedNullSink sink(QStringLiteral("TessavoxUnplugged"));
    ASSERT_TRUE(sink.Loaded());
    ASSERT_TRUE(QTest::qWaitFor([&] { return Listed(sink.MonitorDescription()) >= 0; }, 10000));
    auto* devices = OnPage<QComboBox>(IDC_DEVICE);
    devices->setCurrentIndex(Listed(sink.MonitorDescription()));
    emit devices->activated(devices->currentIndex());
    const QString path = Path("unplugged.wav");
    OnPage<QLineEdit>(IDC_FILE_PATH)->setText(path);
    platform::FindControl<QAbstractButton>(window.get(), IDC_RECORD)->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo(path).size() > 46 + 16384; }, 10000));

    sink.Remove();
    ASSERT_TRUE(QTest::qWaitFor([&] { return Page().m_engine.m_nStatus == STATUS_READY; }, 10000));
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_TRUE(messages.Messages()[0].text.contains("Recording device failed"));
    EXPECT_TRUE(platform::FindControl(window.get(), IDC_RECORD)->isEnabled());
    const auto wave = ReadRecordedWave(path);
    ASSERT_TRUE(wave) << "not a WAV file as the recorder writes them";
    EXPECT_EQ(wave->riffSize + 8, static_cast<std::uint32_t>(wave->bytes.size()));
    EXPECT_EQ(46 + wave->dataSize, static_cast<std::uint32_t>(wave->bytes.size()));
    EXPECT_LT(Listed(sink.MonitorDescription()), 0);
    EXPECT_TRUE(window->m_statusBar.Text(1).startsWith("\"" + sink.MonitorDescription() + "\" is gone"))
        << window->m_statusBar.Text(1).toStdString();
}
