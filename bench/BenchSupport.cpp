#include "BenchSupport.h"

#include "engine/AudioPlayRec.h"
#include "engine/view/LevelMeter.h"
#include "platform/ShowMessage.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QFile>
#include <QTimer>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace bench {

namespace {

double Seconds(const timeval& t)
{
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
}

// Runs the event loop until quit or for at most ms.
void RunEventLoop(int ms, QEventLoop& loop)
{
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

// What the engine tells its owner during a benchmark's recording, and the frames its
// display shows meanwhile.
struct EngineWatch : QObject {
    QEventLoop closed;
    QElapsedTimer clock;
    qint64 startNs = -1;
    qint64 stopNs = -1;
    qint64 closedNs = -1;
    qint64 lastPaintNs = -1;
    qint64 longestGapNs = 0;
    int paints = 0;

    int paintEvents = 0; // of the display, whether or not in a frame

    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint && startNs >= 0 && stopNs < 0)
            ++paintEvents;
        return false;
    }
    void Frame()
    {
        if (startNs >= 0 && stopNs < 0) {
            const qint64 now = clock.nsecsElapsed();
            longestGapNs = std::max(longestGapNs, now - (lastPaintNs >= 0 ? lastPaintNs : startNs));
            lastPaintNs = now;
            ++paints;
        }
    }
};

// The engine's owner callback: the capture device closing means every file is finished.
void Watch(std::uint32_t message, void* owner)
{
    auto* watch = static_cast<EngineWatch*>(owner);
    if (message == MM_WIM_CLOSE) {
        watch->closedNs = watch->clock.nsecsElapsed();
        watch->closed.quit();
    }
}

void PrintMessages(const platform::MessageRecorder& messages)
{
    for (const auto& t : messages.Texts())
        std::fprintf(stderr, "engine: %s\n", qPrintable(t));
}

} // namespace

double Median(std::vector<double> values)
{
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
}

double Spread(const std::vector<double>& values)
{
    if (values.empty())
        return 0.0;
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    return *high - *low;
}

double CpuOf(const rusage& u)
{
    return Seconds(u.ru_utime) + Seconds(u.ru_stime);
}

double ProcessCpu(long pid)
{
    QFile f(QStringLiteral("/proc/%1/stat").arg(pid));
    if (pid <= 0 || !f.open(QIODevice::ReadOnly))
        return 0.0;
    const QByteArray stat = f.readAll();
    const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
    // Fields after the command name start at field 3; utime and stime are fields 14 and 15.
    return (fields.value(11).toDouble() + fields.value(12).toDouble()) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

void RunFor(int ms)
{
    QEventLoop loop;
    RunEventLoop(ms, loop);
}

pid_t Spawn(const char* const argv[], int in, int out)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (in >= 0)
        posix_spawn_file_actions_adddup2(&actions, in, STDIN_FILENO);
    if (out >= 0)
        posix_spawn_file_actions_adddup2(&actions, out, STDOUT_FILENO);
    pid_t pid = 0;
    const int rc = posix_spawnp(&pid, argv[0], &actions, nullptr, const_cast<char**>(argv), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) {
        std::fprintf(stderr, "%s could not be started\n", argv[0]);
        return -1;
    }
    return pid;
}

double Reap(pid_t pid, long* waits)
{
    int status = 0;
    rusage usage{};
    if (pid <= 0 || wait4(pid, &status, 0, &usage) != pid)
        return 0.0;
    if (waits)
        *waits = usage.ru_nvcsw;
    return CpuOf(usage);
}

int Arguments::Number(std::size_t i, int fallback, int minimum) const
{
    return std::max(minimum, i < numbers.size() ? numbers[i] : fallback);
}

Arguments ParseArguments(int argc, char** argv)
{
    Arguments args;
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "--busy")
            args.busy = true;
        else if (arg == "--paced")
            args.paced = true;
        else if (arg == "--skip-silence")
            args.skipSilence = true;
        else if (arg == "--watch-silence")
            args.watchSilence = true;
        else {
            bool number = false;
            args.numbers.push_back(arg.toInt(&number));
            args.unknown = args.unknown || !number;
        }
    }
    return args;
}

bool SoundServerRunning(const Arguments& args)
{
    if (args.unknown) {
        std::fprintf(stderr, "arguments: numbers, then --busy, --paced, --skip-silence or --watch-silence where the benchmark takes them\n");
        return false;
    }
    if (qEnvironmentVariableIsEmpty("PULSE_SERVER")) {
        std::fprintf(stderr, "start the private server first: eval \"$(scripts/start-sound-server)\"\n");
        return false;
    }
    if (!args.paced)
        return true;
    const QByteArray paced = qgetenv("TESSAVOX_PACED_SOURCE");
    if (paced.isEmpty()) {
        std::fprintf(stderr, "--paced: start the server with its paced source: "
                             "eval \"$(scripts/start-sound-server --paced)\"\n");
        return false;
    }
    // The client library's default source, for this process and the peers it starts.
    qputenv("PULSE_SOURCE", paced);
    return true;
}

QString SoundServerName()
{
    return qEnvironmentVariable("TESSAVOX_SOUND_FLAVOUR") == QLatin1String("pipewire") ? QStringLiteral("PipeWire")
                                                                                       : QStringLiteral("PulseAudio");
}

QString SourceName()
{
    const QString source = qEnvironmentVariable("PULSE_SOURCE");
    return source.isEmpty() ? QStringLiteral("default source") : QStringLiteral("source ") + source;
}

double SoundServerCpu()
{
    double cpu = 0.0;
    for (const QString& pid : qEnvironmentVariable("TESSAVOX_SOUND_SERVER_PIDS").split(u' ', Qt::SkipEmptyParts))
        cpu += ProcessCpu(pid.toLong());
    return cpu;
}

BusyCores::BusyCores(bool busy)
{
    if (!busy)
        return;
    const char* const spin[] = {"sh", "-c", "while :; do :; done", nullptr};
    for (long core = 0; core < sysconf(_SC_NPROCESSORS_ONLN); ++core)
        if (const pid_t pid = Spawn(spin, -1, -1); pid > 0)
            m_pids.push_back(pid);
}

BusyCores::~BusyCores()
{
    for (const pid_t pid : m_pids) {
        kill(pid, SIGKILL);
        Reap(pid);
    }
}

std::uint32_t WaveDataBytes(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray b = f.readAll();
    // Both writers put "data" somewhere in the header; its size follows it.
    const qsizetype at = b.indexOf("data");
    if (at < 0 || at + 8 > b.size())
        return 0;
    std::uint32_t size = 0;
    for (int i = 0; i < 4; ++i)
        size |= static_cast<std::uint32_t>(static_cast<std::uint8_t>(b[at + 4 + i])) << (8 * i);
    return size;
}

Result RecordWithEngine(const QString& path, std::uint32_t rate, int seconds,
                        const std::function<double(const QString&)>& recordedSeconds, const EngineRun& run)
{
    Result r;
    platform::MessageRecorder messages;
    // The display as the main window shows it: the trace, and the two meters beside it.
    QWidget host;
    host.resize(420, 92);
    CLevelMeter left(QStringLiteral("Left"));
    CLevelMeter right(QStringLiteral("Right"));
    for (CLevelMeter* meter : {&left, &right})
        meter->setParent(&host);
    left.move(210, 20);
    right.move(210, 46);
    host.setVisible(run.shown);
    // The first paint (fonts found, the scale drawn) is the program's start, not its recording.
    QCoreApplication::processEvents();
    const QRect display(20, 20, 176, 52);
    CAudioPlayRec engine;
    EngineWatch watch;
    QObject::connect(&engine, &CAudioPlayRec::FrameShown, &watch, &EngineWatch::Frame);
    engine.installEventFilter(&watch);
    // The server's share is read outside the engine's: reading it costs this process too.
    const double server0 = SoundServerCpu();
    rusage before{}, after{};
    getrusage(RUSAGE_SELF, &before);
    if (!engine.Create(WAVE_MAPPER, &host, &display, &Watch, &watch))
        return r;
    engine.AttachMeters(&left, &right);
    SkipSilence skip;
    skip.enabled = run.skipSilence;
    engine.SetSkipSilence(skip);
    watch.clock.start();
    if (!engine.StartRecord(16, run.channelMode, rate) || !engine.OpenRecordFile(0, path)) {
        PrintMessages(messages);
        return r;
    }
    if (run.watchSilence)
        engine.WatchForSilence(5 * 60);
    watch.startNs = watch.clock.nsecsElapsed();
    RunFor(seconds * 1000);
    engine.Stop();
    watch.stopNs = watch.clock.nsecsElapsed();
    r.elapsed = static_cast<double>(watch.stopNs) / 1e9;
    RunEventLoop(5000, watch.closed);
    if (engine.m_nStatus != STATUS_READY)
        std::fprintf(stderr, "engine: the capture did not close\n");
    getrusage(RUSAGE_SELF, &after);
    r.cpu = CpuOf(after) - CpuOf(before);
    r.waits = after.ru_nvcsw - before.ru_nvcsw;
    r.serverCpu = SoundServerCpu() - server0;
    r.recorded = recordedSeconds(path);
    r.finalAfterStop = watch.closedNs >= 0 ? static_cast<double>(watch.closedNs - watch.stopNs) / 1e9 : -1.0;
    const double recording = static_cast<double>(watch.stopNs - watch.startNs) / 1e9;
    r.breaksCounted = engine.CurrentTake().Breaks();
    r.paintedFrames = watch.paints;
    r.paintEvents = watch.paintEvents;
    r.traceUpdatesPerSecond = watch.paints / recording;
    r.longestTraceGap =
        static_cast<double>(std::max(watch.longestGapNs, watch.stopNs - std::max(watch.lastPaintNs, watch.startNs))) /
        1e9;
    PrintMessages(messages);
    return r;
}

} // namespace bench
