// The meters beside the trace as assistive tools and the keyboard meet them: their names,
// the level through the value interface, and clip flags that a clipped take lights and
// only the user or a new recording clears.

#include "engine/ClipFlag.h"
#include "engine/LevelMeter.h"
#include "platform/Clock.h"
#include "support/WindowFixture.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QTest>

#include <tuple>

namespace {

class LevelMeters : public WindowFixture {
protected:
    void SetUp() override
    {
        // Two tenths of a second at full scale, then silence.
        audio.SetDevices(platform::Direction::Capture,
                         {{.name = QStringLiteral("Hot"), .amplitude = 1.0, .soundFrames = 4410}});
        ASSERT_NO_FATAL_FAILURE(WindowFixture::SetUp());
        window->show();
        Choose(IDC_DEVICE, 0);
        Choose(IDC_FILE_TYPE, 1);
        Choose(IDC_SAMPLE_RATE, 7);
        TypePath(Path("hot.wav"));
    }

    // A recording of steps hundredths of a second, as a manual clock lets time pass.
    void Record(int steps)
    {
        Click(IDC_RECORD);
        for (int step = 0; step < steps; ++step) {
            audio.Advance(441);
            Pump();
            clock.Advance(10);
        }
    }

    static QAccessibleInterface* Accessible(QWidget* w) { return QAccessible::queryAccessibleInterface(w); }
    static bool Lit(QWidget* flag) { return Accessible(flag)->state().checked; }

    platform::ManualClock clock{0};
};

} // namespace

// Named meters give their level, -60 in silence; a clipped take lights the named flags
// until the user (a click, or Space) or a new recording clears them, and Stop does not.
TEST_F(LevelMeters, MetersGiveTheirLevelAndClipFlagsStayLitUntilCleared)
{
    QWidget* left = Main(IDC_CLIP_LEFT);
    QWidget* right = Main(IDC_CLIP_RIGHT);
    for (const auto& [id, flag, name] : {std::tuple(IDC_LEVEL_LEFT, left, "Left"), std::tuple(IDC_LEVEL_RIGHT, right, "Right")}) {
        QAccessibleInterface* meter = Accessible(Main(id));
        EXPECT_EQ(meter->text(QAccessible::Name), QStringLiteral("%1 level").arg(name));
        QAccessibleValueInterface* value = meter->valueInterface();
        ASSERT_NE(value, nullptr) << name;
        EXPECT_EQ(value->minimumValue().toDouble(), -60.0);
        EXPECT_EQ(value->maximumValue().toDouble(), 0.0);
        EXPECT_EQ(value->currentValue().toDouble(), -60.0) << "silence before any sound";
        EXPECT_EQ(Accessible(flag)->text(QAccessible::Name), QStringLiteral("%1 clipped").arg(name));
        EXPECT_TRUE(Accessible(flag)->state().checkable);
        EXPECT_FALSE(Lit(flag));
    }
    Record(100); // full scale for its first fifth
    EXPECT_TRUE(Lit(left));
    EXPECT_TRUE(Lit(right));
    Click(IDC_STOP);
    Pump();
    EXPECT_TRUE(Lit(left)) << "the take clipped: it still says so after Stop";
    EXPECT_EQ(Accessible(Main(IDC_LEVEL_RIGHT))->valueInterface()->currentValue().toDouble(), -60.0);

    Click(IDC_RECORD);
    EXPECT_FALSE(Lit(left)) << "a new recording starts clear";
    Click(IDC_STOP);
    Pump();
    Record(10);
    EXPECT_NEAR(Accessible(Main(IDC_LEVEL_LEFT))->valueInterface()->currentValue().toDouble(), 0.0, 0.05);
    EXPECT_TRUE(Main<CLevelMeter>(IDC_LEVEL_LEFT)->ToolTipText().contains(QStringLiteral("0.0 dBFS")));
    Click(IDC_STOP);
    Pump();

    // A click clears a flag and never lights one; so does Space where it has the focus.
    Main<QAbstractButton>(IDC_CLIP_LEFT)->click();
    EXPECT_FALSE(Lit(left));
    Main<QAbstractButton>(IDC_CLIP_LEFT)->click();
    EXPECT_FALSE(Lit(left));
    right->setFocus();
    QTest::keyClick(right, Qt::Key_Space);
    EXPECT_FALSE(Lit(right));
    EXPECT_TRUE(messages.Messages().empty());
}
