#pragma once
// WAV: the captured samples as they are, after the 46-byte header. The sizes in the header
// are made true about once a second of sound, so a file survives the process being killed,
// and at once before a message waits for the user.

#include "engine/formats/OutputFormat.h"
#include "engine/formats/RiffChunk.h"
#include "engine/formats/RiffWriter.h"

#include <QCoreApplication>

#include <memory>

// The RIFF size fields are 32-bit: a file may not grow past this many bytes.
inline constexpr std::uint64_t MAX_WAVE_FILE_BYTES = 0xFFFFFFFFull;

class WaveOutput final : public IOutputFile {
public:
    bool Open(const QString& path, const OutputSpec& spec) override { return OpenWaveFile(path, spec); }
    bool IsOpen() const override { return m_hFile != nullptr; }
    bool HasRoomFor(std::uint32_t bytes) const override;
    Written Write(const char* data, std::uint32_t bytes) override;
    bool Finish() override;
    void Flush() override;
    void Settle() override;
    QString CannotCreate(const QString&, const QString&) const override
    {
        return QCoreApplication::translate("Output", "Open wave file failed");
    }
    QString Failure() const override { return m_strFailure; }
    const OutputSpec& Spec() const override { return m_spec; }

private:
    bool OpenWaveFile(const QString& path, const OutputSpec& spec);

    OutputSpec m_spec;
    std::unique_ptr<RiffWriter> m_hFile;
    MMCKINFO m_ckRiff;
    MMCKINFO m_ckData;
    // Sound written since the sizes were last made true.
    std::uint64_t m_nUnsizedBytes = 0;
    QString m_strFailure;
};
