// Tessavox: a desktop sound recorder.

#include "ProductInfo.h"
#include "app/CommandLine.h"
#include "app/HandOver.h"
#include "app/TessavoxApp.h"
#include "platform/SingleInstance.h"
#include "platform/Translations.h"

#include <QApplication>
#include <QFileInfo>

#include <cstdio>

namespace {

int Finish(const HandOverResult& result)
{
    if (!result.message.isEmpty())
        std::fprintf(stderr, "tessavox: %s\n", result.message.toLocal8Bit().constData());
    return result.status;
}

} // namespace

int main(int argc, char** argv)
{
    // Answered before the application exists, so they work without a display. Arguments
    // that are not ours go to Qt, as before.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine line = ParseCommandLine(arguments);
    if (!line.error.isEmpty() || line.help) {
        // In the user's language, still without a display.
        QCoreApplication core(argc, argv);
        platform::InstallTranslations();
        if (line.help) {
            std::fputs(UsageText().toLocal8Bit().constData(), stdout);
            return 0;
        }
        // Parsed again for the error's text in that language.
        std::fprintf(stderr, "tessavox: %s\n\n%s", ParseCommandLine(arguments).error.toLocal8Bit().constData(),
                     UsageText().toLocal8Bit().constData());
        return EXIT_USAGE;
    }
    if (line.version) {
        std::printf("Tessavox %s\n", TESSAVOX_VERSION);
        return 0;
    }
    // Stop and Pause only ever go to a running window: no display is needed for them.
    if (line.command == WindowCommand::Stop || line.command == WindowCommand::Pause) {
        QCoreApplication app(argc, argv);
        platform::InstallTranslations();
        platform::SingleInstance instance(QLatin1String(TESSAVOX_APP_ID), CommandNames());
        return Finish(HandOver(instance, line.command));
    }

    QApplication app(argc, argv);
    platform::InstallTranslations();
    // The application's standard message boxes are captioned with the program file's name.
    QApplication::setApplicationName(QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName());
    QApplication::setApplicationVersion(QLatin1String(TESSAVOX_VERSION));
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QLatin1String(TESSAVOX_APP_ID));
    // One window per session: a later start raises it, or records in it, and ends.
    platform::SingleInstance instance(QLatin1String(TESSAVOX_APP_ID), CommandNames());
    if (instance.ClaimName() == platform::SingleInstance::Claim::HeldByAnother)
        return Finish(HandOver(instance, line.command));
    CTessavoxApp theApp;
    theApp.m_bMinimized = line.minimized;
    theApp.m_pInstance = &instance;
    theApp.m_nStartCommand = line.command;
    theApp.InitInstance();
    return 0;
}
