#pragma once
// The live view: while sound flows (a recording, monitoring, a playback) the trace and the
// meters are drawn once per display frame, whatever the pace at which buffers come, and not
// at all while nobody can see the window. It paints in the recorder's window, reads the
// recorder's history of the newest sound, and asks the rest of the recorder through
// ILiveSource; the window hands it its paint, show and hide events.

#include "engine/view/DisplayPace.h"
#include "engine/view/ILiveSource.h"
#include "engine/view/PeakBallistics.h"
#include "engine/view/TracePicture.h"
#include "platform/WindowTimers.h"

#include <QObject>
#include <QPointer>

#include <cstdint>

class CLevelMeter;
class LiveHistory;

// The display's frames: one at least every FRAME_MS while sound flows, drawn when captured
// sound comes in if the next is due within FRAME_EARLY_MS, so that a device that hands over
// sound about as often wakes the program once for both. After such a frame the timer waits
// FRAME_GRACE_MS longer, for the next sound to bring the next frame too. Every frame costs
// a wake-up: 39 ms gives the fewest that stay above 25 a second.
inline constexpr int IDT_FRAME = 3;
inline constexpr int FRAME_MS = 39;
inline constexpr int FRAME_EARLY_MS = 10;
inline constexpr int FRAME_GRACE_MS = 6;

class LiveView : public QObject {
    Q_OBJECT
public:
    // widget: the display window; live: the newest sound, which the source keeps.
    LiveView(QWidget& widget, const LiveHistory& live, ILiveSource& source);

    // Lays the window over rect of parent and shows it; without both it is never seen and
    // draws nothing.
    int CreateDisplayWindow(QWidget* parent, const QRect* rect);
    void SetBackColor(const QColor& colour);
    // The meters the view drives, left and right (either may be null).
    void AttachMeters(CLevelMeter* left, CLevelMeter* right);
    // While the screen is locked nobody sees the display: it paints nothing, as while its
    // window is hidden, and shows the present state (clip flags included) on unlock.
    void SetScreenLocked(bool locked);
    bool IsScreenLocked() const { return m_bScreenLocked; }

    // Sound starts to flow into the history (restarted for it), or has stopped. Playback
    // shows the trace window just queued; capture may lag by the pieces its device hands over.
    void StartLive(bool playback);
    void EndLive();
    // Captured sound came in: a frame that is nearly due is drawn now.
    void FrameWithSound();
    // A new recording's flags start unlit.
    void ClearClipFlags();
    // Lights the flag of each channel whose captured sound reached full scale.
    void LightClipFlags(bool left, bool right);
    // The bands area touches show empty until the next frame.
    void InvalidateDisplay(const QRect& area);
    // A device was chosen: the lower band, inside its edges.
    void InvalidateLowerBand();

    // The window's own events.
    void Paint() { m_picture.Paint(); }
    void VisibilityChanged() { UpdateFrameTimer(); }

    // Where the display stands in the sound (frames).
    std::uint64_t ShownFrames() const { return m_pace.Position(); }

signals:
    // A frame of the display went to the screen.
    void FrameShown();

protected:
    // The frame timer's ticks: this is a plain object, so that each of the display's many
    // ticks skips what a widget's events pass through (its event filters, its event
    // handling), and where it can, the application's event delivery too (a direct timer).
    void timerEvent(QTimerEvent* e) override;
    // The window's minimising and hiding start and stop the frames; any widget that moves,
    // shows, hides or is restacked may change what covers the display.
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    // Whether anyone can see the display: shown, not minimised, the screen not locked.
    bool DisplaySeen() const;
    // Runs the frames while sound flows into a display that can be seen; one that comes
    // back into sight shows the present state at once.
    void UpdateFrameTimer();
    // The frame timer: the sound held for the display comes in first.
    void OnFrameTimer();
    // withSound: drawn as sound came in, rather than by the timer.
    void OnFrame(bool withSound = false);
    // The frame's state: the display walked on to now (or caught up with the newest sound),
    // the meters and the trace picture.
    void StepFrame(std::int64_t now, bool catchUp = false);
    void ShowPresentState();
    void ShowSilence();

    QWidget& m_widget;
    const LiveHistory& m_live;
    ILiveSource& m_source;
    TracePicture m_picture;
    // Where the display stands in the sound.
    DisplayPace m_pace;
    platform::WindowTimers m_frameTimers{this, platform::WindowTimers::Delivery::Direct};
    std::int64_t m_nLastFrameMs = 0;
    // Sound flows to the display (capture, or playback).
    bool m_bLive = false;
    bool m_bScreenLocked = false;
    // The display could be seen when last looked at.
    bool m_bSeen = false;
    bool m_bCollecting = false; // taking in, at a frame, the sound held for it
    bool m_bFrameAtPeriod = false; // the frame timer runs at FRAME_MS
    // A clip came while the screen was locked: its flag lights on unlock.
    bool m_bClipUnseen[2] = {false, false};
    // The meters and how they move.
    QPointer<CLevelMeter> m_pMeter[2];
    PeakBallistics m_level[2];
};
