#pragma once
// The game clock and calendar: the date and time of the fishing world, the
// sunrise and sunset of that date, the day phase, the air temperature of a
// climate zone and the ambient light of the scene, plus the names of months
// and day phases in both languages.
#include <cstdint>
#include <ctime>

// Day phases, also the index of a species' activity by time of day.
enum : int {
    kPhaseDawn = 0,
    kPhaseMorning = 1,
    kPhaseAfternoon = 2,
    kPhaseSunset = 3,
    kPhaseNight = 4,
};

// Where the clock takes its local time from. The host zone is the computer's
// own, with its daylight-saving rules. A fixed zone has no offset from UTC
// and reports the daylight-saving flag it was given (0 standard time,
// 1 summer time, -1 not known): it lets tests pin the calendar.
struct CalendarZone {
    bool host = true;
    int dstFlag = -1;

    static CalendarZone Host() { return {true, -1}; }
    static CalendarZone Fixed(int dstFlag) { return {false, dstFlag}; }
};

// What the clock needs from the day's weather: its state (0 clear, 1 cloudy,
// 2 rain, 3 snow, 4 fog) and the cap it puts on the ambient light. The
// weather object registers its link once it exists; with no link the sky
// counts as clear and the light is not capped, which is exactly what a clear
// day does.
struct MeteoLink {
    int (*GetState)();
    void (*LimitLight)(float& red, float& green, float& blue);
};

class CCalendario {
public:
    // Starts at the computer's current local time.
    CCalendario();
    // Starts at the given time (seconds since the epoch) in the given zone.
    explicit CCalendario(std::int64_t clock, CalendarZone zone = CalendarZone::Host());

    // Advances the clock by n seconds (n may be negative).
    void AddSeconds(int n);
    // After the date fields were set directly: clamps the day to the month's
    // length, lets the library normalise the record and recomputes the clock.
    void Normalise();
    // Recomputes sunrise, sunset and the temperature offset when the day
    // changed; nothing happens within one day.
    void Refresh();

    // Direct writes of the date and time fields; call Normalise() afterwards.
    void SetDayOfMonth(int day) { m_time.tm_mday = day; }
    void SetMonth(int month0) { m_time.tm_mon = month0; } // 0..11
    void SetHour(int hour) { m_time.tm_hour = hour; }
    void SetMinute(int minute) { m_time.tm_min = minute; }
    void SetSecond(int second) { m_time.tm_sec = second; }

    const std::tm& GetTime() const { return m_time; }
    std::int64_t GetClock() const { return m_clock; }
    int GetDayOfMonth() const { return m_time.tm_mday; }
    int GetMonth() const { return m_time.tm_mon; } // 0..11
    int GetYear() const { return m_time.tm_year + 1900; }
    int GetHour() const { return m_time.tm_hour; }
    int GetMinute() const { return m_time.tm_min; }
    int GetSecond() const { return m_time.tm_sec; }
    int GetDayOfYear() const { return m_time.tm_yday; } // 0..365
    int GetMinuteOfDay() const { return m_time.tm_hour * 60 + m_time.tm_min; }

    int GetSunrise() const { return m_sunrise; } // minute of day
    int GetSunset() const { return m_sunset; }   // minute of day
    int GetTemperatureOffset() const { return m_temperatureOffset; }

    int GetDayPhase() const;
    bool IsDawn() const { return GetDayPhase() == kPhaseDawn; }
    bool IsMorning() const { return GetDayPhase() == kPhaseMorning; }
    bool IsAfternoon() const { return GetDayPhase() == kPhaseAfternoon; }
    bool IsSunset() const { return GetDayPhase() == kPhaseSunset; }
    bool IsNight() const { return GetDayPhase() == kPhaseNight; }
    bool IsSummerTime() const;

    static bool IsLeapYear(int year);
    static int DaysInMonth(int month1, int year); // month 1..12

    float GetSeasonLightFactor() const;
    // Minimum and maximum air temperature of the current month in a climate
    // zone 0..6; false for any other zone.
    bool GetMonthTemperatureRange(int zone, int& minimum, int& maximum) const;
    // Degrees Celsius now, in a climate zone 0..6; 0 for any other zone.
    int GetAirTemperature(int zone) const;
    // Red, green, blue, alpha, each 0..1.
    void GetAmbientColour(float colour[4]) const;

    void FormatDate(char buffer[16]) const;  // "dd/mm/yyyy"
    const char* FormatDateKey() const;       // "yyyymmdd", static buffer
    void FormatTime(char buffer[16]) const;  // "h:mm"
    const char* FormatTimeKey() const;       // "hhmm", static buffer

    static const char* GetMonthName(int month0);      // "" outside 0..11
    static const char* GetShortMonthName(int month0); // first three letters, static buffer
    static const char* GetPhaseName(int phase);       // "" outside 0..4

    // The weather registers here; null unregisters.
    static void SetMeteoLink(const MeteoLink* link);
    static const MeteoLink* GetMeteoLink();

private:
    void ToLocal();
    std::int64_t FromLocal(std::tm& time) const;
    int WeatherState() const;

    std::tm m_time{};
    std::int64_t m_clock = 0;
    int m_cachedDay = -1;
    int m_cachedMonth = -1; // 1..12
    int m_sunrise = -1;
    int m_sunset = -1;
    int m_temperatureOffset = 0;
    CalendarZone m_zone;
};

extern CCalendario g_Calendario;
