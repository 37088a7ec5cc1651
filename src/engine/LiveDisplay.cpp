// The live display: while sound flows (a recording, monitoring, a playback) the trace and
// the meters are drawn once per display frame, whatever the pace at which buffers come,
// and not at all while the window cannot be seen.

#include "engine/AudioPlayRec.h"

#include "engine/view/ClipFlag.h"
#include "engine/view/LevelMeter.h"
#include "platform/Clock.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimerEvent>

#include <utility>

void CAudioPlayRec::AttachMeters(CLevelMeter* left, CLevelMeter* right)
{
    m_pMeter[BAND_LEFT] = left;
    m_pMeter[BAND_RIGHT] = right;
    ShowSilence();
}

void CAudioPlayRec::StartLive(bool playback)
{
    m_live.Restart(m_wfx.nSamplesPerSec, m_wfx.wBitsPerSample);
    // Playback shows the buffer just queued; capture may lag by the pieces its device hands over.
    m_pace.Restart(m_wfx.nSamplesPerSec, playback ? TraceWindow() : 0);
    m_bLive = true;
    ShowSilence();
    UpdateFrameTimer();
}

void CAudioPlayRec::EndLive()
{
    if (!m_bLive)
        return;
    m_bLive = false;
    UpdateFrameTimer();
    ShowSilence();
}

void CAudioPlayRec::ShowSilence()
{
    for (Band band : {BAND_LEFT, BAND_RIGHT}) {
        m_level[band].Reset();
        // A locked screen is shown it on unlock.
        if (m_pMeter[band] && !m_bScreenLocked)
            m_pMeter[band]->SetLevel(PeakBallistics::FLOOR_DB, PeakBallistics::FLOOR_DB);
    }
}

void CAudioPlayRec::ClearClipFlags()
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
void CAudioPlayRec::LightClipFlags()
{
    for (Band band : {BAND_LEFT, BAND_RIGHT}) {
        if (!m_live.TakeClip(band))
            continue;
        if (m_bScreenLocked)
            m_bClipUnseen[band] = true;
        else if (m_pMeter[band])
            m_pMeter[band]->Flag()->setChecked(true);
    }
}

void CAudioPlayRec::SetScreenLocked(bool locked)
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

void CAudioPlayRec::FrameWithSound()
{
    if (!m_bCollecting && m_frameTimers.IsSet(IDT_FRAME) && platform::MonotonicMs() - m_nLastFrameMs >= FRAME_MS - FRAME_EARLY_MS)
        OnFrame(true);
}

bool CAudioPlayRec::DisplaySeen() const
{
    return !m_imgDisplay.isNull() && isVisible() && !window()->isMinimized() && !m_bScreenLocked;
}

void CAudioPlayRec::UpdateFrameTimer()
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
    if (m_hWaveIn)
        m_hWaveIn->SetWatched(run);
}

// Back in sight: the sound as it stands now, at once rather than at the next frame, and
// whatever was erased meanwhile (a Stop behind a locked screen).
void CAudioPlayRec::ShowPresentState()
{
    if (m_bLive) {
        StepFrame(platform::MonotonicMs(), true);
        ComposeDisplay();
    }
    update(m_rcClient);
}

// Every event of the application passes here: all but the few that may move what covers the
// display leave at once.
bool CAudioPlayRec::eventFilter(QObject* watched, QEvent* e)
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
            m_bSightKnown = false;
        break;
    default:
        return false;
    }
    if (watched == window() &&
        (e->type() == QEvent::WindowStateChange || e->type() == QEvent::Show || e->type() == QEvent::Hide))
        UpdateFrameTimer();
    return QWidget::eventFilter(watched, e);
}

void CAudioPlayRec::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    UpdateFrameTimer();
}

void CAudioPlayRec::hideEvent(QHideEvent* e)
{
    QWidget::hideEvent(e);
    UpdateFrameTimer();
}

// Sound the backend held for this frame is taken in before it is drawn, so that the frame
// shows it and one wake-up of the program serves both. Taking it in may end the display (a
// failure, the end of a capture): then there is no frame to draw.
void CAudioPlayRec::OnFrameTimer()
{
    if (m_hWaveIn) {
        const bool was = std::exchange(m_bCollecting, true);
        const bool any = m_hWaveIn->Collect([this](const WaveEvent& ev) { PreTranslateMessage(ev); });
        if (any)
            QCoreApplication::sendPostedEvents(this, WaveEvent::EventType());
        m_bCollecting = was;
        if (any && !m_frameTimers.IsSet(IDT_FRAME))
            return;
    }
    OnFrame();
}

// One display frame: the display walks on through the sound, the trace shows where it
// stands, and the meters the peaks it walked over.
void CAudioPlayRec::OnFrame(bool withSound)
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
        ComposeDisplay();
        return;
    }
    // Painted at once, with no event to wake the program again for it.
    if (!PresentFrame()) {
        ComposeDisplay();
        repaint(m_rcClient);
    }
    emit FrameShown();
}

void CAudioPlayRec::StepFrame(std::int64_t now, bool catchUp)
{
    const std::uint64_t from = m_pace.Position();
    const std::uint64_t to = catchUp ? m_pace.CatchUp(m_live.Written(), now) : m_pace.Advance(m_live.Written(), now);
    for (Band band : {BAND_LEFT, BAND_RIGHT}) {
        const double peak = PeakBallistics::Decibels(m_live.PeakBetween(band, from, to), LiveHistory::FULL_SCALE);
        m_level[band].Show(to > from ? peak : PeakBallistics::FLOOR_DB, now);
        if (CLevelMeter* meter = m_pMeter[band])
            meter->SetLevel(m_level[band].Level(), m_level[band].Hold());
    }
    DrawWave();
}
