// Records from the private sound server through the engine and through parecord, one after
// the other, and prints what each cost in CPU (with the server's own share), how long the
// file is against the time between start and stop, and the samples the engine dropped.
//
//   eval "$(scripts/start-sound-server)"; build/bench/record_wav [seconds]

#include "BenchSupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <cstdio>
#include <cstdlib>

using bench::Result;

namespace {

constexpr std::uint32_t RATE = 48000;
constexpr int BLOCK = 4; // 16-bit stereo
// The engine asks the server for fragments of this length.
constexpr int FRAGMENT_MS = 20;

double RecordedSeconds(const QString& path)
{
    return bench::WaveDataBytes(path) / static_cast<double>(BLOCK * RATE);
}

Result RecordWithParecord(const QString& path, int seconds, long serverPid)
{
    Result r;
    const QByteArray file = QFile::encodeName(path);
    const QByteArray latency = "--latency-msec=" + QByteArray::number(FRAGMENT_MS);
    const char* argv[] = {"parecord", "--rate=48000", "--channels=2", "--format=s16le", "--file-format=wav",
                          latency.constData(), file.constData(), nullptr};
    const double server0 = bench::ProcessCpu(serverPid);
    QElapsedTimer clock;
    clock.start();
    const pid_t pid = bench::Spawn(argv, -1, -1);
    if (pid <= 0)
        return r;
    bench::RunFor(seconds * 1000);
    kill(pid, SIGINT);
    r.elapsed = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    r.cpu = bench::Reap(pid);
    r.serverCpu = bench::ProcessCpu(serverPid) - server0;
    r.recorded = RecordedSeconds(path);
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
    if (!bench::SoundServerRunning())
        return 2;
    const long serverPid = bench::SoundServerPid();
    QTemporaryDir dir;
    std::printf("recording %d s at %u Hz 16-bit stereo, fragments of %d ms\n", seconds, RATE, FRAGMENT_MS);
    const Result engine =
        bench::RecordWithEngine(dir.filePath(QStringLiteral("engine.wav")), RATE, seconds, serverPid, &RecordedSeconds);
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
