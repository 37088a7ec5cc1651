#include "InfoTag.h"

#include <algorithm>
#include <cstdio>

namespace lame_enc {
namespace {

// The placeholder's fourth header byte may differ (the stereo mode extension), and with CRC
// protection its checksum bytes are zero; everything after the header is zero.
bool IsPlaceholderFor(const std::vector<std::uint8_t>& first, const std::vector<std::uint8_t>& frame)
{
    constexpr std::size_t header = 4;
    return frame.size() > header &&
           std::equal(frame.begin(), frame.begin() + 3, first.begin()) &&
           std::all_of(first.begin() + header, first.end(), [](std::uint8_t b) { return b == 0; });
}

} // namespace

BE_ERR WriteInfoTag(const char* path, const std::vector<std::uint8_t>& frame)
{
    if (!path)
        return BE_ERR_INVALID_FORMAT_PARAMETERS;
    std::FILE* file = std::fopen(path, "r+b");
    if (!file)
        return BE_ERR_FILE;
    std::vector<std::uint8_t> first(frame.size());
    bool written = std::fread(first.data(), 1, first.size(), file) == first.size() &&
                   IsPlaceholderFor(first, frame) && std::fseek(file, 0, SEEK_SET) == 0 &&
                   std::fwrite(frame.data(), 1, frame.size(), file) == frame.size();
    if (std::fclose(file) != 0)
        written = false;
    return written ? BE_ERR_SUCCESSFUL : BE_ERR_FILE;
}

} // namespace lame_enc
