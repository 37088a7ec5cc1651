#pragma once
// Writes one RIFF file through a plain file descriptor: no user-space buffering, so every
// block written is in the kernel's hands at once and survives the process being killed.

#include "engine/RiffChunk.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class RiffWriter {
public:
    RiffWriter() = default;
    ~RiffWriter();
    RiffWriter(const RiffWriter&) = delete;
    RiffWriter& operator=(const RiffWriter&) = delete;

    // Creates the file, replacing any file of that name. False when it cannot be created
    // (missing or unwritable folder, a directory of that name) or when one is already open;
    // errno is kept for Error().
    bool Open(const std::string& path);
    bool IsOpen() const { return m_fd >= 0; }

    // Starts a chunk at the current position: id and size (0 until ascended), and for a
    // RIFF or LIST chunk the form type. Chunks nest.
    bool CreateChunk(FOURCC id, FOURCC formType = 0);
    // Appends bytes to the innermost chunk; the count actually written (short when the
    // disk is full, the file-size limit is reached, or the RIFF size would pass 4 GiB).
    std::size_t Write(const void* data, std::size_t length);
    // Leaves the innermost chunk: a pad byte when its size is odd, and its true size.
    bool Ascend();
    // Writes the true sizes of every open chunk for what is written so far, without
    // moving the write position: the file is valid if the process dies after this.
    bool UpdateSizes();
    // Closes the file as it stands (call Ascend first to finish the chunks).
    bool Close();

    // Bytes in the file so far.
    std::uint64_t Position() const { return m_nPosition; }
    int Error() const { return m_nErrno; }

private:
    bool WriteSizeAt(std::uint64_t offset, std::uint64_t size);

    struct Open_ {
        std::uint64_t sizeOffset; // where the 32-bit size field sits
        std::uint64_t dataOffset; // first byte of the chunk's data
    };
    int m_fd = -1;
    std::uint64_t m_nPosition = 0;
    int m_nErrno = 0;
    std::vector<Open_> m_chunks;
};
