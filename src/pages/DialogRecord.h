#pragma once
// The page under the "Record" tab: the recording settings, the capture device with its
// input source and volume, and the output file. It owns the engine, opens the engine's
// outputs when a recording starts, and keeps the enabled state of its controls and of the
// main window's Record and Play buttons in step with the engine.

#include "engine/AudioPlayRec.h"
#include "engine/formats/FormatTable.h"

#include <QWidget>

#include <cstdint>
#include <iterator>
#include <optional>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QSpinBox;
class QTimeEdit;

// The sample rates of the rate list, in its order.
inline constexpr std::int32_t SAMPLE_RATES[] = {8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100, 48000};

// The rate a position of the rate list stands for; one outside the list is 22050 Hz.
inline std::int32_t SampleRateAt(std::int32_t index)
{
    return index >= 0 && index < std::ssize(SAMPLE_RATES) ? SAMPLE_RATES[index] : 22050;
}

class CDialogRecord : public QWidget {
    Q_OBJECT
public:
    // Builds the page's controls; the page is initialised once it has its place (OnInitDialog).
    CDialogRecord();
    ~CDialogRecord() override;

    // Lists the devices, creates the engine over the main window's display placeholder,
    // fills the lists and makes the microphone the recording source.
    bool OnInitDialog();

    // The saved settings have been shown in the controls: the page takes them up.
    void OnRestored();
    // save: copy the controls into the fields; else show the fields in the controls.
    void UpdateData(bool save);
    // Opens the output file or files of the capture the engine has just started, for a take
    // named name; false when it is not capturing or an output cannot be opened (the engine
    // has said why). Without a name, the take is named as one starting now.
    bool StartOutputFiles(const QString& name);
    bool StartOutputFiles();
    // The name of a take started at start: the typed name, with that moment in it while
    // " Add date and time to the name" is ticked.
    QString TakeName(std::int64_t start);
    // The files a take named name writes as the page is set: one, or one per ticked channel.
    QStringList TakeFiles(const QString& name);
    void UpdateControls();
    // Follows the server's capture devices: refills the device list when it changed, finds
    // the chosen device again by its id and gives the engine its current number; when it
    // is gone, chooses as start-up does and says so (DeviceNotice). While the engine is
    // busy it waits for the device to close. Also called just before a recording opens
    // the device, so the number the engine opens is current.
    void UpdateDeviceList();
    // Finishes the outputs that no longer match the file type or the channel boxes.
    void CloseUnusedOutputs();
    // Keeps the engine monitoring the chosen device in the chosen format while " Monitor
    // input" is ticked and the engine is idle, and not otherwise. A device that cannot be
    // monitored clears the box and says why (DeviceNotice).
    void FollowMonitor();
    // The file the recording is writing now (it moves on past the size limit), or empty.
    QString RecordingFilePath() const;
    // The length of sound after which the recording goes on into a new file, in seconds;
    // 0 while " New file every" is clear.
    std::uint32_t PartSeconds() const;

    // The seconds of sound that fit on the disk: for the take being recorded, its files as
    // they are written; otherwise a take as the page is set (the typed name's format and
    // folder, the rate, the width, and one file per ticked channel). Empty when the disk
    // cannot say. Each call asks the file system once.
    std::optional<std::int64_t> RoomLeft() const;
    // The room label shows it; returns what it shows.
    std::optional<std::int64_t> ShowRoom();

    // What " Skip silence" and its controls ask of a recording.
    SkipSilence SkipSilenceChoice() const;
    // The meters mark the level below which silence is skipped, while it is.
    void ShowSilenceLevel();

    // The engine's notification callback; owner is the page.
    static void OnEngineNotify(std::uint32_t message, void* owner);

    QSlider* m_sliderLineIn = nullptr;
    QSlider* m_sliderMic = nullptr;
    CAudioPlayRec m_engine;
    std::int32_t m_nDevice = -1;
    std::int32_t m_nSource = 0;
    std::int32_t m_nChannelIndex = 0;
    FileType m_nFileType = FileType::Mp3;
    FileType m_nPrevFileType = FileType::Mp3;
    QString m_strFilePath;
    QString m_strFileName;
    QString m_strFolder;
    std::int32_t m_nSampleRateIndex = 0;
    std::int32_t m_nBitsIndex = 0;
    // The output path the running recording was started with: its parts are named after it.
    QString m_strRecordingPath;
    // The id of the device the user chose (or the page chose for them). Kept while the
    // device is missing from an empty list, so that a server that restarts finds it again.
    QString m_strDeviceId;

signals:
    // The engine's capture or playback device has closed; the page's controls are refreshed.
    void EngineDeviceClosed();
    // The chosen capture device changed, or stopped being monitored, without the user's
    // doing; text says what happened.
    void DeviceNotice(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void customEvent(QEvent* event) override;

private:
    void BuildControls();
    void ConnectControls();
    // Lists the capture devices at start-up, chooses one, and starts following the server.
    void ListDevices();
    void FillDeviceList(const std::vector<platform::DeviceInfo>& devices);
    bool IsBusy() const;
    void FillLists();
    void SetUpSlider(QSlider* slider, bool lineInput);

    void OnSelChangeDevice();
    void OnSource();
    void OnReleasedSlider(QSlider* slider);
    void OnSelChangeChannel();
    void OnBrowse();
    void OnSelChangeFileType();
    void OnChannelBox(QCheckBox* box);
    void OnMonitorFailed(const QString& reason);
    // m_strFolder and m_strFileName from a full path.
    void SplitPath(const QString& path);

    QComboBox* m_comboFileType = nullptr;
    QLineEdit* m_editFilePath = nullptr;
    QPushButton* m_buttonBrowse = nullptr;
    QLabel* m_labelRoom = nullptr;
    QCheckBox* m_checkParts = nullptr;
    QCheckBox* m_checkDated = nullptr;
    QTimeEdit* m_timeParts = nullptr;
    QComboBox* m_comboDevice = nullptr;
    QButtonGroup* m_groupSource = nullptr;
    QComboBox* m_comboChannel = nullptr;
    QCheckBox* m_checkLeft = nullptr;
    QCheckBox* m_checkRight = nullptr;
    QComboBox* m_comboSampleRate = nullptr;
    QComboBox* m_comboBits = nullptr;
    QCheckBox* m_checkMonitor = nullptr;
    QCheckBox* m_checkSkipSilence = nullptr;
    QSpinBox* m_spinSilenceLevel = nullptr;
    QDoubleSpinBox* m_spinSilenceAfter = nullptr;
    QCheckBox* m_checkFilePerSound = nullptr;
    // The main window's display placeholder, over which the engine's window lies.
    QWidget* m_pPlaceholder = nullptr;
    // The backend whose capture devices the page follows, and whether they changed while
    // the engine was busy.
    platform::IAudioBackend* m_pWatchedAudio = nullptr;
    bool m_bDeviceListStale = false;
};

// The file to play: initialPath when it names an existing file, else the one the user
// picks in an open dialog with this filter ("text|pattern||"); empty when cancelled.
QString ChooseFileToPlay(const QString& initialPath, const QString& filter);
