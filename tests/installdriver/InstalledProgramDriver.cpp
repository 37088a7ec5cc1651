// Loaded into the installed program (LD_PRELOAD) by the install test: once the main window
// is up it reports where the skin library came from and whether the skin took, opens Help,
// records an MP3 on the virtual devices and reports where the encoder library came from,
// then closes the window. Each finding is one line of the driver's report.

#include "support/ProgramDriver.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QUrl>

namespace {

using tests::Report;

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

class Driver : public tests::ProgramDriver {
public:
    explicit Driver(QObject* parent) : ProgramDriver(parent)
    {
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &m_viewer, "open");
    }
    ~Driver() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }

private:
    template <class T>
    T* Control(QWidget* window, int id) const
    {
        return window->findChild<T*>(QString::number(id));
    }

    // Runs inside the program's modal loops too, so one step at a time and never twice.
    void Look(QWidget& window) override
    {
        if (!window.isVisible() || m_bBusy)
            return;
        m_bBusy = true;
        Step(&window);
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
                StopLooking();
                Report(QStringLiteral("closed"), QStringLiteral("yes"));
                qobject_cast<QDialog*>(window)->reject();
            }
            break;
        }
    }

    HelpViewer m_viewer;
    int m_nStep = 0;
    bool m_bBusy = false;
};

void StartDriver()
{
    tests::StartDriver<Driver>();
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(StartDriver)

#include "InstalledProgramDriver.moc"
