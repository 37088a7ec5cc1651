// The about page's controls, in the order and groups of its template, and its handlers.

#include "pages/DialogAbout.h"

#include "app/AppIcon.h"
#include "app/ControlIds.h"
#include "app/HelpFile.h"
#include "pages/AboutTexts.h"
#include "platform/ControlId.h"
#include "platform/DesktopOpen.h"

#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// A label holding one link. Tab into it chooses the link at once, so one Tab reaches it and
// Enter follows it, as with a button: a plain label wants a second Tab to choose the link,
// and Enter before that would go on to the window and close it.
class LinkLabel : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void focusInEvent(QFocusEvent* e) override
    {
        QLabel::focusInEvent(e);
        if (e->reason() == Qt::TabFocusReason || e->reason() == Qt::BacktabFocusReason)
            QLabel::focusNextPrevChild(e->reason() == Qt::TabFocusReason);
    }
};

// One link that the mouse and the keyboard both follow. The page opens the address itself,
// so a test can stand in for the desktop.
QLabel* Link(int id, const QString& text)
{
    auto* link = new LinkLabel(QStringLiteral("<a href=\"%1\">%1</a>").arg(text.toHtmlEscaped()));
    platform::SetControlId(link, id, text);
    link->setTextFormat(Qt::RichText);
    link->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    link->setOpenExternalLinks(false);
    return link;
}

} // namespace

CDialogAbout::CDialogAbout()
{
    BuildControls();
    ConnectControls();
}

void CDialogAbout::BuildControls()
{
    platform::MarkControlWindow(this);

    auto* icon = new QLabel;
    icon->setPixmap(ApplicationIcon().pixmap(48, 48));
    icon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    auto* name = new QLabel(QStringLiteral("Korrin Tessavox"));
    QFont nameFont = name->font();
    nameFont.setBold(true);
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.25);
    name->setFont(nameFont);
    auto* titles = new QVBoxLayout;
    titles->addWidget(name);
    titles->addWidget(new QLabel(VersionText()));
    titles->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addSpacing(8);
    top->addLayout(titles, 1);

    m_linkWebsite = Link(IDC_WEBSITE, WebsiteUrl().toString());
    m_linkEmail = Link(IDC_EMAIL, QLatin1String(TESSAVOX_EMAIL));
    auto* help = new QPushButton(tr("Help"));
    platform::SetControlId(help, IDC_HELP);

    auto* frame = new QGroupBox;
    auto* grid = new QGridLayout(frame);
    grid->addWidget(new QLabel(tr("WebSite:")), 0, 0);
    grid->addWidget(m_linkWebsite, 0, 1);
    grid->addWidget(new QLabel(tr("Email:")), 1, 0);
    grid->addWidget(m_linkEmail, 1, 1);
    grid->addWidget(help, 2, 2, Qt::AlignRight | Qt::AlignBottom);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(2, 1);

    auto* page = new QVBoxLayout(this);
    page->addLayout(top);
    page->addSpacing(8);
    page->addWidget(frame, 1);
}

void CDialogAbout::ConnectControls()
{
    connect(m_linkWebsite, &QLabel::linkActivated, this, &CDialogAbout::OnClickWebsite);
    connect(m_linkEmail, &QLabel::linkActivated, this, &CDialogAbout::OnClickEmail);
    connect(platform::FindControl<QPushButton>(this, IDC_HELP), &QPushButton::clicked, this, &CDialogAbout::OnHelp);
}

// What opens them (and whether anything does) is the desktop's affair: nothing is shown here.
void CDialogAbout::OnClickWebsite()
{
    platform::OpenWithDesktop(WebsiteUrl());
}

void CDialogAbout::OnClickEmail()
{
    platform::OpenWithDesktop(SupportMailUrl());
}

void CDialogAbout::OnHelp()
{
    OpenHelpFile();
}
