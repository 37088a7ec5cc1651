#pragma once
// The compressed files Play reads. Each format is one file pair behind ISoundDecoder; the
// engine chooses one by the file name and reads 16-bit interleaved sound from it at the
// file's own rate, mono or stereo.

#include <QString>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

class ISoundDecoder {
public:
    virtual ~ISoundDecoder() = default;
    // False when the file cannot be decoded at all; Error says what is wrong with it.
    virtual bool Open(const std::string& path) = 0;
    virtual std::uint32_t Rate() const = 0;
    virtual std::uint16_t Channels() const = 0;
    // Fills the buffer with whole frames; less only at the end, or where the rest of a
    // damaged file cannot be decoded.
    virtual std::size_t Read(char* buffer, std::size_t bytes) = 0;
    virtual QString Error() const = 0;
};

// The decoder of a name's ending (".mp3", ".flac", ".opus"); null for any other name.
std::unique_ptr<ISoundDecoder> MakeSoundDecoder(const QString& path);
