#include "platform/DynamicLibrary.h"

#include <QCoreApplication>
#include <QFile>

#include <dlfcn.h>

namespace platform {

std::unique_ptr<DynamicLibrary> DynamicLibrary::Load(const QString& fileName, QString* error)
{
    const QString local = ProgramDirectory() + fileName;
    void* handle = nullptr;
    if (QFile::exists(local))
        handle = dlopen(QFile::encodeName(local).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        handle = dlopen(QFile::encodeName(fileName).constData(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        if (error) {
            const char* text = dlerror();
            *error = text ? QString::fromLocal8Bit(text) : QString();
        }
        return nullptr;
    }
    return std::unique_ptr<DynamicLibrary>(new DynamicLibrary(handle));
}

DynamicLibrary::~DynamicLibrary()
{
    dlclose(m_pHandle);
}

void* DynamicLibrary::Resolve(const char* symbol) const
{
    return dlsym(m_pHandle, symbol);
}

namespace {
QString g_strProgramDirectory;
} // namespace

void SetProgramDirectory(const QString& dir)
{
    g_strProgramDirectory = dir;
}

QString ProgramDirectory()
{
    QString dir = g_strProgramDirectory.isEmpty() ? QCoreApplication::applicationDirPath() : g_strProgramDirectory;
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir;
}

} // namespace platform
