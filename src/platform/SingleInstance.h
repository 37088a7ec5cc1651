#pragma once
// One running program per session: the first start owns a well-known name on the session
// bus and answers there; a later start finds the name taken and hands its request over
// (raise the window, or a command such as Record) instead of opening a second window.
// Without a session bus every start runs alone.

#include <QDBusVirtualObject>
#include <QStringList>

#include <functional>
#include <vector>

namespace platform {

// What the running program made of a command: done, or the words of its refusal.
struct CommandAnswer {
    bool done = false;
    QString refusal;
};

class SingleInstance : public QDBusVirtualObject {
    Q_OBJECT
public:
    // The method that raises the window; it answers nothing.
    static constexpr const char* ACTIVATE = "Activate";

    // appId: the reverse-DNS name owned on the bus; commands: the methods besides Activate
    // that a later start may call, each answered with a CommandAnswer.
    SingleInstance(const QString& appId, const QStringList& commands);
    ~SingleInstance() override;
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    enum class Claim { Owned, HeldByAnother, NoBus };
    // Takes the name if nobody holds it, without waiting in line for it: two starts at the
    // same moment cannot both win.
    Claim ClaimName();
    // Gives the name up, so that a start after this one runs on its own; calls not yet
    // answered get the bus's error.
    void Release();

    // Who answers the calls; they wait until both are given, and are answered on this
    // object's thread after the bus's dispatch has returned, never inside it.
    void Serve(std::function<void()> activate, std::function<CommandAnswer(const QString&)> command);

    enum class Outcome { Answered, NotRunning, NoAnswer, NoBus };
    struct Reply {
        Outcome outcome = Outcome::NoBus;
        CommandAnswer answer;
        // The bus's own words, when it did not answer.
        QString error;
    };
    // Calls method on the program that owns the name, waiting at most timeoutMs.
    Reply Call(const QString& method, int timeoutMs);

    QString introspect(const QString& path) const override;
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override;

private:
    bool Connect();
    void AnswerWaiting();

    QString m_strService;
    QString m_strPath;
    QString m_strInterface;
    QString m_strConnection;
    QStringList m_commands;
    bool m_bServing = false;
    std::function<void()> m_activate;
    std::function<CommandAnswer(const QString&)> m_command;
    std::vector<QDBusMessage> m_waiting;
};

} // namespace platform
