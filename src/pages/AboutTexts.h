#pragma once
// The about page's and the about box's texts and addresses, in one place.

#include "ProductInfo.h"

#include <QCoreApplication>
#include <QString>
#include <QUrl>

inline QString VersionText()
{
    return QCoreApplication::translate("AboutTexts", "Version: %1").arg(QLatin1String(TESSAVOX_VERSION));
}

inline QUrl WebsiteUrl()
{
    return QUrl(QLatin1String(TESSAVOX_WEBSITE));
}

// A new message to the support address, its subject filled in.
inline QUrl SupportMailUrl()
{
    return QUrl(QStringLiteral("mailto:") + QLatin1String(TESSAVOX_EMAIL) + QStringLiteral("?subject=Tessavox"));
}
