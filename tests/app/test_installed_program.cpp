// The program as a user gets it: `cmake --install` into a fresh prefix, then the installed
// program started from another folder, through bin/tessavox, finds its skin, its encoder
// library and its help file in lib/tessavox/. A driver loaded into it reports what it found.

#include "ProductInfo.h"
#include "support/ProgramDriver.h"
#include "support/QStringPrinter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString APP_ID = QLatin1String(TESSAVOX_APP_ID);

// Runs a program to its end; its exit code, or -1 when it did not end within the limit.
int RunToEnd(QProcess& process, const QString& program, const QStringList& arguments, int timeoutMs = 120000)
{
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return -1;
    }
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

// A program's output, run with no display of any kind; a failure when it does not end with 0.
QString OutputOf(const QString& program, const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QLatin1String(name));
    process.setProcessEnvironment(env);
    EXPECT_EQ(RunToEnd(process, program, arguments), 0) << program.toStdString() << " " << arguments.join(' ').toStdString();
    return QString::fromLocal8Bit(process.readAll());
}

class InstalledProgram : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_prefix = new QTemporaryDir;
        QProcess install;
        const int code = RunToEnd(install, QStringLiteral(CMAKE_COMMAND),
                             {QStringLiteral("--install"), QStringLiteral(BUILD_DIR), QStringLiteral("--prefix"), s_prefix->path()});
        s_installLog = new QString(QString::fromLocal8Bit(install.readAll()));
        s_installed = code == 0;
    }
    static void TearDownTestSuite()
    {
        delete s_prefix;
        delete s_installLog;
    }
    void SetUp() override { ASSERT_TRUE(s_installed) << s_installLog->toStdString(); }

    static QString Installed(const QString& relative) { return QFileInfo(s_prefix->path() + QLatin1Char('/') + relative).absoluteFilePath(); }

    static QTemporaryDir* s_prefix;
    static QString* s_installLog;
    static bool s_installed;
};

QTemporaryDir* InstalledProgram::s_prefix = nullptr;
QString* InstalledProgram::s_installLog = nullptr;
bool InstalledProgram::s_installed = false;

} // namespace

TEST_F(InstalledProgram, LaysOutTheProgramItsPrivateFilesAndTheDesktopFiles)
{
    const QFileInfo link(Installed("bin/tessavox"));
    EXPECT_TRUE(link.isSymLink());
    EXPECT_EQ(link.canonicalFilePath(), QFileInfo(Installed("lib/tessavox/tessavox")).canonicalFilePath());
    EXPECT_FALSE(link.symLinkTarget().isEmpty());
    EXPECT_TRUE(QFileInfo(Installed("lib/tessavox/tessavox")).isExecutable());
    for (const QString& file : {QStringLiteral("lib/tessavox/libSkin.so"), QStringLiteral("lib/tessavox/liblame_enc.so"),
                                QStringLiteral("lib/tessavox/skins/iTunes.skn"), QStringLiteral("lib/tessavox/Tessavox.html"),
                                "share/applications/" + APP_ID + ".desktop", "share/metainfo/" + APP_ID + ".metainfo.xml",
                                "share/icons/hicolor/scalable/apps/" + APP_ID + ".svg"})
        EXPECT_TRUE(QFileInfo(Installed(file)).isFile()) << file.toStdString();
    // What only the tests use stays in the build.
    for (const QString& folder : {QStringLiteral("lib/tessavox/lame-variants"), QStringLiteral("lib/tessavox/fake-skins")})
        EXPECT_FALSE(QFileInfo::exists(Installed(folder))) << folder.toStdString();
}

TEST_F(InstalledProgram, StartedFromAnotherFolderFindsItsSkinEncoderAndHelp)
{
    QTemporaryDir elsewhere;
    QProcess program;
    program.setWorkingDirectory(elsewhere.path());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("TESSAVOX_AUDIO"), QStringLiteral("virtual"));
    env.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(DRIVER_LIBRARY));
    env.insert(QStringLiteral("TESSAVOX_DRIVER_REPORT"), elsewhere.filePath(QStringLiteral("report")));
    // Nothing but the program's own folder may lead it to its files.
    env.remove(QStringLiteral("LD_LIBRARY_PATH"));
    program.setProcessEnvironment(env);

    const int code = RunToEnd(program, Installed("bin/tessavox"), {});
    const QString output = QString::fromLocal8Bit(program.readAll());
    EXPECT_EQ(code, 0) << output.toStdString();

    const QString folder = QFileInfo(Installed("lib/tessavox")).canonicalFilePath() + QLatin1Char('/');
    const auto report = [&](const char* key) {
        return tests::Reported(elsewhere.filePath(QStringLiteral("report")), QLatin1String(key));
    };
    EXPECT_EQ(report("skin library"), QStringList{folder + "libSkin.so"});
    EXPECT_EQ(report("skin applied"), QStringList{"yes"});
    EXPECT_EQ(report("help"), QStringList{folder + "Tessavox.html"});
    EXPECT_EQ(report("encoder library"), QStringList{folder + "liblame_enc.so"});
    EXPECT_EQ(report("message"), QStringList{});
    EXPECT_EQ(report("closed"), QStringList{"yes"}) << output.toStdString();
    EXPECT_TRUE(QFileInfo(elsewhere.filePath(QStringLiteral("installed.mp3"))).isFile());
}

TEST(ProgramOptions, VersionAndHelpAnsweredWithoutADisplay)
{
    EXPECT_EQ(OutputOf(QStringLiteral(PROGRAM), {"--version"}), "Tessavox 1.203\n");
    const QString help = OutputOf(QStringLiteral(PROGRAM), {"--help"});
    EXPECT_TRUE(help.startsWith("Usage: tessavox") && help.contains("\n  --help ") && help.contains("\n  --version ")) << help.toStdString();
}

// The Debian package made as the README makes it, of this build, in a folder of its own.
TEST(DebianPackage, HoldsCopyrightChangelogManualPageDesktopEntryAndNoMaintainerScripts)
{
    if (QLatin1String(DPKG_DEB).isEmpty())
        GTEST_SKIP() << "dpkg-deb is not installed";
    QTemporaryDir out;
    OutputOf(QStringLiteral(CPACK_COMMAND), {"-G", "DEB", "-B", out.path(), "--config", BUILD_DIR "/CPackConfig.cmake"});
    const QString deb = out.filePath(QDir(out.path()).entryList({QStringLiteral("*.deb")}).value(0));
    const QString root = out.filePath("root"), control = out.filePath("control");
    OutputOf(QStringLiteral(DPKG_DEB), {"-x", deb, root});
    OutputOf(QStringLiteral(DPKG_DEB), {"-e", deb, control});
    // No maintainer script and no trigger: nothing needs to run as root, ldconfig least of all.
    EXPECT_EQ(QDir(control).entryList(QDir::Files), (QStringList{"control", "md5sums"}));
    for (const QString& file : QStringList{"usr/share/doc/tessavox/copyright", "usr/share/doc/tessavox/changelog.gz",
                                           "usr/share/applications/" + APP_ID + ".desktop"})
        EXPECT_TRUE(QFileInfo(root + '/' + file).isFile()) << file.toStdString();
    // The manual page documents every option that --help lists.
    const QString manual = OutputOf(QStringLiteral(GZIP_PROGRAM), {"-dc", root + "/usr/share/man/man1/tessavox.1.gz"});
    for (const QString& line : OutputOf(QStringLiteral(PROGRAM), {"--help"}).split('\n'))
        EXPECT_TRUE(!line.startsWith("  --") || manual.contains(".B " + line.section(' ', 2, 2).replace('-', "\\-") + '\n')) << line.toStdString();
}
