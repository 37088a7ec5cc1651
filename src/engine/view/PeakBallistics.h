#pragma once
// How a peak meter moves: up at once to a new peak, down by FALL_DB_PER_SECOND, and a
// hold mark that stays on the highest peak for HOLD_MS before it drops to the level.

#include <cstdint>

class PeakBallistics {
public:
    static constexpr double FLOOR_DB = -60.0;
    static constexpr double FALL_DB_PER_SECOND = 20.0;
    static constexpr std::int64_t HOLD_MS = 1500;

    // dBFS of a magnitude on a full scale; FLOOR_DB for silence and anything below it.
    static double Decibels(double magnitude, double fullScale);

    // Back to silence, as at the start.
    void Reset();
    // A display frame at nowMs (milliseconds on any steady clock) whose sound peaked at
    // peakDb.
    void Show(double peakDb, std::int64_t nowMs);

    double Level() const { return m_level; }
    double Hold() const { return m_hold; }

private:
    double m_level = FLOOR_DB;
    double m_hold = FLOOR_DB;
    std::int64_t m_holdUntilMs = 0;
    std::int64_t m_lastMs = 0;
    bool m_bStarted = false;
};
