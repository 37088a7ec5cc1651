// A scheduled recording on the real clock against the private sound server: it starts by
// itself 3 s ahead and stops by itself 2 s later, and the file holds those 2 s. Then the wall
// clock is set ahead past a start that waits, which is made at once.

#include "ServerFixture.h"
#include "WindowControls.h"
#include "app/ControlIds.h"
#include "app/MainWindowPointer.h"
#include "app/TessavoxDlg.h"
#include "platform/Clock.h"
#include "platform/ControlId.h"
#include "platform/LocalTime.h"
#include "support/WaveFile.h"

#include <QDateEdit>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>
#include <QTimeEdit>

class ScheduleServerTest : public ServerFixture {
protected:
    // The window records the sine source into file, 44100 Hz stereo WAV, starting 3 s
    // ahead for 2 s, repeated as the "Repeat:" entry says, named by its start if dated.
    std::int64_t PlanInThreeSeconds(CTessavoxDlg& window, const QString& file, int repeat = 0, bool dated = false)
    {
        const std::uint32_t sine = CaptureDeviceNamed(QStringLiteral("sine"));
        EXPECT_NE(sine, WAVE_MAPPER) << "the private server has no sine source";
        SetMainWindow(&window);
        window.Create();
        CDialogRecord& page = window.m_pageRecord;
        CDialogSchedule& schedule = window.m_pageSchedule;
        Choose(page, IDC_DEVICE, static_cast<int>(sine));
        Choose(page, IDC_FILE_TYPE, 1);
        Choose(page, IDC_CHANNEL, 1);
        Choose(page, IDC_SAMPLE_RATE, 7);
        platform::FindControl<QLineEdit>(&page, IDC_FILE_PATH)->setText(file);
        // Record sets the window's second ticks going: a tenth of a second into a second, so
        // that a tick the machine makes late still falls in its own second, and a take of 2 s
        // is not ended a tick early.
        const std::int64_t now = platform::CurrentTime();
        EXPECT_TRUE(QTest::qWaitFor([&] { return platform::CurrentTime() != now; }, 1100));
        QTest::qWait(100);
        const std::int64_t start = platform::CurrentTime() + 3;
        const platform::LocalParts at = platform::ToLocal(start);
        Click(&schedule, IDC_SCHEDULE_ENABLE);
        Click(&schedule, IDC_SCHEDULE_START);
        platform::FindControl<QDateEdit>(&schedule, IDC_START_DATE)->setDate(QDate(at.year, at.month, at.day));
        platform::FindControl<QTimeEdit>(&schedule, IDC_START_TIME)->setTime(QTime(at.hour, at.minute, at.second));
        platform::FindControl<QTimeEdit>(&schedule, IDC_DURATION)->setTime(QTime(0, 0, 2));
        Choose(schedule, IDC_REPEAT, repeat);
        if (dated)
            Click(&page, IDC_DATED_NAMES);
        Click(&window, IDC_RECORD);
        return start;
    }

    struct ForgetWindow {
        ~ForgetWindow() { SetMainWindow(nullptr); }
    } forget;
};

TEST_F(ScheduleServerTest, StartsThreeSecondsAheadAndRecordsTwo)
{
    const QString file = Path("scheduled.wav");
    CTessavoxDlg window;
    const std::int64_t start = PlanInThreeSeconds(window, file);
    CDialogRecord& page = window.m_pageRecord;
    CDialogSchedule& schedule = window.m_pageSchedule;
    EXPECT_EQ(window.m_statusBar.Text(1), "Your recording will be started at " +
                                              platform::FormatLocal(start, "%Y-%m-%d %H:%M:%S"));

    CAudioPlayRec& engine = page.m_engine;
    ASSERT_TRUE(QTest::qWaitFor([&] { return engine.m_nStatus == STATUS_RECORDING; }, 6000));
    QElapsedTimer recording;
    recording.start();
    EXPECT_GE(platform::CurrentTime(), start) << "not before its second";
    EXPECT_EQ(window.m_statusBar.Text(0), "Recording");
    EXPECT_EQ(window.m_statusBar.Text(1), file);
    ASSERT_TRUE(QTest::qWaitFor([&] { return engine.m_nStatus != STATUS_RECORDING; }, 6000));
    const double seconds = static_cast<double>(recording.nsecsElapsed()) / 1e9;
    EXPECT_EQ(window.m_statusBar.Text(0), "Stopped");
    EXPECT_NEAR(seconds, 2.0, 0.5) << "stopped by its own countdown";
    ASSERT_TRUE(QTest::qWaitFor([&] { return engine.m_nStatus == STATUS_READY; }, 5000));

    EXPECT_TRUE(messages.Messages().empty()) << messages.Texts().front().toStdString();
    const auto wave = ReadRecordedWave(file);
    ASSERT_TRUE(wave) << "not a WAV file as the recorder writes them";
    // One ring of eight 4096-byte buffers may still be on its way when the stop comes.
    const double ring = 8 * 4096.0 / (44100 * 4);
    EXPECT_NEAR(wave->dataSize / 4.0 / 44100.0, seconds, ring + 0.1);
    EXPECT_NEAR(wave->dataSize / 4.0 / 44100.0, 2.0, 0.5);

    // A start 60 s away, the clock set 90 s ahead: the start comes at the next tick, late,
    // not a minute on, and ends at its end time, 2 or 3 s on as the clock then showed. The
    // first take is kept: this one goes beside it.
    const QString second = Path("scheduled (2).wav");
    platform::ShiftedClock clock;
    const std::int64_t due = platform::CurrentTime() + 60;
    const platform::LocalParts d = platform::ToLocal(due), e = platform::ToLocal(due + 33);
    platform::FindControl<QDateEdit>(&schedule, IDC_START_DATE)->setDate(QDate(d.year, d.month, d.day));
    platform::FindControl<QTimeEdit>(&schedule, IDC_START_TIME)->setTime(QTime(d.hour, d.minute, d.second));
    Click(&schedule, IDC_END_AT_TIME);
    platform::FindControl<QDateEdit>(&schedule, IDC_END_DATE)->setDate(QDate(e.year, e.month, e.day));
    platform::FindControl<QTimeEdit>(&schedule, IDC_END_TIME)->setTime(QTime(e.hour, e.minute, e.second));
    Click(&window, IDC_RECORD);
    clock.Jump(90);
    const std::int64_t jumped = platform::CurrentTime();
    ASSERT_TRUE(QTest::qWaitFor([&] { return engine.m_nStatus == STATUS_RECORDING; }, 2000));
    EXPECT_EQ(window.m_statusBar.Text(1),
              second + " (started late: it was due at " + platform::FormatLocal(due, "%Y-%m-%d %H:%M:%S") + ")");
    EXPECT_LE(platform::CurrentTime(), jumped + 2) << "started at the first tick after the jump";
    recording.restart();
    ASSERT_TRUE(QTest::qWaitFor([&] { return engine.m_nStatus != STATUS_RECORDING; }, 6000));
    const double late = static_cast<double>(recording.nsecsElapsed()) / 1e9;
    EXPECT_GE(platform::CurrentTime(), due + 33) << "not before its end";
    EXPECT_LE(platform::CurrentTime(), due + 34) << "at most a tick after it";
    ASSERT_TRUE(QTest::qWaitFor([&] { return engine.m_nStatus == STATUS_READY; }, 5000));
    // How long depends on where in its second the clock was when the start was set.
    EXPECT_NEAR(ReadRecordedWave(second).value().dataSize / 4.0 / 44100.0, late, ring + 0.1);
    EXPECT_EQ(ReadRecordedWave(file).value().dataSize, wave->dataSize);
}

// A routine "Every day" of 2 s takes named by their starts: the first 3 s ahead, then the
// wall clock set to just before the next day's start, which is made by itself too.
TEST_F(ScheduleServerTest, ADailyRoutineNamesEachTakeByItsStart)
{
    platform::ShiftedClock clock;
    CTessavoxDlg window;
    const platform::LocalParts at = platform::ToLocal(PlanInThreeSeconds(window, Path("daily.wav"), 1, true));
    CAudioPlayRec& engine = window.m_pageRecord.m_engine;
    const auto day = [&](int n) {
        return platform::FromLocal({at.year, at.month, at.day + n, at.hour, at.minute, at.second});
    };
    for (int n = 0; n < 2; ++n) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return engine.m_nStatus == STATUS_RECORDING; }, 6000));
        EXPECT_GE(platform::CurrentTime(), day(n));
        ASSERT_TRUE(QTest::qWaitFor([&] { return engine.m_nStatus == STATUS_READY; }, 8000));
        EXPECT_EQ(window.m_statusBar.Text(1),
                  "Your recording will be started at " + platform::FormatLocal(day(n + 1), "%Y-%m-%d %H:%M:%S"));
        const auto wave = ReadRecordedWave(Path("daily" + platform::FormatLocal(day(n), "_%Y-%m-%d_%H-%M-%S") + ".wav"));
        ASSERT_TRUE(wave) << "a take named by its start";
        EXPECT_NEAR(wave->dataSize / 4.0 / 44100.0, 2.0, 0.5);
        // The next day, two seconds before its start.
        if (n == 0)
            clock.Jump(day(1) - 2 - platform::CurrentTime());
    }
    EXPECT_TRUE(messages.Messages().empty()) << messages.Texts().front().toStdString();
}
