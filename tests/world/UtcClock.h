#pragma once
// Dates and times for clock tests, given in UTC so that no test depends on
// the machine's own zone or its summer time.
#include "world/Calendario.h"

#include <cstdint>
#include <ctime>

namespace world_test {

// Seconds since the epoch of a UTC date and time; with a fixed zone that is
// the calendar's own local time.
inline std::int64_t Utc(int year, int month1, int day, int hour = 12, int minute = 0)
{
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month1 - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    return static_cast<std::int64_t>(timegm(&t));
}

// The game clock at a date and time, in a zone without summer time.
inline void SetGameClockUtc(int year, int month1, int day, int hour, int minute)
{
    g_Calendario = CCalendario(Utc(year, month1, day, hour, minute), CalendarZone::Fixed(0));
}

} // namespace world_test
