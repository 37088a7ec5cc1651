// Tessavox: a desktop sound recorder.

#include "app/TessavoxApp.h"

#include <QApplication>
#include <QFileInfo>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // The application's standard message boxes are captioned with the program file's name.
    QApplication::setApplicationName(QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName());
    CTessavoxApp theApp;
    theApp.InitInstance();
    return 0;
}
