#pragma once
// The user's configuration folder, and the entry in it that starts the program when the
// user logs in: the program's desktop entry with --minimized added, so a schedule is kept
// without anyone opening the window.

#include <QString>

namespace platform {

// $XDG_CONFIG_HOME, or ~/.config where it is unset or not absolute.
QString ConfigFolder();
QString AutostartPath();
bool IsAutostartOn();
// Writes (on) or removes the entry; empty, or what failed and why.
QString SetAutostart(bool on);

} // namespace platform
