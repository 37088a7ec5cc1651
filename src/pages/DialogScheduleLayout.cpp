// The schedule page's controls, in the order and groups of its template, and the one place
// where their notifications are bound to the page's handlers.

#include "app/ControlIds.h"
#include "pages/DialogSchedule.h"
#include "platform/ControlId.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace {

// The locale's short date, with the year in full: a two-digit year in a picker that plans
// ahead is easily read as the wrong century.
QString DateFormat()
{
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return format;
}

// The locale's time, to the second: a schedule is set to the second.
QString TimeFormat()
{
    QString format = QLocale().timeFormat(QLocale::ShortFormat);
    const qsizetype minutes = format.indexOf(QLatin1String("mm"));
    if (!format.contains(QLatin1Char('s')) && minutes > 0)
        format.insert(minutes + 2, format.at(minutes - 1) + QLatin1String("ss"));
    return format;
}

QDateEdit* DatePicker(int id, const QString& name)
{
    auto* picker = new QDateEdit;
    platform::SetControlId(picker, id, name);
    picker->setDisplayFormat(DateFormat());
    picker->setCalendarPopup(true);
    picker->setAlignment(Qt::AlignRight);
    return picker;
}

QTimeEdit* TimePicker(int id, const QString& name, const QString& format)
{
    auto* picker = new QTimeEdit;
    platform::SetControlId(picker, id, name);
    picker->setDisplayFormat(format);
    picker->setAlignment(Qt::AlignRight);
    return picker;
}

QLabel* ClockIcon()
{
    QPixmap face(32, 32);
    face.fill(Qt::transparent);
    QPainter p(&face);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), 2));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(16, 16), 13, 13);
    p.drawLine(QPointF(16, 16), QPointF(16, 7));
    p.drawLine(QPointF(16, 16), QPointF(22, 19));
    auto* icon = new QLabel;
    icon->setPixmap(face);
    icon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    return icon;
}

template <class Control>
Control* WithId(Control* control, int id)
{
    platform::SetControlId(control, id);
    return control;
}

} // namespace

void CDialogSchedule::BuildControls()
{
    platform::MarkControlWindow(this);

    m_checkEnable = WithId(new QCheckBox(tr(" Enable scheduled task")), IDC_SCHEDULE_ENABLE);
    m_checkStartTime = WithId(new QCheckBox(tr(" Start time:")), IDC_SCHEDULE_START);
    m_dateStart = DatePicker(IDC_START_DATE, tr("Start date"));
    m_timeStart = TimePicker(IDC_START_TIME, tr("Start time"), TimeFormat());
    m_comboRepeat = new QComboBox;
    platform::SetControlId(m_comboRepeat, IDC_REPEAT, tr("Repeat"));
    // In the order of the rules; each entry's English words are its id in saved settings,
    // whatever language the list is shown in.
    for (const char* entry : {QT_TR_NOOP("Once"), QT_TR_NOOP("Every day"), QT_TR_NOOP("Monday to Friday"),
                              QT_TR_NOOP("Every week")})
        m_comboRepeat->addItem(tr(entry), QString::fromLatin1(entry));
    m_labelRepeat = new QLabel(tr("Repeat:"));
    m_labelRepeat->setBuddy(m_comboRepeat);
    m_checkAtLogin = WithId(new QCheckBox(tr(" Start Tessavox when I log in")), IDC_START_AT_LOGIN);
    m_checkWarnSilence = WithId(new QCheckBox(tr(" Warn me when the input is silent for")), IDC_WARN_SILENCE);
    m_spinSilentFor = new QSpinBox;
    platform::SetControlId(m_spinSilentFor, IDC_SILENT_FOR, tr("Silent for"));
    m_spinSilentFor->setRange(1, 60);
    m_spinSilentFor->setSuffix(tr(" min"));
    m_spinSilentFor->setAlignment(Qt::AlignRight);
    m_labelEnd = WithId(new QLabel(tr("End time:")), IDC_END_LABEL);
    auto* afterDuration = WithId(new QRadioButton(tr("Duration")), IDC_END_AFTER_DURATION);
    m_timeLength = TimePicker(IDC_DURATION, tr("Duration"), QStringLiteral("HH:mm:ss"));
    auto* atTime = WithId(new QRadioButton(tr("Time")), IDC_END_AT_TIME);
    m_dateEnd = DatePicker(IDC_END_DATE, tr("End date"));
    m_timeEnd = TimePicker(IDC_END_TIME, tr("End time"), TimeFormat());
    m_labelCurrent = WithId(new QLabel(tr("Current Time:")), IDC_CLOCK_LABEL);
    m_textCurrent = WithId(new QLabel, IDC_CLOCK);
    // Any take's old files go, not only a scheduled one's: the box is clear at a first start.
    m_checkKeepTakes = WithId(new QCheckBox(tr(" Keep takes for")), IDC_KEEP_TAKES);
    m_spinKeepDays = new QSpinBox;
    platform::SetControlId(m_spinKeepDays, IDC_KEEP_DAYS, tr("Keep takes for"));
    m_spinKeepDays->setRange(1, 365);
    m_spinKeepDays->setValue(30);
    m_spinKeepDays->setSuffix(tr(" days"));
    m_spinKeepDays->setEnabled(false);
    m_groupEndMode = new QButtonGroup(this);
    m_groupEndMode->addButton(afterDuration, static_cast<int>(EndMode::AfterDuration));
    m_groupEndMode->addButton(atTime, static_cast<int>(EndMode::AtEndTime));

    auto* task = new QGroupBox(tr("Scheduled Task"));
    auto* grid = new QGridLayout(task);
    grid->addWidget(ClockIcon(), 0, 0, 9, 1);
    grid->addWidget(m_checkEnable, 0, 1, 1, 3);
    grid->addWidget(m_checkStartTime, 1, 1);
    grid->addWidget(m_dateStart, 1, 2);
    grid->addWidget(m_timeStart, 1, 3);
    grid->addWidget(m_labelRepeat, 2, 1);
    grid->addWidget(m_comboRepeat, 2, 2, 1, 2);
    grid->addWidget(m_labelEnd, 3, 1);
    grid->addWidget(afterDuration, 4, 1);
    grid->addWidget(m_timeLength, 4, 3);
    grid->addWidget(atTime, 5, 1);
    grid->addWidget(m_dateEnd, 5, 2);
    grid->addWidget(m_timeEnd, 5, 3);
    grid->addWidget(m_labelCurrent, 6, 1);
    grid->addWidget(m_textCurrent, 6, 2, 1, 2);
    grid->addWidget(m_checkWarnSilence, 7, 1, 1, 2);
    grid->addWidget(m_spinSilentFor, 7, 3);
    grid->addWidget(m_checkAtLogin, 8, 1, 1, 3);
    grid->setColumnStretch(4, 1);
    grid->setColumnMinimumWidth(1, 110);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(8, 8, 8, 8);
    page->addWidget(task);
    auto* keep = new QHBoxLayout;
    keep->setContentsMargins(8, 0, 8, 0);
    keep->addWidget(m_checkKeepTakes);
    keep->addWidget(m_spinKeepDays);
    keep->addStretch(1);
    page->addLayout(keep);
    page->addStretch(1);

    // Keyboard users go through the page in the order it reads.
    QWidget* const order[] = {m_checkEnable, m_checkStartTime, m_dateStart, m_timeStart, m_comboRepeat,
                              afterDuration, m_timeLength, atTime, m_dateEnd, m_timeEnd,
                              m_checkWarnSilence, m_spinSilentFor, m_checkAtLogin, m_checkKeepTakes, m_spinKeepDays};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void CDialogSchedule::ConnectControls()
{
    connect(m_checkEnable, &QCheckBox::clicked, this, &CDialogSchedule::OnEnableSchedule);
    connect(m_checkStartTime, &QCheckBox::clicked, this, &CDialogSchedule::OnStartTime);
    connect(m_groupEndMode->button(static_cast<int>(EndMode::AfterDuration)), &QAbstractButton::clicked, this,
            &CDialogSchedule::OnDuration);
    connect(m_checkAtLogin, &QCheckBox::clicked, this, &CDialogSchedule::OnStartAtLogin);
    connect(m_checkKeepTakes, &QCheckBox::toggled, this, &CDialogSchedule::OnKeepTakes);
    connect(m_checkWarnSilence, &QCheckBox::toggled, this, &CDialogSchedule::OnWarnSilence);
}
