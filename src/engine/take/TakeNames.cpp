#include "engine/take/TakeNames.h"

#include "platform/LocalTime.h"

#include <algorithm>

QString InsertBeforeExtension(const QString& path, const QString& text)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    const qsizetype at = dot > slash + 1 ? dot : path.size();
    return path.left(at) + text + path.mid(at);
}

QString DatedPath(const QString& path, std::int64_t start)
{
    return InsertBeforeExtension(path, platform::FormatLocal(start, "_%Y-%m-%d_%H-%M-%S"));
}

QString ChannelPath(const QString& path, const QString& prefix)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return path.left(slash + 1) + prefix + path.mid(slash + 1);
}

QString FreeName(const QString& name, const std::function<QStringList(const QString&)>& filesOf,
                 const std::function<bool(const QString&)>& taken)
{
    QString candidate = name;
    // Bounded, so a folder that answers "taken" to everything cannot hang the recording.
    for (int n = 2; n < 100000; ++n) {
        const QStringList files = filesOf(candidate);
        if (std::none_of(files.begin(), files.end(), taken))
            break;
        candidate = InsertBeforeExtension(name, QStringLiteral(" (%1)").arg(n));
    }
    return candidate;
}

QString PartPath(const QString& path, int part)
{
    if (part <= 1)
        return path;
    return InsertBeforeExtension(path, QStringLiteral("-%1").arg(part));
}

QString SoundFilePath(const QString& path, std::int64_t ms)
{
    // Floored, so that a moment before 1970 still names its own second.
    const std::int64_t seconds = ms >= 0 ? ms / 1000 : -((-ms + 999) / 1000);
    const std::int64_t milli = ms - seconds * 1000;
    return InsertBeforeExtension(path, QLatin1Char('_') + platform::FormatLocal(seconds, "%Y-%m-%d_%H-%M-%S") +
                                           QStringLiteral(".%1").arg(milli, 3, 10, QLatin1Char('0')));
}
