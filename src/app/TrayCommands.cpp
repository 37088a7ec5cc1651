// The main window's side of its icon in the status notifier area: the icon made where the
// desktop has a place for it, its tool tip kept to what the window does, the window hidden
// to it and shown from it, and a minimised start that never leaves the user without a way
// back to the window.

#include "app/ControlIds.h"
#include "app/TessavoxDlg.h"
#include "app/TrayIcon.h"
#include "platform/ControlId.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

#include <utility>

namespace {

// Long enough for a window manager to have minimised the window, short enough that a user
// who started the program by hand is not left waiting for it.
constexpr int MINIMIZED_CHECK_MS = 3000;

} // namespace

void CTessavoxDlg::CreateTrayIcon()
{
    if (!CTrayIcon::IsAvailable())
        return;
    auto* record = platform::FindControl<QPushButton>(this, IDC_RECORD);
    auto* stop = platform::FindControl<QPushButton>(this, IDC_STOP);
    if (!record || !stop)
        return;
    m_pTray = std::make_unique<CTrayIcon>(m_hIcon, *record, *stop);
}

int CTessavoxDlg::RunWithTrayIcon()
{
    // Hidden, the window is not closed, and the program goes on until the window is done.
    const bool quitOnClose = QGuiApplication::quitOnLastWindowClosed();
    QGuiApplication::setQuitOnLastWindowClosed(false);
    QEventLoop loop;
    connect(this, &QDialog::finished, &loop, &QEventLoop::exit);
    if (!m_bStartHidden)
        show();
    const int result = loop.exec(QEventLoop::DialogExec);
    QGuiApplication::setQuitOnLastWindowClosed(quitOnClose);
    return result;
}

void CTessavoxDlg::StartMinimized()
{
    Create();
    if (m_pTray) {
        m_bStartHidden = true;
        return;
    }
    setWindowState(Qt::WindowMinimized);
    QTimer::singleShot(MINIMIZED_CHECK_MS, this, &CTessavoxDlg::CheckMinimizedStart);
}

void CTessavoxDlg::CheckMinimizedStart()
{
    // An X11 window manager reports the minimised state; a Wayland compositor never does.
    const QWindow* handle = windowHandle();
    if (MinimizedWindowReachable(isVisible(), handle && handle->isExposed(), isMinimized(),
                                 QGuiApplication::platformName() == QLatin1String("xcb")))
        return;
    ShowWindow();
}

void CTessavoxDlg::ShowWindow()
{
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
}

void CTessavoxDlg::OnQuit()
{
    m_bQuitting = true;
    reject();
}

bool CTessavoxDlg::HideToTrayIcon()
{
    if (!m_pTray || !m_pTray->IsPresent() || m_bQuitting)
        return false;
    const bool recording = m_pageRecord.m_engine.m_nStatus == STATUS_RECORDING;
    if (!recording && !m_schedule.IsStartWaiting())
        return false;
    hide();
    if (!std::exchange(m_bToldHidden, true))
        m_notifier.Notify(tr("Tessavox is still running"),
                          recording ? tr("The recording goes on. Choose \"Show Tessavox\" from its icon to see the "
                                         "window again.")
                                    : tr("The scheduled recording will start as planned. Choose \"Show Tessavox\" "
                                         "from its icon to see the window again."));
    return true;
}

void CTessavoxDlg::UpdateTrayIcon()
{
    if (m_pTray)
        m_pTray->SetState(TrayStateNow());
}

TrayState CTessavoxDlg::TrayStateNow() const
{
    using Activity = TrayState::Activity;
    const CAudioPlayRec& engine = m_pageRecord.m_engine;
    TrayState state;
    if (engine.m_nStatus == STATUS_RECORDING) {
        state.activity = engine.IsWaitingForSound() ? Activity::WaitingForSound
                         : engine.m_bPause          ? Activity::Paused
                                                    : Activity::Recording;
        state.file = QFileInfo(m_pageRecord.RecordingFilePath()).fileName();
        state.elapsed = m_tElapsed;
    } else if (engine.m_nStatus == STATUS_PLAYING) {
        // Pause holds recordings only: playing goes on.
        state.activity = Activity::Playing;
    } else if (m_schedule.IsStartWaiting()) {
        state.activity = Activity::StartArmed;
        state.nextStart = m_schedule.StartAt();
    }
    return state;
}
