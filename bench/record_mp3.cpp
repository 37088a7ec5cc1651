// Records MP3 from the private sound server three ways, one after the other, and prints
// what each cost in CPU: the engine (capture and encoding in one process), the pipeline
// `parecord --raw | lame -r -b 128`, and `lame -b 128` encoding a WAV of the same source
// that parecord recorded first (the encoder's own cost: the floor). Also how long each MP3
// is against the time between start and stop, and the samples the engine dropped.
//
//   eval "$(scripts/start-sound-server)"; build/bench/record_mp3 [seconds]

#include "engine/AudioPlayRec.h"
#include "platform/DynamicLibrary.h"
#include "platform/ShowMessage.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

constexpr std::uint32_t RATE = 44100;
// The engine asks the server for fragments of this length; parecord is asked for the same.
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

// Runs the event loop as the application does, until quit or for at most ms. (QTest::qWait
// polls every 10 ms, which costs more than capturing does and would be counted as the engine's.)
void RunEventLoop(int ms, QEventLoop& loop)
{
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

void RunFor(int ms)
{
    QEventLoop loop;
    RunEventLoop(ms, loop);
}

// The engine's owner callback: the capture device has closed, the file is finished.
void QuitOnClose(std::uint32_t message, void* loop)
{
    if (message == MM_WIM_CLOSE)
        static_cast<QEventLoop*>(loop)->quit();
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
    QEventLoop closed;
    if (!engine.Create(WAVE_MAPPER, nullptr, nullptr, &QuitOnClose, &closed))
        return r;
    clock.start();
    if (!engine.StartRecord(16, CHANNELS_STEREO, RATE) || !engine.OpenRecordFile(0, path)) {
        for (const auto& t : messages.Texts())
            std::fprintf(stderr, "engine: %s\n", qPrintable(t));
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
    r.recorded = Mp3Seconds(path);
    for (const auto& t : messages.Texts())
        std::fprintf(stderr, "engine: %s\n", qPrintable(t));
    return r;
}

// Starts argv with its standard input and output on the given descriptors (-1: unchanged).
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

// CPU of a finished child, its own and that of its children.
double Reap(pid_t pid)
{
    int status = 0;
    rusage usage{};
    if (pid <= 0 || wait4(pid, &status, 0, &usage) != pid)
        return 0.0;
    return CpuOf(usage);
}

const QByteArray kRate = "--rate=" + QByteArray::number(RATE);
const QByteArray kLatency = "--latency-msec=" + QByteArray::number(FRAGMENT_MS);

// parecord's raw output piped into lame, stopped with SIGINT as a user would.
Result RecordWithPipeline(const QString& path, int seconds, long serverPid)
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
    const double server0 = ProcessCpu(serverPid);
    QElapsedTimer clock;
    clock.start();
    const pid_t lame = Spawn(encode, pipeEnds[0], -1);
    const pid_t parecord = Spawn(record, -1, pipeEnds[1]);
    close(pipeEnds[0]);
    close(pipeEnds[1]);
    RunFor(seconds * 1000);
    if (parecord > 0)
        kill(parecord, SIGINT);
    r.elapsed = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    r.cpu = Reap(parecord) + Reap(lame);
    r.serverCpu = ProcessCpu(serverPid) - server0;
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
    const pid_t parecord = Spawn(record, -1, -1);
    RunFor(seconds * 1000);
    if (parecord > 0)
        kill(parecord, SIGINT);
    Reap(parecord);
    const char* encode[] = {"lame", "--quiet", "-b", "128", wavFile.constData(), mp3File.constData(), nullptr};
    QElapsedTimer clock;
    clock.start();
    r.cpu = Reap(Spawn(encode, -1, -1));
    r.elapsed = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    r.recorded = Mp3Seconds(mp3);
    return r;
}

void Print(const char* name, const Result& r)
{
    std::printf("%-9s cpu %.3f s (server %.3f s); mp3 holds %.3f s of %.3f s (%+.0f ms)\n", name, r.cpu,
                r.serverCpu, r.recorded, r.elapsed, (r.recorded - r.elapsed) * 1000.0);
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
    // The encoder library is built next to the tests, not next to the benchmarks.
    platform::SetProgramDirectory(QStringLiteral(TESSAVOX_ENCODER_DIR));
    const long serverPid = qEnvironmentVariableIntValue("TESSAVOX_SOUND_SERVER_PID");
    QTemporaryDir dir;
    std::printf("recording %d s at %u Hz 16-bit stereo into 128 kbit/s MP3, fragments of %d ms\n", seconds, RATE,
                FRAGMENT_MS);
    const Result engine = RecordWithEngine(dir.filePath(QStringLiteral("engine.mp3")), seconds, serverPid);
    const Result pipeline = RecordWithPipeline(dir.filePath(QStringLiteral("pipeline.mp3")), seconds, serverPid);
    const Result floor =
        EncodeRecordedWave(dir.filePath(QStringLiteral("floor.wav")), dir.filePath(QStringLiteral("floor.mp3")), seconds);
    Print("engine", engine);
    Print("pipeline", pipeline);
    std::printf("%-9s cpu %.3f s encoding %.3f s of audio from a WAV file\n", "floor", floor.cpu, floor.recorded);
    // The floor encoded a recording of its own length; scaled to the engine's.
    const double floorCpu = floor.recorded > 0 ? floor.cpu * engine.recorded / floor.recorded : 0.0;
    std::printf("cpu ratio engine/pipeline: %.2f (target at most 0.9)\n", engine.cpu / pipeline.cpu);
    std::printf("cpu ratio engine/floor: %.2f (target at most 1.1)\n", engine.cpu / floorCpu);
    const double dropped = RATE * engine.elapsed - RATE * engine.recorded;
    const double ring = (RATE / 11025 + 2 + 2) * 4096.0 / 4;
    std::printf("engine dropped samples: %.0f (one ring is %.0f, one MP3 frame 1152)\n", dropped, ring);
    return 0;
}
