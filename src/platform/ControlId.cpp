#include "platform/ControlId.h"

namespace platform {

namespace {
const char* const CONTROL_WINDOW = "tessavoxControlWindow";

const QWidget* OwnerWindow(const QWidget* control)
{
    for (const QWidget* p = control->parentWidget(); p; p = p->parentWidget())
        if (p->isWindow() || p->property(CONTROL_WINDOW).toBool())
            return p;
    return nullptr;
}
} // namespace

void SetControlId(QWidget* control, int id, const QString& accessibleName)
{
    control->setObjectName(QString::number(id));
    if (!accessibleName.isEmpty())
        control->setAccessibleName(accessibleName);
}

void MarkControlWindow(QWidget* window)
{
    window->setProperty(CONTROL_WINDOW, true);
}

QWidget* FindControl(const QWidget* window, int id)
{
    const auto candidates = window->findChildren<QWidget*>(QString::number(id));
    for (QWidget* w : candidates)
        if (OwnerWindow(w) == window)
            return w;
    return nullptr;
}

} // namespace platform
