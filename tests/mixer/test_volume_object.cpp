// The volume object's life and its reading and setting of a source's volume.

#include "MixerFixture.h"

namespace tests {
namespace {

class VolumeObjectTest : public MixerTest {};

void ExpectNothingAvailable(CVolumeInXXX& v)
{
    EXPECT_FALSE(v.HasVolumeControl());
    EXPECT_EQ(v.GetStepCount(), -1);
    EXPECT_EQ(v.GetMinimum(), -1);
    EXPECT_EQ(v.GetMaximum(), -1);
    EXPECT_EQ(v.GetVolume(), -1);
}

TEST_F(VolumeObjectTest, WithoutAnyMixerNothingIsAvailable)
{
    UseDevices({});
    audio.SetDevices(platform::Direction::Capture, {{QStringLiteral("Capture without mixer")}});
    {
        CVolumeInXXX v(0, 0);
        EXPECT_FALSE(v.m_bMixerOpen);
        ExpectNothingAvailable(v);
        v.SetVolume(1);
        v.SelectAsRecordingSource();
    }
    EXPECT_EQ(FindMixerCapableDevice(), -1);
    std::int32_t maximum = 5;
    std::int32_t minimum = 5;
    EXPECT_EQ(QueryInputVolume(engine, false, &maximum, &minimum), -1);
    EXPECT_EQ(maximum, -1);
    EXPECT_EQ(minimum, -1);
    ApplyInputSource(engine, ALL_ONES, false);
    EXPECT_EQ(mixer.WriteCount(), 0u);
}

TEST_F(VolumeObjectTest, EveryFailedLookupClosesTheMixerAgain)
{
    MemoryMixerDevice probeFails = Mixer({Source("Microphone", MIC)});
    probeFails.probeFails = true;
    MemoryMixerDevice openFails = Mixer({Source("Microphone", MIC)});
    openFails.openFails = true;
    MemoryMixerDevice noDestination = Mixer({Source("Microphone", MIC)});
    noDestination.destination.reset();
    UseDevices({probeFails, openFails, noDestination, Mixer({}), Mixer({Source("Microphone", MIC)})});

    // Device 4 has one source: index 1 is past it. The rest fail before the line.
    const std::pair<std::uint32_t, std::uint32_t> cases[] = {{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 1}, {5, 0}};
    for (const auto& [device, source] : cases) {
        CVolumeInXXX v(device, source);
        EXPECT_FALSE(v.m_bMixerOpen) << device;
        EXPECT_FALSE(v.m_bLineFound) << device;
        EXPECT_EQ(g_pActiveVolume, nullptr) << device;
        EXPECT_EQ(mixer.OpenMixerCount(), 0u) << device;
        ExpectNothingAvailable(v);
        v.SetVolume(1);
        v.SelectAsRecordingSource();
    }
    EXPECT_EQ(mixer.WriteCount(), 0u);
}

TEST_F(VolumeObjectTest, OpenObjectIsTheActiveOneUntilAnyIsDestroyed)
{
    UseDevices({Mixer({Source("Microphone", MIC, 250)})});
    auto first = std::make_unique<CVolumeInXXX>(0, 0);
    EXPECT_EQ(g_pActiveVolume, first.get());
    EXPECT_EQ(mixer.OpenMixerCount(), 1u);
    {
        CVolumeInXXX second(0, 0);
        EXPECT_EQ(g_pActiveVolume, &second);
    }
    // Destroying any object clears the pointer, even when it pointed elsewhere.
    EXPECT_EQ(g_pActiveVolume, nullptr);
    EXPECT_EQ(first->GetVolume(), 250);
    first.reset();
    EXPECT_EQ(mixer.OpenMixerCount(), 0u);
}

TEST_F(VolumeObjectTest, ReadsTheControlsBoundsStepsAndFirstChannel)
{
    MemoryLine stereo = platform::MemorySource("Line In", LINE, 2, {platform::MemoryVolume(2, 100, 900, 0, 33)});
    stereo.controls[0].values = {300, 700};
    UseDevices({Mixer({Source("Microphone", MIC), stereo})});

    CVolumeInXXX v(0, 1);
    EXPECT_TRUE(v.HasVolumeControl());
    EXPECT_EQ(v.GetMinimum(), 100);
    EXPECT_EQ(v.GetMaximum(), 900);
    EXPECT_EQ(v.GetStepCount(), 33);
    EXPECT_EQ(v.GetVolume(), 300);

    engine.m_nDeviceID = 0;
    engine.m_nLineSource = 1;
    std::int32_t maximum = 0;
    std::int32_t minimum = 0;
    EXPECT_EQ(QueryInputVolume(engine, true, &maximum, &minimum), 300);
    EXPECT_EQ(maximum, 900);
    EXPECT_EQ(minimum, 100);
    // The microphone flag reads the other source; outputs are optional.
    EXPECT_EQ(QueryInputVolume(engine, false), 500);
}

TEST_F(VolumeObjectTest, SetVolumeStaysWithinTheControlsBounds)
{
    UseDevices({Mixer({platform::MemorySource("Microphone", MIC, 2, {platform::MemoryVolume(2, 100, 900, 500, 0)})})});
    CVolumeInXXX v(0, 0);
    for (std::uint32_t outside : {99u, 901u, 0u, ALL_ONES}) {
        v.SetVolume(outside);
        EXPECT_EQ(Values(0, 0, 0), (std::vector<std::uint32_t>{500, 500})) << outside;
    }
    EXPECT_EQ(mixer.WriteCount(), 0u);
    v.SetVolume(100);
    EXPECT_EQ(Values(0, 0, 0), (std::vector<std::uint32_t>{100, 100}));
    v.SetVolume(900);
    EXPECT_EQ(Values(0, 0, 0), (std::vector<std::uint32_t>{900, 900}));
    EXPECT_EQ(v.GetVolume(), 900);
}

TEST_F(VolumeObjectTest, AllOnesIsAValueOnlyWhenTheMaximumIsAllOnes)
{
    UseDevices({Mixer({platform::MemorySource("Microphone", MIC, 1, {platform::MemoryVolume(1, 0, ALL_ONES, 7, 0)})})});
    CVolumeInXXX v(0, 0);
    v.SetVolume(ALL_ONES);
    EXPECT_EQ(Values(0, 0, 0), (std::vector<std::uint32_t>{ALL_ONES}));
}

TEST_F(VolumeObjectTest, MissingOrDisabledVolumeControlLeavesTheLineWithoutVolume)
{
    MemoryLine noControl = platform::MemorySource("Line In", LINE, 2, {});
    MemoryLine disabled = Source("Aux", OTHER, 400);
    disabled.controls[0].flags = platform::MIXERCONTROL_CONTROLF_DISABLED;
    UseDevices({Mixer({Source("Microphone", MIC), noControl, disabled},
                      {platform::MemoryMux({"Microphone", "Line In", "Aux"}, 0)})});

    for (std::uint32_t source : {1u, 2u}) {
        CVolumeInXXX v(0, source);
        EXPECT_TRUE(v.m_bLineFound) << source;
        EXPECT_EQ(g_pActiveVolume, &v);
        ExpectNothingAvailable(v);
        v.SetVolume(100);
        v.SelectAsRecordingSource();
    }
    EXPECT_EQ(Values(0, 2, 0), (std::vector<std::uint32_t>{400, 400}));
    EXPECT_EQ(Values(0, -1, 0), (std::vector<std::uint32_t>{1, 0, 0}));
    EXPECT_EQ(mixer.WriteCount(), 0u);
}

} // namespace
} // namespace tests
