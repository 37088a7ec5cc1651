#pragma once
// The help file, Tessavox.html: looked for in the current directory first, then beside
// the program, and opened with the desktop's viewer.

#include <QString>

// Its full path, or empty when neither place has it.
QString FindHelpFile();
// Opens it; nothing visible happens when it is missing.
void OpenHelpFile();
