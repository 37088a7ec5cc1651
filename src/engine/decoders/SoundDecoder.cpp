// What the compressed decoders share.

#include "engine/decoders/SoundDecoder.h"

#include <QCoreApplication>
#include <QFile>

bool DecodedFile::Open(const QString& path)
{
    if (OpenFile(QFile::encodeName(path).toStdString()))
        return true;
    m_strFailure = QCoreApplication::translate("Decoder", "Cannot play %1: %2").arg(path, Error());
    return false;
}
