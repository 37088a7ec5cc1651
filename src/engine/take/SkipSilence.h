#pragma once
// What a take that skips silence is asked to do.

// Silence is skipped, and with filePerSound each stretch of sound has a file of its own,
// named with the moment it began.
struct SkipSilence {
    bool enabled = false;
    double levelDb = -45.0;
    double afterSeconds = 3.0;
    bool filePerSound = false;
};
// The sound kept before the input rose, in seconds.
inline constexpr double PRE_ROLL_SECONDS = 0.5;
