// The settings kept between runs: every saved control comes back as it was left, a file
// that is missing or damaged gives the first-start state, and a value out of range is
// left out on its own.

#include "support/ScheduleFixture.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

using SavedSettings = ScheduleFixture;

namespace {
void WriteFile(const QString& path, const QByteArray& text)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}
} // namespace

TEST_F(SavedSettings, EveryControlComesBackAsItWasLeft)
{
    EXPECT_FALSE(QFileInfo::exists(CSavedSettings::FilePath())) << "nothing is written while nothing changes";
    PrepareWave(Path("kept.wav"), 2, 0);
    Choose(IDC_SAMPLE_RATE, 7);
    ClickOnPage(IDC_LEFT_CHANNEL);
    ClickOnPage(IDC_LINE_IN);
    ClickOnPage(IDC_NEW_FILE_EVERY);
    PageControl<QTimeEdit>(IDC_PART_LENGTH)->setTime(QTime(0, 10, 0));
    ClickOnPage(IDC_DATED_NAMES);
    ClickOnPage(IDC_MONITOR);
    PlanUntil(Local(2024, 7, 1, 6, 30, 0), Local(2024, 7, 2, 8, 15, 0));
    SetTime(IDC_DURATION, 1, 2, 3);
    auto* repeat = ScheduleControl<QComboBox>(IDC_REPEAT);
    repeat->setCurrentIndex(2);
    emit repeat->activated(2);
    EXPECT_TRUE(QFileInfo::exists(CSavedSettings::FilePath()));

    Reopen();
    Page().UpdateData(true);
    Schedule().UpdateData(true);
    EXPECT_EQ(Page().m_strFilePath, Path("kept.wav"));
    EXPECT_EQ(Page().m_nFileType, 1);
    EXPECT_EQ(PageControl<QComboBox>(IDC_DEVICE)->currentIndex(), int(COUNTER));
    EXPECT_EQ(Page().m_nDevice, int(COUNTER)) << "the engine records from it";
    EXPECT_EQ(Page().m_nSource, 1);
    EXPECT_EQ(Page().m_nChannelIndex, 2);
    EXPECT_FALSE(PageControl<QCheckBox>(IDC_LEFT_CHANNEL)->isChecked());
    EXPECT_TRUE(PageControl<QCheckBox>(IDC_RIGHT_CHANNEL)->isChecked());
    EXPECT_TRUE(PageEnabled(IDC_LEFT_CHANNEL));
    EXPECT_EQ(Page().m_nSampleRateIndex, 7);
    EXPECT_EQ(Page().m_nBitsIndex, 0);
    EXPECT_TRUE(PageControl<QCheckBox>(IDC_NEW_FILE_EVERY)->isChecked());
    EXPECT_EQ(Page().PartSeconds(), 600u);
    EXPECT_TRUE(PageControl<QCheckBox>(IDC_DATED_NAMES)->isChecked());
    EXPECT_FALSE(PageControl<QCheckBox>(IDC_MONITOR)->isChecked()) << "monitoring always starts clear";
    EXPECT_TRUE(Schedule().IsScheduleEnabled());
    EXPECT_TRUE(Schedule().IsStartTimeEnabled());
    EXPECT_TRUE(ScheduleControl(IDC_START_DATE)->isEnabled());
    EXPECT_EQ(Schedule().m_nRepeat, 2);
    EXPECT_EQ(Schedule().m_nEndMode, 1);
    EXPECT_EQ(platform::ComposeLocal(Schedule().m_timeStartDate, Schedule().m_timeStartTime), Local(2024, 7, 1, 6, 30, 0));
    EXPECT_EQ(platform::ComposeLocal(Schedule().m_timeEndDate, Schedule().m_timeEndTime), Local(2024, 7, 2, 8, 15, 0));
    EXPECT_EQ(platform::SecondsOfDay(Schedule().m_timeDuration), 3723);
    EXPECT_FALSE(window->IsTimerSet(IDT_START)) << "nothing was armed";
    EXPECT_EQ(Status(1), "");
}

TEST_F(SavedSettings, AValueOutOfRangeIsLeftOutOnItsOwn)
{
    const int startupDevice = PageControl<QComboBox>(IDC_DEVICE)->currentIndex();
    WriteFile(CSavedSettings::FilePath(), "[Record]\nFileName=/music/radio.mp3\nSampleRate=42\nBits=-1\n"
                                          "PartLength=00:00:00\nDevice=gone\nChannel=1\nNewFileEvery=maybe\n"
                                          "[Schedule]\nRepeat=9\nStartDate=2024-02-30\nEndTime=25:00:00\n"
                                          "EndAtTime=true\n");
    Reopen();
    Page().UpdateData(true);
    Schedule().UpdateData(true);
    EXPECT_EQ(Page().m_strFilePath, "/music/radio.mp3");
    EXPECT_EQ(Page().m_nChannelIndex, 1);
    EXPECT_EQ(Page().m_nSampleRateIndex, 4);
    EXPECT_EQ(Page().m_nBitsIndex, 1);
    EXPECT_EQ(PageControl<QTimeEdit>(IDC_PART_LENGTH)->time(), QTime(1, 0, 0));
    EXPECT_FALSE(PageControl<QCheckBox>(IDC_NEW_FILE_EVERY)->isChecked());
    EXPECT_EQ(PageControl<QComboBox>(IDC_DEVICE)->currentIndex(), startupDevice) << "the start-up choice";
    EXPECT_EQ(Schedule().m_nRepeat, 0);
    EXPECT_EQ(Schedule().m_nEndMode, 1);
    EXPECT_EQ(platform::ToLocal(Schedule().m_timeStartDate).day, 12);
    EXPECT_EQ(platform::SecondsOfDay(Schedule().m_timeEndTime), 0);
    EXPECT_EQ(Status(1), "");
}

// A damaged file gives the first-start state and says so once; the first change writes a
// new file in its place.
TEST_F(SavedSettings, ADamagedFileIsReplacedAtTheNextChange)
{
    WriteFile(CSavedSettings::FilePath(), "[Record\nFileType=1\nFileName=/music/radio.mp3\n");
    Reopen();
    Page().UpdateData(true);
    EXPECT_EQ(Status(1), "The saved settings could not be read; the first-start settings are shown");
    EXPECT_EQ(Page().m_nFileType, 0);
    EXPECT_TRUE(Page().m_strFilePath.isEmpty());
    QFile file(CSavedSettings::FilePath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("[Record\n")) << "left as it is until something changes";
    file.close();

    Choose(IDC_SAMPLE_RATE, 8);
    QSettings written(CSavedSettings::FilePath(), QSettings::IniFormat);
    EXPECT_EQ(written.status(), QSettings::NoError);
    EXPECT_EQ(written.value("Record/SampleRate").toString(), "8");
    EXPECT_EQ(written.value("Record/FileType").toString(), "0");
    Reopen();
    EXPECT_EQ(Status(1), "") << "told once";
    EXPECT_EQ(PageControl<QComboBox>(IDC_SAMPLE_RATE)->currentIndex(), 8);
}
