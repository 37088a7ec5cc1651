// The live view: frames, meters, clip flags, and whether anyone can see the display.

#include "engine/view/LiveView.h"

#include "engine/LiveHistory.h"
#include "engine/view/ClipFlag.h"
#include "engine/view/LevelMeter.h"
#include "platform/Clock.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <utility>

namespace {
using Band = TracePicture::Band;
constexpr Band BAND_LEFT = TracePicture::BAND_LEFT;
constexpr Band BAND_RIGHT = TracePicture::BAND_RIGHT;
} // namespace

LiveView::LiveView(QWidget& widget, const LiveHistory& live, ILiveSource& source)
    : m_widget(widget), m_live(live), m_source(source), m_picture(widget, live)
{
}

int LiveView::CreateDisplayWindow(QWidget* parent, const QRect* rect)
{
    m_widget.setParent(parent);
    m_widget.setFocusPolicy(Qt::TabFocus);
    m_widget.setCursor(Qt::ArrowCursor);
    m_widget.setGeometry(rect ? *rect : QRect());
    if (rect)
        m_widget.show();
    // A display without a parent and a rectangle is never seen: it draws nothing.
    const bool shown = parent && rect;
    m_picture.Create(shown);
    if (shown) {
        // Every pixel is painted from the picture: nothing behind it need be.
        m_widget.setAttribute(Qt::WA_OpaquePaintEvent);
        // Every widget's moves and showings, not only the window's: a sibling may cover it.
        QCoreApplication::instance()->installEventFilter(this);
    }
    return 1;
}

void LiveView::SetBackColor(const QColor& colour)
{
    m_picture.SetBackColor(colour);
    InvalidateDisplay(m_picture.ClientRect());
}

// An erased band shows empty until the next frame brings a trace. Only a display that can
// be seen is repainted: a hidden or minimised one, or one behind a locked screen, keeps its
// picture and is painted from it when it comes back into sight.
void LiveView::InvalidateDisplay(const QRect& area)
{
    m_picture.EraseBands(area);
    if (DisplaySeen())
        m_widget.update(area);
}

// The lower band {left, (bottom - top + 1) / 2, right, bottom}, shrunk by 4 pixels.
void LiveView::InvalidateLowerBand()
{
    const QRect& client = m_picture.ClientRect();
    if (client.isNull())
        return;
    const int top = (client.bottom() + 1 - client.top() + 1) / 2;
    InvalidateDisplay(QRect(QPoint(client.left(), top), client.bottomRight()).adjusted(4, 4, -4, -4));
}

void LiveView::AttachMeters(CLevelMeter* left, CLevelMeter* right)
{
    m_pMeter[BAND_LEFT] = left;
    m_pMeter[BAND_RIGHT] = right;
    ShowSilence();
}

void LiveView::StartLive(bool playback)
{
    m_pace.Restart(m_live.Rate(), playback ? m_source.TraceWindow() : 0);
    m_bLive = true;
    ShowSilence();
    UpdateFrameTimer();
}

void LiveView::EndLive()
{
    if (!m_bLive)
        return;
    m_bLive = false;
    UpdateFrameTimer();
    ShowSilence();
}

void LiveView::ShowSilence()
{
    for (Band band : {BAND_LEFT, BAND_RIGHT}) {
        m_level[band].Reset();
        // A locked screen is shown it on unlock.
        if (m_pMeter[band] && !m_bScreenLocked)
            m_pMeter[band]->SetLevel(PeakBallistics::FLOOR_DB, PeakBallistics::FLOOR_DB);
    }
}

void LiveView::ClearClipFlags()
{
    for (Band band : {BAND_LEFT, BAND_RIGHT}) {
        m_bClipUnseen[band] = false;
        if (m_pMeter[band])
            m_pMeter[band]->Flag()->setChecked(false);
    }
}

// At each captured buffer rather than at a frame: the sound of a take that comes in after
// Stop, up to its moment, is no less the take's. Behind a locked screen the flag waits for
// the unlock, lit then whatever came meanwhile (another take, monitoring).
void LiveView::LightClipFlags(bool left, bool right)
{
    for (Band band : {BAND_LEFT, BAND_RIGHT}) {
        if (!(band == BAND_LEFT ? left : right))
            continue;
        if (m_bScreenLocked)
            m_bClipUnseen[band] = true;
        else if (m_pMeter[band])
            m_pMeter[band]->Flag()->setChecked(true);
    }
}

void LiveView::SetScreenLocked(bool locked)
{
    if (locked == m_bScreenLocked)
        return;
    m_bScreenLocked = locked;
    if (!locked) {
        for (Band band : {BAND_LEFT, BAND_RIGHT}) {
            if (!m_pMeter[band])
                continue;
            if (std::exchange(m_bClipUnseen[band], false))
                m_pMeter[band]->Flag()->setChecked(true);
            m_pMeter[band]->SetLevel(m_level[band].Level(), m_level[band].Hold());
        }
    }
    UpdateFrameTimer();
}

void LiveView::FrameWithSound()
{
    if (!m_bCollecting && m_frameTimers.IsSet(IDT_FRAME) && platform::MonotonicMs() - m_nLastFrameMs >= FRAME_MS - FRAME_EARLY_MS)
        OnFrame(true);
}

bool LiveView::DisplaySeen() const
{
    return m_picture.IsMade() && m_widget.isVisible() && !m_widget.window()->isMinimized() && !m_bScreenLocked;
}

void LiveView::UpdateFrameTimer()
{
    const bool seen = DisplaySeen();
    const bool run = m_bLive && seen;
    if (run != m_frameTimers.IsSet(IDT_FRAME)) {
        if (run) {
            m_frameTimers.Set(IDT_FRAME, FRAME_MS);
            m_bFrameAtPeriod = true;
        } else {
            m_frameTimers.Kill(IDT_FRAME);
        }
    }
    if (seen && !m_bSeen)
        ShowPresentState();
    m_bSeen = seen;
    // Sound watched may wait for the next frame, which takes it in (OnFrameTimer); sound
    // nobody watches may come in larger, rarer batches: fewer wake-ups for the files alone.
    m_source.SetCaptureWatched(run);
}

// Back in sight: the sound as it stands now, at once rather than at the next frame, and
// whatever was erased meanwhile (a Stop behind a locked screen).
void LiveView::ShowPresentState()
{
    if (m_bLive) {
        StepFrame(platform::MonotonicMs(), true);
        m_picture.ComposeDisplay();
    }
    m_widget.update(m_picture.ClientRect());
}

// Every event of the application passes here: all but the few that may move what covers the
// display leave at once.
bool LiveView::eventFilter(QObject* watched, QEvent* e)
{
    switch (e->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::ZOrderChange:
    case QEvent::ParentChange:
    case QEvent::WindowStateChange:
        if (watched->isWidgetType())
            m_picture.ForgetPlace();
        break;
    default:
        return false;
    }
    if (watched == m_widget.window() &&
        (e->type() == QEvent::WindowStateChange || e->type() == QEvent::Show || e->type() == QEvent::Hide))
        UpdateFrameTimer();
    return false;
}

void LiveView::timerEvent(QTimerEvent*)
{
    OnFrameTimer();
}

// Sound the capture held for this frame is taken in before it is drawn, so that the frame
// shows it and one wake-up of the program serves both. Taking it in may end the display (a
// failure, the end of a capture): then there is no frame to draw.
void LiveView::OnFrameTimer()
{
    const bool was = std::exchange(m_bCollecting, true);
    const bool any = m_source.TakeHeldSound();
    m_bCollecting = was;
    if (any && !m_frameTimers.IsSet(IDT_FRAME))
        return;
    OnFrame();
}

// One display frame: the display walks on through the sound, the trace shows where it
// stands, and the meters the peaks it walked over.
void LiveView::OnFrame(bool withSound)
{
    const std::int64_t now = platform::MonotonicMs();
    m_nLastFrameMs = now;
    // The next frame is due a period from this one, whatever drew this one. A timer that
    // drew it at its own period just runs on: restarting it costs a good part of a frame.
    if (withSound || !m_bFrameAtPeriod) {
        m_frameTimers.Set(IDT_FRAME, withSound ? FRAME_MS + FRAME_GRACE_MS : FRAME_MS);
        m_bFrameAtPeriod = !withSound;
    }
    StepFrame(now);
    if (!DisplaySeen()) {
        m_picture.ComposeDisplay();
        return;
    }
    // Painted at once, with no event to wake the program again for it.
    if (!m_picture.PresentFrame()) {
        m_picture.ComposeDisplay();
        m_widget.repaint(m_picture.ClientRect());
    }
    emit FrameShown();
}

void LiveView::StepFrame(std::int64_t now, bool catchUp)
{
    const std::uint64_t from = m_pace.Position();
    const std::uint64_t to = catchUp ? m_pace.CatchUp(m_live.Written(), now) : m_pace.Advance(m_live.Written(), now);
    for (Band band : {BAND_LEFT, BAND_RIGHT}) {
        const double peak = PeakBallistics::Decibels(m_live.PeakBetween(band, from, to), LiveHistory::FULL_SCALE);
        m_level[band].Show(to > from ? peak : PeakBallistics::FLOOR_DB, now);
        if (CLevelMeter* meter = m_pMeter[band])
            meter->SetLevel(m_level[band].Level(), m_level[band].Hold());
    }
    m_picture.DrawWave(m_pace.Position(), m_source.TraceWindow(), m_source.IsBandShown(BAND_LEFT),
                       m_source.IsBandShown(BAND_RIGHT));
}
