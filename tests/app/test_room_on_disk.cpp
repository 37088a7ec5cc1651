// The room on the disk: the Record page's label as the controls change, a scheduled take
// that will not fit (asked about when armed by the user, told when a routine arms it), and
// a take ended while its files can still be finished, on a disk that stands in for the real
// one; and the same end on a small real file system.

#include "app/RoomOnDisk.h"
#include "platform/FreeSpace.h"
#include "support/ScheduleFixture.h"
#include "support/SmallDisk.h"
#include "support/WaveFile.h"

#include <QButtonGroup>
#include <QLabel>

namespace {

// A second of 22050 Hz 16-bit mono WAV, the page's first settings once PrepareWave has run.
constexpr std::uint64_t WAVE_SECOND = 44100;
const QString STARTS = QStringLiteral("Your recording will be started at ");
const QString NEARLY_FULL = QStringLiteral("Stopped: the disk is nearly full");

QString NoRoom(const char* from, const char* to, const char* room)
{
    return QStringLiteral("The recording planned from %1 to %2 will not fit on the disk: there is room for %3.")
        .arg(QLatin1String(from), QLatin1String(to), QLatin1String(room));
}

QString Asked(const QString& noRoom)
{
    return noRoom + QStringLiteral("\nDo you want to schedule it anyway?");
}

} // namespace

TEST(RoomText, RoundedDownInTheLargestUnitsThatSayIt)
{
    const std::pair<std::int64_t, const char*> cases[] = {
        {0, "less than a minute"},   {59, "less than a minute"},      {60, "about 1 min"},
        {3599, "about 59 min"},      {3600, "about 1 h"},             {12000, "about 3 h 20 min"},
        {86399, "about 23 h 59 min"}, {86400, "about 1 day"},         {90000, "about 1 day 1 h"},
        {172800, "about 2 days"},    {190800 + 3599, "about 2 days 5 h"},
    };
    for (const auto& [seconds, text] : cases)
        EXPECT_EQ(RoomText(seconds), QLatin1String(text)) << seconds;
}

class RoomOnDisk : public ScheduleFixture {
protected:
    QLabel* RoomLabel() { return PageControl<QLabel>(IDC_ROOM); }
    QString Room() { return RoomLabel()->text(); }

    // The repeat entry, the first start, each take's length in seconds.
    void PlanRoutine(int repeat, std::int64_t start, int seconds)
    {
        Plan(start, seconds);
        auto* list = ScheduleControl<QComboBox>(IDC_REPEAT);
        list->setCurrentIndex(repeat);
        emit list->activated(repeat);
    }

    // Records seconds of sound, a second at a time, the window's timer ticking.
    void RecordFor(int seconds)
    {
        for (int i = 0; i < seconds && Engine().m_nStatus == STATUS_RECORDING; ++i) {
            Feed(22050);
            Wait(1);
        }
    }

    platform::ManualFreeSpace space{WAVE_SECOND * 12000 + 1000};
};

// Free space for 3 h 20 min of the first settings; each control a second of sound depends
// on changes the figure, and the folder measured is the typed name's, made or not.
TEST_F(RoomOnDisk, TheLabelFollowsTheFolderFormatRateWidthAndChannels)
{
    EXPECT_EQ(RoomLabel()->accessibleName(), "Room");
    PrepareWave(Path("take.wav"));
    EXPECT_EQ(Room(), "Room for about 3 h 20 min");
    EXPECT_EQ(space.LastFolder(), dir.path());
    Choose(IDC_CHANNEL, 1);
    EXPECT_EQ(Room(), "Room for about 1 h 40 min") << "stereo";
    Choose(IDC_CHANNEL, 2);
    EXPECT_EQ(Room(), "Room for about 1 h 40 min") << "two files of one channel";
    ClickOnPage(IDC_RIGHT_CHANNEL);
    EXPECT_EQ(Room(), "Room for about 3 h 20 min") << "the left channel's file alone";
    Choose(IDC_BITS, 0);
    EXPECT_EQ(Room(), "Room for about 6 h 40 min");
    Choose(IDC_SAMPLE_RATE, 8);
    EXPECT_EQ(Room(), "Room for about 3 h 3 min") << "48000 Hz";
    const std::pair<const char*, const char*> formats[] = {
        {"new/folder/take.FLAC", "Room for about 4 h 42 min"},
        {"take.mp3", "Room for about 9 h 11 min"},
    };
    for (const auto& [name, text] : formats) {
        TypePath(Path(name));
        EXPECT_EQ(Room(), QLatin1String(text)) << name;
    }
    EXPECT_EQ(space.LastFolder(), dir.path());
    TypePath(Path("new/folder/take.wav"));
    EXPECT_EQ(space.LastFolder(), Path("new/folder"));
    space.Set(47999);
    TypePath(Path("take.wav"));
    EXPECT_EQ(Room(), "Room for less than a minute");
    space.Set(std::nullopt);
    TypePath(Path("elsewhere.wav"));
    EXPECT_EQ(Room(), "") << "a disk that cannot say shows nothing";
    space.Set(std::uint64_t{48000} * 190800);
    TypePath(QString());
    EXPECT_EQ(Room(), "") << "no name, no folder";
    TypePath(Path("take.wav"));
    EXPECT_EQ(Room(), "Room for about 2 days 5 h");
}

// Armed with Record: one that will not fit is asked about; No leaves things as they were
// (nothing armed, or the start already waiting), Yes arms it. It must leave the minute a
// recording is ended at; one with no planned end is not asked about.
TEST_F(RoomOnDisk, ArmingATakeThatWillNotFitAsksFirst)
{
    PrepareWave(Path("long.wav"));
    space.Set(WAVE_SECOND * 3600);
    Plan(Local(2024, 6, 12, 10, 0, 0), 2 * 3600);
    Click(IDC_RECORD);
    EXPECT_EQ(messages.Texts(), std::vector<QString>{Asked(NoRoom("2024-06-12 10:00:00", "2024-06-12 12:00:00",
                                                                  "about 1 h"))});
    EXPECT_FALSE(window->IsTimerSet(IDT_START));
    EXPECT_EQ(Status(1), "");

    messages.AnswerQuestions(true);
    Click(IDC_RECORD);
    EXPECT_EQ(messages.Texts().size(), 2u);
    EXPECT_TRUE(window->IsTimerSet(IDT_START));
    EXPECT_EQ(Status(1), STARTS + "2024-06-12 10:00:00");

    messages.AnswerQuestions(false);
    SetTime(IDC_START_TIME, 10, 30, 0);
    Click(IDC_RECORD);
    EXPECT_EQ(messages.Texts().size(), 3u);
    EXPECT_EQ(Status(1), STARTS + "2024-06-12 10:00:00") << "No keeps the start that waits";
    EXPECT_EQ(window->m_nCountdown, 59);

    messages.Clear();
    for (const int seconds : {3540, 3541}) {
        SetTime(IDC_DURATION, 0, seconds / 60, seconds % 60);
        Click(IDC_RECORD);
    }
    EXPECT_EQ(messages.Texts(), std::vector<QString>{Asked(NoRoom("2024-06-12 10:30:00", "2024-06-12 11:29:01",
                                                                  "about 1 h"))});
    EXPECT_EQ(Status(1), STARTS + "2024-06-12 10:30:00") << "the take that fits is armed";

    // Without an end, the take runs until Stop: there is nothing to measure.
    messages.Clear();
    auto* duration = ScheduleControl<QAbstractButton>(IDC_END_AFTER_DURATION);
    duration->group()->setExclusive(false);
    duration->setChecked(false);
    space.Set(0);
    SetTime(IDC_START_TIME, 10, 45, 0);
    Click(IDC_RECORD);
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_EQ(Status(1), STARTS + "2024-06-12 10:45:00");
}

// The schedule of the last run, armed again at start-up, is asked about as well: declined,
// it is not armed, and not asked about again.
TEST_F(RoomOnDisk, AScheduleArmedAgainAtStartUpAsksFirst)
{
    PrepareWave(Path("kept.wav"));
    Plan(Local(2024, 6, 12, 10, 0, 0), 3600);
    Click(IDC_RECORD);
    ASSERT_TRUE(window->IsTimerSet(IDT_START));
    space.Set(WAVE_SECOND * 600);
    for (int run = 0; run < 2; ++run) {
        SetMainWindow(nullptr);
        window.reset();
        Pump();
        Reopen();
        EXPECT_FALSE(window->IsTimerSet(IDT_START)) << run;
    }
    EXPECT_EQ(messages.Texts(), std::vector<QString>{Asked(NoRoom("2024-06-12 10:00:00", "2024-06-12 11:00:00",
                                                                  "about 10 min"))});
}

// A routine's next take is armed by nobody: it is armed, and the status bar and the desktop
// say it will not fit; no box waits for someone who is not there.
TEST_F(RoomOnDisk, ARoutinesNextTakeThatWillNotFitIsArmedAndTold)
{
    PrepareWave(Path("daily.wav"));
    PlanRoutine(1, Local(2024, 6, 12, 10, 0, 0), 5);
    Click(IDC_RECORD);
    Wait(60);
    ASSERT_EQ(Engine().m_nStatus, STATUS_RECORDING);
    space.Set(WAVE_SECOND * 30);
    RecordFor(5);
    Pump();
    const QString told = NoRoom("2024-06-13 10:00:00", "2024-06-13 10:00:05", "less than a minute");
    EXPECT_TRUE(window->IsTimerSet(IDT_START));
    EXPECT_EQ(Status(1), told);
    EXPECT_TRUE(messages.Messages().empty());
    ASSERT_TRUE(desktop.WaitFor(3));
    EXPECT_EQ(desktop.Received()[2].summary, "Scheduled recording will not fit");
    EXPECT_EQ(desktop.Received()[2].body, told);
}

// A routine's take on a disk with room for two hours of its two files, then for less than a
// minute: the room is looked at once every ten seconds, never per buffer; the take ends as
// Stop ends it, both files final and whole, and the status bar and the desktop say why over
// the next take's notice. Unlike Stop, the routine stays armed for its next take.
TEST_F(RoomOnDisk, ATakeEndsWhileItsFilesCanBeFinishedAndItsRoutineGoesOn)
{
    PrepareWave(Path("radio.wav"), 2);
    PlanRoutine(1, Local(2024, 6, 12, 10, 0, 0), 3600);
    space.Set(2 * WAVE_SECOND * 7200);
    Click(IDC_RECORD);
    ASSERT_TRUE(messages.Messages().empty());
    Wait(60);
    ASSERT_EQ(Engine().m_nStatus, STATUS_RECORDING);
    const int asked = space.Questions();
    RecordFor(9);
    EXPECT_EQ(space.Questions(), asked);
    RecordFor(1);
    EXPECT_EQ(space.Questions(), asked + 1);
    EXPECT_EQ(Room(), "Room for about 2 h") << "both files count";
    space.Set(WAVE_SECOND * 30);
    RecordFor(9);
    ASSERT_EQ(Engine().m_nStatus, STATUS_RECORDING);
    RecordFor(1);
    EXPECT_EQ(Status(0), "Stopped");
    EXPECT_EQ(Status(1), NEARLY_FULL);
    Pump();
    ASSERT_EQ(Engine().m_nStatus, STATUS_READY);
    EXPECT_TRUE(window->IsTimerSet(IDT_START));
    EXPECT_FALSE(window->IsTimerSet(IDT_END_DURATION));
    EXPECT_EQ(Status(1), NEARLY_FULL);
    for (const char* file : {"left_channel_radio.wav", "right_channel_radio.wav"}) {
        const auto wave = ReadRecordedWave(Path(file));
        ASSERT_TRUE(wave) << file;
        EXPECT_EQ(wave->dataSize, 20u * WAVE_SECOND) << file;
    }
    EXPECT_TRUE(messages.Messages().empty());
    ASSERT_TRUE(desktop.WaitFor(3));
    QStringList summaries;
    for (const tests::Notification& n : desktop.Received())
        summaries << n.summary;
    EXPECT_EQ(summaries, (QStringList{"Scheduled recording started", "Scheduled recording will not fit",
                                      "Recording stopped: the disk is nearly full"}));
    EXPECT_EQ(desktop.Received()[2].body, Path("left_channel_radio.wav") + "\n" + Path("right_channel_radio.wav"));
    Wait(24 * 3600 - 20);
    EXPECT_EQ(Engine().m_nStatus, STATUS_RECORDING) << "the next day's take starts";
}

using RoomOnASmallDisk = ScheduleFixture;

// On a real file system of 1 MiB, room for about 70 seconds of 8 kHz 8-bit sound: the
// label says so, and the take ends after ten seconds, its file whole, the disk not full.
TEST_F(RoomOnASmallDisk, ATakeEndsBeforeTheDiskIsFull)
{
    SmallDisk disk(Path("disk"), 1 << 20);
    if (!disk.Failure().isEmpty())
        GTEST_SKIP() << disk.Failure().toStdString();
    QFile filler(disk.Path("filler"));
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
    ASSERT_EQ(filler.write(QByteArray(480 * 1024, 'x')), 480 * 1024);
    filler.close();
    PrepareWave(disk.Path("take.wav"), 0, 0);
    Choose(IDC_SAMPLE_RATE, 0);
    EXPECT_EQ(PageControl<QLabel>(IDC_ROOM)->text(), "Room for about 1 min");
    Click(IDC_RECORD);
    ASSERT_EQ(Engine().m_nStatus, STATUS_RECORDING);
    for (int i = 0; i < 10; ++i) {
        ASSERT_EQ(Engine().m_nStatus, STATUS_RECORDING) << i;
        Feed(8000);
        Wait(1);
    }
    EXPECT_EQ(Status(1), NEARLY_FULL);
    Pump();
    ASSERT_EQ(Engine().m_nStatus, STATUS_READY);
    const auto wave = ReadRecordedWave(disk.Path("take.wav"));
    ASSERT_TRUE(wave);
    EXPECT_EQ(wave->dataSize, 10u * 8000);
    EXPECT_TRUE(messages.Messages().empty());
    const std::optional<std::uint64_t> left = platform::FreeBytes(disk.Path(QString()));
    ASSERT_TRUE(left.has_value());
    EXPECT_GT(*left, 400000u);
    // The window lets go of the disk's files before it is unmounted.
    SetMainWindow(nullptr);
    window.reset();
    Pump();
}
