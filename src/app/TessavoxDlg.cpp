// The main window: its controls in the order and groups of its template, its one table of
// connections, and its initialisation.

#include "app/TessavoxDlg.h"

#include "ProductInfo.h"
#include "app/AppIcon.h"
#include "app/ControlIds.h"
#include "app/TrayIcon.h"
#include "engine/view/ClipFlag.h"
#include "engine/view/LevelMeter.h"
#include "pages/AboutDlg.h"
#include "platform/ControlId.h"

#include <QContextMenuEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QStackedWidget>
#include <QStyle>
#include <QVBoxLayout>

#include <tuple>

namespace {

// The size of the engine's display: the waveform's two bands.
constexpr int DISPLAY_WIDTH = 176;
constexpr int DISPLAY_HEIGHT = 52;

QIcon RecordIcon()
{
    QPixmap dot(32, 32);
    dot.fill(Qt::transparent);
    QPainter p(&dot);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x8e, 0x1c, 0x1c), 1.5));
    p.setBrush(QColor(0xd9, 0x34, 0x2b));
    p.drawEllipse(QPointF(16, 16), 10, 10);
    return QIcon(dot);
}

// A label as wide as its widest text, whatever its text now, so a ticking text never
// resizes the window. Measured with the font in force when laid out: a skin's font comes
// only when the label is polished, after it is made.
class FixedLabel : public QLabel {
public:
    FixedLabel(int id, const QString& text, const QString& widest) : QLabel(text), m_strWidest(widest)
    {
        platform::SetControlId(this, id);
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    }
    QSize sizeHint() const override
    {
        return {fontMetrics().horizontalAdvance(m_strWidest) + 4, QLabel::sizeHint().height()};
    }
    QSize minimumSizeHint() const override { return sizeHint(); }

private:
    QString m_strWidest;
};

} // namespace

CTessavoxDlg::CTessavoxDlg()
    : m_hIcon(ApplicationIcon()), m_notifier(QStringLiteral("Tessavox"), QLatin1String(TESSAVOX_APP_ID))
{
}

CTessavoxDlg::~CTessavoxDlg()
{
    // The engine goes last and may still report as it closes its files: by then the
    // notifier it would reach is gone.
    disconnect(&m_pageRecord.m_engine, nullptr, this, nullptr);
    disconnect(&m_pageRecord.m_engine, nullptr, &m_schedule, nullptr);
}

void CTessavoxDlg::Create()
{
    if (m_bCreated)
        return;
    m_bCreated = true;
    BuildControls();
    CreateTrayIcon();
    ConnectControls();
    OnInitDialog();
}

int CTessavoxDlg::DoModal()
{
    Create();
    return m_pTray ? RunWithTrayIcon() : exec();
}

void CTessavoxDlg::BuildControls()
{
    setWindowTitle(QStringLiteral("Tessavox"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);

    platform::SetControlId(&m_tab, IDC_TAB, tr("Pages"));
    m_tab.setExpanding(false);
    m_tab.setDrawBase(false);
    m_pPages = new QStackedWidget;
    m_pPages->addWidget(&m_pageRecord);
    m_pPages->addWidget(&m_pageAbout);
    m_pPages->addWidget(&m_pageSchedule);
    auto* pageFrame = new QFrame;
    pageFrame->setFrameShape(QFrame::StyledPanel);
    auto* pageLayout = new QVBoxLayout(pageFrame);
    pageLayout->setContentsMargins(1, 1, 1, 1);
    pageLayout->addWidget(m_pPages);

    auto* placeholder = new QFrame;
    platform::SetControlId(placeholder, IDC_WAVE);
    placeholder->setFrameShape(QFrame::Box);
    placeholder->setFixedSize(DISPLAY_WIDTH, DISPLAY_HEIGHT);
    QSizePolicy keepPlace = placeholder->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    placeholder->setSizePolicy(keepPlace);
    placeholder->hide();

    const QString widestCaption = tr("Resume");
    const auto button = [&](int id, const QString& text, const QIcon& icon) {
        auto* b = new QPushButton(icon, text);
        platform::SetControlId(b, id);
        b->setMinimumWidth(b->fontMetrics().horizontalAdvance(widestCaption) + b->iconSize().width() + 32);
        return b;
    };
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(6);
    buttons->addWidget(button(IDC_RECORD, tr("Record"), RecordIcon()));
    buttons->addWidget(button(IDC_PAUSE, tr("Pause"), style()->standardIcon(QStyle::SP_MediaPause)));
    buttons->addWidget(button(IDC_STOP, tr("Stop"), style()->standardIcon(QStyle::SP_MediaStop)));
    buttons->addWidget(button(IDC_PLAY, tr("Play"), style()->standardIcon(QStyle::SP_MediaPlay)));
    buttons->addSpacing(8);
    buttons->addWidget(button(IDC_HELP, tr("Help"), QIcon()));

    auto* texts = new QHBoxLayout;
    texts->addWidget(new FixedLabel(IDC_SIZE, tr("Size: 0KB"), tr("Size: 4194303KB")));
    texts->addWidget(new FixedLabel(IDC_TIME, tr("Time: 00:00:00"), tr("Time: 00:00:00")));
    texts->addStretch(1);

    auto* bands = new QVBoxLayout;
    bands->addWidget(new QLabel(tr("Left")), 0, Qt::AlignRight | Qt::AlignVCenter);
    bands->addWidget(new QLabel(tr("Right")), 0, Qt::AlignRight | Qt::AlignVCenter);

    auto* bottom = new QGridLayout;
    bottom->addLayout(texts, 0, 0);
    bottom->addLayout(buttons, 1, 0);
    bottom->setColumnStretch(1, 1);
    bottom->setHorizontalSpacing(8);
    bottom->setVerticalSpacing(6);
    bottom->addLayout(bands, 0, 2, 2, 1);
    bottom->addWidget(placeholder, 0, 3, 2, 1);
    // The meters beside the trace, left above and right below as its bands.
    auto* meters = new QVBoxLayout;
    meters->setSpacing(2);
    meters->addStretch(1);
    for (const auto& [meterId, flagId, channel] :
         {std::tuple(IDC_LEVEL_LEFT, IDC_CLIP_LEFT, tr("Left")), std::tuple(IDC_LEVEL_RIGHT, IDC_CLIP_RIGHT, tr("Right"))}) {
        auto* meter = new CLevelMeter(channel);
        platform::SetControlId(meter, meterId);
        platform::SetControlId(meter->Flag(), flagId);
        meters->addWidget(meter);
    }
    meters->addStretch(1);
    bottom->addLayout(meters, 0, 4, 2, 1);

    auto* content = new QVBoxLayout;
    content->setContentsMargins(10, 10, 10, 8);
    content->setSpacing(0);
    content->addWidget(&m_tab);
    content->addWidget(pageFrame);
    content->addSpacing(10);
    content->addLayout(bottom);

    auto* root = new QVBoxLayout(this);
    root->setContentsMargins(0, 0, 0, 0);
    root->setSpacing(0);
    root->addLayout(content);
    auto* rule = new QFrame;
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    root->addWidget(rule);
    root->addWidget(&m_statusBar);
    // The window keeps the size its controls ask for, as the template's window did.
    root->setSizeConstraint(QLayout::SetFixedSize);

    // Desktops keep the window menu to themselves: the about entry lives in the window's
    // context menu.
    m_pWindowMenu = new QMenu(this);
    m_pWindowMenu->addAction(tr("&About Tessavox..."));
}

void CTessavoxDlg::ConnectControls()
{
    connect(&m_tab, &QTabBar::currentChanged, this, &CTessavoxDlg::OnTabSelChange);
    const auto clicked = [this](int id, void (CTessavoxDlg::*handler)()) {
        connect(platform::FindControl<QPushButton>(this, id), &QPushButton::clicked, this, handler);
    };
    clicked(IDC_RECORD, &CTessavoxDlg::OnRecord);
    clicked(IDC_PAUSE, &CTessavoxDlg::OnPause);
    clicked(IDC_STOP, &CTessavoxDlg::OnStop);
    clicked(IDC_PLAY, &CTessavoxDlg::OnPlay);
    clicked(IDC_HELP, &CTessavoxDlg::OnHelp);
    connect(&m_pageRecord, &CDialogRecord::EngineDeviceClosed, this, &CTessavoxDlg::OnEngineDeviceClosed);
    connect(&m_pageRecord, &CDialogRecord::DeviceNotice, this, [this](const QString& text) {
        m_statusBar.SetText(1, text);
        // What became of the device is the news: the take's report at its close does not hide it.
        m_bTakeGoingOn = false;
    });
    connect(m_pWindowMenu->actions().constFirst(), &QAction::triggered, this, &CTessavoxDlg::OnAboutBox);
    connect(&m_pageRecord.m_engine, &CAudioPlayRec::Failure, &m_schedule, &CScheduleRun::OnFailure);
    connect(&m_pageRecord.m_engine, &CAudioPlayRec::SoundingChanged, this, &CTessavoxDlg::OnSoundingChanged);
    connect(&m_pageRecord.m_engine, &CAudioPlayRec::InputSilenceChanged, &m_schedule, &CScheduleRun::OnInputSilence);
    connect(&m_resumeWatcher, &platform::ResumeWatcher::Resumed, &m_schedule, &CScheduleRun::CheckCountdowns);
    connect(&m_screenLock, &platform::ScreenLockWatcher::LockedChanged, &m_pageRecord.m_engine,
            &CAudioPlayRec::SetScreenLocked);
    m_pageRecord.m_engine.SetScreenLocked(m_screenLock.IsLocked());
    if (m_pTray) {
        connect(m_pTray.get(), &CTrayIcon::ShowChosen, this, &CTessavoxDlg::ShowWindow);
        connect(m_pTray.get(), &CTrayIcon::QuitChosen, this, &CTessavoxDlg::OnQuit);
        // Without its area the icon is no way back: the window comes back instead.
        connect(m_pTray.get(), &CTrayIcon::Lost, this, [this] {
            if (!isVisible())
                ShowWindow();
        });
    }
}

bool CTessavoxDlg::OnInitDialog()
{
    setWindowIcon(m_hIcon);
    m_tab.addTab(tr("Record"));
    m_tab.addTab(tr("Schedule"));
    m_tab.addTab(tr("About"));

    // The pages are placed before the recording page initialises: it lays the engine's
    // display over the placeholder, which has its place only once the layout has run.
    layout()->activate();
    m_pageRecord.OnInitDialog();
    m_pageSchedule.OnInitDialog();
    m_settings.Restore(m_pageRecord, m_pageSchedule);

    m_tab.setCurrentIndex(0);
    OnTabSelChange();

    m_statusBar.SetText(0, tr("Idle"));
    m_statusBar.SetText(1, QString());
    m_nSampleRate = 22050;
    m_nBitsPerSample = 16;
    m_tElapsed = 0;
    if (m_settings.IsDamaged())
        m_statusBar.SetText(1, tr("The saved settings could not be read; the first-start settings are shown"));
    RearmSavedSchedule();
    return true;
}

void CTessavoxDlg::done(int result)
{
    if (HideToTrayIcon())
        return;
    // The window closes: the input stops being captured with it.
    m_pageRecord.m_engine.StopMonitor();
    QDialog::done(result);
}

void CTessavoxDlg::OnTabSelChange()
{
    QWidget* const pages[] = {&m_pageRecord, &m_pageSchedule, &m_pageAbout};
    const int index = m_tab.currentIndex();
    if (index >= 0 && index < 3)
        m_pPages->setCurrentWidget(pages[index]);
}

void CTessavoxDlg::SetControlText(int id, const QString& text)
{
    if (auto* label = platform::FindControl<QLabel>(this, id))
        label->setText(text);
    else if (auto* button = platform::FindControl<QPushButton>(this, id))
        button->setText(text);
}

void CTessavoxDlg::timerEvent(QTimerEvent* e)
{
    if (const int id = m_timers.IdOf(e))
        OnTimer(id);
    else
        QDialog::timerEvent(e);
}

void CTessavoxDlg::contextMenuEvent(QContextMenuEvent* e)
{
    if (m_pWindowMenu)
        m_pWindowMenu->exec(e->globalPos());
}

void CTessavoxDlg::OnAboutBox()
{
    CAboutDlg box(this);
    box.exec();
}

// Enter where no push button takes it closes the window, as the dialog's OK command does;
// a push button with the focus is pressed instead.
void CTessavoxDlg::keyPressEvent(QKeyEvent* e)
{
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) &&
        (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        accept();
        return;
    }
    QDialog::keyPressEvent(e);
}
