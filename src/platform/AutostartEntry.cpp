#include "platform/AutostartEntry.h"

#include "ProductInfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

namespace platform {

QString ConfigFolder()
{
    const QString xdg = qEnvironmentVariable("XDG_CONFIG_HOME");
    return QDir::isAbsolutePath(xdg) ? xdg : QDir::homePath() + QStringLiteral("/.config");
}

QString AutostartPath()
{
    return ConfigFolder() + QStringLiteral("/autostart/") + QLatin1String(TESSAVOX_APP_ID) +
           QStringLiteral(".desktop");
}

bool IsAutostartOn()
{
    return QFileInfo::exists(AutostartPath());
}

namespace {
// The installed entry, built into the program, with the option on its command. The menu's
// actions (Record, Stop) stay the installed entry's: at login only the program starts.
QByteArray AutostartEntry()
{
    QFile installed(QStringLiteral(":/desktop/") + QLatin1String(TESSAVOX_APP_ID) + QStringLiteral(".desktop"));
    installed.open(QIODevice::ReadOnly);
    QList<QByteArray> lines;
    for (const QByteArray& line : installed.readAll().split('\n')) {
        if (line.startsWith("[Desktop Action "))
            break;
        if (!line.startsWith("Actions="))
            lines << (line.startsWith("Exec=") ? line + " --minimized" : line);
    }
    return lines.join('\n');
}
} // namespace

QString SetAutostart(bool on)
{
    const QString path = AutostartPath();
    if (!on) {
        if (QFile::exists(path) && !QFile::remove(path))
            return QCoreApplication::translate("AutostartEntry", "Cannot remove %1: %2").arg(path, QFile(path).errorString());
        return {};
    }
    if (!QDir().mkpath(QFileInfo(path).path()))
        return QCoreApplication::translate("AutostartEntry", "Cannot create the folder %1").arg(QFileInfo(path).path());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(AutostartEntry()) < 0 || !file.commit())
        return QCoreApplication::translate("AutostartEntry", "Cannot write %1: %2").arg(path, file.errorString());
    return {};
}

} // namespace platform
