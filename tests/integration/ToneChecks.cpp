#include "ServerFixture.h"

#include "support/PcmChannel.h"
#include "support/ToneBreaks.h"
#include "support/ToneFrequency.h"

namespace {

std::vector<int> Channel(const QByteArray& data, int bits, int channels, int channel)
{
    return ChannelSamples(data.constData(), static_cast<std::size_t>(data.size()), static_cast<unsigned>(bits),
                          static_cast<unsigned>(channels), static_cast<unsigned>(channel));
}

} // namespace

double ToneFrequency(const QByteArray& data, int bits, int channels, int channel, int rate)
{
    const std::vector<int> samples = Channel(data, bits, channels, channel);
    return RisingCrossingFrequency(samples, 0, samples.size(), rate);
}

std::string ToneBreaksIn(const QByteArray& data, int bits, int channels, int channel, int rate, double hz)
{
    // The first and last 50 ms are left out: the stream's edges are not the tone.
    return DescribeBreaks(ToneBreaks(Channel(data, bits, channels, channel), rate, hz, static_cast<std::size_t>(rate / 20)),
                          rate);
}
