// Old takes moved to the desktop's trash as a take starts, while " Keep takes for" is
// ticked: only the dated files of the typed name, only those older than the days kept, into
// the trash under XDG_DATA_HOME (the test's folder), and what could not be moved said once.

#include "support/ScheduleFixture.h"

#include <QCheckBox>
#include <QDir>
#include <QSpinBox>
#include <QUrl>

#include <unistd.h>

namespace {

// XDG_DATA_HOME and HOME for the life of the object, in one folder: the trash is the one
// under it, whichever way the trash is found, never the real home's.
class ScopedDataHome {
public:
    ScopedDataHome() : m_data(qgetenv("XDG_DATA_HOME")), m_home(qgetenv("HOME"))
    {
        qputenv("XDG_DATA_HOME", (m_dir.path() + "/data").toUtf8());
        qputenv("HOME", m_dir.path().toUtf8());
    }
    ~ScopedDataHome()
    {
        qputenv("XDG_DATA_HOME", m_data);
        qputenv("HOME", m_home);
    }
    QString Trash() const { return m_dir.path() + "/data/Trash"; }

private:
    QTemporaryDir m_dir;
    QByteArray m_data, m_home;
};

// The process's current folder for the life of the object.
class ScopedCurrentFolder {
public:
    explicit ScopedCurrentFolder(const QString& path) : m_previous(QDir::currentPath()) { QDir::setCurrent(path); }
    ~ScopedCurrentFolder() { QDir::setCurrent(m_previous); }

private:
    QString m_previous;
};

} // namespace

class OldTakes : public ScheduleFixture {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(ScheduleFixture::SetUp());
        QDir(dir.path()).mkdir("takes");
    }

    QString Take(const QString& name) const { return Path("takes/" + name); }
    void Make(const QStringList& names)
    {
        for (const QString& name : names) {
            QFile file(Take(name));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << name.toStdString();
            file.write("old");
        }
    }
    QStringList Kept() const { return QDir(Path("takes")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name); }
    QStringList Trashed() const { return QDir(data.Trash() + "/files").entryList(QDir::Files, QDir::Name); }

    void Keep(bool on, int days)
    {
        ScheduleControl<QSpinBox>(IDC_KEEP_DAYS)->setValue(days);
        Tick(IDC_KEEP_TAKES, on);
    }
    // A dated take of typed, a second long, started now.
    void RecordTake(const QString& typed)
    {
        PrepareWave(Take(typed));
        if (!PageControl<QCheckBox>(IDC_DATED_NAMES)->isChecked())
            ClickOnPage(IDC_DATED_NAMES);
        Click(IDC_RECORD);
        ASSERT_EQ(Engine().m_nStatus, STATUS_RECORDING);
        Feed(44100);
        // What the status bar said while the take ran: at its end the take's report follows.
        m_strDuringTake = Status(1);
        Click(IDC_STOP);
        Pump();
    }
    QString m_strDuringTake;

    ScopedDataHome data;
};

// Today is 2024-06-12. Of the dated takes of "radio", those of 2024-05-12 and before are more
// than 30 days old; every other file stays, whatever its date.
TEST_F(OldTakes, DatedTakesOlderThanTheDaysKeptGoToTheTrashAsATakeStarts)
{
    // Which names are a take's and which are not is the take stamps' table; here, a few of each.
    const QStringList old = {"radio_2024-05-12_23-59-59.wav", "radio_2023-01-01_07-00-00.mp3",
                             "left_channel_radio_2024-05-01_07-00-00 (2)-3.flac",
                             "radio_2024-05-01_07-00-00_2024-05-01_07-00-03.250.opus"};
    const QStringList others = {"radio_2024-05-13_00-00-00.wav", // 30 days: kept
                                "radio.wav", "radio_2024-01-01_07-00-00.wav.txt", "tv_2024-01-01_07-00-00.wav",
                                "Radio_2024-01-01_07-00-00.wav"}; // not a name the recorder writes
    Make(old + others);
    QDir(Path("takes")).mkdir("radio_2024-01-02_07-00-00.wav");
    ASSERT_EQ(symlink(Take("radio.wav").toUtf8().constData(), Take("radio_2024-01-03_07-00-00.wav").toUtf8().constData()),
              0);
    const QStringList there = Kept();

    // At a first start the box is clear, at 30 days: nothing is touched.
    EXPECT_FALSE(ScheduleControl<QCheckBox>(IDC_KEEP_TAKES)->isChecked());
    EXPECT_EQ(ScheduleControl<QSpinBox>(IDC_KEEP_DAYS)->value(), 30);
    RecordTake("radio.wav");
    QStringList untouched = there;
    untouched << "radio_2024-06-12_09-59-00.wav";
    untouched.sort();
    EXPECT_EQ(Kept(), untouched);
    EXPECT_TRUE(Trashed().isEmpty());

    Wait(1);
    Keep(true, 30);
    PrepareWave(Take("radio.wav"));
    Click(IDC_RECORD);
    EXPECT_EQ(Status(1), Take("radio_2024-06-12_09-59-01.wav") + " \u2014 Moved 4 old takes to the trash");
    Click(IDC_STOP);
    Pump();
    QStringList kept = others;
    kept << "radio_2024-01-02_07-00-00.wav"
         << "radio_2024-01-03_07-00-00.wav"
         << "radio_2024-06-12_09-59-00.wav"
         << "radio_2024-06-12_09-59-01.wav";
    kept.sort();
    EXPECT_EQ(Kept(), kept);
    QStringList trashed = old;
    trashed.sort();
    EXPECT_EQ(Trashed(), trashed);
    // Each with the note the desktop puts it back by.
    QFile info(data.Trash() + "/info/radio_2023-01-01_07-00-00.mp3.trashinfo");
    ASSERT_TRUE(info.open(QIODevice::ReadOnly));
    EXPECT_TRUE(info.readAll().contains("Path=" + QUrl::toPercentEncoding(Take("radio_2023-01-01_07-00-00.mp3"), "/")));

    // A day later the take of 30 days ago is 31 days old. Another typed name moves only its
    // own old takes.
    clock.Jump(24 * 3600);
    RecordTake("tv.wav");
    EXPECT_EQ(m_strDuringTake, Take("tv_2024-06-13_09-59-01.wav") + " \u2014 Moved 1 old take to the trash");
    EXPECT_TRUE(Kept().contains("radio_2024-05-13_00-00-00.wav"));
    RecordTake("radio.wav");
    EXPECT_FALSE(Kept().contains("radio_2024-05-13_00-00-00.wav"));
    EXPECT_TRUE(Kept().contains("radio_2024-06-12_09-59-00.wav"));
    EXPECT_EQ(Trashed().size(), old.size() + 2);
}

// Files the trash does not take stay where they are, told in one sentence with the take's
// name: a trash folder that cannot be made (a file in its place), and a name too long for the
// trash's note beside it. Nothing goes anywhere else, such as the current folder.
TEST_F(OldTakes, FilesThatCannotBeMovedStayAndAreSaidOnce)
{
    const ScopedCurrentFolder here(dir.path());
    Keep(true, 30);
    Make({"radio_2024-01-01_07-00-00.wav", "radio_2024-01-02_07-00-00.wav"});
    ASSERT_TRUE(QDir().mkpath(QFileInfo(data.Trash()).path()));
    QFile blocker(data.Trash());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    RecordTake("radio.wav");
    EXPECT_EQ(m_strDuringTake, Take("radio_2024-06-12_09-59-00.wav") +
                             " \u2014 Could not move 2 old takes to the trash; " + Take("radio_2024-01-01_07-00-00.wav") +
                             ": the trash folder " + data.Trash() + " cannot be made");
    EXPECT_EQ(Kept(), (QStringList{"radio_2024-01-01_07-00-00.wav", "radio_2024-01-02_07-00-00.wav",
                                   "radio_2024-06-12_09-59-00.wav"}));
    for (const char* stray : {"files", "info"})
        EXPECT_FALSE(QFileInfo::exists(Path(stray))) << stray;

    // A take of a long name: its own files fit the trash's notes, a channel's part does not.
    ASSERT_TRUE(blocker.remove());
    const QString stem(210, QLatin1Char('n'));
    const QString tooLong = "left_channel_" + stem + "_2024-01-01_07-00-00 (2)-3.flac";
    Make({stem + "_2024-01-01_07-00-00.wav", tooLong});
    Wait(1);
    RecordTake(stem + ".wav");
    EXPECT_EQ(m_strDuringTake, Take(stem + "_2024-06-12_09-59-01.wav") +
                             " \u2014 Moved 1 old take to the trash. Could not move " + Take(tooLong) +
                             " to the trash: its name is too long for the trash");
    EXPECT_TRUE(Kept().contains(tooLong));
    EXPECT_EQ(Trashed(), QStringList{stem + "_2024-01-01_07-00-00.wav"});
    EXPECT_TRUE(Kept().contains("radio_2024-01-01_07-00-00.wav")) << "another typed name's";
}
