#pragma once
// Decoding an MP3 file with libmpg123 (a decoder independent of the encoder), and measuring
// what came out.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct DecodedAudio {
    long rate = 0;
    int channels = 0;
    std::vector<std::int16_t> samples; // interleaved
    std::size_t Frames() const { return channels ? samples.size() / static_cast<std::size_t>(channels) : 0; }
};

// nullopt when libmpg123 cannot open or decode the file; error says why.
std::optional<DecodedAudio> DecodeMp3(const std::string& path, std::string& error);

// One channel's samples.
std::vector<int> DecodedChannel(const DecodedAudio& audio, int channel);

// The frequency of one channel's tone from its rising zero crossings in the middle of it.
double ToneFrequency(const DecodedAudio& audio, int channel);
