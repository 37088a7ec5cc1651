#pragma once
// The room left on a disk: the bytes a user may still write on the file system a folder is
// on. A test puts a ManualFreeSpace in its place and fills a disk in an instant.

#include <QString>

#include <cstdint>
#include <optional>

namespace platform {

// The bytes available to this user (not those kept for the superuser) on the file system
// of folder; a folder not made yet is measured where it will be made, in its nearest
// folder that is there. Empty when the file system cannot say.
std::optional<std::uint64_t> FreeBytes(const QString& folder);

// While alive, FreeBytes answers this instead of the file system, and remembers the folder
// it was asked about. Nests as ManualClock does.
class ManualFreeSpace {
public:
    explicit ManualFreeSpace(std::optional<std::uint64_t> bytes);
    ~ManualFreeSpace();
    ManualFreeSpace(const ManualFreeSpace&) = delete;
    ManualFreeSpace& operator=(const ManualFreeSpace&) = delete;

    void Set(std::optional<std::uint64_t> bytes) { m_nBytes = bytes; }
    std::optional<std::uint64_t> Answer(const QString& folder);
    const QString& LastFolder() const { return m_strLastFolder; }
    int Questions() const { return m_nQuestions; }

private:
    std::optional<std::uint64_t> m_nBytes;
    QString m_strLastFolder;
    int m_nQuestions = 0;
    ManualFreeSpace* m_pPrevious;
};

} // namespace platform
