#include "app/ElapsedDisplay.h"

#include <QCoreApplication>
#include <QFile>

#include <filesystem>
#include <system_error>

namespace {

QString HoursMinutesSeconds(std::int64_t hours, std::int64_t seconds)
{
    const auto two = [](std::int64_t v) { return QStringLiteral("%1").arg(v, 2, 10, QLatin1Char('0')); };
    return two(hours) + QLatin1Char(':') + two(seconds / 60 % 60) + QLatin1Char(':') + two(seconds % 60);
}

} // namespace

QString ElapsedTimeText(std::int64_t seconds)
{
    return QCoreApplication::translate("ElapsedDisplay", "Time: %1").arg(HoursMinutesSeconds(seconds / 3600 % 24, seconds));
}

QString LengthText(std::int64_t seconds)
{
    return HoursMinutesSeconds(seconds / 3600, seconds);
}

QString FileSizeText(const QString& path)
{
    if (path.isEmpty())
        return {};
    std::error_code error;
    const std::filesystem::path file(QFile::encodeName(path).toStdString());
    if (!std::filesystem::is_regular_file(file, error))
        return {};
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (error)
        return {};
    // The recorder's files stay below 4 GiB; the low 32 bits are the whole size.
    return QCoreApplication::translate("ElapsedDisplay", "Size: %1KB").arg((size & 0xFFFFFFFFu) / 1024);
}
