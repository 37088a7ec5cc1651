#include "platform/audio/pulse/PulseBackend.h"

#include "platform/audio/pulse/PulseConnection.h"
#include "platform/audio/pulse/PulseStream.h"

#include <pulse/error.h>

namespace platform {

struct PulseBackend::Impl {
    // Shared with every stream, so that the main loop outlives the last stream even if the
    // backend goes first.
    std::shared_ptr<PulseConnection> connection = std::make_shared<PulseConnection>();
};

PulseBackend::PulseBackend() : m_pImpl(std::make_unique<Impl>()) {}

PulseBackend::~PulseBackend() = default;

std::vector<DeviceInfo> PulseBackend::Devices(Direction dir)
{
    PulseConnection::Lock lock(*m_pImpl->connection);
    return m_pImpl->connection->Devices(dir, PulseConnection::ReplyDeadline());
}

MMRESULT PulseBackend::Open(Direction dir, int device, const WAVEFORMATEX& format, QObject* target,
                            std::unique_ptr<IWaveStream>& stream)
{
    if (!target)
        return MMSYSERR_INVALPARAM;
    if (!IsSupportedFormat(format))
        return WAVERR_BADFORMAT;
    if (device < DEFAULT_DEVICE)
        return MMSYSERR_BADDEVICEID;

    PulseConnection& connection = *m_pImpl->connection;
    PulseConnection::Lock lock(connection);
    const auto deadline = PulseConnection::ReplyDeadline();
    pa_context* context = connection.Context(deadline);
    if (!context)
        return MMSYSERR_NODRIVER;
    QByteArray name;
    if (device != DEFAULT_DEVICE) {
        const auto devices = connection.Devices(dir, deadline);
        if (static_cast<std::size_t>(device) >= devices.size())
            return MMSYSERR_BADDEVICEID;
        name = devices[static_cast<std::size_t>(device)].id.toUtf8();
    }
    return PulseStream::Open(m_pImpl->connection, context, deadline, dir,
                             device == DEFAULT_DEVICE ? nullptr : name.constData(), format, target, stream);
}

QString PulseBackend::ErrorText(MMRESULT code)
{
    if (code >= SERVER_ERROR_BASE) {
        if (const char* text = pa_strerror(static_cast<int>(code - SERVER_ERROR_BASE)))
            return QString::fromUtf8(text);
    }
    return CommonErrorText(code);
}

void PulseBackend::WatchCaptureDevices(QObject* target)
{
    PulseConnection::Lock lock(*m_pImpl->connection);
    m_pImpl->connection->Watch(target);
}

void PulseBackend::UnwatchCaptureDevices(QObject* target)
{
    PulseConnection::Lock lock(*m_pImpl->connection);
    m_pImpl->connection->Unwatch(target);
}

} // namespace platform
