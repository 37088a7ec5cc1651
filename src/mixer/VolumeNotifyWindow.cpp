#include "mixer/VolumeNotifyWindow.h"

#include "mixer/VolumeInXXX.h"
#include "platform/mixer/MixerTypes.h"

VolumeNotifyWindow::VolumeNotifyWindow()
{
    setObjectName(QStringLiteral("Input Volume Msg Wnd"));
}

bool VolumeNotifyWindow::event(QEvent* e)
{
    if (e->type() == platform::MixerEvent::EventType()) {
        const auto* m = static_cast<platform::MixerEvent*>(e);
        NotificationWndProc(m->Message(), m->Mixer(), m->Id());
    }
    return QObject::event(e);
}

void NotificationWndProc(std::uint32_t message, std::uint32_t, std::uint32_t lParam)
{
    if (message != platform::MM_MIXM_CONTROL_CHANGE || !g_pActiveVolume ||
        lParam != g_pActiveVolume->m_dwVolumeControlId)
        return;
    CVolumeInXXX* active = g_pActiveVolume;
    const std::int32_t value = static_cast<IVolume*>(active)->GetVolume();
    if (value != -1 && active->m_pfnOnChange)
        active->m_pfnOnChange(value, active->m_dwCallbackData);
}
