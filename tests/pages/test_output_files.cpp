// The outputs the page opens when Record starts a capture, those it finishes when the
// file type or a channel box changes during the recording, and a recording in parts.

#include "app/ElapsedDisplay.h"
#include "support/ScheduleFixture.h"
#include "support/ToolDecode.h"
#include "support/WaveFile.h"
#include "support/WindowFixture.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QTimeEdit>

class OutputFiles : public WindowFixture {
protected:
    // Records `frames` frames of the counter device, stops, and lets the device close.
    void RecordFrames(unsigned frames)
    {
        Click(IDC_RECORD);
        ASSERT_EQ(Engine().m_nStatus, STATUS_RECORDING);
        Feed(frames);
        Click(IDC_STOP);
        Pump();
        ASSERT_EQ(Engine().m_nStatus, STATUS_READY);
    }
};

// Split files go beside the file named last, chosen in the dialog or typed (and then the
// chosen one is neither made nor written beside): a typed path must not leave them in the
// current directory as bare "left_channel_" and "right_channel_". Each holds its channel,
// and only a ticked channel has a file.
TEST_F(OutputFiles, SplitFilesGoBesideTheFileNamedLast)
{
    struct Case {
        const char* chosen;
        const char* typed;
        const char* folder;
        const char* name;
        bool left = true;
    };
    const Case cases[] = {
        {"rec/b.wav", nullptr, "rec/", "b.wav"},
        {nullptr, "typed.wav", "", "typed.wav"},
        {"a/first.wav", "b/second.wav", "b/", "second.wav"},
        {nullptr, "r.wav", "", "r.wav", false},
    };
    for (const char* folder : {"rec", "a", "b"})
        QDir(dir.path()).mkdir(folder);
    const QByteArray stereo = CounterBytes(3000 * 4);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PrepareWave(QString(), 2);
        if (c.chosen) {
            dialogs.Answer(Path(c.chosen));
            ClickOnPage(IDC_BROWSE);
        }
        if (c.typed)
            TypePath(Path(c.typed));
        if (!c.left)
            ClickOnPage(IDC_LEFT_CHANNEL);
        RecordFrames(3000);
        QStringList made;
        for (QDirIterator it(dir.path(), QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
            made << QDir(dir.path()).relativeFilePath(it.next());
        made.sort();
        const QString folder = QLatin1String(c.folder);
        QStringList expected = {folder + "right_channel_" + c.name};
        if (c.left)
            expected.prepend(folder + "left_channel_" + c.name);
        EXPECT_EQ(made, expected);
        for (const QString& file : made) {
            const auto wave = ReadRecordedWave(Path(file));
            ASSERT_TRUE(wave) << file.toStdString();
            EXPECT_EQ(wave->channels, 1);
            QByteArray channel;
            for (qsizetype at = file.contains(QStringLiteral("right_")) ? 2 : 0; at < stereo.size(); at += 4)
                channel += stereo.mid(at, 2);
            EXPECT_EQ(wave->data, channel) << file.toStdString();
            QFile::remove(Path(file));
        }
        if (!c.left)
            ClickOnPage(IDC_LEFT_CHANNEL);
        EXPECT_FALSE(QFileInfo::exists(QDir::current().filePath("left_channel_")));
        EXPECT_FALSE(QFileInfo::exists(QDir::current().filePath("right_channel_")));
        EXPECT_TRUE(messages.Messages().empty());
    }
}

TEST_F(OutputFiles, SplitWithBothBoxesClearedRecordsNothingAndSucceeds)
{
    PrepareWave(Path("none.wav"), 2);
    ClickOnPage(IDC_LEFT_CHANNEL);
    ClickOnPage(IDC_RIGHT_CHANNEL);
    Click(IDC_RECORD);
    EXPECT_EQ(Engine().m_nStatus, STATUS_RECORDING);
    EXPECT_EQ(window->m_statusBar.Text(0), "Recording");
    EXPECT_FALSE(Engine().CurrentTake().IsOutputOpen(0));
    EXPECT_FALSE(Engine().CurrentTake().IsOutputOpen(1));
    Feed(1000);
    window->OnTimer(IDT_ELAPSED);
    EXPECT_EQ(MainText(IDC_SIZE), "");
    Click(IDC_STOP);
    Pump();
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

// A name's own extension sets its format whatever the list shows before Record; choosing
// that format in the list during the recording keeps the file, choosing another finishes it
// at once, whole, and capture goes on.
TEST_F(OutputFiles, ChoosingAnotherTypeDuringARecordingFinishesTheFile)
{
    struct Case {
        const char* name;
        const char* magic;
        FileType listed, own, other;
    };
    const Case cases[] = {
        {"take.wav", "RIFF", FileType::Mp3, FileType::Wave, FileType::Mp3},
        {"take.flac", "fLaC", FileType::Wave, FileType::Flac, FileType::Opus},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PrepareWave(Path(c.name));
        Choose(IDC_FILE_TYPE, static_cast<int>(c.listed));
        Click(IDC_RECORD);
        Feed(1024);
        Choose(IDC_FILE_TYPE, static_cast<int>(c.own));
        EXPECT_TRUE(Engine().CurrentTake().IsOutputOpen(0));
        Feed(1024);
        Choose(IDC_FILE_TYPE, static_cast<int>(c.other));
        EXPECT_FALSE(Engine().CurrentTake().IsOutputOpen(0));
        EXPECT_EQ(Engine().m_nStatus, STATUS_RECORDING) << "capture goes on";
        for (const bool stopped : {false, true}) {
            if (stopped) {
                Feed(1024);
                Click(IDC_STOP);
                Pump();
            }
            QFile file(Path(c.name));
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            EXPECT_EQ(file.read(4), QByteArray(c.magic));
            const ToolSound out = DecodeWithFfmpeg(Path(c.name));
            EXPECT_EQ(out.exitCode, 0) << out.errors.toStdString();
            EXPECT_EQ(out.pcm, CounterBytes(4096)) << (stopped ? "after Stop" : "while recording");
        }
    }
}

TEST_F(OutputFiles, ClearingAChannelBoxDuringASplitRecordingFinishesThatChannelOnly)
{
    PrepareWave(Path("s.wav"), 2);
    Click(IDC_RECORD);
    Feed(1024);
    ClickOnPage(IDC_RIGHT_CHANNEL);
    EXPECT_TRUE(Engine().CurrentTake().IsOutputOpen(0));
    EXPECT_FALSE(Engine().CurrentTake().IsOutputOpen(1));
    ClickOnPage(IDC_RIGHT_CHANNEL); // ticking again reopens nothing
    EXPECT_FALSE(Engine().CurrentTake().IsOutputOpen(1));
    Feed(1024);
    Click(IDC_STOP);
    Pump();
    EXPECT_EQ(ReadRecordedWave(Path("left_channel_s.wav"))->dataSize, 4096u);
    EXPECT_EQ(ReadRecordedWave(Path("right_channel_s.wav"))->dataSize, 2048u);
}

// Skipping silence, a channel box cleared while the take waits for sound drops that channel's
// file, in every format: the other channel's file is made when the sound comes.
TEST_F(OutputFiles, ClearingAChannelBoxWhileWaitingForSoundDropsThatChannelOnly)
{
    audio.SetDevices(platform::Direction::Capture,
                     {{.name = QStringLiteral("Burst"), .soundFrames = 8000, .burstStart = 16000}});
    Reopen();
    ClickOnPage(IDC_SKIP_SILENCE);
    Choose(IDC_CHANNEL, 2);
    Choose(IDC_BITS, 1);
    Choose(IDC_SAMPLE_RATE, 3); // 16000 Hz
    for (const FormatRow& format : Formats()) {
        SCOPED_TRACE(format.entry);
        Choose(IDC_FILE_TYPE, static_cast<int>(format.type));
        const QString name = QStringLiteral("take.") + QLatin1String(format.extensions[0]);
        TypePath(Path(name));
        Click(IDC_RECORD);
        Feed(4096);
        ASSERT_EQ(window->m_statusBar.Text(0), "Waiting for sound");
        ClickOnPage(IDC_RIGHT_CHANNEL);
        Feed(3 * 16000);
        Click(IDC_STOP);
        Pump();
        EXPECT_TRUE(messages.Messages().empty());
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("left_channel_") + name});
        QFile::remove(Path(QStringLiteral("left_channel_") + name));
        ClickOnPage(IDC_RIGHT_CHANNEL);
    }
}

// Pressed by hand on a file that is there, Record asks first: No leaves the file and the
// device alone, Yes records over it.
TEST_F(OutputFiles, RecordAsksBeforeReplacingAFile)
{
    QFile kept(Path("right_channel_take.wav"));
    ASSERT_TRUE(kept.open(QIODevice::WriteOnly) && kept.write("earlier take") == 12);
    kept.close();
    PrepareWave(Path("take.wav"), 2);
    for (const bool yes : {false, true}) {
        messages.Clear();
        messages.AnswerQuestions(yes);
        Click(IDC_RECORD);
        EXPECT_EQ(messages.Texts(), std::vector<QString>{kept.fileName() + " already exists.\nDo you want to replace it?"});
        EXPECT_EQ(Engine().m_nStatus, yes ? STATUS_RECORDING : STATUS_READY);
        EXPECT_EQ(audio.OpenStreamCount(), yes ? 1u : 0u) << "No leaves the device alone";
        EXPECT_EQ(kept.size() == 12, !yes);
    }
    Click(IDC_STOP);
    Pump();
}

using PartsOnSchedule = ScheduleFixture;

// Parts of two seconds in a recording the schedule starts and ends after five: the duration
// covers the whole recording, the time counts all of it, "Size:" and the status bar follow
// the part being written, the length cannot change while it records, and the desktop hears
// of the last part.
TEST_F(PartsOnSchedule, FiveSecondsInPartsOfTwo)
{
    PrepareWave(Path("Take.wav")); // 22050 Hz, 16-bit mono
    ClickOnPage(IDC_NEW_FILE_EVERY);
    PageControl<QTimeEdit>(IDC_PART_LENGTH)->setTime(QTime(0, 0, 2));
    Plan(platform::CurrentTime() + 1, 5);
    Click(IDC_RECORD);
    Wait(1);
    ASSERT_EQ(Engine().m_nStatus, STATUS_RECORDING);
    EXPECT_FALSE(PageEnabled(IDC_NEW_FILE_EVERY));
    EXPECT_FALSE(PageEnabled(IDC_PART_LENGTH));
    for (int second = 1; second <= 5; ++second) {
        Feed(22050);
        Wait(1);
        if (second == 3) {
            EXPECT_EQ(Status(1), Path("Take-2.wav"));
            EXPECT_EQ(MainText(IDC_SIZE), FileSizeText(Path("take-2.wav")));
        }
        if (second == 4) {
            EXPECT_EQ(MainText(IDC_TIME), "Time: 00:00:04");
        }
    }
    EXPECT_EQ(Status(0), "Stopped");
    Pump();
    EXPECT_EQ(Engine().m_nStatus, STATUS_READY);
    EXPECT_TRUE(PageEnabled(IDC_PART_LENGTH));
    const auto parts = RecordedParts(Path("take"));
    ASSERT_EQ(parts.size(), 3u);
    EXPECT_EQ(parts[0] + parts[1] + parts[2], CounterBytes(5 * 44100));
    ASSERT_TRUE(desktop.WaitFor(2));
    EXPECT_EQ(desktop.Received()[1].body, Path("take.wav") + " to take-3.wav\n00:00:05 recorded, 215.5 KB");
}

// Named by its start, per channel and in parts; a file of that name already there makes
// the schedule, with nobody to ask, write beside it under " (2)".
TEST_F(PartsOnSchedule, DatedChannelFilesBesideAnEarlierTake)
{
    PrepareWave(Path("radio.wav"), 2);
    ClickOnPage(IDC_DATED_NAMES);
    ClickOnPage(IDC_NEW_FILE_EVERY);
    PageControl<QTimeEdit>(IDC_PART_LENGTH)->setTime(QTime(0, 0, 2));
    QFile earlier(Path("right_channel_radio_2024-06-12_10-00-00.wav"));
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly) && earlier.write("earlier take") == 12);
    earlier.close();
    Plan(Local(2024, 6, 12, 10, 0, 0), 3);
    Click(IDC_RECORD);
    Wait(60);
    EXPECT_EQ(Status(1), Path("radio_2024-06-12_10-00-00 (2).wav"));
    for (int second = 0; second < 3; ++second) {
        Feed(22050);
        Wait(1);
    }
    Pump();
    EXPECT_TRUE(messages.Messages().empty());
    EXPECT_EQ(earlier.size(), 12) << "the earlier take is left as it was";
    for (const char* channel : {"left", "right"}) {
        const auto parts = RecordedParts(Path(QLatin1String(channel) + "_channel_radio_2024-06-12_10-00-00 (2)"));
        ASSERT_EQ(parts.size(), 2u) << channel;
        EXPECT_EQ(parts[0].size() + parts[1].size(), 3 * 22050 * 2) << channel;
    }
    ASSERT_TRUE(desktop.WaitFor(2));
    EXPECT_TRUE(desktop.Received()[0].body.startsWith(Path("left_channel_radio_2024-06-12_10-00-00 (2).wav\n")));
}

// A scheduled recording that skips silence: a second of tone in five keeps two (with the
// pre-roll and "after"), the status bar says when sound is written, and the desktop hears
// how much sound was kept.
TEST_F(PartsOnSchedule, ASkippingSilenceScheduleKeepsOnlyTheSound)
{
    // From the frame before 2 s, where the sine is already above the level.
    platform::VirtualDeviceSpec burst{.name = QStringLiteral("Burst"), .soundFrames = 22050};
    burst.burstStart = 2 * 22050 - 1;
    audio.SetDevices(platform::Direction::Capture, {burst});
    Reopen();
    Choose(IDC_FILE_TYPE, 1);
    Choose(IDC_BITS, 1);
    TypePath(Path("day.wav"));
    ClickOnPage(IDC_SKIP_SILENCE);
    PageControl<QDoubleSpinBox>(IDC_SILENCE_AFTER)->setValue(0.5);
    Plan(platform::CurrentTime() + 1, 5);
    Click(IDC_RECORD);
    Wait(1);
    ASSERT_EQ(Engine().m_nStatus, STATUS_RECORDING);
    EXPECT_EQ(Status(0), "Waiting for sound");
    for (int second = 1; second <= 5; ++second) {
        Feed(22050);
        Wait(1);
        EXPECT_EQ(Status(0), second == 3 ? "Recording" : second < 5 ? "Waiting for sound" : "Stopped") << second;
    }
    Pump();
    EXPECT_EQ(ReadRecordedWave(Path("day.wav"))->dataSize, 2u * 22050 * 2);
    ASSERT_TRUE(desktop.WaitFor(2));
    EXPECT_EQ(desktop.Received()[0].body, Path("day.wav"));
    EXPECT_EQ(desktop.Received()[1].body, Path("day.wav") + "\n00:00:02 of sound in 00:00:05, 86.2 KB");
}
