#pragma once
// An X display of the test's own (Xvfb), with no window manager, for a program that needs a
// real platform: the offscreen one offers no status notifier area. Xvfb picks a free display
// number and writes it to a pipe.

#include <QProcess>
#include <QString>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace tests {

class VirtualDisplay {
public:
    explicit VirtualDisplay(const QString& program)
    {
        if (program.isEmpty()) {
            m_strFailure = QStringLiteral("Xvfb is not installed (scripts/install-deps installs it)");
            return;
        }
        int ends[2];
        if (::pipe(ends) != 0) {
            m_strFailure = QStringLiteral("no pipe for Xvfb");
            return;
        }
        ::fcntl(ends[0], F_SETFD, FD_CLOEXEC);
        m_server.start(program, {QStringLiteral("-displayfd"), QString::number(ends[1]), QStringLiteral("-nolisten"),
                                 QStringLiteral("tcp"), QStringLiteral("-screen"), QStringLiteral("0"),
                                 QStringLiteral("1024x768x24")});
        ::close(ends[1]);
        QByteArray number;
        pollfd p{ends[0], POLLIN, 0};
        char c = 0;
        while (::poll(&p, 1, 10000) == 1 && ::read(ends[0], &c, 1) == 1 && c != '\n')
            number += c;
        ::close(ends[0]);
        if (number.isEmpty())
            m_strFailure = QStringLiteral("Xvfb gave no display: ") + QString::fromLocal8Bit(m_server.readAllStandardError());
        else
            m_strDisplay = QLatin1Char(':') + QString::fromLatin1(number);
    }
    ~VirtualDisplay()
    {
        m_server.terminate();
        if (!m_server.waitForFinished(10000))
            m_server.kill();
    }
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;

    QString Failure() const { return m_strFailure; }
    QString Display() const { return m_strDisplay; }

private:
    QProcess m_server;
    QString m_strFailure;
    QString m_strDisplay;
};

} // namespace tests
