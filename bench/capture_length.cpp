// How long a recording through the sound server is, against the time between its Open
// and its Finish, at each sample rate, from the default source: the edges of a capture. Uses the
// engine's ring (4096-byte buffers, as many as the rate asks for), each given back when it
// comes back, and ends as the engine's Stop does: Finish, and buffers that come back full
// go back for the rest. Also how long after Finish the last buffer came back. Rounds go
// through every rate in turn; the medians of the rounds are printed last.
//
//   eval "$(scripts/start-sound-server)"; build/bench/capture_length [milliseconds [rounds]] [--paced]
//
// --paced records from the server's paced source (scripts/start-sound-server --paced), which
// captures in real time as a sound card does, instead of the default source.

#include "BenchSupport.h"

#include "platform/audio/pulse/PulseBackend.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>

#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <vector>

using namespace platform;

namespace {

const std::uint32_t RATES[] = {8000u, 11025u, 22050u, 44100u, 48000u};

// Counts what comes back and gives each buffer straight back, as the engine does.
class Ring : public QObject {
public:
    std::uint64_t bytes = 0;
    IWaveStream* stream = nullptr;
    bool finishing = false;
    unsigned ended = 0; // buffers back for good after Finish

protected:
    bool event(QEvent* event) override
    {
        if (event->type() != WaveEvent::EventType())
            return QObject::event(event);
        const auto* wave = static_cast<const WaveEvent*>(event);
        if (wave->Message() == MM_WIM_DATA) {
            WAVEHDR* header = wave->Header();
            bytes += header->dwBytesRecorded;
            if (!finishing || header->dwBytesRecorded == header->dwBufferLength)
                stream->AddBuffer(header);
            else
                ++ended;
        }
        return true;
    }
};

struct Edge {
    double error = 0;    // recorded - elapsed, ms
    double finished = 0; // Finish to the last buffer back, ms
};

bool RecordOnce(PulseBackend& backend, std::uint32_t rate, int milliseconds, Edge& edge)
{
    const WAVEFORMATEX format = PcmFormat(rate, 16, 2);
    const unsigned count = rate / 11025 + format.wBitsPerSample / 8 + format.nChannels;
    std::vector<std::vector<char>> data(count, std::vector<char>(4096));
    std::vector<WAVEHDR> headers(count);
    Ring ring;
    std::unique_ptr<IWaveStream> stream;
    // From the Open, as the engine's Record opens and starts at once.
    QElapsedTimer clock;
    clock.start();
    if (const MMRESULT result = backend.Open(Direction::Capture, DEFAULT_DEVICE, format, &ring, stream)) {
        std::printf("%8u open failed: %s\n", rate, qPrintable(backend.ErrorText(result)));
        return false;
    }
    ring.stream = stream.get();
    for (unsigned i = 0; i < count; ++i) {
        headers[i].lpData = data[i].data();
        headers[i].dwBufferLength = 4096;
        stream->Prepare(&headers[i]);
        stream->AddBuffer(&headers[i]);
    }
    stream->Start();
    bench::RunFor(milliseconds);
    ring.finishing = true;
    stream->Finish();
    const double elapsed = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    QElapsedTimer wait;
    wait.start();
    while (ring.ended < count && wait.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    edge.finished = static_cast<double>(wait.nsecsElapsed()) / 1e6;
    stream->Reset();
    QCoreApplication::sendPostedEvents(&ring);
    stream->Close();
    const double recorded = static_cast<double>(ring.bytes) / format.nAvgBytesPerSec * 1000;
    edge.error = recorded - elapsed;
    if (ring.ended < count)
        std::printf("%8u the last buffers did not come back within 2 s\n", rate);
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const bench::Arguments args = bench::ParseArguments(argc, argv);
    const int milliseconds = args.Number(0, 2000);
    const int rounds = args.Number(1, 5);
    if (!bench::SoundServerRunning(args))
        return 2;
    PulseBackend backend;
    std::map<std::uint32_t, std::vector<double>> errors, finishes;
    std::printf("%s server, %s, %d ms per recording, %d round(s)\n", qPrintable(bench::SoundServerName()),
                qPrintable(bench::SourceName()), milliseconds, rounds);
    std::printf("%5s %8s %10s %12s\n", "round", "rate", "error", "final after");
    for (int round = 1; round <= rounds; ++round) {
        for (std::uint32_t rate : RATES) {
            Edge edge;
            if (!RecordOnce(backend, rate, milliseconds, edge))
                continue;
            errors[rate].push_back(edge.error);
            finishes[rate].push_back(edge.finished);
            std::printf("%5d %8u %+8.1fms %10.1fms\n", round, rate, edge.error, edge.finished);
            std::fflush(stdout);
        }
    }
    std::printf("medians of %d round(s), target: error within 10 ms, final within 250 ms\n", rounds);
    double worst = 0;
    for (std::uint32_t rate : RATES) {
        if (errors[rate].empty())
            continue;
        const double error = bench::Median(errors[rate]);
        worst = std::max(worst, std::abs(error));
        std::printf("%8u length error %+6.1f ms, final after %6.1f ms (spread %.1f ms)\n", rate, error,
                    bench::Median(finishes[rate]), bench::Spread(errors[rate]));
    }
    std::printf("capture length error, worst rate: %.1f ms (target within 10 ms)\n", worst);
    return 0;
}
