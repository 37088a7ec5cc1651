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

    // The settings the next start reads.
    void Save(const QList<std::pair<QString, QString>>& values)
    {
        QSettings settings(config.Path() + QStringLiteral("/Tessavox/tessavox.conf"), QSettings::IniFormat);
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

TEST_F(OneInstance, CommandsPressTheRunningWindowsButtons)
{
    const QString take = dir.filePath("take.wav");
    Save({{"Record/FileName", take}, {"Record/FileType", "wave"}});
    QProcess* first = Start({});
    QTRY_COMPARE_WITH_TIMEOUT(Owner(), first->processId(), 20000);

    const Ended record = Run({"--record"});
    EXPECT_EQ(record.status, 0) << record.errors.toStdString();
    EXPECT_TRUE(QFileInfo::exists(take));
    const Ended again = Run({"--record"});
    EXPECT_EQ(again.status, 1);
    EXPECT_EQ(again.errors, "tessavox: Tessavox is already recording.\n");
    for (const char* command : {"--pause", "--pause", "--stop"}) {
        const Ended ended = Run({command});
        EXPECT_EQ(ended.status, 0) << command << ": " << ended.errors.toStdString();
    }
    // Stopped: the file is finished, its sizes written.
    QTRY_VERIFY_WITH_TIMEOUT(HasTrueSizes(take), 10000);
    EXPECT_EQ(first->state(), QProcess::Running);
}

TEST_F(OneInstance, ExitStatusesOnAWindowAndOnNone)
{
    struct Case {
        QStringList arguments;
        int status;
        const char* errors; // its start
    };
    const Case none[] = {
        {{"--stop"}, 1, "tessavox: Tessavox is not running.\n"},
        {{"--pause"}, 1, "tessavox: Tessavox is not running.\n"},
        {{"--bogus"}, 2, "tessavox: Unknown option: --bogus\n"},
        {{"--record", "--stop"}, 2, "tessavox: Only one of --record, --stop and --pause"},
    };
    // No save path: Record is refused in the window's words.
    const Case running[] = {
        {{"--record"}, 1, "tessavox: Please select the audio save path.\n"},
        {{"--stop"}, 0, ""},
        {{"--pause", "-reverse"}, 0, ""},
        {{"--pause", "--pause", "--minimized"}, 0, ""},
        {{"--stop", "--pause"}, 2, "tessavox: Only one of"},
    };
    for (const auto& [cases, window] : {std::pair{std::span<const Case>(none), false}, {running, true}}) {
        if (window) {
            QProcess* first = Start({});
            QTRY_COMPARE_WITH_TIMEOUT(Owner(), first->processId(), 20000);
        }
        for (const Case& c : cases) {
            const Ended ended = Run(c.arguments);
            EXPECT_EQ(ended.status, c.status) << c.arguments.join(' ').toStdString();
            EXPECT_EQ(ended.errors.left(static_cast<qsizetype>(std::strlen(c.errors))), c.errors)
                << c.arguments.join(' ').toStdString() << ": " << ended.errors.toStdString();
        }
    }
    EXPECT_EQ(started.front()->state(), QProcess::Running);
}

TEST_F(OneInstance, RecordOpensTheWindowWhenNoneRuns)
{
    const QString take = dir.filePath("first.wav");
    Save({{"Record/FileName", take}, {"Record/FileType", "wave"}});
    QProcess* program = Start({"--record"});
    QTRY_COMPARE_WITH_TIMEOUT(Owner(), program->processId(), 20000);
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(take), 20000);
    const Ended stop = Run({"--stop"});
    EXPECT_EQ(stop.status, 0) << stop.errors.toStdString();
    QTRY_VERIFY_WITH_TIMEOUT(HasTrueSizes(take), 10000);
    EXPECT_EQ(program->state(), QProcess::Running);
}

TEST_F(OneInstance, WithoutABusEachStartRunsAlone)
{
    env.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
    // Each start records into a file of its own: both files made, both programs running.
    QStringList takes;
    for (const char* name : {"one", "two"}) {
        takes << dir.filePath(QLatin1String(name) + QStringLiteral(".wav"));
        const QString home = dir.filePath(QLatin1String(name));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home);
        QSettings settings(home + QStringLiteral("/Tessavox/tessavox.conf"), QSettings::IniFormat);
        settings.setValue(QStringLiteral("Record/FileName"), takes.back());
        settings.setValue(QStringLiteral("Record/FileType"), QStringLiteral("wave"));
        settings.sync();
        Start({"--record"});
    }
    for (const QString& take : takes)
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(take), 20000);
    for (const auto& program : started)
        EXPECT_EQ(program->state(), QProcess::Running);
    EXPECT_EQ(Owner(), 0) << "nothing reached the test's bus";
}
