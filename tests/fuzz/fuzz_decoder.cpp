// libFuzzer entry point for one of Play's decoders (DECODER names its class): any bytes, as
// a file of its format, opened and read to the end as playback reads it. What it must keep:
// no crash, whole frames only, and a layout the sound server can play.

#include DECODER_HEADER

#include <cstdio>
#include <cstdlib>
#include <string>

#include <sys/mman.h>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The decoders open files by name: the bytes are a file in memory.
    const int fd = memfd_create("fuzz", MFD_CLOEXEC);
    if (fd < 0 || write(fd, data, size) != static_cast<ssize_t>(size))
        std::abort();
    const std::string path = "/proc/self/fd/" + std::to_string(fd);
    DECODER decoder;
    if (decoder.Open(QString::fromStdString(path))) {
        const std::uint16_t channels = decoder.Channels();
        if (channels < 1 || channels > 2 || decoder.Rate() == 0) {
            std::fprintf(stderr, "decoder opened a stream of %u channels at %u Hz\n", channels, decoder.Rate());
            std::abort();
        }
        char buffer[4096];
        for (int i = 0; i < 4096; ++i) {
            const std::size_t got = decoder.Read(buffer, sizeof buffer);
            if (got % (2u * channels) != 0) {
                std::fprintf(stderr, "decoder gave %zu bytes: not whole frames\n", got);
                std::abort();
            }
            if (got < sizeof buffer)
                break;
        }
    }
    close(fd);
    return 0;
}
