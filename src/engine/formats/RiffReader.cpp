#include "engine/formats/RiffReader.h"

#include "platform/LittleEndian.h"

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using platform::Get32;

namespace {
constexpr std::uint64_t CHUNK_HEADER_BYTES = 8;
} // namespace

RiffReader::~RiffReader()
{
    Close();
}

bool RiffReader::Open(const std::string& path)
{
    if (IsOpen())
        return false;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    return fd >= 0 && Adopt(fd);
}

bool RiffReader::Adopt(int fd)
{
    if (IsOpen()) {
        ::close(fd);
        return false;
    }
    struct stat st {};
    // Only a regular file has a size to check every offset against (a directory opens
    // read-only without complaint, a pipe cannot be read at an offset).
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return false;
    }
    m_fd = fd;
    m_nFileSize = static_cast<std::uint64_t>(st.st_size);
    m_nPosition = 0;
    return true;
}

void RiffReader::Close()
{
    if (IsOpen())
        ::close(m_fd);
    m_fd = -1;
    m_nFileSize = 0;
    m_nPosition = 0;
    m_nEnd = UINT64_MAX;
}

bool RiffReader::DescendRiff(MMCKINFO& riff)
{
    std::uint8_t header[12];
    if (!ReadAt(0, header, sizeof header))
        return false;
    // A RIFF size too small to hold even its form type describes no form at all.
    const std::uint32_t declared = Get32(header + 4);
    if (Get32(header) != FOURCC_RIFF || declared < 4 || Get32(header + 8) != riff.fccType)
        return false;
    riff.ckid = FOURCC_RIFF;
    riff.cksize = static_cast<std::uint32_t>(std::min<std::uint64_t>(declared, m_nFileSize - CHUNK_HEADER_BYTES));
    riff.dwDataOffset = CHUNK_HEADER_BYTES;
    m_nPosition = sizeof header;
    return true;
}

bool RiffReader::FindChunk(MMCKINFO& ck, const MMCKINFO& parent)
{
    if (!IsOpen())
        return false;
    // A RIFF or LIST parent begins with its form type; its sub-chunks follow it.
    const bool form = parent.ckid == FOURCC_RIFF || parent.ckid == FOURCC_LIST;
    const std::uint64_t first = parent.dwDataOffset + (form ? 4 : 0);
    const std::uint64_t end = std::min(parent.dwDataOffset + parent.cksize, m_nFileSize);
    std::uint64_t at = std::max(m_nPosition, first);
    while (at + CHUNK_HEADER_BYTES <= end) {
        std::uint8_t header[CHUNK_HEADER_BYTES];
        if (!ReadAt(at, header, sizeof header))
            return false;
        const std::uint32_t declared = Get32(header + 4);
        const std::uint64_t data = at + CHUNK_HEADER_BYTES;
        if (Get32(header) == ck.ckid) {
            ck.cksize = static_cast<std::uint32_t>(std::min<std::uint64_t>(declared, end - data));
            ck.fccType = 0;
            ck.dwDataOffset = data;
            m_nPosition = data;
            return true;
        }
        // 64-bit arithmetic: a size of 0xFFFFFFFF steps past the parent, never wraps back.
        at = data + declared + (declared & 1);
    }
    return false;
}

bool RiffReader::Ascend(const MMCKINFO& ck)
{
    if (!IsOpen())
        return false;
    const std::uint64_t end = ck.dwDataOffset + ck.cksize + (ck.cksize & 1);
    if (end > m_nFileSize)
        return false;
    m_nPosition = end;
    return true;
}

std::size_t RiffReader::Read(void* data, std::size_t length)
{
    const std::uint64_t end = std::min(m_nFileSize, m_nEnd);
    if (!IsOpen() || m_nPosition >= end)
        return 0;
    const std::size_t wanted = static_cast<std::size_t>(std::min<std::uint64_t>(length, end - m_nPosition));
    auto* bytes = static_cast<std::uint8_t*>(data);
    std::size_t done = 0;
    while (done < wanted) {
        const ssize_t n = ::pread(m_fd, bytes + done, wanted - done, static_cast<off_t>(m_nPosition + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break; // an error, or the file shrank since it was opened
        done += static_cast<std::size_t>(n);
    }
    m_nPosition += done;
    return done;
}

bool RiffReader::ReadAt(std::uint64_t offset, void* data, std::size_t length)
{
    if (!IsOpen() || offset > m_nFileSize || length > m_nFileSize - offset)
        return false;
    const std::uint64_t saved = m_nPosition;
    m_nPosition = offset;
    const bool whole = Read(data, length) == length;
    m_nPosition = saved;
    return whole;
}
