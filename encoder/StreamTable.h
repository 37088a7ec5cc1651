#pragma once
// The library's streams by handle: open ones with their encoder, closed ones only as long as
// their Info tag frame waits to be written.

#include "EncoderStream.h"

#include <map>
#include <optional>

namespace lame_enc {

class StreamTable {
public:
    HBE_STREAM Add(std::unique_ptr<EncoderStream> stream);
    // Null unless the handle names an open stream.
    EncoderStream* Find(HBE_STREAM handle) const;
    // Ends the encoder, keeping its tag frame when it has one; false for no open stream.
    bool Close(HBE_STREAM handle);
    // Hands over and forgets a closed stream's tag frame; nullopt when there is none.
    std::optional<std::vector<std::uint8_t>> TakeTag(HBE_STREAM handle);
    // The stream closed last with a tag frame (0: none yet).
    HBE_STREAM LastClosed() const { return m_hLastClosed; }

private:
    std::map<HBE_STREAM, std::unique_ptr<EncoderStream>> m_open;
    std::map<HBE_STREAM, std::vector<std::uint8_t>> m_pendingTags;
    // Handles are never reused, so a stale one cannot reach a newer stream.
    HBE_STREAM m_hNext = 1;
    HBE_STREAM m_hLastClosed = 0;
};

} // namespace lame_enc
