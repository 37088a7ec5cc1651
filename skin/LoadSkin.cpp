// libSkin: the skin library the program calls once at start-up, before its first window.
// A skin is a Qt style sheet in UTF-8. Images inside it are named url(skin:NAME): the
// "skin:" search path is the skin file's own folder, so a skin folder can move as a whole.
//
// The program releases this library while its windows still live, so nothing that Qt keeps
// after the call may point into the library: the sheet, the search-path prefix and the
// folder are all built on the heap (no QStringLiteral, whose text would stay in our image).

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

extern "C" Q_DECL_EXPORT int LoadSkin(const char* path)
{
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (!app) {
        qWarning("LoadSkin: no QApplication to apply the skin to");
        return 0;
    }
    if (!path || !*path) {
        qWarning("LoadSkin: no skin file named");
        return 0;
    }

    const QString fileName = QFile::decodeName(path);
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning("LoadSkin: cannot open the skin file %s: %s", path, qPrintable(file.errorString()));
        return 0;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        qWarning("LoadSkin: cannot read the skin file %s: %s", path, qPrintable(file.errorString()));
        return 0;
    }

    // The decoder drops a leading byte-order mark, which editors like to add and which
    // would otherwise spoil the sheet's first selector.
    QStringDecoder decode(QStringDecoder::Utf8);
    const QString sheet = decode(bytes);

    QDir::setSearchPaths(QString::fromLatin1("skin"), {QFileInfo(fileName).absolutePath()});
    app->setStyleSheet(sheet);
    return 1;
}
