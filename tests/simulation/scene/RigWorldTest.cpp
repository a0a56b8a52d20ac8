// The rig against the venues: the lake's drift and the harbour's stillness,
// and the sea's bobbing by sea state.
#include "tests/simulation/scene/RigSceneFixture.h"
#include "world/Luogo.h"

namespace {

using rig_test::RigSceneTest;

TEST_F(RigSceneTest, SeaBobbingBySeaState)
{
    g_Luogo.LoadVenue("", kVenueSea);
    LuogoRecord& venue = g_Luogo.Record();
    venue.CORRENTE = 0;
    const struct {
        int seaState;
        std::uint32_t interval;
        int peak;
    } cases[] = {{0, 120, 3}, {2, 60, 8}};
    for (const auto& c : cases) {
        venue.seaState = c.seaState;
        rig.NewCast();
        CGalleggiante& g = rig.m_galleggiante;
        g.m_sinkOffset = 0;
        std::vector<int> seen;
        for (int i = 0; i < 2 * c.peak; ++i) {
            rig.OnTimer3();
            seen.push_back(g.m_bobOffset);
        }
        EXPECT_EQ(rig.m_timer[3].interval, c.interval) << "sea state " << c.seaState;
        EXPECT_EQ(*std::max_element(seen.begin(), seen.end()), c.peak);
        EXPECT_EQ(seen.front(), 1);
        EXPECT_EQ(seen.back(), 0);
    }
}

TEST_F(RigSceneTest, HarbourWithoutCurrentNeverDrifts)
{
    g_Luogo.LoadVenue("", kVenueSea);
    g_Luogo.Record().CORRENTE = 0;
    rig.NewCast();
    for (int i = 0; i < 50; ++i) {
        const int x = rig.m_galleggiante.GetX();
        rig.DriftRig();
        EXPECT_EQ(rig.m_galleggiante.GetX(), x);
    }
}

TEST_F(RigSceneTest, LakeDriftGoesWithTheCurrentOnly)
{
    rig.NewCast();
    CGalleggiante& g = rig.m_galleggiante;
    EXPECT_EQ(g.GetDriftDirection(), 1);
    Frames(300);
    int moves = 0;
    for (int i = 0; i < 300; ++i) {
        const int x = g.GetX();
        Frame();
        EXPECT_GE(g.GetX(), x - 1); // the taut line may ease it one pixel back
        moves += g.GetX() > x;
    }
    EXPECT_GT(moves, 0);
}

} // namespace
