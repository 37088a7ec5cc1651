#pragma once
// The newest captured bytes of one output, kept so that a stretch of sound can begin
// before the moment the input rose. Its storage is taken once, when a recording starts.

#include <cstddef>
#include <vector>

class PreRollRing {
public:
    // Room for `bytes` bytes; empties it.
    void Allocate(std::size_t bytes);
    void Clear() { m_nFill = 0; }
    // Appends a block; the oldest bytes give way.
    void Push(const char* data, std::size_t length);
    // The last `bytes` bytes (at most what it holds), oldest first, in at most two pieces:
    // their starts and lengths; answers how many. Rings of one size filled alike give
    // pieces of the same lengths.
    int Last(std::size_t bytes, const char* at[2], std::size_t length[2]) const;

private:
    std::vector<char> m_data;
    // Where the next byte goes, and how many are held.
    std::size_t m_nHead = 0;
    std::size_t m_nFill = 0;
};
