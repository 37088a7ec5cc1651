#include "ServerFixture.h"

#include "support/PcmChannel.h"
#include "support/ToneFrequency.h"

double ToneFrequency(const QByteArray& data, int bits, int channels, int channel, int rate)
{
    const std::vector<int> samples =
        ChannelSamples(data.constData(), static_cast<std::size_t>(data.size()), static_cast<unsigned>(bits),
                       static_cast<unsigned>(channels), static_cast<unsigned>(channel));
    return RisingCrossingFrequency(samples, 0, samples.size(), rate);
}
