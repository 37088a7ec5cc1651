#pragma once
// A private sound server of a test's own, started and stopped with
// scripts/start-sound-server, for tests that take a server away. Tests that only need a
// server use the one scripts/test starts for the whole run.

#include <QByteArray>
#include <QLockFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace testsupport {

// Runs pactl on the server that PULSE_SERVER names; its output, trimmed, or nothing and why.
QString Pactl(const QStringList& arguments, QString* failure = nullptr);

class SoundServer {
public:
    SoundServer() = default;
    ~SoundServer();
    SoundServer(const SoundServer&) = delete;
    SoundServer& operator=(const SoundServer&) = delete;

    // False when the script failed; Failure() says why.
    bool Start();
    void Stop();
    // What PULSE_SERVER must hold to reach it.
    QString Address() const { return m_address; }
    QString Failure() const { return m_failure; }

private:
    QString m_dir;
    QString m_address;
    QString m_failure;
};

// A null sink of this process's own on the server that PULSE_SERVER names, so that tests
// sharing that server do not meet: playback goes to the sink, capture records its monitor.
// Removing it takes both away, as when a sound card is unplugged.
// Tests in other processes open devices by their position in the server's list, which a
// sink removed under them would shift: one such sink per server exists at a time.
class ScopedNullSink {
public:
    // The name is also its description; it is made unique to this process.
    explicit ScopedNullSink(const QString& name);
    ~ScopedNullSink();
    ScopedNullSink(const ScopedNullSink&) = delete;
    ScopedNullSink& operator=(const ScopedNullSink&) = delete;

    bool Loaded() const { return !m_module.isEmpty(); }
    void Remove();
    QString SinkDescription() const { return m_name; }
    QString MonitorDescription() const { return QStringLiteral("Monitor of ") + m_name; }

private:
    QString m_name;
    QString m_module;
    QLockFile m_turn;
};

// Points new sound-server connections of this process at an address for one scope. Made
// before anything connects: the environment must not change under a thread that reads it.
class ScopedPulseServer {
public:
    explicit ScopedPulseServer(const QString& address);
    ~ScopedPulseServer();
    ScopedPulseServer(const ScopedPulseServer&) = delete;
    ScopedPulseServer& operator=(const ScopedPulseServer&) = delete;

private:
    bool m_bHadPrevious;
    QByteArray m_previous;
};

// Points new sound-server connections of this process, for one scope, at a socket path of
// its own that can be moved from one server to another. A backend that looks for the
// server again by itself reads the address on its own thread: a server that comes back
// elsewhere is told by moving the link, not by changing the environment under that thread.
class ScopedServerLink {
public:
    ScopedServerLink();
    ScopedServerLink(const ScopedServerLink&) = delete;
    ScopedServerLink& operator=(const ScopedServerLink&) = delete;

    // Points the link at a server's "unix:PATH"; false when it could not be made or moved.
    bool PointAt(const QString& address);

private:
    QTemporaryDir m_dir;
    ScopedPulseServer m_server;
};

} // namespace testsupport
