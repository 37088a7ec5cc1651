#pragma once
// Ogg Opus through libopusenc, which takes the captured rate as it is and notes it in the
// header: VBR at 32 kb/s per channel. Pages are written at least twice a second, so a file
// of a process that died decodes up to about then; Finish trims the end to the last sample
// captured, so the decoded length is the captured length.

#include "engine/formats/OutputDescriptor.h"
#include "engine/formats/OutputFormat.h"

#include <opus/opusenc.h>

class OpusOutput final : public IOutputFile {
public:
    // Per channel: speech stays clear, music is good, and a day of mono is about 350 MB.
    static constexpr int BITRATE_PER_CHANNEL = 32000;

    OpusOutput() = default;
    ~OpusOutput() override;
    OpusOutput(const OpusOutput&) = delete;
    OpusOutput& operator=(const OpusOutput&) = delete;

    bool Open(const QString& path, const OutputSpec& spec) override;
    bool IsOpen() const override { return m_pEncoder != nullptr; }
    Written Write(const char* data, std::uint32_t bytes) override;
    bool Finish() override;
    QString CannotCreate(const QString& path, const QString& reason) const override
    {
        return CannotCreateFile(path, reason);
    }
    QString Failure() const override { return m_strFailure; }
    const OutputSpec& Spec() const override { return m_spec; }

private:
    static int OnWrite(void* self, const unsigned char* data, opus_int32 bytes);
    static int OnClose(void* self);
    // The encoder over a new file at path; false with m_strError.
    bool Begin(const std::string& path);
    bool Failed(int code);
    void Release();

    OutputSpec m_spec;
    OutputDescriptor m_file;
    OggOpusEnc* m_pEncoder = nullptr;
    OggOpusComments* m_pTags = nullptr;
    // The samples as the encoder takes them, kept between writes.
    std::vector<opus_int16> m_samples;
    // Why the encoder failed, in its words; and what the user is told.
    QString m_strError;
    QString m_strFailure;
};
