// A bounded, repeatable stand-in for the fuzzer that runs with every build: damaged copies
// of a few valid files go through the reading path of playback.

#include "fuzz/WaveReadCheck.h"
#include "support/WaveBytes.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

// Offsets of the size fields a damaged file most likely gets wrong.
const std::size_t kSizeFields[] = {4, 16, 42};

struct Mutator {
    std::mt19937 random{20240611}; // fixed: a failure must reproduce
    // The standard distributions differ between library implementations; plain
    // modulo keeps the sequence the same everywhere.
    std::size_t Below(std::size_t n) { return n == 0 ? 0 : random() % n; }

    std::string Mutate(Bytes& b)
    {
        static const std::uint8_t kSpecial[] = {0x00, 0xFF, 0x7F, 0x80, 0x01, 0xFE};
        static const std::uint32_t kSizes[] = {0, 1, 2, 15, 16, 17, 18, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFE, 0xFFFFFFFF};
        switch (Below(6)) {
        case 0: {
            if (b.empty())
                return "flip in empty file";
            const std::size_t at = Below(b.size());
            b[at] ^= static_cast<std::uint8_t>(1u << Below(8));
            return "bit flip at " + std::to_string(at);
        }
        case 1: {
            if (b.empty())
                return "overwrite in empty file";
            const std::size_t at = Below(b.size());
            b[at] = kSpecial[Below(std::size(kSpecial))];
            return "byte " + std::to_string(b[at]) + " at " + std::to_string(at);
        }
        case 2: {
            const std::size_t length = Below(b.size() + 1);
            b.resize(length);
            return "cut to " + std::to_string(length);
        }
        case 3: {
            const std::size_t field = kSizeFields[Below(std::size(kSizeFields))];
            if (field + 4 > b.size())
                return "size edit past the end";
            const std::uint32_t size = Below(2) ? kSizes[Below(std::size(kSizes))]
                                                : static_cast<std::uint32_t>(random());
            std::copy_n(Le32(size).begin(), 4, b.begin() + static_cast<std::ptrdiff_t>(field));
            return "size " + std::to_string(size) + " at " + std::to_string(field);
        }
        case 4: {
            static const char* const kIds[] = {"fmt ", "data", "LIST", "junk", "RIFF"};
            const char* id = kIds[Below(std::size(kIds))];
            const Bytes chunk = Chunk(id, Samples(Below(24)));
            const std::size_t at = Below(b.size() + 1);
            b.insert(b.begin() + static_cast<std::ptrdiff_t>(at), chunk.begin(), chunk.end());
            return std::string("chunk ") + id + " inserted at " + std::to_string(at);
        }
        default: {
            if (b.empty())
                return "erase in empty file";
            const std::size_t at = Below(b.size());
            const std::size_t length = 1 + Below(std::min<std::size_t>(8, b.size() - at));
            b.erase(b.begin() + static_cast<std::ptrdiff_t>(at), b.begin() + static_cast<std::ptrdiff_t>(at + length));
            return std::to_string(length) + " bytes erased at " + std::to_string(at);
        }
        }
    }
};

std::vector<Bytes> Seeds()
{
    return {
        Riff(Chunk("fmt ", FormatRecord(1, 8000, 8)) + Chunk("data", Samples(9))),
        Riff(Chunk("fmt ", FormatRecord(2, 44100, 16)) + Chunk("LIST", Tag("INFO") + Chunk("INAM", Bytes{'a', 0})) +
             Chunk("data", Samples(16))),
        Riff(Chunk("fmt ", FormatRecord(2, 48000, 16, 40)) + Chunk("data", Samples(12))),
        Riff(Chunk("fmt ", FormatRecord(1, 22050, 16, 16)) + Chunk("data", Samples(4))),
    };
}

} // namespace

TEST(WaveMutations, DamagedFilesNeverTakeTheReaderOutsideThem)
{
    const std::vector<Bytes> seeds = Seeds();
    for (const Bytes& seed : seeds)
        ASSERT_EQ(ReadWaveFromMemory(seed.data(), seed.size()).error, WaveReadError::None);

    Mutator mutator;
    for (int round = 0; round < 4000; ++round) {
        Bytes file = seeds[mutator.Below(seeds.size())];
        std::string what;
        for (std::size_t n = 1 + mutator.Below(3); n > 0; --n)
            what += mutator.Mutate(file) + "; ";
        const WaveReadOutcome out = ReadWaveFromMemory(file.data(), file.size());
        ASSERT_EQ(out.broken, "") << "round " << round << ": " << what;
    }
}
