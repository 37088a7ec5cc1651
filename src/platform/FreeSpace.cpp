#include "platform/FreeSpace.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/statvfs.h>

namespace platform {

namespace {
ManualFreeSpace* g_pManual = nullptr;

// The folder itself, or the nearest one above it that is there.
QString ExistingFolder(const QString& folder)
{
    QString path = QDir::cleanPath(QFileInfo(folder.isEmpty() ? QStringLiteral(".") : folder).absoluteFilePath());
    while (!QFileInfo(path).isDir()) {
        const QString up = QFileInfo(path).path();
        if (up == path)
            break;
        path = up;
    }
    return path;
}
} // namespace

std::optional<std::uint64_t> FreeBytes(const QString& folder)
{
    if (g_pManual)
        return g_pManual->Answer(folder);
    struct statvfs fs {};
    if (statvfs(QFile::encodeName(ExistingFolder(folder)).constData(), &fs) != 0)
        return std::nullopt;
    return std::uint64_t{fs.f_bavail} * fs.f_frsize;
}

ManualFreeSpace::ManualFreeSpace(std::optional<std::uint64_t> bytes) : m_nBytes(bytes), m_pPrevious(g_pManual)
{
    g_pManual = this;
}

ManualFreeSpace::~ManualFreeSpace()
{
    g_pManual = m_pPrevious;
}

std::optional<std::uint64_t> ManualFreeSpace::Answer(const QString& folder)
{
    m_strLastFolder = folder;
    ++m_nQuestions;
    return m_nBytes;
}

} // namespace platform
