#pragma once
// Reads a RIFF file: finds chunks and reads their bytes, never past the end of the file
// whatever the sizes in it say.

#include "engine/formats/RiffChunk.h"

#include <cstddef>
#include <cstdint>
#include <string>

class RiffReader {
public:
    RiffReader() = default;
    ~RiffReader();
    RiffReader(const RiffReader&) = delete;
    RiffReader& operator=(const RiffReader&) = delete;

    // False when already open, or when the path is not a regular file.
    bool Open(const std::string& path);
    // Reads from an already open descriptor, which the reader then owns (the fuzzer
    // hands it a memory file); closed at once when it cannot be used.
    bool Adopt(int fd);
    bool IsOpen() const { return m_fd >= 0; }
    void Close();

    // From the start of the file: a RIFF chunk whose form type is riff.fccType. On success
    // riff is filled (its size clamped to the file) and the position is its first sub-chunk.
    bool DescendRiff(MMCKINFO& riff);
    // From the current position, within parent: the first chunk whose id is ck.ckid. On
    // success ck is filled and the position is ck's data. A chunk whose declared size runs
    // past its parent is still found, with cksize clamped to what the parent holds. Only a
    // chunk whose 8-byte header lies wholly inside parent is found.
    bool FindChunk(MMCKINFO& ck, const MMCKINFO& parent);
    // To the end of ck, past its pad byte. False when that lies beyond the file.
    bool Ascend(const MMCKINFO& ck);
    // Up to length bytes from the current position; 0 at the end of the file (or of the
    // limit) or on error.
    std::size_t Read(void* data, std::size_t length);
    // Read stops at this offset from now on, as at the end of the file.
    void LimitTo(std::uint64_t end) { m_nEnd = end; }

    std::uint64_t FileSize() const { return m_nFileSize; }
    std::uint64_t Position() const { return m_nPosition; }

private:
    bool ReadAt(std::uint64_t offset, void* data, std::size_t length);

    int m_fd = -1;
    std::uint64_t m_nFileSize = 0;
    std::uint64_t m_nPosition = 0;
    std::uint64_t m_nEnd = UINT64_MAX;
};
