#pragma once
// Writing the final Info tag frame over the placeholder frame at the start of a finished file.

#include "lame_enc.h"

#include <cstdint>
#include <vector>

namespace lame_enc {

// Writes frame at offset 0 of the file at path, only if the file starts with the placeholder
// libmp3lame emitted for it: the same header bytes, then zeros.
BE_ERR WriteInfoTag(const char* path, const std::vector<std::uint8_t>& frame);

} // namespace lame_enc
