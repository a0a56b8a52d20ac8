// A tournament played through the real program on a fast clock: the main
// menu's button, the countdown in every state it must run in, a fight that
// holds the end, the stored results, the saved log's place, the tournament
// screen after the results, and a free session after it without a clock.
#include "platform/Clock.h"
#include "screens/MenuPrincipale.h"
#include "shell/GestFile.h"
#include "simulation/tackle/CannaPesca.h"
#include "simulation/session/Gara.h"
#include "simulation/session/Gioco.h"
#include "simulation/scene/Pesce.h"
#include "simulation/session/Sessione.h"
#include "tests/app/Journey.h"
#include "world/Luogo.h"
#include "world/Pesci.h"

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

class TournamentJourney : public JourneyTest {
protected:
    void SetUp() override
    {
        JourneyTest::SetUp();
        // Every journey's game time starts at the same origin, so a tick
        // stamped by an earlier test in this process could still lie ahead;
        // a fresh program has never run it.
        g_Gioco.m_timer[1].last = 0;
    }
    void TearDown() override
    {
        g_Gara.m_running = 0;
        g_CannaPesca.m_canna.SetPhase(0);
        JourneyTest::TearDown();
    }
    // Game frames up to each of count ticks of the tournament clock, at most
    // 101 for each (a clock that does not run shows as a missing second).
    // A timed operation is due strictly more than its interval after its
    // last run, so the one-second tick comes every 101 game frames of 10 ms;
    // stopping right after a tick keeps the frames of the clicks in between
    // from reaching the next one.
    // With fishOn the fish stays on, struck, through every frame, as a fight
    // that lasts that long would (the fight itself is not driven).
    void Seconds(int count, bool fishOn = false)
    {
        for (int i = 0; i < count; ++i) {
            const int before = g_Gara.m_remainingSeconds;
            for (int frame = 0; frame < 101 && g_Gara.m_remainingSeconds == before; ++frame) {
                if (fishOn) {
                    g_CannaPesca.m_canna.SetPhase(2);
                    g_CannaPesca.m_strike = 1;
                }
                Frame();
            }
        }
    }
};

TEST_F(TournamentJourney, CountdownFightEndResultsAndAFreeSessionAfter)
{
    JourneyOptions options;
    options.settings = {{"TEMPOGARA", "5"}, {"PESCATORIGARA", "12"}};
    ASSERT_EQ(StartJourney(options), 0);
    Click(kMainMenuButtonX, MainMenuButtonY(CMenuPrincipale::kTournament));
    ASSERT_EQ(Screen(), kScreenSession);
    ASSERT_EQ(g_Gioco.GetState(), kSessionStartPanel);
    ASSERT_TRUE(g_Gara.IsRunning());
    const int event = g_Gara.m_currentEvent;
    EXPECT_STREQ(g_Luogo.Record().name, g_Gara.m_events[event].venueName);
    EXPECT_EQ(g_Gara.InPlay(), 12);

    int left = g_Gara.m_remainingSeconds;
    EXPECT_LE(left, 5 * 60);
    Seconds(3);
    EXPECT_EQ(g_Gara.m_remainingSeconds, left - 3) << "the start panel does not stop the clock";
    left = g_Gara.m_remainingSeconds;

    Click(345, 350); // OK on the start panel
    ASSERT_EQ(g_Gioco.GetState(), kSessionFishing);
    Seconds(2);
    EXPECT_EQ(g_Gara.m_remainingSeconds, left - 2) << "fishing";
    left = g_Gara.m_remainingSeconds;

    // The game menu, and from it another screen: the frame keeps the clock.
    Key('M');
    ASSERT_EQ(g_Gioco.GetState(), kSessionGameMenu);
    Click(400, 227); // "Fishes"
    ASSERT_EQ(Screen(), kScreenFishes);
    Seconds(2);
    EXPECT_EQ(g_Gara.m_remainingSeconds, left - 2) << "another screen over the game menu";
    Click(215, 532); // Back
    ASSERT_EQ(Screen(), kScreenSession);
    ASSERT_EQ(g_Gioco.GetState(), kSessionGameMenu);
    Click(400, 312); // "Start fishing"
    ASSERT_EQ(g_Gioco.GetState(), kSessionFishing);

    // Rather than wait out five minutes, the counter is set close to its end;
    // the fight itself is not driven, its phase is set the way a strike
    // leaves it.
    g_Gara.m_remainingSeconds = 2;
    g_CannaPesca.m_canna.SetPhase(2);
    g_CannaPesca.m_strike = 1;
    Seconds(4, true);
    EXPECT_EQ(g_Gara.m_remainingSeconds, -2) << "the counter runs on below 0 during the fight";
    EXPECT_EQ(g_Gioco.GetState(), kSessionFishing) << "the end waits for the fight";

    // Landed the way CPesce::CheckLanding reports it: details, then the log.
    g_CannaPesca.m_canna.SetPhase(0);
    const unsigned species = 3;
    LandFish(species, 1250.0f, 42);
    Seconds(1);
    EXPECT_EQ(g_Gioco.GetState(), kSessionCatchDetails) << "the catch details hold the end too";
    Click(345, 310); // OK
    Seconds(1);
    ASSERT_EQ(g_Gioco.GetState(), kSessionResults);

    const GaraRisultato& mine = g_Gara.m_playerResults[event];
    EXPECT_EQ(mine.count, 1);
    EXPECT_EQ(mine.score, CGara::MakeScore(1, 1250));
    EXPECT_FLOAT_EQ(mine.totalWeight, 1250.0f);
    EXPECT_EQ(mine.longestLength, 42);
    // Every rival in play fished the event: each score is its own catches'.
    int rivalCatches = 0;
    for (int c = 0; c < g_Gara.InPlay(); ++c) {
        const GaraRisultato& r = g_Gara.m_results[c][event];
        rivalCatches += r.count;
        EXPECT_EQ(r.score, CGara::MakeScore(r.count, int(r.totalWeight))) << c;
        EXPECT_LE(r.biggestWeight, r.totalWeight) << c;
    }
    EXPECT_GT(rivalCatches, 0) << "the rivals' results were stored";
    const int place = g_Gara.GetPlace(event);
    EXPECT_GE(place, 1);
    EXPECT_LE(place, 13);
    Shot("journey_tournament_results");

    const std::string folder = g_GestFile.GetDataSubfolder(CGestFile::D_CATTURE);
    Click(420, 490); // Save
    std::vector<std::filesystem::path> logs;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        logs.push_back(entry.path());
    ASSERT_EQ(logs.size(), 1u);
    std::ifstream in(logs[0], std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    ASSERT_GE(bytes.size(), 4u);
    std::int32_t stored = -1;
    std::memcpy(&stored, bytes.data() + bytes.size() - 4, 4);
    EXPECT_EQ(stored, place) << "the log ends with the player's place";

    Click(270, 490); // OK
    EXPECT_EQ(Screen(), kScreenTournament);
    EXPECT_FALSE(g_Gara.IsRunning());
    Click(115, 522); // Back
    ASSERT_EQ(Screen(), kScreenMainMenu);

    Click(kMainMenuButtonX, MainMenuButtonY(CMenuPrincipale::kStartFishing));
    ASSERT_EQ(Screen(), kScreenSession);
    EXPECT_FALSE(g_Gara.IsRunning());
    left = g_Gara.m_remainingSeconds;
    Click(345, 350);
    ASSERT_EQ(g_Gioco.GetState(), kSessionFishing);
    Seconds(3);
    EXPECT_EQ(g_Gara.m_remainingSeconds, left) << "a free session has no countdown";
    EXPECT_EQ(g_Gioco.GetState(), kSessionFishing);
}

} // namespace
