#pragma once
// Test builds of the library, chosen by compile definitions in encoder/CMakeLists.txt, so that
// the engine's tests can reach its failure paths. The real library defines none of them.
// LAME_ENC_WITHOUT_CLOSE_STREAM and LAME_ENC_WITHOUT_INFO_TAG drop those exports.

#include <cstdint>

#ifndef LAME_ENC_INIT_FAILS
#define LAME_ENC_INIT_FAILS 0
#endif
#ifndef LAME_ENC_ENCODE_FAILS_AFTER
#define LAME_ENC_ENCODE_FAILS_AFTER 0
#endif

namespace lame_enc::variant {

// beInitStream refuses every record with BE_ERR_INVALID_FORMAT_PARAMETERS.
inline constexpr bool kInitFails = LAME_ENC_INIT_FAILS != 0;
// beEncodeChunk fails with BE_ERR_BUFFER_TOO_SMALL once a stream has encoded this many
// chunks (0: never).
inline constexpr std::uint32_t kEncodeFailsAfter = LAME_ENC_ENCODE_FAILS_AFTER;

} // namespace lame_enc::variant
