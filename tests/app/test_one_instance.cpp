// The real program, started more than once on a private session bus (offscreen, on the
// virtual devices, with settings under the test's folder): later starts hand over to the
// first and end, commands act on its window with their exit statuses, and without a bus
// each start runs alone.

#include "ProductInfo.h"
#include "support/ConfigHome.h"
#include "support/LoginManagerStandIn.h"
#include "support/PrivateBus.h"
#include "support/QStringPrinter.h"
#include "support/WaveFile.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDateTime>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <span>
#include <vector>

namespace {

const QString APP_ID = QLatin1String(TESSAVOX_APP_ID);
const QString WAITING = QStringLiteral("Waiting for a scheduled recording");

struct Ended {
    int status;
    QString errors;
};

class OneInstance : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(bus.Failure(), "");
        ASSERT_EQ(loginManager.Failure(), "");
        ASSERT_TRUE(dir.isValid());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("TESSAVOX_AUDIO"), QStringLiteral("virtual"));
        env.insert(QStringLiteral("XDG_DATA_HOME"), dir.filePath(QStringLiteral("data")));
        // Qt's complaint about a missing one would be mistaken for the program's words.
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    }

    void TearDown() override
    {
        for (const auto& program : started) {
            program->kill();
            program->waitForFinished(10000);
        }
        QDBusConnection::disconnectFromBus(QLatin1String(WATCH));
    }

    // The settings the next start reads, in the test's config folder or in home.
    void Save(const QList<std::pair<QString, QString>>& values, QString home = {})
    {
        if (home.isEmpty())
            home = config.Path();
        QSettings settings(home + QStringLiteral("/Tessavox/tessavox.conf"), QSettings::IniFormat);
        for (const auto& [key, value] : values)
            settings.setValue(key, value);
    }

    // A program that keeps running; killed at the end of the test.
    QProcess* Start(const QStringList& arguments)
    {
        started.push_back(std::make_unique<QProcess>());
        QProcess* program = started.back().get();
        program->setProcessEnvironment(env);
        program->start(QStringLiteral(PROGRAM), arguments);
        EXPECT_TRUE(program->waitForStarted(10000));
        return program;
    }

    // A start that is expected to end: its status and what it said on standard error.
    Ended Run(const QStringList& arguments)
    {
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(PROGRAM), arguments);
        // Longer than the hand-over's own limit: the program gives up first.
        if (!program.waitForFinished(30000)) {
            program.kill();
            program.waitForFinished(10000);
            return {-1, QStringLiteral("still running")};
        }
        return {program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1,
                QString::fromLocal8Bit(program.readAllStandardError())};
    }

    // The process that owns the program's name, 0 for none.
    qint64 Owner()
    {
        const QDBusReply<uint> pid = QDBusConnection::connectToBus(bus.Address(), QLatin1String(WATCH))
                                         .interface()
                                         ->servicePid(APP_ID);
        return pid.isValid() ? pid.value() : 0;
    }

    int ArmedCount() const
    {
        int count = 0;
        for (const QString& reason : loginManager.HeldReasons())
            count += reason == WAITING;
        return count;
    }

    static constexpr const char* WATCH = "one-instance-watch";
    tests::PrivateBus bus;
    tests::LoginManagerStandIn loginManager;
    ScopedConfigHome config;
    QTemporaryDir dir;
    QTemporaryDir runtime; // holds no bus socket
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    std::vector<std::unique_ptr<QProcess>> started;
};

} // namespace

TEST_F(OneInstance, ALaterStartRaisesTheFirstAndArmsNothing)
{
    // A routine armed when the program last ran: each running program would arm it again.
    const QDateTime start = QDateTime::currentDateTime().addSecs(7200);
    Save({{"Record/FileName", dir.filePath("routine.wav")},
          {"Schedule/Enabled", "true"},
          {"Schedule/StartTimeOn", "true"},
          {"Schedule/StartDate", start.date().toString(Qt::ISODate)},
          {"Schedule/StartTime", start.time().toString("HH:mm:ss")},
          {"Schedule/Repeat", "Every day"},
          {"Schedule/Armed", QString::number(start.toSecsSinceEpoch())}});
    QProcess* first = Start({});
    QTRY_COMPARE_WITH_TIMEOUT(Owner(), first->processId(), 20000);
    QTRY_COMPARE_WITH_TIMEOUT(ArmedCount(), 1, 20000);

    for (const QStringList& arguments : {QStringList{}, QStringList{"--minimized"}}) {
        const Ended second = Run(arguments);
        EXPECT_EQ(second.status, 0) << second.errors.toStdString();
        EXPECT_EQ(second.errors, "");
    }
    EXPECT_EQ(first->state(), QProcess::Running);
    EXPECT_EQ(Owner(), first->processId());
    EXPECT_EQ(ArmedCount(), 1);
}

// Each command's exit status and words, with no window to act on and then on a window that
// --record opened and that records; a command's text is the start of what it prints.
TEST_F(OneInstance, CommandsActOnTheRunningWindowWithTheirExitStatuses)
{
    struct Case {
        QStringList arguments;
        int status;
        const char* errors;
    };
    const Case none[] = {
        {{"--stop"}, 1, "tessavox: Tessavox is not running.\n"},
        {{"--bogus"}, 2, "tessavox: Unknown option: --bogus\n"},
        {{"--record", "--stop"}, 2, "tessavox: Only one of --record, --stop and --pause"},
    };
    const Case recording[] = {
        {{"--record"}, 1, "tessavox: Tessavox is already recording.\n"},
        {{"--pause", "-reverse"}, 0, ""},
        {{"--pause", "--pause", "--minimized"}, 0, ""}, // once: it resumes
        {{"--stop", "--pause"}, 2, "tessavox: Only one of"},
        {{"--stop"}, 0, ""},
    };
    const QString take = dir.filePath("take.wav");
    Save({{"Record/FileName", take}, {"Record/FileType", "wave"}});
    for (const auto& [cases, window] : {std::pair{std::span<const Case>(none), false}, {recording, true}}) {
        if (window) {
            QProcess* first = Start({"--record"});
            QTRY_COMPARE_WITH_TIMEOUT(Owner(), first->processId(), 20000);
            QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(take), 20000);
        }
        for (const Case& c : cases) {
            const Ended ended = Run(c.arguments);
            EXPECT_EQ(ended.status, c.status) << c.arguments.join(' ').toStdString();
            EXPECT_EQ(ended.errors.left(static_cast<qsizetype>(std::strlen(c.errors))), c.errors)
                << c.arguments.join(' ').toStdString() << ": " << ended.errors.toStdString();
        }
    }
    // Stopped: the file is finished, its sizes written, and the window stays.
    QTRY_VERIFY_WITH_TIMEOUT(HasTrueSizes(take), 10000);
    EXPECT_EQ(started.front()->state(), QProcess::Running);
}

// No session bus, or one named that is not there: each start runs alone, and a command has
// nobody to reach.
TEST_F(OneInstance, WithoutABusEachStartRunsAlone)
{
    env.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
    const Ended stop = Run({"--stop"});
    EXPECT_EQ(stop.status, 1);
    EXPECT_EQ(stop.errors, "tessavox: Tessavox is not running, or cannot be reached: there is no session bus.\n");

    // Each start records into a file of its own: both files made, both programs running.
    QStringList takes;
    for (const char* name : {"one", "two"}) {
        takes << dir.filePath(QLatin1String(name) + QStringLiteral(".wav"));
        const QString home = dir.filePath(QLatin1String(name));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home);
        Save({{"Record/FileName", takes.back()}, {"Record/FileType", "wave"}}, home);
        Start({"--record"});
        env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), "unix:path=" + runtime.filePath("gone"));
    }
    for (const QString& take : takes)
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(take), 20000);
    for (const auto& program : started)
        EXPECT_EQ(program->state(), QProcess::Running);
    EXPECT_EQ(Owner(), 0) << "nothing reached the test's bus";
}
