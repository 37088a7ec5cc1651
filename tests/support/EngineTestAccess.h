#pragma once
// Reaches the engine's internal steps that tests check on their own.

#include "engine/AudioPlayRec.h"

class EngineTestAccess {
public:
    static int SplitChannels(CAudioPlayRec& e, std::uint16_t bits, const char* data, std::int32_t length)
    {
        return e.SplitChannels(bits, data, length);
    }
    static int OpenPlaybackFile(CAudioPlayRec& e, const QString& path) { return e.OpenPlaybackFile(path); }
    // The output that writes output n's files, while the take lasts.
    static IOutputFile* Output(CAudioPlayRec& e, int n) { return e.m_take.m_slot[n].output.get(); }
    static void SetFormat(CAudioPlayRec& e, std::uint16_t bits, std::uint32_t mode, std::uint32_t rate)
    {
        e.SetFormat(bits, mode, rate);
    }
    static int PrepareBuffers(CAudioPlayRec& e) { return e.PrepareBuffers(); }
    static bool CloseTimerActive(CAudioPlayRec& e) { return e.m_timerCloseRecord.isActive(); }
    static std::int32_t Queued(const CAudioPlayRec& e) { return e.m_nQueued; }
    static std::uint16_t BufferCount(const CAudioPlayRec& e) { return e.m_nBufferCount; }
    static std::int32_t BufferSize(const CAudioPlayRec& e) { return e.m_nBufferSize; }
    static const std::vector<std::vector<char>>& Buffers(const CAudioPlayRec& e) { return e.m_pBuffers; }
    static const std::vector<char>& Left(const CAudioPlayRec& e) { return e.m_pLeft; }
    static const std::vector<char>& Right(const CAudioPlayRec& e) { return e.m_pRight; }
    static const platform::IWaveStream* WaveIn(const CAudioPlayRec& e) { return e.m_hWaveIn.get(); }
    static const platform::IWaveStream* WaveOut(const CAudioPlayRec& e) { return e.m_hWaveOut.get(); }
    // Where the live display stands in the sound (frames).
    static std::uint64_t ShownFrames(const CAudioPlayRec& e) { return e.m_view.ShownFrames(); }
};
