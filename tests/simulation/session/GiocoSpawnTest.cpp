// The session's fish spawn, ambient sounds and status-bar geometry, on the
// real species catalogue and venue record, with the game's seeded generator.
#include "simulation/session/Gioco.h"

#include "platform/Audio.h"
#include "shell/SoundPlayer.h"
#include "simulation/tackle/CannaPesca.h"
#include "simulation/tackle/Pastura.h"
#include "tests/simulation/tackle/SceneFixture.h"
#include "tests/support/HeldAudio.h"
#include "world/Luogo.h"
#include "world/SceneLinks.h"

#include <cstring>
#include <optional>
#include <vector>

namespace {

using scene_test::SceneTest;

// A rig in the scene that always has a fish cell under it: a boat rod
// without a float spawns anywhere.
bool RigPoint(int& x, int& y)
{
    x = 400;
    y = 300;
    return true;
}
bool NoFloat() { return false; }
int BoatRod() { return 2; }
const RigLink kBoatRig = {RigPoint, NoFloat, BoatRod, nullptr};

// The first two draws of an attempt: the species draw and the level gate.
struct Draws {
    int r;
    int gate;
};
Draws PeekDraws(std::uint32_t seed)
{
    plat::SeedRandom(seed);
    Draws d;
    d.r = plat::Random() % 10000;
    d.gate = plat::Random() % 100;
    return d;
}

class SpawnTest : public SceneTest {
protected:
    void SetUp() override
    {
        SceneTest::SetUp();
        savedVenue = g_Luogo.Record();
        savedLevel = g_Opzioni.level;
        savedRodType = g_CannaPesca.m_canna.m_current.type;
        savedBaitKind = g_CannaPesca.m_lenza.m_leader.m_hook.m_current.baitKind;
        std::memcpy(savedFloatId, g_CannaPesca.m_galleggiante.m_current.id, sizeof savedFloatId);
        SetRigLink(&kBoatRig);
        g_Opzioni.level = 0;
        LuogoRecord& v = g_Luogo.Record();
        std::memset(v.presence, 0, sizeof v.presence);
        v.TIPO = 1; // lake
        for (int s = 0; s < 130; ++s) {
            if (g_Pesci.LivesInVenueType(unsigned(s), 1))
                lake.push_back(s);
            else
                notLake.push_back(s);
        }
    }
    void TearDown() override
    {
        SetRigLink(nullptr);
        g_Luogo.Record() = savedVenue;
        g_Opzioni.level = savedLevel;
        g_CannaPesca.m_canna.m_current.type = savedRodType;
        g_CannaPesca.m_lenza.m_leader.m_hook.m_current.baitKind = savedBaitKind;
        std::memcpy(g_CannaPesca.m_galleggiante.m_current.id, savedFloatId, sizeof savedFloatId);
        SceneTest::TearDown();
    }
    static int Spawn(std::uint32_t seed)
    {
        plat::SeedRandom(seed);
        return g_Gioco.TrySpawnFish();
    }
    void MakeSpinningRig()
    {
        g_CannaPesca.m_canna.m_current.type = kRodSpinning;
        g_CannaPesca.m_lenza.m_leader.m_hook.m_current.baitKind = kBaitKindSpinning;
        std::strcpy(g_CannaPesca.m_galleggiante.m_current.id, kNoFloatId);
        ASSERT_TRUE(g_CannaPesca.IsSpinningRig());
    }

    LuogoRecord savedVenue;
    int savedLevel = 0;
    int savedRodType = 0;
    int savedBaitKind = 0;
    char savedFloatId[sizeof(GalleggianteRecord::id)];
    std::vector<int> lake, notLake;
};

TEST_F(SpawnTest, LevelGateLetsAttemptsThroughWhenTheDrawIsAtMostItsValue)
{
    ASSERT_FALSE(lake.empty());
    g_Luogo.Record().presence[lake[0]] = 100;
    struct Case {
        int level;
        int gate;
    };
    for (Case c : {Case{0, 90}, Case{1, 80}, Case{2, 70}}) {
        g_Opzioni.level = c.level;
        int passed = 0;
        for (std::uint32_t seed = 1; seed <= 2000; ++seed) {
            const Draws d = PeekDraws(seed);
            const int species = Spawn(seed);
            EXPECT_EQ(species, d.gate <= c.gate ? lake[0] : -1) << "level " << c.level << " seed " << seed;
            passed += species >= 0;
        }
        EXPECT_NEAR(passed / 2000.0, (c.gate + 1) / 100.0, 0.03) << "level " << c.level;
    }
}

TEST_F(SpawnTest, NoPresenceOrNoFishCellNeverSpawns)
{
    // All weights zero, or negative (clamped to zero).
    for (int w : {0, -40}) {
        for (int s = 0; s < 130; ++s)
            g_Luogo.Record().presence[s] = w;
        for (std::uint32_t seed = 1; seed <= 300; ++seed)
            EXPECT_EQ(Spawn(seed), -1) << "weight " << w;
    }
    // Weight only for species of other waters: the total is positive, still nothing.
    ASSERT_FALSE(notLake.empty());
    for (int s = 0; s < 130; ++s)
        g_Luogo.Record().presence[s] = 0;
    g_Luogo.Record().presence[notLake[0]] = 100;
    for (std::uint32_t seed = 1; seed <= 300; ++seed)
        EXPECT_EQ(Spawn(seed), -1);
    // No rig in the scene: no fish cell to spawn at.
    g_Luogo.Record().presence[lake[0]] = 100;
    SetRigLink(nullptr);
    for (std::uint32_t seed = 1; seed <= 100; ++seed)
        EXPECT_EQ(Spawn(seed), -1);
}

TEST_F(SpawnTest, OtherWaterSpeciesTakeTheirShareOfDrawsAndYieldNothing)
{
    const int fresh = lake[0], sea = notLake[0];
    g_Luogo.Record().presence[fresh] = 50;
    g_Luogo.Record().presence[sea] = 50;
    int passed = 0, freshCount = 0;
    for (std::uint32_t seed = 1; seed <= 3000; ++seed) {
        const Draws d = PeekDraws(seed);
        const int species = Spawn(seed);
        if (d.gate > 90) {
            EXPECT_EQ(species, -1);
            continue;
        }
        ++passed;
        EXPECT_EQ(species, d.r < 5000 ? fresh : -1) << "seed " << seed;
        freshCount += species == fresh;
    }
    EXPECT_NEAR(double(freshCount) / passed, 0.5, 0.04);
}

TEST_F(SpawnTest, SpinningLureAndGroundbaitEachDoubleAWeight)
{
    int taker = -1, other = -1;
    for (int s : lake) {
        if (g_Pesci.TakesSpinningLure(unsigned(s)))
            taker = taker < 0 ? s : taker;
        else
            other = other < 0 ? s : other;
    }
    ASSERT_GE(taker, 0);
    ASSERT_GE(other, 0);
    g_Luogo.Record().presence[other] = 50;
    g_Luogo.Record().presence[taker] = 50;

    // A groundbait that attracts the lure taker, lying under the float.
    g_Pastura.Load(dev.get());
    PasturaRecord bait{};
    bait.duration = 600;
    bait.attracts[taker] = 1;
    g_Pastura.m_records.push_back(bait);
    const int savedSelected = g_Pastura.m_selected;
    CGalleggiante& floatOnLine = g_CannaPesca.m_galleggiante;
    const int savedX = floatOnLine.m_x, savedY = floatOnLine.m_y;
    floatOnLine.m_x = 400; // out on the water
    floatOnLine.m_y = 400;
    g_Pastura.m_selected = g_Pastura.GetCount() - 1;

    // The first of the two in species order takes the draws below its bound.
    // The taker weighs 50, 100 with the lure or the groundbait, 200 with both.
    const int first = taker < other ? taker : other, second = taker < other ? other : taker;
    struct Case {
        bool lure, groundbait;
        int takerWeight;
    };
    for (Case c : {Case{false, false, 50}, Case{true, false, 100}, Case{false, true, 100}, Case{true, true, 200}}) {
        g_Pastura.ClearGrid();
        if (c.lure)
            MakeSpinningRig();
        if (c.groundbait) {
            g_Pastura.Throw(g_CannaPesca.m_galleggiante.GetX(), g_CannaPesca.m_galleggiante.GetY());
            ASSERT_TRUE(g_Pastura.AttractsAtRig(taker));
        }
        const int firstWeight = first == taker ? c.takerWeight : 50;
        const int bound = int(float(firstWeight) * (10000.0f / float(c.takerWeight + 50)));
        for (std::uint32_t seed = 1; seed <= 1500; ++seed) {
            const Draws d = PeekDraws(seed);
            if (d.gate > 90)
                continue;
            EXPECT_EQ(Spawn(seed), d.r < bound ? first : second)
                << "lure " << c.lure << " groundbait " << c.groundbait << " seed " << seed;
        }
        g_CannaPesca.m_canna.m_current.type = savedRodType;
    }
    g_Pastura.ClearGrid();
    g_Pastura.m_records.pop_back();
    g_Pastura.m_selected = savedSelected;
    floatOnLine.m_x = savedX;
    floatOnLine.m_y = savedY;
}

TEST_F(SpawnTest, NoAttemptWithAFishOnAndTheNextOnlyThreeSecondsAfterIt)
{
    g_Luogo.Record().presence[lake[0]] = 100;
    g_Gioco.m_state = kSessionFishing;
    plat::SetGameClock(500000);
    g_Gioco.m_lastFishOn = g_Gioco.m_lastSpawn = g_Gioco.m_lastClock = g_Gioco.m_lastTide = 500000;
    g_CannaPesca.m_canna.SetPhase(2);
    for (std::uint32_t t = 500000; t <= 520000; t += 500) {
        plat::SetGameClock(t);
        g_Gioco.Update();
        EXPECT_EQ(g_Gioco.m_lastSpawn, t) << "a fish on keeps the spawn waiting";
    }
    g_CannaPesca.m_canna.SetPhase(0); // landed or lost after the frame at 520000
    plat::SetGameClock(523000);
    g_Gioco.Update();
    EXPECT_EQ(g_Gioco.m_lastSpawn, 520000u) << "exactly 3000 ms is not enough";
    plat::SetGameClock(523001);
    g_Gioco.Update();
    EXPECT_EQ(g_Gioco.m_lastSpawn, 523001u);
    g_Gioco.m_state = kSessionIdle;
}

TEST_F(SpawnTest, ClockAndTideStepOnWrappingTimestampsInEveryState)
{
    g_Gioco.m_state = kSessionGameMenu;
    const std::uint32_t start = 0xFFFFF000u; // the millisecond clock wraps during the test
    plat::SetGameClock(start);
    g_Gioco.m_lastFishOn = g_Gioco.m_lastSpawn = g_Gioco.m_lastClock = g_Gioco.m_lastTide = start;
    const std::int64_t clock0 = g_Calendario.GetClock();
    plat::SetGameClock(start + 2999);
    g_Gioco.Update();
    EXPECT_EQ(g_Calendario.GetClock(), clock0);
    plat::SetGameClock(start + 3000); // past the wrap
    g_Gioco.Update();
    EXPECT_EQ(g_Calendario.GetClock(), clock0 + 3);
    EXPECT_EQ(g_Gioco.m_lastSpawn, start) << "no spawn step outside fishing";
    plat::SetGameClock(start + 60000);
    g_Gioco.Update();
    EXPECT_EQ(g_Gioco.m_lastTide, start + 60000);
    g_Gioco.m_state = kSessionIdle;
}

TEST_F(SpawnTest, MouseRowGivesTheTipAngleAndColumnTheAim)
{
    // 600 rows, divisor 2: span 300 from row 150.
    struct Case {
        int y;
        bool inverted;
        float tip;
    };
    for (Case c : {Case{150, false, 90}, Case{0, false, 90}, Case{450, false, 0}, Case{599, false, 0},
                   Case{300, false, 45}, Case{150, true, 0}, Case{450, true, 90}}) {
        EXPECT_FLOAT_EQ(CGioco::TipAngleOf(c.y, 600, 2, c.inverted), c.tip) << c.y << " " << c.inverted;
    }
    EXPECT_FLOAT_EQ(CGioco::AimAngleOf(200, 800, 2), 180.0f);
    EXPECT_FLOAT_EQ(CGioco::AimAngleOf(600, 800, 2), 0.0f);
    EXPECT_FLOAT_EQ(CGioco::AimAngleOf(400, 800, 2), 90.0f);
    EXPECT_FLOAT_EQ(CGioco::TipAngleOf(10, 2, 1, false), 0.0f) << "a tiny viewport divides by nothing";
}

TEST(SessionHud, ColumnsFollowTheViewportWidth)
{
    const int expected800[5] = {15, 125, 260, 512, 650};
    const int expected1440[5] = {15, 225, 469, 923, 1170};
    for (int c = 0; c < 5; ++c) {
        EXPECT_EQ(CGioco::HudColumn(c, 800), expected800[c]) << c;
        EXPECT_EQ(CGioco::HudColumn(c, 1440), expected1440[c]) << c;
    }
}

// ---- ambient sounds -------------------------------------------------------

class AmbientTest : public SceneTest {
protected:
    void SetUp() override
    {
        SceneTest::SetUp();
        savedVenue = g_Luogo.Record();
        if (!plat::FindResourceByName(plat::ResourceKind::Wave, "A_GRILLO"))
            GTEST_SKIP() << "the sounds are not embedded in this build";
        ASSERT_TRUE(plat::OpenAudio());
        ASSERT_TRUE(g_SndPlayer.Init());
        // What the game started is still playing when the test looks, however
        // long a busy machine makes it wait.
        held.emplace();
        ASSERT_TRUE(held->Holds());
        g_Luogo.Record().TIPO = 1;
        g_Luogo.Record().GEOGRAFIA = 2;
    }
    void TearDown() override
    {
        g_SndPlayer.StopAll();
        held.reset();
        g_SndPlayer.Release();
        plat::CloseAudio();
        g_Luogo.Record() = savedVenue;
        SceneTest::TearDown();
    }
    static bool AnyBirdPlaying()
    {
        for (int i = 8; i <= 22; ++i) // A_U1..A_U12, duck, cicadas, crow
            if (i != 21 && g_SndPlayer.Slot(i).IsPlaying())
                return true;
        return false;
    }
    LuogoRecord savedVenue;
    std::optional<HeldAudio> held;
};

TEST_F(AmbientTest, NightFreshWaterCallsOnlyOnADrawOfAtMostOne)
{
    SetClock(5, 2); // May, 2 at night
    ASSERT_TRUE(g_Calendario.IsNight());
    for (int weather : {kWeatherClear, kWeatherRain}) {
        g_Meteo.SetState(weather);
        for (std::uint32_t seed = 1; seed <= 200; ++seed) {
            plat::SeedRandom(seed);
            const int first = plat::Random() % 100;
            const int k = plat::Random() % 15;
            g_SndPlayer.StopAll();
            plat::SeedRandom(seed);
            g_Gioco.OnTimer0();
            const bool call = first <= 1 && k != 12;
            EXPECT_EQ(AnyBirdPlaying(), call) << "seed " << seed << " weather " << weather;
        }
    }
}

TEST_F(AmbientTest, CricketsSingOnlyOnSpringAndSummerNightsAndStopOutsideThem)
{
    struct Case {
        int month1;
        int hour;
        bool season;
    };
    for (Case c : {Case{3, 2, true}, Case{9, 2, true}, Case{2, 2, false}, Case{10, 2, false}, Case{7, 12, false}}) {
        SetClock(c.month1, c.hour);
        g_SndPlayer.StopAll();
        bool sang = false;
        for (std::uint32_t seed = 1; seed <= 60 && !sang; ++seed) {
            plat::SeedRandom(seed);
            g_Gioco.OnTimer0();
            sang = g_SndPlayer.aGrillo.IsPlaying();
        }
        EXPECT_EQ(sang, c.season) << "month " << c.month1 << " hour " << c.hour;
    }
    // Singing at night in July, then the morning comes: the loop stops at
    // the next step whatever the draws.
    SetClock(7, 2);
    g_SndPlayer.aGrillo.Play(kSoundLooping);
    SetClock(7, 10);
    g_Gioco.OnTimer0();
    EXPECT_FALSE(g_SndPlayer.aGrillo.IsPlaying());
    // Cicadas on a sunny July noon stop when the rain comes.
    g_SndPlayer.aCicale.Play(kSoundLooping);
    g_Meteo.SetState(kWeatherRain);
    g_Gioco.OnTimer0();
    EXPECT_FALSE(g_SndPlayer.aCicale.IsPlaying());
}

TEST_F(AmbientTest, ThunderNeverStartsOverThunderAndSeaNightsHaveNoGullOrShip)
{
    g_Luogo.Record().TIPO = 2;
    SetClock(7, 2);
    g_Meteo.SetState(kWeatherRain);
    g_Meteo.SetWind(3, 0);
    g_SndPlayer.temporale2.Play();
    bool heardThunder1 = false;
    for (std::uint32_t seed = 1; seed <= 200; ++seed) {
        plat::SeedRandom(seed);
        g_Gioco.OnTimer0();
        heardThunder1 |= g_SndPlayer.temporale1.IsPlaying();
        EXPECT_FALSE(g_SndPlayer.aGabbiano.IsPlaying());
        EXPECT_FALSE(g_SndPlayer.nave1.IsPlaying() || g_SndPlayer.nave2.IsPlaying());
    }
    ASSERT_TRUE(g_SndPlayer.temporale2.IsPlaying()) << "the thunder sound must outlast the loop";
    EXPECT_FALSE(heardThunder1);
    // Without thunder playing it can be heard at sea at night.
    g_SndPlayer.StopAll();
    bool thunder = false;
    for (std::uint32_t seed = 1; seed <= 200 && !thunder; ++seed) {
        plat::SeedRandom(seed);
        g_Gioco.OnTimer0();
        thunder = g_SndPlayer.temporale1.IsPlaying() || g_SndPlayer.temporale2.IsPlaying();
    }
    EXPECT_TRUE(thunder);
}

} // namespace
