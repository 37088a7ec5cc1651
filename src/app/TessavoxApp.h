#pragma once
// The application object: applies the skin, runs the main window modally and shuts down
// in order. The skin comes from an outside library, libSkin.so, with one entry, LoadSkin,
// given the path of skins/iTunes.skn in the program's directory. Without the library or
// its entry the program runs unskinned.

#include "app/CommandLine.h"
#include "platform/DynamicLibrary.h"

#include <QString>

#include <memory>

namespace platform {
class SingleInstance;
}

class CTessavoxApp {
public:
    CTessavoxApp();
    ~CTessavoxApp();
    CTessavoxApp(const CTessavoxApp&) = delete;
    CTessavoxApp& operator=(const CTessavoxApp&) = delete;

    // The program's whole life: the skin, the main window run until it closes, the skin
    // released, the window destroyed. False: no message loop is left to run.
    bool InitInstance();
    // The folder of the program file, ending with '/'.
    static QString GetProgramDirectory();
    // Hands the skin's path to the skin library, when there is one with LoadSkin.
    void ApplySkin();

    std::unique_ptr<platform::DynamicLibrary> m_hSkin;
    // The window opens minimised, or hidden in its icon where the desktop has a status
    // notifier area (--minimized): started at login, it keeps a schedule
    // without standing in the way.
    bool m_bMinimized = false;
    // The program's name on the session bus, when it holds it: a later start's requests
    // are answered by the window while it is open.
    platform::SingleInstance* m_pInstance = nullptr;
    // A command given at start: --record is pressed once the window is open.
    WindowCommand m_nStartCommand = WindowCommand::None;
};
