// The recording options page as start-up leaves it: the lists, the preselected device,
// the source and its volume, the channel boxes, and the engine over the display's place.

#include "mixer/MixerFixture.h"
#include "support/WindowFixture.h"

#include <QRadioButton>
#include <QSlider>

namespace {

constexpr std::uint32_t NORM = 65536;

} // namespace

using RecordPageStartup = WindowFixture;

TEST_F(RecordPageStartup, ListsAndTheirSelections)
{
    auto* devices = PageControl<QComboBox>(IDC_DEVICE);
    EXPECT_EQ(Entries(devices), (QStringList{"Virtual Sine", "Virtual Counter", "Virtual Silence"}));
    EXPECT_EQ(devices->currentIndex(), 0);

    auto* channel = PageControl<QComboBox>(IDC_CHANNEL);
    EXPECT_EQ(Entries(channel), (QStringList{"Mono Mixer", "Stereo Mixer", "Single Channel"}));
    EXPECT_EQ(channel->currentText(), "Mono Mixer");

    auto* type = PageControl<QComboBox>(IDC_FILE_TYPE);
    EXPECT_EQ(Entries(type), (QStringList{"mp3", "wave", "flac", "opus"}));
    EXPECT_EQ(type->currentText(), "mp3");

    auto* rates = PageControl<QComboBox>(IDC_SAMPLE_RATE);
    EXPECT_EQ(Entries(rates),
              (QStringList{"8000", "11025", "12000", "16000", "22050", "24000", "32000", "44100", "48000"}));
    EXPECT_EQ(rates->currentText(), "22050");

    auto* bits = PageControl<QComboBox>(IDC_BITS);
    EXPECT_EQ(Entries(bits), (QStringList{"8", "16"}));
    EXPECT_EQ(bits->currentText(), "16");

    EXPECT_TRUE(PageControl<QLineEdit>(IDC_FILE_PATH)->text().isEmpty());
}

TEST_F(RecordPageStartup, FieldsFollowTheControls)
{
    EXPECT_EQ(Page().m_nDevice, 0);
    EXPECT_EQ(Page().m_nSource, 0);
    EXPECT_EQ(Page().m_nChannelIndex, 0);
    EXPECT_EQ(Page().m_nFileType, FileType::Mp3);
    EXPECT_EQ(Page().m_nSampleRateIndex, 4);
    EXPECT_EQ(Page().m_nBitsIndex, 1);
    EXPECT_TRUE(Page().m_strFilePath.isEmpty());
    EXPECT_TRUE(Page().m_strFolder.isEmpty());
    EXPECT_TRUE(Page().m_strFileName.isEmpty());
}

TEST_F(RecordPageStartup, MicrophoneChosenAtItsVolumeAndBothChannelBoxesTickedButDisabled)
{
    EXPECT_TRUE(PageControl<QRadioButton>(IDC_MICROPHONE)->isChecked());
    EXPECT_FALSE(PageControl<QRadioButton>(IDC_LINE_IN)->isChecked());
    for (int id : {IDC_LEFT_CHANNEL, IDC_RIGHT_CHANNEL}) {
        EXPECT_TRUE(PageControl<QAbstractButton>(id)->isChecked()) << id;
        EXPECT_FALSE(PageEnabled(id)) << id;
    }
    for (int id : {IDC_SLIDER_MIC, IDC_SLIDER_LINE_IN}) {
        auto* slider = PageControl<QSlider>(id);
        EXPECT_EQ(slider->minimum(), 0) << id;
        EXPECT_EQ(slider->maximum(), static_cast<int>(NORM)) << id;
        EXPECT_EQ(slider->value(), static_cast<int>(NORM)) << id;
        EXPECT_EQ(slider->tickInterval(), static_cast<int>(NORM / 15)) << id;
    }
    // The destination's list selects the microphone (item 0) as the recorded line.
    EXPECT_EQ(mixer.Device(0).destination->controls.at(0).values.at(0), 1u);
}

TEST_F(RecordPageStartup, EngineReadyOnThePreselectedDeviceOverTheDisplayPlace)
{
    EXPECT_EQ(Engine().m_nStatus, STATUS_READY);
    EXPECT_EQ(Engine().m_nDeviceID, 0u);
    QWidget* place = Main(IDC_WAVE);
    EXPECT_TRUE(place->isHidden());
    EXPECT_EQ(Engine().parentWidget(), window.get());
    EXPECT_FALSE(place->size().isEmpty());
    EXPECT_EQ(Engine().geometry(), QRect(place->mapTo(window.get(), QPoint(0, 0)), place->size()));

    // Showing the window lays it out again: the display stays over its place.
    window->show();
    EXPECT_EQ(Engine().geometry(), QRect(place->mapTo(window.get(), QPoint(0, 0)), place->size()));
    EXPECT_TRUE(Engine().isVisible());
}

TEST_F(RecordPageStartup, PreselectsTheFirstDeviceWithAVolumeControl)
{
    using tests::Mixer;
    using tests::Source;
    // Device 0's first line has no volume control; device 1's has.
    auto bare = Mixer({platform::MemorySource("Microphone", tests::MIC, 2, {}), Source("Line In", tests::LINE)});
    mixer.SetDevices({bare, Mixer({Source("Microphone", tests::MIC, 250), Source("Line In", tests::LINE, 750)}),
                      Mixer({Source("Microphone", tests::MIC)})});
    Reopen();
    EXPECT_EQ(PageControl<QComboBox>(IDC_DEVICE)->currentIndex(), 1);
    EXPECT_EQ(Page().m_nDevice, 1);
    EXPECT_EQ(Engine().m_nDeviceID, 1u);
    auto* mic = PageControl<QSlider>(IDC_SLIDER_MIC);
    EXPECT_EQ(mic->maximum(), 1000);
    EXPECT_EQ(mic->value(), 250);
    EXPECT_EQ(PageControl<QSlider>(IDC_SLIDER_LINE_IN)->value(), 750);
    EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(RecordPageStartup, NoMixerCapableDeviceLeavesTheListUnselectedAndUsesTheDefaultDevice)
{
    mixer.SetDevices({});
    Reopen();
    auto* devices = PageControl<QComboBox>(IDC_DEVICE);
    EXPECT_EQ(devices->count(), 3);
    EXPECT_EQ(devices->currentIndex(), -1);
    EXPECT_EQ(Page().m_nDevice, -1);
    EXPECT_EQ(Engine().m_nDeviceID, WAVE_MAPPER);
    EXPECT_EQ(Engine().m_nStatus, STATUS_READY);
    // Without a volume control the sliders hold the "none" value.
    auto* mic = PageControl<QSlider>(IDC_SLIDER_MIC);
    EXPECT_EQ(mic->minimum(), -1);
    EXPECT_EQ(mic->maximum(), -1);
    EXPECT_EQ(mic->value(), -1);
    EXPECT_TRUE(messages.Messages().empty());
}
