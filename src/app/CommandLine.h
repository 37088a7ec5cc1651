#pragma once
// The program's own options, read before the application exists so that --help, --version
// and the commands to a running window work without a display. Arguments that are not
// options of ours (such as Qt's own "-style fusion") go to Qt, as they always did.

#include <QString>
#include <QStringList>

// A command that acts on the window as its button does.
enum class WindowCommand { None, Record, Stop, Pause };

struct CommandLine {
    bool minimized = false;
    bool help = false;
    bool version = false;
    WindowCommand command = WindowCommand::None;
    // A usage error, said to the user; the other fields then mean nothing.
    QString error;
};

CommandLine ParseCommandLine(const QStringList& arguments);

// The command's name on the bus, and the command a name stands for (None for none).
QString CommandName(WindowCommand command);
WindowCommand CommandNamed(const QString& name);
QStringList CommandNames();

// What --help prints; the manual page lists the same options.
QString UsageText();

// Exit statuses of a command to a running window.
inline constexpr int EXIT_DONE = 0;
inline constexpr int EXIT_REFUSED = 1;
inline constexpr int EXIT_USAGE = 2;
