// Tessavox: a desktop sound recorder.

#include "ProductInfo.h"
#include "app/TessavoxApp.h"
#include "platform/Translations.h"

#include <QApplication>
#include <QFileInfo>

#include <cstdio>
#include <cstring>

namespace {
// The manual page lists the same options.
const char* const USAGE = QT_TRANSLATE_NOOP("main",
    "Usage: tessavox [--minimized | --help | --version]\n"
    "Records the sound card to WAV or MP3 files. Without an option it opens its window.\n"
    "\n"
    "  --minimized  open the window minimised, or in the panel's icon where the\n"
    "               desktop has one, keeping a saved schedule armed\n"
    "  --help       print this help and exit\n"
    "  --version    print the version and exit\n");
} // namespace

int main(int argc, char** argv)
{
    // Answered before the application exists, so they work without a display. Any other
    // argument goes to Qt, as before.
    bool minimized = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--minimized") == 0)
            minimized = true;
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("Tessavox %s\n", TESSAVOX_VERSION);
            return 0;
        }
        if (std::strcmp(argv[i], "--help") == 0) {
            // In the user's language, still without a display.
            QCoreApplication core(argc, argv);
            platform::InstallTranslations();
            std::fputs(qUtf8Printable(QCoreApplication::translate("main", USAGE)), stdout);
            return 0;
        }
    }

    QApplication app(argc, argv);
    platform::InstallTranslations();
    // The application's standard message boxes are captioned with the program file's name.
    QApplication::setApplicationName(QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName());
    QApplication::setApplicationVersion(QLatin1String(TESSAVOX_VERSION));
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QLatin1String(TESSAVOX_APP_ID));
    CTessavoxApp theApp;
    theApp.m_bMinimized = minimized;
    theApp.InitInstance();
    return 0;
}
