#pragma once
// Which bytes of a capture stream belong to the recording: those from the stream position
// of the moment capture started to the position of the moment it was asked to finish. A
// backend learns both positions from its device's timing, after the fact, and walks the
// stream through this window: bytes before the start are left out, bytes from the stop on
// are never taken.

#include <cstdint>
#include <cstddef>
#include <optional>

namespace platform {

class CaptureWindow {
public:
    // A new round of capture begins at the present position; its edges are not known yet.
    void Restart();

    // The stream position (in bytes) of the moment capture started. Bytes before it came
    // from before the start and are left out. A start before the position reached so far
    // (the device began late) leaves nothing out.
    void SetStart(std::uint64_t position);
    bool StartKnown() const { return m_start.has_value(); }

    // Capture was asked to finish, and the position of that moment is not known yet: any
    // byte from here on may lie after it, so none is kept until SetStop places it. (Bytes
    // kept meanwhile would be handed back before the stop could trim them.)
    void AwaitStop() { m_bStopAwaited = true; }
    // The stream position of the moment capture was asked to finish; never before the start.
    void SetStop(std::uint64_t position);
    bool StopKnown() const { return m_stop.has_value(); }
    // The stop will not be placed after all (the capture is reset): what arrives is kept.
    void CancelStop() { m_bStopAwaited = false; }

    // Of `available` bytes at the present position: how many to leave out, and then how many
    // to keep. Nothing is kept while the start is unknown or the stop awaited (the caller
    // should wait), nor from the stop on.
    struct Share {
        std::size_t skip = 0;
        std::size_t keep = 0;
    };
    Share Next(std::size_t available) const;
    // Moves the present position on by what was skipped and kept.
    void Advance(std::size_t bytes) { m_nPosition += bytes; }

    std::uint64_t Position() const { return m_nPosition; }
    // Every byte up to the stop has been taken.
    bool Reached() const { return m_stop && m_nPosition >= *m_stop; }
    // Bytes already taken beyond the stop (a device whose timing came later than its sound).
    std::uint64_t Overshoot() const { return m_stop && m_nPosition > *m_stop ? m_nPosition - *m_stop : 0; }

private:
    std::uint64_t m_nPosition = 0;
    std::optional<std::uint64_t> m_start;
    std::optional<std::uint64_t> m_stop;
    bool m_bStopAwaited = false;
};

} // namespace platform
