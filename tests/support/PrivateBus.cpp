#include "support/PrivateBus.h"

#include <QFile>

namespace tests {

PrivateBus::PrivateBus(const char* variable)
    : m_variable(variable), m_previous(qgetenv(variable)), m_bHadPrevious(qEnvironmentVariableIsSet(variable))
{
    QFile config(m_dir.filePath(QStringLiteral("bus.conf")));
    if (!m_dir.isValid() || !config.open(QIODevice::WriteOnly)) {
        m_strFailure = QStringLiteral("cannot write the bus configuration");
        return;
    }
    config.write(QStringLiteral(R"(<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <listen>unix:path=%1</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow own="*"/>
    <allow send_destination="*"/>
    <allow receive_sender="*"/>
  </policy>
</busconfig>
)")
                     .arg(m_dir.filePath(QStringLiteral("bus_socket")))
                     .toUtf8());
    config.close();

    m_daemon.start(QStringLiteral("dbus-daemon"),
                   {QStringLiteral("--config-file=") + config.fileName(), QStringLiteral("--nofork"),
                    QStringLiteral("--nopidfile"), QStringLiteral("--print-address")});
    if (!m_daemon.waitForStarted(10000)) {
        m_strFailure = QStringLiteral("dbus-daemon did not start (scripts/install-deps installs it): ") +
                       m_daemon.errorString();
        return;
    }
    while (!m_daemon.canReadLine() && m_daemon.waitForReadyRead(10000)) {
    }
    const QByteArray address = m_daemon.readLine().trimmed();
    if (address.isEmpty()) {
        m_strFailure = QStringLiteral("dbus-daemon gave no address: ") +
                       QString::fromLocal8Bit(m_daemon.readAllStandardError());
        return;
    }
    qputenv(m_variable.constData(), address);
    m_strAddress = QString::fromUtf8(address);
}

PrivateBus::~PrivateBus()
{
    if (m_daemon.state() != QProcess::NotRunning) {
        m_daemon.terminate();
        if (!m_daemon.waitForFinished(10000)) {
            m_daemon.kill();
            m_daemon.waitForFinished(10000);
        }
    }
    if (m_bHadPrevious)
        qputenv(m_variable.constData(), m_previous);
    else
        qunsetenv(m_variable.constData());
}

} // namespace tests
