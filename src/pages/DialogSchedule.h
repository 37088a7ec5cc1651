#pragma once
// The page under the "Schedule" tab: whether a recording is scheduled, when it starts,
// whether it ends after a duration or at a date and time, and for how many days takes named
// by date are kept before they go to the trash. The page only holds the values; the main
// window reads them when Record is pressed and runs the countdowns. While scheduling is
// enabled the page shows the current local time, refreshed every second.

#include "app/RepeatRule.h"
#include "platform/WindowTimers.h"

#include <QWidget>

#include <cstdint>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QSpinBox;
class QTimeEdit;

// The page's clock, one tick a second.
inline constexpr int IDT_CLOCK = 1001;

// How a scheduled recording ends: the radio buttons "Duration" and "Time", by their ids in
// the page's button group; None while neither is chosen.
enum class EndMode : std::int32_t { AfterDuration = 0, AtEndTime = 1, None = -1 };

class CDialogSchedule : public QWidget {
    Q_OBJECT
public:
    // Builds the controls and sets the fields from the current time.
    CDialogSchedule();

    // Shows the fields in the controls and enables them as the check boxes say.
    bool OnInitDialog();
    // The saved settings have been shown in the controls: the page takes them up.
    void OnRestored();
    // save: copy the controls into the fields; else show the fields in the controls.
    void UpdateData(bool save);
    void UpdateScheduleControls(bool enable);
    // The check boxes " Enable scheduled task" and " Start time:", read where they stand.
    bool IsScheduleEnabled() const;
    bool IsStartTimeEnabled() const;
    // The days " Keep takes for" keeps takes named by date, read where it stands; 0 while
    // the box is clear, when every take is kept.
    int KeepDays() const;
    // The start date shows the day of the routine's next start.
    void ShowStartDate(std::int64_t day);
    // A tick of the page's clock: the current local date and time.
    void OnTimer(int id);

    // The "Repeat:" entry.
    Repeat m_nRepeat = Repeat::Once;
    // After m_timeDuration, or at m_timeEndDate and m_timeEndTime.
    EndMode m_nEndMode = EndMode::AfterDuration;
    // Time values; of a date only its local year, month and day count, of a time or the
    // duration only its local hour, minute and second.
    std::int64_t m_timeStartDate = 0;
    std::int64_t m_timeStartTime = 0;
    std::int64_t m_timeDuration = 0;
    std::int64_t m_timeEndDate = 0;
    std::int64_t m_timeEndTime = 0;
    // " Warn me when the input is silent for" and its minutes: a scheduled take tells the
    // desktop when its input stays silent that long.
    bool m_bWarnSilence = true;
    std::int32_t m_nSilentMinutes = 5;

protected:
    void timerEvent(QTimerEvent* e) override;

private:
    void BuildControls();
    void ConnectControls();
    void OnEnableSchedule();
    void OnStartTime();
    void OnDuration();
    // The minutes of silence are set only while the warning is on.
    void OnWarnSilence();
    // The login entry follows the box; one that cannot be written clears it and says why.
    void OnStartAtLogin();
    void OnKeepTakes();

    QCheckBox* m_checkEnable = nullptr;
    QCheckBox* m_checkStartTime = nullptr;
    QDateEdit* m_dateStart = nullptr;
    QTimeEdit* m_timeStart = nullptr;
    QLabel* m_labelRepeat = nullptr;
    QComboBox* m_comboRepeat = nullptr;
    QCheckBox* m_checkAtLogin = nullptr;
    QCheckBox* m_checkWarnSilence = nullptr;
    QSpinBox* m_spinSilentFor = nullptr;
    QLabel* m_labelEnd = nullptr;
    QButtonGroup* m_groupEndMode = nullptr;
    QTimeEdit* m_timeLength = nullptr;
    QDateEdit* m_dateEnd = nullptr;
    QTimeEdit* m_timeEnd = nullptr;
    QLabel* m_labelCurrent = nullptr;
    QLabel* m_textCurrent = nullptr;
    QCheckBox* m_checkKeepTakes = nullptr;
    QSpinBox* m_spinKeepDays = nullptr;
    platform::WindowTimers m_timers{this};
};
