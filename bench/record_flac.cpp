// Records FLAC from the private sound server through the engine and through
// `parecord --raw | flac -5`, in turn, and prints what each cost in CPU, the medians of the
// rounds, and the size of an hour of FLAC.
//
//   eval "$(scripts/start-sound-server)"; build/bench/record_flac [seconds [rounds]] [--paced]

#include "CompressedBench.h"

#include <FLAC/metadata.h>

#include <QFile>

namespace {

std::vector<QByteArray> Encoder(std::uint32_t rate, int channels, const QByteArray& file)
{
    return {"flac", "-5", "--silent", "--force-raw-format", "--endian=little", "--sign=signed",
            "--channels=" + QByteArray::number(channels), "--bps=16", "--sample-rate=" + QByteArray::number(rate),
            "-f", "-o", file, "-"};
}

double Seconds(const QString& path)
{
    FLAC__StreamMetadata info;
    if (!FLAC__metadata_get_streaminfo(QFile::encodeName(path).constData(), &info) ||
        info.data.stream_info.sample_rate == 0)
        return 0.0;
    return static_cast<double>(info.data.stream_info.total_samples) / info.data.stream_info.sample_rate;
}

} // namespace

int main(int argc, char** argv)
{
    return bench::RunCompressedBench(argc, argv, {"flac", "parecord --raw | flac -5", &Encoder, &Seconds});
}
