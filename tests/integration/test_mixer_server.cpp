// The input source layer on the private sound server. What the layer did is checked
// through the server (pactl), not through the layer itself.

#include "ServerFixture.h"

#include "mixer/InputSources.h"
#include "mixer/VolumeInXXX.h"
#include "platform/mixer/pulse/PulseMixerBackend.h"
#include "support/SoundServer.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr std::uint32_t NORM = 65536;
constexpr std::uint32_t ALL_ONES = 0xFFFFFFFF;

QString Env(const char* name)
{
    return qEnvironmentVariable(name);
}

// Runs pactl against the private server; its output, or a failed expectation.
QString Pactl(const QStringList& args)
{
    QString failure;
    const QString output = testsupport::Pactl(args, &failure);
    EXPECT_EQ(failure, QString());
    return output;
}

// The source's volume per channel, as the server reports it ("front-left: 32768 / 50% ...").
std::vector<std::uint32_t> ServerVolume(const QString& source)
{
    const QString text = Pactl({QStringLiteral("get-source-volume"), source});
    std::vector<std::uint32_t> values;
    static const QRegularExpression channel(QStringLiteral(R"(:\s*(\d+)\s*/)"));
    for (auto it = channel.globalMatch(text.section('\n', 0, 0)); it.hasNext();)
        values.push_back(it.next().captured(1).toUInt());
    return values;
}

bool ServerMute(const QString& source)
{
    return Pactl({QStringLiteral("get-source-mute"), source}).contains(QStringLiteral("yes"));
}

std::vector<std::int32_t> g_heard;

class MixerServerTest : public ServerFixture {
protected:
    void SetUp() override
    {
        ServerFixture::SetUp();
        if (IsSkipped())
            return;
        platform::UseMixerBackend(&mixer);
        sineName = Env("TESSAVOX_SINE_SOURCE");
        sine = CaptureDeviceNamed(Env("TESSAVOX_SINE_DESCRIPTION"));
        ASSERT_NE(sine, WAVE_MAPPER);
        engine.m_nDeviceID = sine;
        g_heard.clear();
    }

    void TearDown() override
    {
        if (IsSkipped())
            return;
        platform::UseMixerBackend(nullptr);
        // The recording tests expect the sine at full volume and heard.
        Pactl({QStringLiteral("set-source-volume"), sineName, QString::number(NORM)});
        Pactl({QStringLiteral("set-source-mute"), sineName, QStringLiteral("0")});
        for (const QString& module : modules)
            Pactl({QStringLiteral("unload-module"), module});
        EXPECT_EQ(g_pActiveVolume, nullptr);
        EXPECT_TRUE(messages.Messages().empty());
    }

    // A sine source of our own, described as `description`; whether the server lists it in
    // time (PipeWire makes it after load-module has answered).
    bool AddSource(const QString& name, const QString& description)
    {
        // A source of its own over the monitor, which both servers can make.
        const QString props = QStringLiteral("source_properties=\"device.description='%1'\"").arg(description);
        modules.push_back(Pactl({QStringLiteral("load-module"), QStringLiteral("module-remap-source"),
                                 QStringLiteral("master=") + Env("TESSAVOX_MONITOR_SOURCE"),
                                 QStringLiteral("source_name=") + name, props}));
        return QTest::qWaitFor([&] { return CaptureDeviceNamed(description) != WAVE_MAPPER; }, 5000);
    }

    platform::PulseMixerBackend mixer;
    CAudioPlayRec engine;
    QString sineName;
    std::uint32_t sine = WAVE_MAPPER;
    QStringList modules;
};

TEST_F(MixerServerTest, SourceWithoutPortsHasOneLineNamedAfterIt)
{
    std::vector<platform::MIXERLINE> lines;
    const MixerSourceProc collect = [](std::uint32_t, const platform::MIXERLINE& line, void* context) {
        static_cast<std::vector<platform::MIXERLINE>*>(context)->push_back(line);
        return true;
    };
    ASSERT_TRUE(EnumerateInputSources(sine, collect, &lines));
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].szShortName, Env("TESSAVOX_SINE_DESCRIPTION"));
    EXPECT_EQ(lines[0].dwComponentType, platform::MIXERLINE_COMPONENTTYPE_SRC_UNDEFINED);
    EXPECT_EQ(lines[0].cChannels, ServerVolume(sineName).size());

    {
        CVolumeInXXX v(sine, 0);
        EXPECT_TRUE(v.HasVolumeControl());
        EXPECT_EQ(v.GetMinimum(), 0);
        EXPECT_EQ(v.GetMaximum(), static_cast<std::int32_t>(NORM));
        EXPECT_GT(v.GetStepCount(), 1);
    }
    CVolumeInXXX past(sine, 1);
    EXPECT_FALSE(past.m_bLineFound);
    EXPECT_EQ(past.GetVolume(), -1);
}

TEST_F(MixerServerTest, QueryInputVolumeReadsTheServersVolumeAndBounds)
{
    Pactl({QStringLiteral("set-source-volume"), sineName, QStringLiteral("32768")});
    std::int32_t maximum = 0;
    std::int32_t minimum = 1;
    EXPECT_EQ(QueryInputVolume(engine, false, &maximum, &minimum), 32768);
    EXPECT_EQ(maximum, static_cast<std::int32_t>(NORM));
    EXPECT_EQ(minimum, 0);
    Pactl({QStringLiteral("set-source-volume"), sineName, QStringLiteral("12345")});
    EXPECT_EQ(QueryInputVolume(engine, true), 12345);
    // The default capture device is the sine source.
    engine.m_nDeviceID = WAVE_MAPPER;
    EXPECT_EQ(QueryInputVolume(engine, false), 12345);
}

TEST_F(MixerServerTest, ApplyInputSourceSetsTheVolumeAndUnmutes)
{
    Pactl({QStringLiteral("set-source-mute"), sineName, QStringLiteral("1")});
    ApplyInputSource(engine, 20000, false);
    EXPECT_EQ(ServerVolume(sineName), std::vector<std::uint32_t>(ServerVolume(sineName).size(), 20000));
    EXPECT_FALSE(ServerMute(sineName));

    // Out of bounds: the volume stays, the source is still made the recorded one.
    Pactl({QStringLiteral("set-source-mute"), sineName, QStringLiteral("1")});
    ApplyInputSource(engine, NORM + 1, false);
    EXPECT_EQ(ServerVolume(sineName).front(), 20000u);
    EXPECT_FALSE(ServerMute(sineName));

    ApplyInputSource(engine, ALL_ONES, false);
    EXPECT_EQ(ServerVolume(sineName).front(), NORM);
}

TEST_F(MixerServerTest, SelectDeviceWalksTheServersSources)
{
    ASSERT_TRUE(AddSource(QStringLiteral("tessavox_mixer_mic"), QStringLiteral("Tessavox Test Microphone")));
    ASSERT_TRUE(AddSource(QStringLiteral("tessavox_mixer_line"), QStringLiteral("Tessavox Test Line In")));
    // Numbers are positions, taken once both are listed: PipeWire may give the second source
    // an id freed earlier, ahead of the first.
    sine = CaptureDeviceNamed(Env("TESSAVOX_SINE_DESCRIPTION"));
    const std::uint32_t mic = CaptureDeviceNamed(QStringLiteral("Tessavox Test Microphone"));
    const std::uint32_t line = CaptureDeviceNamed(QStringLiteral("Tessavox Test Line In"));

    engine.m_nMicSource = 5;
    engine.m_nLineSource = 6;
    engine.SelectDevice(sine);
    EXPECT_EQ(engine.m_nMicSource, 5u);
    EXPECT_EQ(engine.m_nLineSource, 6u);
    engine.SelectDevice(mic);
    EXPECT_EQ(engine.m_nMicSource, 0u);
    EXPECT_EQ(engine.m_nLineSource, 6u);
    engine.SelectDevice(line);
    EXPECT_EQ(engine.m_nLineSource, 0u);
    EXPECT_EQ(engine.m_nDeviceID, line);

    // The device chosen is the one whose volume is set.
    Pactl({QStringLiteral("set-source-volume"), sineName, QStringLiteral("30000")});
    ApplyInputSource(engine, 10000, true);
    EXPECT_EQ(ServerVolume(QStringLiteral("tessavox_mixer_line")).front(), 10000u);
    EXPECT_EQ(ServerVolume(sineName).front(), 30000u);
}

TEST_F(MixerServerTest, ChangesOnTheServerReachTheCallback)
{
    CVolumeInXXX v(sine, 0);
    ASSERT_TRUE(v.HasVolumeControl());
    v.SetChangeCallback([](std::int32_t volume, std::uint32_t) { g_heard.push_back(volume); }, 0);
    Pactl({QStringLiteral("set-source-volume"), sineName, QStringLiteral("40000")});
    QTRY_VERIFY_WITH_TIMEOUT(std::find(g_heard.begin(), g_heard.end(), 40000) != g_heard.end(), 5000);
    // A change that leaves the volume alone is not a volume change.
    const std::size_t heard = g_heard.size();
    Pactl({QStringLiteral("set-source-mute"), sineName, QStringLiteral("1")});
    Pactl({QStringLiteral("set-source-volume"), sineName, QStringLiteral("41000")});
    QTRY_VERIFY_WITH_TIMEOUT(std::find(g_heard.begin(), g_heard.end(), 41000) != g_heard.end(), 5000);
    EXPECT_EQ(g_heard.size(), heard + 1);
}

TEST_F(MixerServerTest, AForkedChildFindsNoMixerInsteadOfHanging)
{
    ASSERT_EQ(QueryInputVolume(engine, false), static_cast<std::int32_t>(NORM));
    // The child has no main-loop thread and shares the parent's socket: it must leave both
    // alone. A child that hangs is ended by its alarm and reported as a failure.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        alarm(30);
        std::int32_t maximum = 0;
        const bool none = QueryInputVolume(engine, false, &maximum) == -1 && maximum == -1;
        ApplyInputSource(engine, 1000, false);
        _exit(none ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    // The parent's connection is untouched, and the child changed nothing.
    EXPECT_EQ(QueryInputVolume(engine, false), static_cast<std::int32_t>(NORM));
    EXPECT_EQ(ServerVolume(sineName).front(), NORM);
}

// A server of the test's own, so it can be stopped and killed.
class ThrowawayServer {
public:
    ThrowawayServer()
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("PULSE_SERVER"));
        for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_RUNTIME_DIR", "PULSE_RUNTIME_PATH", "PULSE_STATE_PATH"})
            env.insert(QString::fromLatin1(name), dir.path());
        daemon.setProcessEnvironment(env);
        daemon.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        daemon.start(QStringLiteral("pulseaudio"),
                     {QStringLiteral("-n"), QStringLiteral("--daemonize=no"), QStringLiteral("--use-pid-file=no"),
                      QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--realtime=no"),
                      QStringLiteral("--high-priority=no"), QStringLiteral("--log-target=stderr"),
                      QStringLiteral("--log-level=error"), QStringLiteral("-L"),
                      QStringLiteral("module-native-protocol-unix auth-anonymous=1 socket=") + Socket(),
                      QStringLiteral("-L"), QStringLiteral("module-sine-source source_name=throwaway")});
    }

    ~ThrowawayServer()
    {
        if (daemon.state() == QProcess::NotRunning)
            return;
        ::kill(static_cast<pid_t>(daemon.processId()), SIGCONT);
        daemon.kill();
        daemon.waitForFinished(5000);
    }

    QString Socket() const { return dir.filePath(QStringLiteral("native")); }

    QTemporaryDir dir;
    QProcess daemon;
};

TEST_F(MixerServerTest, AServerThatStopsAnsweringOrGoesAwayFindsNoMixer)
{
    ThrowawayServer server;
    ASSERT_TRUE(server.daemon.waitForStarted(5000));
    platform::PulseMixerBackend own(QStringLiteral("unix:%1").arg(server.Socket()).toUtf8());
    platform::UseMixerBackend(&own);
    engine.m_nDeviceID = 0;
    ASSERT_TRUE(QTest::qWaitFor([&] { return own.DeviceCount() == 1; }, 10000));
    EXPECT_EQ(QueryInputVolume(engine, false), static_cast<std::int32_t>(NORM));

    // A server that no longer answers is given up after the reply timeout, not waited for.
    const auto pid = static_cast<pid_t>(server.daemon.processId());
    ASSERT_EQ(::kill(pid, SIGSTOP), 0);
    EXPECT_EQ(QueryInputVolume(engine, false), -1);
    ApplyInputSource(engine, 100, false);
    ASSERT_EQ(::kill(pid, SIGCONT), 0);
    // Once it answers again, the next call finds it; the stopped call changed nothing.
    ASSERT_TRUE(QTest::qWaitFor([&] { return QueryInputVolume(engine, false) != -1; }, 10000));
    EXPECT_EQ(QueryInputVolume(engine, false), static_cast<std::int32_t>(NORM));

    server.daemon.kill();
    ASSERT_TRUE(server.daemon.waitForFinished(5000));
    std::int32_t maximum = 0;
    EXPECT_EQ(QueryInputVolume(engine, false, &maximum), -1);
    EXPECT_EQ(maximum, -1);
    // The capture devices are still there (the audio backend's server runs); no mixer is.
    EXPECT_EQ(FindMixerCapableDevice(), -1);
}

} // namespace
