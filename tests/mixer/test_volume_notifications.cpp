// A volume object kept alive is told when its volume control changes.

#include "MixerFixture.h"

#include <QCoreApplication>
#include <QTest>

namespace tests {
namespace {

struct Heard {
    std::int32_t volume;
    std::uint32_t user;
};
std::vector<Heard> g_heard;

void Listen(std::int32_t volume, std::uint32_t user)
{
    g_heard.push_back({volume, user});
}

class VolumeNotificationTest : public MixerTest {
protected:
    void SetUp() override
    {
        MixerTest::SetUp();
        g_heard.clear();
        UseDevices({Mixer({Source("Microphone", MIC, 100), Source("Line In", LINE, 200)},
                          {platform::MemorySwitch(platform::MIXERCONTROL_CONTROLTYPE_MUTE, 2, false)})});
    }
};

TEST_F(VolumeNotificationTest, ChangesOfTheVolumeReachTheCallbackOnTheUiThread)
{
    CVolumeInXXX v(0, 1);
    v.SetChangeCallback(&Listen, 42);
    mixer.SetFromOutside(0, 1, 0, {640, 320});
    // Posted, not called from inside the change.
    EXPECT_TRUE(g_heard.empty());
    QTRY_COMPARE(g_heard.size(), 1u);
    EXPECT_EQ(g_heard[0].volume, 640);
    EXPECT_EQ(g_heard[0].user, 42u);

    // Our own change is a change like any other.
    v.SetVolume(700);
    QTRY_COMPARE(g_heard.size(), 2u);
    EXPECT_EQ(g_heard[1].volume, 700);
}

TEST_F(VolumeNotificationTest, OtherControlsAndClosedObjectsAreNotHeard)
{
    {
        CVolumeInXXX v(0, 1);
        v.SetChangeCallback(&Listen, 1);
        mixer.SetFromOutside(0, 0, 0, {5, 5});  // the other source's volume
        mixer.SetFromOutside(0, -1, 0, {1, 1}); // the mute
        QCoreApplication::sendPostedEvents();
        EXPECT_TRUE(g_heard.empty());
        mixer.SetFromOutside(0, 1, 0, {9, 9});
    }
    // The object went before its notification was delivered.
    QCoreApplication::sendPostedEvents();
    EXPECT_TRUE(g_heard.empty());

    // Without a callback a change is read and dropped.
    CVolumeInXXX quiet(0, 1);
    mixer.SetFromOutside(0, 1, 0, {9, 9});
    QCoreApplication::sendPostedEvents();
    EXPECT_TRUE(g_heard.empty());
}

} // namespace
} // namespace tests
