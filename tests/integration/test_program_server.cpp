// The whole program against the private sound server: start-up, the main window and the
// engine, driven through the window's controls as a user drives them.

#include "ServerFixture.h"
#include "WindowControls.h"
#include "app/ControlIds.h"
#include "app/MainWindowPointer.h"
#include "app/TessavoxApp.h"
#include "app/TessavoxDlg.h"
#include "platform/ControlId.h"
#include "support/WaveFile.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

using ProgramTest = ServerFixture;

TEST_F(ProgramTest, RecordsTwoSecondsOfStereoFromTheWindow)
{
    const std::uint32_t sine = CaptureDeviceNamed(QStringLiteral("sine"));
    ASSERT_NE(sine, WAVE_MAPPER) << "the private server has no sine source";
    const QString file = Path("program.wav");
    double seconds = 0;
    QString statusWhileRecording;
    QString statusAfter;

    QTimer::singleShot(0, [&] {
        auto* window = qobject_cast<CTessavoxDlg*>(GetMainWindow());
        ASSERT_NE(window, nullptr);
        CDialogRecord& page = window->m_pageRecord;
        Choose(page, IDC_DEVICE, static_cast<int>(sine));
        Choose(page, IDC_FILE_TYPE, 1);
        Choose(page, IDC_CHANNEL, 1);
        Choose(page, IDC_SAMPLE_RATE, 7);
        platform::FindControl<QLineEdit>(&page, IDC_FILE_PATH)->setText(file);

        QElapsedTimer clock;
        Click(window, IDC_RECORD);
        clock.start();
        statusWhileRecording = window->m_statusBar.Text(0);
        QTest::qWait(2000);
        Click(window, IDC_STOP);
        seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
        EXPECT_TRUE(QTest::qWaitFor([&] { return page.m_engine.m_nStatus == STATUS_READY; }, 5000));
        EXPECT_TRUE(QTest::qWaitFor([&] { return platform::FindControl(window, IDC_RECORD)->isEnabled(); }, 5000));
        statusAfter = window->m_statusBar.Text(0);
        window->reject();
    });
    CTessavoxApp app;
    EXPECT_FALSE(app.InitInstance());

    EXPECT_EQ(statusWhileRecording, "Recording");
    EXPECT_EQ(statusAfter, "Stopped");
    EXPECT_TRUE(messages.Messages().empty()) << messages.Texts().front().toStdString();
    const auto wave = ReadRecordedWave(file);
    ASSERT_TRUE(wave) << "not a WAV file as the recorder writes them";
    EXPECT_EQ(wave->channels, 2);
    EXPECT_EQ(wave->rate, 44100u);
    EXPECT_EQ(wave->bits, 16);
    EXPECT_EQ(wave->riffSize + 8, static_cast<std::uint32_t>(wave->bytes.size()));
    // One ring of eight 4096-byte buffers may still be on its way when Stop is pressed.
    const double ring = 8 * 4096.0 / (44100 * 4);
    EXPECT_NEAR(wave->dataSize / 4.0 / 44100.0, seconds, ring + 0.1);
    EXPECT_GT(seconds, 1.9);
}
