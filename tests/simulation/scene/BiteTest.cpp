// The bite decision from plain facts: which hook a fish takes, the size
// rule, the score thresholds of the three levels, each refusal, and how many
// draws a decision makes (the order of draws is part of the game).
#include "platform/Random.h"
#include "simulation/tackle/CannaPesca.h"
#include "simulation/scene/RigFacts.h"
#include "simulation/scene/Pesce.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

namespace {

// A species that scores on everything the base facts offer.
PesceRecord BaseRecord()
{
    PesceRecord r{};
    r.speciesIndex = 5;
    r.minSize = 10;
    r.maxSize = 20;
    std::fill(std::begin(r.venueTypes), std::end(r.venueTypes), -1);
    std::fill(std::begin(r.currents), std::end(r.currents), -1);
    std::fill(std::begin(r.bottoms), std::end(r.bottoms), -1);
    std::fill(std::begin(r.baitFamilies), std::end(r.baitFamilies), -1);
    std::fill(std::begin(r.regions), std::end(r.regions), -1);
    r.venueTypes[0] = 1;
    r.venueTypes[1] = 2;
    r.regions[0] = 1;
    r.currents[0] = 0;
    r.bottoms[0] = 2;
    r.baitFamilies[0] = 3;
    r.waterClarity = 2;
    r.depthKind = 2;
    r.minHook = -7;
    r.maxHook = 24;
    r.maxLineHook = 30;
    std::fill(std::begin(r.monthActivity), std::end(r.monthActivity), 100);
    std::fill(std::begin(r.periodActivity), std::end(r.periodActivity), 100);
    return r;
}

// A lake, a float rig, a worm-like bait (family 3) on every hook: A 12, B 2.
BiteFacts BaseFacts()
{
    BiteFacts f;
    f.shotBalanceClass = 0;
    for (TerminalFacts& t : f.terminals) {
        t.baitKind = 3;
        t.hookSize = 16; // fits the 15 cm fish
        t.inUse = true;
    }
    f.terminals[0].inUse = f.terminals[1].inUse = false;
    return f;
}

// Score A 8 from the base: region, current, bottom and clarity no longer fit.
void DropFourA(PesceRecord& r, BiteFacts& f)
{
    f.venueRegion = 5;
    f.venueCurrent = 2;
    f.shotBalanceClass = 2;
    f.venueBottom = 4;
    r.waterClarity = 1;
}

// The value the generator gives after n draws from seed.
int DrawAfter(std::uint32_t seed, int n)
{
    plat::SeedRandom(seed);
    for (int i = 0; i < n; ++i)
        plat::Random();
    return plat::Random();
}

// Whether exactly n draws were made since the generator was seeded.
void ExpectDraws(std::uint32_t seed, int n, const char* what)
{
    const int next = plat::Random();
    EXPECT_EQ(next, DrawAfter(seed, n)) << what;
}

class BiteTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_Pesce.Reset();
        g_Pesce.m_length = 15;
        rig.m_hookInUse = 2;
    }
    // Decides with a fresh seed; the draws made are checked by the caller.
    bool Decide(const PesceRecord& r, const BiteFacts& f, std::uint32_t seed = 11)
    {
        plat::SeedRandom(seed);
        return rig.DecideBite(r, f);
    }
    CCannaPesca& rig = g_CannaPesca;
};

TEST_F(BiteTest, ScoresAgainstTheThreeLevels)
{
    struct Case {
        int dropA;   // score A points taken away from 12
        int addB;    // score B points added to 2 (negative: taken)
        int value;   // the score the fish gives
        bool bites[3];
    } cases[] = {
        {4, -1, 41, {false, false, false}},
        {4, 0, 43, {true, false, false}},
        {3, 2, 51, {true, true, false}},
        {2, 2, 56, {true, true, true}},
    };
    const int levels[3] = {42, 49, 54};
    for (const Case& c : cases) {
        for (int level = 0; level < 3; ++level) {
            PesceRecord r = BaseRecord();
            BiteFacts f = BaseFacts();
            DropFourA(r, f);
            if (c.dropA < 4)
                r.waterClarity = 2;
            if (c.dropA < 3)
                f.venueBottom = 2;
            if (c.addB == -1)
                f.mainKind = 1;
            if (c.addB == 2)
                f.terminals[2].hookPoint = 2, f.terminals[2].hookShank = 0;
            f.levelValue = levels[level];
            // Seed 11's third draw is not below 1: no lucky 80.
            ASSERT_NE(DrawAfter(11, 2) % 100, 0);
            EXPECT_EQ(Decide(r, f), c.bites[level]) << "score " << c.value << " at level " << level;
            // Month, period and the lucky draw, nothing else.
            ExpectDraws(11, 3, "month, period and the lucky draw");
        }
    }
}

TEST_F(BiteTest, ScoreClampsAndTheLuckyDrawNeedsTheRightDepth)
{
    plat::SeedRandom(1);
    EXPECT_EQ(CCannaPesca::BiteScore(20, 10, false), 80);
    EXPECT_EQ(CCannaPesca::BiteScore(0, -5, false), 0);
    EXPECT_EQ(CCannaPesca::BiteScore(8, 1, false), 41);
    ExpectDraws(1, 0, "no draw without the right depth");
    // A seed whose first draw is below 1 in a hundred.
    std::uint32_t seed = 1;
    while (DrawAfter(seed, 0) % 100 != 0)
        ++seed;
    plat::SeedRandom(seed);
    EXPECT_EQ(CCannaPesca::BiteScore(0, 0, true), 80);
    plat::SeedRandom(seed);
    EXPECT_EQ(CCannaPesca::BiteScore(0, 0, false), 0);
}

TEST_F(BiteTest, DrawsMadeBySeaAndByRigsWithoutFloat)
{
    struct Case {
        const char* name;
        bool sea, hasFloat;
        int draws;
    } cases[] = {
        {"lake, float", false, true, 3},
        {"sea, float", true, true, 6},
        {"lake, no float", false, false, 4},
        {"sea, no float", true, false, 7},
    };
    for (const Case& c : cases) {
        PesceRecord r = BaseRecord();
        BiteFacts f = BaseFacts();
        if (c.sea) {
            f.venueType = 2;
            f.terminals[2].baitVenueKind = 2;
        }
        f.hasFloat = c.hasFloat;
        f.bottomDepth = 100; // the rig lies on the bottom
        Decide(r, f, 5);
        ExpectDraws(5, c.draws, c.name);
    }
}

TEST_F(BiteTest, EveryRefusalRefuses)
{
    struct Case {
        const char* name;
        void (*change)(PesceRecord&, BiteFacts&);
    } cases[] = {
        {"not fishing", [](PesceRecord&, BiteFacts& f) { f.fishing = false; }},
        {"float not settled", [](PesceRecord&, BiteFacts& f) { f.biteReady = false; }},
        {"rig not sunk", [](PesceRecord&, BiteFacts& f) { f.sinkDepth = 0.5f; }},
        {"bottom rig off the bottom",
         [](PesceRecord&, BiteFacts& f) {
             f.hasFloat = false;
             f.bottomDepth = 300;
         }},
        {"bait the fish does not eat", [](PesceRecord& r, BiteFacts&) { r.baitFamilies[0] = 7; }},
        {"sea bait in a lake", [](PesceRecord&, BiteFacts& f) { f.terminals[2].baitVenueKind = 2; }},
        {"lake bait at sea",
         [](PesceRecord&, BiteFacts& f) {
             f.venueType = 2;
             f.terminals[2].baitVenueKind = 1;
         }},
        {"hook too big", [](PesceRecord&, BiteFacts& f) { f.terminals[2].hookSize = 5; }},
        {"main line too thick", [](PesceRecord&, BiteFacts& f) { f.mainDiameter = 49; }},
        {"hook line too thick", [](PesceRecord&, BiteFacts& f) { f.terminals[2].lineDiameter = 49; }},
        {"lure not retrieved",
         [](PesceRecord& r, BiteFacts& f) {
             f.spinningRig = true;
             f.hasFloat = false;
             f.terminals[2].baitKind = 13;
             r.baitFamilies[1] = 13;
         }},
    };
    for (const Case& c : cases) {
        PesceRecord r = BaseRecord();
        BiteFacts f = BaseFacts();
        f.levelValue = 0; // anything that gets through bites
        c.change(r, f);
        EXPECT_FALSE(Decide(r, f)) << c.name;
    }
    PesceRecord r = BaseRecord();
    BiteFacts f = BaseFacts();
    f.levelValue = 0;
    EXPECT_TRUE(Decide(r, f)) << "the base facts bite";
}

// The "anywhere" baits bite at sea; sea baits only there.
TEST_F(BiteTest, AnywhereBaitsBiteAtSea)
{
    for (int where : {-1, 3, 2}) {
        PesceRecord r = BaseRecord();
        BiteFacts f = BaseFacts();
        f.venueType = 2;
        f.levelValue = 0;
        f.terminals[2].baitVenueKind = where;
        EXPECT_TRUE(Decide(r, f)) << "bait for venues " << where;
    }
}

// Undefined values (-1) never match a record's empty slots.
TEST_F(BiteTest, EmptySlotsListNothing)
{
    PesceRecord r = BaseRecord();
    BiteFacts f = BaseFacts();
    for (TerminalFacts& t : f.terminals)
        t.baitKind = -1;
    plat::SeedRandom(3);
    EXPECT_EQ(rig.ChooseHook(r, f), -1);

    // Scores: a venue without region, current, bottom gets nothing for them.
    PesceRecord a = BaseRecord();
    BiteFacts g = BaseFacts();
    DropFourA(a, g);
    g.venueRegion = g.venueCurrent = g.venueBottom = -1;
    g.shotBalanceClass = 0;
    g.levelValue = 44; // A 8, B 2 give 43; the empty slots would add 15
    EXPECT_FALSE(Decide(a, g)) << "empty slots scored";
}

TEST_F(BiteTest, HookChoiceFollowsTheDroppersInUse)
{
    PesceRecord r = BaseRecord();
    BiteFacts f = BaseFacts();
    f.terminals[0].inUse = f.terminals[1].inUse = false;
    plat::SeedRandom(9);
    EXPECT_EQ(rig.ChooseHook(r, f), 2);
    ExpectDraws(9, 0, "the leader alone needs no draw");

    f.terminals[1].inUse = true;
    f.terminals[2].baitKind = 8; // only the first dropper's bait is eaten
    EXPECT_EQ(rig.ChooseHook(r, f), 1);

    f.terminals[0].inUse = true;
    f.terminals[2].baitKind = 3;
    int seen[3] = {};
    for (std::uint32_t seed = 1; seed < 200; ++seed) {
        plat::SeedRandom(seed);
        const int h = rig.ChooseHook(r, f);
        ASSERT_GE(h, 0);
        ++seen[h];
    }
    for (int h = 0; h < 3; ++h)
        EXPECT_GT(seen[h], 30) << "hook " << h << " is chosen about a third of the time";
}

} // namespace
