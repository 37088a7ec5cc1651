#pragma once
// A fresh main window for each test, on the virtual audio backend and the in-memory mixer,
// with messages, file dialogs and desktop opening recorded instead of shown.

#include "app/ControlIds.h"
#include "app/MainWindowPointer.h"
#include "app/TessavoxDlg.h"
#include "platform/ControlId.h"
#include "platform/DesktopOpen.h"
#include "platform/FileDialog.h"
#include "support/ConfigHome.h"
#include "support/VirtualAudioFixture.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <memory>

class WindowFixture : public VirtualAudioFixture {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(VirtualAudioFixture::SetUp());
        Reopen();
    }

    void TearDown() override
    {
        window.reset();
        Pump();
        SetMainWindow(nullptr);
        VirtualAudioFixture::TearDown();
    }

    // A new window over the devices as they are now.
    void Reopen()
    {
        SetMainWindow(nullptr);
        window.reset();
        Pump();
        window = std::make_unique<CTessavoxDlg>();
        SetMainWindow(window.get());
        window->Create();
    }

    // A new window whose only capture device fails to open, with no mixer.
    void ReopenWithBrokenCapture()
    {
        audio.SetDevices(platform::Direction::Capture,
                         {{"Broken", platform::VirtualSignal::Sine, platform::VirtualFault::FailOpen}});
        mixer.SetDevices({});
        Reopen();
    }

    CDialogRecord& Page() { return window->m_pageRecord; }
    CAudioPlayRec& Engine() override { return window->m_pageRecord.m_engine; }

    // A control of the main window, or of the recording page.
    template <class T = QWidget>
    T* Main(int id)
    {
        T* control = platform::FindControl<T>(window.get(), id);
        EXPECT_NE(control, nullptr) << "main window control " << id;
        return control;
    }
    template <class T = QWidget>
    T* PageControl(int id)
    {
        T* control = platform::FindControl<T>(&Page(), id);
        EXPECT_NE(control, nullptr) << "page control " << id;
        return control;
    }

    QString MainText(int id)
    {
        if (auto* label = platform::FindControl<QLabel>(window.get(), id))
            return label->text();
        return Main<QAbstractButton>(id)->text();
    }

    void Click(int id) { Main<QAbstractButton>(id)->click(); }
    void ClickOnPage(int id) { PageControl<QAbstractButton>(id)->click(); }

    // Chooses entry index of a drop-down list as a user does.
    void Choose(int id, int index)
    {
        auto* combo = PageControl<QComboBox>(id);
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }

    static QStringList Entries(const QComboBox* combo)
    {
        QStringList entries;
        for (int i = 0; i < combo->count(); ++i)
            entries << combo->itemText(i);
        return entries;
    }

    void TypePath(const QString& path) { PageControl<QLineEdit>(IDC_FILE_PATH)->setText(path); }

    // Sets the page up for a WAV recording into path on the counter device, so the bytes
    // on disk can be compared exactly.
    void PrepareWave(const QString& path, int channelIndex = 0, int bitsIndex = 1)
    {
        Choose(IDC_DEVICE, COUNTER);
        Choose(IDC_FILE_TYPE, 1);
        Choose(IDC_CHANNEL, channelIndex);
        Choose(IDC_BITS, bitsIndex);
        TypePath(path);
    }

    bool Enabled(int id) { return Main(id)->isEnabled(); }
    bool PageEnabled(int id) { return PageControl(id)->isEnabled(); }

    ScopedConfigHome config;
    platform::FileDialogScript dialogs;
    platform::DesktopOpenRecorder opened;
    std::unique_ptr<CTessavoxDlg> window;
};
