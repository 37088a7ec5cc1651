#pragma once
// Counts the paint events of the widgets it watches, and the repaint requests of their
// windows.

#include <QEvent>
#include <QWidget>

#include <initializer_list>
#include <vector>

class PaintCounter : public QObject {
public:
    ~PaintCounter() override { Forget(); }

    void Watch(std::initializer_list<QWidget*> widgets)
    {
        for (QWidget* w : widgets) {
            w->installEventFilter(this);
            m_watched.push_back(w);
        }
    }
    void Forget()
    {
        for (QWidget* w : m_watched)
            w->removeEventFilter(this);
        m_watched.clear();
    }

    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            ++paints;
        if (e->type() == QEvent::UpdateRequest)
            ++requests;
        return false;
    }
    int paints = 0;
    int requests = 0;

private:
    std::vector<QWidget*> m_watched;
};
