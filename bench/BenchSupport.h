#pragma once
// What the recording benchmarks share: CPU accounting for this process, its children and
// the sound server; waiting on the event loop; child processes; and the engine's own run.

#include <QString>

#include <cstdint>
#include <functional>
#include <vector>
#include <sys/resource.h>
#include <sys/types.h>

namespace bench {

struct Result {
    double cpu = 0;
    double serverCpu = 0;
    double elapsed = 0;
    double recorded = 0;
    // Times the process gave up the CPU to wait (voluntary context switches, all threads).
    long waits = 0;
    // The engine only: from Stop until the capture closed with every file finished, in
    // seconds; and how often its display painted a frame while recording, with the longest
    // time between two, how many it painted in all, and the paint events it had.
    double finalAfterStop = 0;
    double traceUpdatesPerSecond = 0;
    double longestTraceGap = 0;
    int paintedFrames = 0;
    int paintEvents = 0;
    // The engine only: the breaks in the sound its take counted (the server's overruns).
    std::uint32_t breaksCounted = 0;
};

// The middle value (the mean of the two middle ones for an even count); 0 for none.
double Median(std::vector<double> values);
// Largest less smallest; 0 for none.
double Spread(const std::vector<double>& values);

// user + system time in a getrusage or wait4 record, in seconds.
double CpuOf(const rusage& u);

// utime + stime of a process, from /proc/<pid>/stat; 0 when it cannot be read.
double ProcessCpu(long pid);

// Runs the event loop as the application does for ms milliseconds. (QTest::qWait polls
// every 10 ms, which costs more than capturing does and would be counted as the engine's.)
void RunFor(int ms);

// Starts argv with its standard input and output on the given descriptors (-1: unchanged);
// -1 when it cannot be started.
pid_t Spawn(const char* const argv[], int in, int out);

// Waits for a child and gives its CPU, its own and that of its children; waits, if given,
// gets the times they gave up the CPU to wait.
double Reap(pid_t pid, long* waits = nullptr);

// A benchmark's arguments: its numbers in order, and its flags.
struct Arguments {
    std::vector<int> numbers;
    bool busy = false;  // --busy: both cores kept busy meanwhile
    bool paced = false; // --paced: record from the server's paced source
    bool skipSilence = false; // --skip-silence: the engine also records skipping silence
    bool watchSilence = false; // --watch-silence: the engine also records watching for silence
    bool unknown = false;

    // Number i, or fallback when it was not given; never less than minimum.
    int Number(std::size_t i, int fallback, int minimum = 1) const;
};
Arguments ParseArguments(int argc, char** argv);

// True when the private sound server is running, with the paced source if it is asked for
// (the recordings, parecord's too, then come from it rather than the default source);
// otherwise says how to start it. Called before anything connects to the server.
bool SoundServerRunning(const Arguments& args);

// "PulseAudio" or "PipeWire": the flavour of the private server.
QString SoundServerName();
// "default source", or "source NAME": what the recordings come from.
QString SourceName();

// The CPU the sound server's processes have used so far (pipewire-pulse and pipewire
// for PipeWire); 0 when they are not known.
double SoundServerCpu();

// Keeps both cores busy while it exists, with processes of its own (their CPU is not this
// process's). Does nothing when made with busy false.
class BusyCores {
public:
    explicit BusyCores(bool busy);
    ~BusyCores();
    BusyCores(const BusyCores&) = delete;
    BusyCores& operator=(const BusyCores&) = delete;

private:
    std::vector<pid_t> m_pids;
};

// The size the "data" chunk of a WAV file gives (0 when there is none): the length the
// writer recorded, whatever the file's size.
std::uint32_t WaveDataBytes(const QString& path);

// How a benchmark has the engine record: 16-bit, stereo unless channelMode says otherwise,
// skipping silence at the page's default level and time, its display and meters in a
// window shown or hidden.
struct EngineRun {
    std::uint32_t channelMode = 1;
    bool skipSilence = false;
    bool shown = true;
    // Watching the input for a silence of five minutes, as a scheduled take does.
    bool watchSilence = false;
};

// Records at rate from the default device into path through the engine, as run says, for
// seconds; then waits for the capture to close. recordedSeconds measures the finished file.
Result RecordWithEngine(const QString& path, std::uint32_t rate, int seconds,
                        const std::function<double(const QString&)>& recordedSeconds, const EngineRun& run = {});

} // namespace bench
