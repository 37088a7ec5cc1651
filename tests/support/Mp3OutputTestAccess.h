#pragma once
// Reaches an MP3 output's encoder state, which tests check on their own.

#include "engine/formats/Mp3Output.h"

class Mp3OutputTestAccess {
public:
    static const Mp3Output& Of(const IOutputFile* output) { return dynamic_cast<const Mp3Output&>(*output); }
    static std::uint32_t PcmFill(const IOutputFile* o) { return Of(o).m_nPcmFill; }
    static std::uint32_t ChunkSamples(const IOutputFile* o) { return Of(o).m_dwChunkSamples; }
    static std::uint32_t PcmBufferSize(const IOutputFile* o) { return Of(o).m_nPcmBufferSize; }
    static HBE_STREAM Stream(const IOutputFile* o) { return Of(o).m_hMp3Stream; }
    static const Mp3EncoderLibrary& Library(const IOutputFile* o) { return *Of(o).m_pEncoder; }
};
