#include "platform/Trash.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <climits>

namespace platform {

namespace {

// The folder made with the trash's own rights (only its owner may look in): empty when it is
// there, else what failed.
QString MakeTrashFolder(const QString& path)
{
    constexpr auto OWNER = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
    if (QFileInfo(path).isDir() || QDir().mkdir(path, OWNER))
        return {};
    return QCoreApplication::translate("Trash", "the trash folder %1 cannot be made").arg(QDir::toNativeSeparators(path));
}

} // namespace

QString MoveToTrash(const QString& path)
{
    // QFile::moveToTrash is asked only once both of its weak spots are ruled out: when it
    // cannot make the home trash it moves the file into "files" in the current folder and
    // says it succeeded; when it cannot create the trash's information file (a name too long
    // for it, a folder it may not write in) it tries new names for ever.
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (data.isEmpty() || !QDir().mkpath(data))
        return QCoreApplication::translate("Trash", "there is no folder for the trash");
    const QString trash = data + QStringLiteral("/Trash");
    for (const QString& folder : {trash, trash + QStringLiteral("/files"), trash + QStringLiteral("/info")})
        if (const QString failure = MakeTrashFolder(folder); !failure.isEmpty())
            return failure;
    if (!QFileInfo(trash + QStringLiteral("/info")).isWritable())
        return QCoreApplication::translate("Trash", "the trash folder %1 cannot be written").arg(QDir::toNativeSeparators(trash));
    // The information file is the name, a number of four digits should one be there already,
    // and ".trashinfo".
    constexpr qsizetype INFO_ADDS = sizeof("-0000.trashinfo") - 1;
    if (QFile::encodeName(QFileInfo(path).fileName()).size() + INFO_ADDS > NAME_MAX)
        return QCoreApplication::translate("Trash", "its name is too long for the trash");
    QFile file(path);
    if (!file.moveToTrash())
        return file.errorString();
    return {};
}

} // namespace platform
