#include "app/OldTakes.h"

#include "engine/take/TakeNames.h"
#include "platform/Trash.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

OldTakesMoved MoveOldTakes(const QString& typedPath, const QDate& today, int keepDays, const QStringList& inUse)
{
    OldTakesMoved result;
    const QFileInfo typed(typedPath);
    const TakeStamps stamps(typed.fileName());
    const QDir folder = typed.absoluteDir();
    QStringList kept;
    for (const QString& file : inUse)
        kept << QFileInfo(file).absoluteFilePath();
    // One listing, on the window's thread as the take starts. Links are left alone: what a
    // link names is not a take this program wrote there.
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden | QDir::NoSymLinks, QDir::Name)) {
        const QDate date = stamps.DateOf(name);
        if (!date.isValid() || date.daysTo(today) <= keepDays)
            continue;
        const QString path = folder.absoluteFilePath(name);
        if (kept.contains(path))
            continue;
        if (const QString why = platform::MoveToTrash(path); !why.isEmpty()) {
            if (result.left.isEmpty())
                result.why = why;
            result.left << path;
            continue;
        }
        ++result.moved;
    }
    return result;
}

QString OldTakesNotice(const OldTakesMoved& result)
{
    QStringList parts;
    if (result.moved == 1)
        parts << QCoreApplication::translate("OldTakes", "Moved 1 old take to the trash");
    else if (result.moved > 1)
        parts << QCoreApplication::translate("OldTakes", "Moved %1 old takes to the trash").arg(result.moved);
    if (result.left.size() == 1)
        parts << QCoreApplication::translate("OldTakes", "Could not move %1 to the trash: %2").arg(result.left.front(), result.why);
    else if (result.left.size() > 1)
        parts << QCoreApplication::translate("OldTakes", "Could not move %1 old takes to the trash; %2: %3")
                     .arg(result.left.size())
                     .arg(result.left.front(), result.why);
    return parts.join(QStringLiteral(". "));
}
