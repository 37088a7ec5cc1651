// The main window as start-up leaves it, its tabs and the Enter key.

#include "support/WindowFixture.h"

#include <QKeyEvent>
#include <QTest>

#include <functional>

using MainWindow = WindowFixture;

TEST_F(MainWindow, StartsIdleWithZeroTimeAndSize)
{
    EXPECT_EQ(window->windowTitle(), "Tessavox");
    EXPECT_EQ(window->m_statusBar.Text(0), "Idle");
    EXPECT_EQ(window->m_statusBar.Text(1), "");
    EXPECT_EQ(MainText(IDC_TIME), "Time: 00:00:00");
    EXPECT_EQ(MainText(IDC_SIZE), "Size: 0KB");
    EXPECT_EQ(MainText(IDC_PAUSE), "Pause");
    for (int id : {IDC_RECORD, IDC_PAUSE, IDC_STOP, IDC_PLAY, IDC_HELP})
        EXPECT_TRUE(Enabled(id)) << id;
    EXPECT_EQ(window->m_nSampleRate, 22050);
    EXPECT_EQ(window->m_nBitsPerSample, 16);
    EXPECT_EQ(window->m_tElapsed, 0);
    for (int id : {IDT_END_DURATION, IDT_END_TIME, IDT_START, IDT_ELAPSED})
        EXPECT_FALSE(window->IsTimerSet(id)) << id;
    EXPECT_FALSE(window->windowIcon().isNull());
}

TEST_F(MainWindow, EachTabShowsItsOwnPage)
{
    ASSERT_EQ(window->m_tab.count(), 3);
    EXPECT_EQ(window->m_tab.tabText(0), "Record");
    EXPECT_EQ(window->m_tab.tabText(1), "Schedule");
    EXPECT_EQ(window->m_tab.tabText(2), "About");
    window->show();
    EXPECT_EQ(window->m_tab.currentIndex(), 0);
    EXPECT_TRUE(Page().isVisible());

    const auto onlyVisible = [&](QWidget* page) {
        for (QWidget* p : {static_cast<QWidget*>(&window->m_pageRecord), static_cast<QWidget*>(&window->m_pageSchedule),
                           static_cast<QWidget*>(&window->m_pageAbout)})
            EXPECT_EQ(p->isVisible(), p == page);
    };
    window->m_tab.setCurrentIndex(1);
    onlyVisible(&window->m_pageSchedule);
    window->m_tab.setCurrentIndex(2);
    onlyVisible(&window->m_pageAbout);
    window->m_tab.setCurrentIndex(0);
    onlyVisible(&window->m_pageRecord);
}

TEST_F(MainWindow, ControlIdsBelongToTheirOwnWindow)
{
    EXPECT_EQ(platform::FindControl(window.get(), IDC_FILE_PATH), nullptr) << "a page's control is not the window's";
    EXPECT_NE(platform::FindControl(&Page(), IDC_FILE_PATH), nullptr);
    EXPECT_EQ(platform::FindControl(&Page(), IDC_RECORD), nullptr);
}

TEST_F(MainWindow, EnterOutsideAButtonClosesTheWindowAsOk)
{
    window->show();
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(PageControl(IDC_FILE_PATH), &enter);
    EXPECT_EQ(window->result(), QDialog::Accepted);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindow, EscapeClosesTheWindowWithoutStoppingAnything)
{
    PrepareWave(Path("esc.wav"));
    window->show();
    Click(IDC_RECORD);
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(Engine().m_nStatus, STATUS_RECORDING);
}
