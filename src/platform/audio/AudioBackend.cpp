#include "platform/audio/AudioBackend.h"

#include "platform/audio/pulse/PulseBackend.h"
#include "platform/audio/virtual/VirtualBackend.h"

#include <QCoreApplication>

#include <atomic>
#include <cstdlib>
#include <cstring>

namespace platform {

namespace {
IAudioBackend* g_pChosen = nullptr;

IAudioBackend& DefaultBackend()
{
    static std::unique_ptr<IAudioBackend> backend = [] () -> std::unique_ptr<IAudioBackend> {
        if (UsesVirtualDevices())
            return std::make_unique<VirtualBackend>();
        return std::make_unique<PulseBackend>();
    }();
    return *backend;
}
} // namespace

IAudioBackend& CurrentAudioBackend()
{
    return g_pChosen ? *g_pChosen : DefaultBackend();
}

void UseAudioBackend(IAudioBackend* backend)
{
    g_pChosen = backend;
}

bool UsesVirtualDevices()
{
    const char* name = std::getenv("TESSAVOX_AUDIO");
    return name && std::strcmp(name, "virtual") == 0;
}

QEvent::Type DeviceListEvent::EventType()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

unsigned IAudioBackend::DeviceCount(Direction dir)
{
    return static_cast<unsigned>(Devices(dir).size());
}

QString IAudioBackend::DeviceName(Direction dir, unsigned index)
{
    const std::vector<DeviceInfo> devices = Devices(dir);
    return index < devices.size() ? devices[index].name : QString();
}

MMRESULT CheckHeader(const WAVEHDR* header)
{
    return header && header->lpData && header->dwBufferLength > 0 ? MMSYSERR_NOERROR : MMSYSERR_INVALPARAM;
}

bool IsSupportedFormat(const WAVEFORMATEX& f)
{
    return f.wFormatTag == WAVE_FORMAT_PCM && (f.wBitsPerSample == 8 || f.wBitsPerSample == 16) &&
           (f.nChannels == 1 || f.nChannels == 2) && f.nSamplesPerSec >= 8000 &&
           f.nSamplesPerSec <= 48000 && f.nBlockAlign == f.nChannels * f.wBitsPerSample / 8 &&
           f.nAvgBytesPerSec == f.nSamplesPerSec * f.nBlockAlign;
}

QString CommonErrorText(MMRESULT code)
{
    switch (code) {
    case MMSYSERR_NOERROR: return QCoreApplication::translate("AudioBackend", "The command completed successfully.");
    case MMSYSERR_ERROR: return QCoreApplication::translate("AudioBackend", "Unspecified error.");
    case MMSYSERR_BADDEVICEID: return QCoreApplication::translate("AudioBackend", "The device number is out of range.");
    case MMSYSERR_NOTENABLED: return QCoreApplication::translate("AudioBackend", "The device is not enabled.");
    case MMSYSERR_ALLOCATED: return QCoreApplication::translate("AudioBackend", "The device is already in use.");
    case MMSYSERR_INVALHANDLE: return QCoreApplication::translate("AudioBackend", "The device handle is not valid.");
    case MMSYSERR_NODRIVER: return QCoreApplication::translate("AudioBackend", "No sound server or driver is available.");
    case MMSYSERR_NOMEM: return QCoreApplication::translate("AudioBackend", "Not enough memory.");
    case MMSYSERR_NOTSUPPORTED: return QCoreApplication::translate("AudioBackend", "The device does not support this operation.");
    case MMSYSERR_INVALPARAM: return QCoreApplication::translate("AudioBackend", "An argument is not valid.");
    case WAVERR_BADFORMAT: return QCoreApplication::translate("AudioBackend", "The device cannot use this sound format.");
    case WAVERR_STILLPLAYING: return QCoreApplication::translate("AudioBackend", "Buffers are still queued on the device.");
    case WAVERR_UNPREPARED: return QCoreApplication::translate("AudioBackend", "The buffer is not prepared.");
    default: return QCoreApplication::translate("AudioBackend", "Unknown error %1.").arg(code);
    }
}

std::uint64_t NextStreamId()
{
    static std::atomic<std::uint64_t> next{1};
    return next.fetch_add(1);
}

} // namespace platform
