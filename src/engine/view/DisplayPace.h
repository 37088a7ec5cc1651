#pragma once
// Where the display stands in the sound. It walks on at the sound's own rate, frame by
// frame, behind the newest sound by no more than the largest piece that arrived lately:
// a source that hands over 90 ms at a time is shown across the frames until the next
// piece comes, instead of jumping once per piece and standing still in between.

#include <array>
#include <cstdint>

class DisplayPace {
public:
    // Starts over at the beginning of a stream of this rate. lagFrames other than 0 keeps
    // the display at most that far behind the newest sound, whatever arrives.
    void Restart(std::uint32_t rate, std::uint32_t lagFrames);
    // The frame at nowMs (milliseconds on a steady clock), with `written` frames of sound
    // in hand: the position shown now.
    std::uint64_t Advance(std::uint64_t written, std::int64_t nowMs);
    // Straight to the newest sound, for a display that comes back into sight.
    std::uint64_t CatchUp(std::uint64_t written, std::int64_t nowMs);
    std::uint64_t Position() const { return m_nShown; }

private:
    std::uint64_t AllowedLag() const;

    std::uint32_t m_nRate = 0;
    std::uint32_t m_nFixedLag = 0;
    std::uint64_t m_nShown = 0;
    std::uint64_t m_nSeen = 0; // the sound in hand at the last frame
    std::int64_t m_lastMs = 0;
    bool m_bStarted = false;
    // The pieces that arrived at the last frames, about a second of them.
    std::array<std::uint64_t, 32> m_arrivals{};
    std::size_t m_nNext = 0;
};
