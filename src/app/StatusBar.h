#pragma once
// The main window's status bar: part 0, 100 pixels wide, holds the state word ("Idle",
// "Recording", "Stopped", "Playing"); part 1 fills the rest with the detail text.

#include <QStatusBar>

class QLabel;

class CStatusBar : public QStatusBar {
    Q_OBJECT
public:
    CStatusBar();

    void SetText(int part, const QString& text);
    QString Text(int part) const;

private:
    QLabel* m_parts[2];
};
