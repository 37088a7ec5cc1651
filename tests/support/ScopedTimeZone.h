#pragma once
// Sets the process's local time zone for the life of the object, then puts back the one
// before. A POSIX rule needs no time zone database on the machine.

#include <QByteArray>
#include <QtGlobal>

#include <ctime>

namespace tests {

// Central European time: daylight saving from the last Sunday of March, 02:00 → 03:00, to
// the last Sunday of October, 03:00 → 02:00.
inline constexpr const char* CENTRAL_EUROPE = "CET-1CEST,M3.5.0,M10.5.0/3";

class ScopedTimeZone {
public:
    explicit ScopedTimeZone(const char* zone)
        : m_bHad(qEnvironmentVariableIsSet("TZ")), m_previous(qgetenv("TZ"))
    {
        qputenv("TZ", zone);
        tzset();
    }
    ~ScopedTimeZone()
    {
        if (m_bHad)
            qputenv("TZ", m_previous);
        else
            qunsetenv("TZ");
        tzset();
    }
    ScopedTimeZone(const ScopedTimeZone&) = delete;
    ScopedTimeZone& operator=(const ScopedTimeZone&) = delete;

private:
    bool m_bHad;
    QByteArray m_previous;
};

} // namespace tests
