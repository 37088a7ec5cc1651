#pragma once
// The open and save file dialogs. Every dialog of the program goes through here, so tests
// can answer them from a script instead of a person.

#include <QString>
#include <QStringList>

#include <deque>
#include <vector>

class QWidget;

namespace platform {

struct FileDialogRequest {
    bool save = false;          // a save dialog, else an open dialog
    QString title;              // empty: the toolkit's own
    QString defaultSuffix;      // added to a name typed without one
    QString fileName;           // the name proposed at first
    QString filter;             // "text|pattern|text|pattern||"
    bool confirmOverwrite = false;
};

// The chosen full path, or an empty string when the dialog was cancelled.
QString RunFileDialog(QWidget* parent, const FileDialogRequest& request);

// "mp3 files(*.mp3)|*.mp3||" as the toolkit's name filters: one entry per pair, each
// ending in its patterns in parentheses.
QStringList ToNameFilters(const QString& filter);

// While alive, dialogs are recorded and answered from this script instead of shown: each
// takes the next answer (an empty answer, or none left, is a cancel). Scripts nest.
class FileDialogScript {
public:
    FileDialogScript();
    ~FileDialogScript();
    FileDialogScript(const FileDialogScript&) = delete;
    FileDialogScript& operator=(const FileDialogScript&) = delete;

    void Answer(const QString& path) { m_answers.push_back(path); }
    const std::vector<FileDialogRequest>& Requests() const { return m_requests; }
    QString Take(const FileDialogRequest& request);

private:
    std::deque<QString> m_answers;
    std::vector<FileDialogRequest> m_requests;
    FileDialogScript* m_pPrevious;
};

} // namespace platform
