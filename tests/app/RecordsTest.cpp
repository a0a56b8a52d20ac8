// The player's records as the program reaches them: the statistics read at
// start-up and the catch log opened with every new session.
#include "simulation/session/Sessione.h"
#include "simulation/session/Statistiche.h"
#include "tests/app/AppHarness.h"
#include "world/Calendario.h"

#include <cstdint>
#include <cstring>

namespace {

TEST_F(AppTest, StartUpReadsTheStatisticsAndANewSessionOpensTheCatchLog)
{
    folders.Write("appdata/Karvelin/Karvelin.ini", "[KARVELIN]\nBUILD=232005\nGIOCATORE=Rita\n");
    // A record of three sessions and nothing else: its sum is 3.
    std::string sta(301, '\0');
    std::memcpy(&sta[0], "Rita", 4);
    sta[41] = 3;
    for (int slot = 0; slot < 5; ++slot)
        std::memset(&sta[static_cast<std::size_t>(77 + 44 * slot)], 0xFF, 4);
    sta[297] = 3;
    folders.Write("appdata/Karvelin/karvelin.sta", sta);

    g_Statistiche.Clear();
    ASSERT_EQ(Start(), 0);
    EXPECT_EQ(3, g_Statistiche.m_sessions);
    EXPECT_STREQ("Rita", g_Statistiche.m_name);
    EXPECT_EQ(-1, g_Statistiche.m_best[4].id);

    g_Sessione.AddCatch(1, 100, 10);
    g_pApp->NewSession();
    EXPECT_EQ(0, g_Sessione.GetCount());
    EXPECT_STREQ("Rita", g_Sessione.m_player);
    char date[16];
    g_Calendario.FormatDate(date);
    EXPECT_STREQ(date, g_Sessione.m_date);
    EXPECT_EQ(g_Calendario.GetMinuteOfDay(), g_Sessione.m_minutes);
}

} // namespace
