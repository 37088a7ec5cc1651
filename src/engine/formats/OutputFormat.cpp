// What the formats share: their tags and the usual words for a file that cannot be made.

#include "engine/formats/OutputFormat.h"

#include "ProductInfo.h"

#include <QCoreApplication>

std::vector<std::string> OutputTags(const OutputSpec& spec)
{
    return {"TITLE=" + spec.title.toStdString(), "DATE=" + spec.date.toStdString(),
            std::string("ENCODER=Tessavox ") + TESSAVOX_VERSION};
}

QString CannotCreateFile(const QString& path, const QString& reason)
{
    return QCoreApplication::translate("Output", "Cannot create %1: %2").arg(path, reason);
}
