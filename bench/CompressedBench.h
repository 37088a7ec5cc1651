#pragma once
// What record_flac and record_opus share: the engine against `parecord --raw | encoder` with
// the same settings in the same run, rounds and medians, and the format's size per hour.

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

namespace bench {

struct CompressedFormat {
    const char* ext;
    // How the pipeline is shown: "parecord --raw | flac -5".
    const char* pipeline;
    // The encoder's command line: raw 16-bit little-endian at rate with channels on its
    // input, into file.
    std::vector<QByteArray> (*encoder)(std::uint32_t rate, int channels, const QByteArray& file);
    // The seconds of sound a finished file holds.
    double (*seconds)(const QString& path);
};

int RunCompressedBench(int argc, char** argv, const CompressedFormat& format);

} // namespace bench
