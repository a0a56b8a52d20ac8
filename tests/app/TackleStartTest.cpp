// The start-up puts the player's rig and baits on the rod, and writes the
// rig's own name back to the settings.
#include "app/Program.h"
#include "simulation/tackle/CannaPesca.h"
#include "simulation/tackle/Esca.h"
#include "tests/app/AppHarness.h"
#include "tests/simulation/tackle/TackleFixture.h"

namespace {

using tackle_test::Crlf;

TEST_F(AppTest, StartsWithTheRigAndBaitsOfTheSettings)
{
    folders.Write("appdata/Karvelin/Karvelin.ini",
                  Crlf("[KARVELIN]\nBUILD=232005\nLINGUA=0\nLENZA=Carp rig\nESCA_FI=corn.kve\n"
                       "ESCA_B1=worm.kve\nESCA_B2=bread.kve\n"));
    folders.Write("appdata/Karvelin/Lenze/Carp rig.kvz",
                  Crlf("[CONFIGURAZIONE]\nNOME=Carp rig\n[CANNA]\nFILE=carp.kvn\nLUNGHEZZA=600\n"
                       "[BRACCIOLO_0]\nINUSO=1\nPOSIZIONE_BRACCIOLO=60\nLUNGHEZZA_FINALE=20\n[AMO]\nFILE=INTERNAL_1\n"));
    folders.Write("program/Canne/carp.kvn", Crlf("[CANNA]\nNOME=Carp pole\nTIPO=0\n"));
    for (const char* bait : {"corn", "worm", "bread"})
        folders.Write(std::string("program/Esche/") + bait + ".kve", Crlf(std::string("[ESCA]\nNOME=") + bait + "\nTIPO=6\n"));

    ASSERT_EQ(Start(), 0);
    EXPECT_STREQ(g_CannaPesca.m_name, "Carp rig");
    EXPECT_STREQ(g_CannaPesca.m_canna.m_current.id, "carp.kvn");
    EXPECT_FLOAT_EQ(g_CannaPesca.m_canna.GetLength(), 600.0f);
    EXPECT_TRUE(g_CannaPesca.m_lenza.m_droppers[0].m_inUse);
    EXPECT_STREQ(g_CannaPesca.m_lenza.m_leader.m_hook.m_current.id, "INTERNAL_1");
    EXPECT_STREQ(g_Esca.GetSlot(2).id, "corn.kve");
    EXPECT_STREQ(g_Esca.GetSlot(1).id, "worm.kve");
    EXPECT_STREQ(g_Esca.GetSlot(0).id, "bread.kve");
    EXPECT_NE(Settings().find("LENZA=Carp rig\r\n"), std::string::npos);
    EXPECT_EQ(Screen(), 1);
    Frame();
}

// A rig that is gone at start-up leaves the default rig and an empty name;
// the baits that are gone leave the maggot on their hooks, and the settings
// keep the player's bait ids.
TEST_F(AppTest, StartsWithTheDefaultRigWhenTheSettingsNameNone)
{
    folders.Write("appdata/Karvelin/Karvelin.ini",
                  Crlf("[KARVELIN]\nBUILD=232005\nLINGUA=0\nLENZA=Gone rig\nESCA_FI=gone.kve\n"));
    ASSERT_EQ(Start(), 0);
    EXPECT_STREQ(g_CannaPesca.m_name, "");
    EXPECT_STREQ(g_CannaPesca.m_canna.m_current.name, "Norva GRY01");
    EXPECT_STREQ(g_Esca.GetSlot(2).id, "INTERNAL_0");
    const std::string ini = Settings();
    EXPECT_NE(ini.find("LENZA=\r\n"), std::string::npos) << ini;
    EXPECT_NE(ini.find("ESCA_FI=gone.kve\r\n"), std::string::npos) << ini;
}

} // namespace
