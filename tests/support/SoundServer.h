#pragma once
// A private sound server of a test's own, started and stopped with
// scripts/start-sound-server, for tests that take a server away. Tests that only need a
// server use the one scripts/test starts for the whole run.

#include <QByteArray>
#include <QLockFile>
#include <QString>

namespace testsupport {

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

// Points new sound-server connections of this process at an address for one scope.
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

} // namespace testsupport
