// Records from the private sound server through the engine and through parecord, one after
// the other, and prints what each cost in CPU (with the server's own share), how long the
// file is against the time between start and stop, and the samples the engine dropped.
//
//   eval "$(scripts/start-sound-server)"; build/bench/record_wav [seconds]

#include "engine/AudioPlayRec.h"
#include "platform/ShowMessage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <cstdio>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

constexpr std::uint32_t RATE = 48000;
constexpr int BLOCK = 4; // 16-bit stereo
// The engine asks the server for fragments of this length.
constexpr int FRAGMENT_MS = 20;

double Seconds(const timeval& t)
{
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
}

double CpuOf(const rusage& u)
{
    return Seconds(u.ru_utime) + Seconds(u.ru_stime);
}

// utime + stime of a process, from /proc/<pid>/stat.
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

std::uint32_t DataBytes(const QString& path)
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

struct Result {
    double cpu = 0;
    double serverCpu = 0;
    double elapsed = 0;
    double recorded = 0;
};

Result RecordWithEngine(const QString& path, int seconds, long serverPid)
{
    Result r;
    platform::MessageRecorder messages;
    CAudioPlayRec engine;
    rusage before{}, after{};
    getrusage(RUSAGE_SELF, &before);
    const double server0 = ProcessCpu(serverPid);
    QElapsedTimer clock;
    if (!engine.Create(WAVE_MAPPER, nullptr, nullptr, nullptr, nullptr))
        return r;
    clock.start();
    if (!engine.StartRecord(16, CHANNELS_STEREO, RATE) || !engine.OpenRecordFile(0, path)) {
        for (const auto& t : messages.Texts())
            std::fprintf(stderr, "engine: %s\n", qPrintable(t));
        return r;
    }
    QTest::qWait(seconds * 1000);
    engine.Stop();
    r.elapsed = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    if (!QTest::qWaitFor([&] { return engine.m_nStatus == STATUS_READY; }, 5000))
        std::fprintf(stderr, "engine: the capture did not close\n");
    getrusage(RUSAGE_SELF, &after);
    r.cpu = CpuOf(after) - CpuOf(before);
    r.serverCpu = ProcessCpu(serverPid) - server0;
    r.recorded = DataBytes(path) / static_cast<double>(BLOCK * RATE);
    for (const auto& t : messages.Texts())
        std::fprintf(stderr, "engine: %s\n", qPrintable(t));
    return r;
}

Result RecordWithParecord(const QString& path, int seconds, long serverPid)
{
    Result r;
    const QByteArray file = QFile::encodeName(path);
    const QByteArray latency = "--latency-msec=" + QByteArray::number(FRAGMENT_MS);
    const char* argv[] = {"parecord", "--rate=48000", "--channels=2", "--format=s16le", "--file-format=wav",
                          latency.constData(), file.constData(), nullptr};
    const double server0 = ProcessCpu(serverPid);
    QElapsedTimer clock;
    clock.start();
    pid_t pid = 0;
    if (posix_spawnp(&pid, "parecord", nullptr, nullptr, const_cast<char**>(argv), environ) != 0) {
        std::fprintf(stderr, "parecord could not be started\n");
        return r;
    }
    QTest::qWait(seconds * 1000);
    kill(pid, SIGINT);
    r.elapsed = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    r.cpu = CpuOf(usage);
    r.serverCpu = ProcessCpu(serverPid) - server0;
    r.recorded = DataBytes(path) / static_cast<double>(BLOCK * RATE);
    return r;
}

void Print(const char* name, const Result& r)
{
    std::printf("%-9s cpu %.3f s + server %.3f s = %.3f s; recorded %.3f s of %.3f s (%+.0f ms)\n", name, r.cpu,
                r.serverCpu, r.cpu + r.serverCpu, r.recorded, r.elapsed, (r.recorded - r.elapsed) * 1000.0);
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 60;
    if (qEnvironmentVariableIsEmpty("PULSE_SERVER")) {
        std::fprintf(stderr, "start the private server first: eval \"$(scripts/start-sound-server)\"\n");
        return 2;
    }
    const long serverPid = qEnvironmentVariableIntValue("TESSAVOX_SOUND_SERVER_PID");
    QTemporaryDir dir;
    std::printf("recording %d s at %u Hz 16-bit stereo, fragments of %d ms\n", seconds, RATE, FRAGMENT_MS);
    const Result engine = RecordWithEngine(dir.filePath(QStringLiteral("engine.wav")), seconds, serverPid);
    const Result parecord = RecordWithParecord(dir.filePath(QStringLiteral("parecord.wav")), seconds, serverPid);
    Print("engine", engine);
    Print("parecord", parecord);
    const double ratio = (engine.cpu + engine.serverCpu) / (parecord.cpu + parecord.serverCpu);
    const double ringSeconds = (RATE / 11025 + 2 + 2) * 4096.0 / (RATE * BLOCK);
    const double dropped = RATE * engine.elapsed - engine.recorded * RATE;
    std::printf("cpu ratio engine/parecord: %.2f (target at most 1.0)\n", ratio);
    std::printf("engine length error: %.1f ms (target within 50 ms)\n", (engine.recorded - engine.elapsed) * 1000.0);
    std::printf("engine dropped samples: %.0f (one ring is %.0f)\n", dropped, ringSeconds * RATE);
    return 0;
}
