#include "tests/app/AppHarness.h"

#include "shell/Opzioni.h"
#include "simulation/scene/Effetti.h"
#include "simulation/session/Gioco.h"
#include "simulation/tackle/Pastura.h"
#include "simulation/scene/Sfondo.h"
#include "world/Fondale.h"
#include "world/Luogo.h"
#include "world/Meteo.h"

#include <gtest/gtest.h>

// A session opens on the selected venue: its bottom applied, fish zones
// scattered, clear weather, no leftover effects or groundbait, and its picture behind the
// session screen.
TEST_F(AppTest, NewSessionShowsTheVenueWithFreshFishZones)
{
    ASSERT_EQ(Start(), 0);
    EXPECT_STREQ(g_Luogo.Record().id, g_Opzioni.waters == 1 ? "INTERNAL_1" : "INTERNAL_0");
    EXPECT_EQ(g_Sfondo.m_fromResource, 1);
    g_Meteo.SetState(kWeatherFog);
    g_Effetti.m_jumpActive = 1;
    g_Fondale.Clear();
    // The start-up loaded the groundbait; a throw from the last session
    // does not carry over.
    ASSERT_GE(g_Pastura.GetCount(), 1);
    g_Pastura.Throw(400, 400);
    ASSERT_GE(g_Pastura.GetCellAt(400, 400), 0);
    g_pApp->NewSession();
    EXPECT_EQ(g_Pastura.GetCellAt(400, 400), -1);
    EXPECT_EQ(Screen(), 9);
    EXPECT_EQ(g_Meteo.GetState(), kWeatherClear);
    EXPECT_EQ(g_Effetti.m_jumpActive, 0);
    EXPECT_GT(g_Fondale.CountFishCells(), 50);
    EXPECT_GT(g_Fondale.GetCellDepth(16, 16), 0);
    Frame();
    // The picture, not the clear colour, fills the screen.
    EXPECT_NE(Pixel(400, 50), 0xFF8603BDu);
    EXPECT_NE(Pixel(400, 500), 0xFF8603BDu);
}

TEST_F(AppTest, VenuesScreenListsTheVenuesOfTheWatersSetting)
{
    ASSERT_EQ(Start(), 0);
    g_Opzioni.waters = 1;
    g_pApp->GoToVenues();
    EXPECT_EQ(Screen(), 4);
    EXPECT_EQ(g_Luogo.VenueList().FindByKey("INTERNAL_0")->enabled, 0);
    EXPECT_EQ(g_Luogo.VenueList().FindByKey("INTERNAL_1")->enabled, 1);
}
