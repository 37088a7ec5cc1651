#pragma once
// Writes one RIFF file through a plain file descriptor: no user-space buffering, so every
// block written is in the kernel's hands at once and survives the process being killed.

#include "engine/formats/RiffChunk.h"

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
    // Appends bytes to the innermost chunk; the count taken (short when the RIFF size would
    // pass 4 GiB, or when bytes taken earlier could not be written: a full disk or the
    // file-size limit, after which nothing more is taken). Bytes are gathered and written
    // a piece at a time; UpdateSizes, Ascend, Flush and Close write what is gathered.
    std::size_t Write(const void* data, std::size_t length);
    // Writes what is gathered, so the file on disk holds everything taken. False when it
    // could not all be written: the position is then where the file really ends, and no
    // more is taken.
    bool Flush();
    // Leaves the innermost chunk: a pad byte when its size is odd, and its true size.
    bool Ascend();
    // Writes what is gathered and the true sizes of every open chunk, without moving the
    // write position: the file is valid if the process dies after this.
    bool UpdateSizes();
    // Closes the file as it stands (call Ascend first to finish the chunks).
    bool Close();

    // Bytes taken so far (in the file once flushed).
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
    // Taken and not yet written: a write(2) for every block of sound costs more than the
    // sound itself.
    std::vector<std::uint8_t> m_buffer;
    bool m_bFailed = false; // bytes taken were lost: the file ends where it ends
    int m_nErrno = 0;
    std::vector<Open_> m_chunks;
};
