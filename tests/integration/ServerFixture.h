#pragma once
// Tests that record from the private sound server that scripts/start-sound-server starts.

#include "engine/AudioPlayRec.h"
#include "platform/ShowMessage.h"
#include "platform/audio/AudioBackend.h"
#include "support/ConfigHome.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

class ServerFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("PULSE_SERVER"))
            GTEST_SKIP() << "no private sound server: run scripts/test, or eval \"$(scripts/start-sound-server)\"";
        ASSERT_TRUE(dir.isValid());
    }

    static double EnvHz(const char* name, double fallback)
    {
        const QByteArray v = qgetenv(name);
        return v.isEmpty() ? fallback : v.toDouble();
    }

    // The capture device whose name contains text, or WAVE_MAPPER when none does.
    static std::uint32_t CaptureDeviceNamed(const QString& text)
    {
        auto& backend = platform::CurrentAudioBackend();
        const unsigned count = backend.DeviceCount(platform::Direction::Capture);
        for (unsigned i = 0; i < count; ++i)
            if (backend.DeviceName(platform::Direction::Capture, i).contains(text, Qt::CaseInsensitive))
                return i;
        return WAVE_MAPPER;
    }

    QString Path(const QString& name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    platform::MessageRecorder messages;
    ScopedConfigHome config;
};

// The frequency of a tone, from its rising zero crossings (signed 16-bit or unsigned 8-bit).
double ToneFrequency(const QByteArray& data, int bits, int channels, int channel, int rate);

// Where one channel's tone of hz breaks (sound lost, doubled or silent), described; empty
// when it runs unbroken. maxJump: the phase change, in degrees, that counts as a break.
std::string ToneBreaksIn(const QByteArray& data, int bits, int channels, int channel, int rate, double hz,
                         double maxJump = 2.0);
