#pragma once
// A small file system of its own for a test: a tmpfs of a given size mounted on a folder,
// unmounted when the object goes, whatever became of the test. Mounting needs root (as
// scripts/test runs); otherwise Failure() says why, for the test to skip.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <cerrno>
#include <cstring>

#include <sys/mount.h>
#include <unistd.h>

class SmallDisk {
public:
    SmallDisk(const QString& folder, std::uint64_t bytes) : m_strFolder(folder)
    {
        if (geteuid() != 0) {
            m_strFailure = QStringLiteral("mounting a tmpfs needs root");
            return;
        }
        if (!QDir().mkpath(folder)) {
            m_strFailure = QStringLiteral("cannot make ") + folder;
            return;
        }
        const QByteArray options = "size=" + QByteArray::number(static_cast<qulonglong>(bytes));
        if (mount("tessavox-test", QFile::encodeName(folder).constData(), "tmpfs", MS_NOSUID | MS_NODEV,
                  options.constData()) != 0) {
            m_strFailure = QStringLiteral("cannot mount a tmpfs: ") + QString::fromLocal8Bit(std::strerror(errno));
            return;
        }
        m_bMounted = true;
    }
    ~SmallDisk()
    {
        // Detached at once even while a file on it is still open; gone once it is closed.
        if (m_bMounted)
            umount2(QFile::encodeName(m_strFolder).constData(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    // Empty once mounted.
    const QString& Failure() const { return m_strFailure; }
    QString Path(const QString& name) const { return m_strFolder + QLatin1Char('/') + name; }

private:
    QString m_strFolder;
    QString m_strFailure;
    bool m_bMounted = false;
};
