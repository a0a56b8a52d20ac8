// The ready rigs, loaded into the real rod assembly: each fishes the way
// its technique promises. A float rig stands with its tip showing and its
// shotting suits the water its float is made for; a lure rig is a spinning
// rig; every reel rig can be cast at once.
#include "platform/Device.h"
#include "platform/Files.h"
#include "shell/Graphics.h"
#include "simulation/tackle/CannaPesca.h"
#include "tests/simulation/tackle/ShippedTackleFixture.h"

#include <memory>

namespace {

class ShippedRigsTest : public tackle_test::ShippedTackleTest {
protected:
    void SetUp() override
    {
        ShippedTackleTest::SetUp();
        if (HasFatalFailure())
            return;
        g_GestFile.CopyLineFiles();
        g_CannaPesca.Init(dev.get(), 400);
    }
};

TEST_F(ShippedRigsTest, EachRigFishesTheWayItsTechniqueNeeds)
{
    struct Expect {
        const char* name;
        int rodType;
        bool floatRig, sliding, spinning;
    };
    const Expect rigs[] = {
        {"Pole_5_m", 0, true, false, false},       {"Bolognese_6_m", 1, true, false, false},
        {"Sliding_float", 1, true, true, false},   {"Boat_bottom", 2, false, false, false},
        {"Spinning_river", 3, false, false, true}, {"Spinning_sea", 3, false, false, true},
    };
    CCannaPesca& rig = g_CannaPesca;
    for (const Expect& e : rigs) {
        SCOPED_TRACE(e.name);
        ASSERT_TRUE(rig.LoadConfiguration(e.name));
        EXPECT_EQ(e.rodType, rig.m_canna.m_current.type);
        EXPECT_EQ(e.floatRig, rig.m_galleggiante.HasFloat());
        EXPECT_EQ(e.sliding, rig.m_galleggiante.IsSliding());
        EXPECT_EQ(e.spinning, rig.IsSpinningRig());
        EXPECT_TRUE(rig.CanCast());
        EXPECT_TRUE(rig.m_piombo.m_balanced);
        if (e.floatRig) {
            // Bite-ready needs 1..15 pixels of tip above the water.
            EXPECT_GE(rig.m_galleggiante.m_exposedHeight, 1);
            EXPECT_LE(rig.m_galleggiante.m_exposedHeight, 15);
            // Off the sea a float rig gets its bonus when the shotting's
            // class is the water's current, the one the float is made for.
            EXPECT_EQ(rig.m_galleggiante.GetCurrentRating(), rig.m_piombo.GetBalanceClass());
        }
    }
}

} // namespace
