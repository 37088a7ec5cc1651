#include "ServerFixture.h"

double ToneFrequency(const QByteArray& data, int bits, int channels, int channel, int rate)
{
    const int bytes = bits / 8;
    const int frame = bytes * channels;
    const qsizetype frames = data.size() / frame;
    auto sample = [&](qsizetype i) -> int {
        const char* p = data.constData() + i * frame + channel * bytes;
        if (bits == 8)
            return static_cast<std::uint8_t>(p[0]) - 128;
        return static_cast<std::int16_t>(static_cast<std::uint8_t>(p[0]) | (static_cast<std::uint8_t>(p[1]) << 8));
    };
    qsizetype first = -1, last = -1;
    long crossings = 0;
    for (qsizetype i = 1; i < frames; ++i) {
        if (sample(i - 1) < 0 && sample(i) >= 0) {
            if (first < 0)
                first = i;
            last = i;
            ++crossings;
        }
    }
    if (crossings < 2)
        return 0.0;
    return static_cast<double>(crossings - 1) * rate / static_cast<double>(last - first);
}
