#pragma once
// The recorder engine: captures through a ring of device buffers into WAV (and MP3)
// outputs, plays WAV files back, and is itself the small window that shows the sound.
// Everything runs on the UI thread: device notifications arrive as posted events.

#include "engine/LiveHistory.h"
#include "engine/PreRollRing.h"
#include "engine/RiffChunk.h"
#include "engine/SilenceGate.h"
#include "engine/decoders/SoundDecoder.h"
#include "engine/formats/OutputFormat.h"
#include "engine/view/LiveView.h"
#include "platform/DynamicLibrary.h"
#include "platform/WindowTimers.h"
#include "platform/audio/AudioBackend.h"

#include "lame_enc.h"

#include <QBasicTimer>
#include <QString>
#include <QWidget>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <vector>

class RiffReader;
class RiffWriter;
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

// The RIFF size fields are 32-bit: a file may not grow past this many bytes.
inline constexpr std::uint64_t MAX_WAVE_FILE_BYTES = 0xFFFFFFFFull;

// Sound-activated recording: silence is skipped, and with filePerSound each stretch of
// sound has a file of its own, named with the moment it began.
struct SkipSilence {
    bool enabled = false;
    double levelDb = -45.0;
    double afterSeconds = 3.0;
    bool filePerSound = false;
};
// The sound kept before the input rose, in seconds.
inline constexpr double PRE_ROLL_SECONDS = 0.5;

using AudioNotifyProc = void (*)(std::uint32_t message, void* owner);

// The engine is the display's window: the live view paints in it and reads its sound.
class CAudioPlayRec : public QWidget, private ILiveSource {
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

    // The path an output is written to now: the file name lower-cased, and "-2", "-3", ...
    // once it has gone on into later parts. Empty when the output is not open.
    QString OutputPath(int n) const;
    bool IsOutputOpen(int n) const;
    // Writes what the WAV outputs have gathered, so that their files on disk hold the whole
    // take (the size shown is read from the file). A write that fails here ends the
    // recording at its next buffer, as any failed write does.
    void FlushOutputs();
    // The part the outputs are writing (1 for the first); 0 when none is open.
    int CurrentPart() const;
    // The part the outputs wrote last: still known once the recording has ended.
    int LastPart() const { return std::max(m_nOutputPart[0], m_nOutputPart[1]); }
    // Tests lower the per-file limit to see a recording go on into the next file.
    void SetMaxFileBytes(std::uint64_t bytes) { m_nMaxFileBytes = bytes; }
    // The sound written since the recording started, in bytes of the captured format; paused
    // sound is not counted.
    std::uint64_t RecordedBytes() const { return m_nRecordedBytes; }
    // Each time this many seconds of sound have been written, the outputs go on into a new
    // file, named as past the size limit; 0 keeps one file. Counted from the start of the
    // recording; the page sets it as it opens a recording's outputs.
    void SetPartSeconds(std::uint32_t seconds) { m_nPartSeconds = seconds; }

    // Set before the outputs are opened: they then wait for sound (IsOutputInUse) and
    // their files are made when it comes, so a recording with none leaves no file.
    void SetSkipSilence(const SkipSilence& options);
    const SkipSilence& SkipSilenceOptions() const { return m_skip; }
    // Skipping silence: the sound heard since the recording started, written or not, in
    // frames; paused sound is not counted.
    std::uint64_t HeardFrames() const { return m_gate.Position(); }
    // A recording that skips silence is writing nothing now.
    bool IsWaitingForSound() const;
    // Open, or waiting for sound to open.
    bool IsOutputInUse(int n) const { return IsOutputOpen(n) || m_bAwaiting[n]; }
    // The path an output asked for (before any time is added to it); empty when unused.
    QString RequestedPath(int n) const;

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

    std::uint32_t m_nMicSource = 0;
    std::uint32_t m_nLineSource = 0;
    std::uint8_t m_bPause = 0;
    std::int32_t m_nQueued = 0;
    AudioNotifyProc m_pfnNotify = nullptr;
    void* m_pNotifyParam = nullptr;
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
    std::unique_ptr<RiffWriter> m_hFile[2];
    MMCKINFO m_ckRiff[2];
    MMCKINFO m_ckData[2];

    // MP3 encoding: the library once, and per output (0, 1) its stream, file and buffers.
    std::unique_ptr<platform::DynamicLibrary> m_hEncoderLib;
    BEINITSTREAM beInitStream = nullptr;
    BEENCODECHUNK beEncodeChunk = nullptr;
    BEDEINITSTREAM beDeinitStream = nullptr;
    BECLOSESTREAM beCloseStream = nullptr;
    BEVERSION beVersion = nullptr;
    BEWRITEVBRHEADER beWriteVBRHeader = nullptr;
    BEWRITEINFOTAG beWriteInfoTag = nullptr;
    std::vector<std::uint8_t> m_pMp3Buffer[2];
    std::vector<char> m_pPcmBuffer[2];
    std::uint32_t m_nPcmFill[2] = {0, 0};
    std::FILE* m_fpMp3[2] = {nullptr, nullptr};
    QString m_strMp3Path[2];
    HBE_STREAM m_hMp3Stream[2] = {0, 0};
    std::uint32_t m_nPcmBufferSize = 0;
    std::uint32_t m_dwChunkSamples = 0;

    // Outputs in the other formats (FLAC, Opus), chosen by the file name.
    std::unique_ptr<IOutputFile> m_pOutput[2];

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
    void SettleOutputs();
    void PreTranslateMessage(const WaveEvent& ev);
    void OnTimer(int id);
    // Monitoring that failed is ended once the notification at hand has been handled.
    void NoteMonitorFailure(const QString& reason);
    void EndFailedMonitor();

    // Parts
    bool WriteOutputs(const char* const block[2], std::uint32_t length);
    bool WriteBlock(const char* const block[2], std::uint32_t length);
    std::uint64_t PartBytes() const;
    bool StartNextPart(int n);
    void HoldFailure(const QString& text);

    // Skipping silence
    void StartGate();
    bool AwaitOutput(int n, const QString& target);
    bool WriteSounding(const char* const block[2], std::uint32_t length);
    std::optional<SilenceGate::Loud> LoudFrames(std::uint32_t frames) const;
    bool WritePreRoll(std::uint64_t frames);
    bool BeginSound(std::uint64_t from);
    bool EndSound();
    // Bytes of one frame in each output's block: one channel each, or the captured frame.
    std::uint32_t OutputFrameBytes() const;

    // Outputs
    static bool IsMp3Path(const QString& path);
    bool OpenOutput(int n, const QString& target);
    bool FinishOutput(int n);

    // WAV files
    int OpenWaveFile(int n, const QString& path);
    bool WriteWave(int n, const char* data, std::uint32_t length);
    int SplitChannels(std::uint16_t bits, const char* data, std::int32_t length);
    int OpenWaveForRead(const QString& path);

    // FLAC and Opus outputs, and the decoded files Play reads
    int OpenFormatFile(int n, const QString& path, const OutputSpec* previous = nullptr);
    bool FinishFormatFile(int n);
    int OpenDecodedForRead(const QString& path);

    // MP3
    void ResetMp3State();
    int LoadEncoder();
    void ClearEntryPoints();
    int OpenMp3Stream(const QString& path, int s);
    void FeedMp3Streams(const char* const block[2], const std::uint32_t length[2]);
    void EncodeHeldChunks(int s);
    int EncodeMp3Chunk(int s, const char* pcm, std::uint32_t bytes);
    bool EndMp3Stream(int s);
    bool CloseMp3Stream(int s);
    std::uint32_t StreamChannels() const;
    void UnloadEncoder();

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
    // Where each output goes: the path as opened, and which part of it is being written.
    QString m_strOutputPath[2];
    int m_nOutputPart[2] = {1, 1};
    std::uint64_t m_nUnsizedBytes[2] = {0, 0};
    std::uint64_t m_nMaxFileBytes = MAX_WAVE_FILE_BYTES;
    // The set length of a part (0: one file), and the bytes of each output's block written
    // into the part being written; pause does not count.
    std::uint32_t m_nPartSeconds = 0;
    std::uint64_t m_nPartWritten = 0;
    // The whole recording's sound written, in bytes of the captured format.
    std::uint64_t m_nRecordedBytes = 0;
    // A write has failed in this recording: nothing more is written, and it is reported
    // once, when the files have been finished. While a part is cut, failures are held for
    // that report too.
    bool m_bWriteFailed = false;
    QString m_strFailureToReport;
    bool m_bHoldFailures = false;
    // Skipping silence: the options, the stream's stretches of sound, the sound before the
    // present for each output, the outputs waiting for sound with the paths they asked
    // for, and the magnitude (16-bit scale) above which a sample is sound.
    SkipSilence m_skip;
    SilenceGate m_gate;
    PreRollRing m_preRoll[2];
    bool m_bAwaiting[2] = {false, false};
    QString m_strAwaitPath[2];
    std::uint32_t m_nSoundLevel = 0;
    // CloseRecord is taking in the buffers its reset handed back: none goes back to the device.
    bool m_bClosing = false;
    std::unique_ptr<RiffReader> m_hReadFile;
    // The source of a playback in a compressed format (the WAV reader above is the other).
    std::unique_ptr<ISoundDecoder> m_pDecoder;

    // The newest sound, for the display and for finding silence; and the display.
    LiveHistory m_live;
    LiveView m_view{*this, m_live, *this};
    // Monitoring, and a failure of it still to be acted on.
    bool m_bMonitoring = false;
    QString m_strMonitorFailure;
    // The capture stream StartRecord opened last: only its close ends a recording.
    std::uint64_t m_nRecordStreamId = 0;
};
