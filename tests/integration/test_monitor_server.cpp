// Monitoring the private server's sine source from the main window: the meters read the
// tone's level with no file opened, and Record afterwards keeps the edges of its take.

#include "ServerWindowFixture.h"
#include "WindowControls.h"
#include "app/ControlIds.h"
#include "engine/view/LevelMeter.h"
#include "support/WaveFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>

#include <cmath>

using MonitorServer = ServerWindowFixture;

TEST_F(MonitorServer, MetersReadTheToneWithNoFileAndRecordAfterwardsKeepsItsEdges)
{
    window->show();
    const std::uint32_t sine = CaptureDeviceNamed(QStringLiteral("sine"));
    ASSERT_NE(sine, WAVE_MAPPER) << "the private server has no sine source";
    CDialogRecord& page = Page();
    Choose(page, IDC_DEVICE, static_cast<int>(sine));
    Choose(page, IDC_FILE_TYPE, 1);
    Choose(page, IDC_CHANNEL, 1);
    Choose(page, IDC_SAMPLE_RATE, 7);
    const QString file = Path("after.wav");
    OnPage<QLineEdit>(IDC_FILE_PATH)->setText(file);

    Click(&page, IDC_MONITOR);
    // The server's tone peaks at 16000 of 32768.
    const double tone = 20.0 * std::log10(16000.0 / 32768.0);
    for (int id : {IDC_LEVEL_LEFT, IDC_LEVEL_RIGHT}) {
        const CLevelMeter* meter = platform::FindControl<CLevelMeter>(window.get(), id);
        EXPECT_TRUE(QTest::qWaitFor([&] { return std::abs(meter->Level() - tone) <= 1.0; }, 5000))
            << id << ": " << meter->Level() << " dBFS, not " << tone;
    }
    EXPECT_TRUE(page.m_engine.IsMonitoring());
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty()) << "monitoring opened a file";

    QElapsedTimer clock;
    Click(window.get(), IDC_RECORD);
    clock.start();
    QTest::qWait(1500);
    Click(window.get(), IDC_STOP);
    const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    EXPECT_TRUE(QTest::qWaitFor([&] { return page.m_engine.IsMonitoring(); }, 5000)) << "monitoring is back";
    EXPECT_TRUE(messages.Messages().empty()) << messages.Texts().front().toStdString();

    const auto wave = ReadRecordedWave(file);
    ASSERT_TRUE(wave);
    // Taken over from monitoring, the take is as long as Record to Stop: a server's monitor
    // may begin up to a block of 80 ms late, never early, and Stop ends it at its moment.
    const double recorded = wave->dataSize / 4.0 / 44100.0;
    EXPECT_GE(recorded, seconds - 0.12);
    EXPECT_LE(recorded, seconds + 0.05);
    for (int channel : {0, 1})
        EXPECT_EQ(ToneBreaksIn(wave->data, 16, 2, channel, 44100, EnvHz("TESSAVOX_SINE_HZ", 440)), "") << channel;
}
