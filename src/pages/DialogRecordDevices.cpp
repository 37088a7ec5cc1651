// The recording options page's device list: filled at start-up, following the server's
// capture devices as they come, go and are renamed, and the user's choice of one.

#include "mixer/InputSources.h"
#include "pages/DialogRecord.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHash>
#include <QStringList>

#include <algorithm>

namespace {

int IndexOf(const std::vector<platform::DeviceInfo>& devices, const QString& id)
{
    if (id.isEmpty())
        return -1;
    const auto found = std::find_if(devices.begin(), devices.end(),
                                    [&](const platform::DeviceInfo& device) { return device.id == id; });
    return found == devices.end() ? -1 : static_cast<int>(found - devices.begin());
}

// The device start-up chooses: the first whose first source has a volume control. The
// mixer lists the devices on its own, so a number past this list is none.
int StartupChoice(const std::vector<platform::DeviceInfo>& devices)
{
    const int device = FindMixerCapableDevice();
    return device < static_cast<int>(devices.size()) ? device : -1;
}

QString ChangeNotice(const QString& before, const QString& after)
{
    if (before.isEmpty())
        return CDialogRecord::tr("The audio device is now \"%1\"").arg(after);
    if (after.isEmpty())
        return CDialogRecord::tr("\"%1\" is gone; no audio device is left").arg(before);
    return CDialogRecord::tr("\"%1\" is gone; the audio device is now \"%2\"").arg(before, after);
}

// The list's entries, entry i for device i: each device's name, or where two would read
// the same, the name followed by the device's id.
QStringList DeviceEntries(const std::vector<platform::DeviceInfo>& devices)
{
    QHash<QString, int> uses;
    for (const platform::DeviceInfo& device : devices)
        ++uses[device.name];
    QStringList entries;
    for (const platform::DeviceInfo& device : devices) {
        if (device.name.isEmpty())
            entries << device.id;
        else if (uses.value(device.name) > 1)
            entries << QStringLiteral("%1 (%2)").arg(device.name, device.id);
        else
            entries << device.name;
    }
    return entries;
}

} // namespace

void CDialogRecord::ListDevices()
{
    // Watched before the first list is taken, so no change falls between the two.
    m_pWatchedAudio = &platform::CurrentAudioBackend();
    m_pWatchedAudio->WatchCaptureDevices(this);
    const std::vector<platform::DeviceInfo> devices = m_pWatchedAudio->Devices(platform::Direction::Capture);
    FillDeviceList(devices);
    m_nDevice = StartupChoice(devices);
    m_comboDevice->setCurrentIndex(m_nDevice);
    m_strDeviceId = m_comboDevice->currentData().toString();
}

void CDialogRecord::FillDeviceList(const std::vector<platform::DeviceInfo>& devices)
{
    const QStringList entries = DeviceEntries(devices);
    bool same = m_comboDevice->count() == static_cast<int>(devices.size());
    for (int i = 0; same && i < m_comboDevice->count(); ++i)
        same = m_comboDevice->itemText(i) == entries[i] &&
               m_comboDevice->itemData(i).toString() == devices[static_cast<std::size_t>(i)].id;
    // Refilling an unchanged list would close it under a user who has it open.
    if (same)
        return;
    m_comboDevice->clear();
    for (std::size_t i = 0; i < devices.size(); ++i)
        m_comboDevice->addItem(entries[static_cast<int>(i)], devices[i].id);
}

void CDialogRecord::UpdateDeviceList()
{
    // A change must not touch the recording or playback in progress.
    if (IsBusy()) {
        m_bDeviceListStale = true;
        return;
    }
    m_bDeviceListStale = false;
    const QString idBefore = m_comboDevice->currentData().toString();
    const QString entryBefore = m_comboDevice->currentText();

    const std::vector<platform::DeviceInfo> devices =
        platform::CurrentAudioBackend().Devices(platform::Direction::Capture);
    FillDeviceList(devices);
    int chosen = IndexOf(devices, m_strDeviceId);
    if (chosen < 0) {
        chosen = StartupChoice(devices);
        // An empty list (no server for now) keeps the choice to find it again later.
        if (chosen >= 0)
            m_strDeviceId = devices[static_cast<std::size_t>(chosen)].id;
    }
    m_comboDevice->setCurrentIndex(chosen);

    const QString idAfter = m_comboDevice->currentData().toString();
    if (chosen != m_nDevice || idAfter != idBefore) {
        m_engine.SelectDevice(chosen < 0 ? WAVE_MAPPER : static_cast<std::uint32_t>(chosen));
        m_nDevice = chosen;
    }
    if (idAfter != idBefore) {
        QString notice = ChangeNotice(entryBefore, m_comboDevice->currentText());
        // Monitoring does not move to another device on its own.
        if (m_checkMonitor->isChecked()) {
            m_checkMonitor->setChecked(false);
            notice = tr("Monitoring stopped: %1").arg(notice);
        }
        emit DeviceNotice(notice);
    }
    FollowMonitor();
}

void CDialogRecord::customEvent(QEvent* event)
{
    if (event->type() == platform::DeviceListEvent::EventType())
        UpdateDeviceList();
    else
        QWidget::customEvent(event);
}

void CDialogRecord::OnSelChangeDevice()
{
    const int selected = m_comboDevice->currentIndex();
    m_strDeviceId = m_comboDevice->currentData().toString();
    if (selected == m_nDevice)
        return;
    m_engine.SelectDevice(static_cast<std::uint32_t>(selected));
    m_nDevice = selected;
    FollowMonitor();
}
