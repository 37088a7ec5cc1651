#include "app/TessavoxApp.h"

#include "app/MainWindowPointer.h"
#include "app/TessavoxDlg.h"
#include "platform/SingleInstance.h"

#include <QFile>
#include <QTimer>

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
    dialog->Create();
    // Requests that came while the window was being made wait until it is whole. A plain
    // later start brings the window out as "Show Tessavox" does, out of the icon too.
    if (m_pInstance)
        m_pInstance->Serve([window = dialog.get()] { window->ShowWindow(); },
                           [window = dialog.get()](const QString& command) {
                               return window->RunOutsideCommand(CommandNamed(command));
                           });
    // Pressed as the user would, once the window shows: its messages are shown too.
    if (m_nStartCommand == WindowCommand::Record)
        QTimer::singleShot(0, dialog.get(), &CTessavoxDlg::OnRecord);
    dialog->DoModal();
    // A start from now on runs alone rather than waiting on a window that is going.
    if (m_pInstance)
        m_pInstance->Release();

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
