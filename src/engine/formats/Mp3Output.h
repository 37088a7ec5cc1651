#pragma once
// MP3 through the encoder library: 128 kb/s, one encoder stream per file, the captured PCM
// gathered into whole chunks of the size the encoder asks for. A failure while encoding or
// writing ends this output alone: the user is told at once and the take goes on.

#include "engine/formats/Mp3EncoderLibrary.h"
#include "engine/formats/OutputFormat.h"

#include <QCoreApplication>

#include <cstdio>
#include <memory>
#include <vector>

class Mp3Output final : public IOutputFile {
public:
    // Whatever the channels and the rate.
    static constexpr int BITRATE_KBPS = 128;

    Mp3Output() { ResetMp3State(); }
    ~Mp3Output() override;
    Mp3Output(const Mp3Output&) = delete;
    Mp3Output& operator=(const Mp3Output&) = delete;

    bool Prepare(const OutputSpec& spec) override;
    bool Open(const QString& path, const OutputSpec& spec) override { return OpenMp3Stream(path, spec); }
    bool IsOpen() const override { return m_fpMp3 != nullptr; }
    Written Write(const char* data, std::uint32_t bytes) override;
    bool Finish() override { return CloseMp3Stream(); }
    void Settle() override;
    QString CannotCreate(const QString& path, const QString&) const override
    {
        return QCoreApplication::translate("Output", "Error creating file %1").arg(path);
    }
    QString Failure() const override { return m_strFailure; }
    const OutputSpec& Spec() const override { return m_spec; }

private:
    friend class Mp3OutputTestAccess;

    void ResetMp3State();
    bool OpenMp3Stream(const QString& path, const OutputSpec& spec);
    // Encodes whole chunks while more than one chunk is held.
    bool EncodeHeldChunks();
    bool EncodeMp3Chunk(const char* pcm, std::uint32_t bytes);
    bool CloseMp3Stream();
    bool EndMp3Stream();
    bool Fail(const QString& text);

    std::shared_ptr<const Mp3EncoderLibrary> m_pEncoder;
    OutputSpec m_spec;
    std::vector<std::uint8_t> m_pMp3Buffer;
    std::vector<char> m_pPcmBuffer;
    std::uint32_t m_nPcmFill = 0;
    std::FILE* m_fpMp3 = nullptr;
    QString m_strMp3Path;
    HBE_STREAM m_hMp3Stream = 0;
    std::uint32_t m_nPcmBufferSize = 0;
    std::uint32_t m_dwChunkSamples = 0;
    QString m_strFailure;
};
