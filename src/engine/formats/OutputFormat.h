#pragma once
// The compressed output formats. Each is one file pair behind IOutputFile; the engine
// chooses one by the file name and never asks which it holds. What every format must keep:
// - a file that is being written decodes, up to about half a second before the moment the
//   process died, if it dies (Write hands the encoded sound to the system as it goes);
// - Finish makes the file whole (true lengths, checksums) and closes it, also after a failed
//   write, so the sound before a failure stays playable;
// - the next part of a recording is a new file opened with the same settings.

#include <QString>

#include <bit>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

struct OutputSpec {
    std::uint32_t rate = 0;
    // As captured: 8-bit samples are unsigned, 16-bit signed little-endian.
    std::uint16_t bits = 16;
    std::uint16_t channels = 1;
    // The tags: the file's own name and the local moment the take started (ISO 8601).
    QString title;
    QString date;
};

class IOutputFile {
public:
    virtual ~IOutputFile() = default;
    // Creates the file, replacing one at the path. False: nothing is open; Error says why.
    virtual bool Open(const std::string& path, const OutputSpec& spec) = 0;
    // Whole frames of interleaved samples in the captured format.
    virtual bool Write(const char* data, std::uint32_t bytes) = 0;
    virtual bool Finish() = 0;
    // The kind the options page closes the output by: "flac", "opus".
    virtual QString Kind() const = 0;
    virtual const OutputSpec& Spec() const = 0;
    virtual QString Error() const = 0;
};

// The format a path ends in, if it is one of these; null for any other name.
std::unique_ptr<IOutputFile> MakeOutputFile(const QString& path);

// The Vorbis comments every format carries, as NAME=value.
std::vector<std::string> OutputTags(const OutputSpec& spec);

// The captured samples as numbers into out (count of them): 8-bit ones, unsigned, centred on
// 0 and multiplied by scale8; 16-bit ones, signed little-endian, as they are. out is kept
// between calls and grows only when a longer block comes: no allocation per buffer.
template <typename T>
T* CapturedSamples(const char* data, std::uint32_t count, std::uint16_t bits, int scale8, std::vector<T>& out)
{
    if (out.size() < count)
        out.resize(count);
    const auto* in = reinterpret_cast<const unsigned char*>(data);
    if (bits == 8) {
        for (std::uint32_t i = 0; i < count; ++i)
            out[i] = static_cast<T>((in[i] - 128) * scale8);
    } else if constexpr (std::endian::native == std::endian::little) {
        // A plain load of each sample, which the compiler turns into vector widening: this
        // runs over every sample of a FLAC or Opus take.
        for (std::size_t i = 0; i < count; ++i) {
            std::int16_t sample;
            std::memcpy(&sample, in + 2 * i, sizeof sample);
            out[i] = static_cast<T>(sample);
        }
    } else {
        for (std::uint32_t i = 0; i < count; ++i)
            out[i] = static_cast<T>(static_cast<std::int16_t>(in[2 * i] | in[2 * i + 1] << 8));
    }
    return out.data();
}

// The file descriptor both formats write through: every write reaches the system at once, so
// a killed process leaves whole encoded frames behind.
class OutputDescriptor {
public:
    OutputDescriptor() = default;
    ~OutputDescriptor();
    OutputDescriptor(const OutputDescriptor&) = delete;
    OutputDescriptor& operator=(const OutputDescriptor&) = delete;

    bool Create(const std::string& path);
    bool WriteAll(const void* data, std::size_t bytes);
    bool Seek(std::uint64_t offset);
    // Kept here rather than asked of the system: the encoders ask at every frame.
    std::uint64_t Tell() const { return m_nAt; }
    bool Close();
    bool IsOpen() const { return m_fd >= 0; }
    // The system's words for the first failure.
    QString Error() const { return m_strError; }

private:
    void NoteError(int code);
    int m_fd = -1;
    std::uint64_t m_nAt = 0; // where the next write goes
    QString m_strError;
};
