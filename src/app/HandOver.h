#pragma once
// A start that finds the program already running hands its request over: a plain start
// raises the running window, a command acts on it as its button does. What came of it is
// the start's exit status and, unless it was done, a message for standard error.

#include "app/CommandLine.h"

#include <QString>

namespace platform {
class SingleInstance;
}

// Long enough for a device to open under load; a caller never waits for ever.
inline constexpr int HAND_OVER_TIMEOUT_MS = 10000;

struct HandOverResult {
    int status = EXIT_DONE;
    QString message;
};

HandOverResult HandOver(platform::SingleInstance& instance, WindowCommand command,
                        int timeoutMs = HAND_OVER_TIMEOUT_MS);
