#pragma once
// What tests know of the virtual backend's capture devices as it lists them until a test
// replaces them.

#include <QByteArray>

#include <cstddef>
#include <cstdint>

enum VirtualDevice : std::uint32_t { SINE = 0, COUNTER = 1, SILENCE = 2 };

// The bytes the counter device produces from byte `from` of a stream on.
inline QByteArray CounterBytes(std::size_t count, std::size_t from = 0)
{
    QByteArray b(static_cast<qsizetype>(count), '\0');
    for (std::size_t i = 0; i < count; ++i)
        b[static_cast<qsizetype>(i)] = static_cast<char>((from + i) & 0xFF);
    return b;
}
