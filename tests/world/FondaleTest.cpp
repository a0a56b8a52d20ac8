#include "world/Fondale.h"

#include "platform/Clock.h"
#include "platform/Random.h"
#include "tests/world/WorldFixture.h"
#include "world/Luogo.h"
#include "world/Marea.h"
#include "world/SceneLinks.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>

namespace {

using world_test::WorldTest;

class FondaleTest : public WorldTest {
protected:
    void SetUp() override
    {
        WorldTest::SetUp();
        plat::SetGameClock(123456);
    }
    CFondale bottom;
};

std::string Le32(std::int32_t v)
{
    std::string s(4, '\0');
    for (int b = 0; b < 4; ++b)
        s[std::size_t(b)] = char((std::uint32_t(v) >> (8 * b)) & 0xFF);
    return s;
}

TEST_F(FondaleTest, GeneratedBottomIsPositiveShallowerTowardTheAnglerAndRepeatable)
{
    plat::SeedRandom(7);
    bottom.Clear();
    const int c0 = bottom.GetCellDepth(0, 32), c1 = bottom.GetCellDepth(32, 32);
    plat::SeedRandom(7);
    bottom.Generate(35);
    // The row-32 corners were 90..98 and are lowered by the slope.
    EXPECT_EQ(bottom.GetCellDepth(0, 32), c0 - 35);
    EXPECT_EQ(bottom.GetCellDepth(32, 32), c1 - 35);
    std::int32_t first[33 * 33];
    std::memcpy(first, bottom.m_depths, sizeof first);
    for (int v : first)
        EXPECT_GE(v, 1);
    plat::SeedRandom(7);
    bottom.Generate(35);
    EXPECT_EQ(std::memcmp(first, bottom.m_depths, sizeof first), 0);
    // Slopes are clamped to 5..50.
    plat::SeedRandom(7);
    bottom.Generate(500);
    EXPECT_EQ(bottom.GetCellDepth(0, 32), c0 - 50);
}

TEST_F(FondaleTest, CellsAndScreenPoints)
{
    bottom.Clear(); // 800 x 600: band 120 .. 540
    EXPECT_EQ(bottom.m_top, 120);
    EXPECT_EQ(bottom.m_bottom, 540);
    EXPECT_EQ(bottom.ColumnOfX(5000), 32);
    EXPECT_EQ(bottom.ColumnOfX(-5), 0);
    EXPECT_EQ(bottom.RowOfY(0), 0);
    EXPECT_EQ(bottom.RowOfY(540), 32);
    EXPECT_EQ(bottom.XOfColumn(16), 400);
    EXPECT_EQ(bottom.YOfRow(16), 330);
    EXPECT_EQ(bottom.GetCellDepth(33, 0), -1);
    EXPECT_EQ(bottom.GetCellDepth(0, -1), -1);
    EXPECT_FALSE(bottom.IsFishCell(-1, 5));
    bottom.SetFishCell(10, 10, true);
    const int x = bottom.XOfColumn(10) + 5, y = bottom.YOfRow(10) + 5;
    EXPECT_TRUE(bottom.IsFishNear(x, y, 0));
    EXPECT_FALSE(bottom.IsFishNear(x + 25, y, 0)); // radius 0: only the cell under the point
    EXPECT_TRUE(bottom.IsFishNear(x + 25, y, 1));
    EXPECT_FALSE(bottom.IsFishNear(x, y, -1));
}

TEST_F(FondaleTest, FishZonesAndDrift)
{
    bottom.Clear();
    plat::SeedRandom(3);
    bottom.PlaceFishZones(20);
    const int n = bottom.CountFishCells();
    EXPECT_GT(n, 100);
    for (int i = 0; i < 2000; ++i)
        bottom.MoveFishCell();
    EXPECT_EQ(bottom.CountFishCells(), n);

    // A cell on the right edge whose neighbour would be column 33 stays.
    bottom.Clear();
    bottom.SetFishCell(32, 5, true);
    for (std::uint32_t seed = 1; seed < 200000; ++seed) {
        plat::SeedRandom(seed);
        const int c = plat::Random() % 33, r = plat::Random() % 33;
        if (c != 32 || r != 5)
            continue;
        if (1 - plat::Random() % 3 != 1)
            continue;
        plat::SeedRandom(seed);
        bottom.MoveFishCell();
        EXPECT_TRUE(bottom.IsFishCell(32, 5));
        EXPECT_EQ(bottom.CountFishCells(), 1);
        return;
    }
    FAIL() << "no seed moves the edge cell outward";
}

TEST_F(FondaleTest, DepthUnderAPointUsesTheSinglePrecisionScaleAndTheTide)
{
    g_Luogo.LoadVenue("", kVenueSea); // PROFONDITA 360
    g_Fondale.Clear();
    for (int c = 0; c < 33; ++c)
        for (int r = 0; r < 33; ++r)
            g_Fondale.SetCellDepth(c, r, 100);
    g_Fondale.SetDepthScale(float(g_Luogo.Record().PROFONDITA) / 100.0f);
    const int tide = g_Marea.GetTideLevel();
    EXPECT_EQ(g_Fondale.GetDepthAt(400, 300), 360 + tide);
    // 20 cm of tide: 380.
    CMarea saved = g_Marea;
    for (int minute = 0; minute < 1440 && g_Marea.GetTideLevel() != 20; ++minute)
        for (int day = 0; day < 366 && g_Marea.GetTideLevel() != 20; day += 7)
            g_Marea.Update(day, minute);
    ASSERT_EQ(g_Marea.GetTideLevel(), 20);
    EXPECT_EQ(g_Fondale.GetDepthAt(400, 300), 380);
    g_Marea = saved;
}

TEST_F(FondaleTest, ZeroCellRegeneratesDepthsOnlyAndKeepsTheFishCells)
{
    g_Luogo.LoadVenue("", kVenueLake);
    g_Fondale.Clear();
    g_Fondale.SetFishCell(3, 4, true);
    g_Fondale.SetFishCell(20, 30, true);
    EXPECT_EQ(g_Fondale.GetDepthAt(400, 300), 0);
    EXPECT_TRUE(g_Fondale.IsFishCell(3, 4));
    EXPECT_TRUE(g_Fondale.IsFishCell(20, 30));
    EXPECT_EQ(g_Fondale.CountFishCells(), 2);
    EXPECT_GT(g_Fondale.GetDepthAt(400, 300), 0);
    EXPECT_FLOAT_EQ(g_Fondale.GetDepthScale(), 3.0f);
}

TEST_F(FondaleTest, SavedBottomIsTheFileLayoutAndLoadsBack)
{
    bottom.Clear();
    for (int r = 0; r < 33; ++r)
        for (int c = 0; c < 33; ++c)
            bottom.SetCellDepth(c, r, 100 * r + c);
    ASSERT_TRUE(bottom.SaveDepths("my.venue.kvl"));
    EXPECT_EQ(std::string(bottom.GetDepthFilePath("my.venue.kvl")), UserVenueFolder() + "/my.venue.kvf");
    const std::string bytes = tmp.Read("appdata/Karvelin/Luoghi/my.venue.kvf");
    ASSERT_EQ(bytes.size(), 4356u);
    EXPECT_EQ(bytes.substr(4 * (33 * 7 + 5), 4), Le32(705));
    CFondale other;
    ASSERT_TRUE(other.LoadDepths("my.venue.kvl"));
    EXPECT_EQ(std::memcmp(other.m_depths, bottom.m_depths, sizeof bottom.m_depths), 0);
    ASSERT_TRUE(other.SaveDepths("my.venue.kvl"));
    EXPECT_TRUE(tmp.Read("appdata/Karvelin/Luoghi/my.venue.kvf") == bytes);
    // An id with a folder in it names no bottom: nothing is made there.
    for (const char* id : {"sub\\Evil.kvl", "sub/Evil.kvl"}) {
        EXPECT_STREQ(other.GetDepthFilePath(id), "") << id;
        EXPECT_FALSE(other.SaveDepths(id)) << id;
    }
    EXPECT_FALSE(std::filesystem::exists(UserVenueFolder() + "/sub"));
    // No id: nothing to read or write, and that is not a failure.
    EXPECT_TRUE(other.LoadDepths(""));
    EXPECT_TRUE(other.SaveDepths(nullptr));
}

TEST_F(FondaleTest, SaveFailureIsReported)
{
    // A folder where the file should be: the write cannot replace it.
    tmp.Write("appdata/Karvelin/Luoghi/blocked.kvf/inside", "x");
    EXPECT_FALSE(bottom.SaveDepths("blocked.kvl"));
}

TEST_F(FondaleTest, HostileBottomFiles)
{
    struct Case {
        std::string bytes;
        bool loads;
        bool logs;
    };
    std::string negative, huge;
    for (int i = 0; i < 1089; ++i) {
        negative += Le32(i == 0 ? -5 : 50);
        huge += Le32(i == 1 ? 2147483647 : 50);
    }
    const Case cases[] = {
        {"", false, true}, {std::string(100, '\x01'), false, true}, {std::string(4355, '\x01'), false, true},
        {negative, true, true}, {huge, true, true},
    };
    for (const Case& c : cases) {
        tmp.Write("appdata/Karvelin/Luoghi/h.kvf", c.bytes);
        const std::string before = ErrorLog();
        CFondale b;
        EXPECT_EQ(b.LoadDepths("h.kvl"), c.loads) << c.bytes.size();
        EXPECT_EQ(ErrorLog() != before, c.logs) << c.bytes.size();
        for (int v : b.m_depths) {
            EXPECT_GE(v, 0);
            EXPECT_LE(v, CFondale::kMaxDepthValue);
        }
        if (c.loads) {
            EXPECT_EQ(b.GetCellDepth(0, 0), c.bytes == negative ? 0 : 50);
            EXPECT_EQ(b.GetCellDepth(1, 0), c.bytes == huge ? 10000 : 50);
        }
    }
}

TEST_F(FondaleTest, ShortBottomFileMakesTheVenueGenerateItsBottom)
{
    tmp.Write("program/Luoghi/s.kvl", "[LUOGO]\r\nTIPO=1\r\nPENDENZA=30\r\nPROFONDITA=400\r\n");
    tmp.Write("appdata/Karvelin/Luoghi/s.kvf", std::string(2000, '\x05'));
    g_Luogo.LoadVenue(VenueFolder().c_str(), "s.kvl");
    for (int r = 0; r < 33; ++r)
        for (int c = 0; c < 33; ++c)
            ASSERT_GE(g_Fondale.GetCellDepth(c, r), 1);
    EXPECT_FLOAT_EQ(g_Fondale.GetDepthScale(), 4.0f);
    EXPECT_TRUE(g_Luogo.DepthFileExists());
    EXPECT_TRUE(g_Luogo.DeleteDepthFile());
    EXPECT_FALSE(g_Luogo.DeleteDepthFile());
    EXPECT_TRUE(g_Luogo.CreateDepthFile());
    const std::string stored = tmp.Read("appdata/Karvelin/Luoghi/s.kvf");
    EXPECT_EQ(stored.size(), 4356u);
    // A stored bottom is never replaced by a new one.
    EXPECT_FALSE(g_Luogo.CreateDepthFile());
    EXPECT_EQ(tmp.Read("appdata/Karvelin/Luoghi/s.kvf"), stored);
}

// The rig test goes through the link the rod assembly registers.
struct FakeRig {
    static inline int x = 0, y = 0, type = 0;
    static inline bool present = true, floatMounted = true;
    static bool Point(int& px, int& py)
    {
        px = x;
        py = y;
        return present;
    }
    static bool Float() { return floatMounted; }
    static int Type() { return type; }
};
const RigLink kFakeRig = {FakeRig::Point, FakeRig::Float, FakeRig::Type, nullptr};

TEST_F(FondaleTest, SpawnAtTheRigNeedsAFishCellThere)
{
    SetRigLink(nullptr);
    bottom.Clear();
    EXPECT_FALSE(bottom.CanSpawnAtRig());
    SetRigLink(&kFakeRig);
    bottom.SetFishCell(10, 10, true);
    FakeRig::x = bottom.XOfColumn(11) + 3;
    FakeRig::y = bottom.YOfRow(10) + 3;
    FakeRig::floatMounted = true;
    EXPECT_FALSE(bottom.CanSpawnAtRig()); // a float: only the cell under the rig
    FakeRig::floatMounted = false;
    FakeRig::type = 1;
    EXPECT_TRUE(bottom.CanSpawnAtRig()); // no float: the cells around it too
    FakeRig::x = bottom.XOfColumn(20);
    EXPECT_FALSE(bottom.CanSpawnAtRig());
    FakeRig::type = 2;
    EXPECT_TRUE(bottom.CanSpawnAtRig()); // a boat rod without float always
    FakeRig::present = false;
    EXPECT_FALSE(bottom.CanSpawnAtRig());
    FakeRig::present = true;
    SetRigLink(nullptr);
}

} // namespace
