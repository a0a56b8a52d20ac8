#include "simulation/session/Statistiche.h"

#include "shell/GestFile.h"
#include "shell/Opzioni.h"
#include "tests/support/LanguageGuard.h"
#include "tests/support/SharedState.h"
#include "tests/support/TempFolders.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

namespace {

template <typename T> T ReadAt(const std::string& bytes, std::size_t offset)
{
    T v;
    std::memcpy(&v, bytes.data() + offset, 4);
    return v;
}

template <typename T> void WriteAt(std::string& bytes, std::size_t offset, T v)
{
    std::memcpy(&bytes[offset], &v, 4);
}

std::vector<float> Weights(const CStatistiche& s)
{
    std::vector<float> w;
    for (const StatCatch& c : s.m_best)
        w.push_back(c.id == -1 ? -1.0f : c.weight);
    return w;
}

class StatisticheTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(g_GestFile.Init()); }
    std::string File() const { return tmp.Read("appdata/Karvelin/karvelin.sta"); }
    void Put(const std::string& bytes) const { tmp.Write("appdata/Karvelin/karvelin.sta", bytes); }
    std::string Path() const { return tmp.Data() + "/karvelin.sta"; }

    // A record with every field in use.
    static CStatistiche Filled()
    {
        CStatistiche s;
        std::strcpy(s.m_name, "Lucia");
        s.m_sessions = 12;
        s.m_tournaments = 4;
        s.m_firsts = 1;
        s.m_seconds = 2;
        s.m_thirds = 0;
        s.m_tournamentsWithoutCatch = 1;
        s.m_minutes = 1234.5f;
        s.m_weight = 45678.25f;
        s.m_fishCount = 37;
        s.AddCatch(12, "Carpa", 4200.5f);
        s.AddCatch(3, "Luccio", 3100);
        s.AddCatch(7, "Tinca", 900);
        return s;
    }

    testing_support::TempFolders tmp;
    testing_support::SharedState state;
};

TEST_F(StatisticheTest, BestCatchesKeepTheFiveHeaviestInAscendingOrder)
{
    struct Row {
        const char* name;
        std::vector<float> offered;
        std::vector<float> slots; // -1 = empty
    };
    const std::vector<Row> rows = {
        {"six catches", {100, 200, 300, 400, 500, 50}, {100, 200, 300, 400, 500}},
        {"150 replaces 100", {100, 200, 300, 400, 500, 50, 150}, {150, 200, 300, 400, 500}},
        {"a second 150 changes nothing", {100, 200, 300, 400, 500, 150, 150}, {150, 200, 300, 400, 500}},
        {"lighter than three used slots", {300, 100, 200, 50}, {50, 100, 200, 300, -1}},
        {"none", {}, {-1, -1, -1, -1, -1}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        CStatistiche s;
        int id = 0;
        for (float w : r.offered)
            s.AddCatch(id++, "Fish", w);
        EXPECT_EQ(r.slots, Weights(s));
    }

    // Ties keep their earlier order through the sort.
    CStatistiche s;
    s.AddCatch(0, "Fish", 200);
    s.AddCatch(1, "Fish", 150);
    s.AddCatch(2, "Fish", 150);
    EXPECT_EQ(1, s.m_best[0].id);
    EXPECT_EQ(2, s.m_best[1].id);
    EXPECT_EQ(0, s.m_best[2].id);
}

TEST_F(StatisticheTest, ChecksumAddsTruncatedValues)
{
    CStatistiche s;
    EXPECT_EQ(0u, s.Checksum());
    s.m_sessions = 3;
    s.m_minutes = 10.9f;
    s.m_weight = -2.5f;
    s.SetCatch(1, "A", 99.99f, 4);
    EXPECT_EQ(3u + 10u - 2u + 99u, s.Checksum());
    s.m_tournaments = -1; // wraps
    EXPECT_EQ(3u + 10u - 2u + 99u - 1u, s.Checksum());
}

TEST_F(StatisticheTest, FileRoundTripsByteForByte)
{
    CStatistiche s = Filled();
    ASSERT_TRUE(s.Save());
    const std::string bytes = File();
    ASSERT_EQ(301u, bytes.size());
    EXPECT_EQ(std::string("Lucia") + std::string(36, '\0'), bytes.substr(0, 41));
    EXPECT_EQ(12, ReadAt<std::int32_t>(bytes, 41));
    EXPECT_EQ(1, ReadAt<std::int32_t>(bytes, 61));
    EXPECT_FLOAT_EQ(1234.5f, ReadAt<float>(bytes, 65));
    EXPECT_FLOAT_EQ(37.0f, ReadAt<float>(bytes, 73));
    // Slot 0 is the lightest; slots 3 and 4 are empty, with zeros after the id.
    EXPECT_EQ(7, ReadAt<std::int32_t>(bytes, 77));
    EXPECT_EQ(std::string("Tinca") + std::string(28 + 3, '\0'), bytes.substr(81, 36));
    EXPECT_FLOAT_EQ(900.0f, ReadAt<float>(bytes, 117));
    EXPECT_EQ(-1, ReadAt<std::int32_t>(bytes, 77 + 44 * 4));
    EXPECT_EQ(std::string(40, '\0'), bytes.substr(77 + 44 * 4 + 4, 40));
    EXPECT_EQ(s.Checksum(), ReadAt<std::uint32_t>(bytes, 297));

    CStatistiche back;
    ASSERT_TRUE(back.Load());
    EXPECT_STREQ("Lucia", back.m_name);
    EXPECT_EQ(Weights(s), Weights(back));
    EXPECT_STREQ("Luccio", back.m_best[1].name);
    ASSERT_TRUE(back.Save());
    EXPECT_EQ(bytes, File());

    // An empty name is written and read back as "ND".
    CStatistiche nameless;
    ASSERT_TRUE(nameless.Save());
    EXPECT_EQ(std::string("ND") + std::string(39, '\0'), File().substr(0, 41));
    ASSERT_TRUE(back.Load());
    EXPECT_STREQ("ND", back.m_name);
}

TEST_F(StatisticheTest, EditedValuesAreRejectedButEditedNamesAccepted)
{
    ASSERT_TRUE(Filled().Save());
    const std::string good = File();
    struct Row {
        const char* name;
        std::size_t offset;
        bool accepted;
    } const rows[] = {
        {"name", 2, true},         {"sessions", 41, false},    {"thirds", 57, false},
        {"minutes", 66, false},    {"weight", 71, false},      {"fish count", 75, false},
        {"catch weight", 118, false}, {"catch name", 90, true}, {"checksum", 298, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        std::string edited = good;
        edited[r.offset] = static_cast<char>(edited[r.offset] ^ 0x44);
        Put(edited);
        CStatistiche s = Filled();
        EXPECT_EQ(r.accepted, s.Load());
        if (r.accepted) {
            EXPECT_EQ(12, s.m_sessions);
        } else {
            EXPECT_STREQ("", s.m_name);
            EXPECT_EQ(0, s.m_sessions);
            EXPECT_EQ(-1, s.m_best[0].id);
        }
    }
}

TEST_F(StatisticheTest, DamagedAndMissingFilesGiveAnEmptyRecord)
{
    g_Opzioni.SetPlayerName("Giulia");
    CStatistiche s = Filled();
    EXPECT_FALSE(s.Load());
    EXPECT_STREQ("Giulia", s.m_name);
    EXPECT_EQ(0, s.m_sessions);

    ASSERT_TRUE(Filled().Save());
    const std::string good = File();

    // A value the checksum cannot truncate makes the file damaged, even
    // when the stored sum matches what a wrapping conversion would give.
    auto unsummable = [&](float value) {
        std::string bytes = good;
        const std::uint32_t old = ReadAt<std::uint32_t>(bytes, 297);
        const std::uint32_t oldWeight = static_cast<std::uint32_t>(static_cast<std::int32_t>(45678.25f));
        WriteAt(bytes, 69, value);
        WriteAt(bytes, 297, old - oldWeight + 0x80000000u);
        return bytes;
    };
    std::string unterminated = good;
    std::memset(&unterminated[0], 'N', 41);
    std::memset(&unterminated[81], 'C', 33);

    struct Row {
        const char* name;
        std::string bytes;
        bool accepted;
    };
    const std::vector<Row> rows = {
        {"empty", "", false},
        {"one byte short", good.substr(0, 300), false},
        {"longer than a record", good + "tail", true},
        {"weight too large", unsummable(5e9f), false},
        {"weight infinite", unsummable(std::numeric_limits<float>::infinity()), false},
        {"weight not a number", unsummable(std::numeric_limits<float>::quiet_NaN()), false},
        {"names without terminators", unterminated, true},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        Put(r.bytes);
        CStatistiche loaded = Filled();
        EXPECT_EQ(r.accepted, loaded.Load());
        EXPECT_LE(std::strlen(loaded.m_name), 40u);
        for (const StatCatch& c : loaded.m_best)
            EXPECT_LE(strnlen(c.name, sizeof c.name), 32u);
        if (!r.accepted) {
            EXPECT_STREQ("", loaded.m_name);
        }
    }
    Put(unterminated);
    CStatistiche loaded;
    ASSERT_TRUE(loaded.Load());
    EXPECT_EQ(std::string(40, 'N'), loaded.m_name);
    EXPECT_EQ(std::string(32, 'C'), loaded.m_best[0].name);
}

TEST_F(StatisticheTest, FailedSaveKeepsTheOldFileAndLogsTheError)
{
    // A folder in the file's place cannot be replaced.
    std::filesystem::create_directories(Path() + "/inside");
    CStatistiche s = Filled();
    EXPECT_FALSE(s.Save());
    EXPECT_TRUE(std::filesystem::is_directory(Path()));
    const std::string log = tmp.Read("appdata/Karvelin/norva_error.log");
    EXPECT_EQ(0u, log.find("CStatistiche::Save 240 err> Error saving file karvelin.sta. Err: ")) << log;
    EXPECT_EQ(12, s.m_sessions); // the record in memory stays
    // Nothing half-written is left beside it.
    int files = 0;
    for (const auto& e : std::filesystem::directory_iterator(tmp.Data()))
        files += e.path().filename().string().rfind("karvelin.sta.tmp", 0) == 0;
    EXPECT_EQ(0, files);
}

TEST_F(StatisticheTest, ResetClearsTheRecordWhetherOrNotTheFileExists)
{
    g_Opzioni.SetPlayerName("Piero");
    ASSERT_TRUE(Filled().Save());
    CStatistiche s = Filled();
    EXPECT_TRUE(s.Reset());
    EXPECT_FALSE(std::filesystem::exists(Path()));
    EXPECT_STREQ("Piero", s.m_name);
    EXPECT_EQ(0, s.m_sessions);

    // No file any more: still a clear record, as the player asked.
    s = Filled();
    EXPECT_TRUE(s.Reset());
    EXPECT_EQ(-1, s.m_best[0].id);

    // A file that cannot be deleted leaves everything as it was.
    std::filesystem::create_directories(Path());
    s = Filled();
    EXPECT_FALSE(s.Reset());
    EXPECT_EQ(12, s.m_sessions);
}

TEST_F(StatisticheTest, CatchTextsFollowUnitsAndLanguage)
{
    CStatistiche s;
    s.AddCatch(12, "Carp", 1500);
    struct Row {
        bool italian;
        int units;
        const char* text;
    } const rows[] = {
        {true, 0, "Carp di 1500.00 gr"},
        {false, 0, "Carp: 1500.00 gr"},
        {false, 1, "Carp: 3.3070 lb"},
    };
    for (const Row& r : rows) {
        testing_support::Language lang(r.italian);
        g_Opzioni.units = r.units;
        EXPECT_STREQ(r.text, s.GetCatchText(0));
        EXPECT_STREQ("-", s.GetCatchText(1));
        EXPECT_STREQ("-", s.GetCatchText(7));
    }
    s.SetCatch(1, "Nowhere", 5, 9); // outside the five slots: nothing happens
    EXPECT_EQ(-1, s.m_best[1].id);
}

} // namespace

namespace {

// A statistics file with a valid checksum over whatever the record holds,
// written byte by byte so no saturation of Save gets in the way.
std::string Signed(const CStatistiche& s)
{
    std::string out(CStatistiche::kFileSize, '\0');
    std::memcpy(&out[0], "Edge", 4);
    const std::int32_t counters[] = {s.m_sessions, s.m_tournaments, s.m_firsts, s.m_seconds, s.m_thirds,
                                     s.m_tournamentsWithoutCatch};
    for (int i = 0; i < 6; ++i)
        WriteAt(out, 41 + 4 * std::size_t(i), counters[i]);
    WriteAt(out, 65, s.m_minutes);
    WriteAt(out, 69, s.m_weight);
    WriteAt(out, 73, s.m_fishCount);
    for (int i = 0; i < CStatistiche::kBest; ++i) {
        const StatCatch& c = s.m_best[i];
        WriteAt(out, 77 + 44 * std::size_t(i), c.id);
        std::memcpy(&out[77 + 44 * std::size_t(i) + 4], c.name, std::strlen(c.name));
        WriteAt(out, 77 + 44 * std::size_t(i) + 40, c.weight);
    }
    WriteAt(out, 297, s.Checksum());
    return out;
}

} // namespace

// Numbers at the edge of what the file can hold: accepted by the checksum,
// then kept where one more session stays defined and still saves to a file
// the loader accepts, so the record is never lost to its own sums.
TEST_F(StatisticheTest, RecordsAtTheirLimitsSurviveAnotherSessionAndReload)
{
    struct Case {
        const char* what;
        void (*set)(CStatistiche&);
    };
    const Case cases[] = {
        {"sessions", [](CStatistiche& s) { s.m_sessions = std::numeric_limits<std::int32_t>::max(); }},
        {"tournaments", [](CStatistiche& s) { s.m_tournaments = std::numeric_limits<std::int32_t>::max(); }},
        {"firsts", [](CStatistiche& s) { s.m_firsts = std::numeric_limits<std::int32_t>::max(); }},
        {"negative", [](CStatistiche& s) { s.m_thirds = std::numeric_limits<std::int32_t>::min(); }},
        {"weight", [](CStatistiche& s) { s.m_weight = 2147483520.0f; }},
        {"minutes", [](CStatistiche& s) { s.m_minutes = 2147483520.0f; }},
        {"fish", [](CStatistiche& s) { s.m_fishCount = 2147483520.0f; }},
        {"catch", [](CStatistiche& s) { s.SetCatch(3, "Luccio", 2147483520.0f, 0); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CStatistiche edge;
        c.set(edge);
        Put(Signed(edge));
        CStatistiche s;
        ASSERT_TRUE(s.Load());
        for (std::int32_t v : {s.m_sessions, s.m_tournaments, s.m_firsts, s.m_seconds, s.m_thirds})
            EXPECT_TRUE(v >= 0 && v <= CStatistiche::kMaxCount) << v;
        for (float v : {s.m_minutes, s.m_weight, s.m_fishCount, s.m_best[0].weight})
            EXPECT_TRUE(v >= 0 && v <= CStatistiche::kMaxTotal) << v;
        // One more session and tournament, as the session end adds them.
        s.AddSession(600.0f, 2147483520.0f, 1000);
        CStatistiche::AddToCounter(s.m_tournaments);
        CStatistiche::AddToCounter(s.m_firsts);
        s.AddCatch(5, "Carpa", 3.0e9f);
        ASSERT_TRUE(s.Save());
        CStatistiche back;
        EXPECT_TRUE(back.Load()) << "the saved record is accepted";
        EXPECT_EQ(s.m_sessions, back.m_sessions);
        EXPECT_EQ(s.m_weight, back.m_weight);
    }
}

// Swapping two best-catch slots keeps the checksum: the loader sorts them,
// so a catch heavier than the lightest is still recorded.
TEST_F(StatisticheTest, BestCatchesOutOfOrderAreSortedOnLoad)
{
    CStatistiche edited;
    edited.SetCatch(1, "A", 500, 0);
    edited.SetCatch(2, "B", 100, 1);
    edited.SetCatch(3, "C", 400, 2);
    edited.SetCatch(4, "D", 300, 3);
    edited.SetCatch(5, "E", 200, 4);
    Put(Signed(edited));
    CStatistiche s;
    ASSERT_TRUE(s.Load());
    EXPECT_EQ((std::vector<float>{100, 200, 300, 400, 500}), Weights(s));
    s.AddCatch(6, "F", 150);
    EXPECT_EQ((std::vector<float>{150, 200, 300, 400, 500}), Weights(s));

    // An empty slot between used ones goes last, as the slots are filled.
    CStatistiche gap;
    gap.SetCatch(1, "A", 300, 0);
    gap.SetCatch(2, "B", 100, 2);
    Put(Signed(gap));
    ASSERT_TRUE(s.Load());
    EXPECT_EQ((std::vector<float>{100, 300, -1, -1, -1}), Weights(s));
}
