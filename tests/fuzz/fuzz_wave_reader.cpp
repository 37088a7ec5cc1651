// libFuzzer entry point: any bytes, read the way playback reads a file.

#include "fuzz/WaveReadCheck.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const WaveReadOutcome out = ReadWaveFromMemory(data, size);
    if (!out.broken.empty()) {
        std::fprintf(stderr, "wave reader broke a promise: %s\n", out.broken.c_str());
        std::abort();
    }
    return 0;
}
