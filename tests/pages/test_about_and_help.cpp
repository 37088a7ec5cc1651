// The about page and the about box: their texts, the links followed from the keyboard,
// Help from either window, and the about box from the window's menu.

#include "pages/AboutDlg.h"
#include "platform/DynamicLibrary.h"
#include "support/WindowFixture.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

// The texts a window shows, sorted: its labels (links as their plain text) and its buttons.
QStringList Texts(const QWidget* window)
{
    QStringList texts;
    for (const QLabel* label : window->findChildren<QLabel*>())
        if (!label->text().isEmpty())
            texts << (label->textFormat() == Qt::RichText ? label->accessibleName() : label->text());
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>())
        texts << button->text();
    texts.sort();
    return texts;
}

bool ShowsAPicture(const QWidget* window)
{
    for (const QLabel* label : window->findChildren<QLabel*>())
        if (!label->pixmap().isNull())
            return true;
    return false;
}

} // namespace

class AboutPage : public WindowFixture {
protected:
    CDialogAbout& About() { return window->m_pageAbout; }
    QLabel* Link(int id)
    {
        auto* link = platform::FindControl<QLabel>(&About(), id);
        EXPECT_NE(link, nullptr) << "link " << id;
        return link;
    }
    // The about page shown in an active window, as a user at the keyboard has it.
    void ShowAboutPage()
    {
        window->show();
        window->m_tab.setCurrentIndex(2);
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
};

TEST_F(AboutPage, ShowsTheProductItsVersionAndBothAddresses)
{
    EXPECT_EQ(Texts(&About()), (QStringList{"Email:", "Help", "Korrin Tessavox", "Version: 1.203", "WebSite:",
                                            "https://tessavox.example.org", "support@tessavox.example.org"}));
    EXPECT_TRUE(ShowsAPicture(&About())) << "the product's icon";
    auto* frame = About().findChild<QGroupBox*>();
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(frame->title().isEmpty());
}

// Tab reaches each link and Enter follows it; the Enter does not go on to close the window.
TEST_F(AboutPage, LinksAreReachedAndFollowedFromTheKeyboard)
{
    ShowAboutPage();
    window->m_tab.setFocus(Qt::TabFocusReason);
    const auto tabTo = [&](QWidget* target) {
        for (int presses = 0; presses < 30; ++presses) {
            QWidget* focus = QApplication::focusWidget();
            if (!focus || focus == target)
                return focus == target;
            QTest::keyClick(focus, Qt::Key_Tab);
        }
        return false;
    };
    ASSERT_TRUE(tabTo(Link(IDC_WEBSITE)));
    QTest::keyClick(Link(IDC_WEBSITE), Qt::Key_Return);
    ASSERT_TRUE(window->isVisible()) << "Enter went on to the window and closed it";
    ASSERT_TRUE(tabTo(Link(IDC_EMAIL)));
    QTest::keyClick(Link(IDC_EMAIL), Qt::Key_Return);

    ASSERT_EQ(opened.Opened().size(), 2u);
    EXPECT_EQ(opened.Opened()[0], QUrl("https://tessavox.example.org"));
    EXPECT_EQ(opened.Opened()[1], QUrl("mailto:support@tessavox.example.org?subject=Tessavox"));
    EXPECT_TRUE(window->isVisible());
}

TEST_F(AboutPage, TheMenuEntryOpensTheAboutBoxAndOkClosesIt)
{
    auto* menu = window->findChild<QMenu*>();
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->actions().size(), 1);
    QAction* entry = menu->actions().first();
    EXPECT_EQ(entry->text(), "&About Tessavox...");
    ASSERT_TRUE(entry->isEnabled());

    QString title;
    QStringList texts;
    bool picture = false;
    bool okIsDefault = false;
    bool closedByOk = false;
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        if (!qobject_cast<CAboutDlg*>(box)) {
            ADD_FAILURE() << "no about box";
            if (box)
                box->close();
            return;
        }
        title = box->windowTitle();
        texts = Texts(box);
        picture = ShowsAPicture(box);
        auto* ok = platform::FindControl<QPushButton>(box, 1);
        okIsDefault = ok && ok->isDefault();
        if (ok)
            ok->click();
        closedByOk = !box->isVisible();
        box->close();
    });
    entry->trigger();

    EXPECT_EQ(title, "About Tessavox");
    EXPECT_EQ(texts, (QStringList{"OK", "Version: 1.203"}));
    EXPECT_TRUE(picture) << "the application's icon";
    EXPECT_TRUE(okIsDefault);
    EXPECT_TRUE(closedByOk);
}

// Help on the main window and on the about page: the current folder first, then beside the
// program; nothing at all when neither has the file.
class HelpButton : public WindowFixture, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        previous = QDir::currentPath();
        QDir(dir.path()).mkdir("cwd");
        QDir(dir.path()).mkdir("program");
        ASSERT_TRUE(QDir::setCurrent(Path("cwd")));
        platform::SetProgramDirectory(Path("program"));
    }
    void TearDown() override
    {
        platform::SetProgramDirectory({});
        QDir::setCurrent(previous);
        WindowFixture::TearDown();
    }
    void Touch(const QString& path)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    void ClickHelp()
    {
        QWidget* owner = GetParam() ? static_cast<QWidget*>(&window->m_pageAbout) : window.get();
        auto* help = platform::FindControl<QAbstractButton>(owner, IDC_HELP);
        ASSERT_NE(help, nullptr);
        EXPECT_EQ(help->text(), "Help");
        help->click();
    }
    QString previous;
};

TEST_P(HelpButton, OpensTheHelpFileFromTheCurrentFolderFirstThenBesideTheProgram)
{
    ClickHelp();
    EXPECT_TRUE(opened.Opened().empty()) << "no help file: nothing happens";

    Touch(Path("program/Tessavox.html"));
    ClickHelp();
    ASSERT_EQ(opened.Opened().size(), 1u);
    EXPECT_EQ(opened.Opened()[0], QUrl::fromLocalFile(Path("program/Tessavox.html")));

    Touch(Path("cwd/Tessavox.html"));
    ClickHelp();
    ASSERT_EQ(opened.Opened().size(), 2u);
    EXPECT_EQ(opened.Opened()[1], QUrl::fromLocalFile(Path("cwd/Tessavox.html")));
    EXPECT_TRUE(messages.Messages().empty());
}

INSTANTIATE_TEST_SUITE_P(EachWindow, HelpButton, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "AboutPage" : "MainWindow"; });
