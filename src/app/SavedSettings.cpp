#include "app/SavedSettings.h"

#include "app/ControlIds.h"
#include "pages/DialogRecord.h"
#include "pages/DialogSchedule.h"
#include "platform/AutostartEntry.h"
#include "platform/ControlId.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QTimeEdit>

#include <cmath>

namespace {

enum class Page { Record, Schedule };

struct SavedControl {
    const char* key;
    Page page;
    int id;
};

// " Monitor input" is left out on purpose: it always starts clear.
constexpr SavedControl SAVED_CONTROLS[] = {
    {"Record/FileType", Page::Record, IDC_FILE_TYPE},
    {"Record/FileName", Page::Record, IDC_FILE_PATH},
    {"Record/NewFileEvery", Page::Record, IDC_NEW_FILE_EVERY},
    {"Record/PartLength", Page::Record, IDC_PART_LENGTH},
    {"Record/DatedNames", Page::Record, IDC_DATED_NAMES},
    {"Record/SkipSilence", Page::Record, IDC_SKIP_SILENCE},
    {"Record/SilenceBelow", Page::Record, IDC_SILENCE_LEVEL},
    {"Record/SilenceAfter", Page::Record, IDC_SILENCE_AFTER},
    {"Record/FilePerSound", Page::Record, IDC_FILE_PER_SOUND},
    {"Record/Device", Page::Record, IDC_DEVICE},
    {"Record/Microphone", Page::Record, IDC_MICROPHONE},
    {"Record/LineIn", Page::Record, IDC_LINE_IN},
    {"Record/Channel", Page::Record, IDC_CHANNEL},
    {"Record/LeftChannel", Page::Record, IDC_LEFT_CHANNEL},
    {"Record/RightChannel", Page::Record, IDC_RIGHT_CHANNEL},
    {"Record/SampleRate", Page::Record, IDC_SAMPLE_RATE},
    {"Record/Bits", Page::Record, IDC_BITS},
    {"Schedule/Enabled", Page::Schedule, IDC_SCHEDULE_ENABLE},
    {"Schedule/StartTimeOn", Page::Schedule, IDC_SCHEDULE_START},
    {"Schedule/StartDate", Page::Schedule, IDC_START_DATE},
    {"Schedule/StartTime", Page::Schedule, IDC_START_TIME},
    {"Schedule/Repeat", Page::Schedule, IDC_REPEAT},
    {"Schedule/EndAfterDuration", Page::Schedule, IDC_END_AFTER_DURATION},
    {"Schedule/Duration", Page::Schedule, IDC_DURATION},
    {"Schedule/EndAtTime", Page::Schedule, IDC_END_AT_TIME},
    {"Schedule/EndDate", Page::Schedule, IDC_END_DATE},
    {"Schedule/EndTime", Page::Schedule, IDC_END_TIME},
};

const char* const ARMED_KEY = "Schedule/Armed";
const QString TIME_FORMAT = QStringLiteral("HH:mm:ss");

QString ValueOf(const QWidget* control)
{
    if (const auto* combo = qobject_cast<const QComboBox*>(control)) {
        // Entries that carry an id (the devices) are kept by it: their places move as
        // devices come and go.
        const QString id = combo->currentData().toString();
        return id.isEmpty() ? QString::number(combo->currentIndex()) : id;
    }
    if (const auto* date = qobject_cast<const QDateEdit*>(control))
        return date->date().toString(Qt::ISODate);
    if (const auto* time = qobject_cast<const QTimeEdit*>(control))
        return time->time().toString(TIME_FORMAT);
    if (const auto* edit = qobject_cast<const QLineEdit*>(control))
        return edit->text();
    if (const auto* spin = qobject_cast<const QSpinBox*>(control))
        return QString::number(spin->value());
    if (const auto* spin = qobject_cast<const QDoubleSpinBox*>(control))
        return QString::number(spin->value());
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->isChecked() ? QStringLiteral("true") : QStringLiteral("false");
    return {};
}

// Shows value in control as the user would have chosen it; a value the control cannot
// take is left alone.
void Apply(QWidget* control, const QString& value)
{
    if (auto* combo = qobject_cast<QComboBox*>(control)) {
        int index = combo->findData(value);
        if (index < 0) {
            bool number = false;
            const int n = value.toInt(&number);
            // A position only where the entries carry no id.
            if (number && n >= 0 && n < combo->count() && !combo->itemData(n).isValid())
                index = n;
        }
        if (index < 0)
            return;
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    } else if (auto* date = qobject_cast<QDateEdit*>(control)) {
        const QDate d = QDate::fromString(value, Qt::ISODate);
        if (d.isValid() && d >= date->minimumDate() && d <= date->maximumDate())
            date->setDate(d);
    } else if (auto* time = qobject_cast<QTimeEdit*>(control)) {
        const QTime t = QTime::fromString(value, TIME_FORMAT);
        if (t.isValid() && t >= time->minimumTime() && t <= time->maximumTime())
            time->setTime(t);
    } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->setText(value);
    } else if (auto* spin = qobject_cast<QSpinBox*>(control)) {
        bool number = false;
        const int n = value.toInt(&number);
        if (number && n >= spin->minimum() && n <= spin->maximum())
            spin->setValue(n);
    } else if (auto* spin = qobject_cast<QDoubleSpinBox*>(control)) {
        bool number = false;
        const double x = value.toDouble(&number);
        // Only a value the box could be set to by its steps.
        const double steps = (x - spin->minimum()) / spin->singleStep();
        if (number && x >= spin->minimum() && x <= spin->maximum() && std::abs(steps - std::round(steps)) < 1e-6)
            spin->setValue(x);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        // A radio button is cleared by its neighbour being chosen, not on its own.
        if (value == QLatin1String("true") || (value == QLatin1String("false") && !qobject_cast<QRadioButton*>(button)))
            button->setChecked(value == QLatin1String("true"));
    }
}

} // namespace

CSavedSettings::CSavedSettings()
{
    Open();
    // A file that is there but cannot be read or parsed; a missing one is no fault.
    m_bDamaged = m_pSettings->status() != QSettings::NoError;
}

CSavedSettings::~CSavedSettings() = default;

QString CSavedSettings::FilePath()
{
    return platform::ConfigFolder() + QStringLiteral("/Tessavox/tessavox.conf");
}

void CSavedSettings::Open()
{
    m_pSettings = std::make_unique<QSettings>(FilePath(), QSettings::IniFormat);
}

void CSavedSettings::Restore(CDialogRecord& record, CDialogSchedule& schedule)
{
    for (const SavedControl& saved : SAVED_CONTROLS) {
        QWidget* page = saved.page == Page::Record ? static_cast<QWidget*>(&record) : &schedule;
        QWidget* control = platform::FindControl(page, saved.id);
        if (!control)
            continue;
        const QString key = QLatin1String(saved.key);
        m_controls.emplace_back(key, control);
        if (m_bDamaged)
            continue;
        if (const QVariant value = m_pSettings->value(key); value.isValid())
            Apply(control, value.toString());
    }
    // The pages take up what their controls now show.
    record.OnRestored();
    schedule.OnRestored();

    for (const auto& [key, control] : m_controls) {
        const auto save = [this, key = key, control = control] { Save(key, ValueOf(control)); };
        if (auto* combo = qobject_cast<QComboBox*>(control))
            connect(combo, &QComboBox::activated, this, save);
        else if (auto* date = qobject_cast<QDateEdit*>(control))
            connect(date, &QDateEdit::dateChanged, this, save);
        else if (auto* time = qobject_cast<QTimeEdit*>(control))
            connect(time, &QTimeEdit::timeChanged, this, save);
        else if (auto* edit = qobject_cast<QLineEdit*>(control))
            connect(edit, &QLineEdit::textChanged, this, save);
        else if (auto* spin = qobject_cast<QSpinBox*>(control))
            connect(spin, &QSpinBox::valueChanged, this, save);
        else if (auto* spin = qobject_cast<QDoubleSpinBox*>(control))
            connect(spin, &QDoubleSpinBox::valueChanged, this, save);
        else if (auto* button = qobject_cast<QAbstractButton*>(control))
            connect(button, &QAbstractButton::toggled, this, save);
    }
}

void CSavedSettings::Save(const QString& key, const QString& value)
{
    if (m_bDamaged) {
        // Replaced whole by what the pages show now: nothing of the old file can be trusted.
        QFile::remove(FilePath());
        Open();
        m_bDamaged = false;
        for (const auto& [otherKey, control] : m_controls)
            m_pSettings->setValue(otherKey, ValueOf(control));
    }
    if (m_pSettings->value(key).toString() == value && m_pSettings->contains(key))
        return;
    m_pSettings->setValue(key, value);
    m_pSettings->sync();
}

std::int64_t CSavedSettings::ArmedStart() const
{
    if (m_bDamaged)
        return 0;
    bool ok = false;
    const qlonglong start = m_pSettings->value(QLatin1String(ARMED_KEY)).toLongLong(&ok);
    return ok && start > 0 ? start : 0;
}

void CSavedSettings::SaveArmed(std::int64_t start)
{
    Save(QLatin1String(ARMED_KEY), start > 0 ? QString::number(start) : QStringLiteral("0"));
}
