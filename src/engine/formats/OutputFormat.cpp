// What the formats share: their tags and the usual words for a file that cannot be made.

#include "engine/formats/OutputFormat.h"

#include "ProductInfo.h"

#include <QCoreApplication>

std::vector<std::string> OutputTags(const OutputSpec& spec)
{
    // The version joined as a QString: GCC 12 warns falsely (-Warray-bounds) on a std::string
    // appended to at -O2 when the standard headers come precompiled.
    const QString encoder = QStringLiteral("ENCODER=Tessavox ") + QLatin1String(TESSAVOX_VERSION);
    return {"TITLE=" + spec.title.toStdString(), "DATE=" + spec.date.toStdString(),
            encoder.toStdString()};
}

QString CannotCreateFile(const QString& path, const QString& reason)
{
    return QCoreApplication::translate("Output", "Cannot create %1: %2").arg(path, reason);
}
