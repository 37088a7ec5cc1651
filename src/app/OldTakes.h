#pragma once
// Old takes moved to the trash as a take starts: the files beside it that takes of the same
// typed name made with a date in their names, older than the days kept. Nothing else in the
// folder is touched, whatever its age, and nothing is deleted.

#include <QDate>
#include <QString>
#include <QStringList>

struct OldTakesMoved {
    int moved = 0;
    // The files left where they were, and why the first of them could not be moved.
    QStringList left;
    QString why;
};

// typedPath is the name typed for the take (its folder and file name); a file is old when its
// date is more than keepDays before today. The files of inUse, those of the take just
// started, stay whatever their names say.
OldTakesMoved MoveOldTakes(const QString& typedPath, const QDate& today, int keepDays, const QStringList& inUse);
// What the status bar says of them; empty when there was nothing to move.
QString OldTakesNotice(const OldTakesMoved& result);
