// The rig's core: line material, main line limits and terminals, the lead
// and its judgement, the float on the line.
#include "shell/Utility.h"
#include "simulation/tackle/CannaPesca.h"
#include "simulation/tackle/Filo.h"
#include "tests/simulation/tackle/FreshRig.h"
#include "tests/simulation/tackle/TackleFixture.h"

using tackle_test::TackleTest;

namespace {

TEST(FiloTest, BreakingLoads)
{
    CFilo f;
    EXPECT_EQ(f.m_colour, 0);
    EXPECT_EQ(f.m_diameter, 14);
    EXPECT_EQ(f.m_kind, 0);
    EXPECT_FLOAT_EQ(f.GetLoad(), 2500.0f);
    const struct {
        int kind, diameter;
        float grams;
    } loads[] = {{0, 25, 6900}, {0, 31, 10000}, {0, 34, 10000}, {0, 51, 16700}, {0, 59, 16700},
                 {0, 90, 45300}, {2, 30, 13000}, {3, 0, 120},    {1, 36, 12400}, {3, 90, 53600}};
    for (const auto& l : loads)
        EXPECT_FLOAT_EQ(f.m_load[l.kind][l.diameter], l.grams) << l.kind << " " << l.diameter;
    for (int d = 0; d <= 90; ++d)
        EXPECT_GT(f.m_load[3][d], f.m_load[2][d]) << d;
    f.SetDiameter(5);
    EXPECT_EQ(f.m_diameter, 6);
    f.SetDiameter(91);
    EXPECT_EQ(f.m_diameter, 90);
    f.SetDiameter(14);
    EXPECT_EQ(f.m_diameter, 14);
    f.m_kind = 9; // a kind outside the table reads as the first row
    EXPECT_FLOAT_EQ(f.GetLoad(), 2500.0f);
}

TEST_F(TackleTest, LoadTextsInBothUnits)
{
    CFilo f;
    g_Opzioni.units = 0;
    EXPECT_STREQ(f.FormatLoad(), "2.5 Kg");
    g_Opzioni.units = 1;
    EXPECT_STREQ(f.FormatLoad(), "5.512 lb");
    EXPECT_STREQ(CFilo::GetColourName(8), "Fluorescent Green");
}

class RigTest : public TackleTest {
protected:
    void SetUp() override
    {
        TackleTest::SetUp();
        testing_support::FreshRig();
        rig.Init(nullptr, 400);
    }
    // A rod with a reel, of that length, no float, no lead.
    void ReelRod(float length)
    {
        rig.m_canna.m_current.type = kRodBolognese;
        rig.m_canna.SetLength(length);
        rig.m_galleggiante.SelectById(nullptr, kNoFloatId);
        rig.m_piombo.ClearSlots();
    }
    CCannaPesca rig;
};

TEST_F(RigTest, DefaultRig)
{
    EXPECT_STREQ(rig.m_name, "DEFAULT");
    EXPECT_STREQ(rig.m_canna.m_current.name, "Norva GRY01");
    EXPECT_STREQ(rig.m_galleggiante.m_current.name, "Big New");
    EXPECT_FLOAT_EQ(rig.m_lenza.m_length, 450.0f);
    EXPECT_FLOAT_EQ(rig.m_lenza.m_leader.m_length, 10.0f);
    EXPECT_FLOAT_EQ(rig.m_lenza.m_droppers[1].m_length, 30.0f);
    EXPECT_FALSE(rig.m_lenza.m_droppers[0].m_inUse);
    EXPECT_EQ(rig.m_galleggiante.m_position, 75); // depth 30 at the least
    CPiombo& p = rig.m_piombo;
    EXPECT_EQ(p.GetTotalWeight(), 100);
    EXPECT_EQ(p.GetWeightClass(), 0);
    EXPECT_EQ(p.GetSinkTime(0), 3600) << "no balance class, no scaling";
    EXPECT_EQ(rig.GetRigKind(), 2);
    EXPECT_TRUE(rig.CanCast());
}

TEST_F(RigTest, MainLineLengthLimits)
{
    // A pole of 500 cm: 450..550, forced or not.
    rig.m_canna.SetLength(500.0f);
    for (float wanted : {450.0f, 500.0f, 550.0f}) {
        rig.m_lenza.SetLength(wanted, false);
        EXPECT_FLOAT_EQ(rig.m_lenza.m_length, wanted);
    }
    rig.m_lenza.SetLength(300.0f, true);
    EXPECT_FLOAT_EQ(rig.m_lenza.m_length, 450.0f);
    rig.m_lenza.SetLength(700.0f, false);
    EXPECT_FLOAT_EQ(rig.m_lenza.m_length, 550.0f);

    // A reel rod: the lower bound follows the lead, the float and the fight.
    ReelRod(500.0f);
    rig.m_lenza.SetLength(10.0f, false);
    EXPECT_FLOAT_EQ(rig.m_lenza.m_length, 180.0f);
    rig.m_galleggiante.SelectDefault(nullptr);
    rig.m_galleggiante.m_position = 200;
    rig.m_lenza.SetLength(10.0f, false);
    EXPECT_FLOAT_EQ(rig.m_lenza.m_length, 255.0f);
    rig.m_canna.SetPhase(kPhaseFish);
    rig.m_lenza.SetLength(10.0f, false);
    EXPECT_FLOAT_EQ(rig.m_lenza.m_length, 450.0f);
    rig.m_canna.SetPhase(kPhaseRest);
    rig.m_lenza.SetLength(1e9f, false);
    EXPECT_FLOAT_EQ(rig.m_lenza.m_length, float(rig.m_mulinello.GetCapacity())) << "the spool holds no more";
}

TEST_F(RigTest, TerminalsFollowTheLine)
{
    CLenza& l = rig.m_lenza;
    ReelRod(270.0f);
    l.SetLength(300.0f, false);
    l.m_leader.m_length = 120.0f;
    l.m_droppers[0].m_inUse = 1;
    l.m_droppers[0].m_position = 100.0f;
    l.m_droppers[0].m_length = 20.0f;
    l.SetLength(150.0f, true); // forced against a 270 rod: 220
    l.SetLength(150.0f, false);
    ASSERT_FLOAT_EQ(l.m_length, 180.0f);
    EXPECT_FLOAT_EQ(l.m_leader.m_length, 120.0f);
    // Shortened to 150 cm on a pole of 200 cm: two thirds is 100.
    rig.m_canna.m_current.type = kRodPole;
    rig.m_canna.SetLength(210.0f);
    l.SetLength(160.0f, false);
    l.m_length = 150.0f;
    l.SetTerminalLength(120.0f);
    EXPECT_FLOAT_EQ(l.m_leader.m_length, 100.0f);
    l.m_droppers[0].m_position = 100.0f;
    l.m_droppers[0].m_length = 20.0f;
    l.MoveDropperHook(0, l.m_droppers[0].m_position);
    EXPECT_FLOAT_EQ(l.m_droppers[0].m_position + l.m_droppers[0].m_length, 100.0f);
    EXPECT_FLOAT_EQ(l.m_droppers[0].m_length, 20.0f);
    // The hook dragged above its knot leaves the shortest dropper.
    l.MoveDropperHook(0, 95.0f);
    EXPECT_FLOAT_EQ(l.m_droppers[0].m_length, 10.0f);

    // Knots: the leader's length, and droppers only when in use.
    l.m_droppers[0].m_inUse = 0;
    l.m_leader.m_length = 10.0f;
    EXPECT_EQ(l.GetNearestAbove(50), 10);
    EXPECT_EQ(l.GetNearestAbove(5), -1);
    EXPECT_EQ(l.GetNearestBelow(5), 10);
    EXPECT_EQ(&l.GetTerminal(2), &l.m_leader);
    EXPECT_EQ(&l.GetTerminal(7), &l.m_leader);
    EXPECT_EQ(&l.GetTerminal(0), &l.m_droppers[1]);
    EXPECT_EQ(&l.GetTerminal(1), &l.m_droppers[0]);
}

TEST_F(RigTest, TensionAndColour)
{
    CLenza& l = rig.m_lenza;
    l.m_material.m_diameter = 14;
    l.m_leader.m_material.m_diameter = 10;
    l.ResetForCast();
    EXPECT_NEAR(l.GetMaxTension(2), 173.333f, 0.01f);
    l.m_tension = 50.0f;
    l.UpdateColour(false, 2);
    EXPECT_NEAR(l.m_colour[0], 0.577f, 0.001f);
    EXPECT_FLOAT_EQ(l.m_colour[1], 1.0f);
    l.m_tension = 150.0f;
    l.UpdateColour(false, 2);
    EXPECT_FLOAT_EQ(l.m_colour[0], 1.0f);
    EXPECT_NEAR(l.m_colour[1], 0.269f, 0.001f);
    l.m_tension = 0.0f;
    l.StepTension(12.0f, 2);
    EXPECT_FLOAT_EQ(l.m_tension, 5.0f);
    l.StepTension(1000.0f, 2);
    l.m_tension = 1000.0f;
    l.StepTension(1000.0f, 2);
    EXPECT_NEAR(l.m_tension, 173.333f, 0.01f);
    l.m_material.m_colour = 30; // never read past the colour table
    l.UpdateColour(true, 2);
    EXPECT_FLOAT_EQ(l.m_colour[0], 0.7f);
}

TEST_F(RigTest, ShotPlacementLimits)
{
    CPiombo& p = rig.m_piombo;
    ReelRod(300.0f);
    rig.m_lenza.SetLength(250.0f, false);
    Program("Piombi", "slide.kvp", "[PIOMBINO]\nNOME=Slide\nPESO=500\nTIPO=0\nATTACCO=1\nFORMA=0\n");
    p.Init(nullptr);
    p.AddShotById("INTERNAL_0", 0, 0, false);
    EXPECT_EQ(p.GetSlotPosition(0), 4) << "a fixed shot stops 4 cm above the hook";
    p.AddShotById("slide.kvp", 0, 20, false);
    EXPECT_EQ(p.GetSlotPosition(1), 25);
    p.ClampShotPosition(0, 10000);
    EXPECT_EQ(p.GetSlotPosition(0), 245);
    p.ClampShotPosition(1, 30);
    p.ClampSwivelDistance(1, 50);
    EXPECT_EQ(p.GetSlotSwivelDistance(1), 25);
    p.ClampSwivelDistance(1, -3);
    EXPECT_EQ(p.GetSlotSwivelDistance(1), 0);
    EXPECT_EQ(p.GetSlotSwivelDistance(0), -1);
    EXPECT_FALSE(p.HasNoSlidingShot());
    // More than 20 shots cannot be placed.
    p.ClearSlots();
    for (int i = 0; i < 25; ++i)
        p.AddShot(0, 10 + i, 0, false);
    EXPECT_EQ(p.GetSlotPosition(19), 29);
    EXPECT_EQ(p.GetTotalWeight(), 20 * 25);
}

TEST_F(RigTest, BalanceWeightAndSinkTime)
{
    CPiombo& p = rig.m_piombo;
    // Weight classes with and without a float.
    const struct {
        bool hasFloat;
        int weight, cls;
    } classes[] = {{true, 125, 0}, {true, 126, 1}, {true, 300, 2}, {true, 301, 3},
                   {false, 3000, 0}, {false, 7200, 2}, {false, 7201, 3}};
    Program("Piombi", "one.kvp", "[PIOMBINO]\nNOME=One\nPESO=1\nTIPO=0\nATTACCO=0\nFORMA=0\n");
    p.Init(nullptr);
    for (const auto& c : classes) {
        rig.m_galleggiante.SelectById(nullptr, c.hasFloat ? "INTERNAL_0" : kNoFloatId);
        p.ClearSlots();
        p.m_slots[0] = p.m_records[2];
        p.m_slots[0].weight = c.weight;
        p.m_slots[0].position = 10;
        p.Classify(0);
        EXPECT_EQ(p.GetWeightClass(), c.cls) << c.weight;
    }

    // A torpille with nothing under it slides onto the hook: wrong rig.
    rig.m_galleggiante.SelectById(nullptr, kNoFloatId);
    rig.m_lenza.m_leader.m_length = 0.0f;
    p.ClearSlots();
    p.AddShotById("INTERNAL_1", 60, 0, true);
    EXPECT_EQ(p.GetSlotPosition(0), 2);
    EXPECT_STREQ(p.GetUsageText(), "wrong");
    rig.m_lenza.m_leader.m_length = 10.0f;

    // A shallow float rig is balanced but of no class.
    rig.m_galleggiante.SelectDefault(nullptr);
    rig.m_galleggiante.m_position = 45 + 17;
    p.ClearSlots();
    p.AddShotById("INTERNAL_0", 12, 0, false);
    p.Classify(17);
    EXPECT_TRUE(p.m_balanced);
    EXPECT_EQ(p.GetBalanceClass(), -1);
    EXPECT_STREQ(p.GetUsageText(), "generic");

    // Pattern 1: 10 % and 10 % in the two sixths nearest the float, 20 % in
    // the next, 60 % below it, none near the hook.
    rig.m_galleggiante.m_position = 45 + 120;
    p.ClearSlots();
    const struct {
        int position, weight;
    } lead[] = {{110, 10}, {90, 10}, {70, 20}, {50, 60}};
    for (const auto& s : lead) {
        p.AddShotById("one.kvp", s.position, 0, false);
        for (int i = 0; i < kShotSlots; ++i)
            if (p.GetSlotPosition(i) == s.position)
                p.m_slots[i].weight = s.weight;
    }
    p.Classify(120);
    EXPECT_TRUE(p.m_balanced);
    EXPECT_EQ(p.GetBalanceClass(), 1);
    EXPECT_STREQ(p.GetUsageText(), "ideal for slow water or fairly smooth sea");

    // Sink times.
    p.ClearSlots();
    EXPECT_EQ(p.GetSinkTime(0), 30000);
    p.m_balanced = 1;
    p.m_balanceClass = 3;
    EXPECT_EQ(p.GetSinkTime(50), 2000);
    p.m_balanceClass = 0;
    EXPECT_EQ(p.GetSinkTime(50), 4800);
}

// The lead's share in each sixth of the line below a float at 120 cm, from
// the hook (sixth 0) to the float (sixth 5), names the water it suits; the
// last pattern that holds wins.
TEST_F(RigTest, BalancePatternsByTheLeadInEachSixth)
{
    CPiombo& p = rig.m_piombo;
    Program("Piombi", "one.kvp", "[PIOMBINO]\nNOME=One\nPESO=1\nTIPO=0\nATTACCO=0\nFORMA=0\n");
    p.Init(nullptr);
    rig.m_galleggiante.SelectDefault(nullptr);
    rig.m_galleggiante.m_position = 45 + 120;
    struct Case {
        const char* name;
        int percent[6]; // sixths 0 (hook) .. 5 (float)
        int cls;
    } cases[] = {
        {"pattern 2", {0, 10, 10, 20, 0, 60}, 1},  {"pattern 3", {0, 30, 0, 30, 0, 40}, 0},
        {"pattern 4", {0, 20, 0, 80, 0, 0}, 3},    {"pattern 5", {0, 40, 20, 20, 0, 20}, 1},
        {"pattern 6", {0, 0, 80, 0, 0, 20}, 2},    {"pattern 7", {50, 50, 0, 0, 0, 0}, 3},
        {"no pattern", {0, 0, 0, 0, 0, 100}, -1},
    };
    auto lead = [&](const int percent[6]) {
        p.ClearSlots();
        for (int k = 0; k < 6; ++k) {
            if (percent[k] == 0)
                continue;
            const int position = 10 + 20 * k;
            p.AddShotById("one.kvp", position, 0, false);
            for (int i = 0; i < kShotSlots; ++i)
                if (p.GetSlotPosition(i) == position)
                    p.m_slots[i].weight = percent[k];
        }
    };
    for (const Case& c : cases) {
        lead(c.percent);
        p.Classify(120);
        EXPECT_TRUE(p.m_balanced) << c.name;
        EXPECT_EQ(p.GetBalanceClass(), c.cls) << c.name;
    }

    // A sliding float whose stopper lies more than a sixth above it drops
    // the two deep classes; balanced it stays.
    const int deep[6] = {0, 20, 0, 80, 0, 0}; // pattern 4, class 3
    struct Slide {
        int mount, floatDepth, cls;
    } slides[] = {{1, 95, -1}, {1, 105, 3}, {0, 95, 3}};
    for (const Slide& s : slides) {
        rig.m_galleggiante.m_current.mount = s.mount;
        rig.m_galleggiante.m_stopper = 120;
        rig.m_galleggiante.m_position = 45 + s.floatDepth;
        lead(deep);
        p.Classify(120); // the stopper's depth for a sliding float
        EXPECT_TRUE(p.m_balanced) << s.mount << " " << s.floatDepth;
        EXPECT_EQ(p.GetBalanceClass(), s.cls) << s.mount << " " << s.floatDepth;
    }
    rig.m_galleggiante.m_current.mount = 0;
}

// A torpille slides down to the first thing under it and rests 2 cm on it:
// a shot, or the float when the float lies between (4 cm under it), which
// makes the rig wrong.
TEST_F(RigTest, TorpilleRestsOnAShotOrOnTheFloat)
{
    CPiombo& p = rig.m_piombo;
    rig.m_lenza.m_length = 500.0f;
    rig.m_galleggiante.SelectDefault(nullptr);
    rig.m_galleggiante.m_position = 45 + 100;
    p.ClearSlots();
    p.AddShotById("INTERNAL_0", 50, 0, false);
    p.AddShotById("INTERNAL_1", 80, 0, true);
    EXPECT_EQ(p.GetSlotPosition(1), 52) << "on the shot";
    EXPECT_TRUE(p.SettleTorpilles());
    p.ClearSlots();
    p.AddShotById("INTERNAL_0", 50, 0, false);
    p.AddShotById("INTERNAL_1", 150, 0, true);
    EXPECT_EQ(p.GetSlotPosition(1), 106) << "on the float";
    EXPECT_FALSE(p.SettleTorpilles());
    EXPECT_FALSE(p.m_balanced);
}

// The exposed height divided by the float's weight: without a float there
// is nothing to divide by, and nothing rides on the water.
TEST_F(RigTest, ExposedHeightOfTheFloat)
{
    rig.m_galleggiante.SelectById(nullptr, kNoFloatId);
    rig.UpdateExposedHeight();
    EXPECT_EQ(rig.m_galleggiante.m_exposedHeight, 0);

    rig.m_galleggiante.SelectDefault(nullptr); // PESO 100
    rig.m_galleggiante.m_position = 45 + 100;
    CPiombo& p = rig.m_piombo;
    const struct {
        int lead, height;
    } loads[] = {{130, 0}, {131, 0}, {100, 8}, {70, 15}, {69, 19}};
    for (const auto& l : loads) {
        p.ClearSlots();
        p.AddShot(0, 50, 0, false);
        p.m_slots[0].weight = l.lead;
        rig.UpdateExposedHeight();
        EXPECT_EQ(rig.m_galleggiante.m_exposedHeight, l.height) << l.lead;
    }
}

TEST_F(RigTest, FloatPositionOnTheLine)
{
    rig.m_lenza.m_length = 500.0f;
    rig.SetFloatPosition(10.0f);
    EXPECT_EQ(rig.m_galleggiante.m_position, 75);
    rig.SetFloatPosition(1000.0f);
    EXPECT_EQ(rig.m_galleggiante.m_position, 400 + 45);
    EXPECT_EQ(rig.m_galleggiante.m_lineAbove, 500 - 445);
    rig.m_galleggiante.SelectById(nullptr, kNoFloatId);
    rig.m_lenza.m_leader.m_length = 50.0f;
    rig.SetFloatPosition(300.0f);
    EXPECT_EQ(rig.m_galleggiante.m_position, 50 + 45) << "without a float the depth is the leader's";

    // A spinning rig: spinning rod, lure hook on the leader, no float.
    rig.m_canna.m_current.type = kRodSpinning;
    rig.m_lenza.m_leader.m_hook.SelectById(nullptr, "INTERNAL_1");
    EXPECT_TRUE(rig.IsSpinningRig());
    rig.m_galleggiante.SelectDefault(nullptr);
    EXPECT_FALSE(rig.IsSpinningRig());
}

} // namespace
