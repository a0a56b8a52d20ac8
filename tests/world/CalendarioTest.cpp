#include "world/Calendario.h"

#include "platform/Random.h"
#include "shell/Opzioni.h"
#include "tests/support/LanguageGuard.h"
#include "tests/world/UtcClock.h"

#include <gtest/gtest.h>

#include <cstring>
#include <ctime>

namespace {

using world_test::Utc;

CCalendario Standard(int year, int month1, int day, int hour = 12, int minute = 0)
{
    return CCalendario(Utc(year, month1, day, hour, minute), CalendarZone::Fixed(0));
}

// A day's weather as the tests want it.
int g_weatherState = 0;
float g_lightCap = 0.0f;
int WeatherState() { return g_weatherState; }
void CapLight(float& r, float& g, float& b)
{
    if (g_lightCap <= 0.0f)
        return;
    float least = r < g ? r : g;
    if (b < least)
        least = b;
    if (g_lightCap < least)
        least = g_lightCap;
    r = g = b = least;
}
const MeteoLink kTestWeather = {WeatherState, CapLight};

class Weather {
public:
    Weather(int state, float cap = 0.0f) : m_saved(CCalendario::GetMeteoLink())
    {
        g_weatherState = state;
        g_lightCap = cap;
        CCalendario::SetMeteoLink(&kTestWeather);
    }
    // The game's own weather link is put back for the tests that follow.
    ~Weather() { CCalendario::SetMeteoLink(m_saved); }

private:
    const MeteoLink* m_saved;
};

using testing_support::Language;

} // namespace

TEST(CalendarioSun, SunriseAndSunsetInterpolateByHalfMonth)
{
    struct Case {
        int month, day, dst;
        int sunrise, sunset;
    } const cases[] = {
        {1, 1, 0, 544, 1076},   // first half of January, d = 1
        {1, 15, 0, 535, 1095},  // d = 15 reaches the next entry
        {1, 31, 0, 517, 1118},  // second half, d = 16: 535 - 18, 1095 + 23
        {12, 16, 0, 542, 1062}, // last entry leans toward the first
        {12, 31, 0, 544, 1075}, // and reaches it at the end of the year
        {4, 8, 0, 400, 1207},
        {7, 1, 1, 346 + 60, 1271 + 60}, // summer time adds an hour
        {7, 1, -1, 346 + 60, 1271 + 60}, // flag not known: by month
        {3, 31, -1, 413, 1197},          // March is standard time
        {10, 1, -1, 452, 1130},          // and so is October
    };
    for (const Case& c : cases) {
        CCalendario cal(Utc(2023, c.month, c.day), CalendarZone::Fixed(c.dst));
        EXPECT_EQ(cal.GetSunrise(), c.sunrise) << c.month << "/" << c.day;
        EXPECT_EQ(cal.GetSunset(), c.sunset) << c.month << "/" << c.day;
    }
}

TEST(CalendarioSun, DayPhasesMeetAtTheirBoundaries)
{
    CCalendario cal = Standard(2023, 4, 8, 0, 0); // sunrise 400, sunset 1207
    ASSERT_EQ(cal.GetSunrise(), 400);
    ASSERT_EQ(cal.GetSunset(), 1207);
    struct Case {
        int minute, phase;
    } const cases[] = {
        {0, kPhaseNight},       {379, kPhaseNight},   {380, kPhaseDawn},      {420, kPhaseDawn},
        {421, kPhaseMorning},   {720, kPhaseMorning}, {721, kPhaseAfternoon}, {1186, kPhaseAfternoon},
        {1187, kPhaseSunset},   {1227, kPhaseSunset}, {1228, kPhaseNight},    {1439, kPhaseNight},
    };
    for (const Case& c : cases) {
        cal.SetHour(c.minute / 60);
        cal.SetMinute(c.minute % 60);
        cal.Normalise();
        EXPECT_EQ(cal.GetDayPhase(), c.phase) << "minute " << c.minute;
    }
    cal.SetHour(6);
    cal.SetMinute(30);
    cal.Normalise();
    EXPECT_TRUE(cal.IsDawn());
    EXPECT_FALSE(cal.IsNight());
}

TEST(CalendarioDate, DaysInMonthAndLeapYears)
{
    EXPECT_EQ(CCalendario::DaysInMonth(2, 1900), 28);
    EXPECT_EQ(CCalendario::DaysInMonth(2, 2000), 29);
    EXPECT_EQ(CCalendario::DaysInMonth(2, 2024), 29);
    EXPECT_EQ(CCalendario::DaysInMonth(2, 2023), 28);
    EXPECT_EQ(CCalendario::DaysInMonth(13, 2023), 31);
    EXPECT_EQ(CCalendario::DaysInMonth(0, 2023), 31);
    const int lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int m = 1; m <= 12; ++m)
        EXPECT_EQ(CCalendario::DaysInMonth(m, 2023), lengths[m - 1]) << m;
    EXPECT_TRUE(CCalendario::IsLeapYear(2400));
    EXPECT_FALSE(CCalendario::IsLeapYear(2100));
    EXPECT_FALSE(CCalendario::IsLeapYear(2023));
}

TEST(CalendarioDate, AdvancingCrossesMonthAndYearEnds)
{
    struct Case {
        int year, month, day;
        int hour, minute;
        int seconds;
        const char* date;
        const char* time;
        int dayOfYear;
    } const cases[] = {
        {2023, 12, 31, 23, 59, 60, "01/01/2024", "0:00", 0},
        {2024, 2, 28, 23, 59, 60, "29/02/2024", "0:00", 59},
        {2023, 2, 28, 23, 59, 60, "01/03/2023", "0:00", 59},
        {2023, 4, 30, 23, 59, 63, "01/05/2023", "0:00", 120},
        {2023, 1, 1, 0, 0, -3, "31/12/2022", "23:59", 364},
    };
    for (const Case& c : cases) {
        CCalendario cal = Standard(c.year, c.month, c.day, c.hour, c.minute);
        cal.AddSeconds(c.seconds);
        char date[16];
        char time[16];
        cal.FormatDate(date);
        cal.FormatTime(time);
        EXPECT_STREQ(date, c.date);
        EXPECT_STREQ(time, c.time);
        EXPECT_EQ(cal.GetDayOfYear(), c.dayOfYear) << c.date;
    }
}

TEST(CalendarioDate, SettingTheDateClampsTheDayAndRefreshesTheSun)
{
    CCalendario cal = Standard(2023, 1, 31, 9, 5);
    cal.SetMonth(1); // February keeps day 31 until normalised
    cal.Normalise();
    char date[16];
    cal.FormatDate(date);
    EXPECT_STREQ(date, "28/02/2023");
    EXPECT_STREQ(cal.FormatDateKey(), "20230228");
    EXPECT_STREQ(cal.FormatTimeKey(), "0905");
    EXPECT_EQ(cal.GetSunrise(), 475); // 493 + truncate(-21 / 15 x 13)

    // Sunrise, sunset and the temperature offset stay within one day.
    plat::SeedRandom(7);
    const int offset = cal.GetTemperatureOffset();
    cal.AddSeconds(3600);
    EXPECT_EQ(cal.GetTemperatureOffset(), offset);
    // A new day draws a new offset from the game's generator.
    plat::SeedRandom(1); // first draw 41
    cal.AddSeconds(86400);
    EXPECT_EQ(cal.GetTemperatureOffset(), 2 - 41 % 5);
}

TEST(CalendarioDate, SettingADateAcrossSummerTimeKeepsTheHour)
{
    // In the computer's own zone: a date moved from winter into summer must
    // keep the hour that was set, whatever the zone's summer-time rules.
    CCalendario cal(Utc(2023, 1, 15, 12, 0), CalendarZone::Host());
    cal.SetDayOfMonth(15);
    cal.SetMonth(6);
    cal.SetHour(10);
    cal.SetMinute(0);
    cal.Normalise();
    EXPECT_EQ(cal.GetMonth(), 6);
    EXPECT_EQ(cal.GetDayOfMonth(), 15);
    EXPECT_EQ(cal.GetHour(), 10);
    cal.SetMonth(0);
    cal.SetHour(10);
    cal.Normalise();
    EXPECT_EQ(cal.GetMonth(), 0);
    EXPECT_EQ(cal.GetHour(), 10);
}

TEST(CalendarioDate, ConstructionStartsAtTheRealClock)
{
    const std::int64_t before = static_cast<std::int64_t>(std::time(nullptr));
    CCalendario cal;
    EXPECT_GE(cal.GetClock(), before);
    EXPECT_LE(cal.GetClock(), before + 5);
    EXPECT_NE(cal.GetSunrise(), -1);
}

TEST(CalendarioTemperature, DailyCurveWithZoneOffsetAndWeather)
{
    // 1 July 2023, standard time: sunrise 346, sunset 1271. S' = 326,
    // T' = 1251, half 462, peak 788, night (326 - 1251 + 1439) / 2 + 1251 =
    // 1508, which is minute 69 after midnight.
    struct Case {
        int minute, zone, weather;
        int expected; // before the day's random offset
    } const cases[] = {
        {788, 0, 4, 19},      // the peak is the month's maximum; fog adds nothing
        {788, 4, 4, 30},      // zone 4 has its own table
        {788, 1, 2, 28 - 3},  // rain is 3 degrees colder
        {788, 2, 2, 28 - 3},  // zones 1 and 2 share a table
        {788, 3, 0, 29 + 1},  // clear adds one
        {788, 3, 1, 29 - 2},  // cloudy
        {788, 3, 3, 29 - 1},  // snow
        {326, 1, 4, 17},      // start of the rise: minimum
        {557, 1, 4, 17 + 5},  // half way: 231 / 462 x 11 = 5.5
        {200, 1, 4, 17},      // between the middle of the night and sunrise
        {1148, 1, 4, 28 - 5}, // falling: 360 / 720 x 11 = 5.5
        {30, 1, 4, 28 - 10},  // after midnight: 681 / 720 x 11 = 10.4
        {69, 1, 4, 17},       // the middle of the night
        {70, 1, 4, 17},
    };
    for (const Case& c : cases) {
        CCalendario cal = Standard(2023, 7, 1, c.minute / 60, c.minute % 60);
        Weather weather(c.weather);
        EXPECT_EQ(cal.GetAirTemperature(c.zone), c.expected + cal.GetTemperatureOffset())
            << "minute " << c.minute << " zone " << c.zone;
    }
}

TEST(CalendarioTemperature, RisesSmoothlyAndRejectsUnknownZones)
{
    CCalendario cal = Standard(2023, 7, 1, 0, 0);
    Weather weather(4);
    int last = -100;
    for (int m = 326; m <= 788; ++m) {
        cal.SetHour(m / 60);
        cal.SetMinute(m % 60);
        cal.Normalise();
        const int t = cal.GetAirTemperature(1) - cal.GetTemperatureOffset();
        EXPECT_GE(t, last);
        last = t;
    }
    EXPECT_EQ(last, 28);
    int minimum = 0;
    int maximum = 0;
    EXPECT_FALSE(cal.GetMonthTemperatureRange(7, minimum, maximum));
    EXPECT_FALSE(cal.GetMonthTemperatureRange(-1, minimum, maximum));
    EXPECT_EQ(cal.GetAirTemperature(7), 0);
    EXPECT_TRUE(cal.GetMonthTemperatureRange(6, minimum, maximum));
    EXPECT_EQ(minimum, 20);
    EXPECT_EQ(maximum, 31);
}

TEST(CalendarioLight, AmbientColourThroughTheDay)
{
    struct Case {
        int month, day, minute;
        float red, green, blue;
    } const cases[] = {
        // 8 April: sunrise 400, sunset 1207, F = 1
        {4, 8, 380, 0.1f, 0.1f, 0.2f},   // dawn begins at the night colour
        {4, 8, 400, 0.9f, 0.65f, 0.55f}, // d = 20
        {4, 8, 420, 1.0f, 1.0f, 0.9f},   // end of dawn: blue only reaches 0.9
        {4, 8, 600, 1.0f, 1.0f, 1.0f},   // morning
        {4, 8, 1207, 0.9f, 0.7f, 0.6f},  // sunset, e = 20
        {4, 8, 1227, 0.1f, 0.1f, 0.2f},  // end of sunset: night colour
        {4, 8, 1300, 0.1f, 0.1f, 0.2f},  // night
        // 1 January: sunrise 544, F = 0.7
        {1, 1, 700, 0.7f, 0.7f, 0.7f},
        {1, 1, 544, 0.7f, 0.65f, 0.55f}, // dawn, d = 20, capped by the season
        {1, 1, 564, 0.7f, 0.7f, 0.7f},   // end of dawn: all at the season factor
        {1, 1, 0, 0.1f, 0.1f, 0.2f},
        // 1 March: F = 0.85
        {3, 1, 720, 0.85f, 0.85f, 0.85f},
    };
    for (const Case& c : cases) {
        CCalendario cal = Standard(2023, c.month, c.day, c.minute / 60, c.minute % 60);
        float colour[4];
        cal.GetAmbientColour(colour);
        EXPECT_NEAR(colour[0], c.red, 1e-5) << c.month << "/" << c.day << " " << c.minute;
        EXPECT_NEAR(colour[1], c.green, 1e-5) << c.month << "/" << c.day << " " << c.minute;
        EXPECT_NEAR(colour[2], c.blue, 1e-5) << c.month << "/" << c.day << " " << c.minute;
        EXPECT_EQ(colour[3], 1.0f);
    }
}

TEST(CalendarioLight, BadWeatherGreysAndCapsTheLight)
{
    CCalendario cal = Standard(2023, 4, 8, 6, 40); // dawn, d = 20: (0.9, 0.65, 0.55)
    float colour[4];
    {
        Weather rain(2, 0.6f);
        cal.GetAmbientColour(colour);
        EXPECT_NEAR(colour[0], 0.55f, 1e-5);
        EXPECT_NEAR(colour[1], 0.55f, 1e-5);
        EXPECT_NEAR(colour[2], 0.55f, 1e-5);
    }
    cal.SetHour(12);
    cal.Normalise();
    {
        Weather fog(4, 0.5f);
        cal.GetAmbientColour(colour);
        EXPECT_NEAR(colour[0], 0.5f, 1e-5);
        EXPECT_NEAR(colour[2], 0.5f, 1e-5);
    }
    {
        Weather clear(0);
        cal.GetAmbientColour(colour);
        EXPECT_NEAR(colour[0], 1.0f, 1e-5);
    }
}

TEST(CalendarioNames, MonthsAndPhasesInBothLanguages)
{
    {
        Language italian(true);
        EXPECT_STREQ(CCalendario::GetMonthName(0), "Gennaio");
        EXPECT_STREQ(CCalendario::GetMonthName(11), "Dicembre");
        EXPECT_STREQ(CCalendario::GetShortMonthName(8), "Set");
        EXPECT_STREQ(CCalendario::GetPhaseName(kPhaseAfternoon), "Pomeriggio");
        EXPECT_STREQ(CCalendario::GetPhaseName(kPhaseSunset), "Tramonto");
    }
    {
        Language english(false);
        EXPECT_STREQ(CCalendario::GetMonthName(4), "May");
        EXPECT_STREQ(CCalendario::GetShortMonthName(4), "May");
        EXPECT_STREQ(CCalendario::GetShortMonthName(8), "Sep");
        EXPECT_STREQ(CCalendario::GetPhaseName(kPhaseDawn), "Dawn");
        EXPECT_STREQ(CCalendario::GetPhaseName(kPhaseNight), "Night");
    }
    EXPECT_STREQ(CCalendario::GetMonthName(12), "");
    EXPECT_STREQ(CCalendario::GetMonthName(-1), "");
    EXPECT_STREQ(CCalendario::GetShortMonthName(12), "");
    EXPECT_STREQ(CCalendario::GetPhaseName(5), "");
}
