// The device list as capture devices come, go and are renamed: the choice kept by id and
// mapped to its number just before Record, the fallback when it is gone, entries that would
// read the same, and a recording left alone by changes until it ends.

#include "mixer/MixerFixture.h"
#include "support/WaveFile.h"
#include "support/WindowFixture.h"

namespace {

using platform::VirtualDeviceSpec;
using platform::VirtualSignal;

const VirtualDeviceSpec SINE_DEVICE{QStringLiteral("Virtual Sine")};
const VirtualDeviceSpec COUNTER_DEVICE{QStringLiteral("Virtual Counter"), VirtualSignal::Counter};
const VirtualDeviceSpec SILENCE_DEVICE{QStringLiteral("Virtual Silence"), VirtualSignal::Silence};
const VirtualDeviceSpec USB_DEVICE{QStringLiteral("USB Microphone")};

} // namespace

class RecordPageDevices : public WindowFixture {
protected:
    // The server's capture devices are now these; the page hears of it.
    void Plug(std::vector<VirtualDeviceSpec> devices)
    {
        audio.SetDevices(platform::Direction::Capture, std::move(devices));
        Pump();
    }

    QComboBox* List() { return PageControl<QComboBox>(IDC_DEVICE); }
    QString Notice() { return window->m_statusBar.Text(1); }

    // Records the counter device into path from the window, as a user does.
    void RecordWave(const QString& path)
    {
        Choose(IDC_FILE_TYPE, 1);
        TypePath(path);
        Click(IDC_RECORD);
        ASSERT_EQ(Engine().m_nStatus, STATUS_RECORDING);
        Feed(4096);
    }

    void ExpectCounterRecordedIn(const QString& path)
    {
        const auto wave = ReadRecordedWave(path);
        ASSERT_TRUE(wave);
        EXPECT_GE(wave->dataSize, 8192u);
        EXPECT_EQ(wave->data, CounterBytes(wave->dataSize)) << "not recorded from the counter";
    }
};

TEST_F(RecordPageDevices, WhileIdleTheListFollowsAndTheChoiceIsKeptByItsId)
{
    Choose(IDC_DEVICE, COUNTER);

    Plug({USB_DEVICE, SINE_DEVICE, COUNTER_DEVICE, SILENCE_DEVICE});
    EXPECT_EQ(Entries(List()), (QStringList{"USB Microphone", "Virtual Sine", "Virtual Counter", "Virtual Silence"}));
    EXPECT_EQ(List()->currentText(), "Virtual Counter");
    EXPECT_EQ(Page().m_nDevice, 2);
    EXPECT_EQ(Engine().m_nDeviceID, 2u);

    VirtualDeviceSpec renamed = COUNTER_DEVICE;
    renamed.name = QStringLiteral("Renamed Counter");
    renamed.id = COUNTER_DEVICE.name;
    Plug({USB_DEVICE, renamed, SILENCE_DEVICE});
    EXPECT_EQ(Entries(List()), (QStringList{"USB Microphone", "Renamed Counter", "Virtual Silence"}));
    EXPECT_EQ(List()->currentText(), "Renamed Counter");
    EXPECT_EQ(Engine().m_nDeviceID, 1u);
    EXPECT_TRUE(Notice().isEmpty()) << "the chosen device never went: " << Notice().toStdString();

    // Not yet heard of by the page: Record looks the number up itself.
    audio.SetDevices(platform::Direction::Capture, {SILENCE_DEVICE, SINE_DEVICE, USB_DEVICE, renamed});
    RecordWave(Path("moved.wav"));
    EXPECT_EQ(Engine().m_nDeviceID, 3u);
    Click(IDC_STOP);
    Pump();
    ExpectCounterRecordedIn(Path("moved.wav"));
    EXPECT_TRUE(messages.Messages().empty());
}

// The mixers make device 1 the start-up choice, so the fallback is told from "the first".
TEST_F(RecordPageDevices, AChosenDeviceThatGoesFallsBackAsAtStartUpAndComesBackByItsId)
{
    auto bare = tests::Mixer({platform::MemorySource("Microphone", tests::MIC, 2, {})});
    mixer.SetDevices({bare, tests::Mixer({tests::Source("Microphone", tests::MIC)}), bare, bare});
    Reopen();
    ASSERT_EQ(List()->currentText(), "Virtual Counter");
    Choose(IDC_DEVICE, SILENCE);

    Plug({SINE_DEVICE, COUNTER_DEVICE, USB_DEVICE});
    EXPECT_EQ(List()->currentText(), "Virtual Counter");
    EXPECT_EQ(Engine().m_nDeviceID, 1u);
    EXPECT_EQ(Notice(), "\"Virtual Silence\" is gone; the audio device is now \"Virtual Counter\"");

    // The server goes away: nothing left, but the choice is remembered.
    Plug({});
    EXPECT_EQ(List()->count(), 0);
    EXPECT_EQ(Page().m_nDevice, -1);
    EXPECT_EQ(Engine().m_nDeviceID, WAVE_MAPPER);
    EXPECT_EQ(Notice(), "\"Virtual Counter\" is gone; no audio device is left");

    // It comes back with the devices in another order.
    Plug({USB_DEVICE, SINE_DEVICE, SILENCE_DEVICE, COUNTER_DEVICE});
    EXPECT_EQ(List()->currentText(), "Virtual Counter");
    EXPECT_EQ(Engine().m_nDeviceID, 3u);
    EXPECT_EQ(Notice(), "The audio device is now \"Virtual Counter\"");
    RecordWave(Path("back.wav"));
    Click(IDC_STOP);
    Pump();
    ExpectCounterRecordedIn(Path("back.wav"));
    EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(RecordPageDevices, EntriesThatWouldReadTheSameShowTheirIds)
{
    const QString monitor = QStringLiteral("Monitor of Null Output");
    Plug({{.name = monitor, .id = "null.monitor"}, SINE_DEVICE, {.name = monitor, .id = "null.2.monitor"}});
    EXPECT_EQ(Entries(List()), (QStringList{"Monitor of Null Output (null.monitor)", "Virtual Sine",
                                            "Monitor of Null Output (null.2.monitor)"}));

    Plug({{.name = monitor, .id = "null.monitor"}, SINE_DEVICE, {.name = "Monitor of Speakers", .id = "null.2.monitor"},
          {.name = "", .id = "nameless"}});
    EXPECT_EQ(Entries(List()), (QStringList{monitor, "Virtual Sine", "Monitor of Speakers", "nameless"}));
}

TEST_F(RecordPageDevices, ChangesDuringARecordingWaitForItsEnd)
{
    Choose(IDC_DEVICE, COUNTER);
    RecordWave(Path("busy.wav"));

    Plug({USB_DEVICE, SINE_DEVICE, COUNTER_DEVICE});
    EXPECT_EQ(Entries(List()), (QStringList{"Virtual Sine", "Virtual Counter", "Virtual Silence"}));
    EXPECT_EQ(Engine().m_nStatus, STATUS_RECORDING);
    EXPECT_EQ(Engine().m_nDeviceID, 1u);
    Feed(4096);

    Click(IDC_STOP);
    Pump();
    EXPECT_EQ(Entries(List()), (QStringList{"USB Microphone", "Virtual Sine", "Virtual Counter"}));
    EXPECT_EQ(List()->currentText(), "Virtual Counter");
    EXPECT_EQ(Engine().m_nDeviceID, 2u);
    EXPECT_TRUE(messages.Messages().empty());
    ExpectCounterRecordedIn(Path("busy.wav"));
}

TEST_F(RecordPageDevices, UnpluggingTheRecordingDeviceEndsTheRecordingWithAFinalFile)
{
    Choose(IDC_DEVICE, COUNTER);
    RecordWave(Path("unplugged.wav"));

    Plug({SINE_DEVICE, SILENCE_DEVICE});
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_TRUE(messages.Messages()[0].text.contains("Recording device failed"));
    EXPECT_EQ(Engine().m_nStatus, STATUS_READY);
    EXPECT_EQ(window->m_statusBar.Text(0), "Stopped");
    EXPECT_TRUE(Enabled(IDC_RECORD));
    EXPECT_TRUE(PageEnabled(IDC_DEVICE));
    ExpectCounterRecordedIn(Path("unplugged.wav"));

    EXPECT_EQ(Entries(List()), (QStringList{"Virtual Sine", "Virtual Silence"}));
    EXPECT_EQ(List()->currentText(), "Virtual Sine");
    EXPECT_EQ(Notice(), "\"Virtual Counter\" is gone; the audio device is now \"Virtual Sine\"");
}
