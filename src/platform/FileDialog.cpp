#include "platform/FileDialog.h"

#include <QFileDialog>

namespace platform {

namespace {
FileDialogScript* g_pScript = nullptr;
} // namespace

QStringList ToNameFilters(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'), Qt::SkipEmptyParts);
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString& text = parts[i];
        const QString patterns = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
        // The toolkit reads the patterns from the last parentheses of the entry.
        if (text.endsWith(QLatin1Char('(') + patterns + QLatin1Char(')')))
            filters << text;
        else
            filters << text + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return filters;
}

QString RunFileDialog(QWidget* parent, const FileDialogRequest& request)
{
    if (g_pScript)
        return g_pScript->Take(request);
    QFileDialog dialog(parent, request.title);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    dialog.setNameFilters(ToNameFilters(request.filter));
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QStringList chosen = dialog.selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.front();
}

FileDialogScript::FileDialogScript() : m_pPrevious(g_pScript)
{
    g_pScript = this;
}

FileDialogScript::~FileDialogScript()
{
    g_pScript = m_pPrevious;
}

QString FileDialogScript::Take(const FileDialogRequest& request)
{
    m_requests.push_back(request);
    if (m_answers.empty())
        return {};
    QString answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

} // namespace platform
