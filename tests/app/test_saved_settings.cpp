// The settings kept between runs: every saved control comes back as it was left.

#include "support/ScheduleFixture.h"

#include <QCheckBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QSpinBox>
#include <QSettings>

class SavedSettings : public ScheduleFixture {
protected:
    void Restart(const QByteArray& file)
    {
        QDir().mkpath(QFileInfo(CSavedSettings::FilePath()).path());
        QFile out(CSavedSettings::FilePath());
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(file);
        out.close();
        Reopen();
        Page().UpdateData(true);
        Schedule().UpdateData(true);
    }
    bool Checked(int id) { return PageControl<QCheckBox>(id)->isChecked(); }
};

TEST_F(SavedSettings, EveryControlComesBackAsItWasLeft)
{
    EXPECT_FALSE(QFileInfo::exists(CSavedSettings::FilePath())) << "nothing is written while nothing changes";
    PrepareWave(Path("kept.wav"), 2, 0);
    Choose(IDC_SAMPLE_RATE, 7);
    for (int id : {IDC_LEFT_CHANNEL, IDC_LINE_IN, IDC_NEW_FILE_EVERY, IDC_DATED_NAMES, IDC_MONITOR, IDC_SKIP_SILENCE,
                   IDC_FILE_PER_SOUND})
        ClickOnPage(id);
    PageControl<QSpinBox>(IDC_SILENCE_LEVEL)->setValue(-31);
    PageControl<QDoubleSpinBox>(IDC_SILENCE_AFTER)->setValue(1.5);
    PageControl<QTimeEdit>(IDC_PART_LENGTH)->setTime(QTime(0, 10, 0));
    PlanUntil(Local(2024, 7, 1, 6, 30, 0), Local(2024, 7, 2, 8, 15, 0));
    SetTime(IDC_DURATION, 1, 2, 3);
    ScheduleControl<QComboBox>(IDC_REPEAT)->setCurrentIndex(2);
    emit ScheduleControl<QComboBox>(IDC_REPEAT)->activated(2);

    Reopen();
    Page().UpdateData(true);
    Schedule().UpdateData(true);
    EXPECT_EQ((std::vector<int>{Page().m_nFileType, Page().m_nDevice, Page().m_nSource, Page().m_nChannelIndex,
                                Page().m_nSampleRateIndex, Page().m_nBitsIndex, int(Page().PartSeconds())}),
              (std::vector<int>{1, COUNTER, 1, 2, 7, 0, 600}));
    EXPECT_EQ(Page().m_strFilePath, Path("kept.wav"));
    EXPECT_EQ((std::vector<bool>{Checked(IDC_LEFT_CHANNEL), Checked(IDC_RIGHT_CHANNEL), Checked(IDC_DATED_NAMES),
                                 Checked(IDC_MONITOR), PageEnabled(IDC_LEFT_CHANNEL)}),
              (std::vector<bool>{false, true, true, false, true}))
        << "monitoring always starts clear";
    EXPECT_TRUE(Checked(IDC_SKIP_SILENCE) && Checked(IDC_FILE_PER_SOUND) && PageEnabled(IDC_SILENCE_AFTER));
    EXPECT_EQ(PageControl<QSpinBox>(IDC_SILENCE_LEVEL)->value(), -31);
    EXPECT_EQ(PageControl<QDoubleSpinBox>(IDC_SILENCE_AFTER)->value(), 1.5);
    EXPECT_TRUE(Schedule().IsScheduleEnabled() && Schedule().IsStartTimeEnabled());
    EXPECT_TRUE(ScheduleControl(IDC_REPEAT)->isEnabled());
    EXPECT_EQ((std::vector<int>{int(Schedule().m_nRepeat), int(Schedule().m_nEndMode),
                                int(platform::SecondsOfDay(Schedule().m_timeDuration))}),
              (std::vector<int>{2, 1, 3723}));
    EXPECT_EQ(platform::ComposeLocal(Schedule().m_timeStartDate, Schedule().m_timeStartTime), Local(2024, 7, 1, 6, 30, 0));
    EXPECT_EQ(platform::ComposeLocal(Schedule().m_timeEndDate, Schedule().m_timeEndTime), Local(2024, 7, 2, 8, 15, 0));
    EXPECT_FALSE(window->IsTimerSet(IDT_START)) << "nothing was armed";
}

// A value out of range is left out on its own; a damaged file gives the first-start state,
// is told once and is left as it is until the first change writes a new one in its place.
TEST_F(SavedSettings, BadValuesAndADamagedFile)
{
    const int startupDevice = Page().m_nDevice;
    Restart("[Record]\nFileName=/music/radio.mp3\nSampleRate=42\nBits=-1\nPartLength=00:00:00\nDevice=gone\n"
            "Channel=1\nNewFileEvery=maybe\nSilenceBelow=-5\nSilenceAfter=0.7\n[Schedule]\nRepeat=9\nStartDate=2024-02-30\nEndAtTime=true\n");
    EXPECT_EQ(Page().m_strFilePath, "/music/radio.mp3");
    EXPECT_EQ((std::vector<int>{Page().m_nChannelIndex, Page().m_nSampleRateIndex, Page().m_nBitsIndex,
                                Page().m_nDevice, int(Schedule().m_nRepeat), int(Schedule().m_nEndMode),
                                platform::ToLocal(Schedule().m_timeStartDate).day, int(Page().PartSeconds())}),
              (std::vector<int>{1, 4, 1, startupDevice, 0, 1, 12, 0}));
    EXPECT_EQ(PageControl<QTimeEdit>(IDC_PART_LENGTH)->time(), QTime(1, 0, 0));
    EXPECT_EQ(PageControl<QSpinBox>(IDC_SILENCE_LEVEL)->value(), -45);
    EXPECT_EQ(PageControl<QDoubleSpinBox>(IDC_SILENCE_AFTER)->value(), 3.0) << "0.7 s is no step of the box";
    EXPECT_EQ(Status(1), "");

    Restart("[Record\nFileType=1\nFileName=/music/radio.mp3\n");
    EXPECT_EQ(Status(1), "The saved settings could not be read; the first-start settings are shown");
    EXPECT_EQ(Page().m_nFileType, 0);
    EXPECT_TRUE(Page().m_strFilePath.isEmpty());
    Choose(IDC_SAMPLE_RATE, 8);
    EXPECT_EQ(QSettings(CSavedSettings::FilePath(), QSettings::IniFormat).value("Record/FileType").toString(), "0");
    Reopen();
    EXPECT_EQ(Status(1), "");
    EXPECT_EQ(PageControl<QComboBox>(IDC_SAMPLE_RATE)->currentIndex(), 8);
}
