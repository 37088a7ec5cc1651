// Records the default capture device into the file named on the command line (a WAV, MP3,
// FLAC or Opus file, by its name) until the process is killed: the integration tests kill it
// to see what a killed recorder leaves.

#include "engine/AudioPlayRec.h"
#include "platform/ShowMessage.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: record_child FILE.wav|.mp3|.flac|.opus\n");
        return 2;
    }
    platform::MessageRecorder messages;
    CAudioPlayRec engine;
    if (!engine.Create(WAVE_MAPPER, nullptr, nullptr, nullptr, nullptr) ||
        !engine.StartRecord(16, CHANNELS_STEREO, 44100) || !engine.OpenRecordFile(0, QString::fromLocal8Bit(argv[1]))) {
        for (const auto& text : messages.Texts())
            std::fprintf(stderr, "record_child: %s\n", qPrintable(text));
        return 1;
    }
    std::printf("recording\n");
    std::fflush(stdout);
    return app.exec();
}
