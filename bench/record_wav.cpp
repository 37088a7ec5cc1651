// Records from the private sound server through the engine and through parecord, in rounds
// that alternate the two, and prints for each what it cost in CPU (with the server's own
// share), how long the file is against the time between start and stop, and where the
// source's tone breaks in it; for the engine also how often its display (the trace and the
// meters, shown as in the main window) painted a frame and how long after Stop the file
// was final. Each round records with the engine twice, its window shown and hidden (as a
// locked screen leaves it: nothing to paint). The medians of the rounds come last, each
// with its target. --busy keeps both cores busy meanwhile.
//
//   eval "$(scripts/start-sound-server)"; build/bench/record_wav [seconds [rounds]] [--busy] [--paced] [--skip-silence]
//       [--watch-silence]
//
// --paced records from the server's paced source (scripts/start-sound-server --paced), which
// captures in real time as a sound card does, instead of the default source.
// --skip-silence adds to each round a recording by the engine that skips silence, and
// compares its CPU with the engine's without. --watch-silence does the same for a recording
// whose input is watched for silence, as a scheduled take's is.

#include "BenchSupport.h"
#include "support/ToneBreaks.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <cstdio>

using bench::Result;

namespace {

constexpr std::uint32_t RATE = 48000;
constexpr int BLOCK = 4; // 16-bit stereo
// parecord is asked for fragments this long, as a low-latency recorder would.
constexpr int PEER_FRAGMENT_MS = 20;

double RecordedSeconds(const QString& path)
{
    return bench::WaveDataBytes(path) / static_cast<double>(BLOCK * RATE);
}

Result RecordWithParecord(const QString& path, int seconds)
{
    Result r;
    const QByteArray file = QFile::encodeName(path);
    const QByteArray latency = "--latency-msec=" + QByteArray::number(PEER_FRAGMENT_MS);
    const char* argv[] = {"parecord", "--rate=48000", "--channels=2", "--format=s16le", "--file-format=wav",
                          latency.constData(), file.constData(), nullptr};
    const double server0 = bench::SoundServerCpu();
    QElapsedTimer clock;
    clock.start();
    const pid_t pid = bench::Spawn(argv, -1, -1);
    if (pid <= 0)
        return r;
    bench::RunFor(seconds * 1000);
    kill(pid, SIGINT);
    r.elapsed = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    r.cpu = bench::Reap(pid, &r.waits);
    r.serverCpu = bench::SoundServerCpu() - server0;
    r.recorded = RecordedSeconds(path);
    return r;
}

// Breaks in the default source's tone, both channels of a 16-bit stereo WAV file.
int ToneBreaksOf(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray bytes = f.readAll();
    const qsizetype at = bytes.indexOf("data");
    if (at < 0)
        return -1;
    const QByteArray data = bytes.mid(at + 8, bench::WaveDataBytes(path));
    const double hz = qEnvironmentVariableIsSet("TESSAVOX_SINE_HZ") ? qEnvironmentVariable("TESSAVOX_SINE_HZ").toDouble() : 440.0;
    std::size_t breaks = 0;
    for (unsigned channel = 0; channel < 2; ++channel) {
        std::vector<int> samples;
        for (qsizetype i = channel * 2; i + 1 < data.size(); i += BLOCK)
            samples.push_back(static_cast<std::int16_t>(static_cast<std::uint8_t>(data[i]) |
                                                        static_cast<std::uint8_t>(data[i + 1]) << 8));
        const auto found = ToneBreaks(samples, RATE, hz, RATE / 10);
        if (!found.empty())
            std::printf("  %s, channel %u: %s\n", qPrintable(path.section(u'/', -1)), channel,
                        DescribeBreaks(found, RATE).c_str());
        breaks += found.size();
    }
    return static_cast<int>(breaks);
}

void Print(const char* name, const Result& r)
{
    std::printf("%-9s cpu %.3f s + server %.3f s = %.3f s; recorded %.3f s of %.3f s (%+.0f ms); %.0f waits a second\n",
                name, r.cpu, r.serverCpu, r.cpu + r.serverCpu, r.recorded, r.elapsed, (r.recorded - r.elapsed) * 1000.0,
                static_cast<double>(r.waits) / r.elapsed);
}

struct Figures {
    std::vector<double> cpu, serverCpu, error, updates, gap, final, painted;
    int breaks = 0;

    void Add(const Result& r, int toneBreaks)
    {
        cpu.push_back(r.cpu);
        serverCpu.push_back(r.serverCpu);
        error.push_back((r.recorded - r.elapsed) * 1000.0);
        updates.push_back(r.traceUpdatesPerSecond);
        gap.push_back(r.longestTraceGap * 1000.0);
        final.push_back(r.finalAfterStop * 1000.0);
        painted.push_back(r.paintedFrames + r.paintEvents);
        breaks += toneBreaks < 0 ? 1000 : toneBreaks;
    }
};

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const bench::Arguments args = bench::ParseArguments(argc, argv);
    const bool busy = args.busy;
    const int seconds = args.Number(0, 20);
    const int rounds = args.Number(1, 5);
    if (!bench::SoundServerRunning(args))
        return 2;
    QTemporaryDir dir;
    std::printf("%s server, %s: recording %d s at %u Hz 16-bit stereo, %d round(s)%s; parecord asks for %d ms\n",
                qPrintable(bench::SoundServerName()), qPrintable(bench::SourceName()), seconds, RATE, rounds,
                busy ? ", both cores busy" : "", PEER_FRAGMENT_MS);
    Figures engine, hidden, peer, skipping, watching;
    for (int round = 1; round <= rounds; ++round) {
        std::printf("-- round %d\n", round);
        const bench::BusyCores load(busy);
        const QString enginePath = dir.filePath(QStringLiteral("engine.wav"));
        const QString peerPath = dir.filePath(QStringLiteral("parecord.wav"));
        const Result e = bench::RecordWithEngine(enginePath, RATE, seconds, &RecordedSeconds);
        const int engineBreaks = ToneBreaksOf(enginePath);
        const Result h = bench::RecordWithEngine(enginePath, RATE, seconds, &RecordedSeconds, {.shown = false});
        const int hiddenBreaks = ToneBreaksOf(enginePath);
        const Result p = RecordWithParecord(peerPath, seconds);
        Print("engine", e);
        Print("hidden", h);
        Print("parecord", p);
        std::printf("hidden engine painted %d frames (%d paint events)\n", h.paintedFrames, h.paintEvents);
        const int peerBreaks = ToneBreaksOf(peerPath);
        std::printf("engine length error: %.1f ms, hidden %.1f ms (target within 10 ms)\n",
                    (e.recorded - e.elapsed) * 1000.0, (h.recorded - h.elapsed) * 1000.0);
        std::printf("engine trace redrawn %.1f times a second, still for at most %.0f ms; final %.0f ms after Stop\n",
                    e.traceUpdatesPerSecond, e.longestTraceGap * 1000.0, e.finalAfterStop * 1000.0);
        std::printf("breaks in the tone: engine %d (its take counted %u), hidden %d, parecord %d\n", engineBreaks,
                    e.breaksCounted, hiddenBreaks, peerBreaks);
        engine.Add(e, engineBreaks);
        hidden.Add(h, hiddenBreaks);
        peer.Add(p, peerBreaks);
        if (args.skipSilence) {
            const QString skipPath = dir.filePath(QStringLiteral("skipping.wav"));
            const Result k = bench::RecordWithEngine(skipPath, RATE, seconds, &RecordedSeconds, {.skipSilence = true});
            Print("skipping", k);
            skipping.Add(k, ToneBreaksOf(skipPath));
        }
        if (args.watchSilence) {
            const QString watchPath = dir.filePath(QStringLiteral("watching.wav"));
            const Result w = bench::RecordWithEngine(watchPath, RATE, seconds, &RecordedSeconds, {.watchSilence = true});
            Print("watching", w);
            watching.Add(w, ToneBreaksOf(watchPath));
        }
        std::fflush(stdout);
    }

    using bench::Median;
    std::printf("-- medians of %d round(s), %s server, %s%s\n", rounds, qPrintable(bench::SoundServerName()),
                qPrintable(bench::SourceName()), busy ? ", both cores busy" : "");
    std::printf("goal 1, edges: engine length error %+.1f ms (target within 10 ms; parecord %+.1f ms)\n",
                Median(engine.error), Median(peer.error));
    std::printf("goal 1, edges (hidden): engine length error %+.1f ms (target within 10 ms)\n", Median(hidden.error));
    std::printf("goal 2, cpu: engine %.3f s, parecord %.3f s: ratio %.2f (target at most 1.0)\n", Median(engine.cpu),
                Median(peer.cpu), Median(engine.cpu) / Median(peer.cpu));
    std::printf("goal 2, cpu (hidden): engine %.3f s, parecord %.3f s: ratio %.2f (target at most 0.6)\n",
                Median(hidden.cpu), Median(peer.cpu), Median(hidden.cpu) / Median(peer.cpu));
    std::printf("goal 2, server cpu: for the engine %.3f s, for parecord %.3f s: ratio %.2f (target at most 1.0)\n",
                Median(engine.serverCpu), Median(peer.serverCpu), Median(engine.serverCpu) / Median(peer.serverCpu));
    std::printf("goal 4, breaks in the tone over all rounds: engine %d, hidden %d, parecord %d (target 0)\n",
                engine.breaks, hidden.breaks, peer.breaks);
    std::printf("goal 4, trace: redrawn %.1f times a second, still for at most %.0f ms (target at least 25 a second, still for at most 50 ms)\n",
                Median(engine.updates), Median(engine.gap));
    std::printf("goal 4, trace (hidden): painted %.0f frames (target 0)\n", Median(hidden.painted));
    std::printf("goal 4, files final %.0f ms after Stop (target within 250 ms)\n", Median(engine.final));
    if (args.skipSilence)
        std::printf("skip silence, cpu: engine %.3f s skipping, %.3f s not: ratio %.3f (target at most 1.05)\n",
                    Median(skipping.cpu), Median(engine.cpu), Median(skipping.cpu) / Median(engine.cpu));
    if (args.watchSilence)
        std::printf("watch silence, cpu: engine %.3f s watching, %.3f s not: ratio %.3f (target at most 1.05)\n",
                    Median(watching.cpu), Median(engine.cpu), Median(watching.cpu) / Median(engine.cpu));
    return 0;
}
