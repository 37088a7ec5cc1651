#pragma once
// What the live view asks of the recorder whose sound it shows. The recorder owns the
// capture stream, the history of the newest sound and the outputs; the view only reads
// the history and asks the rest through here.

#include <cstdint>

class ILiveSource {
public:
    // Takes in the sound the capture stream holds for the display's next frame, as the
    // recorder takes any buffer in; true when any came. Taking it in may end the display
    // (a failure, the end of a capture).
    virtual bool TakeHeldSound() = 0;
    // Whether someone watches the display: watched sound may wait for the next frame, which
    // takes it in; sound nobody watches may come in larger, rarer batches.
    virtual void SetCaptureWatched(bool watched) = 0;
    // Whether the band of a channel (0 left, 1 right) shows its trace.
    virtual bool IsBandShown(int band) const = 0;
    // Samples per channel the trace spans across the display's width.
    virtual std::uint32_t TraceWindow() const = 0;

protected:
    ~ILiveSource() = default;
};
