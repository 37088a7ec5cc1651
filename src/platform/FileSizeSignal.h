#pragma once

namespace platform {

// Past RLIMIT_FSIZE the kernel sends SIGXFSZ, whose default action kills the whole
// recorder. Ignored, a write comes back short with EFBIG instead, which the recorder
// reports as a failed write and then finishes the file it has. Called before writing any
// output file; does its work once.
void IgnoreFileSizeSignal();

} // namespace platform
