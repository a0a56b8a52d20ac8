#include "simulation/session/Gara.h"

#include "platform/Random.h"
#include "shell/Globals.h"
#include "shell/Opzioni.h"
#include "shell/ScreenSwitch.h"
#include "shell/Utility.h"
#include "simulation/tackle/CannaPesca.h"
#include "simulation/scene/Pesce.h"
#include "simulation/session/Sessione.h"
#include "world/Calendario.h"
#include "world/Luogo.h"
#include "world/Pesci.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

KARVELIN_GLOBAL(5) CGara g_Gara;

namespace {

// The rivals: the same in both languages, each at most 11 characters.
const char* const kNames[CGara::kNameCount] = {
    "Marco R.",   "Luca B.",    "Giulia F.",  "Paolo M.",   "Sara T.",
    "Andrea C.",  "Franco D.",  "Elena G.",   "Bruno L.",   "Chiara P.",
    "Dario V.",   "Silvia N.",  "Enzo A.",    "Marta S.",   "Gino Z.",
    "Laura E.",   "Piero O.",   "Anna R.",    "Sergio B.",  "Rita M.",
    "Tommaso F.", "Ugo C.",     "Valeria D.", "Walter G.",  "Nadia L.",
    "Ottavio P.", "Carla V.",   "Renato N.",  "Ilaria A.",  "Mauro S.",
    "Lucia T.",   "Fabio Z.",   "Irene E.",   "Giorgio O.", "Teresa R.",
    "Aldo B.",    "Monica M.",  "Stefano F.", "Paola C.",   "Nino D.",
};

constexpr int kSpecies = 130;
constexpr int kSeaVenue = 2;

int PlayerPlace()
{
    return g_Gara.IsRunning() ? g_Gara.GetPlace(g_Gara.m_currentEvent) : 0;
}

const GaraLink kCatchLogLink = {PlayerPlace};

bool ValidEvent(int event) { return event >= 0 && event < CGara::kEvents; }

} // namespace

CGara::CGara()
{
    ResetCompetitors();
    ClearEvents();
    m_currentEvent = 0;
    m_running = 0;
    m_remainingSeconds = 0;
    // Only the game's own tournament hands its place to the catch log; one
    // made by a test stays to itself.
    if (this == &g_Gara)
        CSessione::SetGaraLink(&kCatchLogLink);
}

CGara::~CGara()
{
    if (this == &g_Gara)
        CSessione::SetGaraLink(nullptr);
}

void CGara::ResetCompetitors()
{
    for (int c = 0; c < kMaxCompetitors; ++c) {
        std::memset(m_competitors[c].name, 0, sizeof m_competitors[c].name);
        m_competitors[c].skill = 20;
        m_competitors[c].hookSize = 18;
        ClearCompetitorResults(c);
    }
    ClearPlayerResults();
    ClearAccumulators();
    m_competitorCount = 5 + plat::Random() % 25;
}

void CGara::ClearEvents()
{
    for (int e = 0; e < kEvents; ++e)
        ClearEvent(e);
}

void CGara::ClearEvent(int event)
{
    if (!ValidEvent(event))
        return;
    std::memset(&m_events[event], 0, sizeof m_events[event]);
}

void CGara::ClearAccumulators() { m_accumulator = {}; }

void CGara::ClearPlayerResults()
{
    for (GaraRisultato& r : m_playerResults)
        r = {};
}

void CGara::ClearCompetitorResults(int competitor)
{
    if (competitor < 0 || competitor >= kMaxCompetitors)
        return;
    for (GaraRisultato& r : m_results[competitor])
        r = {};
}

int CGara::PlayedMinutes()
{
    return std::clamp(g_Opzioni.tournamentTime, kMinMinutes, kMaxMinutes);
}

int CGara::SettingCompetitors()
{
    return std::clamp(g_Opzioni.tournamentFishermen, 0, kMaxCompetitors);
}

int CGara::InPlay() const { return std::clamp(m_competitorCount, 0, kMaxCompetitors); }

const char* CGara::NameAt(int index) { return index >= 0 && index < kNameCount ? kNames[index] : ""; }

void CGara::Start()
{
    // As constructed; the rival count drawn here is replaced just below.
    ResetCompetitors();
    ClearEvents();
    m_currentEvent = 0;
    m_running = 0;
    m_remainingSeconds = 0;

    const int wanted = SettingCompetitors();
    m_competitorCount = wanted != 0 ? wanted : 5 + plat::Random() % 25;

    SetupEvent(0);
    AssignNames();
    AssignSkills();
    AssignHooks();

    m_running = 1;
    m_remainingSeconds = PlayedMinutes() * 60;
    // The session opens on the venue and clock the event has set.
    SwitchToScreen(kScreenSession);
}

void CGara::SetupEvent(int event)
{
    if (!ValidEvent(event))
        return;
    GaraEvento& ev = m_events[event];

    g_Luogo.PickRandomVenue();
    const char* key = g_Luogo.VenueList().GetSelectedKey();
    std::memset(ev.venueId, 0, sizeof ev.venueId);
    std::memset(ev.venueName, 0, sizeof ev.venueName);
    CopyString(ev.venueId, key ? key : "", 128);
    CopyString(ev.venueName, g_Luogo.Record().name, 128);

    ev.day = 1 + plat::Random() % 30;
    ev.month = 3 + plat::Random() % 8;
    ev.year = g_Calendario.GetYear();
    ev.startHour = plat::Random() % 100 <= 50 ? 14 : 8;

    // The month goes first: a day set while the clock still sits in a short
    // month would be cut to that month's length, and the session would run
    // on another date than the event shows. Months 3..10 all have 30 days
    // or more, so every drawn day is kept.
    g_Calendario.SetMonth(ev.month - 1);
    g_Calendario.Normalise();
    g_Calendario.SetDayOfMonth(ev.day);
    g_Calendario.Normalise();
    g_Calendario.SetHour(ev.startHour);
    g_Calendario.Normalise();
    g_Calendario.SetMinute(0);
    g_Calendario.Normalise();

    ev.minutes = PlayedMinutes();
}

void CGara::AssignNames()
{
    int table[kNameCount];
    for (int i = 0; i < kNameCount; ++i)
        table[i] = i;
    for (int n = 0; n < 50; ++n) {
        const int a = plat::Random() % kNameCount;
        const int b = plat::Random() % kNameCount;
        std::swap(table[a], table[b]);
    }
    const int count = InPlay();
    for (int i = 0; i < count; ++i) {
        std::memset(m_competitors[i].name, 0, sizeof m_competitors[i].name);
        CopyString(m_competitors[i].name, kNames[table[i]], 40);
    }
}

void CGara::AssignSkills()
{
    // Rows: weak, average, strong rival; columns: level 0, 1, any other.
    static const int kSkills[3][3] = {{20, 28, 35}, {35, 43, 50}, {50, 58, 65}};
    const int column = g_Opzioni.level == 0 ? 0 : g_Opzioni.level == 1 ? 1 : 2;
    const int count = InPlay();
    for (int i = 0; i < count; ++i) {
        const int r = plat::Random() % 100;
        const int row = r <= 25 ? 0 : r <= 75 ? 1 : 2;
        m_competitors[i].skill = kSkills[row][column];
    }
}

void CGara::AssignHooks()
{
    const bool sea = g_Luogo.Record().TIPO == kSeaVenue;
    const int count = InPlay();
    for (int i = 0; i < count; ++i) {
        GaraConcorrente& c = m_competitors[i];
        // Each test that passes draws anew: a better rival ends on bigger hooks.
        if (c.skill >= 20)
            c.hookSize = 18 + plat::Random() % 6;
        if (c.skill >= 35)
            c.hookSize = 10 + plat::Random() % 14;
        if (c.skill >= 50)
            c.hookSize = plat::Random() % 17 - 7;
        // The sizes "1/0" and up are sea hooks.
        if (!sea && c.hookSize < 1)
            c.hookSize = 1;
    }
}

void CGara::SetPlayerResult(int score, int count, float totalWeight, float biggestWeight, int longestLength)
{
    SetResult(m_currentEvent, score, count, totalWeight, biggestWeight, longestLength);
}

void CGara::SetResult(int event, int score, int count, float totalWeight, float biggestWeight, int longestLength)
{
    if (!ValidEvent(event))
        return;
    m_playerResults[event] = {score, count, totalWeight, biggestWeight, longestLength};
}

void CGara::SimulateCompetitors()
{
    const int e = m_currentEvent;
    if (!ValidEvent(e))
        return;
    const int minutesToPlay = PlayedMinutes();
    const int count = InPlay();
    for (int c = 0; c < count; ++c) {
        ClearAccumulators();
        int minutes = 0;
        while (minutes < minutesToPlay)
            minutes += SimulateCatch(c);
        const Accumulator& a = m_accumulator;
        m_results[c][e] = {MakeScore(a.count, static_cast<int>(a.weight)), a.count, a.weight, a.biggest, a.longest};
    }
}

int CGara::SimulateCatch(int competitor)
{
    if (competitor < 0 || competitor >= kMaxCompetitors)
        return 1;
    const GaraConcorrente& rival = m_competitors[competitor];

    const int r = plat::Random() % 1000;

    // A smaller hook (larger number) holds only smaller fish.
    const int h = rival.hookSize;
    int cap = 0;
    if (h >= 3)
        cap = 40 + plat::Random() % 40;
    if (h >= 10)
        cap = 20 + plat::Random() % 20;
    if (h >= 18)
        cap = 10 + plat::Random() % 10;
    if (h >= 22)
        cap = 5 + plat::Random() % 5;

    if (plat::Random() % 100 > g_Opzioni.GetLevelValueC())
        return 1;

    const LuogoRecord& venue = g_Luogo.Record();
    int w[kSpecies];
    int total = 0;
    for (int s = 0; s < kSpecies; ++s) {
        w[s] = std::clamp(venue.presence[s], 0, 100);
        total += w[s];
    }
    if (total <= 0)
        return 1;

    // The bounds carry the sum in themselves (each bound is truncated after
    // adding the previous one), so the shares differ slightly from the
    // session's spawn, which truncates each share before summing.
    const float scale = 1000.0f / static_cast<float>(total);
    int species = -1;
    int bound = 0;
    for (int s = 0; s < kSpecies; ++s) {
        bound = static_cast<int>(static_cast<float>(w[s]) * scale + static_cast<float>(bound));
        if (r < bound && w[s] != 0) {
            species = s;
            break;
        }
    }
    if (species < 0)
        return 1;

    // The fish on the line serves as the generator of length and weight.
    g_Pesce.Hook(g_Pesci.GetRecord(static_cast<unsigned>(species)), 0, 0, 0, cap, false);
    const float weight = g_Pesce.m_weight;
    const int length = g_Pesce.m_length;

    const bool skilled = plat::Random() % 100 < rival.skill;
    if (skilled && CCannaPesca::HookFits(length, h)) {
        m_accumulator.count += 1;
        m_accumulator.weight += weight;
        m_accumulator.biggest = std::max(m_accumulator.biggest, weight);
        m_accumulator.longest = std::max(m_accumulator.longest, length);
    }
    return MinutesForWeight(weight);
}

int CGara::MinutesForWeight(float grams)
{
    int minutes = 1;
    if (grams > 200.0f)
        minutes = 2;
    if (grams > 1000.0f)
        minutes = 3;
    if (grams > 2000.0f)
        minutes = 4;
    if (grams > 3000.0f)
        minutes = 5;
    if (grams > 5000.0f)
        minutes = 6;
    if (g_Opzioni.level == 0 || g_Opzioni.retrieveSpeed == 0)
        minutes -= 2;
    else if (g_Opzioni.level == 1 || g_Opzioni.retrieveSpeed == 1)
        minutes -= 1;
    return std::max(1, minutes);
}

int CGara::GetPlace(int event) const
{
    if (!ValidEvent(event) || m_playerResults[event].count == 0)
        return 0;
    const int score = m_playerResults[event].score;
    int place = 1;
    const int count = InPlay();
    for (int c = 0; c < count; ++c)
        if (m_results[c][event].score > score)
            ++place;
    return place;
}

void CGara::FormatDate(char* buffer) const
{
    const GaraEvento& ev = m_events[ValidEvent(m_currentEvent) ? m_currentEvent : 0];
    // Fields changed by hand could be wider than a date: at most 15 characters.
    char text[48];
    std::snprintf(text, sizeof text, "%02d/%02d/%02d", ev.day, ev.month, ev.year);
    CopyString(buffer, text, 15);
}

void CGara::FormatHour(char* buffer) const
{
    const GaraEvento& ev = m_events[ValidEvent(m_currentEvent) ? m_currentEvent : 0];
    char text[32];
    std::snprintf(text, sizeof text, "%02d:00", ev.startHour);
    CopyString(buffer, text, 15);
}

void CGara::FormatRemaining(char* buffer) const
{
    const int remaining = m_remainingSeconds;
    const int h = remaining / 3600;
    const int m = (remaining - h * 3600) / 60;
    const int s = remaining - (h * 60 + m) * 60;
    char text[48];
    if (h >= 0 && m >= 0 && s >= 0)
        std::snprintf(text, sizeof text, "%02d:%02d:%02d", h, m, s);
    else
        std::snprintf(text, sizeof text, "00:00:00");
    CopyString(buffer, text, 15);
}
