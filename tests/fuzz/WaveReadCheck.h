#pragma once
// The reading path of playback, run on bytes held in memory, with the promises it must
// keep whatever the bytes are. Shared by the fuzzer and the bounded mutation run.

#include "engine/formats/WaveHeader.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include <sys/mman.h>
#include <unistd.h>

struct WaveReadOutcome {
    WaveReadError error = WaveReadError::None;
    WAVEFORMATEX wfx;
    MMCKINFO riff;
    MMCKINFO data;
    std::vector<std::uint8_t> samples; // everything Read() gave from the first sample byte on
    std::string broken;                // the promise not kept; empty when all held
};

inline WaveReadOutcome ReadWaveFromMemory(const std::uint8_t* bytes, std::size_t size)
{
    WaveReadOutcome out;
    const int fd = ::memfd_create("wave", MFD_CLOEXEC);
    if (fd < 0) {
        out.broken = "memfd_create failed";
        return out;
    }
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd, bytes + done, size - done);
        if (n <= 0) {
            ::close(fd);
            out.broken = "could not fill the memory file";
            return out;
        }
        done += static_cast<std::size_t>(n);
    }
    RiffReader reader;
    if (!reader.Adopt(fd)) {
        out.broken = "Adopt refused a memory file";
        return out;
    }
    if (reader.FileSize() != size)
        out.broken = "FileSize differs from the bytes given";

    out.error = ReadWaveHeader(reader, out.riff, out.data, out.wfx);
    if (out.error != WaveReadError::None)
        return out;

    const std::uint64_t riffEnd = out.riff.dwDataOffset + out.riff.cksize;
    if (riffEnd > size)
        out.broken = "RIFF chunk reported past the end of the file";
    else if (out.data.dwDataOffset + out.data.cksize > riffEnd)
        out.broken = "data chunk reported past the end of its RIFF chunk";
    else if (reader.Position() != out.data.dwDataOffset)
        out.broken = "reader not at the first sample byte";
    else if (out.wfx.nChannels < 1 || out.wfx.nChannels > 8 || out.wfx.wBitsPerSample < 1 ||
             out.wfx.wBitsPerSample > 32 || out.wfx.wBitsPerSample % 8 != 0 ||
             out.wfx.nSamplesPerSec < 1 || out.wfx.nSamplesPerSec > 384000)
        out.broken = "an unusable format was accepted";
    if (!out.broken.empty())
        return out;

    std::uint8_t block[4096];
    while (const std::size_t n = reader.Read(block, sizeof block))
        out.samples.insert(out.samples.end(), block, block + n);
    if (out.samples.size() != size - out.data.dwDataOffset)
        out.broken = "Read did not give exactly the bytes from the first sample to the end";
    else if (reader.Position() != size)
        out.broken = "reader not at the end of the file after reading everything";
    return out;
}
