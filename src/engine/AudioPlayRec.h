#pragma once
// The recorder engine: captures through a ring of device buffers into a take's outputs,
// plays sound files back, and is itself the small window that shows the sound. It is the
// face the pages see, over the take (take/) and the live view (view/); the formats are in
// formats/ and decoders/. Everything runs on the UI thread: device notifications arrive as
// posted events.

#include "engine/LiveHistory.h"
#include "engine/decoders/SoundDecoder.h"
#include "engine/take/SilenceWatch.h"
#include "engine/take/Take.h"
#include "engine/view/LiveView.h"
#include "platform/audio/AudioBackend.h"

#include <QBasicTimer>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <memory>
#include <vector>

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

using AudioNotifyProc = void (*)(std::uint32_t message, void* owner);

// The engine is the display's window: the live view paints in it and reads its sound.
class CAudioPlayRec : public QWidget, private ILiveSource {
    Q_OBJECT
public:
    CAudioPlayRec();
    ~CAudioPlayRec() override;

    int Create(std::uint32_t deviceId, QWidget* parent, const QRect* rect, AudioNotifyProc notify, void* owner);
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
    // Watches the take being recorded for a silence of seconds (0: not at all), told through
    // InputSilenceChanged; each StartRecord watches nothing until asked.
    void WatchForSilence(std::int64_t seconds) { m_silenceWatch.Start(seconds); }
    // A recording that skips silence is writing nothing now.
    bool IsWaitingForSound() const { return m_nStatus == STATUS_RECORDING && m_take.IsWaitingForSound(); }

    void SetBackColor(const QColor& colour) { m_view.SetBackColor(colour); }

    // Monitoring: the chosen device captured with no file while idle, so that the display
    // shows the input. Opens it in this format (any monitoring before is closed first);
    // empty when it runs, else why it cannot. Nothing is shown in a message box: a failure
    // later ends it and is told through MonitorFailed. Record and Play end it.
    QString StartMonitor(std::uint16_t bits, std::uint32_t channelMode, std::uint32_t rate);
    void StopMonitor();
    bool IsMonitoring() const { return m_bMonitoring; }

    // The meters the live display drives, left and right (either may be null). A new
    // recording clears their clip flags.
    void AttachMeters(CLevelMeter* left, CLevelMeter* right) { m_view.AttachMeters(left, right); }
    // While the screen is locked nobody sees the display: it paints nothing, as while its
    // window is hidden, and shows the present state (clip flags included) on unlock.
    void SetScreenLocked(bool locked) { m_view.SetScreenLocked(locked); }
    bool IsScreenLocked() const { return m_view.IsScreenLocked(); }

    // The format of the capture, or of the file being played, and the channel layout.
    const WAVEFORMATEX& Format() const { return m_wfx; }
    std::uint32_t ChannelMode() const { return m_nChannelMode; }

    // What other windows read and set directly.
    std::uint32_t m_nMicSource = 0;
    std::uint32_t m_nLineSource = 0;
    std::uint8_t m_bPause = 0;
    std::uint32_t m_nStatus = STATUS_NONE;
    std::uint32_t m_nDeviceID = WAVE_MAPPER;

signals:
    // A failure about to be told in a message box, in its words: the box waits for the
    // user, and someone away should not have to.
    void Failure(const QString& text);
    // Monitoring ended on its own: the device failed or went away; reason says how.
    void MonitorFailed(const QString& reason);
    // Skipping silence: sound began (true) or ended (false) being written.
    void SoundingChanged(bool sounding);
    // The watched input has been silent for the time asked (true), or sound came back
    // after such a silence (false).
    void InputSilenceChanged(bool silent);
    // A frame of the live display went to the screen.
    void FrameShown();

protected:
    bool event(QEvent* e) override;
    void timerEvent(QTimerEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    friend class EngineTestAccess;

    std::int32_t m_nQueued = 0;
    AudioNotifyProc m_pfnNotify = nullptr;
    void* m_pNotifyParam = nullptr;
    std::uint32_t m_bInput = 0;
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
    // Every failure is told here, each open file made valid first, whatever happens meanwhile.
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

    // The live view's questions
    bool TakeHeldSound() override;
    void SetCaptureWatched(bool watched) override;
    bool IsBandShown(int band) const override;
    std::uint32_t TraceWindow() const override;
    // Sound begins to flow to the display: the history starts over in the format at hand.
    void StartLive(bool playback);

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

    // The newest sound, for the display and for finding silence; and the display.
    LiveHistory m_live;
    // The take, whose silence gate reads the history above, and the view, which shows it.
    Take m_take{m_live};
    // Reads the same history's block peaks, once per buffer.
    SilenceWatch m_silenceWatch;
    void WatchInput(std::uint32_t frames);
    LiveView m_view{*this, m_live, *this};
    // Monitoring, and a failure of it still to be acted on.
    bool m_bMonitoring = false;
    QString m_strMonitorFailure;
    // The capture stream StartRecord opened last: only its close ends a recording.
    std::uint64_t m_nRecordStreamId = 0;
};
