#include "app/TakeReport.h"

#include "app/ElapsedDisplay.h"

#include <QCoreApplication>
#include <QLocale>

#include <iterator>

QString SizeText(std::uint64_t bytes)
{
    // Counted in 1024s and named as the size under the pages is ("KB"), with one decimal.
    if (bytes < 1024)
        return QCoreApplication::translate("TakeReport", "%1 bytes").arg(bytes);
    const char* const units[] = {"KB", "MB", "GB", "TB"};
    double size = static_cast<double>(bytes) / 1024;
    std::size_t unit = 0;
    while (size >= 1024 && unit + 1 < std::size(units)) {
        size /= 1024;
        ++unit;
    }
    return QLocale().toString(size, 'f', 1) + QLatin1Char(' ') + QLatin1String(units[unit]);
}

QString TakeReport(const TakeLength& take)
{
    // Skipping silence, what counts is how much sound was kept of the time recorded. Each
    // piece is one whole text, so that a translation may order its words as it needs.
    QString report = take.skippedSilence
                         ? QCoreApplication::translate("TakeReport", "%1 of sound in %2")
                               .arg(LengthText(take.secondsWritten), LengthText(take.secondsHeard))
                         : QCoreApplication::translate("TakeReport", "%1 recorded").arg(LengthText(take.secondsWritten));
    report = QCoreApplication::translate("TakeReport", "%1, %2").arg(report, SizeText(take.bytes));
    if (take.breaks == 1)
        report = QCoreApplication::translate("TakeReport", "%1, 1 break in the sound").arg(report);
    else if (take.breaks > 1)
        report = QCoreApplication::translate("TakeReport", "%1, %2 breaks in the sound")
                     .arg(report, QString::number(take.breaks));
    return report;
}
