// The device list as capture devices come, go and are renamed: the choice kept by id and
// mapped to its number just before Record, the fallback when it is gone, entries that would
// read the same, and a recording left alone by changes until it ends.

#include "mixer/MixerFixture.h"
#include "support/WaveFile.h"
#include "support/WindowFixture.h"

namespace {

using platform::VirtualDeviceSpec;

const VirtualDeviceSpec SINE_DEVICE{QStringLiteral("Virtual Sine")};
const VirtualDeviceSpec COUNTER_DEVICE{QStringLiteral("Virtual Counter"), platform::VirtualSignal::Counter};
const VirtualDeviceSpec SILENCE_DEVICE{QStringLiteral("Virtual Silence"), platform::VirtualSignal::Silence};
const VirtualDeviceSpec USB_DEVICE{QStringLiteral("USB Microphone")};

} // namespace

class RecordPageDevices : public WindowFixture {
protected:
    // The server's capture devices are now these, and the page has heard of it.
    void Plug(std::vector<VirtualDeviceSpec> devices)
    {
        audio.SetDevices(platform::Direction::Capture, std::move(devices));
        Pump();
    }
    QComboBox* List() { return PageControl<QComboBox>(IDC_DEVICE); }
    QString Notice() { return window->m_statusBar.Text(1); }

    void StartWave(const QString& path)
    {
        TypePath(path);
        Click(IDC_RECORD);
        ASSERT_EQ(Engine().m_nStatus, STATUS_RECORDING);
        Feed(4096);
    }
    void ExpectCounterIn(const QString& path)
    {
        const auto wave = ReadRecordedWave(path);
        ASSERT_TRUE(wave);
        EXPECT_GE(wave->dataSize, 8192u);
        EXPECT_TRUE(wave->data == CounterBytes(wave->dataSize)) << "not recorded from the counter";
    }
};

TEST_F(RecordPageDevices, WhileIdleTheListFollowsAndTheChoiceIsKeptByItsId)
{
    Choose(IDC_DEVICE, COUNTER);
    VirtualDeviceSpec renamed = COUNTER_DEVICE;
    renamed.name = QStringLiteral("Renamed Counter");
    renamed.id = COUNTER_DEVICE.name;
    Plug({USB_DEVICE, SINE_DEVICE, renamed, SILENCE_DEVICE});
    EXPECT_EQ(Entries(List()), (QStringList{"USB Microphone", "Virtual Sine", "Renamed Counter", "Virtual Silence"}));
    EXPECT_EQ(List()->currentText(), "Renamed Counter");
    EXPECT_EQ(Engine().m_nDeviceID, 2u);
    EXPECT_TRUE(Notice().isEmpty()) << "the chosen device never went";

    // Not yet heard of by the page: Record looks the number up itself.
    audio.SetDevices(platform::Direction::Capture, {renamed, SILENCE_DEVICE, SINE_DEVICE});
    StartWave(Path("moved.wav"));
    Click(IDC_STOP);
    Pump();
    ExpectCounterIn(Path("moved.wav"));
}

// The mixers make device 1 the start-up choice, so the fallback is told from "the first".
TEST_F(RecordPageDevices, AChosenDeviceThatGoesFallsBackAsAtStartUpAndComesBackByItsId)
{
    auto bare = tests::Mixer({platform::MemorySource("Microphone", tests::MIC, 2, {})});
    mixer.SetDevices({bare, tests::Mixer({tests::Source("Microphone", tests::MIC)}), bare, bare});
    Reopen();
    Choose(IDC_DEVICE, SILENCE);
    Plug({SINE_DEVICE, COUNTER_DEVICE, USB_DEVICE});
    EXPECT_EQ(List()->currentText(), "Virtual Counter");
    EXPECT_EQ(Engine().m_nDeviceID, 1u);
    EXPECT_EQ(Notice(), "\"Virtual Silence\" is gone; the audio device is now \"Virtual Counter\"");

    // The server goes away and comes back with its devices in another order.
    Plug({});
    EXPECT_EQ(Engine().m_nDeviceID, WAVE_MAPPER);
    EXPECT_EQ(Notice(), "\"Virtual Counter\" is gone; no audio device is left");
    Plug({USB_DEVICE, SINE_DEVICE, SILENCE_DEVICE, COUNTER_DEVICE});
    EXPECT_EQ(List()->currentText(), "Virtual Counter");
    EXPECT_EQ(Notice(), "The audio device is now \"Virtual Counter\"");
    StartWave(Path("back.wav"));
    Click(IDC_STOP);
    Pump();
    ExpectCounterIn(Path("back.wav"));
}

TEST_F(RecordPageDevices, EntriesThatWouldReadTheSameShowTheirIds)
{
    const QString monitor = QStringLiteral("Monitor of Null Output");
    Plug({{.name = monitor, .id = "null.monitor"}, SINE_DEVICE, {.name = monitor, .id = "null.2.monitor"},
          {.name = "", .id = "nameless"}});
    EXPECT_EQ(Entries(List()), (QStringList{"Monitor of Null Output (null.monitor)", "Virtual Sine",
                                            "Monitor of Null Output (null.2.monitor)", "nameless"}));
}

// Other devices changing leave the recording alone; its own device unplugged ends it as a
// device failure does, and the changes are taken up once it has ended.
TEST_F(RecordPageDevices, ARecordingRunsOnThroughChangesUntilItsOwnDeviceIsUnplugged)
{
    Choose(IDC_DEVICE, COUNTER);
    StartWave(Path("unplugged.wav"));
    Plug({USB_DEVICE, SINE_DEVICE, COUNTER_DEVICE});
    EXPECT_EQ(Entries(List()), (QStringList{"Virtual Sine", "Virtual Counter", "Virtual Silence"}));
    EXPECT_EQ(Engine().m_nDeviceID, 1u);
    Feed(4096);
    EXPECT_TRUE(messages.Messages().empty());

    Plug({USB_DEVICE, SINE_DEVICE});
    ASSERT_EQ(messages.Messages().size(), 1u);
    EXPECT_TRUE(messages.Messages()[0].text.contains("Recording device failed"));
    EXPECT_EQ(Engine().m_nStatus, STATUS_READY);
    EXPECT_TRUE(Enabled(IDC_RECORD));
    ExpectCounterIn(Path("unplugged.wav"));
    EXPECT_EQ(Entries(List()), (QStringList{"USB Microphone", "Virtual Sine"}));
    EXPECT_EQ(Notice(), "\"Virtual Counter\" is gone; the audio device is now \"USB Microphone\"");
}
