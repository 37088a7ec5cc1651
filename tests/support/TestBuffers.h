#pragma once
// Caller-owned buffers and their headers, at addresses that stay put while a device holds
// them, as the engine's ring keeps them.

#include "platform/audio/WaveTypes.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace testsupport {

class TestBuffers {
public:
    TestBuffers(std::size_t count, std::uint32_t bytes, char fill = 0)
        : m_data(count, std::vector<char>(bytes, fill)), m_headers(count)
    {
        for (std::size_t i = 0; i < count; ++i) {
            m_headers[i].lpData = m_data[i].data();
            m_headers[i].dwBufferLength = bytes;
            m_headers[i].dwUser = i;
        }
    }
    TestBuffers(const TestBuffers&) = delete;
    TestBuffers& operator=(const TestBuffers&) = delete;

    std::size_t Count() const { return m_headers.size(); }
    WAVEHDR* operator[](std::size_t i) { return &m_headers[i]; }
    std::vector<WAVEHDR*> All()
    {
        std::vector<WAVEHDR*> all;
        for (WAVEHDR& header : m_headers)
            all.push_back(&header);
        return all;
    }

private:
    std::vector<std::vector<char>> m_data;
    std::vector<WAVEHDR> m_headers;
};

} // namespace testsupport
