#pragma once
// Counts the paint events of the widgets it watches, and the repaint requests of their windows.

#include <QEvent>
#include <QWidget>

#include <initializer_list>

class PaintCounter : public QObject {
public:
    void Watch(std::initializer_list<QWidget*> widgets)
    {
        for (QWidget* w : widgets)
            w->installEventFilter(this); // a filter goes with its filter object
    }
    bool eventFilter(QObject*, QEvent* e) override
    {
        paints += e->type() == QEvent::Paint ? 1 : 0;
        requests += e->type() == QEvent::UpdateRequest ? 1 : 0;
        return false;
    }
    int paints = 0;
    int requests = 0;
};
