#include "app/CommandLine.h"

#include <QCoreApplication>

#include <array>
#include <utility>

namespace {

const std::array<std::pair<WindowCommand, const char*>, 3> COMMANDS{{
    {WindowCommand::Record, "Record"},
    {WindowCommand::Stop, "Stop"},
    {WindowCommand::Pause, "Pause"},
}};

CommandLine UsageError(const QString& error)
{
    CommandLine line;
    line.error = error;
    return line;
}

} // namespace

CommandLine ParseCommandLine(const QStringList& arguments)
{
    CommandLine line;
    for (const QString& argument : arguments.mid(1)) {
        WindowCommand command = WindowCommand::None;
        if (argument == QLatin1String("--minimized"))
            line.minimized = true;
        else if (argument == QLatin1String("--help"))
            line.help = true;
        else if (argument == QLatin1String("--version"))
            line.version = true;
        else if (argument == QLatin1String("--record"))
            command = WindowCommand::Record;
        else if (argument == QLatin1String("--stop"))
            command = WindowCommand::Stop;
        else if (argument == QLatin1String("--pause"))
            command = WindowCommand::Pause;
        else if (argument.startsWith(QLatin1String("--")))
            return UsageError(QCoreApplication::translate("CommandLine", "Unknown option: %1").arg(argument));
        if (command == WindowCommand::None)
            continue;
        // Which of two would the user have meant? Neither is guessed.
        if (line.command != WindowCommand::None && line.command != command)
            return UsageError(QCoreApplication::translate("CommandLine", "Only one of --record, --stop and --pause can be given at a time."));
        line.command = command;
    }
    return line;
}

QString CommandName(WindowCommand command)
{
    for (const auto& [value, name] : COMMANDS)
        if (value == command)
            return QLatin1String(name);
    return {};
}

WindowCommand CommandNamed(const QString& name)
{
    for (const auto& [value, text] : COMMANDS)
        if (name == QLatin1String(text))
            return value;
    return WindowCommand::None;
}

QStringList CommandNames()
{
    QStringList names;
    for (const auto& command : COMMANDS)
        names << QLatin1String(command.second);
    return names;
}

QString UsageText()
{
    return QCoreApplication::translate("CommandLine", "Usage: tessavox [--minimized] [--record | --stop | --pause] [--help | --version]\n"
                      "Records the sound card to WAV or MP3 files. Without an option it opens its window,\n"
                      "or raises the one already open.\n"
                      "\n"
                      "  --minimized  open the window minimised, or in the panel's icon where the\n"
                      "               desktop has one, keeping a saved schedule armed\n"
                      "  --record     press Record in the open window, opening one first if none is\n"
                      "  --stop       press Stop in the open window\n"
                      "  --pause      press Pause (or Resume) in the open window\n"
                      "  --help       print this help and exit\n"
                      "  --version    print the version and exit\n"
                      "\n"
                      "A command exits with 0 when done, 1 when refused (saying why), 2 for a usage error.\n");
}
