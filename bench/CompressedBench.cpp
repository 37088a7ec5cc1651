// The engine recording FLAC or Opus against the format's own encoder fed by parecord.

#include "CompressedBench.h"

#include "BenchSupport.h"
#include "engine/AudioPlayRec.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace bench {
namespace {

constexpr std::uint32_t RATE = 48000;
// parecord is asked for fragments this long, as a low-latency recorder would.
constexpr int PEER_FRAGMENT_MS = 20;

Result RecordWithPipeline(const CompressedFormat& format, const QString& path, int seconds)
{
    Result r;
    const QByteArray rate = "--rate=" + QByteArray::number(RATE);
    const QByteArray latency = "--latency-msec=" + QByteArray::number(PEER_FRAGMENT_MS);
    const char* record[] = {"parecord", "--raw", rate.constData(), "--channels=2", "--format=s16le",
                            latency.constData(), nullptr};
    const std::vector<QByteArray> words = format.encoder(RATE, 2, QFile::encodeName(path));
    std::vector<const char*> encode;
    for (const QByteArray& w : words)
        encode.push_back(w.constData());
    encode.push_back(nullptr);
    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC) != 0)
        return r;
    const double server0 = SoundServerCpu();
    QElapsedTimer clock;
    clock.start();
    const pid_t encoder = Spawn(encode.data(), pipeEnds[0], -1);
    const pid_t parecord = Spawn(record, -1, pipeEnds[1]);
    close(pipeEnds[0]);
    close(pipeEnds[1]);
    RunFor(seconds * 1000);
    if (parecord > 0)
        kill(parecord, SIGINT);
    r.elapsed = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    r.cpu = Reap(parecord) + Reap(encoder);
    r.serverCpu = SoundServerCpu() - server0;
    r.recorded = format.seconds(path);
    return r;
}

void Print(const char* name, const Result& r)
{
    std::printf("%-9s cpu %.3f s (server %.3f s); the file holds %.3f s of %.3f s\n", name, r.cpu, r.serverCpu,
                r.recorded, r.elapsed);
}

// Megabytes an hour of this file's sound takes.
double MegabytesPerHour(const QString& path, double seconds)
{
    return seconds > 0 ? static_cast<double>(QFileInfo(path).size()) / seconds * 3600.0 / 1e6 : 0.0;
}

} // namespace

int RunCompressedBench(int argc, char** argv, const CompressedFormat& format)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const Arguments args = ParseArguments(argc, argv);
    const int seconds = args.Number(0, 20);
    const int rounds = args.Number(1, 5);
    if (!SoundServerRunning(args))
        return 2;
    QTemporaryDir dir;
    const QString ext = QLatin1String(format.ext);
    std::printf("%s server, %s: recording %d s at %u Hz 16-bit stereo into %s, %d round(s), against %s\n",
                qPrintable(SoundServerName()), qPrintable(SourceName()), seconds, RATE, format.ext, rounds,
                format.pipeline);
    std::vector<double> engine, pipeline, stereoSize;
    for (int round = 1; round <= rounds; ++round) {
        std::printf("-- round %d\n", round);
        const QString mine = dir.filePath(QStringLiteral("engine.") + ext);
        const Result e = RecordWithEngine(mine, RATE, seconds, format.seconds);
        const Result p = RecordWithPipeline(format, dir.filePath(QStringLiteral("pipeline.") + ext), seconds);
        Print("engine", e);
        Print("pipeline", p);
        std::printf("cpu ratio engine/pipeline: %.2f\n", e.cpu / p.cpu);
        engine.push_back(e.cpu);
        pipeline.push_back(p.cpu);
        stereoSize.push_back(MegabytesPerHour(mine, e.recorded));
        std::fflush(stdout);
    }
    // The sizes per hour: the source's tone, so speech or music may take more (FLAC) or the
    // same (Opus, whose rate is set).
    const QString mono = dir.filePath(QStringLiteral("mono.") + ext);
    const Result m = RecordWithEngine(mono, 16000, seconds, format.seconds, {.channelMode = CHANNELS_MONO});
    std::printf("-- medians of %d round(s), %s server\n", rounds, qPrintable(SoundServerName()));
    std::printf("cpu: engine %.3f s, pipeline %.3f s\n", Median(engine), Median(pipeline));
    std::printf("cpu ratio engine/pipeline: %.2f (target at most 0.8)\n", Median(engine) / Median(pipeline));
    std::printf("size per hour: %.0f MB at 16000 Hz mono, %.0f MB at 48000 Hz stereo\n",
                MegabytesPerHour(mono, m.recorded), Median(stereoSize));
    return 0;
}

} // namespace bench
