#pragma once
// Decides which of the captured sound is written when silence is skipped. It counts the
// stream in frames and answers, for each buffer, the stretches of frames to write: sound
// runs on while the input was above the level within the "after" time, and a stretch
// begins with the pre-roll before the sound rose, so the first syllable is kept. Frames
// are placed exactly: a stretch never repeats what an earlier one wrote.

#include <cstdint>
#include <optional>

class SilenceGate {
public:
    // The first and last frame of a buffer (from its start) above the level.
    struct Loud {
        std::uint32_t first = 0;
        std::uint32_t last = 0;
    };
    // Frames [from, to) of the stream to write; `from` may lie before the buffer, in the
    // pre-roll. `begins`: a stretch of sound starts with it; `ends`: one ends with it.
    struct Span {
        std::uint64_t from = 0;
        std::uint64_t to = 0;
        bool begins = false;
        bool ends = false;
    };

    // A new recording: the stream starts at frame 0 in silence.
    void Start(std::uint64_t afterFrames, std::uint64_t preRollFrames);
    // A buffer of `frames` frames from Position(), and where it is loud, if it is. Fills
    // spans (at most two: a stretch ending, then another beginning) in stream order and
    // says how many.
    int Feed(std::uint32_t frames, std::optional<Loud> loud, Span spans[2]);

    std::uint64_t Position() const { return m_nPosition; }
    // Sound is being written: a stretch has begun and not yet ended.
    bool IsSounding() const { return m_bOpen; }
    // Frames before Position() that the pre-roll still holds.
    std::uint64_t Available() const { return m_nAvailable; }

private:
    std::uint64_t m_nAfter = 0;
    std::uint64_t m_nPreRoll = 0;
    std::uint64_t m_nPosition = 0;
    std::uint64_t m_nAvailable = 0;
    // Where the stretch being written ends unless the input rises again, and the end of
    // what has been written.
    std::uint64_t m_nCloseAt = 0;
    std::uint64_t m_nWritten = 0;
    bool m_bOpen = false;
};
