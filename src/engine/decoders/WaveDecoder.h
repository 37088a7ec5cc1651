#pragma once
// WAV files as they are: whatever sample width, rate and channels their header gives (8-bit
// sound plays as 8-bit), read from the first sample byte to the end of the "data" chunk.

#include "engine/decoders/SoundDecoder.h"
#include "engine/formats/RiffReader.h"

#include <memory>

class WaveDecoder final : public ISoundDecoder {
public:
    bool Open(const QString& path) override { return OpenWaveForRead(path); }
    WAVEFORMATEX Format() const override { return m_wfx; }
    std::size_t Read(char* buffer, std::size_t bytes) override;
    QString Failure() const override { return m_strFailure; }

private:
    bool OpenWaveForRead(const QString& path);
    bool Fail(const QString& text);

    std::unique_ptr<RiffReader> m_hFile;
    MMCKINFO m_ckRiff;
    MMCKINFO m_ckData;
    WAVEFORMATEX m_wfx;
    QString m_strFailure;
};
