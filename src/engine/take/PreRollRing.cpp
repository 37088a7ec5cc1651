#include "engine/take/PreRollRing.h"

#include <algorithm>
#include <cstring>

void PreRollRing::Allocate(std::size_t bytes)
{
    m_data.assign(bytes, 0);
    m_nHead = 0;
    m_nFill = 0;
}

void PreRollRing::Push(const char* data, std::size_t length)
{
    const std::size_t size = m_data.size();
    if (size == 0)
        return;
    // Only the newest `size` bytes of a long block can stay.
    if (length > size) {
        data += length - size;
        length = size;
    }
    const std::size_t run = std::min(length, size - m_nHead);
    std::memcpy(m_data.data() + m_nHead, data, run);
    std::memcpy(m_data.data(), data + run, length - run);
    m_nHead = (m_nHead + length) % size;
    m_nFill = std::min(size, m_nFill + length);
}

int PreRollRing::Last(std::size_t bytes, const char* at[2], std::size_t length[2]) const
{
    bytes = std::min(bytes, m_nFill);
    const std::size_t size = m_data.size();
    if (bytes == 0)
        return 0;
    const std::size_t first = (m_nHead + size - bytes) % size;
    at[0] = m_data.data() + first;
    length[0] = std::min(bytes, size - first);
    if (length[0] == bytes)
        return 1;
    at[1] = m_data.data();
    length[1] = bytes - length[0];
    return 2;
}
