// The engine's own window, laid over a placeholder of its parent.

#include "engine/AudioPlayRec.h"

int CAudioPlayRec::CreateDisplayWindow(QWidget* parent, const QRect* rect)
{
    setParent(parent);
    setFocusPolicy(Qt::TabFocus);
    setGeometry(rect ? *rect : QRect());
    if (rect)
        show();
    m_rcClient = QRect(QPoint(0, 0), geometry().size());
    return 1;
}

void CAudioPlayRec::InvalidateDisplay(const QRect& area)
{
    update(area);
}
