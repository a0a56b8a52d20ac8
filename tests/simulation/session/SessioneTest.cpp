#include "simulation/session/Sessione.h"

#include "shell/GestFile.h"
#include "shell/Opzioni.h"
#include "tests/support/LanguageGuard.h"
#include "tests/support/SharedState.h"
#include "tests/support/TempFolders.h"
#include "tests/world/UtcClock.h"
#include "world/Calendario.h"
#include "world/Luogo.h"

#include <gtest/gtest.h>

#include <ctime>
#include <cstring>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

namespace {

// A log file built from the layout alone, one field at a time.
struct LogBytes {
    std::string b = std::string(237, '\0');

    LogBytes& Text(int offset, const std::string& text)
    {
        b.replace(static_cast<std::size_t>(offset), text.size(), text);
        return *this;
    }
    template <typename T> LogBytes& At(int offset, T v)
    {
        std::memcpy(&b[static_cast<std::size_t>(offset)], &v, 4);
        return *this;
    }
    template <typename T> LogBytes& Append(T v)
    {
        char bytes[4];
        std::memcpy(bytes, &v, 4);
        b.append(bytes, 4);
        return *this;
    }
    LogBytes& Entry(int species, float weight, int length) { return Append(species).Append(weight).Append(length); }
};

LogBytes Header(const std::string& player, const std::string& venue, float total, float biggest, int longest, int count)
{
    LogBytes f;
    f.Text(0, player).Text(41, venue).Text(170, "06/12/2026").Text(187, "14:30").Text(204, "16:05");
    f.At(221, total).At(225, biggest).At(229, longest).At(233, count);
    return f;
}

int g_place = 0;
int PlayerPlace() { return g_place; }
const GaraLink kTestGara = {PlayerPlace};

class SessioneTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(g_GestFile.Init());
        g_GestFile.CreateFolders();
        g_Opzioni.units = 0;
        At(2026, 12, 6, 14, 30);
        // The log takes the venue in use: none, as before any is chosen.
        g_Luogo.Record() = CLuogo().Record();
    }
    void TearDown() override
    {
        g_Luogo.Record() = m_venue;
        CSessione::SetGaraLink(m_gameLink);
        g_Calendario = m_clock;
    }

    static void At(int year, int month, int day, int hour, int minute)
    {
        world_test::SetGameClockUtc(year, month, day, hour, minute);
    }

    std::string CatchPath(const std::string& name) const { return tmp.Data() + "/Catture/" + name; }
    std::string Stored(const std::string& name) const { return tmp.Read("appdata/Karvelin/Catture/" + name); }
    void Store(const std::string& name, const std::string& bytes) const { tmp.Write("appdata/Karvelin/Catture/" + name, bytes); }

    // A session of 6 December 2026 from 14:30 to 16:05 at a named venue.
    static void Play(CSessione& log, const char* player, const std::vector<CatchEntry>& catches)
    {
        g_Opzioni.SetPlayerName(player);
        At(2026, 12, 6, 14, 30);
        log.Start();
        std::strcpy(log.m_venue, "Lago di Garda");
        for (const CatchEntry& c : catches)
            log.AddCatch(c.speciesId, c.weight, c.length);
        At(2026, 12, 6, 16, 5);
        log.Finish();
    }

    testing_support::TempFolders tmp;
    testing_support::SharedState state;
    CCalendario m_clock = g_Calendario;
    LuogoRecord m_venue = g_Luogo.Record();
    const GaraLink* m_gameLink = CSessione::GetGaraLink(); // the game's tournament, put back
};

TEST_F(SessioneTest, SavedLogsMatchTheLayoutByteForByte)
{
    struct Row {
        const char* name;
        const char* player;
        std::vector<CatchEntry> catches;
        int place;
        std::string expected;
    };
    const std::vector<Row> rows = {
        {"no catch, empty player name", "", {}, 0,
         Header("Player Name", "Lago di Garda", 0, 0, 0, 0).Append(0).b},
        {"three catches in a tournament", "Marta", {{12, 500, 30}, {3, 1200, 45}, {12, 800, 45}}, 2,
         Header("Marta", "Lago di Garda", 2500, 1200, 45, 3).Entry(12, 500, 30).Entry(3, 1200, 45).Entry(12, 800, 45).Append(2).b},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        g_place = r.place;
        CSessione::SetGaraLink(r.place ? &kTestGara : nullptr);
        CSessione log;
        Play(log, r.player, r.catches);
        EXPECT_EQ(95, log.m_minutes);
        ASSERT_TRUE(log.Save("golden"));
        const std::string bytes = Stored("golden.kvc");
        EXPECT_EQ(241 + 12 * r.catches.size(), bytes.size());
        EXPECT_EQ(r.expected, bytes);

        // Read back and written again: the same bytes, the place kept.
        CSessione back;
        ASSERT_TRUE(back.Load("golden.kvc"));
        EXPECT_EQ(r.place, back.m_place);
        EXPECT_STREQ(r.player[0] ? r.player : "Player Name", back.m_player);
        ASSERT_TRUE(back.Save("again"));
        EXPECT_EQ(bytes, Stored("again.kvc"));
    }
}

TEST_F(SessioneTest, TotalsFollowTheCatches)
{
    CSessione log;
    EXPECT_EQ(0.0f, log.m_totalWeight);
    log.AddCatch(12, 500, 30);
    log.AddCatch(3, 1200, 45);
    log.AddCatch(12, 800, 45);
    EXPECT_EQ(3, log.GetCount());
    EXPECT_FLOAT_EQ(2500.0f, log.m_totalWeight);
    EXPECT_FLOAT_EQ(1200.0f, log.m_biggestWeight);
    EXPECT_EQ(45, log.m_longestLength);
    EXPECT_EQ(3, log.GetCatch(1).speciesId); // landing order
    log.Clear();
    EXPECT_EQ(0, log.GetCount());
    EXPECT_EQ(0.0f, log.m_totalWeight);
    EXPECT_EQ(0, log.m_longestLength);

    // Stored totals that disagree with the entries give way to the entries;
    // with no entry the stored ones stay.
    Store("odd.kvc", Header("P", "V", 9999, 9999, 99, 2).Entry(1, 100, 10).Entry(2, 300, 20).Append(0).b);
    Store("none.kvc", Header("P", "V", 77, 66, 5, 0).Append(0).b);
    ASSERT_TRUE(log.Load("odd.kvc"));
    EXPECT_FLOAT_EQ(400.0f, log.m_totalWeight);
    EXPECT_FLOAT_EQ(300.0f, log.m_biggestWeight);
    EXPECT_EQ(20, log.m_longestLength);
    ASSERT_TRUE(log.Load("none.kvc"));
    EXPECT_FLOAT_EQ(77.0f, log.m_totalWeight);
    EXPECT_EQ(5, log.m_longestLength);
}

TEST_F(SessioneTest, SessionLengthCrossesMidnight)
{
    struct Row {
        int startH, startM, endH, endM, minutes;
        const char* endText;
    } const rows[] = {
        {23, 50, 0, 10, 20, "0:10"},
        {10, 0, 10, 0, 0, "10:00"},
        {6, 5, 13, 45, 460, "13:45"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.endText);
        CSessione log;
        At(2026, 3, 14, r.startH, r.startM);
        log.Start();
        EXPECT_EQ(r.startH * 60 + r.startM, log.m_minutes);
        EXPECT_STREQ("14/03/2026", log.m_date);
        At(2026, 3, r.endH < r.startH ? 15 : 14, r.endH, r.endM);
        log.Finish();
        EXPECT_EQ(r.minutes, log.m_minutes);
        EXPECT_STREQ(r.endText, log.m_endTime);
    }
}

TEST_F(SessioneTest, StartTakesThePlayerAndClearsEverythingElse)
{
    CSessione log;
    log.AddCatch(1, 10, 10);
    std::memset(log.m_venue, 'x', CSessione::kVenueMax);
    g_Opzioni.SetPlayerName("Anna");
    At(2026, 7, 1, 5, 7);
    log.Start();
    EXPECT_EQ(0, log.GetCount());
    EXPECT_STREQ("Anna", log.m_player);
    EXPECT_STREQ("01/07/2026", log.m_date);
    EXPECT_STREQ("5:07", log.m_startTime);
    // No byte of the old text is left behind its terminator.
    for (char c : log.m_venue)
        EXPECT_EQ('\0', c);
}

TEST_F(SessioneTest, NewFileNamesTakeTheFirstFreeCounter)
{
    CSessione log;
    Play(log, "P", {});
    At(2026, 12, 6, 14, 30);
    EXPECT_STREQ("CT20261206143000", CSessione::MakeFileName(0));
    ASSERT_TRUE(log.SaveNew());
    ASSERT_TRUE(log.SaveNew());
    EXPECT_TRUE(std::filesystem::exists(CatchPath("CT20261206143000.kvc")));
    EXPECT_TRUE(std::filesystem::exists(CatchPath("CT20261206143001.kvc")));

    // With 00 to 99 all taken nothing is overwritten.
    for (int i = 2; i < 100; ++i)
        Store(std::string(CSessione::MakeFileName(i)) + ".kvc", "keep");
    EXPECT_FALSE(log.SaveNew());
    EXPECT_EQ("keep", Stored("CT20261206143099.kvc"));
}

TEST_F(SessioneTest, WeightAndLengthTextsFollowUnitsAndLanguage)
{
    CSessione log;
    log.AddCatch(0, 453.59f, 61);
    struct Row {
        bool italian;
        int units;
        const char* weight;
        const char* length;
    } const rows[] = {
        {false, 1, "Weight: 1.0000 lb", "Length: 2.001 ft"},
        {true, 0, "Peso: 453.59 gr", "Lunghezza: 61 cm"},
    };
    for (const Row& r : rows) {
        testing_support::Language lang(r.italian);
        g_Opzioni.units = r.units;
        EXPECT_STREQ(r.weight, log.GetWeightText(0));
        EXPECT_STREQ(r.length, log.GetLengthText(0));
        EXPECT_STREQ("", log.GetWeightText(1));
        EXPECT_STREQ("", log.GetLengthText(-1));
    }
}

TEST_F(SessioneTest, HostileLogsLoadWhatIsWholeAndNothingElse)
{
    std::string unterminated = Header("", "", 0, 0, 0, 1).Entry(4, 250, 22).Append(5).b;
    for (int i = 0; i < 221; ++i)
        unterminated[static_cast<std::size_t>(i)] = 'A';
    const std::string full = Header("Ugo", "Po", 0, 0, 0, 2).Entry(1, 100, 10).Entry(2, 200, 20).Append(3).b;

    struct Row {
        const char* name;
        std::string bytes;
        int count;
        int place;
        std::size_t playerLength, venueLength;
        float total;
    };
    const std::vector<Row> rows = {
        {"empty file", "", 0, 0, 0, 0, 0},
        {"cut inside the venue", full.substr(0, 100), 0, 0, 3, 0, 0},
        {"cut inside the totals", full.substr(0, 223), 0, 0, 3, 2, 0},
        {"cut inside the second entry", full.substr(0, 237 + 12 + 5), 1, 0, 3, 2, 100},
        {"no place", full.substr(0, 237 + 24), 2, 0, 3, 2, 300},
        {"huge count", Header("Ugo", "Po", 0, 0, 0, 0x7FFFFFFF).Entry(1, 100, 10).Entry(2, 200, 20).Append(3).b, 2, 0, 3, 2, 300},
        {"negative count", Header("Ugo", "Po", 42, 42, 4, -1).Append(6).b, 0, 6, 3, 2, 42},
        {"species out of range", Header("Ugo", "Po", 0, 0, 0, 1).Entry(500, 900, 50).Append(0).b, 1, 0, 3, 2, 900},
        {"no terminators", unterminated, 1, 5, 40, 128, 250},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        Store("hostile.kvc", r.bytes);
        CSessione log;
        log.AddCatch(9, 9, 9);
        log.m_place = 9;
        ASSERT_TRUE(log.Load("hostile.kvc"));
        EXPECT_EQ(r.count, log.GetCount());
        EXPECT_EQ(static_cast<std::size_t>(r.count), log.m_catches.size());
        EXPECT_EQ(r.place, log.m_place);
        EXPECT_EQ(r.playerLength, std::strlen(log.m_player));
        EXPECT_EQ(r.venueLength, std::strlen(log.m_venue));
        EXPECT_LE(std::strlen(log.m_date), 16u);
        EXPECT_LE(std::strlen(log.m_endTime), 16u);
        EXPECT_FLOAT_EQ(r.total, log.m_totalWeight);

        char player[41], venue[129], date[17];
        std::memset(player, 'z', sizeof player);
        std::memset(venue, 'z', sizeof venue);
        std::memset(date, 'z', sizeof date);
        ASSERT_TRUE(CSessione::ReadHeader("hostile.kvc", player, venue, date));
        EXPECT_STREQ(log.m_player, player);
        EXPECT_STREQ(log.m_venue, venue);
        EXPECT_STREQ(log.m_date, date);
    }
    Store("species.kvc", Header("Ugo", "Po", 0, 0, 0, 1).Entry(500, 900, 50).Append(0).b);
    CSessione log;
    ASSERT_TRUE(log.Load("species.kvc"));
    EXPECT_EQ(500, log.GetCatch(0).speciesId); // kept as stored; look-ups answer it safely
}

TEST_F(SessioneTest, MissingFilesAndFoldersFailWithoutWriting)
{
    CSessione log;
    log.AddCatch(1, 100, 10);
    EXPECT_FALSE(log.Load("missing.kvc"));
    EXPECT_EQ(0, log.GetCount()); // cleared first
    EXPECT_TRUE(log.Load(nullptr));
    EXPECT_TRUE(log.Save(""));

    char player[41] = "old", venue[129] = "old", date[17] = "old";
    EXPECT_FALSE(CSessione::ReadHeader("missing.kvc", player, venue, date));
    EXPECT_STREQ("", player);
    EXPECT_STREQ("", venue);
    EXPECT_STREQ("", date);

    Store("gone.kvc", "x");
    EXPECT_TRUE(CSessione::Delete("gone.kvc"));
    EXPECT_FALSE(std::filesystem::exists(CatchPath("gone.kvc")));
    EXPECT_FALSE(CSessione::Delete("gone.kvc"));
    EXPECT_TRUE(CSessione::Delete(nullptr));

    // A catch folder that is a plain file cannot take a log: failure, not success.
    std::filesystem::remove_all(tmp.Data() + "/Catture");
    tmp.Write("appdata/Karvelin/Catture", "not a folder");
    EXPECT_FALSE(log.Save("blocked"));
    EXPECT_FALSE(log.SaveNew());
    EXPECT_EQ("not a folder", tmp.Read("appdata/Karvelin/Catture"));
}

} // namespace

namespace {

// Numbers no catch can have are kept where every later sum and text stays
// defined; a long log loads with the totals a recount gives.
TEST_F(SessioneTest, StoredNumbersAreKeptInRangeAndLongLogsLoadWhole)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    Store("edge.kvc", Header("Ugo", "Po", nan, 1e30f, 0x7FFFFFFF, 3)
                          .Entry(1, 1e30f, 0x7FFFFFFF)
                          .Entry(2, nan, -5)
                          .Entry(3, -7.0f, 40)
                          .Append(0x7FFFFFFF)
                          .b);
    CSessione log;
    ASSERT_TRUE(log.Load("edge.kvc"));
    ASSERT_EQ(3, log.GetCount());
    for (int i = 0; i < 3; ++i) {
        const CatchEntry& c = log.GetCatch(i);
        EXPECT_TRUE(c.weight >= 0.0f && c.weight <= 1.0e7f) << i;
        EXPECT_TRUE(c.length >= 0 && c.length <= 10000) << i;
        EXPECT_NE(std::string(log.GetLengthText(i)), "");
    }
    EXPECT_EQ(10000, log.m_longestLength);
    EXPECT_LE(log.m_place, 999);

    // A header of stored totals alone, out of range too.
    Store("totals.kvc", Header("Ugo", "Po", nan, -3.0f, -8, 0).Append(0).b);
    ASSERT_TRUE(log.Load("totals.kvc"));
    EXPECT_EQ(0.0f, log.m_totalWeight);
    EXPECT_EQ(0.0f, log.m_biggestWeight);
    EXPECT_EQ(0, log.m_longestLength);

    // As many catches as a session can land: the totals grown catch by
    // catch equal a recount, and a catch past them is not kept.
    constexpr int kMost = CSessione::kMaxCatches;
    LogBytes big = Header("Ugo", "Po", 0, 0, 0, kMost);
    for (int i = 0; i < kMost; ++i)
        big.Entry(i % 130, float(i % 977) + 0.25f, i % 311);
    Store("big.kvc", big.Append(0).b);
    ASSERT_TRUE(log.Load("big.kvc"));
    ASSERT_EQ(kMost, log.GetCount());
    const float total = log.m_totalWeight, biggest = log.m_biggestWeight;
    const int longest = log.m_longestLength;
    log.UpdateTotals();
    EXPECT_EQ(total, log.m_totalWeight);
    EXPECT_EQ(biggest, log.m_biggestWeight);
    EXPECT_EQ(longest, log.m_longestLength);
    log.AddCatch(5, 5000.0f, 400);
    EXPECT_EQ(kMost, log.GetCount());
    EXPECT_EQ(biggest, log.m_biggestWeight);

    // One catch more than that is refused before it is read; its header
    // still names it.
    Store("huge.kvc", big.Entry(1, 1.0f, 1).b);
    EXPECT_FALSE(log.Load("huge.kvc"));
    EXPECT_EQ(0, log.GetCount());
    char player[41], venue[129], date[17];
    ASSERT_TRUE(CSessione::ReadHeader("huge.kvc", player, venue, date));
    EXPECT_STREQ("Ugo", player);
}

} // namespace
