#include "world/Calendario.h"
#include "shell/Globals.h"

#include "platform/Random.h"
#include "shell/Utility.h"

#include <cstdio>

KARVELIN_GLOBAL(30) CCalendario g_Calendario;

namespace {

// Sunrise and sunset in standard time, minute of day, by half-month:
// index 2 x month + 1 from the 16th on.
constexpr int kSunrise[24] = {544, 535, 518, 493, 472, 442, 414, 386, 365, 347, 338, 338,
                              345, 360, 377, 396, 414, 433, 451, 472, 493, 514, 531, 542};
constexpr int kSunset[24] = {1075, 1095, 1117, 1140, 1156, 1177, 1196, 1217, 1234, 1253, 1266, 1273,
                             1271, 1259, 1241, 1215, 1188, 1157, 1131, 1103, 1081, 1065, 1059, 1062};

struct Range {
    int minimum;
    int maximum;
};

// Monthly air temperatures by climate table; zones 1 and 2 share a table.
constexpr Range kClimate[6][12] = {
    {{-5, 1}, {-4, 2}, {-3, 5}, {0, 8}, {4, 12}, {7, 17}, {10, 19}, {9, 18}, {7, 16}, {3, 11}, {-2, 5}, {-4, 2}},
    {{-1, 5}, {0, 7}, {3, 12}, {7, 16}, {11, 21}, {14, 24}, {17, 28}, {16, 26}, {13, 23}, {9, 17}, {4, 10}, {0, 5}},
    {{4, 12}, {4, 13}, {6, 15}, {9, 18}, {12, 22}, {16, 26}, {18, 29}, {18, 29}, {16, 26}, {12, 22}, {8, 16}, {5, 13}},
    {{7, 14}, {7, 14}, {8, 16}, {10, 19}, {14, 23}, {18, 27}, {20, 30}, {21, 30}, {18, 27}, {15, 23}, {11, 18}, {8, 15}},
    {{5, 15}, {6, 15}, {6, 17}, {8, 18}, {11, 23}, {15, 28}, {18, 31}, {19, 31}, {16, 27}, {12, 22}, {8, 18}, {6, 15}},
    {{7, 15}, {7, 15}, {9, 17}, {10, 19}, {13, 23}, {17, 27}, {20, 31}, {20, 31}, {18, 28}, {15, 24}, {12, 19}, {9, 16}},
};
constexpr int kClimateTableOfZone[7] = {0, 1, 1, 2, 3, 4, 5};

const MeteoLink* g_meteoLink = nullptr;

// Truncation of a / b x c, computed as a x c / b so that an exact integer
// result is never lost to rounding.
int TruncatedRatio(int a, int b, int c)
{
    return static_cast<int>(static_cast<double>(a) * c / b);
}

} // namespace

CCalendario::CCalendario() : CCalendario(static_cast<std::int64_t>(std::time(nullptr)))
{
}

CCalendario::CCalendario(std::int64_t clock, CalendarZone zone) : m_clock(clock), m_zone(zone)
{
    ToLocal();
    Refresh();
}

void CCalendario::ToLocal()
{
    const std::time_t t = static_cast<std::time_t>(m_clock);
    std::tm result{};
    const bool ok = m_zone.host ? localtime_r(&t, &result) != nullptr : gmtime_r(&t, &result) != nullptr;
    if (!ok)
        return; // a clock the library cannot express keeps the last record
    if (!m_zone.host)
        result.tm_isdst = m_zone.dstFlag;
    m_time = result;
}

std::int64_t CCalendario::FromLocal(std::tm& time) const
{
    const std::time_t t = m_zone.host ? std::mktime(&time) : timegm(&time);
    return static_cast<std::int64_t>(t);
}

void CCalendario::AddSeconds(int n)
{
    std::tm record = m_time;
    const std::int64_t base = FromLocal(record);
    // The record's own daylight-saving flag makes the conversion exact, also
    // in the hour that repeats when summer time ends.
    m_clock = (base == -1 ? m_clock : base) + n;
    ToLocal();
    Refresh();
}

void CCalendario::Normalise()
{
    const int days = DaysInMonth(m_time.tm_mon + 1, m_time.tm_year + 1900);
    if (m_time.tm_mday > days)
        m_time.tm_mday = days;
    std::tm record = m_time;
    // The fields were set by hand: the library decides whether summer time
    // applies to the new date, otherwise a date moved across the change of
    // summer time would come back with its hour shifted by one.
    record.tm_isdst = -1;
    const std::int64_t clock = FromLocal(record);
    if (clock != -1)
        m_clock = clock;
    ToLocal();
    Refresh();
}

void CCalendario::Refresh()
{
    const int day = m_time.tm_mday;
    const int month = m_time.tm_mon + 1;
    if (day == m_cachedDay && month == m_cachedMonth && m_sunrise != -1 && m_sunset != -1)
        return;

    int month0 = m_time.tm_mon;
    if (month0 < 0 || month0 > 11)
        month0 = 0;
    const int i = 2 * month0 + (day >= 16 ? 1 : 0);
    const int next = i == 23 ? 0 : i + 1;
    const int d = day >= 16 ? day - 15 : day;
    m_sunrise = kSunrise[i] + static_cast<int>(static_cast<float>(kSunrise[next] - kSunrise[i]) / 15.0f * static_cast<float>(d));
    m_sunset = kSunset[i] + static_cast<int>(static_cast<float>(kSunset[next] - kSunset[i]) / 15.0f * static_cast<float>(d));
    if (IsSummerTime()) {
        m_sunrise += 60;
        m_sunset += 60;
    }
    m_cachedDay = day;
    m_cachedMonth = month;
    m_temperatureOffset = 2 - plat::Random() % 5;
}

int CCalendario::GetDayPhase() const
{
    const int m = GetMinuteOfDay();
    const int s = m_sunrise;
    const int t = m_sunset;
    if (m >= s - 20 && m <= s + 20)
        return kPhaseDawn;
    if (m > s + 20 && m < 721)
        return kPhaseMorning;
    if (m >= 721 && m < t - 20)
        return kPhaseAfternoon;
    if (m >= t - 20 && m <= t + 20)
        return kPhaseSunset;
    return kPhaseNight;
}

bool CCalendario::IsSummerTime() const
{
    if (m_time.tm_isdst >= 0)
        return m_time.tm_isdst == 1;
    return m_time.tm_mon >= 3 && m_time.tm_mon <= 8;
}

bool CCalendario::IsLeapYear(int year)
{
    if (year % 400 == 0)
        return true;
    if (year % 100 == 0)
        return false;
    return year % 4 == 0;
}

int CCalendario::DaysInMonth(int month1, int year)
{
    switch (month1) {
    case 2:
        return IsLeapYear(year) ? 29 : 28;
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    default:
        return 31;
    }
}

float CCalendario::GetSeasonLightFactor() const
{
    switch (m_time.tm_mon) {
    case 0:
    case 1:
        return 0.7f;
    case 2:
    case 11:
        return 0.85f;
    default:
        return 1.0f;
    }
}

bool CCalendario::GetMonthTemperatureRange(int zone, int& minimum, int& maximum) const
{
    if (zone < 0 || zone > 6 || m_time.tm_mon < 0 || m_time.tm_mon > 11)
        return false;
    const Range& r = kClimate[kClimateTableOfZone[zone]][m_time.tm_mon];
    minimum = r.minimum;
    maximum = r.maximum;
    return true;
}

int CCalendario::WeatherState() const
{
    return g_meteoLink && g_meteoLink->GetState ? g_meteoLink->GetState() : 0;
}

int CCalendario::GetAirTemperature(int zone) const
{
    int minimum = 0;
    int maximum = 0;
    if (!GetMonthTemperatureRange(zone, minimum, maximum))
        return 0;
    const int span = maximum - minimum;
    const int m = GetMinuteOfDay();
    const int rise = m_sunrise - 20;
    const int fall = m_sunset - 20;
    const int half = (fall - rise) / 2;
    const int peak = rise + half;
    // The middle of the night, counted past midnight.
    const int night = (rise - fall + 1439) / 2 + fall;
    const int nightEnd = night - 1439;

    int t = minimum;
    if (m >= rise && m <= peak) {
        t = half > 0 ? minimum + TruncatedRatio(m - rise, half, span) : maximum;
    } else if (m >= peak || m <= nightEnd) {
        const int x = m >= peak ? m - peak : m - peak + 1439;
        t = night > peak ? maximum - TruncatedRatio(x, night - peak, span) : minimum;
    }

    t += m_temperatureOffset;
    switch (WeatherState()) {
    case 0:
        t += 1;
        break;
    case 1:
        t -= 2;
        break;
    case 2:
        t -= 3;
        break;
    case 3:
        t -= 1;
        break;
    default:
        break;
    }
    return t;
}

void CCalendario::GetAmbientColour(float colour[4]) const
{
    const float f = GetSeasonLightFactor();
    float red = f;
    float green = f;
    float blue = f;
    const int m = GetMinuteOfDay();
    switch (GetDayPhase()) {
    case kPhaseNight:
        red = 0.1f;
        green = 0.1f;
        blue = 0.2f;
        break;
    case kPhaseDawn: {
        const float d = static_cast<float>(m - (m_sunrise - 20));
        blue = 0.2f + 0.0175f * d;
        green = 0.1f + 0.03f * d;
        if (green > blue + 0.1f)
            green = blue + 0.1f;
        red = 0.1f + 0.04f * d;
        if (red > green + 0.3f)
            red = green + 0.3f;
        break;
    }
    case kPhaseSunset: {
        const float e = static_cast<float>((m_sunset + 20) - m);
        blue = 0.2f + 0.02f * e;
        green = 0.1f + 0.035f * e;
        if (green > blue + 0.1f)
            green = blue + 0.1f;
        red = 0.1f + 0.0525f * e;
        if (red > green + 0.2f)
            red = green + 0.2f;
        break;
    }
    default:
        break;
    }

    if (WeatherState() != 0) {
        float least = red;
        if (green < least)
            least = green;
        if (blue < least)
            least = blue;
        red = green = blue = least;
    }
    if (red > f)
        red = f;
    if (green > f)
        green = f;
    if (blue > f)
        blue = f;
    if (g_meteoLink && g_meteoLink->LimitLight)
        g_meteoLink->LimitLight(red, green, blue);

    colour[0] = red;
    colour[1] = green;
    colour[2] = blue;
    colour[3] = 1.0f;
}

// The texts are at most 15 characters; a year the field cannot hold is cut.
void CCalendario::FormatDate(char buffer[16]) const
{
    char text[48];
    std::snprintf(text, sizeof text, "%02d/%02d/%02d", m_time.tm_mday, m_time.tm_mon + 1, m_time.tm_year + 1900);
    CopyString(buffer, text, 15);
}

const char* CCalendario::FormatDateKey() const
{
    static char buffer[16];
    char text[48];
    std::snprintf(text, sizeof text, "%02d%02d%02d", m_time.tm_year + 1900, m_time.tm_mon + 1, m_time.tm_mday);
    CopyString(buffer, text, 15);
    return buffer;
}

void CCalendario::FormatTime(char buffer[16]) const
{
    char text[48];
    std::snprintf(text, sizeof text, "%d:%02d", m_time.tm_hour, m_time.tm_min);
    CopyString(buffer, text, 15);
}

const char* CCalendario::FormatTimeKey() const
{
    static char buffer[16];
    char text[48];
    std::snprintf(text, sizeof text, "%02d%02d", m_time.tm_hour, m_time.tm_min);
    CopyString(buffer, text, 15);
    return buffer;
}

const char* CCalendario::GetMonthName(int month0)
{
    switch (month0) {
    case 0: return Tr("Gennaio", "January");
    case 1: return Tr("Febbraio", "February");
    case 2: return Tr("Marzo", "March");
    case 3: return Tr("Aprile", "April");
    case 4: return Tr("Maggio", "May");
    case 5: return Tr("Giugno", "June");
    case 6: return Tr("Luglio", "July");
    case 7: return Tr("Agosto", "August");
    case 8: return Tr("Settembre", "September");
    case 9: return Tr("Ottobre", "October");
    case 10: return Tr("Novembre", "November");
    case 11: return Tr("Dicembre", "December");
    default: return "";
    }
}

const char* CCalendario::GetShortMonthName(int month0)
{
    static char buffer[4];
    CopyString(buffer, GetMonthName(month0), 3);
    return buffer;
}

const char* CCalendario::GetPhaseName(int phase)
{
    switch (phase) {
    case kPhaseDawn: return Tr("Alba", "Dawn");
    case kPhaseMorning: return Tr("Mattino", "Morning");
    case kPhaseAfternoon: return Tr("Pomeriggio", "Afternoon");
    case kPhaseSunset: return Tr("Tramonto", "Sunset");
    case kPhaseNight: return Tr("Notte", "Night");
    default: return "";
    }
}

void CCalendario::SetMeteoLink(const MeteoLink* link)
{
    g_meteoLink = link;
}

const MeteoLink* CCalendario::GetMeteoLink() { return g_meteoLink; }
