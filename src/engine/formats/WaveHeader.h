#pragma once
// The WAV layout the recorder writes and the checks it makes on a file it reads.

#include "engine/formats/RiffReader.h"
#include "engine/formats/RiffWriter.h"
#include "platform/audio/WaveTypes.h"

#include <cstdint>

// Header bytes: "RIFF", size, "WAVE", "fmt ", 18, the 18-byte format record, "data", size.
inline constexpr std::uint32_t WAVE_HEADER_BYTES = 46;

// Starts a WAV file on an open writer: RIFF/WAVE, the "fmt " chunk with the 18-byte record,
// and the open "data" chunk. The sizes stay valid for an empty file until data is written.
// wfx is written as given: for a one-channel file of a stereo capture the caller passes
// the one-channel format. riff and data receive where those chunks sit.
bool BeginWaveFile(RiffWriter& writer, MMCKINFO& riff, MMCKINFO& data, const WAVEFORMATEX& wfx);
// Ends the "data" chunk (pad byte when odd) and the RIFF chunk, then closes the file.
bool FinishWaveFile(RiffWriter& writer);

enum class WaveReadError {
    None,
    NoRiffWave, // not a RIFF/WAVE file, or truncated before its form type
    NoFormat,   // no "fmt " chunk, one shorter than 16 bytes, or a format no device can use
    AscendFormat,
    NoData,     // no "data" chunk after the "fmt " chunk
};

// Positions reader at the first sample byte of its "data" chunk and fills wfx from the
// first 18 bytes of the "fmt " chunk (a 16-byte record leaves cbSize 0; longer records are
// read only that far). Refuses a format that would size a playback ring absurdly: no
// channels, no bits, more than 8 channels or 32 bits, a rate of 0 or above 384000 Hz; and
// one whose samples are not whole bytes, which the channel split cannot step through.
// wfx is left as it was unless the result is None.
WaveReadError ReadWaveHeader(RiffReader& reader, MMCKINFO& riff, MMCKINFO& data, WAVEFORMATEX& wfx);
