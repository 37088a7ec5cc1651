// Prints the language whose catalogues the program installs in the environment it is started
// with, then Qt's own "Yes" as it now reads. Qt reads LANGUAGE, LC_ALL, LC_MESSAGES and LANG
// once per process, so each environment the tests try is a process of its own.
#include "platform/Translations.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QString language = platform::InstallTranslations();
    std::printf("%s\n%s\n", language.isEmpty() ? "en" : qUtf8Printable(language),
                qUtf8Printable(QCoreApplication::translate("QPlatformTheme", "&Yes")));
    return 0;
}
