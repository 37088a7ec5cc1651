#pragma once
// What the schedule at work asks of the window it runs in: to start and stop a take, to
// name one, to say what it wrote, and to show what happens to the user and the desktop.
// The schedule knows the window only through this; the window tells the schedule what the
// user and the engine did through the schedule's own functions.

#include "platform/DesktopNotifier.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

// How much a take that has just ended recorded, for the news of its end.
struct TakeLength {
    // The sound written to its files.
    std::int64_t secondsWritten = 0;
    // Where the take skipped silence: the time it listened, of which secondsWritten were kept.
    bool skippedSilence = false;
    std::int64_t secondsHeard = 0;
    // The part the take ended in: 1 when it was never cut.
    int lastPart = 1;
    // The size of its files on disk, and the breaks in its sound.
    std::uint64_t bytes = 0;
    std::uint32_t breaks = 0;
};

class IScheduleHost {
public:
    // Starts a take named name, with the format of the last Record command, shown as any
    // recording is; false when it did not start (the engine has said why).
    virtual bool StartTake(const QString& name) = 0;
    // The Stop command, as the Stop button gives it.
    virtual void StopTake() = 0;
    // The name of a take started at start, and the files a take named name writes.
    virtual QString TakeName(std::int64_t start) = 0;
    virtual QStringList TakeFiles(const QString& name) = 0;
    // The files the take just started writes to (or will, once sound comes).
    virtual QStringList StartedTakeFiles() const = 0;
    // What the take that has just ended recorded.
    virtual TakeLength EndedTake() const = 0;
    // The seconds of sound a take as the page is set has room for on the disk; empty when
    // the disk cannot say.
    virtual std::optional<std::int64_t> RoomForTake() const = 0;
    // The take just started tells when its input stays silent for seconds (0: never); the
    // name of that input as the device list shows it.
    virtual void WatchForSilence(std::int64_t seconds) = 0;
    virtual QString InputName() const = 0;

    // The detail part of the status bar.
    virtual void ShowNotice(const QString& text) = 0;
    // The status bar shows the take going on, as when it started: "Recording" and its file.
    virtual void ShowTakeGoingOn() = 0;
    // A modal message box, captioned with the application's name.
    virtual void ShowMessageBox(const QString& text) = 0;
    // A question in such a box, with Yes and No; true for Yes.
    virtual bool AskYesNo(const QString& text) = 0;
    virtual void NotifyDesktop(const QString& summary, const QString& body,
                               platform::DesktopNotifier::Urgency urgency) = 0;
    // The start armed now, kept for the next run; 0 when none is.
    virtual void SaveArmedStart(std::int64_t start) = 0;
    // A start began or stopped waiting: the machine stays awake while one waits.
    virtual void WaitingChanged() = 0;

protected:
    ~IScheduleHost() = default;
};
