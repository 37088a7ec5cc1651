#include "engine/LiveHistory.h"

#include "platform/LittleEndian.h"

#include <algorithm>
#include <bit>
#include <cstring>

LiveHistory::LiveHistory()
    : m_samples{std::vector<std::int16_t>(CAPACITY), std::vector<std::int16_t>(CAPACITY)},
      m_peaks{std::vector<std::uint16_t>(BLOCKS), std::vector<std::uint16_t>(BLOCKS)}
{
}

void LiveHistory::Restart(std::uint32_t rate, std::uint16_t bits)
{
    m_nRate = rate;
    m_nBits = bits;
    m_nTop = bits == 8 ? From8(255) : 32767;
    // Blocks of 5 ms: fine enough to spread a fragment's peaks over the frames that show it.
    m_nBlockFrames = std::max<std::uint32_t>(1, rate / 200);
    m_nWritten = 0;
    m_nBlocks = 0;
    m_nInBlock = 0;
    m_block[0] = m_block[1] = Block{};
    m_bClip[0] = m_bClip[1] = false;
}

void LiveHistory::PutSplit16(const char* left, const char* right, std::uint32_t frames)
{
    const char* const from[2] = {left, right};
    std::uint32_t done = 0;
    while (done < frames) {
        // A run ends where the block or the ring does.
        const std::uint32_t at = static_cast<std::uint32_t>(m_nWritten) & MASK;
        const std::uint32_t run = std::min({frames - done, m_nBlockFrames - m_nInBlock, CAPACITY - at});
        for (int c = 0; c < 2; ++c) {
            std::int16_t* const kept = m_samples[c].data() + at;
            std::memcpy(kept, from[c] + std::size_t{done} * 2, std::size_t{run} * 2);
            if constexpr (std::endian::native == std::endian::big)
                for (std::uint32_t i = 0; i < run; ++i)
                    kept[i] = static_cast<std::int16_t>(platform::Get16(reinterpret_cast<const std::uint8_t*>(kept + i)));
            std::int16_t low = m_block[c].low;
            std::int16_t high = m_block[c].high;
            for (std::uint32_t i = 0; i < run; ++i) {
                low = std::min(low, kept[i]);
                high = std::max(high, kept[i]);
            }
            m_block[c] = {low, high};
            if (low == -32768 || high >= m_nTop)
                m_bClip[c] = true;
        }
        done += run;
        m_nWritten += run;
        m_nInBlock += run;
        if (m_nInBlock == m_nBlockFrames)
            CloseBlock();
    }
}

void LiveHistory::CloseBlock()
{
    const std::uint32_t at = static_cast<std::uint32_t>(m_nBlocks) % BLOCKS;
    for (int c = 0; c < 2; ++c) {
        m_peaks[c][at] = static_cast<std::uint16_t>(Magnitude(m_block[c]));
        m_block[c] = Block{};
    }
    ++m_nBlocks;
    m_nInBlock = 0;
}

std::uint32_t LiveHistory::Magnitude(const Block& block)
{
    return static_cast<std::uint32_t>(std::max(-static_cast<int>(block.low), static_cast<int>(block.high)));
}

std::uint32_t LiveHistory::PeakBetween(int channel, std::uint64_t from, std::uint64_t to) const
{
    if (to <= from)
        return 0;
    // The oldest block still kept, in samples as well as in peaks.
    const std::uint64_t kept = std::min<std::uint64_t>(BLOCKS - 1, (CAPACITY / m_nBlockFrames));
    const std::uint64_t oldest = m_nBlocks > kept ? m_nBlocks - kept : 0;
    const std::uint64_t first = std::max(from / m_nBlockFrames, oldest);
    const std::uint64_t last = (to - 1) / m_nBlockFrames;
    std::uint32_t peak = 0;
    for (std::uint64_t b = first; b <= last && b < m_nBlocks; ++b)
        peak = std::max<std::uint32_t>(peak, m_peaks[static_cast<std::size_t>(channel)][b % BLOCKS]);
    // The block being filled counts with what it holds so far.
    if (last >= m_nBlocks && m_nInBlock > 0)
        peak = std::max(peak, Magnitude(m_block[channel]));
    return peak;
}

bool LiveHistory::TakeClip(int channel)
{
    const bool clipped = m_bClip[channel];
    m_bClip[channel] = false;
    return clipped;
}
