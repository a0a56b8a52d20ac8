// The session under a running tournament: its clock, held by a fight and by
// the catch details, the end it forces (also over an open question and on
// another screen), and what a tournament adds to the statistics.
#include "tests/app/AppHarness.h"

#include "platform/Clock.h"
#include "simulation/tackle/CannaPesca.h"
#include "simulation/session/Gara.h"
#include "simulation/session/Gioco.h"
#include "simulation/session/Statistiche.h"

namespace {

class TournamentSession : public AppTest {
protected:
    void TearDown() override
    {
        g_Gara.m_running = 0;
        g_CannaPesca.m_canna.SetPhase(0);
        AppTest::TearDown();
    }
    // A session opened and fishing with a tournament running and this many
    // seconds left in its event.
    void StartTournamentSession(int seconds)
    {
        ASSERT_EQ(Start(), 0);
        g_pApp->NewSession();
        g_Gara.m_running = 1;
        g_Gara.m_currentEvent = 0;
        g_Gara.m_remainingSeconds = seconds;
        g_Gara.ClearPlayerResults();
        g_Gioco.ConfirmStartPanel();
        ASSERT_EQ(g_Gioco.GetState(), kSessionFishing);
    }
};

TEST_F(TournamentSession, FightAndCatchDetailsHoldTheEndUntilTheyAreOver)
{
    StartTournamentSession(2);
    g_CannaPesca.m_canna.SetPhase(2); // a fish on
    for (int i = 0; i < 4; ++i)
        g_Gioco.OnTimer1();
    EXPECT_EQ(g_Gara.m_remainingSeconds, -2) << "the counter runs on below 0";
    EXPECT_EQ(g_Gioco.GetState(), kSessionFishing);
    g_CannaPesca.m_canna.SetPhase(0); // landed
    g_Gioco.ShowCatchDetails();
    g_Gioco.OnTimer1();
    EXPECT_EQ(g_Gioco.GetState(), kSessionCatchDetails);
    g_Gioco.EnterFishing();
    g_Gioco.OnTimer1();
    EXPECT_EQ(g_Gioco.GetState(), kSessionResults);
}

TEST_F(TournamentSession, NoCatchCountsATournamentWithoutACatchAndNoPlace)
{
    StartTournamentSession(100);
    const CStatistiche before = g_Statistiche;
    Key(plat::kKeyEscape);
    EXPECT_STREQ(g_Gioco.m_ask.m_text, "Do you want terminate tournament?");
    g_Gioco.EndSession();
    EXPECT_EQ(g_Statistiche.m_sessions, before.m_sessions + 1);
    EXPECT_EQ(g_Statistiche.m_tournaments, before.m_tournaments + 1);
    EXPECT_EQ(g_Statistiche.m_tournamentsWithoutCatch, before.m_tournamentsWithoutCatch + 1);
    EXPECT_EQ(g_Statistiche.m_firsts, before.m_firsts);
    EXPECT_EQ(g_Statistiche.m_seconds, before.m_seconds);
    EXPECT_EQ(g_Statistiche.m_thirds, before.m_thirds);
    EXPECT_EQ(g_Gara.GetPlace(0), 0);
}

TEST_F(TournamentSession, ClockEndsTheSessionOverTheQuestionAndOnAnotherScreen)
{
    StartTournamentSession(1);
    // "End the tournament?" is open when the time runs out: the answer no
    // longer matters, and No must not resume fishing.
    Key(plat::kKeyEscape);
    ASSERT_TRUE(g_Gioco.IsAsking());
    g_Gioco.OnTimer1();
    EXPECT_FALSE(g_Gioco.IsAsking());
    EXPECT_EQ(g_Gioco.GetState(), kSessionResults);

    // Time runs out while a screen opened from the game menu is current: the
    // frame keeps the clock going, and Back shows the results.
    g_Gara.m_running = 1;
    g_Gara.m_remainingSeconds = 2;
    g_Gioco.m_state = kSessionGameMenu;
    g_pApp->GoToFishes();
    Frame(400); // four seconds of game time
    EXPECT_EQ(g_Gioco.GetState(), kSessionResults);
    EXPECT_EQ(Screen(), kScreenFishes);
    g_pApp->ReturnFromScreen(false);
    EXPECT_EQ(Screen(), kScreenSession);
    EXPECT_EQ(g_Gioco.GetState(), kSessionResults);
}

} // namespace
