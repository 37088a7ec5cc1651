#pragma once
// The program's main window on the private sound server, made afresh for each test.

#include "ServerFixture.h"
#include "app/MainWindowPointer.h"
#include "app/TessavoxDlg.h"
#include "platform/ControlId.h"

#include <memory>

class ServerWindowFixture : public ServerFixture {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(ServerFixture::SetUp());
        if (IsSkipped())
            return;
        window = std::make_unique<CTessavoxDlg>();
        SetMainWindow(window.get());
        window->Create();
    }
    void TearDown() override
    {
        window.reset();
        SetMainWindow(nullptr);
    }

    CDialogRecord& Page() { return window->m_pageRecord; }
    template <class T>
    T* OnPage(int id)
    {
        return platform::FindControl<T>(&Page(), id);
    }

    std::unique_ptr<CTessavoxDlg> window;
};
