#pragma once
// The room left on the disk, told as the time of sound that fits in it.

#include <QString>

#include <cstdint>
#include <optional>

// Below this much room a recording ends, its files made final while there is still room to
// finish them.
inline constexpr std::int64_t NEARLY_FULL_SECONDS = 60;

// The whole seconds of sound costing bytesPerSecond that fit in the free space of the file
// system folder is on (or will be made on); empty when it cannot say, or nothing is written.
std::optional<std::int64_t> RoomSeconds(const QString& folder, std::uint64_t bytesPerSecond);
// "less than a minute", "about 45 min", "about 3 h 20 min", "about 2 days 5 h": rounded
// down, so that it never promises more than there is.
QString RoomText(std::int64_t seconds);
