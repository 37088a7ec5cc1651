// Start-up: the skin library is called once with the skin's path before the window exists
// and released before the window is destroyed; without it, or without its entry, the
// program runs unskinned.

#include "app/MainWindowPointer.h"
#include "app/TessavoxApp.h"
#include "app/TessavoxDlg.h"
#include "platform/ShowMessage.h"
#include "platform/audio/virtual/VirtualBackend.h"
#include "platform/mixer/memory/MemoryMixerBackend.h"
#include "support/QStringPrinter.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

const char* const CALLS = "TESSAVOX_FAKE_SKIN_CALLS";
const char* const PATH = "TESSAVOX_FAKE_SKIN_PATH";
const char* const UNLOADED = "TESSAVOX_FAKE_SKIN_UNLOADED";

class AppStartup : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : {CALLS, PATH, UNLOADED})
            qunsetenv(name);
        platform::UseAudioBackend(&audio);
        platform::UseMixerBackend(&mixer);
    }
    void TearDown() override
    {
        platform::SetProgramDirectory({});
        platform::UseMixerBackend(nullptr);
        platform::UseAudioBackend(nullptr);
    }

    // Runs the program from the given folder; whileOpen runs once its window is up, then
    // the window is closed as a user closes it.
    void Run(const QString& programDirectory, const std::function<void(CTessavoxDlg&)>& whileOpen)
    {
        platform::SetProgramDirectory(programDirectory);
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<CTessavoxDlg*>(GetMainWindow());
            ASSERT_NE(dialog, nullptr);
            seen = true;
            EXPECT_TRUE(dialog->isVisible());
            whileOpen(*dialog);
            dialog->reject();
        });
        CTessavoxApp app;
        EXPECT_FALSE(app.InitInstance());
        EXPECT_TRUE(seen);
        EXPECT_EQ(app.m_hSkin, nullptr) << "released";
        EXPECT_EQ(GetMainWindow(), nullptr);
    }

    platform::VirtualBackend audio;
    platform::MemoryMixerBackend mixer;
    platform::MessageRecorder messages;
};

} // namespace

TEST_F(AppStartup, WithoutTheSkinLibraryTheProgramRunsUnskinned)
{
    QTemporaryDir empty;
    Run(empty.path(), [&](CTessavoxDlg& dialog) {
        EXPECT_EQ(dialog.m_statusBar.Text(0), "Idle");
        EXPECT_EQ(dialog.m_pageRecord.m_engine.m_nStatus, STATUS_READY);
        EXPECT_TRUE(qApp->styleSheet().isEmpty());
    });
    EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(AppStartup, ALibraryWithoutTheEntryIsLeftAlone)
{
    Run(FAKE_SKINS_DIR "/no-entry", [&](CTessavoxDlg& dialog) {
        EXPECT_EQ(dialog.m_statusBar.Text(0), "Idle");
    });
    EXPECT_FALSE(qEnvironmentVariableIsSet(CALLS));
    EXPECT_TRUE(messages.Messages().empty());
}

TEST_F(AppStartup, TheSkinIsAppliedOnceBeforeTheWindowAndReleasedBeforeItIsDestroyed)
{
    const QString folder = QStringLiteral(FAKE_SKINS_DIR "/records");
    QString unloadedWhenDestroyed = QStringLiteral("not destroyed");
    Run(folder, [&](CTessavoxDlg& dialog) {
        EXPECT_EQ(qEnvironmentVariable(CALLS), "1");
        EXPECT_EQ(qEnvironmentVariable(PATH), folder + "/skins/iTunes.skn");
        EXPECT_FALSE(qEnvironmentVariableIsSet(UNLOADED));
        QObject::connect(&dialog, &QObject::destroyed,
                         [&] { unloadedWhenDestroyed = qEnvironmentVariable(UNLOADED); });
    });
    EXPECT_EQ(unloadedWhenDestroyed, "1");
    EXPECT_EQ(qEnvironmentVariable(CALLS), "1");
}
