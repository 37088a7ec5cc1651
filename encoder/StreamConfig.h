#pragma once
// Turns the configuration record into libmp3lame settings (the mapping is documented field by
// field in lame_enc.h).

#include "lame_enc.h"

#include <lame.h>

namespace lame_enc {

// Checks the record and applies it to a fresh encoder, up to and including lame_init_params.
// On success channels is the number of interleaved input channels (1 or 2).
BE_ERR ApplyConfig(const BE_CONFIG& config, lame_global_flags* lame, int& channels);

} // namespace lame_enc
