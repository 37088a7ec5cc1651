#include "app/HelpFile.h"

#include "platform/DesktopOpen.h"
#include "platform/DynamicLibrary.h"

#include <QDir>
#include <QFileInfo>

namespace {
const char* const HELP_FILE = "Tessavox.html";
} // namespace

QString FindHelpFile()
{
    for (const QString& dir : {QDir::currentPath() + QLatin1Char('/'), platform::ProgramDirectory()}) {
        const QFileInfo file(dir + QLatin1String(HELP_FILE));
        if (file.isFile())
            return file.absoluteFilePath();
    }
    return {};
}

void OpenHelpFile()
{
    const QString path = FindHelpFile();
    if (!path.isEmpty())
        platform::OpenWithDesktop(QUrl::fromLocalFile(path));
}
