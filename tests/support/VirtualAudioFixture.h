#pragma once
// What the engine's and the main window's tests share: the virtual audio backend and the
// in-memory mixer in place of the real ones, a fresh folder, messages recorded instead of
// shown, and the device driven one buffer at a time.

#include "engine/AudioPlayRec.h"
#include "platform/ShowMessage.h"
#include "platform/audio/virtual/VirtualBackend.h"
#include "platform/mixer/memory/MemoryMixerBackend.h"
#include "support/QStringPrinter.h"
#include "support/VirtualDevices.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

class VirtualAudioFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        platform::UseAudioBackend(&audio);
        platform::UseMixerBackend(&mixer);
    }

    // Derived fixtures first take down, and pump, whatever uses the backends.
    void TearDown() override
    {
        platform::UseMixerBackend(nullptr);
        platform::UseAudioBackend(nullptr);
    }

    // The engine the device feeds.
    virtual CAudioPlayRec& Engine() = 0;

    // Lets the device produce frames one buffer's worth at a time, handing each buffer back
    // before the next is due, as a real device paced by the clock would.
    void Feed(unsigned frames)
    {
        const unsigned step = Engine().Format().nBlockAlign ? 4096u / Engine().Format().nBlockAlign : 1024u;
        while (frames > 0) {
            const unsigned now = frames < step ? frames : step;
            audio.Advance(now);
            Pump();
            frames -= now;
        }
    }

    // Delivers every posted notification, including those posted while delivering.
    static void Pump()
    {
        for (int i = 0; i < 8; ++i)
            QCoreApplication::sendPostedEvents();
    }

    QString Path(const QString& name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    platform::VirtualBackend audio;
    platform::MemoryMixerBackend mixer;
    platform::MessageRecorder messages;
};
