#pragma once
// The file descriptor the encoded formats write through: every write reaches the system at
// once, so a killed process leaves whole encoded frames behind.

#include <QString>

#include <cstddef>
#include <cstdint>
#include <string>

class OutputDescriptor {
public:
    OutputDescriptor() = default;
    ~OutputDescriptor();
    OutputDescriptor(const OutputDescriptor&) = delete;
    OutputDescriptor& operator=(const OutputDescriptor&) = delete;

    // Replaces any file at path. The first failure's words are kept for Error().
    bool Create(const std::string& path);
    bool WriteAll(const void* data, std::size_t bytes);
    bool Seek(std::uint64_t offset);
    // Kept here rather than asked of the system: the encoders ask at every frame.
    std::uint64_t Tell() const { return m_nAt; }
    bool Close();
    bool IsOpen() const { return m_fd >= 0; }
    // The system's words for the first failure since Create.
    QString Error() const { return m_strError; }

private:
    void NoteError(int code);
    int m_fd = -1;
    std::uint64_t m_nAt = 0; // where the next write goes
    QString m_strError;
};
