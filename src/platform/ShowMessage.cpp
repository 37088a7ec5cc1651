#include "platform/ShowMessage.h"

#include <QApplication>
#include <QMessageBox>

namespace platform {

namespace {
MessageRecorder* g_pRecorder = nullptr;

void Show(QWidget* parent, const QString& text, const QString& caption, QMessageBox::Icon icon)
{
    QMessageBox box(icon, caption, text, QMessageBox::Ok, parent);
    box.exec();
}
} // namespace

void ShowMessage(const QString& text)
{
    if (g_pRecorder) {
        g_pRecorder->Record(text, {});
        return;
    }
    Show(nullptr, text, QApplication::applicationName(), QMessageBox::Warning);
}

void ShowMessage(QWidget* parent, const QString& text, const QString& caption)
{
    if (g_pRecorder) {
        g_pRecorder->Record(text, caption);
        return;
    }
    Show(parent, text, caption, QMessageBox::NoIcon);
}

bool AskYesNo(QWidget* parent, const QString& text)
{
    if (g_pRecorder) {
        g_pRecorder->Record(text, {});
        return g_pRecorder->Answer();
    }
    QMessageBox box(QMessageBox::Question, QApplication::applicationName(), text, QMessageBox::Yes | QMessageBox::No,
                    parent);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

MessageRecorder::MessageRecorder() : m_pPrevious(g_pRecorder)
{
    g_pRecorder = this;
}

MessageRecorder::~MessageRecorder()
{
    g_pRecorder = m_pPrevious;
}

void MessageRecorder::Record(const QString& text, const QString& caption)
{
    m_messages.push_back({text, caption});
    if (m_seen)
        m_seen(m_messages.back());
}

std::vector<QString> MessageRecorder::Texts() const
{
    std::vector<QString> texts;
    for (const auto& m : m_messages)
        texts.push_back(m.text);
    return texts;
}

} // namespace platform
