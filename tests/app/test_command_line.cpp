// The program's options as the command line gives them: commands, their usage errors, and
// the arguments left to Qt.

#include "app/CommandLine.h"
#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

namespace {

struct LineCase {
    QStringList arguments;
    WindowCommand command;
    bool minimized;
    bool help;
    // Part of the usage error expected; empty for none.
    const char* error;
};

const LineCase LINE_CASES[] = {
    {{}, WindowCommand::None, false, false, ""},
    {{"--minimized"}, WindowCommand::None, true, false, ""},
    {{"--record"}, WindowCommand::Record, false, false, ""},
    {{"--minimized", "--record"}, WindowCommand::Record, true, false, ""},
    {{"--pause"}, WindowCommand::Pause, false, false, ""},
    // The same command twice means it once.
    {{"--stop", "--stop"}, WindowCommand::Stop, false, false, ""},
    // Qt's own options and their values are left for Qt.
    {{"-style", "fusion", "--stop", "-reverse"}, WindowCommand::Stop, false, false, ""},
    {{"--help", "--record"}, WindowCommand::Record, false, true, ""},
    {{"--record", "--stop"}, WindowCommand::None, false, false, "Only one of --record, --stop and --pause"},
    {{"--pause", "--minimized", "--record"}, WindowCommand::None, false, false, "Only one of"},
    {{"--bogus"}, WindowCommand::None, false, false, "Unknown option: --bogus"},
    {{"--record=now"}, WindowCommand::None, false, false, "Unknown option: --record=now"},
    {{"--Record"}, WindowCommand::None, false, false, "Unknown option: --Record"},
};

} // namespace

TEST(CommandLine, ReadsCommandsAndRefusesWhatItCannotMean)
{
    for (const LineCase& c : LINE_CASES) {
        const CommandLine line = ParseCommandLine(QStringList{"tessavox"} + c.arguments);
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        if (*c.error) {
            EXPECT_TRUE(line.error.contains(QLatin1String(c.error))) << line.error.toStdString();
            continue;
        }
        EXPECT_EQ(line.error, "");
        EXPECT_EQ(line.command, c.command);
        EXPECT_EQ(line.minimized, c.minimized);
        EXPECT_EQ(line.help, c.help);
    }
}

TEST(CommandLine, EachCommandHasOneNameOnTheBusAndOneOption)
{
    const QString usage = UsageText();
    for (WindowCommand command : {WindowCommand::Record, WindowCommand::Stop, WindowCommand::Pause}) {
        const QString name = CommandName(command);
        EXPECT_EQ(CommandNamed(name), command) << name.toStdString();
        EXPECT_TRUE(CommandNames().contains(name));
        const QString option = QStringLiteral("--") + name.toLower();
        EXPECT_EQ(ParseCommandLine({"tessavox", option}).command, command);
        EXPECT_TRUE(usage.contains("\n  " + option + ' ')) << option.toStdString();
    }
    EXPECT_EQ(CommandNamed("Activate"), WindowCommand::None);
    EXPECT_EQ(CommandNamed("record"), WindowCommand::None);
}
