#pragma once
// FLAC through the reference encoder: lossless, compression level 5, the captured sample
// width. Frames go to the file as they are made; Finish writes the true sample count and
// the MD5 into the stream information at the file's start.

#include "engine/formats/OutputDescriptor.h"
#include "engine/formats/OutputFormat.h"

#include <FLAC/stream_encoder.h>

class FlacOutput final : public IOutputFile {
public:
    FlacOutput() = default;
    ~FlacOutput() override;
    FlacOutput(const FlacOutput&) = delete;
    FlacOutput& operator=(const FlacOutput&) = delete;

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
    static FLAC__StreamEncoderWriteStatus OnWrite(const FLAC__StreamEncoder*, const FLAC__byte buffer[], size_t bytes,
                                                  uint32_t samples, uint32_t frame, void* self);
    static FLAC__StreamEncoderSeekStatus OnSeek(const FLAC__StreamEncoder*, FLAC__uint64 offset, void* self);
    static FLAC__StreamEncoderTellStatus OnTell(const FLAC__StreamEncoder*, FLAC__uint64* offset, void* self);
    void Release();

    OutputSpec m_spec;
    OutputDescriptor m_file;
    FLAC__StreamEncoder* m_pEncoder = nullptr;
    FLAC__StreamMetadata* m_pTags = nullptr;
    // The samples as the encoder takes them, kept between writes: no allocation per buffer.
    std::vector<FLAC__int32> m_samples;
    // Why the encoder failed, in its words; and what the user is told.
    QString m_strError;
    QString m_strFailure;
};
