#pragma once
// Controls carry their template id as their object name ("1020"), so code and tests find
// them by id. Ids are unique within one window, not across windows: a control belongs to
// the nearest enclosing window or page marked as a control window.

#include <QWidget>

namespace platform {

// Gives control its id; a control without text of its own gets accessibleName (the text
// of the label that names it), so assistive tools can still say what it is.
void SetControlId(QWidget* control, int id, const QString& accessibleName = {});
// Controls below window belong to it, not to the window around it.
void MarkControlWindow(QWidget* window);
// The control with this id that belongs to window, or null.
QWidget* FindControl(const QWidget* window, int id);

template <class T>
T* FindControl(const QWidget* window, int id)
{
    return qobject_cast<T*>(FindControl(window, id));
}

} // namespace platform
