#pragma once
// Every message box of the program goes through here, so tests can record messages
// instead of blocking on a modal box.

#include <QString>

#include <functional>
#include <vector>

class QWidget;

namespace platform {

// The application's standard box: caption = application name, warning icon, OK.
void ShowMessage(const QString& text);
// A window's own box with an explicit caption, OK.
void ShowMessage(QWidget* parent, const QString& text, const QString& caption);
// A question in the application's standard box, with Yes and No; true for Yes.
bool AskYesNo(QWidget* parent, const QString& text);

struct ShownMessage {
    QString text;
    QString caption; // empty for the application's standard box
};

// While alive, messages are recorded here instead of shown. Recorders nest.
class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    const std::vector<ShownMessage>& Messages() const { return m_messages; }
    std::vector<QString> Texts() const;
    void Clear() { m_messages.clear(); }
    void Record(const QString& text, const QString& caption);
    // Called as each message is recorded, as the user would see it: tests look at what the
    // program has done by the time its message shows.
    void OnRecord(std::function<void(const ShownMessage&)> seen) { m_seen = std::move(seen); }
    // How the questions recorded from now on are answered; No until told otherwise, as it
    // is the answer that changes nothing.
    void AnswerQuestions(bool yes) { m_bAnswer = yes; }
    bool Answer() const { return m_bAnswer; }

private:
    std::vector<ShownMessage> m_messages;
    std::function<void(const ShownMessage&)> m_seen;
    bool m_bAnswer = false;
    MessageRecorder* m_pPrevious;
};

} // namespace platform
