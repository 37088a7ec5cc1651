#pragma once
// How a take's files are named: after the moment it started, per channel, away from a file
// that is already there, and as the take goes on from one file into the next.

#include <QDate>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>

// text put into the file name of path before its extension, if any.
QString InsertBeforeExtension(const QString& path, const QString& text);
// "radio.mp3" started at 07:00:00 on 2026-12-09 local time is
// "radio_2026-12-09_07-00-00.mp3": no colons, so the name suits every file system.
QString DatedPath(const QString& path, std::int64_t start);
// The file of one channel: prefix before the file name, in the same folder.
QString ChannelPath(const QString& path, const QString& prefix);
// name as it is when none of the files filesOf gives for it is taken, else name with the
// first " (2)", " (3)", ... before its extension for which none is: the files of one take
// keep one number.
QString FreeName(const QString& name, const std::function<QStringList(const QString&)>& filesOf,
                 const std::function<bool(const QString&)>& taken);
// "take.wav" part 3 is "take-3.wav": the number goes before the extension, if any. Part 1
// is the path itself.
QString PartPath(const QString& path, int part);
// "scanner.wav" for sound that began at ms (milliseconds since 1970, UTC) is
// "scanner_2026-12-09_07-00-03.250.wav", in local time: the time goes before the extension.
QString SoundFilePath(const QString& path, std::int64_t ms);
// Which files in a folder a take typed as typedName (without a folder) made with a date
// stamp or a sound's stamp, and the local date it named them with. Made once for a folder's
// listing.
class TakeStamps {
public:
    explicit TakeStamps(const QString& typedName);
    // fileName (without a folder) is typedName with a stamp and whatever else the names above
    // may add (a channel's prefix, " (n)", a part number), ending in the extension of a
    // format or typedName's own, all in lower case as the recorder writes them: its stamp's
    // date, of two stamps the sound's. An invalid date for any other name: nothing else is a
    // take of this program's.
    QDate DateOf(const QString& fileName) const;

private:
    QString m_typedExtension;
    QRegularExpression m_pattern;
};
