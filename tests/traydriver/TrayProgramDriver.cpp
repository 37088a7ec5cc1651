// Loaded into the program (LD_PRELOAD) by the tray test, which sees the program only from
// outside: it reports each change of the main window, one line "window: hidden",
// "window: minimised" (shown but not on screen) or "window: on screen", to the file named by
// TESSAVOX_DRIVER_REPORT, and closes the window as a user does when the line "close"
// appears in the file named by TESSAVOX_DRIVER_COMMANDS. Message boxes are reported and
// closed, so none can hang the run.

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace {

void Report(const QString& key, const QString& value)
{
    QFile file(qEnvironmentVariable("TESSAVOX_DRIVER_REPORT"));
    if (file.open(QIODevice::Append | QIODevice::Text))
        file.write((key + QStringLiteral(": ") + value + QLatin1Char('\n')).toUtf8());
}

QWidget* MainWindow()
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->windowTitle() == QLatin1String("Tessavox") && w->inherits("CTessavoxDlg"))
            return w;
    return nullptr;
}

QString StateOf(const QWidget* window)
{
    if (!window->isVisible())
        return QStringLiteral("hidden");
    const QWindow* handle = window->windowHandle();
    return handle && handle->isExposed() ? QStringLiteral("on screen") : QStringLiteral("minimised");
}

class Driver : public QObject {
public:
    explicit Driver(QObject* parent) : QObject(parent)
    {
        connect(&m_tick, &QTimer::timeout, this, &Driver::Tick);
        m_tick.start(50);
    }

private:
    void Tick()
    {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            Report(QStringLiteral("message"), box->text());
            box->done(QMessageBox::Ok);
            return;
        }
        QWidget* window = MainWindow();
        if (!window)
            return;
        if (const QString state = StateOf(window); state != m_strState) {
            m_strState = state;
            Report(QStringLiteral("window"), state);
        }
        QFile commands(qEnvironmentVariable("TESSAVOX_DRIVER_COMMANDS"));
        if (commands.exists() && commands.open(QIODevice::ReadOnly)) {
            const bool close = commands.readAll().contains("close");
            commands.remove();
            if (close)
                window->close();
        }
    }

    QTimer m_tick;
    QString m_strState;
};

// Called while the application object is being made: the driver starts once it is whole.
void StartDriver()
{
    QTimer::singleShot(0, qApp, [] { new Driver(qApp); });
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(StartDriver)
