#include "app/TessavoxApp.h"

#include "app/MainWindowPointer.h"
#include "app/TessavoxDlg.h"

#include <QFile>

namespace {
using LoadSkinProc = int (*)(const char* path);
} // namespace

CTessavoxApp::CTessavoxApp() = default;

CTessavoxApp::~CTessavoxApp() = default;

bool CTessavoxApp::InitInstance()
{
    m_hSkin = platform::DynamicLibrary::Load(QStringLiteral("libSkin.so"));
    ApplySkin();

    // The main-window pointer is set before the window is created: the recording page
    // reaches the window's buttons through it while it initialises.
    auto dialog = std::make_unique<CTessavoxDlg>();
    SetMainWindow(dialog.get());
    if (m_bMinimized)
        dialog->StartMinimized();
    dialog->DoModal();

    // The skin goes first; nothing in the window's teardown may need it.
    m_hSkin.reset();
    dialog.reset();
    SetMainWindow(nullptr);
    return false;
}

QString CTessavoxApp::GetProgramDirectory()
{
    return platform::ProgramDirectory();
}

void CTessavoxApp::ApplySkin()
{
    if (!m_hSkin)
        return;
    const auto loadSkin = reinterpret_cast<LoadSkinProc>(m_hSkin->Resolve("LoadSkin"));
    if (!loadSkin)
        return;
    // The path in the file system's encoding, whole: a path cut to fit a buffer would name
    // another file.
    const QByteArray path = QFile::encodeName(GetProgramDirectory() + QStringLiteral("skins/iTunes.skn"));
    loadSkin(path.constData());
}
