#include "skin/SkinLibrary.h"

#include <QFile>

#include <dlfcn.h>

SkinLibrary::SkinLibrary()
{
    m_pHandle = dlopen(SKIN_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    if (!m_pHandle) {
        m_strError = QString::fromLocal8Bit(dlerror());
        return;
    }
    m_pfnLoadSkin = reinterpret_cast<LoadSkinFn>(dlsym(m_pHandle, "LoadSkin"));
    if (!m_pfnLoadSkin) {
        m_strError = QStringLiteral("no LoadSkin in ") + QString::fromUtf8(SKIN_LIBRARY);
        Close();
    }
}

SkinLibrary::~SkinLibrary()
{
    Close();
}

int SkinLibrary::LoadSkin(const QString& path) const
{
    return m_pfnLoadSkin(QFile::encodeName(path).constData());
}

void SkinLibrary::Close()
{
    if (m_pHandle)
        dlclose(m_pHandle);
    m_pHandle = nullptr;
    m_pfnLoadSkin = nullptr;
}

bool IsSkinLibraryMapped()
{
    void* handle = dlopen(SKIN_LIBRARY, RTLD_NOW | RTLD_NOLOAD);
    if (handle)
        dlclose(handle);
    return handle != nullptr;
}
