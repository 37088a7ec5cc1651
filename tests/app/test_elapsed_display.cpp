// The elapsed time and size under the pages: one tick a second while recording, frozen
// while paused, wrapping after 24 hours, and the size of the file the engine writes.

#include "app/ElapsedDisplay.h"
#include "support/WindowFixture.h"

#include <QFile>

using ElapsedDisplay = WindowFixture;

TEST_F(ElapsedDisplay, FirstTickShowsOneSecondAndTheFileSize)
{
    PrepareWave(Path("tick.wav"));
    Click(IDC_RECORD);
    EXPECT_EQ(MainText(IDC_TIME), "Time: 00:00:00") << "unchanged until the first tick";
    Feed(2048 * 3); // three buffers of 4 KiB, and the 46-byte header
    window->OnTimer(IDT_ELAPSED);
    EXPECT_EQ(MainText(IDC_TIME), "Time: 00:00:01");
    EXPECT_EQ(MainText(IDC_SIZE), FileSizeText(Path("tick.wav")));
    EXPECT_EQ(MainText(IDC_SIZE), "Size: 12KB");
}

TEST_F(ElapsedDisplay, PausedTicksAdvanceNeitherText)
{
    PrepareWave(Path("pause.wav"));
    Click(IDC_RECORD);
    window->OnTimer(IDT_ELAPSED);
    window->OnTimer(IDT_ELAPSED);
    Click(IDC_PAUSE);
    Feed(4096);
    const QString size = MainText(IDC_SIZE);
    for (int i = 0; i < 3; ++i)
        window->OnTimer(IDT_ELAPSED);
    EXPECT_EQ(MainText(IDC_TIME), "Time: 00:00:02");
    EXPECT_EQ(MainText(IDC_SIZE), size);
    Click(IDC_PAUSE);
    window->OnTimer(IDT_ELAPSED);
    EXPECT_EQ(MainText(IDC_TIME), "Time: 00:00:03");
}

TEST_F(ElapsedDisplay, HoursWrapAfterADay)
{
    PrepareWave(Path("day.wav"));
    Click(IDC_RECORD);
    window->m_tElapsed = 23 * 3600 + 59 * 60 + 58;
    window->OnTimer(IDT_ELAPSED);
    EXPECT_EQ(MainText(IDC_TIME), "Time: 23:59:59");
    window->OnTimer(IDT_ELAPSED);
    EXPECT_EQ(MainText(IDC_TIME), "Time: 00:00:00");
    window->OnTimer(IDT_ELAPSED);
    EXPECT_EQ(MainText(IDC_TIME), "Time: 00:00:01");
}

TEST_F(ElapsedDisplay, ANewRecordingCountsFromZeroAgain)
{
    PrepareWave(Path("again.wav"));
    Click(IDC_RECORD);
    for (int i = 0; i < 5; ++i)
        window->OnTimer(IDT_ELAPSED);
    Click(IDC_STOP);
    Pump();
    EXPECT_EQ(MainText(IDC_TIME), "Time: 00:00:05") << "Stop keeps the last values";
    messages.AnswerQuestions(true); // again.wav is there now: it is replaced
    Click(IDC_RECORD);
    EXPECT_EQ(MainText(IDC_TIME), "Time: 00:00:05");
    window->OnTimer(IDT_ELAPSED);
    EXPECT_EQ(MainText(IDC_TIME), "Time: 00:00:01");
}

// The engine writes the file name in lower case: the size is that of the file it writes.
TEST_F(ElapsedDisplay, SizeIsThatOfTheFileTheEngineWrites)
{
    PrepareWave(Path("Take.WAV"));
    Click(IDC_RECORD);
    Feed(2048);
    window->OnTimer(IDT_ELAPSED);
    EXPECT_EQ(MainText(IDC_SIZE), "Size: 4KB");
}

TEST_F(ElapsedDisplay, SizeOfAnMp3Recording)
{
    TypePath(Path("tick.mp3"));
    Click(IDC_RECORD);
    ASSERT_EQ(Engine().m_nStatus, STATUS_RECORDING) << (messages.Messages().empty() ? "" : messages.Texts()[0].toStdString());
    Feed(22050 * 3);
    window->OnTimer(IDT_ELAPSED);
    const QString size = MainText(IDC_SIZE);
    EXPECT_TRUE(size.startsWith("Size: ")) << size.toStdString();
    EXPECT_NE(size, "Size: 0KB");
}

TEST(FileSize, WholeKibibytesRoundedDownAndNothingForAMissingFile)
{
    QTemporaryDir dir;
    const auto write = [&](const QString& name, int bytes) {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(bytes, 'x'));
        return dir.filePath(name);
    };
    EXPECT_EQ(FileSizeText(write("a", 1023)), "Size: 0KB");
    EXPECT_EQ(FileSizeText(write("b", 1024)), "Size: 1KB");
    EXPECT_EQ(FileSizeText(write("c", 5 * 1024 + 1023)), "Size: 5KB");
    EXPECT_EQ(FileSizeText(dir.filePath("missing")), "");
    EXPECT_EQ(FileSizeText(dir.path()), "") << "a folder is no file";
    EXPECT_EQ(FileSizeText(QString()), "");
}

TEST(ElapsedTime, HoursMinutesSecondsModuloADay)
{
    EXPECT_EQ(ElapsedTimeText(0), "Time: 00:00:00");
    EXPECT_EQ(ElapsedTimeText(3661), "Time: 01:01:01");
    EXPECT_EQ(ElapsedTimeText(86399), "Time: 23:59:59");
    EXPECT_EQ(ElapsedTimeText(86400 + 59), "Time: 00:00:59");
}
