// A tournament through the real application: it opens its session on the
// drawn venue and date, the tournament screen ends it, and a free session
// after it has no countdown.
#include "platform/Clock.h"
#include "platform/Random.h"
#include "shell/Opzioni.h"
#include "simulation/session/Gara.h"
#include "simulation/session/Gioco.h"
#include "tests/app/AppHarness.h"
#include "world/Calendario.h"
#include "world/Luogo.h"

TEST_F(AppTest, TournamentOpensItsSessionOnTheDrawnVenueAndDate)
{
    ASSERT_EQ(Start(), 0);
    g_Opzioni.tournamentTime = 1000000;
    g_Opzioni.tournamentFishermen = 45;
    plat::SetGameClock(31337);
    plat::SeedRandom(11);
    g_Gara.Start();
    Frame();

    EXPECT_EQ(Screen(), kScreenSession);
    EXPECT_EQ(g_Gioco.GetState(), kSessionStartPanel);
    EXPECT_TRUE(g_Gara.IsRunning());
    EXPECT_EQ(g_Gara.m_competitorCount, 30);
    // The session's tournament clock takes its first second in the first frame.
    EXPECT_EQ(g_Gara.m_remainingSeconds, 180 * 60 - 1);
    const GaraEvento& ev = g_Gara.m_events[0];
    EXPECT_STREQ(g_Luogo.Record().name, ev.venueName);
    EXPECT_EQ(ev.day, g_Calendario.GetDayOfMonth());
    EXPECT_EQ(ev.month, g_Calendario.GetMonth() + 1);
    EXPECT_EQ(ev.startHour, g_Calendario.GetHour());

    // Entering the tournament screen shows the results once and ends it.
    g_pApp->GoToTournament();
    EXPECT_EQ(Screen(), kScreenTournament);
    EXPECT_FALSE(g_Gara.IsRunning());
    g_pApp->ReturnFromScreen(false);
    EXPECT_EQ(Screen(), kScreenMainMenu);

    g_pApp->NewSession();
    EXPECT_EQ(Screen(), kScreenSession);
    EXPECT_FALSE(g_Gara.IsRunning());
}
