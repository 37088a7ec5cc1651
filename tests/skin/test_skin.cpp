// The skin library as the program uses it: loaded by path, called once with the skin file,
// released while the windows live on. And the default skin: it parses on every kind of
// control the windows use, leaves the engine's own drawing alone, and is rendered to
// screenshots/ in the build folder for a person to look at.

#include "skin/SkinLibrary.h"
#include "skin/SkinSample.h"

#include "engine/AudioPlayRec.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

// Style sheet warnings seen while a test runs; everything else goes on to the usual output.
QStringList g_sheetWarnings;
QtMessageHandler g_previousHandler = nullptr;

void CollectSheetWarnings(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (text.contains(QLatin1String("Could not parse"), Qt::CaseInsensitive)
        || text.contains(QLatin1String("stylesheet"), Qt::CaseInsensitive))
        g_sheetWarnings << text;
    g_previousHandler(type, context, text);
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The colours a widget paints with, role by role, so that a failure names them.
std::string Colours(const QPalette& palette)
{
    QStringList colours;
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            colours << QStringLiteral("%1/%2=%3").arg(group).arg(role).arg(
                palette.color(group, QPalette::ColorRole(role)).name(QColor::HexArgb));
        }
    }
    return colours.join(QLatin1Char(' ')).toStdString();
}

// One of each control the windows use, shown so that the style polishes them all.
void ShowEveryControl(QWidget& host)
{
    auto* v = new QVBoxLayout(&host);
    v->addWidget(new QPushButton(QStringLiteral("Record")));
    auto* tabs = new QTabWidget;
    tabs->addTab(new QWidget, QStringLiteral("Record"));
    v->addWidget(tabs);
    v->addWidget(new QGroupBox(QStringLiteral("Recording Output")));
    v->addWidget(new QComboBox);
    v->addWidget(new QSlider(Qt::Horizontal));
    v->addWidget(new QCheckBox(QStringLiteral("Left channel")));
    v->addWidget(new QRadioButton(QStringLiteral("Microphone")));
    v->addWidget(new QStatusBar);
    v->addWidget(new QDateTimeEdit);
    host.show();
    host.grab();
}

class SkinTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_sheetWarnings.clear();
        g_previousHandler = qInstallMessageHandler(CollectSheetWarnings);
        ASSERT_TRUE(m_library.IsLoaded()) << m_library.Error().toStdString();
    }

    void TearDown() override
    {
        qInstallMessageHandler(g_previousHandler);
        qApp->setStyleSheet(QString());
        QDir::setSearchPaths(QStringLiteral("skin"), {});
    }

    SkinLibrary m_library;
};

TEST_F(SkinTest, TheDefaultSkinIsAppliedToTheApplication)
{
    ASSERT_EQ(1, m_library.LoadSkin(QStringLiteral(SKIN_FILE)));

    const QString sheet = qApp->styleSheet();
    EXPECT_FALSE(sheet.trimmed().isEmpty());
    EXPECT_EQ(QString::fromUtf8(ReadAll(QStringLiteral(SKIN_FILE))), sheet);
}

TEST_F(SkinTest, AFileThatCannotBeReadChangesNothing)
{
    const QString before = QStringLiteral("QPushButton { color: #123456; }");
    qApp->setStyleSheet(before);
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());

    EXPECT_EQ(0, m_library.LoadSkin(dir.filePath(QStringLiteral("missing.skn"))));
    EXPECT_EQ(0, m_library.LoadSkin(dir.path())) << "a folder is no skin";
    EXPECT_EQ(0, m_library.LoadSkin(QString()));
    EXPECT_EQ(0, m_library.LoadSkin(static_cast<const char*>(nullptr)));

    EXPECT_EQ(before, qApp->styleSheet());
    EXPECT_TRUE(QDir::searchPaths(QStringLiteral("skin")).isEmpty());
}

TEST_F(SkinTest, TheSkinsFolderIsWhereItsImagesAreLookedFor)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("my skins")));
    const QString folder = dir.filePath(QStringLiteral("my skins"));
    ASSERT_TRUE(WriteFile(folder + QStringLiteral("/tile.png"), "not looked into"));
    // Editors may start a UTF-8 file with a byte-order mark; the sheet must not.
    const QByteArray sheet = "QGroupBox { border-image: url(skin:tile.png); }";
    ASSERT_TRUE(WriteFile(folder + QStringLiteral("/bordered.skn"), "\xEF\xBB\xBF" + sheet));

    ASSERT_EQ(1, m_library.LoadSkin(folder + QStringLiteral("/bordered.skn")));

    EXPECT_EQ(QString::fromUtf8(sheet), qApp->styleSheet());
    EXPECT_TRUE(QFile::exists(QStringLiteral("skin:tile.png")));
    EXPECT_FALSE(QFile::exists(QStringLiteral("skin:bordered.png")));
}

TEST_F(SkinTest, AnotherSkinReplacesTheFirst)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString other = dir.filePath(QStringLiteral("other.skn"));
    ASSERT_TRUE(WriteFile(other, "QLabel { color: #224466; }"));

    ASSERT_EQ(1, m_library.LoadSkin(QStringLiteral(SKIN_FILE)));
    ASSERT_EQ(1, m_library.LoadSkin(other));

    EXPECT_EQ(QStringLiteral("QLabel { color: #224466; }"), qApp->styleSheet());
    EXPECT_EQ(QStringList{dir.path()}, QDir::searchPaths(QStringLiteral("skin")));
}

// The watch on Qt's warnings is what makes the next test mean anything: a sheet Qt cannot
// parse must show up in it.
TEST_F(SkinTest, ABrokenSheetIsNoticed)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString broken = dir.filePath(QStringLiteral("broken.skn"));
    ASSERT_TRUE(WriteFile(broken, "QPushButton { color: red; "));
    ASSERT_EQ(1, m_library.LoadSkin(broken));

    QWidget host;
    ShowEveryControl(host);

    EXPECT_FALSE(g_sheetWarnings.isEmpty());
}

TEST_F(SkinTest, TheDefaultSkinParsesOnEveryControl)
{
    ASSERT_EQ(1, m_library.LoadSkin(QStringLiteral(SKIN_FILE)));

    QWidget host;
    ShowEveryControl(host);
    SkinSample sample;
    sample.show();
    for (int tab = 0; tab < sample.Tabs()->count(); ++tab) {
        sample.Tabs()->setCurrentIndex(tab);
        sample.grab();
    }

    EXPECT_TRUE(g_sheetWarnings.isEmpty()) << g_sheetWarnings.join(QLatin1Char('\n')).toStdString();
}

// The engine's window paints its own black bands, blue lines and white traces. Qt draws no
// sheet background or border on a widget class of its own, but a rule for QWidget or * would
// still hand it the skin's colours and font.
TEST_F(SkinTest, TheDefaultSkinLeavesTheEnginesWindowAlone)
{
    QWidget parent;
    auto* engine = new CAudioPlayRec;
    engine->setParent(&parent);
    engine->setGeometry(0, 0, 160, 58);
    parent.show();
    engine->ensurePolished();
    const QPalette unskinned = engine->palette();
    const QFont font = engine->font();

    ASSERT_EQ(1, m_library.LoadSkin(QStringLiteral(SKIN_FILE)));
    engine->ensurePolished();

    EXPECT_EQ(Colours(unskinned), Colours(engine->palette()));
    EXPECT_EQ(font.toString().toStdString(), engine->font().toString().toStdString());
}

// The program releases the library while its windows still live and are drawn.
TEST_F(SkinTest, TheSkinOutlivesTheLibrary)
{
    ASSERT_EQ(1, m_library.LoadSkin(QStringLiteral(SKIN_FILE)));
    m_library.Close();
    ASSERT_FALSE(IsSkinLibraryMapped()) << "the library stayed loaded; this test would prove nothing";

    SkinSample sample;
    sample.show();
    sample.grab();
    EXPECT_TRUE(QFile::exists(QStringLiteral("skin:iTunes.skn")));
    EXPECT_FALSE(qApp->styleSheet().isEmpty());
}

// For a person to look at: the window on each tab, idle and while recording.
TEST_F(SkinTest, TheDefaultSkinIsRenderedForReview)
{
    ASSERT_EQ(1, m_library.LoadSkin(QStringLiteral(SKIN_FILE)));
    const QDir out(QStringLiteral(SKIN_SCREENSHOT_DIR));
    ASSERT_TRUE(out.mkpath(QStringLiteral(".")));

    SkinSample sample;
    sample.show();
    const char* names[] = {"skin-record.png", "skin-schedule.png", "skin-about.png"};
    for (int tab = 0; tab < 3; ++tab) {
        sample.Tabs()->setCurrentIndex(tab);
        const QString path = out.filePath(QString::fromLatin1(names[tab]));
        EXPECT_TRUE(sample.grab().save(path)) << path.toStdString();
    }
    sample.Tabs()->setCurrentIndex(0);
    sample.ShowRecording();
    const QString recording = out.filePath(QStringLiteral("skin-recording.png"));
    EXPECT_TRUE(sample.grab().save(recording)) << recording.toStdString();
}

} // namespace
