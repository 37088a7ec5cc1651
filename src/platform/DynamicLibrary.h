#pragma once
// A library loaded at run time. Looked for in the program's directory first, then by its
// bare name through the system's search path.

#include <QString>

#include <memory>

namespace platform {

class DynamicLibrary {
public:
    // Null when the library is found nowhere; error then says why (the loader's text).
    static std::unique_ptr<DynamicLibrary> Load(const QString& fileName, QString* error = nullptr);
    ~DynamicLibrary();
    DynamicLibrary(const DynamicLibrary&) = delete;
    DynamicLibrary& operator=(const DynamicLibrary&) = delete;

    // Null when the library does not export the name.
    void* Resolve(const char* symbol) const;

private:
    explicit DynamicLibrary(void* handle) : m_pHandle(handle) {}
    void* m_pHandle;
};

// The folder of the program file, links followed (an installed bin/tessavox is a link into
// lib/tessavox/), ending with '/'.
QString ProgramDirectory();
// Tests stand another folder in for the program's (empty: the real one again).
void SetProgramDirectory(const QString& dir);

} // namespace platform
