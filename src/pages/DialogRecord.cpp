// The recording options page: initialisation, data exchange, the enabled states, the
// engine's notifications, and the device, source, volume and channel choices.

#include "pages/DialogRecord.h"

#include "app/ControlIds.h"
#include "app/MainWindowPointer.h"
#include "engine/view/LevelMeter.h"
#include "mixer/InputSources.h"
#include "platform/ControlId.h"
#include "platform/ShowMessage.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QLineEdit>
#include <QSlider>
#include <QSpinBox>
#include <QTimeEdit>

namespace {
// A volume of all ones stands for the control's maximum.
constexpr std::uint32_t FULL_VOLUME = 0xFFFFFFFF;
} // namespace

CDialogRecord::CDialogRecord()
{
    BuildControls();
    ConnectControls();
}

CDialogRecord::~CDialogRecord()
{
    if (m_pWatchedAudio)
        m_pWatchedAudio->UnwatchCaptureDevices(this);
}

bool CDialogRecord::OnInitDialog()
{
    UpdateData(false);
    ListDevices();

    QWidget* mainWindow = GetMainWindow();
    m_pPlaceholder = mainWindow ? platform::FindControl(mainWindow, IDC_WAVE) : nullptr;
    QRect display;
    if (m_pPlaceholder) {
        display = QRect(m_pPlaceholder->mapTo(mainWindow, QPoint(0, 0)), m_pPlaceholder->size());
        // The layout may still move the placeholder; the display goes with it.
        m_pPlaceholder->installEventFilter(this);
    }
    const int selected = m_comboDevice->currentIndex();
    if (!m_engine.Create(selected < 0 ? WAVE_MAPPER : static_cast<std::uint32_t>(selected), mainWindow,
                         m_pPlaceholder ? &display : nullptr, &CDialogRecord::OnEngineNotify, this))
        platform::ShowMessage(this, tr("Initialize callback device failed"),
                              QApplication::applicationName());
    if (m_pPlaceholder)
        m_engine.raise();
    if (mainWindow)
        m_engine.AttachMeters(platform::FindControl<CLevelMeter>(mainWindow, IDC_LEVEL_LEFT),
                              platform::FindControl<CLevelMeter>(mainWindow, IDC_LEVEL_RIGHT));

    FillLists();
    SetUpSlider(m_sliderMic, false);
    SetUpSlider(m_sliderLineIn, true);
    ApplyInputSource(m_engine, static_cast<std::uint32_t>(m_sliderMic->value()), false);

    m_checkLeft->setChecked(true);
    m_checkRight->setChecked(true);
    m_checkLeft->setEnabled(false);
    m_checkRight->setEnabled(false);

    // A rate and a size are their own meaning: each entry carries it as its saved id.
    for (const std::int32_t rate : SAMPLE_RATES)
        m_comboSampleRate->addItem(QString::number(rate), QString::number(rate));
    m_comboSampleRate->setCurrentIndex(4);
    for (const char* bits : {"8", "16"})
        m_comboBits->addItem(QString::fromLatin1(bits), QString::fromLatin1(bits));
    m_comboBits->setCurrentIndex(1);

    UpdateControls();
    return true;
}

void CDialogRecord::OnRestored()
{
    UpdateData(true);
    // Start-up made the microphone the source; line in, if that was kept, records at the
    // volume its slider shows, not at full volume as a click on it would set.
    if (m_nSource == 1)
        ApplyInputSource(m_engine, static_cast<std::uint32_t>(m_sliderLineIn->value()), true);
    UpdateControls();
}

// Each entry carries what it means as item data, the id saved settings keep it by: a list
// that grows, or is shown in another language, still reads what was saved.
void CDialogRecord::FillLists()
{
    // The English entry is the id, whatever language the list is shown in.
    for (const char* layout : {QT_TR_NOOP("Mono Mixer"), QT_TR_NOOP("Stereo Mixer"), QT_TR_NOOP("Single Channel")})
        m_comboChannel->addItem(tr(layout), QString::fromLatin1(layout));
    m_comboChannel->setCurrentIndex(0);
    // Names, the same in every language.
    for (const FormatRow& format : Formats())
        m_comboFileType->addItem(QLatin1String(format.entry), QLatin1String(format.entry));
    m_comboFileType->setCurrentIndex(0);
}

void CDialogRecord::SetUpSlider(QSlider* slider, bool lineInput)
{
    std::int32_t maximum = -1;
    std::int32_t minimum = -1;
    const std::int32_t current = QueryInputVolume(m_engine, lineInput, &maximum, &minimum);
    slider->setRange(minimum, maximum);
    // Fifteen steps between ticks, whatever the control's units.
    slider->setTickInterval(static_cast<int>(static_cast<std::uint32_t>(maximum) / 15));
    slider->setValue(current);
}

bool CDialogRecord::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_pPlaceholder && (event->type() == QEvent::Move || event->type() == QEvent::Resize)) {
        if (QWidget* mainWindow = m_engine.parentWidget())
            m_engine.setGeometry(QRect(m_pPlaceholder->mapTo(mainWindow, QPoint(0, 0)), m_pPlaceholder->size()));
    }
    return QWidget::eventFilter(watched, event);
}

void CDialogRecord::UpdateData(bool save)
{
    if (save) {
        m_nSource = m_groupSource->checkedId();
        m_nChannelIndex = m_comboChannel->currentIndex();
        m_nFileType = static_cast<FileType>(m_comboFileType->currentIndex());
        m_strFilePath = m_editFilePath->text();
        m_nSampleRateIndex = m_comboSampleRate->currentIndex();
        m_nBitsIndex = m_comboBits->currentIndex();
        return;
    }
    if (QAbstractButton* source = m_groupSource->button(m_nSource))
        source->setChecked(true);
    m_comboChannel->setCurrentIndex(m_nChannelIndex);
    m_comboFileType->setCurrentIndex(static_cast<int>(m_nFileType));
    m_editFilePath->setText(m_strFilePath);
    m_comboSampleRate->setCurrentIndex(m_nSampleRateIndex);
    m_comboBits->setCurrentIndex(m_nBitsIndex);
}

bool CDialogRecord::IsBusy() const
{
    return m_engine.m_nStatus == STATUS_PLAYING || m_engine.m_nStatus == STATUS_RECORDING ||
           m_engine.m_nStatus == STATUS_STOPPING;
}

void CDialogRecord::UpdateControls()
{
    UpdateData(true);
    const bool busy = IsBusy();
    m_comboChannel->setEnabled(!busy);
    m_comboDevice->setEnabled(!busy);
    if (QWidget* mainWindow = GetMainWindow()) {
        for (int id : {IDC_RECORD, IDC_PLAY})
            if (QWidget* button = platform::FindControl(mainWindow, id))
                button->setEnabled(!busy);
    }
    m_checkLeft->setEnabled(m_nChannelIndex == 2);
    m_checkRight->setEnabled(m_nChannelIndex == 2);
    // A recording is cut into parts as it was started: the length holds until it ends.
    m_checkParts->setEnabled(!busy);
    m_timeParts->setEnabled(!busy && m_checkParts->isChecked());
    // Like the parts, a recording skips silence as it was started.
    const bool skip = m_checkSkipSilence->isChecked();
    m_checkSkipSilence->setEnabled(!busy);
    for (QWidget* control : std::initializer_list<QWidget*>{m_spinSilenceLevel, m_spinSilenceAfter, m_checkFilePerSound})
        control->setEnabled(!busy && skip);
    // A take that starts or ends changes what the room is counted for.
    ShowRoom();
    FollowMonitor();
}

SkipSilence CDialogRecord::SkipSilenceChoice() const
{
    SkipSilence choice;
    choice.enabled = m_checkSkipSilence->isChecked();
    choice.levelDb = m_spinSilenceLevel->value();
    choice.afterSeconds = m_spinSilenceAfter->value();
    choice.filePerSound = choice.enabled && m_checkFilePerSound->isChecked();
    return choice;
}

void CDialogRecord::ShowSilenceLevel()
{
    QWidget* mainWindow = GetMainWindow();
    if (!mainWindow)
        return;
    const std::optional<double> mark =
        m_checkSkipSilence->isChecked() ? std::optional<double>(m_spinSilenceLevel->value()) : std::nullopt;
    for (int id : {IDC_LEVEL_LEFT, IDC_LEVEL_RIGHT})
        if (auto* meter = platform::FindControl<CLevelMeter>(mainWindow, id))
            meter->SetSilenceMark(mark);
}

void CDialogRecord::FollowMonitor()
{
    if (!m_checkMonitor->isChecked()) {
        m_engine.StopMonitor();
        return;
    }
    // A recording or a playback has the device; monitoring is taken up when it closes.
    if (m_engine.m_nStatus != STATUS_READY)
        return;
    UpdateData(true);
    const auto bits = static_cast<std::uint16_t>(m_nBitsIndex == 1 ? 16 : 8);
    const auto mode = static_cast<std::uint32_t>(m_nChannelIndex);
    const auto rate = static_cast<std::uint32_t>(SampleRateAt(m_nSampleRateIndex));
    const WAVEFORMATEX& now = m_engine.Format();
    if (m_engine.IsMonitoring() && m_engine.ChannelMode() == mode && now.nSamplesPerSec == rate &&
        now.wBitsPerSample == bits)
        return;
    const QString failure = m_engine.StartMonitor(bits, mode, rate);
    if (!failure.isEmpty()) {
        m_checkMonitor->setChecked(false);
        emit DeviceNotice(tr("\"%1\" cannot be monitored: %2").arg(m_comboDevice->currentText(), failure));
    }
}

void CDialogRecord::OnMonitorFailed(const QString& reason)
{
    m_checkMonitor->setChecked(false);
    emit DeviceNotice(tr("Monitoring of \"%1\" stopped: %2").arg(m_comboDevice->currentText(), reason));
}

void CDialogRecord::OnEngineNotify(std::uint32_t message, void* owner)
{
    if (message != MM_WOM_CLOSE && message != MM_WIM_CLOSE)
        return;
    auto* page = static_cast<CDialogRecord*>(owner);
    // Device changes seen during the recording or playback are taken up now.
    if (page->m_bDeviceListStale)
        page->UpdateDeviceList();
    page->UpdateControls();
    emit page->EngineDeviceClosed();
}

void CDialogRecord::OnSource()
{
    UpdateData(true);
    const bool lineInput = m_nSource == 1;
    ApplyInputSource(m_engine, FULL_VOLUME, lineInput);
    QSlider* slider = lineInput ? m_sliderLineIn : m_sliderMic;
    slider->setValue(slider->maximum());
}

// Applied on release only, and it makes the slider's line the recording source whatever
// the radio buttons show.
void CDialogRecord::OnReleasedSlider(QSlider* slider)
{
    ApplyInputSource(m_engine, static_cast<std::uint32_t>(slider->value()), slider == m_sliderLineIn);
}

void CDialogRecord::OnSelChangeChannel()
{
    UpdateControls();
}
