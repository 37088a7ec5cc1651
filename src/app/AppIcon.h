#pragma once
// The recorder's icon: a red record button with a trace across it. One SVG drawing serves
// the windows, the about page and box, and the desktop's application menu.

#include <QIcon>

QIcon ApplicationIcon();
