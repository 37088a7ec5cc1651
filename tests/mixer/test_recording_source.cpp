// Making a source the recorded one: the destination's lists and switches, and the
// functions the options page calls.

#include "MixerFixture.h"

namespace tests {
namespace {

using platform::MemoryMux;
using platform::MemorySwitch;

class RecordingSourceTest : public MixerTest {
protected:
    void SetUp() override
    {
        MixerTest::SetUp();
        engine.m_nDeviceID = 0;
        engine.m_nMicSource = 0;
        engine.m_nLineSource = 1;
    }
};

TEST_F(RecordingSourceTest, ListItemsAreChosenByTheSourcesIndexNotTheirNames)
{
    // The device lists its items in another order than its sources: item 1 is named
    // "Microphone" although source 1 is the line input. Item k is taken as source k.
    MemoryControl mux = MemoryMux({"Line In", "Microphone", "CD"}, 0);
    MemoryControl stereoMixer = MemoryMux({"CD", "Microphone", "Line In"}, 2);
    stereoMixer.type = platform::MIXERCONTROL_CONTROLTYPE_MIXER;
    stereoMixer.flags = platform::MIXERCONTROL_CONTROLF_MULTIPLE; // one set of items per channel
    stereoMixer.values = {0, 0, 1, 0, 0, 1};
    UseDevices({Mixer({Source("Microphone", MIC), Source("Line In", LINE), Source("CD", OTHER)}, {mux, stereoMixer})});

    ApplyInputSource(engine, 300, true);
    EXPECT_EQ(Values(0, -1, 0), (std::vector<std::uint32_t>{0, 1, 0}));
    EXPECT_EQ(mixer.Device(0).destination->controls[0].itemNames[1], QStringLiteral("Microphone"));
    EXPECT_EQ(Values(0, -1, 1), (std::vector<std::uint32_t>{0, 1, 0, 0, 1, 0}));
    EXPECT_EQ(Values(0, 1, 0), (std::vector<std::uint32_t>{300, 300}));

    ApplyInputSource(engine, 300, false);
    EXPECT_EQ(Values(0, -1, 0), (std::vector<std::uint32_t>{1, 0, 0}));
    EXPECT_EQ(Values(0, -1, 1), (std::vector<std::uint32_t>{1, 0, 0, 1, 0, 0}));
}

TEST_F(RecordingSourceTest, SwitchesAreSetSoTheSourceIsHeard)
{
    // A mute that was on would silence the recording just chosen: it is turned off, in
    // every channel. Switches that enable recording are turned on.
    MemoryControl uniformMute = MemorySwitch(platform::MIXERCONTROL_CONTROLTYPE_MUTE, 1, true);
    uniformMute.flags = platform::MIXERCONTROL_CONTROLF_UNIFORM;
    UseDevices({Mixer({Source("Microphone", MIC), Source("Line In", LINE)},
                      {MemorySwitch(platform::MIXERCONTROL_CONTROLTYPE_MUTE, 2, true),
                       MemorySwitch(platform::MIXERCONTROL_CONTROLTYPE_ONOFF, 2, false),
                       MemorySwitch(platform::MIXERCONTROL_CONTROLTYPE_BOOLEAN, 2, false), uniformMute})});

    ApplyInputSource(engine, ALL_ONES, false);
    EXPECT_EQ(Values(0, -1, 0), (std::vector<std::uint32_t>{0, 0}));
    EXPECT_EQ(Values(0, -1, 1), (std::vector<std::uint32_t>{1, 1}));
    EXPECT_EQ(Values(0, -1, 2), (std::vector<std::uint32_t>{1, 1}));
    EXPECT_EQ(Values(0, -1, 3), (std::vector<std::uint32_t>{0}));
}

TEST_F(RecordingSourceTest, ADestinationVolumeIsNotTakenForASwitch)
{
    // A volume's units share a bit with boolean units; writing "true" (1) into it would
    // turn the whole recording down to almost nothing.
    UseDevices({Mixer({Source("Microphone", MIC)},
                      {platform::MemoryVolume(2, 0, 1000, 800, 0), MemoryMux({"Microphone"}, 0)})});
    ApplyInputSource(engine, 600, false);
    EXPECT_EQ(Values(0, -1, 0), (std::vector<std::uint32_t>{800, 800}));
    EXPECT_EQ(Values(0, 0, 0), (std::vector<std::uint32_t>{600, 600}));
}

TEST_F(RecordingSourceTest, AllOnesMeansTheMaximumUnlessThereIsNoVolumeControl)
{
    UseDevices({Mixer({Source("Microphone", MIC, 10), platform::MemorySource("Line In", LINE, 2, {})},
                      {MemoryMux({"Microphone", "Line In"}, 0),
                       MemorySwitch(platform::MIXERCONTROL_CONTROLTYPE_MUTE, 2, true)})});

    // The line input has no volume control: it is neither set nor selected.
    ApplyInputSource(engine, ALL_ONES, true);
    EXPECT_EQ(mixer.WriteCount(), 0u);
    EXPECT_EQ(Values(0, -1, 0), (std::vector<std::uint32_t>{1, 0}));
    EXPECT_EQ(Values(0, -1, 1), (std::vector<std::uint32_t>{1, 1}));

    ApplyInputSource(engine, ALL_ONES, false);
    EXPECT_EQ(Values(0, 0, 0), (std::vector<std::uint32_t>{1000, 1000}));
    EXPECT_EQ(Values(0, -1, 1), (std::vector<std::uint32_t>{0, 0}));
}

TEST_F(RecordingSourceTest, AVolumeOutOfBoundsStillSelectsTheSource)
{
    UseDevices({Mixer({Source("Microphone", MIC, 10), Source("Line In", LINE, 20)},
                      {MemoryMux({"Microphone", "Line In"}, 0)})});
    ApplyInputSource(engine, 1001, true);
    EXPECT_EQ(Values(0, 1, 0), (std::vector<std::uint32_t>{20, 20}));
    EXPECT_EQ(Values(0, -1, 0), (std::vector<std::uint32_t>{0, 1}));
}

TEST_F(RecordingSourceTest, FindsTheFirstDeviceWhoseFirstSourceHasAnEnabledVolume)
{
    MemoryLine disabled = Source("Microphone", MIC);
    disabled.controls[0].flags = platform::MIXERCONTROL_CONTROLF_DISABLED;
    MemoryMixerDevice probeFails = Mixer({Source("Microphone", MIC)});
    probeFails.probeFails = true;
    // Only the first source counts: device 1 has a volume on its second source only.
    UseDevices({Mixer({disabled}),
                Mixer({platform::MemorySource("Microphone", MIC, 2, {}), Source("Line In", LINE)}), probeFails,
                Mixer({}), Mixer({Source("Line In", LINE)}), Mixer({Source("Microphone", MIC)})});
    EXPECT_EQ(FindMixerCapableDevice(), 4);

    // The search stops at the last capture device, whatever mixers there are.
    audio.SetDevices(platform::Direction::Capture, {{QStringLiteral("A")}, {QStringLiteral("B")}});
    EXPECT_EQ(FindMixerCapableDevice(), -1);
}

} // namespace
} // namespace tests
