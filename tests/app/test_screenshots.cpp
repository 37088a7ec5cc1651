// Renders the main window on each tab, and during a recording, to PNG files in the build
// folder (screenshots/), so a reviewer can look at the window without running it.

#include "platform/Clock.h"
#include "support/WindowFixture.h"

#include <QDir>
#include <QPixmap>

using Screenshots = WindowFixture;

namespace {
bool Save(QWidget* window, const QString& name)
{
    QDir().mkpath(QStringLiteral(SCREENSHOT_DIR));
    return window->grab().save(QStringLiteral(SCREENSHOT_DIR "/") + name);
}
} // namespace

TEST_F(Screenshots, MainWindowOnEachTabAndRecording)
{
    window->show();
    const char* const names[] = {"main-record.png", "main-schedule.png", "main-about.png"};
    for (int tab = 0; tab < 3; ++tab) {
        window->m_tab.setCurrentIndex(tab);
        EXPECT_TRUE(Save(window.get(), names[tab])) << names[tab];
    }
    window->m_tab.setCurrentIndex(1);
    for (int box : {IDC_SCHEDULE_ENABLE, IDC_SCHEDULE_START})
        platform::FindControl<QAbstractButton>(&window->m_pageSchedule, box)->click();
    EXPECT_TRUE(Save(window.get(), "main-schedule-enabled.png"));
    for (int box : {IDC_SCHEDULE_ENABLE, IDC_SCHEDULE_START})
        platform::FindControl<QAbstractButton>(&window->m_pageSchedule, box)->click();

    window->m_tab.setCurrentIndex(0);
    Choose(IDC_FILE_TYPE, 1);
    Choose(IDC_CHANNEL, 1);
    Choose(IDC_SAMPLE_RATE, 7);
    TypePath(QDir(dir.path()).filePath("interview.wav"));
    // A second of sound, with the trace and the meters moving frame by frame.
    platform::ManualClock clock(0);
    Click(IDC_RECORD);
    for (int step = 0; step < 100; ++step) {
        Feed(441);
        clock.Advance(10);
    }
    for (int i = 0; i < 83; ++i)
        window->OnTimer(IDT_ELAPSED);
    EXPECT_TRUE(Save(window.get(), "main-recording.png"));
    Click(IDC_STOP);
    Pump();
}
