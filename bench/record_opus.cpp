// Records Opus from the private sound server through the engine and through
// `parecord --raw | opusenc --bitrate 64`, in turn, and prints what each cost in CPU, the
// medians of the rounds, and the size of an hour of Opus.
//
//   eval "$(scripts/start-sound-server)"; build/bench/record_opus [seconds [rounds]] [--paced]

#include "CompressedBench.h"

#include <opus/opusfile.h>

#include <QFile>

namespace {

std::vector<QByteArray> Encoder(std::uint32_t rate, int channels, const QByteArray& file)
{
    return {"opusenc", "--quiet", "--raw", "--raw-bits=16", "--raw-rate=" + QByteArray::number(rate),
            "--raw-chan=" + QByteArray::number(channels), "--bitrate", "64", "-", file};
}

double Seconds(const QString& path)
{
    int error = 0;
    OggOpusFile* of = op_open_file(QFile::encodeName(path).constData(), &error);
    if (!of)
        return 0.0;
    const double seconds = static_cast<double>(op_pcm_total(of, -1)) / 48000.0;
    op_free(of);
    return seconds;
}

} // namespace

int main(int argc, char** argv)
{
    return bench::RunCompressedBench(argc, argv, {"opus", "parecord --raw | opusenc --bitrate 64", &Encoder, &Seconds});
}
