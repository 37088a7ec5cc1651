#include "platform/FileSizeSignal.h"

#include <csignal>
#include <mutex>

namespace platform {

void IgnoreFileSizeSignal()
{
    static std::once_flag once;
    std::call_once(once, [] { std::signal(SIGXFSZ, SIG_IGN); });
}

} // namespace platform
