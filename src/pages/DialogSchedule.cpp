// The schedule page: its fields, data exchange, enabled states and clock.

#include "pages/DialogSchedule.h"

#include "platform/AutostartEntry.h"
#include "platform/Clock.h"
#include "platform/LocalTime.h"
#include "platform/ShowMessage.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QSpinBox>
#include <QTimeEdit>
#include <QTimerEvent>

namespace {

void ShowDate(QDateEdit* picker, std::int64_t time)
{
    const platform::LocalParts parts = platform::ToLocal(time);
    picker->setDate(QDate(parts.year, parts.month, parts.day));
}

void ShowTime(QTimeEdit* picker, std::int64_t time)
{
    const platform::LocalParts parts = platform::ToLocal(time);
    picker->setTime(QTime(parts.hour, parts.minute, parts.second));
}

// The picked date, keeping the time of day the field had.
std::int64_t ReadDate(const QDateEdit* picker, std::int64_t field)
{
    const QDate date = picker->date();
    return platform::OnDate(date.year(), date.month(), date.day(), field);
}

// The picked time of day, on the day the field had.
std::int64_t ReadTime(const QTimeEdit* picker, std::int64_t field)
{
    const QTime time = picker->time();
    return platform::AtTimeOfDay(field, time.hour(), time.minute(), time.second());
}

} // namespace

CDialogSchedule::CDialogSchedule()
{
    const std::int64_t now = platform::CurrentTime();
    m_timeStartDate = m_timeEndDate = now;
    m_timeStartTime = m_timeDuration = m_timeEndTime = platform::AtTimeOfDay(now, 0, 0, 0);
    BuildControls();
    ConnectControls();
}

bool CDialogSchedule::OnInitDialog()
{
    UpdateData(false);
    UpdateScheduleControls(IsScheduleEnabled());
    m_checkAtLogin->setChecked(platform::IsAutostartOn());
    return true;
}

void CDialogSchedule::OnRestored()
{
    UpdateData(true);
    UpdateScheduleControls(IsScheduleEnabled());
}

void CDialogSchedule::UpdateData(bool save)
{
    if (save) {
        m_nEndMode = static_cast<EndMode>(m_groupEndMode->checkedId());
        // The list holds the rules in their order.
        m_nRepeat = static_cast<Repeat>(m_comboRepeat->currentIndex());
        m_timeStartDate = ReadDate(m_dateStart, m_timeStartDate);
        m_timeStartTime = ReadTime(m_timeStart, m_timeStartTime);
        m_timeDuration = ReadTime(m_timeLength, m_timeDuration);
        m_timeEndDate = ReadDate(m_dateEnd, m_timeEndDate);
        m_timeEndTime = ReadTime(m_timeEnd, m_timeEndTime);
        m_bWarnSilence = m_checkWarnSilence->isChecked();
        m_nSilentMinutes = m_spinSilentFor->value();
        return;
    }
    if (QAbstractButton* mode = m_groupEndMode->button(static_cast<int>(m_nEndMode)))
        mode->setChecked(true);
    m_comboRepeat->setCurrentIndex(static_cast<int>(m_nRepeat));
    ShowDate(m_dateStart, m_timeStartDate);
    ShowTime(m_timeStart, m_timeStartTime);
    ShowTime(m_timeLength, m_timeDuration);
    ShowDate(m_dateEnd, m_timeEndDate);
    ShowTime(m_timeEnd, m_timeEndTime);
    m_checkWarnSilence->setChecked(m_bWarnSilence);
    m_spinSilentFor->setValue(m_nSilentMinutes);
}

void CDialogSchedule::ShowStartDate(std::int64_t day)
{
    ShowDate(m_dateStart, day);
    m_timeStartDate = ReadDate(m_dateStart, m_timeStartDate);
}

bool CDialogSchedule::IsScheduleEnabled() const
{
    return m_checkEnable->isChecked();
}

bool CDialogSchedule::IsStartTimeEnabled() const
{
    return m_checkStartTime->isChecked();
}

int CDialogSchedule::KeepDays() const
{
    return m_checkKeepTakes->isChecked() ? m_spinKeepDays->value() : 0;
}

void CDialogSchedule::UpdateScheduleControls(bool enable)
{
    m_checkStartTime->setEnabled(enable);
    const bool start = enable && IsStartTimeEnabled();
    m_dateStart->setEnabled(start);
    m_timeStart->setEnabled(start);
    m_labelRepeat->setEnabled(start);
    m_comboRepeat->setEnabled(start);
    // Both ends are editable whichever is chosen.
    QWidget* const afterDuration = m_groupEndMode->button(static_cast<int>(EndMode::AfterDuration));
    QWidget* const atTime = m_groupEndMode->button(static_cast<int>(EndMode::AtEndTime));
    for (QWidget* w : {static_cast<QWidget*>(m_labelEnd), afterDuration, static_cast<QWidget*>(m_timeLength), atTime,
                       static_cast<QWidget*>(m_dateEnd), static_cast<QWidget*>(m_timeEnd)})
        w->setEnabled(enable);
    m_checkWarnSilence->setEnabled(enable);
    OnWarnSilence();
    m_labelCurrent->setVisible(enable);
    m_textCurrent->setVisible(enable);
    if (enable) {
        m_timers.Set(IDT_CLOCK, 1000);
        OnTimer(IDT_CLOCK);
    } else {
        m_timers.Kill(IDT_CLOCK);
    }
}

void CDialogSchedule::OnEnableSchedule()
{
    UpdateScheduleControls(IsScheduleEnabled());
}

void CDialogSchedule::OnStartTime()
{
    for (QWidget* w : {static_cast<QWidget*>(m_dateStart), static_cast<QWidget*>(m_timeStart),
                       static_cast<QWidget*>(m_labelRepeat), static_cast<QWidget*>(m_comboRepeat)})
        w->setEnabled(IsStartTimeEnabled());
}

void CDialogSchedule::OnStartAtLogin()
{
    const QString failure = platform::SetAutostart(m_checkAtLogin->isChecked());
    if (failure.isEmpty())
        return;
    m_checkAtLogin->setChecked(platform::IsAutostartOn());
    platform::ShowMessage(this, failure, QApplication::applicationName());
}

void CDialogSchedule::OnKeepTakes()
{
    m_spinKeepDays->setEnabled(m_checkKeepTakes->isChecked());
}

void CDialogSchedule::OnWarnSilence()
{
    m_spinSilentFor->setEnabled(m_checkWarnSilence->isEnabled() && m_checkWarnSilence->isChecked());
}

void CDialogSchedule::OnDuration()
{
    UpdateData(true);
}

void CDialogSchedule::OnTimer(int)
{
    m_textCurrent->setText(platform::FormatLocal(platform::CurrentTime(), "%Y-%m-%d %H:%M:%S"));
}

void CDialogSchedule::timerEvent(QTimerEvent* e)
{
    if (const int id = m_timers.IdOf(e))
        OnTimer(id);
    else
        QWidget::timerEvent(e);
}
