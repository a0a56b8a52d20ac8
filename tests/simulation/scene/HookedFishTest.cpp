// Making the fish on the line (length classes, length cap, weight and
// strength) and the hook size rule it has to pass.
#include "simulation/tackle/CannaPesca.h"
#include "simulation/scene/Pesce.h"

#include "platform/Random.h"
#include "tests/simulation/tackle/SceneFixture.h"

namespace {

class HookedFishTest : public scene_test::SceneTest {
protected:
    void TearDown() override
    {
        g_Pesce.Reset();
        SceneTest::TearDown();
    }

    // A species spanning 10..110 cm, so each class's lengths are easy to read.
    static PesceRecord Species()
    {
        PesceRecord r = g_Pesci.GetRecord(12);
        r.minSize = 10;
        r.maxSize = 110;
        return r;
    }

    // A seed whose first draw % 100 is r.
    static std::uint32_t SeedDrawing(int r)
    {
        for (std::uint32_t seed = 1;; ++seed) {
            plat::SeedRandom(seed);
            if (plat::Random() % 100 == r)
                return seed;
        }
    }
};

TEST_F(HookedFishTest, HookRuleKeepsBigHooksOffSmallFish)
{
    struct Row {
        int length, hook;
        bool fits;
    };
    const Row rows[] = {
        {40, 5, false}, {40, 6, true},   {41, -7, true},  {41, 1, true},   {20, 13, false}, {20, 14, true},
        {21, 6, true},  {7, 18, false},  {7, 19, true},   {8, 14, true},   {4, 22, false},  {4, 23, true},
        {4, 24, true},  {0, 23, true},   {5, 19, true},   {100, -7, true},
    };
    for (const Row& r : rows)
        EXPECT_EQ(r.fits, CCannaPesca::HookFits(r.length, r.hook)) << r.length << " cm on hook " << r.hook;
}

TEST_F(HookedFishTest, LengthClassesFollowTheFirstDraw)
{
    struct Row {
        int r;
        int low, high;
    };
    // Span 100: class 0 is 10..19, class 1 20..29, class 6 90..109.
    const Row rows[] = {{0, 10, 19}, {14, 10, 19}, {15, 20, 29}, {44, 20, 29}, {45, 30, 39},
                        {84, 40, 49}, {85, 50, 69}, {92, 70, 89}, {97, 90, 109}, {99, 90, 109}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.r);
        plat::SeedRandom(SeedDrawing(r.r));
        g_Pesce.Hook(Species(), 0, 0, 0, 0, false);
        EXPECT_GE(g_Pesce.m_length, r.low);
        EXPECT_LE(g_Pesce.m_length, r.high);
        EXPECT_EQ(12, g_Pesce.m_species.speciesIndex);
    }
}

TEST_F(HookedFishTest, CapShortensAndTooSmallACapChangesTheSpecies)
{
    struct Row {
        int cap;
        int length;  // expected, for a drawn length of at least 90
        int species;
    };
    const Row rows[] = {{50, 50, 12}, {10, 10, 12}, {9, 9, 1}, {5, 5, 1}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.cap);
        plat::SeedRandom(SeedDrawing(99));
        g_Pesce.Hook(Species(), 0, 0, 0, r.cap, false);
        EXPECT_EQ(r.length, g_Pesce.m_length);
        EXPECT_EQ(r.species, g_Pesce.m_species.speciesIndex);
    }
}

TEST_F(HookedFishTest, WeightAndStrengthComeFromTheLength)
{
    const PesceRecord species = Species();
    const std::uint32_t seed = SeedDrawing(50);
    plat::SeedRandom(seed);
    g_Pesce.Hook(species, 120, 300, 40, 0, false);

    // Replay the draws: class, length, bite kind, then the weight's draw.
    plat::SeedRandom(seed);
    plat::Random();
    plat::Random();
    plat::Random();
    const float weight = ComputeFishWeight(species, g_Pesce.m_length, true);
    EXPECT_FLOAT_EQ(weight, g_Pesce.m_weight);
    EXPECT_FLOAT_EQ(ComputeFishWeight(species, 37, false), CPesce::ComputeWeight(species, 37, false));
    EXPECT_FLOAT_EQ(g_Pesce.GetStrength(false), g_Pesce.m_stamina);
    EXPECT_FLOAT_EQ(g_Pesce.m_stamina, g_Pesce.m_maxStamina);
    EXPECT_EQ(40, g_Pesce.m_run);
    EXPECT_EQ(0, g_Pesce.m_exhaustion);
    EXPECT_EQ(0, g_Pesce.m_jumping);
}

} // namespace
