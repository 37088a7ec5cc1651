#include "BenchSupport.h"

#include "engine/AudioPlayRec.h"
#include "platform/ShowMessage.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTimer>

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

// The engine's owner callback: the capture device has closed, the file is finished.
void QuitOnClose(std::uint32_t message, void* loop)
{
    if (message == MM_WIM_CLOSE)
        static_cast<QEventLoop*>(loop)->quit();
}

void PrintMessages(const platform::MessageRecorder& messages)
{
    for (const auto& t : messages.Texts())
        std::fprintf(stderr, "engine: %s\n", qPrintable(t));
}

} // namespace

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

double Reap(pid_t pid)
{
    int status = 0;
    rusage usage{};
    if (pid <= 0 || wait4(pid, &status, 0, &usage) != pid)
        return 0.0;
    return CpuOf(usage);
}

bool SoundServerRunning()
{
    if (!qEnvironmentVariableIsEmpty("PULSE_SERVER"))
        return true;
    std::fprintf(stderr, "start the private server first: eval \"$(scripts/start-sound-server)\"\n");
    return false;
}

long SoundServerPid()
{
    return qEnvironmentVariableIntValue("TESSAVOX_SOUND_SERVER_PID");
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

Result RecordWithEngine(const QString& path, std::uint32_t rate, int seconds, long serverPid,
                        const std::function<double(const QString&)>& recordedSeconds)
{
    Result r;
    platform::MessageRecorder messages;
    CAudioPlayRec engine;
    rusage before{}, after{};
    getrusage(RUSAGE_SELF, &before);
    const double server0 = ProcessCpu(serverPid);
    QElapsedTimer clock;
    QEventLoop closed;
    if (!engine.Create(WAVE_MAPPER, nullptr, nullptr, &QuitOnClose, &closed))
        return r;
    clock.start();
    if (!engine.StartRecord(16, CHANNELS_STEREO, rate) || !engine.OpenRecordFile(0, path)) {
        PrintMessages(messages);
        return r;
    }
    RunFor(seconds * 1000);
    engine.Stop();
    r.elapsed = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    RunEventLoop(5000, closed);
    if (engine.m_nStatus != STATUS_READY)
        std::fprintf(stderr, "engine: the capture did not close\n");
    getrusage(RUSAGE_SELF, &after);
    r.cpu = CpuOf(after) - CpuOf(before);
    r.serverCpu = ProcessCpu(serverPid) - server0;
    r.recorded = recordedSeconds(path);
    PrintMessages(messages);
    return r;
}

} // namespace bench
