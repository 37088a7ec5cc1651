#include "app/RoomOnDisk.h"

#include "platform/FreeSpace.h"

#include <QCoreApplication>

std::optional<std::int64_t> RoomSeconds(const QString& folder, std::uint64_t bytesPerSecond)
{
    if (bytesPerSecond == 0)
        return std::nullopt;
    const std::optional<std::uint64_t> free = platform::FreeBytes(folder);
    if (!free)
        return std::nullopt;
    return static_cast<std::int64_t>(*free / bytesPerSecond);
}

QString RoomText(std::int64_t seconds)
{
    const std::int64_t minutes = seconds / 60;
    const std::int64_t hours = minutes / 60;
    const std::int64_t days = hours / 24;
    if (minutes < 1)
        return QCoreApplication::translate("Room", "less than a minute");
    if (hours < 1)
        return QCoreApplication::translate("Room", "about %1 min").arg(minutes);
    if (days < 1)
        return minutes % 60 ? QCoreApplication::translate("Room", "about %1 h %2 min").arg(hours).arg(minutes % 60)
                            : QCoreApplication::translate("Room", "about %1 h").arg(hours);
    if (days == 1)
        return hours % 24 ? QCoreApplication::translate("Room", "about 1 day %1 h").arg(hours % 24)
                          : QCoreApplication::translate("Room", "about 1 day");
    return hours % 24 ? QCoreApplication::translate("Room", "about %1 days %2 h").arg(days).arg(hours % 24)
                      : QCoreApplication::translate("Room", "about %1 days").arg(days);
}
