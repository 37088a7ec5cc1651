#include "support/SoundServer.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>

#include <cstdio>

#include <unistd.h>

namespace testsupport {

namespace {

constexpr int SCRIPT_TIMEOUT_MS = 30000;
// Longer than any test keeps its sink.
constexpr int TURN_TIMEOUT_MS = 120000;
constexpr int LISTED_TIMEOUT_MS = 5000;

// From the build, not from __FILE__: a compiler cache with a base folder makes __FILE__
// relative to it.
QString Script()
{
    return QStringLiteral(SOUND_SERVER_SCRIPT);
}

// Runs the script without the variables that name the run's shared server, so that
// starting this one leaves that one alone.
bool RunScript(const QStringList& arguments, QString* output, QString* failure)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("TESSAVOX_SOUND_DIR"));
    QProcess script;
    script.setProcessEnvironment(environment);
    script.start(QStringLiteral("bash"), QStringList{Script()} + arguments);
    if (!script.waitForFinished(SCRIPT_TIMEOUT_MS) || script.exitStatus() != QProcess::NormalExit ||
        script.exitCode() != 0) {
        *failure = QStringLiteral("%1 %2 failed: %3")
                       .arg(Script(), arguments.join(u' '), QString::fromUtf8(script.readAllStandardError()));
        return false;
    }
    *output = QString::fromUtf8(script.readAllStandardOutput());
    return true;
}

// One lock file per server address, shared by every test process that reaches it.
QString TurnFile()
{
    const QByteArray address = qgetenv("PULSE_SERVER");
    const QByteArray key = QCryptographicHash::hash(address, QCryptographicHash::Sha1).toHex().left(16);
    return QDir::temp().filePath(QStringLiteral("tessavox-test-sink-%1.lock").arg(QString::fromLatin1(key)));
}

} // namespace

SoundServer::~SoundServer()
{
    Stop();
}

bool SoundServer::Start()
{
    QString output;
    // The same kind of server as the run's own.
    const bool pipewire = qEnvironmentVariable("TESSAVOX_SOUND_FLAVOUR") == QLatin1String("pipewire");
    if (!RunScript(pipewire ? QStringList{QStringLiteral("--pipewire")} : QStringList{}, &output, &m_failure))
        return false;
    static const QRegularExpression line(QStringLiteral("^export (\\w+)='?([^']*)'?$"),
                                         QRegularExpression::MultilineOption);
    for (auto match = line.globalMatch(output); match.hasNext();) {
        const auto found = match.next();
        if (found.captured(1) == QLatin1String("TESSAVOX_SOUND_DIR"))
            m_dir = found.captured(2);
        else if (found.captured(1) == QLatin1String("PULSE_SERVER"))
            m_address = found.captured(2);
    }
    if (m_dir.isEmpty() || m_address.isEmpty()) {
        m_failure = QStringLiteral("the script printed no server address: ") + output;
        Stop();
        return false;
    }
    return true;
}

void SoundServer::Stop()
{
    if (m_dir.isEmpty())
        return;
    QString output;
    RunScript({QStringLiteral("--stop"), m_dir}, &output, &m_failure);
    m_dir.clear();
}

ScopedNullSink::ScopedNullSink(const QString& name)
    : m_name(name + QString::number(QCoreApplication::applicationPid())),
      m_turn(TurnFile())
{
    // Stale only once its process is gone, however long a test keeps its sink.
    m_turn.setStaleLockTime(0);
    if (!m_turn.tryLock(TURN_TIMEOUT_MS))
        return;
    m_module = Pactl({QStringLiteral("load-module"), QStringLiteral("module-null-sink"),
                      QStringLiteral("sink_name=") + m_name,
                      QStringLiteral("sink_properties=device.description=") + m_name});
    // PipeWire makes the sink after load-module has answered: wait until its monitor is listed.
    const QString monitor = m_name + QStringLiteral(".monitor");
    const auto listed = [&] {
        return Pactl({QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("sources")}).contains(monitor);
    };
    QDeadlineTimer deadline(LISTED_TIMEOUT_MS);
    while (!m_module.isEmpty() && !listed() && !deadline.hasExpired())
        QThread::msleep(20);
}

ScopedNullSink::~ScopedNullSink()
{
    Remove();
}

void ScopedNullSink::Remove()
{
    if (m_module.isEmpty())
        return;
    Pactl({QStringLiteral("unload-module"), m_module});
    m_module.clear();
    m_turn.unlock();
}

ScopedPulseServer::ScopedPulseServer(const QString& address)
    : m_bHadPrevious(qEnvironmentVariableIsSet("PULSE_SERVER")), m_previous(qgetenv("PULSE_SERVER"))
{
    qputenv("PULSE_SERVER", address.toUtf8());
}

ScopedPulseServer::~ScopedPulseServer()
{
    if (m_bHadPrevious)
        qputenv("PULSE_SERVER", m_previous);
    else
        qunsetenv("PULSE_SERVER");
}

ScopedServerLink::ScopedServerLink() : m_server(QStringLiteral("unix:") + m_dir.filePath(QStringLiteral("native")))
{
}

bool ScopedServerLink::PointAt(const QString& address)
{
    if (!m_dir.isValid() || !address.startsWith(QLatin1String("unix:")))
        return false;
    // A new link renamed over the old one: a connection made meanwhile finds one or the other.
    const QByteArray target = QFile::encodeName(address.mid(5));
    const QByteArray made = QFile::encodeName(m_dir.filePath(QStringLiteral("native.new")));
    const QByteArray link = QFile::encodeName(m_dir.filePath(QStringLiteral("native")));
    ::unlink(made.constData());
    return ::symlink(target.constData(), made.constData()) == 0 && std::rename(made.constData(), link.constData()) == 0;
}

QString Pactl(const QStringList& arguments, QString* failure)
{
    QProcess pactl;
    pactl.start(QStringLiteral("pactl"), arguments);
    if (!pactl.waitForFinished(SCRIPT_TIMEOUT_MS) || pactl.exitStatus() != QProcess::NormalExit ||
        pactl.exitCode() != 0) {
        if (failure)
            *failure = QStringLiteral("pactl %1: %2")
                           .arg(arguments.join(u' '), QString::fromUtf8(pactl.readAllStandardError()));
        return {};
    }
    return QString::fromUtf8(pactl.readAllStandardOutput()).trimmed();
}

} // namespace testsupport
