// The engine's outputs in the other formats (FLAC, Opus) and the compressed files it plays.
// The formats themselves are in formats/ and decoders/; here is only what the engine asks
// of them.

#include "engine/AudioPlayRec.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

// previous: the part before, whose settings and take the new part goes on with.
int CAudioPlayRec::OpenFormatFile(int n, const QString& path, const OutputSpec* previous)
{
    if (m_pOutput[n])
        return 1;
    OutputSpec spec;
    if (previous) {
        spec = *previous;
    } else {
        spec.rate = m_wfx.nSamplesPerSec;
        spec.bits = m_wfx.wBitsPerSample;
        spec.channels = m_nChannelMode == CHANNELS_SPLIT ? 1 : m_wfx.nChannels;
        const QDateTime now = QDateTime::currentDateTime();
        spec.date = now.toOffsetFromUtc(now.offsetFromUtc()).toString(Qt::ISODate);
    }
    spec.title = QFileInfo(path).fileName();
    std::unique_ptr<IOutputFile> out = MakeOutputFile(path);
    if (!out->Open(QFile::encodeName(path).toStdString(), spec)) {
        ShowFailure(QStringLiteral("Cannot create %1: %2").arg(path, out->Error()));
        return 0;
    }
    m_pOutput[n] = std::move(out);
    return 1;
}

// Ends output n's file; false (held for the report at the recording's end) when its last
// sound could not be written.
bool CAudioPlayRec::FinishFormatFile(int n)
{
    if (!m_pOutput[n])
        return true;
    const bool ok = m_pOutput[n]->Finish();
    if (!ok)
        HoldFailure(QStringLiteral("Write file failed"));
    m_pOutput[n].reset();
    return ok;
}

int CAudioPlayRec::OpenDecodedForRead(const QString& path)
{
    if (m_hReadFile || m_pDecoder)
        return 0;
    std::unique_ptr<ISoundDecoder> decoder = MakeSoundDecoder(path);
    if (!decoder->Open(QFile::encodeName(path).toStdString())) {
        ShowFailure(QStringLiteral("Cannot play %1: %2").arg(path, decoder->Error()));
        return 0;
    }
    m_wfx = PcmFormat(decoder->Rate(), 16, decoder->Channels());
    PrepareBuffers();
    m_pDecoder = std::move(decoder);
    return 1;
}
