#pragma once
// Watches an unattended take's input for a silence nobody is there to hear: every channel
// below -60 dBFS for a set time (an unplugged cable, a muted source, the wrong device). It
// is fed the loudest sample of each buffer, which the live history's block peaks already
// hold, and the time; it never looks at the samples themselves. It says when a silence has
// lasted the set time, at most once an hour, and when sound comes back after one it told.

#include <cstdint>
#include <optional>

class SilenceWatch {
public:
    enum class Change { None, Silent, SoundBack };
    // A silence is told at most this often, in seconds: a source that drops out now and then
    // must not flood the desktop.
    static constexpr std::int64_t WARN_EVERY = 3600;
    // The largest magnitude, on the 16-bit scale, that is still silence: below -60 dBFS.
    static std::uint32_t QuietLevel();

    // Watches for a silence of seconds from now on; 0 watches nothing. Nothing is carried
    // over from what was watched before.
    void Start(std::int64_t seconds);
    bool IsWatching() const { return m_nSeconds > 0; }
    // A buffer whose loudest sample is peak, come at now (seconds): what it changes.
    Change Feed(std::uint32_t peak, std::int64_t now);

private:
    std::int64_t m_nSeconds = 0;
    // When the silence going on began; none while there is sound.
    std::optional<std::int64_t> m_quietSince;
    std::optional<std::int64_t> m_lastWarning;
    // The silence going on has been told.
    bool m_bTold = false;
};
