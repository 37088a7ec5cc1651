#include "platform/mixer/MixerTypes.h"

namespace platform {

QEvent::Type MixerEvent::EventType()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

} // namespace platform
