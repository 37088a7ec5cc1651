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
    // Without the first and last 50 ms, as for the breaks: a stream may begin or end with a
    // moment of the server's silence, whose codec noise crosses zero far more often than
    // the tone.
    const std::vector<int> samples = Channel(data, bits, channels, channel);
    const auto edge = static_cast<std::size_t>(rate / 20);
    if (samples.size() <= 4 * edge)
        return RisingCrossingFrequency(samples, 0, samples.size(), rate);
    return RisingCrossingFrequency(samples, edge, samples.size() - edge, rate);
}

std::string ToneBreaksIn(const QByteArray& data, int bits, int channels, int channel, int rate, double hz,
                         double maxJump)
{
    // The first and last 50 ms are left out: the stream's edges are not the tone.
    return DescribeBreaks(ToneBreaks(Channel(data, bits, channels, channel), rate, hz, static_cast<std::size_t>(rate / 20),
                                     maxJump),
                          rate);
}
