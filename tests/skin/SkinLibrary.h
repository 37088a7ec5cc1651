#pragma once
// The built skin library, opened by its path as the program would find it beside itself.

#include <QString>

class SkinLibrary {
public:
    using LoadSkinFn = int (*)(const char*);

    SkinLibrary();
    ~SkinLibrary();
    SkinLibrary(const SkinLibrary&) = delete;
    SkinLibrary& operator=(const SkinLibrary&) = delete;

    bool IsLoaded() const { return m_pHandle != nullptr; }
    // The loader's text when the library or its entry was not found.
    const QString& Error() const { return m_strError; }
    // Calls the entry with the path in the file system's encoding.
    int LoadSkin(const QString& path) const;
    int LoadSkin(const char* path) const { return m_pfnLoadSkin(path); }
    // Releases the library as the program does while its windows still live.
    void Close();

private:
    void* m_pHandle = nullptr;
    LoadSkinFn m_pfnLoadSkin = nullptr;
    QString m_strError;
};

// Whether the library is still mapped into the process after every handle to it closed.
bool IsSkinLibraryMapped();
