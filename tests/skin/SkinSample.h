#pragma once
// A window with the controls of the recorder's windows, in their order and grouping, for
// checking and looking at a skin. The trace is a stand-in that paints itself as the engine
// does (black bands, blue lines, white traces).

#include <QDialog>

class QTabWidget;

class SkinSample : public QDialog {
public:
    SkinSample();

    QTabWidget* Tabs() const { return m_pTabs; }
    // Record and Play disabled, Pause and Stop enabled, "Recording" in the status bar.
    void ShowRecording();

private:
    QTabWidget* m_pTabs;
};
