// A stand-in for the skin library, built as libSkin.so: it styles nothing, but leaves in
// the environment what it was given and when it was unloaded, for the start-up tests.
// Built with FAKE_SKIN_WITHOUT_ENTRY it lacks the entry altogether.

#include <cstdio>
#include <cstdlib>

#ifndef FAKE_SKIN_WITHOUT_ENTRY
extern "C" __attribute__((visibility("default"))) int LoadSkin(const char* path)
{
    const char* before = std::getenv("TESSAVOX_FAKE_SKIN_CALLS");
    char calls[16];
    std::snprintf(calls, sizeof calls, "%d", (before ? std::atoi(before) : 0) + 1);
    setenv("TESSAVOX_FAKE_SKIN_CALLS", calls, 1);
    setenv("TESSAVOX_FAKE_SKIN_PATH", path, 1);
    return 1;
}
#endif

__attribute__((destructor)) static void Unloaded()
{
    setenv("TESSAVOX_FAKE_SKIN_UNLOADED", "1", 1);
}
