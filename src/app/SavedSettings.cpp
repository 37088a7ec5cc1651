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
#include <optional>

namespace {

using Page = SavedControl::Page;

// " Monitor input" is left out on purpose: it always starts clear.
constexpr SavedControl SAVED_CONTROLS[] = {
    {"Record/FileType", Page::Record, IDC_FILE_TYPE, true},
    {"Record/FileName", Page::Record, IDC_FILE_PATH},
    {"Record/NewFileEvery", Page::Record, IDC_NEW_FILE_EVERY},
    {"Record/PartLength", Page::Record, IDC_PART_LENGTH},
    {"Record/DatedNames", Page::Record, IDC_DATED_NAMES},
    {"Record/SkipSilence", Page::Record, IDC_SKIP_SILENCE},
    {"Record/SilenceBelow", Page::Record, IDC_SILENCE_LEVEL},
    {"Record/SilenceAfter", Page::Record, IDC_SILENCE_AFTER},
    {"Record/FilePerSound", Page::Record, IDC_FILE_PER_SOUND},
    // Always kept by the device's id: its place moves as devices come and go.
    {"Record/Device", Page::Record, IDC_DEVICE},
    {"Record/Microphone", Page::Record, IDC_MICROPHONE},
    {"Record/LineIn", Page::Record, IDC_LINE_IN},
    {"Record/Channel", Page::Record, IDC_CHANNEL, true},
    {"Record/LeftChannel", Page::Record, IDC_LEFT_CHANNEL},
    {"Record/RightChannel", Page::Record, IDC_RIGHT_CHANNEL},
    {"Record/SampleRate", Page::Record, IDC_SAMPLE_RATE, true},
    {"Record/Bits", Page::Record, IDC_BITS, true},
    {"Schedule/Enabled", Page::Schedule, IDC_SCHEDULE_ENABLE},
    {"Schedule/StartTimeOn", Page::Schedule, IDC_SCHEDULE_START},
    {"Schedule/StartDate", Page::Schedule, IDC_START_DATE},
    {"Schedule/StartTime", Page::Schedule, IDC_START_TIME},
    {"Schedule/Repeat", Page::Schedule, IDC_REPEAT, true},
    {"Schedule/EndAfterDuration", Page::Schedule, IDC_END_AFTER_DURATION},
    {"Schedule/Duration", Page::Schedule, IDC_DURATION},
    {"Schedule/EndAtTime", Page::Schedule, IDC_END_AT_TIME},
    {"Schedule/EndDate", Page::Schedule, IDC_END_DATE},
    {"Schedule/EndTime", Page::Schedule, IDC_END_TIME},
    {"Schedule/KeepTakes", Page::Schedule, IDC_KEEP_TAKES},
    {"Schedule/KeepDays", Page::Schedule, IDC_KEEP_DAYS},
    {"Schedule/WarnSilence", Page::Schedule, IDC_WARN_SILENCE},
    {"Schedule/SilentFor", Page::Schedule, IDC_SILENT_FOR},
};

const char* const ARMED_KEY = "Schedule/Armed";
const QString TIME_FORMAT = QStringLiteral("HH:mm:ss");

// How one kind of control is kept: Value is what it shows, as the file keeps it; Show
// shows a kept value as the user would have chosen it, and leaves one it cannot take
// alone; Changed is the signal that the user changed it. A new kind is one more of these,
// named in Bind below.
template <class Control>
struct Kind;

template <>
struct Kind<QComboBox> {
    // Each entry carries its meaning as item data.
    static QString Value(const QComboBox& list) { return list.currentData().toString(); }
    static void Show(QComboBox& list, const QString& value, const SavedControl& saved)
    {
        int index = list.findData(value);
        if (index < 0 && saved.wasPosition) {
            bool number = false;
            const int n = value.toInt(&number);
            if (number && n >= 0 && n < list.count())
                index = n;
        }
        if (index < 0)
            return;
        list.setCurrentIndex(index);
        emit list.activated(index);
    }
    static constexpr auto Changed = &QComboBox::activated;
};

template <>
struct Kind<QDateEdit> {
    static QString Value(const QDateEdit& picker) { return picker.date().toString(Qt::ISODate); }
    static void Show(QDateEdit& picker, const QString& value, const SavedControl&)
    {
        const QDate d = QDate::fromString(value, Qt::ISODate);
        if (d.isValid() && d >= picker.minimumDate() && d <= picker.maximumDate())
            picker.setDate(d);
    }
    static constexpr auto Changed = &QDateEdit::dateChanged;
};

template <>
struct Kind<QTimeEdit> {
    static QString Value(const QTimeEdit& picker) { return picker.time().toString(TIME_FORMAT); }
    static void Show(QTimeEdit& picker, const QString& value, const SavedControl&)
    {
        const QTime t = QTime::fromString(value, TIME_FORMAT);
        if (t.isValid() && t >= picker.minimumTime() && t <= picker.maximumTime())
            picker.setTime(t);
    }
    static constexpr auto Changed = &QTimeEdit::timeChanged;
};

template <>
struct Kind<QLineEdit> {
    static QString Value(const QLineEdit& edit) { return edit.text(); }
    static void Show(QLineEdit& edit, const QString& value, const SavedControl&) { edit.setText(value); }
    static constexpr auto Changed = &QLineEdit::textChanged;
};

template <>
struct Kind<QSpinBox> {
    static QString Value(const QSpinBox& spin) { return QString::number(spin.value()); }
    static void Show(QSpinBox& spin, const QString& value, const SavedControl&)
    {
        bool number = false;
        const int n = value.toInt(&number);
        if (number && n >= spin.minimum() && n <= spin.maximum())
            spin.setValue(n);
    }
    static constexpr auto Changed = &QSpinBox::valueChanged;
};

template <>
struct Kind<QDoubleSpinBox> {
    static QString Value(const QDoubleSpinBox& spin) { return QString::number(spin.value()); }
    static void Show(QDoubleSpinBox& spin, const QString& value, const SavedControl&)
    {
        bool number = false;
        const double x = value.toDouble(&number);
        // Only a value the box could be set to by its steps.
        const double steps = (x - spin.minimum()) / spin.singleStep();
        if (number && x >= spin.minimum() && x <= spin.maximum() && std::abs(steps - std::round(steps)) < 1e-6)
            spin.setValue(x);
    }
    static constexpr auto Changed = &QDoubleSpinBox::valueChanged;
};

template <>
struct Kind<QAbstractButton> {
    static QString Value(const QAbstractButton& button)
    {
        return button.isChecked() ? QStringLiteral("true") : QStringLiteral("false");
    }
    static void Show(QAbstractButton& button, const QString& value, const SavedControl&)
    {
        // A radio button is cleared by its neighbour being chosen, not on its own.
        if (value == QLatin1String("true") || (value == QLatin1String("false") && !qobject_cast<QRadioButton*>(&button)))
            button.setChecked(value == QLatin1String("true"));
    }
    static constexpr auto Changed = &QAbstractButton::toggled;
};

// One saved control bound to its kind.
struct Bound {
    std::function<QString()> value;
    std::function<void(const QString&)> show;
    std::function<void(QObject* receiver, std::function<void()> changed)> watch;
};

template <class Control>
bool BindAs(QWidget* widget, const SavedControl& saved, Bound& bound)
{
    auto* control = qobject_cast<Control*>(widget);
    if (!control)
        return false;
    bound.value = [control] { return Kind<Control>::Value(*control); };
    bound.show = [control, &saved](const QString& value) { Kind<Control>::Show(*control, value, saved); };
    bound.watch = [control](QObject* receiver, std::function<void()> changed) {
        QObject::connect(control, Kind<Control>::Changed, receiver, std::move(changed));
    };
    return true;
}

template <class... Controls>
std::optional<Bound> BindFirst(QWidget* widget, const SavedControl& saved)
{
    Bound bound;
    if ((BindAs<Controls>(widget, saved, bound) || ...))
        return bound;
    return std::nullopt;
}

// The kinds kept, each tried in turn: a kind derived from another comes before it.
std::optional<Bound> Bind(QWidget* widget, const SavedControl& saved)
{
    return BindFirst<QComboBox, QDateEdit, QTimeEdit, QLineEdit, QSpinBox, QDoubleSpinBox, QAbstractButton>(widget,
                                                                                                           saved);
}

} // namespace

std::span<const SavedControl> SavedControls()
{
    return SAVED_CONTROLS;
}

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
    std::vector<Bound> bound;
    for (const SavedControl& saved : SAVED_CONTROLS) {
        QWidget* page = saved.page == Page::Record ? static_cast<QWidget*>(&record) : &schedule;
        QWidget* const control = platform::FindControl(page, saved.id);
        std::optional<Bound> kind = control ? Bind(control, saved) : std::nullopt;
        if (!kind)
            continue;
        const QString key = QLatin1String(saved.key);
        m_controls.push_back({key, kind->value});
        if (!m_bDamaged)
            if (const QVariant value = m_pSettings->value(key); value.isValid())
                kind->show(value.toString());
        bound.push_back(std::move(*kind));
    }
    // The pages take up what their controls now show.
    record.OnRestored();
    schedule.OnRestored();

    for (std::size_t i = 0; i < bound.size(); ++i)
        bound[i].watch(this, [this, kept = m_controls[i]] { Save(kept.key, kept.value()); });
}

void CSavedSettings::Save(const QString& key, const QString& value)
{
    if (m_bDamaged) {
        // Replaced whole by what the pages show now: nothing of the old file can be trusted.
        QFile::remove(FilePath());
        Open();
        m_bDamaged = false;
        for (const Kept& kept : m_controls)
            m_pSettings->setValue(kept.key, kept.value());
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
