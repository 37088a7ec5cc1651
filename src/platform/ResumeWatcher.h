#pragma once
// Says when the computer has woken from a suspend: the login manager's PrepareForSleep
// signal with false (org.freedesktop.login1 on the system bus). Window timers stand still
// while the computer sleeps; whatever waits for a moment on the wall clock looks again at
// once. Without a login manager it never fires and says nothing.

#include <QObject>
#include <QString>

namespace platform {

class ResumeWatcher : public QObject {
    Q_OBJECT
public:
    ResumeWatcher();
    ~ResumeWatcher() override;

signals:
    void Resumed();

private:
    // Called by name from the bus: D-Bus signals have no function-pointer connection.
    Q_SLOT void OnPrepareForSleep(bool sleeping);

    QString m_strConnection;
};

} // namespace platform
