// Which source lines become the engine's microphone and line input when a device is chosen.

#include "MixerFixture.h"

namespace tests {
namespace {

class SourceMatchingTest : public MixerTest {
protected:
    // Chooses device 0 with these sources, starting from the given engine values.
    void SelectWith(std::vector<MemoryLine> sources, std::uint32_t mic = 77, std::uint32_t line = 88)
    {
        UseDevices({Mixer(std::move(sources))});
        engine.m_nMicSource = mic;
        engine.m_nLineSource = line;
        engine.SelectDevice(0);
        EXPECT_EQ(engine.m_nDeviceID, 0u);
    }
};

TEST_F(SourceMatchingTest, NameOrComponentTypeFindsEachInput)
{
    // By name in any letter case, whatever the component type says.
    SelectWith({Source("CD", OTHER), Source("Front MICROPHONE", OTHER), Source("Rear Line IN", OTHER)});
    EXPECT_EQ(engine.m_nMicSource, 1u);
    EXPECT_EQ(engine.m_nLineSource, 2u);

    // By component type alone, whatever the name.
    SelectWith({Source("Input 1", LINE), Source("Input 2", MIC)});
    EXPECT_EQ(engine.m_nMicSource, 1u);
    EXPECT_EQ(engine.m_nLineSource, 0u);

    // "line" alone is not "line in".
    SelectWith({Source("Line", OTHER), Source("Linein", OTHER)});
    EXPECT_EQ(engine.m_nLineSource, 88u);
}

TEST_F(SourceMatchingTest, ANameWithBothWordsIsOnlyTheMicrophone)
{
    SelectWith({Source("Microphone / Line In", OTHER)});
    EXPECT_EQ(engine.m_nMicSource, 0u);
    EXPECT_EQ(engine.m_nLineSource, 88u);

    // The microphone test also wins over a line component type.
    SelectWith({Source("Other", OTHER), Source("Headset microphone", LINE)});
    EXPECT_EQ(engine.m_nMicSource, 1u);
    EXPECT_EQ(engine.m_nLineSource, 88u);
}

TEST_F(SourceMatchingTest, TheLastMatchWins)
{
    SelectWith({Source("Microphone", MIC), Source("Line In", LINE), Source("Rear Microphone", OTHER),
                Source("Aux", LINE)});
    EXPECT_EQ(engine.m_nMicSource, 2u);
    EXPECT_EQ(engine.m_nLineSource, 3u);
}

TEST_F(SourceMatchingTest, ValuesStayWhenNothingMatchesOrTheWalkFails)
{
    SelectWith({Source("CD", OTHER), Source("Aux", OTHER)});
    EXPECT_EQ(engine.m_nMicSource, 77u);
    EXPECT_EQ(engine.m_nLineSource, 88u);

    // No destination, a device that cannot be probed, a mixer that cannot be opened, and
    // a device number past the last: the walk fails and the engine keeps what it had.
    MemoryMixerDevice noDestination = Mixer({Source("Microphone", MIC)});
    noDestination.destination.reset();
    MemoryMixerDevice probeFails = Mixer({Source("Microphone", MIC)});
    probeFails.probeFails = true;
    MemoryMixerDevice openFails = Mixer({Source("Microphone", MIC)});
    openFails.openFails = true;
    UseDevices({noDestination, probeFails, openFails});
    for (std::uint32_t device : {0u, 1u, 2u, 3u}) {
        engine.SelectDevice(device);
        EXPECT_EQ(engine.m_nMicSource, 77u) << device;
        EXPECT_EQ(engine.m_nDeviceID, device);
    }
}

TEST_F(SourceMatchingTest, WalkVisitsEveryLineInOrderUntilTheCallbackStops)
{
    UseDevices({Mixer({Source("A", OTHER), Source("B", MIC), Source("C", LINE)})});
    struct Walk {
        std::vector<std::pair<std::uint32_t, QString>> seen;
        std::size_t stopAfter = 99;
    } walk;
    const MixerSourceProc record = [](std::uint32_t i, const platform::MIXERLINE& line, void* context) {
        auto* w = static_cast<Walk*>(context);
        w->seen.emplace_back(i, line.szShortName);
        return w->seen.size() < w->stopAfter;
    };
    EXPECT_TRUE(EnumerateInputSources(0, record, &walk));
    ASSERT_EQ(walk.seen.size(), 3u);
    EXPECT_EQ(walk.seen[1], std::make_pair(1u, QStringLiteral("B")));

    walk = Walk{{}, 2};
    EXPECT_TRUE(EnumerateInputSources(0, record, &walk));
    EXPECT_EQ(walk.seen.size(), 2u);

    // The default device is whichever the mixer says; device numbers past the end fail.
    walk = Walk{};
    EXPECT_TRUE(EnumerateInputSources(platform::DEFAULT_WAVEIN, record, &walk));
    EXPECT_EQ(walk.seen.size(), 3u);
    EXPECT_FALSE(EnumerateInputSources(1, record, &walk));

    // A destination without sources is walked, with nothing to visit.
    UseDevices({Mixer({})});
    walk = Walk{};
    EXPECT_TRUE(EnumerateInputSources(0, record, &walk));
    EXPECT_TRUE(walk.seen.empty());
}

TEST_F(SourceMatchingTest, VirtualDevicesHaveAMicrophoneAndALineInput)
{
    audio.SetDevices(platform::Direction::Capture, {{QStringLiteral("Virtual Sine")}});
    engine.SelectDevice(0);
    EXPECT_EQ(engine.m_nMicSource, 0u);
    EXPECT_EQ(engine.m_nLineSource, 1u);
    EXPECT_EQ(GetWaveInDeviceName(0), QStringLiteral("Virtual Sine"));
    EXPECT_EQ(GetWaveInDeviceName(1), QString());
}

} // namespace
} // namespace tests
