#pragma once
// The desktop's trash (freedesktop.org): files moved there can be put back by the user.

#include <QString>

namespace platform {

// Moves the file at path to the trash ($XDG_DATA_HOME/Trash, or the one the desktop keeps at
// the top of another file system), never deleting it. Empty when it was moved; otherwise why
// not, in the user's words, and the file is where it was.
QString MoveToTrash(const QString& path);

} // namespace platform
