// The descriptor the encoded formats write through.

#include "engine/formats/OutputDescriptor.h"

#include "platform/FileSizeSignal.h"

#include <cerrno>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <unistd.h>

OutputDescriptor::~OutputDescriptor()
{
    Close();
}

bool OutputDescriptor::Create(const std::string& path)
{
    platform::IgnoreFileSizeSignal();
    m_strError.clear();
    // Replaced, not overwritten in place: a longer old file would leave its tail behind.
    ::unlink(path.c_str());
    m_fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    m_nAt = 0;
    if (m_fd < 0) {
        NoteError(errno);
        return false;
    }
    return true;
}

// A write that fails part way (a full disk) is taken back: the file ends with the last whole
// frame or page, and decoders read it to its end without a damaged tail.
bool OutputDescriptor::WriteAll(const void* data, std::size_t bytes)
{
    const auto start = static_cast<off_t>(m_nAt);
    const auto* at = static_cast<const char*>(data);
    while (bytes > 0) {
        const ssize_t done = ::write(m_fd, at, bytes);
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0) {
            NoteError(done < 0 ? errno : ENOSPC);
            if (::ftruncate(m_fd, start) == 0)
                ::lseek(m_fd, start, SEEK_SET);
            const off_t now = ::lseek(m_fd, 0, SEEK_CUR);
            m_nAt = now < 0 ? m_nAt : static_cast<std::uint64_t>(now);
            return false;
        }
        at += done;
        m_nAt += static_cast<std::uint64_t>(done);
        bytes -= static_cast<std::size_t>(done);
    }
    return true;
}

bool OutputDescriptor::Seek(std::uint64_t offset)
{
    if (::lseek(m_fd, static_cast<off_t>(offset), SEEK_SET) < 0) {
        NoteError(errno);
        return false;
    }
    m_nAt = offset;
    return true;
}

bool OutputDescriptor::Close()
{
    if (m_fd < 0)
        return true;
    const int rc = ::close(std::exchange(m_fd, -1));
    if (rc != 0)
        NoteError(errno);
    return rc == 0;
}

void OutputDescriptor::NoteError(int code)
{
    if (m_strError.isEmpty())
        m_strError = QString::fromLocal8Bit(std::strerror(code));
}
