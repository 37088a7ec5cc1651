// Records a day of sound through the engine: 48000 Hz 16-bit stereo from the virtual backend
// at full speed (no sound server, no waiting for a clock), in parts of an hour, as WAV and
// then as MP3. The source numbers its frames, so the parts can be checked to join exactly:
// each part but the last holds exactly its hour, and the frames run on from one part into
// the next. Every part must be final: a WAV's sizes true, an MP3 decodable on its own to
// exactly its length (its Info tag trims the encoder's delay and padding). Prints the time
// the recording took, the peak resident memory after the first and the last hour, and the
// size of each part. Target: memory after the last hour within 2 MB of memory after the first.
//
//   build-release/bin/long_take [hours [part-seconds]] [wav | mp3]
//
// A day of WAV is 16.6 GB: the parts go to a temporary folder under TMPDIR (or /tmp), and
// each recording's parts are removed once checked.

#include "encoder/Mp3Decode.h"
#include "engine/AudioPlayRec.h"
#include "engine/take/TakeNames.h"
#include "platform/ShowMessage.h"
#include "platform/audio/virtual/VirtualBackend.h"
#include "platform/mixer/memory/MemoryMixerBackend.h"
#include "support/WaveFile.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>

namespace {

constexpr std::uint32_t RATE = 48000;
constexpr std::uint32_t BLOCK = 4; // 16-bit stereo
// Frames the source makes at a time: half the engine's ring of eight 1024-frame buffers, so
// that every buffer is back in the ring before it is needed and nothing is lost.
constexpr std::uint64_t STEP = 4096;

// The peak resident memory of this process so far, in MB; -1 when it cannot be read.
double PeakResidentMb()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return -1;
}

// Starts the peak over from what is resident now: the checks of one recording's parts read
// them whole, and must not count as the next recording's memory.
void ResetPeakResident()
{
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    if (f.open(QIODevice::WriteOnly))
        f.write("5");
}

// Lets the source make frames, handing each buffer it fills to the engine at once.
void Run(platform::VirtualBackend& audio, std::uint64_t frames)
{
    for (std::uint64_t done = 0; done < frames; done += STEP) {
        audio.Advance(static_cast<unsigned>(std::min(STEP, frames - done)));
        QCoreApplication::sendPostedEvents();
    }
}

// Records the day into path and prints its time and memory; false when the engine failed.
bool RecordDay(const QString& path, int hours, int partSeconds)
{
    platform::VirtualBackend audio;
    audio.SetDevices(platform::Direction::Capture,
                     {{.name = QStringLiteral("Frame Counter"), .signal = platform::VirtualSignal::FrameCounter}});
    platform::MemoryMixerBackend mixer;
    platform::UseAudioBackend(&audio);
    platform::UseMixerBackend(&mixer);
    platform::MessageRecorder messages;
    ResetPeakResident();
    bool ok = false;
    {
        CAudioPlayRec engine;
        engine.SetPartSeconds(static_cast<std::uint32_t>(partSeconds));
        if (engine.Create(0, nullptr, nullptr, nullptr, nullptr) && engine.StartRecord(16, CHANNELS_STEREO, RATE) &&
            engine.OpenRecordFile(0, path)) {
            QElapsedTimer clock;
            clock.start();
            double firstHourMb = -1;
            for (int hour = 1; hour <= hours; ++hour) {
                Run(audio, std::uint64_t{RATE} * 3600);
                if (hour == 1)
                    firstHourMb = PeakResidentMb();
                std::fprintf(stderr, "\r  %d of %d hours, %.0f s", hour, hours, static_cast<double>(clock.elapsed()) / 1e3);
            }
            std::fprintf(stderr, "\n");
            const double lastHourMb = PeakResidentMb();
            // Until the last part is final.
            engine.Stop();
            for (int i = 0; i < 100 && engine.m_nStatus != STATUS_READY; ++i)
                QCoreApplication::sendPostedEvents();
            const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
            ok = engine.m_nStatus == STATUS_READY;
            std::printf("  recorded in %.1f s (%.0f times real time)\n", seconds, hours * 3600.0 / seconds);
            std::printf("  peak resident memory: %.1f MB after the first hour, %.1f MB after hour %d: %+.2f MB "
                        "(target: within 2 MB)\n",
                        firstHourMb, lastHourMb, hours, lastHourMb - firstHourMb);
        }
    }
    for (const QString& text : messages.Texts())
        std::printf("  engine: %s\n", qPrintable(text));
    platform::UseMixerBackend(nullptr);
    platform::UseAudioBackend(nullptr);
    return ok && messages.Messages().empty();
}

// A WAV part: its sizes true, 48000 Hz 16-bit stereo, and its frames numbered on from
// first. The frames it holds, or 0 with problem set.
std::uint64_t CheckWavePart(const QString& path, std::uint64_t first, QString& problem)
{
    const auto wave = ReadRecordedWave(path);
    if (!wave || !HasTrueSizes(*wave) || wave->channels != 2 || wave->rate != RATE || wave->bits != 16) {
        problem = QStringLiteral("not a finished recording of 48000 Hz 16-bit stereo");
        return 0;
    }
    const std::uint64_t frames = static_cast<std::uint64_t>(wave->data.size()) / BLOCK;
    for (std::uint64_t frame = 0; frame < frames; ++frame) {
        // The left sample holds the frame number's low 16 bits, the right its next 16.
        const std::uint32_t number = Le32(wave->data, static_cast<int>(frame * BLOCK));
        if (number != static_cast<std::uint32_t>(first + frame)) {
            problem = QStringLiteral("frame %1 is frame %2 of the source, not %3").arg(frame).arg(number).arg(first + frame);
            return 0;
        }
    }
    return frames;
}

// An MP3 part decoded whole, as a player would (its Info tag trims the encoder's delay and
// padding): the frames it holds, or 0 with problem set.
std::uint64_t CheckMp3Part(const QString& path, QString& problem)
{
    std::string error;
    const auto audio = DecodeMp3(QFile::encodeName(path).toStdString(), error);
    if (!audio || audio->rate != RATE || audio->channels != 2) {
        problem = QStringLiteral("not decoded as 48000 Hz stereo: %1").arg(QString::fromStdString(error));
        return 0;
    }
    return audio->Frames();
}

// Checks and prints every part of the recording at path, then removes them; false when any
// part is not as it must be.
bool CheckParts(const QString& path, int hours, int partSeconds)
{
    const bool mp3 = path.endsWith(QStringLiteral(".mp3"));
    const std::uint64_t total = std::uint64_t{RATE} * 3600 * static_cast<std::uint64_t>(hours);
    const std::uint64_t perPart = std::uint64_t{RATE} * static_cast<std::uint64_t>(partSeconds);
    QElapsedTimer clock;
    clock.start();
    bool ok = true;
    std::uint64_t first = 0;
    int part = 1;
    for (; QFileInfo::exists(PartPath(path, part)); ++part) {
        const QString file = PartPath(path, part);
        QString problem;
        const std::uint64_t frames = mp3 ? CheckMp3Part(file, problem) : CheckWavePart(file, first, problem);
        const std::uint64_t expected = std::min(perPart, total > first ? total - first : 0);
        if (problem.isEmpty() && frames != expected)
            problem = QStringLiteral("holds %1 frames, not %2").arg(frames).arg(expected);
        std::printf("  %-12s %11lld bytes  %s\n", qPrintable(QFileInfo(file).fileName()),
                    static_cast<long long>(QFileInfo(file).size()), problem.isEmpty() ? "final, exact" : qPrintable(problem));
        ok = ok && problem.isEmpty();
        first += expected;
        QFile::remove(file);
    }
    if (first != total) {
        std::printf("  the parts end at frame %llu; the source made %llu\n", static_cast<unsigned long long>(first),
                    static_cast<unsigned long long>(total));
        ok = false;
    }
    std::printf("  %d parts %s; checked in %.0f s\n", part - 1,
                ok ? (mp3 ? "final, each exactly its length" : "final, joining frame for frame") : "NOT as they must be",
                static_cast<double>(clock.elapsed()) / 1e3);
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // [hours [part-seconds]] [wav | mp3], in that order.
    const QStringList args = QCoreApplication::arguments().mid(1);
    const int hours = args.value(0).toInt() > 0 ? args.value(0).toInt() : 24;
    const int partSeconds = args.value(1).toInt() > 0 ? args.value(1).toInt() : 3600;
    QStringList kinds = args.filter(QRegularExpression(QStringLiteral("^(wav|mp3)$")));
    if (kinds.isEmpty())
        kinds = {QStringLiteral("wav"), QStringLiteral("mp3")};
    QTemporaryDir dir;
    if (!dir.isValid()) {
        std::fprintf(stderr, "no temporary folder: %s\n", qPrintable(dir.errorString()));
        return 2;
    }
    std::printf("%d h of %u Hz 16-bit stereo from the virtual backend at full speed, in parts of %d s, into %s\n",
                hours, RATE, partSeconds, qPrintable(dir.path()));
    bool ok = true;
    for (const QString& kind : kinds) {
        std::printf("-- %s\n", qPrintable(kind));
        std::fflush(stdout);
        const QString path = dir.filePath(QStringLiteral("day.") + kind);
        if (!RecordDay(path, hours, partSeconds)) {
            std::printf("  the recording failed\n");
            ok = false;
        }
        std::fflush(stdout);
        ok = CheckParts(path, hours, partSeconds) && ok;
        std::fflush(stdout);
    }
    return ok ? 0 : 1;
}
