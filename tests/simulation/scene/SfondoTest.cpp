#include "simulation/scene/Sfondo.h"

#include "platform/Files.h"
#include "simulation/tackle/Cerchi.h"
#include "simulation/scene/Effetti.h"
#include "tests/simulation/tackle/SceneFixture.h"
#include "tests/support/BuildFolder.h"
#include "world/Fondale.h"
#include "world/Luogo.h"
#include "world/SceneLinks.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>

namespace {

using scene_test::SceneTest;

class SfondoTest : public SceneTest {
protected:
    void SetUp() override
    {
        SceneTest::SetUp();
        background.Load(dev.get());
    }
    LuogoRecord Venue(const char* id, const char* folder, const char* photo)
    {
        LuogoRecord r = g_Luogo.Record();
        std::strcpy(r.id, id);
        std::strcpy(r.folder, folder);
        std::strcpy(r.photoFile, photo);
        return r;
    }
    void Draw()
    {
        dev->Clear(kBlack);
        dev->BeginScene();
        background.Render(dev.get());
        dev->EndScene();
    }
    CSfondo background;
};

TEST_F(SfondoTest, PictureFallbacks)
{
    struct Case {
        const char* id;
        const char* photo;
        int waters;
        std::uint32_t bitmap;
    };
    const Case cases[] = {
        {"x.kvl", "NOME_FILE_FOTO_NULL", 0, kBitmapLakeBackground},
        {"x.kvl", "NOME_FILE_FOTO_NULL", 2, kBitmapLakeBackground},
        {"x.kvl", "NOME_FILE_FOTO_NULL", 1, kBitmapSeaBackground},
        {"INTERNAL_1", "", 0, kBitmapSeaBackground},
        {"INTERNAL_0", "", 0, kBitmapLakeBackground},
    };
    for (const Case& c : cases) {
        g_Opzioni.waters = c.waters;
        background.LoadVenuePicture(dev.get(), Venue(c.id, "", c.photo));
        EXPECT_EQ(background.m_fromResource, 1) << c.id;
        EXPECT_EQ(background.m_bitmapId, c.bitmap) << c.id << " " << c.waters;
        EXPECT_EQ(background.m_venuePhoto.m_bitmapId, c.bitmap);
        EXPECT_FLOAT_EQ(background.m_venuePhoto.m_scale, 0.5f);
    }
}

TEST_F(SfondoTest, UnreadablePhotoShowsTheBuiltInPictureAndIsLogged)
{
    g_Opzioni.waters = 0;
    tmp.Write("program/Luoghi/broken.png", "this is not a picture");
    const std::string folder = tmp.Program() + "/Luoghi";
    for (const char* photo : {"missing.png", "broken.png"}) {
        const std::string before = ErrorLog();
        background.LoadVenuePicture(dev.get(), Venue("v.kvl", folder.c_str(), photo));
        EXPECT_EQ(background.m_fromResource, 1) << photo;
        EXPECT_EQ(background.m_bitmapId, kBitmapLakeBackground) << photo;
        const std::string added = ErrorLog().substr(before.size());
        EXPECT_NE(added.find(photo), std::string::npos) << added;
    }
    // A good photo is the background itself.
    background.LoadVenuePicture(dev.get(), Venue("v.kvl", ShippedVenues().c_str(), "Canale.png"));
    EXPECT_EQ(background.m_fromResource, 0);
    EXPECT_NE(std::string(background.m_path).find("Canale.png"), std::string::npos);
}

TEST_F(SfondoTest, RippleByVenue)
{
    struct Case {
        int type, current;
        float amplitude, period, factor;
    };
    const Case cases[] = {{2, 3, 3.0f, 3.0f, 30.0f},   {2, 0, 3.0f, 3.0f, 30.0f},    {1, 0, 1.1f, 1.1f, 50.0f},
                          {0, 1, 10.0f, 15.0f, 50.0f}, {0, 2, 10.0f, 15.0f, 80.0f}, {0, 3, 10.0f, 15.0f, 80.0f},
                          {0, -1, 10.0f, 15.0f, 50.0f}};
    for (const Case& c : cases) {
        LuogoRecord r = g_Luogo.Record();
        r.TIPO = c.type;
        r.CORRENTE = c.current;
        background.SetRipple(r);
        EXPECT_FLOAT_EQ(background.m_rippleAmplitude, c.amplitude) << c.type << " " << c.current;
        EXPECT_FLOAT_EQ(background.m_ripplePeriod, c.period);
        EXPECT_FLOAT_EQ(background.m_rippleFactor, c.factor);
    }
}

TEST_F(SfondoTest, TheBandRipplesTheLowerRowsOnly)
{
    EXPECT_EQ(CSfondo::BandRows(600), 330);
    const int firstRow = 600 - CSfondo::BandRows(600) - 1; // the band's first
    g_Opzioni.waters = 0;
    g_Luogo.LoadVenue("", kVenueLake);
    background.LoadVenuePicture(dev.get(), g_Luogo.Record());
    LuogoRecord river = g_Luogo.Record();
    river.TIPO = 0;
    river.CORRENTE = 2;
    background.SetRipple(river);
    // The shift grows toward the bottom of the band and is never taken
    // from above the band's first row.
    int biggest = 0;
    for (int i = 0; i < 330; ++i) {
        const int d = background.RowShift(i, 330);
        if (i < -d)
            continue;
        EXPECT_GE(firstRow + i - d, firstRow) << i;
        biggest = std::max(biggest, std::abs(d));
    }
    EXPECT_GE(biggest, 5);
    EXPECT_LE(std::abs(background.RowShift(0, 330)), 1);

    // With the clock at noon the picture shows as painted above the band.
    Draw();
    plat::Image first;
    dev->ReadPixels(first);
    background.m_ripplePhase = 6;
    Draw();
    plat::Image second;
    dev->ReadPixels(second);
    int changedAbove = 0, changedBelow = 0;
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; x += 4)
            if (first.At(x, y) != second.At(x, y))
                (y < firstRow ? changedAbove : changedBelow) += 1;
    EXPECT_EQ(changedAbove, 0);
    EXPECT_GT(changedBelow, 100);
}

TEST_F(SfondoTest, PhaseCyclesThroughTwelveStepsOf80Ms)
{
    std::set<int> seen;
    const int start = background.m_ripplePhase;
    EXPECT_EQ(start, 1);
    for (int i = 0; i < 12; ++i) {
        plat::StepGameClock(81);
        background.RunTimer0();
        seen.insert(background.m_ripplePhase);
    }
    EXPECT_EQ(seen.size(), 12u);
    EXPECT_EQ(background.m_ripplePhase, start);
    plat::StepGameClock(40);
    background.RunTimer0();
    EXPECT_EQ(background.m_ripplePhase, start);
}

TEST_F(SfondoTest, SelectingAVenueHandsItsPictureToTheGameBackground)
{
    ASSERT_NE(GetVenuePictureLink(), nullptr);
    g_Sfondo.Load(dev.get());
    tmp.Write("program/Luoghi/sea.kvl", "[LUOGO]\r\nNOME=Sea spot\r\nTIPO=2\r\n");
    g_Opzioni.waters = 2;
    g_Luogo.Load(dev.get());
    for (int i = 0; i < g_Luogo.VenueList().GetCount(); ++i)
        if (std::strcmp(g_Luogo.VenueList().GetItem(i)->key, "sea.kvl") == 0) {
            ASSERT_TRUE(g_Luogo.SelectByIndex(g_Luogo.VenueList().GetItem(i)->id));
        }
    EXPECT_EQ(g_Sfondo.m_bitmapId, kBitmapLakeBackground); // no photo, waters not sea
    EXPECT_FLOAT_EQ(g_Sfondo.m_rippleFactor, 30.0f);
    g_Opzioni.waters = 1;
    g_Luogo.FilterVenueList();
    g_Luogo.SelectDefaultVenue();
    EXPECT_EQ(g_Sfondo.m_bitmapId, kBitmapSeaBackground);
}

TEST_F(SfondoTest, LostDeviceBringsThePictureBack)
{
    background.LoadVenuePicture(dev.get(), Venue("v.kvl", ShippedVenues().c_str(), "Secca.png"));
    Draw();
    plat::Image before;
    dev->ReadPixels(before);
    background.OnLostDevice();
    EXPECT_FALSE(background.m_texture);
    background.OnResetDevice(dev.get());
    background.m_ripplePhase = 1;
    Draw();
    plat::Image after;
    dev->ReadPixels(after);
    EXPECT_TRUE(before.pixels == after.pixels);
}

TEST_F(SfondoTest, PhotoGoneDuringALostDeviceFallsBackAtTheReset)
{
    std::string bytes;
    ASSERT_TRUE(plat::ReadWholeFile(ShippedVenues() + "/Bacino.png", bytes));
    tmp.Write("program/Luoghi/mine.png", bytes);
    const std::string folder = tmp.Program() + "/Luoghi";
    g_Opzioni.waters = 0;
    background.LoadVenuePicture(dev.get(), Venue("mine.kvl", folder.c_str(), "mine.png"));
    ASSERT_EQ(background.m_fromResource, 0);
    background.OnLostDevice();
    ASSERT_TRUE(plat::DeleteFile(folder + "/mine.png"));
    background.OnResetDevice(dev.get());
    EXPECT_EQ(background.m_fromResource, 1);
    EXPECT_EQ(background.m_bitmapId, kBitmapLakeBackground);
    EXPECT_NE(ErrorLog().find("mine.png"), std::string::npos);
    Draw();
    EXPECT_TRUE(AnyInk(0, 0, 800, 600));
}

// Pictures for a person to look at: every shipped venue with its water
// line drawn in red, and one scene with rain, rings, a jump, a surface fish
// and the fish-zone overlay.
TEST_F(SfondoTest, PicturesToLookAt)
{
    const char* photos[] = {"FiumePianura", "TorrenteAlpino", "Canale", "Bacino", "Spiaggia", "Secca"};
    plat::Image sheet(3 * 400, 2 * 300, 0xFF000000u);
    int k = 0;
    for (const char* name : photos) {
        const std::string file = std::string(name) + ".kvl";
        g_Luogo.LoadVenue(ShippedVenues().c_str(), file.c_str());
        background.LoadVenuePicture(dev.get(), g_Luogo.Record());
        ASSERT_EQ(background.m_fromResource, 0) << name;
        Draw();
        plat::Image shot;
        dev->ReadPixels(shot);
        for (int x = 0; x < 800; ++x)
            shot.At(x, std::clamp(g_Luogo.GetUpperLimitAt(x, true), 0, 599)) = 0xFFFF0000u;
        for (int y = 0; y < 300; ++y)
            for (int x = 0; x < 400; ++x)
                sheet.At((k % 3) * 400 + x, (k / 3) * 300 + y) = shot.At(2 * x, 2 * y) | 0xFF000000u;
        ++k;
    }
    EXPECT_TRUE(plat::SavePng(testing_support::BuildFolderFile("venue_pictures.png"), sheet));

    g_Luogo.LoadVenue(ShippedVenues().c_str(), "FiumePianura.kvl");
    background.LoadVenuePicture(dev.get(), g_Luogo.Record());
    g_GestCerchi.Load(dev.get());
    g_Meteo.Init(dev.get());
    CEffetti fx(dev.get());
    g_Fondale.Clear();
    plat::SeedRandom(5);
    g_Fondale.PlaceFishZones(30);
    g_Opzioni.weather = 2;
    g_Meteo.NewDay();
    fx.m_jumpActive = 1;
    fx.m_jump.m_visible = 1;
    fx.m_jump.m_column = 2;
    fx.m_jump.SetX(300);
    fx.m_jump.SetY(380);
    fx.m_jump.ApplyScaleRamp();
    fx.m_surfaceActive = 1;
    fx.m_surfacePhase = 2;
    fx.m_surface.m_visible = 1;
    fx.m_surface.m_alpha = 0.5f;
    fx.m_surface.SetX(560);
    fx.m_surface.SetY(470);
    fx.m_surface.ApplyScaleRamp();
    fx.ToggleOverlay();
    for (int i = 0; i < 6; ++i)
        g_GestCerchi.SpawnBig(150 + 90 * i, 300 + 40 * i, true);
    struct Labels {
        static bool Depth(int y, float& cm)
        {
            cm = float(600 - y) * 25.0f;
            return true;
        }
    };
    static const RigLink labels = {nullptr, nullptr, nullptr, Labels::Depth};
    SetRigLink(&labels);
    for (int frame = 0; frame < 3; ++frame) {
        dev->Clear(kBlack);
        dev->BeginScene();
        background.Render(dev.get());
        g_Meteo.Draw(dev.get());
        g_GestCerchi.Render(dev.get());
        fx.Render(dev.get());
        g_Meteo.DrawIcon(dev.get());
        dev->EndScene();
        plat::StepGameClock(40);
    }
    SetRigLink(nullptr);
    plat::Image scene;
    dev->ReadPixels(scene);
    EXPECT_TRUE(plat::SavePng(testing_support::BuildFolderFile("scene_river.png"), scene));
    EXPECT_TRUE(AnyInk(0, 0, 800, 600));

    // The harbour on a foggy morning.
    g_Luogo.LoadVenue("", kVenueSea);
    background.LoadVenuePicture(dev.get(), g_Luogo.Record());
    g_Opzioni.weather = 4;
    g_Meteo.NewDay();
    fx.Clear();
    dev->Clear(kBlack);
    dev->BeginScene();
    background.Render(dev.get());
    g_Meteo.Draw(dev.get());
    g_Meteo.DrawIcon(dev.get());
    dev->EndScene();
    dev->ReadPixels(scene);
    EXPECT_TRUE(plat::SavePng(testing_support::BuildFolderFile("scene_harbour_fog.png"), scene));
}

} // namespace
