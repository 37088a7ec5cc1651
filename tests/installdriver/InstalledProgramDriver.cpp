// Loaded into the installed program (LD_PRELOAD) by the install test: once the main window
// is up it reports where the skin library came from and whether the skin took, opens Help,
// records an MP3 on the virtual devices and reports where the encoder library came from,
// then closes the window. Each finding is one line, "key: value", appended to the file named
// by TESSAVOX_DRIVER_REPORT. Message boxes are reported and closed, so none can hang the run.

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <QUrl>

namespace {

void Report(const QString& key, const QString& value)
{
    QFile file(qEnvironmentVariable("TESSAVOX_DRIVER_REPORT"));
    if (file.open(QIODevice::Append | QIODevice::Text))
        file.write((key + QStringLiteral(": ") + value + QLatin1Char('\n')).toUtf8());
}

// The file a library of this name was mapped from, or "none".
QString MappedFrom(const QString& name)
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (maps.open(QIODevice::ReadOnly | QIODevice::Text)) {
        for (const QByteArray& line : maps.readAll().split('\n')) {
            const qsizetype slash = line.indexOf('/');
            if (slash >= 0 && line.endsWith('/' + name.toUtf8()))
                return QString::fromUtf8(line.mid(slash));
        }
    }
    return QStringLiteral("none");
}

// Stands in for the desktop's viewer: the program's own choice of file is what is checked.
class HelpViewer : public QObject {
    Q_OBJECT
public slots:
    void open(const QUrl& url) { Report(QStringLiteral("help"), url.toLocalFile()); }
};

class Driver : public QObject {
public:
    explicit Driver(QObject* parent) : QObject(parent)
    {
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &m_viewer, "open");
        connect(&m_tick, &QTimer::timeout, this, &Driver::Tick);
        m_tick.start(50);
    }
    ~Driver() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }

private:
    QWidget* MainWindow() const
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w->windowTitle() == QLatin1String("Tessavox"))
                return w;
        return nullptr;
    }

    template <class T>
    T* Control(QWidget* window, int id) const
    {
        return window->findChild<T*>(QString::number(id));
    }

    // Runs inside the program's modal loops too, so one step at a time and never twice.
    void Tick()
    {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            Report(QStringLiteral("message"), box->text());
            box->done(QMessageBox::Ok);
            return;
        }
        QWidget* window = MainWindow();
        if (!window || m_bBusy)
            return;
        m_bBusy = true;
        Step(window);
        m_bBusy = false;
    }

    void Step(QWidget* window)
    {
        switch (m_nStep++) {
        case 0:
            Report(QStringLiteral("skin library"), MappedFrom(QStringLiteral("libSkin.so")));
            Report(QStringLiteral("skin applied"), qApp->styleSheet().isEmpty() ? QStringLiteral("no") : QStringLiteral("yes"));
            Control<QAbstractButton>(window, 1025)->click();
            break;
        case 1:
            Control<QComboBox>(window, 1026)->setCurrentIndex(0);
            Control<QLineEdit>(window, 1005)->setText(QDir::current().filePath(QStringLiteral("installed.mp3")));
            Control<QAbstractButton>(window, 1020)->click();
            Report(QStringLiteral("encoder library"), MappedFrom(QStringLiteral("liblame_enc.so")));
            break;
        case 2:
            Control<QAbstractButton>(window, 1022)->click();
            break;
        default:
            if (Control<QAbstractButton>(window, 1020)->isEnabled()) {
                m_tick.stop();
                Report(QStringLiteral("closed"), QStringLiteral("yes"));
                qobject_cast<QDialog*>(window)->reject();
            }
            break;
        }
    }

    HelpViewer m_viewer;
    QTimer m_tick;
    int m_nStep = 0;
    bool m_bBusy = false;
};

// Called while the application object is being made: the driver starts once it is whole.
void StartDriver()
{
    QTimer::singleShot(0, qApp, [] { new Driver(qApp); });
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(StartDriver)

#include "InstalledProgramDriver.moc"
