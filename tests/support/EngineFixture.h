#pragma once
// A fresh engine on the virtual backend for each test, with messages recorded.

#include "engine/AudioPlayRec.h"
#include "platform/ShowMessage.h"
#include "platform/audio/virtual/VirtualBackend.h"
#include "platform/mixer/memory/MemoryMixerBackend.h"
#include "support/QStringPrinter.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

class EngineFixture : public ::testing::Test {
protected:
    enum Device : std::uint32_t { SINE = 0, COUNTER = 1, SILENCE = 2 };

    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        platform::UseAudioBackend(&backend);
        platform::UseMixerBackend(&mixers);
        engine = std::make_unique<CAudioPlayRec>();
    }

    void TearDown() override
    {
        engine.reset();
        Pump();
        platform::UseAudioBackend(nullptr);
        platform::UseMixerBackend(nullptr);
    }

    // Replaces the capture devices (before Create).
    void UseCaptureDevices(std::vector<platform::VirtualDeviceSpec> devices)
    {
        backend.SetDevices(platform::Direction::Capture, std::move(devices));
    }

    int CreateEngine(std::uint32_t device)
    {
        return engine->Create(device, nullptr, nullptr, &EngineFixture::Notify, this);
    }

    // Starts a recording into one WAV output.
    bool Record(std::uint32_t device, std::uint16_t bits, std::uint32_t mode, std::uint32_t rate, const QString& file)
    {
        if (engine->m_nStatus == STATUS_NONE && !CreateEngine(device))
            return false;
        if (!engine->StartRecord(bits, mode, rate))
            return false;
        return engine->OpenRecordFile(0, file) != 0;
    }

    // Stops and lets every notification through, so the engine is back to ready.
    void StopAndSettle()
    {
        engine->Stop();
        Pump();
    }

    // Lets the device produce frames one buffer's worth at a time, handing each buffer back
    // before the next is due, as a real device paced by the clock would.
    void Feed(unsigned frames)
    {
        const unsigned step = engine->m_wfx.nBlockAlign ? 4096u / engine->m_wfx.nBlockAlign : 1024u;
        while (frames > 0) {
            const unsigned now = frames < step ? frames : step;
            backend.Advance(now);
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

    static void Notify(std::uint32_t message, void* owner)
    {
        static_cast<EngineFixture*>(owner)->notifications.push_back(message);
    }

    QTemporaryDir dir;
    platform::VirtualBackend backend;
    platform::MemoryMixerBackend mixers;
    platform::MessageRecorder messages;
    std::unique_ptr<CAudioPlayRec> engine;
    std::vector<std::uint32_t> notifications;
};

// The bytes the virtual counter device produces from the start of a stream.
inline QByteArray CounterBytes(std::size_t count, std::size_t from = 0)
{
    QByteArray b(static_cast<qsizetype>(count), '\0');
    for (std::size_t i = 0; i < count; ++i)
        b[static_cast<qsizetype>(i)] = static_cast<char>((from + i) & 0xFF);
    return b;
}
