// Loaded into the program (LD_PRELOAD) by the tray test: it reports each change of the main
// window, one line "window: hidden", "window: minimised" (shown but not on screen) or
// "window: on screen", and closes the window as a user does when the line "close" appears in
// the file named by TESSAVOX_DRIVER_COMMANDS.

#include "support/ProgramDriver.h"

#include <QWindow>

namespace {

QString StateOf(const QWidget& window)
{
    if (!window.isVisible())
        return QStringLiteral("hidden");
    const QWindow* handle = window.windowHandle();
    return handle && handle->isExposed() ? QStringLiteral("on screen") : QStringLiteral("minimised");
}

class Driver : public tests::ProgramDriver {
public:
    using ProgramDriver::ProgramDriver;

private:
    void Look(QWidget& window) override
    {
        if (const QString state = StateOf(window); state != m_strState) {
            m_strState = state;
            tests::Report(QStringLiteral("window"), state);
        }
        QFile commands(qEnvironmentVariable("TESSAVOX_DRIVER_COMMANDS"));
        if (commands.exists() && commands.open(QIODevice::ReadOnly)) {
            const bool close = commands.readAll().contains("close");
            commands.remove();
            if (close)
                window.close();
        }
    }

    QString m_strState;
};

void StartDriver()
{
    tests::StartDriver<Driver>();
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(StartDriver)
