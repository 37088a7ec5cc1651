#include "engine/formats/RiffWriter.h"

#include "platform/FileSizeSignal.h"
#include "platform/LittleEndian.h"

#include <cerrno>
#include <limits>

#include <fcntl.h>
#include <unistd.h>

using platform::Put32;

namespace {
constexpr std::uint64_t MAX_CHUNK_SIZE = std::numeric_limits<std::uint32_t>::max();
// Gathered bytes are written in pieces of about this size: a third of a second of 48000 Hz
// stereo, and the size limit of what a killed recorder loses beyond its last size update.
constexpr std::size_t BUFFER_BYTES = 64 * 1024;

bool IsFormChunk(FOURCC id)
{
    return id == FOURCC_RIFF || id == FOURCC_LIST;
}

// All of length bytes at the current position, over partial writes and signals; returns
// the count written and leaves errno set when it is short.
std::size_t WriteAll(int fd, const std::uint8_t* data, std::size_t length)
{
    std::size_t done = 0;
    while (done < length) {
        const ssize_t n = ::write(fd, data + done, length - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        if (n == 0) {
            // write(2) never returns 0 for a regular file with room; do not spin on it.
            errno = ENOSPC;
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    return done;
}
} // namespace

RiffWriter::~RiffWriter()
{
    Close();
}

bool RiffWriter::Open(const std::string& path)
{
    if (IsOpen()) {
        m_nErrno = EBUSY;
        return false;
    }
    platform::IgnoreFileSizeSignal();
    m_nPosition = 0;
    m_nErrno = 0;
    m_bFailed = false;
    m_chunks.clear();
    m_buffer.clear();
    m_buffer.reserve(BUFFER_BYTES);

    // Delete first, so an existing file is replaced by a new one rather than rewritten in
    // place (another process may still be reading the old one). Failure here is not final:
    // a directory, or a file in a folder we may not change, is judged by open() below.
    ::unlink(path.c_str());
    m_fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (m_fd < 0) {
        m_nErrno = errno;
        return false;
    }
    return true;
}

bool RiffWriter::CreateChunk(FOURCC id, FOURCC formType)
{
    if (!IsOpen())
        return false;
    std::uint8_t header[12];
    Put32(header, id);
    Put32(header + 4, 0);
    Put32(header + 8, formType);
    const std::size_t length = IsFormChunk(id) ? 12 : 8;
    const std::uint64_t start = m_nPosition;
    // Written at once: a chunk's size is patched in place, so its header must be on disk,
    // and a file that cannot take its header is refused at its start.
    if (Write(header, length) != length || !Flush())
        return false;
    m_chunks.push_back({start + 4, start + 8});
    return true;
}

std::size_t RiffWriter::Write(const void* data, std::size_t length)
{
    if (!IsOpen() || m_bFailed)
        return 0;
    std::size_t allowed = length;
    if (!m_chunks.empty()) {
        // The outermost size field must hold everything after it, a pad byte included:
        // beyond that the 32-bit sizes would wrap and the whole file would misread.
        const std::uint64_t limit = m_chunks.front().dataOffset + MAX_CHUNK_SIZE - 1;
        const std::uint64_t room = m_nPosition < limit ? limit - m_nPosition : 0;
        if (room < allowed)
            allowed = static_cast<std::size_t>(room);
    }
    // A block larger than the buffer makes it grow; it is written at the next flush.
    if (m_buffer.size() + allowed > BUFFER_BYTES && !Flush())
        return 0;
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    m_buffer.insert(m_buffer.end(), bytes, bytes + allowed);
    m_nPosition += allowed;
    if (allowed < length)
        m_nErrno = EFBIG;
    return allowed;
}

bool RiffWriter::Flush()
{
    if (!IsOpen())
        return false;
    if (m_buffer.empty())
        return true;
    const std::size_t size = m_buffer.size();
    const std::size_t written = WriteAll(m_fd, m_buffer.data(), size);
    m_buffer.clear();
    if (written == size)
        return true;
    // What did not fit is gone: the sizes written from now on tell the file as it is.
    m_nErrno = errno;
    m_nPosition -= size - written;
    m_bFailed = true;
    return false;
}

bool RiffWriter::Ascend()
{
    if (!IsOpen() || m_chunks.empty())
        return false;
    bool ok = Flush();
    const Open_ chunk = m_chunks.back();
    m_chunks.pop_back();
    const std::uint64_t size = m_nPosition - chunk.dataOffset;
    if (size % 2 != 0) {
        // The pad byte belongs to the parent, not to this chunk's size; it goes straight to
        // the file since the room for it was kept free by Write().
        const std::uint8_t pad = 0;
        const std::size_t n = WriteAll(m_fd, &pad, 1);
        m_nPosition += n;
        if (n != 1) {
            m_nErrno = errno;
            ok = false;
        }
    }
    return WriteSizeAt(chunk.sizeOffset, size) && ok;
}

bool RiffWriter::UpdateSizes()
{
    if (!IsOpen())
        return false;
    bool ok = Flush();
    for (const Open_& chunk : m_chunks)
        ok = WriteSizeAt(chunk.sizeOffset, m_nPosition - chunk.dataOffset) && ok;
    return ok;
}

bool RiffWriter::Close()
{
    if (!IsOpen())
        return false;
    const bool flushed = Flush();
    m_chunks.clear();
    const int fd = m_fd;
    m_fd = -1;
    // Linux releases the descriptor even when close() reports an error: never retry it.
    if (::close(fd) != 0) {
        m_nErrno = errno;
        return false;
    }
    return flushed;
}

bool RiffWriter::WriteSizeAt(std::uint64_t offset, std::uint64_t size)
{
    std::uint8_t bytes[4];
    Put32(bytes, static_cast<std::uint32_t>(size < MAX_CHUNK_SIZE ? size : MAX_CHUNK_SIZE));
    std::size_t done = 0;
    while (done < sizeof bytes) {
        const ssize_t n = ::pwrite(m_fd, bytes + done, sizeof bytes - done, static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            m_nErrno = n < 0 ? errno : ENOSPC;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}
