// How long a PulseAudio recording is, against the time between Start and Reset, at each
// sample rate, from the default source. Uses the engine's ring: 4096-byte buffers, as many
// as the rate asks for, each re-queued when it comes back. Run it under the private server:
//   eval "$(scripts/start-sound-server)"; build/bench/capture_length [milliseconds]

#include "platform/audio/pulse/PulseBackend.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

using namespace platform;

namespace {

// Counts what comes back and gives each buffer straight back, as the engine does.
class Ring : public QObject {
public:
    std::uint64_t bytes = 0;
    IWaveStream* stream = nullptr;
    bool recording = true;

protected:
    bool event(QEvent* event) override
    {
        if (event->type() != WaveEvent::EventType())
            return QObject::event(event);
        const auto* wave = static_cast<const WaveEvent*>(event);
        if (wave->Message() == MM_WIM_DATA) {
            bytes += wave->Header()->dwBytesRecorded;
            if (recording)
                stream->AddBuffer(wave->Header());
        }
        return true;
    }
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int milliseconds = argc > 1 ? std::atoi(argv[1]) : 2000;
    PulseBackend backend;
    std::printf("%8s %10s %10s %8s\n", "rate", "elapsed", "recorded", "diff");
    for (std::uint32_t rate : {8000u, 11025u, 22050u, 44100u, 48000u}) {
        const WAVEFORMATEX format = PcmFormat(rate, 16, 2);
        const unsigned count = rate / 11025 + format.wBitsPerSample / 8 + format.nChannels;
        std::vector<std::vector<char>> data(count, std::vector<char>(4096));
        std::vector<WAVEHDR> headers(count);
        Ring ring;
        std::unique_ptr<IWaveStream> stream;
        if (const MMRESULT result = backend.Open(Direction::Capture, DEFAULT_DEVICE, format, &ring, stream)) {
            std::printf("%8u open failed: %s\n", rate, qPrintable(backend.ErrorText(result)));
            continue;
        }
        ring.stream = stream.get();
        for (unsigned i = 0; i < count; ++i) {
            headers[i].lpData = data[i].data();
            headers[i].dwBufferLength = 4096;
            stream->Prepare(&headers[i]);
            stream->AddBuffer(&headers[i]);
        }
        QElapsedTimer clock;
        clock.start();
        stream->Start();
        while (clock.elapsed() < milliseconds)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        stream->Reset();
        const double elapsed = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        ring.recording = false;
        QCoreApplication::sendPostedEvents(&ring);
        stream->Close();
        const double recorded = static_cast<double>(ring.bytes) / format.nAvgBytesPerSec * 1000;
        std::printf("%8u %8.1fms %8.1fms %+6.1fms\n", rate, elapsed, recorded, recorded - elapsed);
    }
    return 0;
}
