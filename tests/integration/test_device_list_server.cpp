// The recording page's device list on a real sound server: a sink plugged in while the
// program runs, the recording device's sink unplugged mid-recording, and a server restart.

#include "ServerFixture.h"
#include "app/ControlIds.h"
#include "app/MainWindowPointer.h"
#include "app/TessavoxDlg.h"
#include "platform/ControlId.h"
#include "platform/audio/pulse/PulseBackend.h"
#include "platform/mixer/pulse/PulseMixerBackend.h"
#include "support/SoundServer.h"
#include "support/WaveFile.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QTest>

#include <memory>

namespace {

using testsupport::ScopedNullSink;

constexpr int WAIT_MS = 10000;

// The main window over whatever backends are current, driven as a user drives it.
class Window {
public:
    Window() : m_window(std::make_unique<CTessavoxDlg>())
    {
        SetMainWindow(m_window.get());
        m_window->Create();
    }
    ~Window()
    {
        m_window.reset();
        SetMainWindow(nullptr);
    }

    CDialogRecord& Page() { return m_window->m_pageRecord; }
    CTessavoxDlg& Main() { return *m_window; }
    QComboBox* Devices() { return platform::FindControl<QComboBox>(&Page(), IDC_DEVICE); }
    int Listed(const QString& entry) { return Devices()->findText(entry); }

    void Choose(int id, int index)
    {
        auto* combo = platform::FindControl<QComboBox>(&Page(), id);
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    // Records a WAV file from the device listed as entry.
    void StartWave(const QString& entry, const QString& path)
    {
        Choose(IDC_DEVICE, Listed(entry));
        Choose(IDC_FILE_TYPE, 1);
        platform::FindControl<QLineEdit>(&Page(), IDC_FILE_PATH)->setText(path);
        platform::FindControl<QAbstractButton>(m_window.get(), IDC_RECORD)->click();
    }
    bool Idle()
    {
        return Page().m_engine.m_nStatus == STATUS_READY &&
               platform::FindControl(m_window.get(), IDC_RECORD)->isEnabled();
    }

private:
    std::unique_ptr<CTessavoxDlg> m_window;
};

// The program's backends for one scope.
class UsingBackends {
public:
    UsingBackends(platform::IAudioBackend& audio, platform::IMixerBackend& mixer)
    {
        platform::UseAudioBackend(&audio);
        platform::UseMixerBackend(&mixer);
    }
    ~UsingBackends()
    {
        platform::UseMixerBackend(nullptr);
        platform::UseAudioBackend(nullptr);
    }
    UsingBackends(const UsingBackends&) = delete;
    UsingBackends& operator=(const UsingBackends&) = delete;
};

// A finished recording: its sizes are written, and it holds sound.
void ExpectFinal(const QString& path)
{
    const auto wave = ReadRecordedWave(path);
    ASSERT_TRUE(wave) << "not a WAV file as the recorder writes them";
    EXPECT_EQ(wave->riffSize + 8, static_cast<std::uint32_t>(wave->bytes.size()));
    EXPECT_EQ(46 + wave->dataSize, static_cast<std::uint32_t>(wave->bytes.size()));
    EXPECT_GT(wave->dataSize, 0u);
}

} // namespace

using DeviceListServer = ServerFixture;

// The list follows the server's own events: nothing here asks it to look again.
TEST_F(DeviceListServer, ASinkLoadedWhileTheProgramRunsShowsItsMonitorWithinASecond)
{
    Window window;
    ScopedNullSink sink(QStringLiteral("TessavoxPlugged"));
    ASSERT_TRUE(sink.Loaded());
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.Listed(sink.MonitorDescription()) >= 0; }, 1000))
        << "not listed within a second";
    sink.Remove();
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.Listed(sink.MonitorDescription()) < 0; }, WAIT_MS));
    EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(DeviceListServer, UnloadingTheRecordingDevicesSinkEndsTheRecordingWithAFinalFile)
{
    Window window;
    ScopedNullSink sink(QStringLiteral("TessavoxUnplugged"));
    ASSERT_TRUE(sink.Loaded());
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.Listed(sink.MonitorDescription()) >= 0; }, WAIT_MS));
    const QString path = Path("unplugged.wav");
    window.StartWave(sink.MonitorDescription(), path);
    ASSERT_EQ(window.Page().m_engine.m_nStatus, STATUS_RECORDING);
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo(path).size() > 46 + 16384; }, WAIT_MS));

    sink.Remove();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.Idle(); }, WAIT_MS));
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_TRUE(messages.Messages()[0].text.contains("Recording device failed"))
        << messages.Messages()[0].text.toStdString();
    ExpectFinal(path);
    EXPECT_LT(window.Listed(sink.MonitorDescription()), 0);
    EXPECT_TRUE(window.Main().m_statusBar.Text(1).startsWith("\"" + sink.MonitorDescription() + "\" is gone"))
        << window.Main().m_statusBar.Text(1).toStdString();
}

// The program keeps running while its server restarts (here: one server stops and the next
// answers at the address the program uses); the list comes back with the choice in it.
TEST_F(DeviceListServer, AfterTheServerRestartsTheChosenDeviceRecordsAgain)
{
    const QString sine = qEnvironmentVariable("TESSAVOX_SINE_DESCRIPTION");
    if (sine.isEmpty())
        GTEST_SKIP() << "needs the private sound server's variables: eval \"$(scripts/start-sound-server)\"";
    testsupport::SoundServer first;
    ASSERT_TRUE(first.Start()) << first.Failure().toStdString();
    testsupport::ScopedPulseServer address(first.Address());
    platform::PulseBackend audio;
    platform::PulseMixerBackend mixer;
    UsingBackends backends(audio, mixer);
    {
        Window window;
        ASSERT_GT(window.Listed(sine), 0) << "the sine source would be the start-up choice";
        window.Choose(IDC_DEVICE, window.Listed(sine));

        first.Stop();
        ASSERT_TRUE(QTest::qWaitFor([&] { return window.Devices()->count() == 0; }, WAIT_MS));
        testsupport::SoundServer second;
        ASSERT_TRUE(second.Start()) << second.Failure().toStdString();
        // Straight from one address to the next: the program must not find the run's own
        // server in between.
        qputenv("PULSE_SERVER", second.Address().toUtf8());
        ASSERT_TRUE(QTest::qWaitFor([&] { return window.Devices()->count() > 0; }, WAIT_MS));
        EXPECT_EQ(window.Devices()->currentText(), sine);

        const QString path = Path("again.wav");
        window.StartWave(sine, path);
        ASSERT_EQ(window.Page().m_engine.m_nStatus, STATUS_RECORDING);
        ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo(path).size() > 46 + 16384; }, WAIT_MS));
        platform::FindControl<QAbstractButton>(&window.Main(), IDC_STOP)->click();
        ASSERT_TRUE(QTest::qWaitFor([&] { return window.Idle(); }, WAIT_MS));
        ExpectFinal(path);
        const auto wave = ReadRecordedWave(path);
        ASSERT_TRUE(wave);
        EXPECT_NEAR(ToneFrequency(wave->data, 16, 1, 0, 22050), EnvHz("TESSAVOX_SINE_HZ", 440), 5.0);
    }
    EXPECT_TRUE(messages.Messages().empty()) << messages.Texts().front().toStdString();
}
