#include "StreamTable.h"

namespace lame_enc {

HBE_STREAM StreamTable::Add(std::unique_ptr<EncoderStream> stream)
{
    const HBE_STREAM handle = m_hNext++;
    m_open.emplace(handle, std::move(stream));
    return handle;
}

EncoderStream* StreamTable::Find(HBE_STREAM handle) const
{
    const auto it = m_open.find(handle);
    return it == m_open.end() ? nullptr : it->second.get();
}

bool StreamTable::Close(HBE_STREAM handle)
{
    const auto it = m_open.find(handle);
    if (it == m_open.end())
        return false;
    std::vector<std::uint8_t> tag = it->second->InfoTagFrame();
    m_open.erase(it);
    if (!tag.empty()) {
        m_pendingTags.emplace(handle, std::move(tag));
        m_hLastClosed = handle;
    }
    return true;
}

std::optional<std::vector<std::uint8_t>> StreamTable::TakeTag(HBE_STREAM handle)
{
    const auto it = m_pendingTags.find(handle);
    if (it == m_pendingTags.end())
        return std::nullopt;
    std::vector<std::uint8_t> tag = std::move(it->second);
    m_pendingTags.erase(it);
    return tag;
}

} // namespace lame_enc
