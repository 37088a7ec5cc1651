// What the compressed decoders share.

#include "engine/decoders/SoundDecoder.h"

#include <QFile>

bool DecodedFile::Open(const QString& path)
{
    if (OpenFile(QFile::encodeName(path).toStdString()))
        return true;
    m_strFailure = QStringLiteral("Cannot play %1: %2").arg(path, Error());
    return false;
}
