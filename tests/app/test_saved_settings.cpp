// The settings kept between runs: every saved control comes back as it was left, lists are
// kept by what their entries mean, files of the last version (lists kept by position) are
// still read, and bad values and a damaged file are left out.

#include "support/ScheduleFixture.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QDir>
#include <QRadioButton>
#include <QSettings>

#include <algorithm>
#include <map>

class SavedSettings : public ScheduleFixture {
protected:
    QWidget* Control(const SavedControl& saved)
    {
        QWidget* page = saved.page == SavedControl::Page::Record ? static_cast<QWidget*>(&Page()) : &Schedule();
        QWidget* control = platform::FindControl(page, saved.id);
        EXPECT_NE(control, nullptr) << saved.key;
        return control;
    }
    QWidget* Control(const QString& key)
    {
        for (const SavedControl& saved : SavedControls())
            if (key == QLatin1String(saved.key))
                return Control(saved);
        ADD_FAILURE() << "no saved control " << key.toStdString();
        return nullptr;
    }

    // What a control shows the user, whatever the file keeps.
    static QString Shown(const QWidget* control)
    {
        if (const auto* list = qobject_cast<const QComboBox*>(control))
            return list->currentText();
        if (const auto* date = qobject_cast<const QDateEdit*>(control))
            return date->date().toString(Qt::ISODate);
        if (const auto* time = qobject_cast<const QTimeEdit*>(control))
            return time->time().toString("HH:mm:ss");
        if (const auto* edit = qobject_cast<const QLineEdit*>(control))
            return edit->text();
        if (qobject_cast<const QAbstractSpinBox*>(control)) // a whole or a decimal number
            return control->property("value").toString();
        if (const auto* button = qobject_cast<const QAbstractButton*>(control))
            return button->isChecked() ? "true" : "false";
        ADD_FAILURE() << "a saved control of a kind this test cannot read: " << control->metaObject()->className();
        return {};
    }

    // Sets a control away from where it stands, as a user would. A chosen radio button is
    // left for its neighbour to clear.
    void Change(QWidget* control)
    {
        if (auto* list = qobject_cast<QComboBox*>(control)) {
            const int index = list->currentIndex() == list->count() - 1 ? 0 : list->count() - 1;
            list->setCurrentIndex(index);
            emit list->activated(index);
        } else if (auto* date = qobject_cast<QDateEdit*>(control)) {
            date->setDate(date->date().addDays(40));
        } else if (auto* time = qobject_cast<QTimeEdit*>(control)) {
            time->setTime(time->time().addSecs(3723));
        } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
            edit->setText(Path("kept.wav"));
        } else if (qobject_cast<QAbstractSpinBox*>(control)) {
            const QVariant lowest = control->property("minimum");
            control->setProperty("value", control->property("value") == lowest ? control->property("maximum") : lowest);
        } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            if (!(qobject_cast<QRadioButton*>(button) && button->isChecked()))
                button->setChecked(!button->isChecked());
        }
    }

    static QString InFile(const char* key)
    {
        return QSettings(CSavedSettings::FilePath(), QSettings::IniFormat).value(key).toString();
    }
};

// Each row of the saved controls is set, the program started again, and the row read back:
// a control added to the saved ones is tested here by its row.
TEST_F(SavedSettings, EveryControlComesBackAsItWasLeft)
{
    EXPECT_FALSE(QFileInfo::exists(CSavedSettings::FilePath())) << "nothing is written while nothing changes";
    const auto saved = SavedControls();
    std::vector<QString> atStart, set;
    for (const SavedControl& row : saved)
        atStart.push_back(Shown(Control(row)));
    for (const SavedControl& row : saved)
        Change(Control(row));
    for (std::size_t i = 0; i < saved.size(); ++i) {
        set.push_back(Shown(Control(saved[i])));
        EXPECT_NE(set[i], atStart[i]) << saved[i].key << " was not changed: the test would prove nothing";
    }
    ClickOnPage(IDC_MONITOR);
    // Lists are kept by what their entries mean, in words that do not depend on the language.
    EXPECT_EQ((QStringList{InFile("Record/FileType"), InFile("Record/Channel"), InFile("Record/SampleRate"),
                           InFile("Record/Bits"), InFile("Schedule/Repeat")}),
              (QStringList{"opus", "Single Channel", "48000", "8", "Every week"}));

    Reopen();
    for (std::size_t i = 0; i < saved.size(); ++i)
        EXPECT_EQ(Shown(Control(saved[i])), set[i]) << saved[i].key;
    // The pages take up what their controls show again.
    Page().UpdateData(true);
    Schedule().UpdateData(true);
    EXPECT_EQ((std::vector<int>{int(Page().m_nFileType), Page().m_nDevice, Page().m_nSource, Page().m_nChannelIndex,
                                Page().m_nSampleRateIndex, Page().m_nBitsIndex, int(Page().PartSeconds())}),
              (std::vector<int>{3, SILENCE, 1, 2, 8, 0, 2 * 3600 + 2 * 60 + 3}));
    EXPECT_FALSE(PageControl<QCheckBox>(IDC_MONITOR)->isChecked()) << "monitoring always starts clear";
    for (int id : {IDC_LEFT_CHANNEL, IDC_SILENCE_AFTER, IDC_FILE_PER_SOUND})
        EXPECT_TRUE(PageEnabled(id)) << id;
    EXPECT_TRUE(ScheduleControl(IDC_REPEAT)->isEnabled());
    EXPECT_TRUE(ScheduleControl(IDC_KEEP_DAYS)->isEnabled());
    EXPECT_FALSE(window->IsTimerSet(IDT_START)) << "nothing was armed";
}

// What a file may hold for one control, and what the control shows after the start; an
// empty text for "as at the first start". A value that cannot be taken is left out on its
// own; a list of the last version kept its entry's position, the device list its id.
TEST_F(SavedSettings, ValuesAFileMayHold)
{
    struct Row {
        const char* key;
        const char* value;
        QString shown;
    } const rows[] = {
        {"Record/FileType", "flac", "flac"},
        {"Record/Channel", "Stereo Mixer", "Stereo Mixer"},
        {"Record/SampleRate", "44100", "44100"},
        {"Record/Bits", "8", "8"},
        {"Schedule/Repeat", "Every day", "Every day"},
        {"Record/FileName", "/music/radio.mp3", "/music/radio.mp3"},
        {"Schedule/EndAtTime", "true", "true"},
        // the last version's positions
        {"Record/FileType", "2", "flac"},
        {"Record/Channel", "1", "Stereo Mixer"},
        {"Record/SampleRate", "7", "44100"},
        {"Record/Bits", "0", "8"},
        {"Schedule/Repeat", "3", "Every week"},
        {"Record/Device", "2", ""},
        // out of range, or no value of the control
        {"Record/FileType", "ogg", ""},
        {"Record/Channel", "Stereo", ""},
        {"Record/SampleRate", "42", ""},
        {"Record/Bits", "-1", ""},
        {"Schedule/Repeat", "9", ""},
        {"Record/Device", "gone", ""},
        {"Record/PartLength", "00:00:00", ""},
        {"Record/NewFileEvery", "maybe", ""},
        {"Record/SilenceBelow", "-5", ""},
        {"Record/SilenceAfter", "0.7", ""}, // no step of the box
        {"Schedule/StartDate", "2024-02-30", ""},
        {"Schedule/EndAfterDuration", "false", ""}, // a radio button is cleared by its neighbour
        {"Schedule/KeepDays", "0", ""},
        {"Schedule/KeepDays", "366", ""},
    };
    std::map<QString, QString> firstStart;
    for (const SavedControl& saved : SavedControls())
        firstStart[saved.key] = Shown(Control(saved));

    // Each file holds a key once: a row whose key is there already begins the next file.
    std::vector<const Row*> file;
    const auto check = [&] {
        QDir().mkpath(QFileInfo(CSavedSettings::FilePath()).path());
        QFile::remove(CSavedSettings::FilePath());
        {
            QSettings out(CSavedSettings::FilePath(), QSettings::IniFormat);
            for (const Row* row : file)
                out.setValue(row->key, row->value);
        }
        Reopen();
        EXPECT_EQ(Status(1), "");
        for (const Row* row : file)
            EXPECT_EQ(Shown(Control(row->key)), row->shown.isEmpty() ? firstStart[row->key] : row->shown)
                << row->key << "=" << row->value;
        file.clear();
    };
    for (const Row& row : rows) {
        if (std::any_of(file.begin(), file.end(), [&](const Row* r) { return QLatin1String(r->key) == row.key; }))
            check();
        file.push_back(&row);
    }
    check();
}

// A damaged file gives the first-start state, is told once and is left as it is until the
// first change writes a new one in its place.
TEST_F(SavedSettings, ADamagedFile)
{
    QDir().mkpath(QFileInfo(CSavedSettings::FilePath()).path());
    QFile damaged(CSavedSettings::FilePath());
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("[Record\nFileType=1\nFileName=/music/radio.mp3\n");
    damaged.close();
    Reopen();
    Page().UpdateData(true);
    EXPECT_EQ(Status(1), "The saved settings could not be read; the first-start settings are shown");
    EXPECT_EQ(Page().m_nFileType, FileType::Mp3);
    EXPECT_TRUE(Page().m_strFilePath.isEmpty());
    Choose(IDC_SAMPLE_RATE, 8);
    EXPECT_EQ(InFile("Record/FileType"), "mp3");
    Reopen();
    EXPECT_EQ(Status(1), "");
    EXPECT_EQ(PageControl<QComboBox>(IDC_SAMPLE_RATE)->currentIndex(), 8);
}
