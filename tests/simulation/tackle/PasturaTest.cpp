#include "simulation/tackle/Pastura.h"

#include "platform/Clock.h"
#include "platform/Random.h"
#include "simulation/tackle/CannaPesca.h"
#include "tests/simulation/tackle/FreshRig.h"
#include "tests/simulation/tackle/TackleFixture.h"
#include "world/Luogo.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>

namespace {

using tackle_test::TackleTest;

// At 800 x 600 the water band runs from row 120 to 540: a column is 25
// pixels wide and the band's 420 rows make 32 grid rows.
constexpr int kBleak = 1;

class PasturaTest : public TackleTest {
protected:
    void SetUp() override
    {
        TackleTest::SetUp();
        savedVenue = g_Luogo.Record();
        // The grid reads the venue and the float: both as at start-up.
        g_Luogo.Record() = CLuogo().Record();
        testing_support::FreshRig();
        SetCurrent(0, 0);
    }
    void TearDown() override
    {
        g_Luogo.Record() = savedVenue;
        TackleTest::TearDown();
    }
    void SetCurrent(int corrente, int verso)
    {
        g_Luogo.Record().CORRENTE = corrente;
        g_Luogo.Record().VERSOCORRENTE = verso;
    }
    // The columns of a grid row that hold a groundbait.
    std::set<int> ColumnsIn(const CPastura& p, int row)
    {
        std::set<int> cols;
        for (int c = 0; c < CPastura::kGridSize; ++c)
            if (p.GetCell(c, row) >= 0)
                cols.insert(c);
        return cols;
    }
    int FilledCells(const CPastura& p)
    {
        int n = 0;
        for (int c = 0; c < CPastura::kGridSize; ++c)
            for (int r = 0; r < CPastura::kGridSize; ++r)
                n += p.GetCell(c, r) >= 0;
        return n;
    }
    LuogoRecord savedVenue;
    CPastura pastura;
};

TEST_F(PasturaTest, BuiltInGroundbaitAttractsOnlyTheBleak)
{
    pastura.Load(nullptr);
    ASSERT_EQ(pastura.GetCount(), 1);
    const PasturaRecord& r = pastura.GetRecord(0);
    EXPECT_STREQ(r.name, "Groundbait Bleak");
    EXPECT_STREQ(r.id, "INTERNAL_0");
    EXPECT_STREQ(r.folder, "");
    EXPECT_EQ(r.duration, 300);
    for (int s = 0; s < 130; ++s)
        EXPECT_EQ(r.attracts[s], s == kBleak ? 1 : 0) << s;
    EXPECT_EQ(pastura.m_selected, 0);
    EXPECT_EQ(pastura.m_top, 120);
    EXPECT_EQ(pastura.m_bottom, 540);
    EXPECT_EQ(pastura.m_timer[0].interval, 5000u);
}

TEST_F(PasturaTest, FilesAreReadProgramSideThenDataSide)
{
    Program("Pasture", "a.kvt", "[PASTURA]\nNOME=Fondo\nNAME=Bottom\nSECONDI=900\n[PESCI]\nTINCA=1\n");
    Data("Pasture", "b.kvt", "[PASTURA]\nNOME=Mare\n[PESCI_MARE]\nORATA=1\n");
    Data("Pasture", "c.kva", "[PASTURA]\nNOME=Wrong kind\n");
    pastura.Load(nullptr);
    ASSERT_EQ(pastura.GetCount(), 3);
    EXPECT_STREQ(pastura.GetRecord(1).name, "Bottom");
    EXPECT_STREQ(pastura.GetRecord(1).description, "Bottom"); // the name when missing
    EXPECT_STREQ(pastura.GetRecord(1).id, "a.kvt");
    EXPECT_EQ(pastura.GetRecord(1).duration, 900);
    EXPECT_EQ(pastura.GetRecord(1).attracts[22], 1);
    EXPECT_STREQ(pastura.GetRecord(2).name, "Mare");
    EXPECT_EQ(pastura.GetRecord(2).duration, 300);
    EXPECT_EQ(pastura.GetRecord(2).attracts[67], 1);
    EXPECT_EQ(pastura.GetRecord(2).attracts[22], 0);
    // An index out of range reads record 0.
    EXPECT_STREQ(pastura.GetRecord(7).id, "INTERNAL_0");
    EXPECT_STREQ(pastura.GetRecord(-1).id, "INTERNAL_0");
}

TEST_F(PasturaTest, SpeciesFlagsAndDurationAreClampedByTheVenueKeyTable)
{
    struct Case {
        const char* body;
        int species;
        int flag;
        int total; // flags set in the whole record
    } cases[] = {
        {"[PESCI]\nCARPA=5\n", 5, 1, 1},
        {"[PESCI]\nCARPA=-3\n", 5, 0, 0},
        {"[PESCI]\nCARPA=1\n", 5, 1, 1},
        {"[PESCI]\nCARPA=ERROR\n", 5, 0, 0},
        {"[PESCI]\nGHIOZZO=1\n", 41, 1, 1},
        {"[PESCI]\nGHIOZZO=1\n", 57, 0, 1},
        {"[PESCI_MARE]\nGHIOZZO=1\n", 57, 1, 1},
        {"[PESCI_MARE]\nGHIOZZO=1\n", 41, 0, 1},
        // The eel is keyed in both sections; the sea section is read last.
        {"[PESCI]\nANGUILLA=1\n[PESCI_MARE]\nANGUILLA=0\n", 88, 0, 0},
        {"[PESCI]\nANGUILLA=0\n[PESCI_MARE]\nANGUILLA=1\n", 88, 1, 1},
        // A sea key in the fresh-water section means nothing.
        {"[PESCI]\nORATA=1\n", 67, 0, 0},
    };
    for (const Case& c : cases) {
        Program("Pasture", "t.kvt", std::string("[PASTURA]\nNOME=T\n") + c.body);
        pastura.Load(nullptr);
        ASSERT_EQ(pastura.GetCount(), 2);
        EXPECT_EQ(pastura.GetRecord(1).attracts[c.species], c.flag) << c.body;
        int set = 0;
        for (int s = 0; s < 130; ++s)
            set += pastura.GetRecord(1).attracts[s];
        EXPECT_EQ(set, c.total) << c.body;
    }
    struct Duration {
        const char* value;
        int stored;
    } durations[] = {{"-5", 0}, {"0", 0}, {"3600", 3600}, {"5000", 3600}, {"", 300}, {"ERROR", 300}};
    for (const Duration& d : durations) {
        Program("Pasture", "t.kvt", std::string("[PASTURA]\nSECONDI=") + d.value + "\n");
        pastura.Load(nullptr);
        EXPECT_EQ(pastura.GetRecord(1).duration, d.stored) << d.value;
        EXPECT_STREQ(pastura.GetRecord(1).name, "Generic groundbait");
    }
}

TEST_F(PasturaTest, ThrowLaysFiveByThreeCellsCarriedByTheCurrent)
{
    struct Case {
        int corrente, verso, x;
        std::set<int> columns;
    } cases[] = {
        {0, 0, 400, {14, 15, 16, 17, 18}}, // still water: centred on column 16
        {3, 1, 400, {8, 9, 10, 11, 12}},   // fast, upstream: 6 columns left
        {3, 0, 400, {20, 21, 22, 23, 24}},
        {1, 1, 400, {12, 13, 14, 15, 16}},
        {2, 0, 400, {18, 19, 20, 21, 22}},
        {7, 1, 400, {14, 15, 16, 17, 18}}, // an unknown current carries nothing
        {0, 0, 0, {0, 1, 2}},              // clamped: columns 0, 0, 0, 1, 2
        {0, 0, 799, {29, 30, 31, 32}},
        {0, 0, 800, {30, 31, 32}},
        {3, 0, 799, {32}},
        {3, 1, 0, {0}},
    };
    for (const Case& c : cases) {
        SetCurrent(c.corrente, c.verso);
        pastura.Load(nullptr);
        pastura.Throw(c.x, 330); // row (330 - 120) * 32 / 420 = 16
        for (int row : {15, 16, 17})
            EXPECT_EQ(ColumnsIn(pastura, row), c.columns) << c.corrente << "/" << c.verso << " x " << c.x;
        EXPECT_EQ(FilledCells(pastura), 3 * int(c.columns.size()));
    }
    // Rows clamp the same way at the band's edges.
    SetCurrent(0, 0);
    pastura.Load(nullptr);
    pastura.Throw(400, 120);
    EXPECT_EQ(ColumnsIn(pastura, 0).size(), 5u);
    EXPECT_EQ(ColumnsIn(pastura, 1).size(), 5u);
    EXPECT_EQ(FilledCells(pastura), 10);
    pastura.Throw(400, 540);
    EXPECT_EQ(ColumnsIn(pastura, 32).size(), 5u);
    EXPECT_EQ(ColumnsIn(pastura, 31).size(), 5u);
}

TEST_F(PasturaTest, ThrownOnceItWorksSixtyDecayTicks)
{
    pastura.Load(nullptr);
    pastura.Throw(400, 330);
    for (int tick = 1; tick <= 59; ++tick) {
        pastura.OnTimer0();
        ASSERT_TRUE(pastura.Attracts(400, 330, kBleak)) << tick;
    }
    EXPECT_EQ(pastura.CellData(16, 16).seconds, 5);
    pastura.OnTimer0();
    EXPECT_FALSE(pastura.Attracts(400, 330, kBleak));
    EXPECT_EQ(pastura.CellData(16, 16).groundbait, -1);
    EXPECT_EQ(FilledCells(pastura), 0);
}

TEST_F(PasturaTest, DecayRunsEveryFiveSecondsWhenPolled)
{
    plat::SetGameClock(1000);
    pastura.Load(nullptr);
    pastura.Throw(400, 330);
    pastura.RunTimer0(); // the first poll runs at once
    EXPECT_EQ(pastura.CellData(16, 16).seconds, 295);
    plat::StepGameClock(5000);
    pastura.RunTimer0();
    EXPECT_EQ(pastura.CellData(16, 16).seconds, 295);
    plat::StepGameClock(1);
    pastura.RunTimer0();
    EXPECT_EQ(pastura.CellData(16, 16).seconds, 290);
}

TEST_F(PasturaTest, ASecondThrowReplacesTheGroundbaitAndRestartsItsSeconds)
{
    Program("Pasture", "t.kvt", "[PASTURA]\nSECONDI=20\n[PESCI]\nTINCA=1\n");
    pastura.Load(nullptr);
    pastura.Throw(400, 330);
    for (int i = 0; i < 10; ++i)
        pastura.OnTimer0();
    pastura.m_selected = 1;
    pastura.Throw(450, 330); // two columns right: covers 16..20
    EXPECT_EQ(pastura.CellData(16, 16).groundbait, 1);
    EXPECT_EQ(pastura.CellData(16, 16).seconds, 20);
    EXPECT_EQ(pastura.CellData(15, 16).groundbait, 0);
    EXPECT_EQ(pastura.CellData(15, 16).seconds, 250);
    EXPECT_TRUE(pastura.Attracts(400, 330, 22));
    EXPECT_FALSE(pastura.Attracts(400, 330, kBleak));
    EXPECT_TRUE(pastura.Attracts(375, 330, kBleak));
    // A selection past the catalogue throws the last groundbait.
    pastura.m_selected = 9;
    pastura.Throw(100, 200);
    EXPECT_EQ(pastura.GetCellAt(100, 200), 1);
}

TEST_F(PasturaTest, ZeroDurationAttractsNothingAndEmptiesAtTheNextTick)
{
    Program("Pasture", "t.kvt", "[PASTURA]\nSECONDI=0\n[PESCI]\nTINCA=1\n");
    pastura.Load(nullptr);
    pastura.m_selected = 1;
    pastura.Throw(400, 330);
    EXPECT_EQ(pastura.CellData(16, 16).groundbait, 1);
    EXPECT_EQ(pastura.GetCellAt(400, 330), -1);
    EXPECT_FALSE(pastura.Attracts(400, 330, 22));
    pastura.OnTimer0();
    EXPECT_EQ(pastura.CellData(16, 16).groundbait, -1);
}

TEST_F(PasturaTest, NothingBeforeLoadingAndNothingOutsideTheGridOrCatalogue)
{
    plat::SeedRandom(5);
    pastura.Throw(400, 330);
    EXPECT_EQ(FilledCells(pastura), 0);
    EXPECT_EQ(pastura.GetCellAt(400, 330), -1);
    const int next = plat::Random();
    plat::SeedRandom(5);
    EXPECT_EQ(next, plat::Random()); // no draw made

    pastura.Load(nullptr);
    pastura.Throw(400, 330);
    for (int species : {-1, 130, 100000})
        EXPECT_FALSE(pastura.Attracts(400, 330, species)) << species;
    for (auto [c, r] : {std::pair{-1, 16}, {33, 16}, {16, -1}, {16, 33}})
        EXPECT_EQ(pastura.GetCell(c, r), -1);
    EXPECT_FALSE(pastura.Attracts(400, 0, kBleak)); // above the water band
    // A cell whose groundbait the catalogue no longer holds attracts nothing.
    pastura.m_records.resize(0);
    EXPECT_FALSE(pastura.Attracts(400, 330, kBleak));
}

TEST_F(PasturaTest, ClearGridAndLoadEmptyEveryCellAndLoadResetsTheSelection)
{
    Program("Pasture", "t.kvt", "[PASTURA]\nNOME=T\n");
    pastura.Load(nullptr);
    pastura.m_selected = 1;
    pastura.Throw(400, 330);
    pastura.ClearGrid();
    EXPECT_EQ(FilledCells(pastura), 0);
    EXPECT_EQ(pastura.m_selected, 1); // a new session keeps the choice
    pastura.Throw(400, 330);
    pastura.Load(nullptr);
    EXPECT_EQ(FilledCells(pastura), 0);
    EXPECT_EQ(pastura.m_selected, 0);
}

TEST_F(PasturaTest, ThrowMakesFourDrawsForTheRingAndAttractsAtRigReadsTheFloat)
{
    pastura.Load(nullptr);
    plat::SeedRandom(11);
    for (int i = 0; i < 4; ++i)
        plat::Random();
    const int fifth = plat::Random();
    plat::SeedRandom(11);
    pastura.Throw(400, 330);
    EXPECT_EQ(plat::Random(), fifth);

    CGalleggiante& f = g_CannaPesca.m_galleggiante;
    const int x = f.m_x, y = f.m_y, top = f.m_top, bottom = f.m_bottom, left = f.m_left, right = f.m_right;
    f.m_left = f.m_top = 0;
    f.m_right = 800;
    f.m_bottom = 600;
    // On the water first: a float is never moved onto the bank.
    f.SetY(330);
    f.SetX(400);
    EXPECT_TRUE(pastura.AttractsAtRig(kBleak));
    EXPECT_FALSE(pastura.AttractsAtRig(22));
    f.SetX(100);
    EXPECT_FALSE(pastura.AttractsAtRig(kBleak));
    f.m_x = x;
    f.m_y = y;
    f.m_top = top;
    f.m_bottom = bottom;
    f.m_left = left;
    f.m_right = right;
}

} // namespace
