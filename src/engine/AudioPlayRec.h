#pragma once
// The recorder engine: captures through a ring of device buffers into a take's outputs,
// plays sound files back, and is itself the small window that shows the sound. It is the
// face the pages see, over the take (take/) and the live view (view/); the formats are in
// formats/ and decoders/. Everything runs on the UI thread: device notifications arrive as
// posted events.

#include "engine/DisplayPace.h"
#include "engine/LiveHistory.h"
#include "engine/PeakBallistics.h"
#include "engine/decoders/SoundDecoder.h"
#include "engine/take/Take.h"
#include "platform/WindowTimers.h"
#include "platform/audio/AudioBackend.h"

#include <QBasicTimer>
#include <QBrush>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPen>
#include <QPointer>
#include <QRect>
#include <QRegion>
#include <QStaticText>
#include <QString>
#include <QWidget>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class CLevelMeter;
class QPainter;
namespace platform {
struct MIXERLINE;
}

inline constexpr std::uint32_t STATUS_NONE = 0;
inline constexpr std::uint32_t STATUS_READY = 1;
inline constexpr std::uint32_t STATUS_PLAYING = 2;
inline constexpr std::uint32_t STATUS_RECORDING = 3;
inline constexpr std::uint32_t STATUS_STOPPING = 4;

inline constexpr std::uint32_t CHANNELS_MONO = 0;
inline constexpr std::uint32_t CHANNELS_STEREO = 1;
inline constexpr std::uint32_t CHANNELS_SPLIT = 2;

inline constexpr std::uint32_t WAVE_MAPPER = 0xFFFFFFFF;

// Engine timers: finish closing capture / playback if the last buffer never comes back.
inline constexpr int IDT_CLOSE_RECORD = 1;
inline constexpr int IDT_CLOSE_PLAY = 2;
// The live display's frames: one at least every FRAME_MS while sound flows, drawn when
// captured sound comes in if the next is due within FRAME_EARLY_MS, so that a device that
// hands over sound about as often wakes the program once for both. After such a frame the
// timer waits FRAME_GRACE_MS longer, for the next sound to bring the next frame too.
// Every frame costs a wake-up: 39 ms gives the fewest that stay above 25 a second.
inline constexpr int IDT_FRAME = 3;
inline constexpr int FRAME_MS = 39;
inline constexpr int FRAME_EARLY_MS = 10;
inline constexpr int FRAME_GRACE_MS = 6;

using AudioNotifyProc = void (*)(std::uint32_t message, void* owner);

class CAudioPlayRec : public QWidget {
    Q_OBJECT
public:
    CAudioPlayRec();
    ~CAudioPlayRec() override;

    int Create(std::uint32_t deviceId, QWidget* parent, const QRect* rect, AudioNotifyProc notify,
               void* owner);
    void SelectDevice(std::uint32_t deviceId);
    int StartRecord(std::uint16_t bits, std::uint32_t channelMode, std::uint32_t rate);
    int OpenRecordFile(int n, const QString& path);
    void CloseRecordFile(int n, const QString& kind);
    void Stop();
    int Play(const QString& path);

    // Called for each source line of the device's mixer (engine is the CAudioPlayRec):
    // notes which line is the microphone and which the line input; always goes on.
    static bool MatchMixerSource(std::uint32_t index, const platform::MIXERLINE& line, void* engine);

    // The take being recorded, or the last one: its files, parts and sound (take/Take.h).
    // The page sets its parts and silence skipping before it opens its outputs; a failed
    // write ends the recording at its next buffer.
    const Take& CurrentTake() const { return m_take; }
    void SetPartSeconds(std::uint32_t seconds) { m_take.SetPartSeconds(seconds); }
    void SetSkipSilence(const SkipSilence& options) { m_take.SetSkipSilence(options); }
    void SetMaxFileBytes(std::uint64_t bytes) { m_take.SetMaxFileBytes(bytes); }
    void FlushOutputs() { m_take.Flush(); }
    // A recording that skips silence is writing nothing now.
    bool IsWaitingForSound() const { return m_nStatus == STATUS_RECORDING && m_take.IsWaitingForSound(); }

    void SetBackColor(const QColor& colour);

    // Monitoring: the chosen device captured with no file while idle, so that the display
    // shows the input. Opens it in this format (any monitoring before is closed first);
    // empty when it runs, else why it cannot. Nothing is shown in a message box: a failure
    // later ends it and is told through MonitorFailed. Record and Play end it.
    QString StartMonitor(std::uint16_t bits, std::uint32_t channelMode, std::uint32_t rate);
    void StopMonitor();
    bool IsMonitoring() const { return m_bMonitoring; }

    // The meters the live display drives, left and right (either may be null). A new
    // recording clears their clip flags.
    void AttachMeters(CLevelMeter* left, CLevelMeter* right);
    // While the screen is locked nobody sees the display: it paints nothing, as while its
    // window is hidden, and shows the present state (clip flags included) on unlock.
    void SetScreenLocked(bool locked);
    bool IsScreenLocked() const { return m_bScreenLocked; }

    std::uint32_t m_nMicSource = 0;
    std::uint32_t m_nLineSource = 0;
    std::uint8_t m_bPause = 0;
    std::int32_t m_nQueued = 0;
    AudioNotifyProc m_pfnNotify = nullptr;
    void* m_pNotifyParam = nullptr;
    QBrush m_brBack;
    QColor m_crBack;
    QRect m_rcClient;
    // Made only for a display that is shown (a parent and a rectangle at Create).
    std::optional<QPen> m_penWave;
    std::optional<QPen> m_penAxis;
    std::uint32_t m_nStatus = STATUS_NONE;
    std::uint32_t m_bInput = 0;
    std::uint32_t m_nDeviceID = WAVE_MAPPER;
    WAVEFORMATEX m_wfx;
    std::uint32_t m_nChannelMode = CHANNELS_MONO;
    std::unique_ptr<platform::IWaveStream> m_hWaveIn;
    std::unique_ptr<platform::IWaveStream> m_hWaveOut;
    std::vector<std::vector<char>> m_pBuffers;
    std::vector<char> m_pLeft;
    std::vector<char> m_pRight;
    std::vector<WAVEHDR> m_pHeaders;
    std::int32_t m_nBufferSize = 1024;
    std::uint16_t m_nBufferCount = 0;

signals:
    // A failure about to be told in a message box, in its words: the box waits for the
    // user, and someone away should not have to.
    void Failure(const QString& text);
    // Monitoring ended on its own: the device failed or went away; reason says how.
    void MonitorFailed(const QString& reason);
    // Skipping silence: sound began (true) or ended (false) being written.
    void SoundingChanged(bool sounding);
    // A frame of the live display went to the screen.
    void FrameShown();

protected:
    bool event(QEvent* e) override;
    void timerEvent(QTimerEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    // The window's minimising and hiding start and stop the display's frames; any widget
    // that moves, shows, hides or is restacked may change what covers the display.
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    friend class EngineTestAccess;

    // Capture
    void SetFormat(std::uint16_t bits, std::uint32_t channelMode, std::uint32_t rate);
    int PrepareBuffers();
    int AllocBuffers(std::int32_t size);
    void FreeBuffers();
    // Opens the device in m_wfx, queues the ring and starts it; on failure everything is
    // given up again and failedCall names the call that failed.
    MMRESULT OpenCapture(QString* failedCall);
    int QueueInputBuffer(int i);
    void OnInputBufferDone(WAVEHDR* header);
    bool ConsumeInput(const WAVEHDR& header);
    bool GiveBackInput(WAVEHDR* header);
    void CloseRecord();
    void EndCaptureNow();
    void OnDeviceFailed(MMRESULT code);
    void ReportError(const QString& text, MMRESULT code);
    // Every failure is told through here: each open output is made whole first, so the
    // files are valid whatever happens while the message is shown.
    void ShowFailure(const QString& text);
    void ShowFailures(const QStringList& texts);
    void PreTranslateMessage(const WaveEvent& ev);
    void OnTimer(int id);
    // Monitoring that failed is ended once the notification at hand has been handled.
    void NoteMonitorFailure(const QString& reason);
    void EndFailedMonitor();

    int SplitChannels(std::uint16_t bits, const char* data, std::int32_t length);
    // The file Play reads, in the format its name gives; 0 when it cannot be played (told).
    int OpenPlaybackFile(const QString& path);

    // Display
    int CreateDisplayWindow(QWidget* parent, const QRect* rect);
    void InvalidateDisplay(const QRect& area);
    void DrawBackground(QPainter& painter);
    enum Band : int { BAND_LEFT = 0, BAND_RIGHT = 1 };
    void FillChannelBand(QPainter& painter, Band band);
    QRect ChannelBandRect(Band band) const;
    void DrawWave();
    void DrawWave16(std::uint32_t count, std::uint64_t first, Band band);
    void DrawWave8(std::uint32_t count, std::uint64_t first, Band band);
    template <typename YOf>
    void WalkBand(Band band, std::uint32_t count, std::uint64_t first, YOf yOf);
    // Samples of the trace: a buffer's worth per channel at 16 bits, half of one at 8.
    std::uint32_t TraceWindow() const;
    // The first of count points that falls in each column, as both walks place them.
    const std::uint32_t* WalkColumnFirsts(std::uint32_t count);
    void DrawBackgroundPicture();
    void ComposeDisplay();
    QRect RowsToCompose() const;
    void ComposeInto(uchar* bits, qsizetype stride);
    void CatchUpPicture();
    void RequestRepaint(const QRect& area);
    // Puts the picture on screen without a repaint; false where it cannot.
    bool PresentFrame();

    // Live display (frames, meters)
    void StartLive(bool playback);
    void EndLive();
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
    // Captured sound came in: a frame that is nearly due is drawn now.
    void FrameWithSound();
    void ShowSilence();
    void ClearClipFlags();
    // Lights the flag of each channel whose captured sound reached full scale; a file
    // played is not a take, and lights none.
    void LightClipFlags();

    // Playback
    std::uint32_t ReadPlayback(char* buffer);
    void EndFailedPlay();
    int WriteOutputBuffer(int i, std::uint32_t count);
    void OnOutputBufferDone(WAVEHDR* header);
    void ClosePlay();

    QBasicTimer m_timerCloseRecord;
    QBasicTimer m_timerClosePlay;
    // CloseRecord is taking in the buffers its reset handed back: none goes back to the device.
    bool m_bClosing = false;
    // The file being played.
    std::unique_ptr<ISoundDecoder> m_pSource;

    // What the display shows: the newest sound, where the display stands in it, and per
    // band the trace's column spans (rows top to bottom; none when top > bottom). The
    // storage is taken when the window is made: frames only overwrite it.
    LiveHistory m_live;
    // The take, whose silence gate reads the history above.
    Take m_take{m_live};
    DisplayPace m_pace;
    struct Column {
        std::int16_t top = 1;
        std::int16_t bottom = 0;
    };
    static void DrawTrace(uchar* bits, qsizetype stride, const std::vector<Column>& columns);
    std::vector<Column> m_traceColumns[2];
    // What the last frame drew of each band, in the picture or straight in the store: the
    // pixels the next one puts back.
    std::vector<Column> m_drawnColumns[2];
    bool m_bTraceShown[2] = {false, false};
    // Whether the display lies whole in sight in its window's store, and where: asked of
    // Qt again only after some widget moved, showed, hid or was restacked. Asking at every
    // frame cost a fifth of painting it.
    bool m_bSightKnown = false;
    bool m_bWholeInSight = false;
    QPoint m_ptInWindow;
    // The last frames went straight to the window's store, and the display's picture lags
    // them; or the picture changed without the store, which lags it.
    bool m_bPictureBehind = false;
    bool m_bStoreBehind = true;
    // The window's rows the last frame went to the screen through, and their region.
    QRect m_rcPresented;
    QRegion m_rgnPresented;
    // The background drawn once, and the picture of the display that frames compose.
    QImage m_imgBackground;
    QImage m_imgDisplay;
    // The first point of each column, kept for the count and width they were found for (the
    // same for every frame): the running sum that places the points would cost as much
    // again as the rest of the trace if it were done for every frame.
    std::vector<std::uint32_t> m_nWalkFirst;
    std::uint32_t m_nWalkCount = 0;
    int m_nWalkWidth = -1;
    // Takes the frame timer's ticks: a plain object, so that each of the display's many ticks
    // skips what a widget's events pass through (its event filters, its event handling), and
    // where it can, the application's event delivery too (a direct timer).
    struct FrameTicks : QObject {
        explicit FrameTicks(CAudioPlayRec& engine) : m_engine(engine) {}
        void timerEvent(QTimerEvent*) override { m_engine.OnFrameTimer(); }
        CAudioPlayRec& m_engine;
    };
    FrameTicks m_frameTicks{*this};
    platform::WindowTimers m_frameTimers{&m_frameTicks, platform::WindowTimers::Delivery::Direct};
    std::int64_t m_nLastFrameMs = 0;
    // Sound flows to the display (capture, or playback); the meters and how they move.
    bool m_bLive = false;
    bool m_bScreenLocked = false;
    // The display could be seen when last looked at.
    bool m_bSeen = false;
    bool m_bCollecting = false; // taking in, at a frame, the sound held for it
    bool m_bFrameAtPeriod = false; // the frame timer runs at FRAME_MS
    // A clip came while the screen was locked: its flag lights on unlock.
    bool m_bClipUnseen[2] = {false, false};
    QPointer<CLevelMeter> m_pMeter[2];
    PeakBallistics m_level[2];
    // Monitoring, and a failure of it still to be acted on.
    bool m_bMonitoring = false;
    QString m_strMonitorFailure;
    // The capture stream StartRecord opened last: only its close ends a recording.
    std::uint64_t m_nRecordStreamId = 0;
    // The band names, laid out once rather than on every repaint.
    QFont m_fontLabel;
    QStaticText m_stLabel[2] = {QStaticText(QStringLiteral("Left")), QStaticText(QStringLiteral("Right"))};
};
