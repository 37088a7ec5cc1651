#pragma once
// The files Play reads. Each format is one file pair behind ISoundDecoder and one row of the
// format table; the engine reads sound from it in the format it gives, at the file's own rate.

#include "platform/audio/WaveTypes.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <string>

class ISoundDecoder {
public:
    virtual ~ISoundDecoder() = default;
    // False when the file cannot be played at all; Failure() says so in the user's words.
    virtual bool Open(const QString& path) = 0;
    // The sound Read gives: its rate, channels and sample width.
    virtual WAVEFORMATEX Format() const = 0;
    // Fills the buffer with whole frames; less only at the end, or where the rest of a
    // damaged file cannot be decoded.
    virtual std::size_t Read(char* buffer, std::size_t bytes) = 0;
    virtual QString Failure() const = 0;
};

// A compressed file, decoded to 16-bit interleaved sound, mono or stereo.
class DecodedFile : public ISoundDecoder {
public:
    bool Open(const QString& path) final;
    WAVEFORMATEX Format() const final { return PcmFormat(Rate(), 16, Channels()); }
    QString Failure() const final { return m_strFailure; }

protected:
    // False when the file cannot be decoded at all; Error says what is wrong with it.
    virtual bool OpenFile(const std::string& path) = 0;
    virtual std::uint32_t Rate() const = 0;
    virtual std::uint16_t Channels() const = 0;
    virtual QString Error() const = 0;

private:
    QString m_strFailure;
};
