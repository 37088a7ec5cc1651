// The recording options page's controls, in the order and groups of its template, and the
// one place where their notifications are bound to the page's handlers.

#include "app/ControlIds.h"
#include "pages/DialogRecord.h"
#include "platform/ControlId.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QStyle>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace {

QLabel* Label(const QString& text, QWidget* buddy = nullptr)
{
    auto* label = new QLabel(text);
    if (buddy)
        label->setBuddy(buddy);
    return label;
}

// A drop-down list whose width does not follow its entries, so the page keeps its size
// (and the display its place) whatever the device names are.
QComboBox* DropDown(int id, const QString& name, int characters)
{
    auto* combo = new QComboBox;
    platform::SetControlId(combo, id, name);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(characters);
    return combo;
}

QSlider* Slider(int id, const QString& name)
{
    auto* slider = new QSlider(Qt::Horizontal);
    platform::SetControlId(slider, id, name);
    slider->setTickPosition(QSlider::TicksBelow);
    return slider;
}

QLabel* Decoration(QStyle::StandardPixmap which, const QWidget* page)
{
    auto* icon = new QLabel;
    icon->setPixmap(page->style()->standardIcon(which).pixmap(32, 32));
    icon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    return icon;
}

} // namespace

void CDialogRecord::BuildControls()
{
    platform::MarkControlWindow(this);

    // Recording Output
    auto* output = new QGroupBox(tr("Recording Output"));
    auto* outputGrid = new QGridLayout(output);
    m_comboFileType = DropDown(IDC_FILE_TYPE, tr("File type"), 8);
    m_editFilePath = new QLineEdit;
    platform::SetControlId(m_editFilePath, IDC_FILE_PATH, tr("File name"));
    m_buttonBrowse = new QPushButton(QStringLiteral("..."));
    platform::SetControlId(m_buttonBrowse, IDC_BROWSE, tr("Browse"));
    m_buttonBrowse->setFixedWidth(m_buttonBrowse->fontMetrics().horizontalAdvance(QStringLiteral("....")) + 16);
    m_labelRoom = new QLabel;
    platform::SetControlId(m_labelRoom, IDC_ROOM, tr("Room"));
    m_checkParts = new QCheckBox(tr(" New file every"));
    platform::SetControlId(m_checkParts, IDC_NEW_FILE_EVERY);
    m_timeParts = new QTimeEdit(QTime(1, 0, 0));
    platform::SetControlId(m_timeParts, IDC_PART_LENGTH, tr("New file every"));
    m_timeParts->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    m_timeParts->setTimeRange(QTime(0, 0, 1), QTime(23, 59, 59));
    m_timeParts->setAlignment(Qt::AlignRight);
    m_checkDated = new QCheckBox(tr(" Add date and time to the name"));
    platform::SetControlId(m_checkDated, IDC_DATED_NAMES);
    outputGrid->addWidget(Decoration(QStyle::SP_DialogSaveButton, this), 0, 0, 5, 1);
    outputGrid->addWidget(Label(tr("File type:"), m_comboFileType), 0, 1);
    outputGrid->addWidget(m_comboFileType, 0, 2, Qt::AlignLeft);
    outputGrid->addWidget(Label(tr("File name:"), m_editFilePath), 1, 1);
    outputGrid->addWidget(m_editFilePath, 1, 2);
    outputGrid->addWidget(m_buttonBrowse, 1, 3);
    outputGrid->addWidget(m_labelRoom, 2, 2, 1, 2);
    outputGrid->addWidget(m_checkParts, 3, 1);
    outputGrid->addWidget(m_timeParts, 3, 2, Qt::AlignLeft);
    outputGrid->addWidget(m_checkDated, 4, 1, 1, 2);
    outputGrid->setColumnStretch(2, 1);

    // Sound-activated recording
    auto* activation = new QGroupBox(tr("Sound-activated recording"));
    auto* activationRow = new QHBoxLayout;
    m_checkSkipSilence = new QCheckBox(tr(" Skip silence"));
    platform::SetControlId(m_checkSkipSilence, IDC_SKIP_SILENCE);
    m_spinSilenceLevel = new QSpinBox;
    platform::SetControlId(m_spinSilenceLevel, IDC_SILENCE_LEVEL, tr("Silence below"));
    m_spinSilenceLevel->setRange(-70, -10);
    m_spinSilenceLevel->setValue(-45);
    m_spinSilenceLevel->setSuffix(tr(" dBFS"));
    m_spinSilenceAfter = new QDoubleSpinBox;
    platform::SetControlId(m_spinSilenceAfter, IDC_SILENCE_AFTER, tr("Silence after"));
    m_spinSilenceAfter->setRange(0.5, 60.0);
    m_spinSilenceAfter->setSingleStep(0.5);
    m_spinSilenceAfter->setDecimals(1);
    m_spinSilenceAfter->setValue(3.0);
    m_spinSilenceAfter->setSuffix(tr(" s"));
    m_checkFilePerSound = new QCheckBox(tr(" New file for each sound"));
    platform::SetControlId(m_checkFilePerSound, IDC_FILE_PER_SOUND);
    activationRow->addWidget(m_checkSkipSilence);
    activationRow->addSpacing(12);
    activationRow->addWidget(Label(tr("Silence below"), m_spinSilenceLevel));
    activationRow->addWidget(m_spinSilenceLevel);
    activationRow->addWidget(Label(tr("after"), m_spinSilenceAfter));
    activationRow->addWidget(m_spinSilenceAfter);
    activationRow->addStretch(1);
    auto* activationGrid = new QVBoxLayout(activation);
    activationGrid->addLayout(activationRow);
    activationGrid->addWidget(m_checkFilePerSound);

    // Audio Capture Device
    auto* capture = new QGroupBox(tr("Audio Capture Device"));
    auto* captureGrid = new QGridLayout(capture);
    m_comboDevice = DropDown(IDC_DEVICE, tr("Audio device"), 30);
    auto* microphone = new QRadioButton(tr("Microphone"));
    platform::SetControlId(microphone, IDC_MICROPHONE);
    m_sliderMic = Slider(IDC_SLIDER_MIC, tr("Microphone volume"));
    auto* lineIn = new QRadioButton(tr("Line in"));
    platform::SetControlId(lineIn, IDC_LINE_IN);
    m_sliderLineIn = Slider(IDC_SLIDER_LINE_IN, tr("Line in volume"));
    m_groupSource = new QButtonGroup(this);
    m_groupSource->addButton(microphone, 0);
    m_groupSource->addButton(lineIn, 1);
    m_comboChannel = DropDown(IDC_CHANNEL, tr("Channel"), 14);
    m_checkLeft = new QCheckBox(tr("Left channel"));
    platform::SetControlId(m_checkLeft, IDC_LEFT_CHANNEL);
    m_checkRight = new QCheckBox(tr("Right channel"));
    platform::SetControlId(m_checkRight, IDC_RIGHT_CHANNEL);
    m_comboSampleRate = DropDown(IDC_SAMPLE_RATE, tr("Sample rate"), 6);
    m_comboBits = DropDown(IDC_BITS, tr("Bits per sample"), 3);
    m_checkMonitor = new QCheckBox(tr(" Monitor input"));
    platform::SetControlId(m_checkMonitor, IDC_MONITOR);

    auto* channelBoxes = new QHBoxLayout;
    channelBoxes->addWidget(m_comboChannel);
    channelBoxes->addSpacing(12);
    channelBoxes->addWidget(m_checkLeft);
    channelBoxes->addWidget(m_checkRight);
    channelBoxes->addStretch(1);

    auto* format = new QHBoxLayout;
    format->addWidget(m_comboSampleRate);
    format->addWidget(Label(tr("Hz")));
    format->addSpacing(24);
    format->addWidget(Label(tr("Bits per sample:"), m_comboBits));
    format->addWidget(m_comboBits);
    format->addWidget(Label(tr("Bits")));
    format->addStretch(1);

    captureGrid->addWidget(Decoration(QStyle::SP_MediaVolume, this), 0, 0, 5, 1);
    captureGrid->addWidget(Label(tr("Audio device:"), m_comboDevice), 0, 1);
    captureGrid->addWidget(m_comboDevice, 0, 2, 1, 2);
    captureGrid->addWidget(Label(tr("Wave in device:")), 1, 1);
    captureGrid->addWidget(microphone, 1, 2);
    captureGrid->addWidget(m_sliderMic, 1, 3);
    captureGrid->addWidget(lineIn, 2, 2);
    captureGrid->addWidget(m_sliderLineIn, 2, 3);
    captureGrid->addWidget(Label(tr("Channel:"), m_comboChannel), 3, 1);
    captureGrid->addLayout(channelBoxes, 3, 2, 1, 2);
    captureGrid->addWidget(Label(tr("Sample rate:"), m_comboSampleRate), 4, 1);
    captureGrid->addLayout(format, 4, 2, 1, 2);
    captureGrid->addWidget(m_checkMonitor, 5, 2, 1, 2);
    captureGrid->setColumnStretch(3, 1);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(8, 8, 8, 8);
    page->addWidget(output);
    page->addWidget(activation);
    page->addWidget(capture);
    page->addStretch(1);
}

void CDialogRecord::ConnectControls()
{
    connect(m_comboDevice, &QComboBox::activated, this, &CDialogRecord::OnSelChangeDevice);
    connect(m_checkMonitor, &QCheckBox::clicked, this, &CDialogRecord::FollowMonitor);
    connect(m_comboSampleRate, &QComboBox::activated, this, &CDialogRecord::FollowMonitor);
    connect(m_comboBits, &QComboBox::activated, this, &CDialogRecord::FollowMonitor);
    connect(&m_engine, &CAudioPlayRec::MonitorFailed, this, &CDialogRecord::OnMonitorFailed);
    connect(m_groupSource, &QButtonGroup::idClicked, this, &CDialogRecord::OnSource);
    connect(m_sliderMic, &QSlider::sliderReleased, this, [this] { OnReleasedSlider(m_sliderMic); });
    connect(m_sliderLineIn, &QSlider::sliderReleased, this, [this] { OnReleasedSlider(m_sliderLineIn); });
    connect(m_comboChannel, &QComboBox::activated, this, &CDialogRecord::OnSelChangeChannel);
    connect(m_buttonBrowse, &QPushButton::clicked, this, &CDialogRecord::OnBrowse);
    connect(m_comboFileType, &QComboBox::activated, this, &CDialogRecord::OnSelChangeFileType);
    connect(m_checkLeft, &QCheckBox::clicked, this, [this] { OnChannelBox(m_checkLeft); });
    connect(m_checkRight, &QCheckBox::clicked, this, [this] { OnChannelBox(m_checkRight); });
    connect(m_checkParts, &QCheckBox::toggled, this, &CDialogRecord::UpdateControls);
    connect(m_checkSkipSilence, &QCheckBox::toggled, this, &CDialogRecord::UpdateControls);
    connect(m_checkSkipSilence, &QCheckBox::toggled, this, &CDialogRecord::ShowSilenceLevel);
    connect(m_spinSilenceLevel, &QSpinBox::valueChanged, this, &CDialogRecord::ShowSilenceLevel);
    // The room follows everything a second of sound costs, and the folder.
    connect(m_editFilePath, &QLineEdit::textChanged, this, &CDialogRecord::ShowRoom);
    for (QComboBox* combo : {m_comboFileType, m_comboSampleRate, m_comboBits, m_comboChannel})
        connect(combo, &QComboBox::currentIndexChanged, this, &CDialogRecord::ShowRoom);
    for (QCheckBox* box : {m_checkLeft, m_checkRight})
        connect(box, &QCheckBox::toggled, this, &CDialogRecord::ShowRoom);
}
