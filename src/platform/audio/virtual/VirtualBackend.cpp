#include "platform/audio/virtual/VirtualBackend.h"

#include "platform/audio/virtual/VirtualBackendState.h"
#include "platform/audio/virtual/VirtualStream.h"

#include <QCoreApplication>

#include <algorithm>
#include <utility>

namespace platform {

namespace {
// Short enough that a consumer of 4096-byte buffers sees a steady flow, long enough to
// leave the UI thread idle most of the time.
constexpr int TICK_MS = 5;
} // namespace

VirtualBackend::VirtualBackend() : m_pState(std::make_shared<State>())
{
    m_pState->capture = {
        {.name = QStringLiteral("Virtual Sine"), .signal = VirtualSignal::Sine},
        {.name = QStringLiteral("Virtual Counter"), .signal = VirtualSignal::Counter},
        {.name = QStringLiteral("Virtual Silence"), .signal = VirtualSignal::Silence},
    };
    m_pState->playback = {{.name = QStringLiteral("Virtual Output")}};
}

VirtualBackend::~VirtualBackend()
{
    // Streams that outlive the backend keep the state, but time stops for them.
    m_pState->pTimer.reset();
    m_pState->clock.Stop();
}

void VirtualBackend::SetDevices(Direction dir, std::vector<VirtualDeviceSpec> devices)
{
    const std::vector<DeviceInfo> before = m_pState->Listed(dir);
    m_pState->Devices(dir) = std::move(devices);
    const std::vector<DeviceInfo> after = m_pState->Listed(dir);

    // A stream goes with its device, as a sound card's does when it is unplugged.
    const std::vector<VirtualStream*> open = m_pState->streams;
    for (VirtualStream* stream : open) {
        const bool listed = std::any_of(after.begin(), after.end(),
                                        [&](const DeviceInfo& device) { return device.id == stream->Device().Id(); });
        if (stream->Dir() == dir && !listed)
            stream->Fail(VIRTUAL_STREAM_FAILED);
    }
    if (dir == Direction::Capture && after != before)
        for (QObject* watcher : m_pState->watchers)
            QCoreApplication::postEvent(watcher, new DeviceListEvent);
}

std::vector<DeviceInfo> VirtualBackend::Devices(Direction dir)
{
    return m_pState->Listed(dir);
}

void VirtualBackend::WatchCaptureDevices(QObject* target)
{
    if (target && std::find(m_pState->watchers.begin(), m_pState->watchers.end(), target) == m_pState->watchers.end())
        m_pState->watchers.push_back(target);
}

void VirtualBackend::UnwatchCaptureDevices(QObject* target)
{
    std::erase(m_pState->watchers, target);
}

MMRESULT VirtualBackend::Open(Direction dir, int device, const WAVEFORMATEX& format, QObject* target,
                              std::unique_ptr<IWaveStream>& stream)
{
    if (!IsSupportedFormat(format))
        return WAVERR_BADFORMAT;
    const auto& devices = m_pState->Devices(dir);
    const int index = device == DEFAULT_DEVICE ? 0 : device;
    if (index < 0 || static_cast<std::size_t>(index) >= devices.size())
        return MMSYSERR_BADDEVICEID;
    const VirtualDeviceSpec& chosen = devices[static_cast<std::size_t>(index)];
    if (chosen.fault == VirtualFault::FailOpen)
        return MMSYSERR_ALLOCATED;
    // Notifications are the only way a stream reports; one with nowhere to post is useless.
    if (!target)
        return MMSYSERR_INVALPARAM;
    stream = std::make_unique<VirtualStream>(m_pState, dir, chosen, format, target);
    return MMSYSERR_NOERROR;
}

QString VirtualBackend::ErrorText(MMRESULT code)
{
    if (code == VIRTUAL_STREAM_FAILED)
        return QStringLiteral("The virtual device failed while the stream was running.");
    return CommonErrorText(code);
}

void VirtualBackend::SetSpeed(double speed)
{
    // Frames due at the old speed are delivered before the new one applies.
    m_pState->Tick();
    m_pState->clock.SetSpeed(speed);
    if (m_pState->clock.Speed() == 0.0) {
        m_pState->pTimer.reset();
        return;
    }
    if (!m_pState->pTimer) {
        m_pState->pTimer = std::make_unique<QTimer>();
        m_pState->pTimer->setTimerType(Qt::PreciseTimer);
        QObject::connect(m_pState->pTimer.get(), &QTimer::timeout, [state = m_pState.get()] { state->Tick(); });
        m_pState->pTimer->start(TICK_MS);
    }
}

void VirtualBackend::SetClock(std::function<std::int64_t()> nowNs)
{
    m_pState->Tick();
    m_pState->clock.SetSource(std::move(nowNs));
}

void VirtualBackend::Advance(unsigned frames)
{
    const std::vector<VirtualStream*> open = m_pState->streams;
    for (VirtualStream* stream : open)
        stream->Run(frames);
}

void VirtualBackend::FailOpenStreams(MMRESULT code)
{
    const std::vector<VirtualStream*> open = m_pState->streams;
    for (VirtualStream* stream : open)
        stream->Fail(code);
}

QByteArray VirtualBackend::Played() const
{
    return m_pState->played;
}

unsigned VirtualBackend::OpenStreamCount() const
{
    return static_cast<unsigned>(m_pState->streams.size());
}

unsigned VirtualBackend::QueuedOnLastStream() const
{
    return m_pState->pLast ? m_pState->pLast->Queued() : 0;
}

} // namespace platform
