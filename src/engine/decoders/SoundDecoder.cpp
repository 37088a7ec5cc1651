// Choosing a decoder by the file name.

#include "engine/decoders/SoundDecoder.h"

#include "engine/decoders/FlacDecoder.h"
#include "engine/decoders/Mp3Decoder.h"
#include "engine/decoders/OpusDecoder.h"

std::unique_ptr<ISoundDecoder> MakeSoundDecoder(const QString& path)
{
    const QString lower = path.toLower();
    if (lower.endsWith(QStringLiteral(".mp3")))
        return std::make_unique<Mp3Decoder>();
    if (lower.endsWith(QStringLiteral(".flac")))
        return std::make_unique<FlacDecoder>();
    if (lower.endsWith(QStringLiteral(".opus")))
        return std::make_unique<OpusDecoder>();
    return nullptr;
}
