#pragma once
// The newest sound of each channel, kept for the display to walk through at its own pace:
// the samples for the trace, and the peak of every short block for the meters. The pass
// that splits each buffer's channels puts every frame in as it goes, so the levels come
// from the very samples written to the file, with no second walk and nothing allocated.

#include <cstdint>
#include <vector>

class LiveHistory {
public:
    // Frames kept per channel: a 90 ms fragment and a trace window with room to spare at
    // 48000 Hz, a whole buffer of 8-bit mono at 8000 Hz.
    static constexpr std::uint32_t CAPACITY = 16384;
    // Stored samples are signed 16-bit; 8-bit ones are moved up by 8 bits.
    static constexpr double FULL_SCALE = 32768.0;

    LiveHistory();

    // Empties it for sound of this rate and sample size.
    void Restart(std::uint32_t rate, std::uint16_t bits);

    // One frame, as the split pass meets it; a mono frame is given as both channels.
    void Put(std::int16_t left, std::int16_t right)
    {
        const std::uint32_t at = static_cast<std::uint32_t>(m_nWritten) & MASK;
        m_samples[0][at] = left;
        m_samples[1][at] = right;
        Take(0, left);
        Take(1, right);
        ++m_nWritten;
        if (++m_nInBlock == m_nBlockFrames)
            CloseBlock();
    }
    // Frames of 16-bit sound, each channel's samples little-endian and one after another,
    // as the split pass leaves them: the same as a Put for each, in runs the compiler can
    // move and compare many samples at a time.
    void PutSplit16(const char* left, const char* right, std::uint32_t frames);
    // The 8-bit sample as stored.
    static std::int16_t From8(std::uint8_t sample) { return static_cast<std::int16_t>((sample - 128) * 256); }

    std::uint64_t Written() const { return m_nWritten; }
    std::uint16_t Bits() const { return m_nBits; }
    std::uint32_t Rate() const { return m_nRate; }
    // Frame `frame` of a channel; only the last CAPACITY frames are kept.
    std::int16_t Sample(int channel, std::uint64_t frame) const
    {
        return m_samples[static_cast<std::size_t>(channel)][static_cast<std::uint32_t>(frame) & MASK];
    }
    // The largest magnitude (0 to 32768) of a channel over the blocks that frames
    // [from, to) touch, as far as they are still kept; 0 for none.
    std::uint32_t PeakBetween(int channel, std::uint64_t from, std::uint64_t to) const;
    // Whether a sample of the channel reached full scale since the last call.
    bool TakeClip(int channel);

private:
    static constexpr std::uint32_t MASK = CAPACITY - 1;
    // Block peaks kept: enough for CAPACITY frames in blocks of 5 ms at 8000 Hz.
    static constexpr std::uint32_t BLOCKS = 512;

    struct Block {
        std::int16_t low = 0;
        std::int16_t high = 0;
    };
    void Take(int channel, std::int16_t sample)
    {
        Block& block = m_block[channel];
        if (sample < block.low)
            block.low = sample;
        if (sample > block.high)
            block.high = sample;
        if (sample == -32768 || sample >= m_nTop)
            m_bClip[channel] = true;
    }
    void CloseBlock();
    static std::uint32_t Magnitude(const Block& block);

    std::vector<std::int16_t> m_samples[2];
    std::vector<std::uint16_t> m_peaks[2];
    Block m_block[2];
    std::uint64_t m_nWritten = 0;
    std::uint64_t m_nBlocks = 0; // blocks closed
    std::uint32_t m_nInBlock = 0;
    std::uint32_t m_nBlockFrames = 1;
    std::uint32_t m_nRate = 0;
    std::uint16_t m_nBits = 16;
    // Full scale is 32767 or -32768 at 16 bits; 255 or 0 at 8 bits, stored as 32512 and -32768.
    std::int16_t m_nTop = 32767;
    bool m_bClip[2] = {false, false};
};
