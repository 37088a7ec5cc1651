#include "engine/take/TakeNames.h"

#include "engine/formats/FormatTable.h"
#include "platform/LocalTime.h"

#include <QRegularExpression>
#include <QTime>

#include <algorithm>
#include <cstring>

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

namespace {

// The date of a stamp DatedPath or SoundFilePath wrote, from its six captured numbers
// starting at first; invalid for a stamp no clock could have given ("2026-02-30").
QDate StampDate(const QRegularExpressionMatch& m, int first)
{
    const auto n = [&](int i) { return m.captured(first + i).toInt(); };
    const QDate date(n(0), n(1), n(2));
    return QTime::isValid(n(3), n(4), n(5)) ? date : QDate();
}

// The file's name without its extension, for each extension a take of typedName may have:
// a format's, or the one typed (none, if none was).
QStringList NamesWithoutExtension(const QString& fileName, const QString& typedExtension)
{
    QStringList names;
    if (typedExtension.isEmpty())
        names << fileName;
    else if (fileName.endsWith(typedExtension))
        names << fileName.chopped(typedExtension.size());
    for (const FormatRow& format : Formats())
        for (const char* extension : format.extensions)
            if (extension && fileName.endsWith(QLatin1Char('.') + QLatin1String(extension)))
                names << fileName.chopped(static_cast<qsizetype>(std::strlen(extension)) + 1);
    return names;
}

} // namespace

TakeStamps::TakeStamps(const QString& typedName)
{
    // The recorder writes every file name in lower case, so a take's files are the lower-case
    // name's. The extension is as InsertBeforeExtension finds it: a name that begins with its
    // only dot has none.
    const QString typed = typedName.toLower();
    const qsizetype dot = typed.lastIndexOf(QLatin1Char('.'));
    const QString stem = dot > 0 ? typed.left(dot) : typed;
    m_typedExtension = dot > 0 ? typed.mid(dot) : QString();
    // The numbers FreeName and PartPath count from: 2, never with a leading zero.
    const QString count = QStringLiteral("(?:[2-9]|[1-9][0-9]+)");
    const QString stamp = QStringLiteral("([0-9]{4})-([0-9]{2})-([0-9]{2})_([0-9]{2})-([0-9]{2})-([0-9]{2})");
    // Anchored to the whole name: "$" alone would let a name end in a line feed.
    m_pattern.setPattern(QRegularExpression::anchoredPattern(
        QStringLiteral("(?:left_channel_|right_channel_)?") + QRegularExpression::escape(stem) + QStringLiteral("(?:_") +
        stamp + QStringLiteral(")?(?: \\(") + count + QStringLiteral("\\))?(?:_") + stamp +
        QStringLiteral("\\.[0-9]{3})?(?:-") + count + QStringLiteral(")?")));
}

QDate TakeStamps::DateOf(const QString& fileName) const
{
    for (const QString& name : NamesWithoutExtension(fileName, m_typedExtension)) {
        const QRegularExpressionMatch m = m_pattern.match(name);
        if (!m.hasMatch())
            continue;
        const bool dated = m.hasCaptured(1);
        const bool sound = m.hasCaptured(7);
        const QDate takeDate = dated ? StampDate(m, 1) : QDate();
        const QDate soundDate = sound ? StampDate(m, 7) : QDate();
        if ((dated && !takeDate.isValid()) || (sound && !soundDate.isValid()))
            continue;
        if (sound)
            return soundDate;
        if (dated)
            return takeDate;
    }
    return {};
}
