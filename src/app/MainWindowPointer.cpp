#include "app/MainWindowPointer.h"

namespace {
QWidget* g_pMainWindow = nullptr;
} // namespace

QWidget* GetMainWindow()
{
    return g_pMainWindow;
}

void SetMainWindow(QWidget* window)
{
    g_pMainWindow = window;
}
