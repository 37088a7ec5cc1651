// The program as a user starts it, against the private sound server and on a private session
// bus: Record pressed from the command line opens the window and records the default source;
// Stop from another start ends the take, which holds the server's tone.

#include "ServerFixture.h"
#include "support/PrivateBus.h"
#include "support/WaveFile.h"

#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QTest>

using CommandsTest = ServerFixture;

TEST_F(CommandsTest, RecordAndStopFromTheCommandLineMakeATakeOfTheTone)
{
    tests::PrivateBus bus;
    ASSERT_EQ(bus.Failure(), "");
    const QString take = Path("commands.wav");
    {
        QSettings settings(config.Path() + "/Tessavox/tessavox.conf", QSettings::IniFormat);
        settings.setValue("Record/FileName", take);
        settings.setValue("Record/FileType", "wave");
        settings.setValue("Record/Device", "tessavox_sine"); // the mono sine source
    }
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_RUNTIME_DIR", Path("."));
    QProcess window;
    window.setProcessEnvironment(env);
    window.start(PROGRAM, {"--record"});
    ASSERT_TRUE(window.waitForStarted(10000));
    // The window flushes its file once a second: a second or two of sound is on disk.
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(take).size() >= 46 + 2 * 44100, 20000);

    QProcess stop;
    stop.setProcessEnvironment(env);
    stop.start(PROGRAM, {"--stop"});
    ASSERT_TRUE(stop.waitForFinished(30000));
    EXPECT_EQ(stop.exitCode(), 0) << stop.readAllStandardError().toStdString();
    QTRY_VERIFY_WITH_TIMEOUT(HasTrueSizes(take), 10000);
    EXPECT_EQ(window.state(), QProcess::Running) << "the window stays open";
    window.kill();
    window.waitForFinished(10000);

    const auto wave = ReadRecordedWave(take);
    ASSERT_TRUE(wave);
    ASSERT_EQ(wave->bits, 16);
    EXPECT_NEAR(ToneFrequency(wave->data, 16, wave->channels, 0, static_cast<int>(wave->rate)),
                EnvHz("TESSAVOX_SINE_HZ", 440), 5.0);
}
