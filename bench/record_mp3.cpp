// Records MP3 from the private sound server three ways, one after the other, and prints
// what each cost in CPU: the engine (capture and encoding in one process), the pipeline
// `parecord --raw | lame -r -b 128`, and `lame -b 128` encoding a WAV of the same source
// that parecord recorded first (the encoder's own cost: the floor). Then the engine records
// a WAV for as long: its capture alone, which sets how close to the floor the engine can
// come. Also how long each MP3 is against the time between start and stop, and where the
// source's tone breaks in each MP3: a sample lost or doubled anywhere shows as a break.
// The rounds take the four in turn; the medians of the rounds come last, with the targets.
//
//   eval "$(scripts/start-sound-server)"; build/bench/record_mp3 [seconds [rounds]] [--paced]

#include "BenchSupport.h"
#include "encoder/Mp3Decode.h"
#include "support/ToneBreaks.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

using bench::Result;

namespace {

constexpr std::uint32_t RATE = 44100;
// parecord is asked for fragments this long, as a low-latency recorder would.
constexpr int PEER_FRAGMENT_MS = 20;

// The samples per channel an MP3 holds, from the Info tag that both the engine's encoder
// library and lame write: frames x 1152, less the encoder delay and padding it records.
double Mp3Seconds(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return 0.0;
    const QByteArray b = f.read(4096);
    const qsizetype info = b.indexOf("Info");
    // "Info", flags, frames, bytes, table of contents, quality; then the LAME extension,
    // whose delay and padding (12 bits each) sit 21 bytes in.
    if (info < 0 || info + 144 > b.size())
        return 0.0;
    auto byte = [&](qsizetype at) { return static_cast<std::uint32_t>(static_cast<std::uint8_t>(b[at])); };
    const std::uint32_t frames = byte(info + 8) << 24 | byte(info + 9) << 16 | byte(info + 10) << 8 | byte(info + 11);
    const std::uint32_t delay = byte(info + 141) << 4 | byte(info + 142) >> 4;
    const std::uint32_t padding = (byte(info + 142) & 0x0F) << 8 | byte(info + 143);
    return (frames * 1152.0 - delay - padding) / RATE;
}

const QByteArray kRate = "--rate=" + QByteArray::number(RATE);
const QByteArray kLatency = "--latency-msec=" + QByteArray::number(PEER_FRAGMENT_MS);

// parecord's raw output piped into lame, stopped with SIGINT as a user would.
Result RecordWithPipeline(const QString& path, int seconds)
{
    Result r;
    const QByteArray file = QFile::encodeName(path);
    const char* record[] = {"parecord", "--raw", kRate.constData(), "--channels=2", "--format=s16le",
                            kLatency.constData(), nullptr};
    const char* encode[] = {"lame", "--quiet", "-r", "-s", "44.1", "--bitwidth", "16", "--signed",
                            "--little-endian", "-b", "128", "-", file.constData(), nullptr};
    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC) != 0)
        return r;
    const double server0 = bench::SoundServerCpu();
    QElapsedTimer clock;
    clock.start();
    const pid_t lame = bench::Spawn(encode, pipeEnds[0], -1);
    const pid_t parecord = bench::Spawn(record, -1, pipeEnds[1]);
    close(pipeEnds[0]);
    close(pipeEnds[1]);
    bench::RunFor(seconds * 1000);
    if (parecord > 0)
        kill(parecord, SIGINT);
    r.elapsed = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    r.cpu = bench::Reap(parecord) + bench::Reap(lame);
    r.serverCpu = bench::SoundServerCpu() - server0;
    r.recorded = Mp3Seconds(path);
    return r;
}

// parecord records a WAV of the same source (not measured); lame then encodes that file.
Result EncodeRecordedWave(const QString& wav, const QString& mp3, int seconds)
{
    Result r;
    const QByteArray wavFile = QFile::encodeName(wav);
    const QByteArray mp3File = QFile::encodeName(mp3);
    const char* record[] = {"parecord", kRate.constData(), "--channels=2", "--format=s16le", "--file-format=wav",
                            kLatency.constData(), wavFile.constData(), nullptr};
    const pid_t parecord = bench::Spawn(record, -1, -1);
    bench::RunFor(seconds * 1000);
    if (parecord > 0)
        kill(parecord, SIGINT);
    bench::Reap(parecord);
    const char* encode[] = {"lame", "--quiet", "-b", "128", wavFile.constData(), mp3File.constData(), nullptr};
    QElapsedTimer clock;
    clock.start();
    r.cpu = bench::Reap(bench::Spawn(encode, -1, -1));
    r.elapsed = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    r.recorded = Mp3Seconds(mp3);
    return r;
}

// The seconds a WAV file holds (16-bit stereo at RATE).
double WaveSeconds(const QString& path)
{
    return bench::WaveDataBytes(path) / (4.0 * RATE);
}

// The breaks of the source's tone in both channels of an MP3; -1 when it cannot be decoded.
int ToneBreaksOf(const QString& path)
{
    std::string error;
    const auto audio = DecodeMp3(QFile::encodeName(path).toStdString(), error);
    if (!audio) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(path), error.c_str());
        return -1;
    }
    const double hz = qEnvironmentVariableIsSet("TESSAVOX_SINE_HZ") ? qEnvironmentVariable("TESSAVOX_SINE_HZ").toDouble() : 440.0;
    std::size_t breaks = 0;
    for (int channel = 0; channel < audio->channels; ++channel) {
        const auto found = ToneBreaks(DecodedChannel(*audio, channel), RATE, hz, RATE / 10);
        if (!found.empty())
            std::printf("  %s, channel %d: %s\n", qPrintable(QFileInfo(path).fileName()), channel,
                        DescribeBreaks(found, RATE).c_str());
        breaks += found.size();
    }
    return static_cast<int>(breaks);
}

void Print(const char* name, const Result& r)
{
    std::printf("%-9s cpu %.3f s (server %.3f s); mp3 holds %.3f s of %.3f s (%+.0f ms)\n", name, r.cpu,
                r.serverCpu, r.recorded, r.elapsed, (r.recorded - r.elapsed) * 1000.0);
}

struct Round {
    Result engine, pipeline, floor, capture;
    double floorCpu = 0; // scaled to the length of the engine's recording
};

Round RunRound(const QTemporaryDir& dir, int seconds)
{
    Round r;
    r.engine = bench::RecordWithEngine(dir.filePath(QStringLiteral("engine.mp3")), RATE, seconds, &Mp3Seconds);
    r.pipeline = RecordWithPipeline(dir.filePath(QStringLiteral("pipeline.mp3")), seconds);
    r.floor = EncodeRecordedWave(dir.filePath(QStringLiteral("floor.wav")), dir.filePath(QStringLiteral("floor.mp3")),
                                 seconds);
    r.capture = bench::RecordWithEngine(dir.filePath(QStringLiteral("capture.wav")), RATE, seconds, &WaveSeconds);
    // The floor encoded a recording of its own length.
    r.floorCpu = r.floor.recorded > 0 ? r.floor.cpu * r.engine.recorded / r.floor.recorded : 0.0;
    Print("engine", r.engine);
    Print("pipeline", r.pipeline);
    std::printf("%-9s cpu %.3f s encoding %.3f s of audio from a WAV file\n", "floor", r.floor.cpu, r.floor.recorded);
    std::printf("%-9s cpu %.3f s (server %.3f s): the engine recording a WAV, capture alone\n", "capture",
                r.capture.cpu, r.capture.serverCpu);
    std::printf("breaks in the tone (samples lost, doubled or silent): engine %d, pipeline %d (target 0)\n",
                ToneBreaksOf(dir.filePath(QStringLiteral("engine.mp3"))),
                ToneBreaksOf(dir.filePath(QStringLiteral("pipeline.mp3"))));
    // Not samples dropped: the encoder's own delay, and at most one chunk held at the stop.
    std::printf("engine shortfall against the time between start and stop: %.0f samples (one MP3 frame is 1152)\n",
                RATE * r.engine.elapsed - RATE * r.engine.recorded);
    return r;
}

void PrintRatios(double engine, double pipeline, double floor, double capture)
{
    std::printf("cpu ratio engine/pipeline: %.2f (target at most 0.8)\n", engine / pipeline);
    // Capturing is paid whatever the encoder costs; what the engine spends beyond capturing
    // is its encoding, held against lame's on a file.
    std::printf("cpu ratio (engine - capture)/floor: %.2f (target at most 1.1): engine %.3f s = capture %.3f s + "
                "encoding %.3f s, floor %.3f s\n",
                (engine - capture) / floor, engine, capture, engine - capture, floor);
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const bench::Arguments args = bench::ParseArguments(argc, argv);
    const int seconds = args.Number(0, 20);
    const int rounds = args.Number(1, 5);
    if (!bench::SoundServerRunning(args))
        return 2;
    QTemporaryDir dir;
    std::printf("%s server, %s: recording %d s at %u Hz 16-bit stereo into 128 kbit/s MP3, %d round(s); parecord "
                "asks for %d ms\n",
                qPrintable(bench::SoundServerName()), qPrintable(bench::SourceName()), seconds, RATE, rounds,
                PEER_FRAGMENT_MS);
    // A process is charged here for time the machine spends elsewhere, differently from one
    // run to the next: the medians of several rounds are the figures to go by.
    std::vector<double> engine, pipeline, floor, capture;
    for (int round = 1; round <= rounds; ++round) {
        std::printf("-- round %d\n", round);
        const Round r = RunRound(dir, seconds);
        PrintRatios(r.engine.cpu, r.pipeline.cpu, r.floorCpu, r.capture.cpu);
        engine.push_back(r.engine.cpu);
        pipeline.push_back(r.pipeline.cpu);
        floor.push_back(r.floorCpu);
        capture.push_back(r.capture.cpu);
        std::fflush(stdout);
    }
    std::printf("-- goal 3, medians of %d round(s), %s server\n", rounds, qPrintable(bench::SoundServerName()));
    PrintRatios(bench::Median(engine), bench::Median(pipeline), bench::Median(floor), bench::Median(capture));
    return 0;
}
