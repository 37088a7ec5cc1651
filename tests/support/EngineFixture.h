#pragma once
// A fresh engine on the virtual backend for each test, with messages recorded.

#include "support/VirtualAudioFixture.h"
#include "support/WaveBytes.h"

#include <QFile>

#include <functional>
#include <memory>
#include <vector>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

class EngineFixture : public VirtualAudioFixture {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(VirtualAudioFixture::SetUp());
        engine = std::make_unique<CAudioPlayRec>();
    }

    void TearDown() override
    {
        engine.reset();
        Pump();
        VirtualAudioFixture::TearDown();
    }

    CAudioPlayRec& Engine() override { return *engine; }

    // Replaces the capture devices (before Create).
    void UseCaptureDevices(std::vector<platform::VirtualDeviceSpec> devices)
    {
        audio.SetDevices(platform::Direction::Capture, std::move(devices));
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

    // Writes a file the engine is to read, replacing any at path.
    static void WriteFile(const QString& path, const Bytes& bytes)
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size())),
                  static_cast<qint64>(bytes.size()));
    }

    // Runs body in a child process whose files may not grow past limit bytes, as on a full
    // disk (the test runner keeps its own limit); the child's exit code, or -1.
    static int InChildWithFileLimit(rlim_t limit, const std::function<int()>& body)
    {
        const pid_t child = fork();
        if (child == 0) {
            rlimit rl{limit, limit};
            setrlimit(RLIMIT_FSIZE, &rl);
            _exit(body());
        }
        int status = 0;
        if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status))
            return -1;
        return WEXITSTATUS(status);
    }

    // Records into file in a child whose files may not grow past limit, feeding frames. The
    // child's exit code: 0 when the recording ended with one "Write file failed" and the
    // engine ready; 13 when, as the user was told, the output was still open or finished()
    // said the file was not yet final.
    int RecordOntoAFullDisk(rlim_t limit, std::uint32_t device, std::uint16_t bits, std::uint32_t mode,
                            std::uint32_t rate, const QString& file, unsigned frames,
                            const std::function<bool()>& finished = {})
    {
        return InChildWithFileLimit(limit, [&] {
            int code = 0;
            messages.OnRecord([&](const platform::ShownMessage&) {
                if (engine->CurrentTake().IsOutputOpen(0) || (finished && !finished()))
                    code = 13;
            });
            if (!Record(device, bits, mode, rate, file))
                code = 10;
            Feed(frames);
            if (messages.Texts() != std::vector<QString>{QStringLiteral("Write file failed")})
                code = 11;
            if (engine->m_nStatus != STATUS_READY)
                code = 12;
            return code;
        });
    }

    static void Notify(std::uint32_t message, void* owner)
    {
        static_cast<EngineFixture*>(owner)->notifications.push_back(message);
    }

    std::unique_ptr<CAudioPlayRec> engine;
    std::vector<std::uint32_t> notifications;
};
