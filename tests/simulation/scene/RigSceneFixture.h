#pragma once
// The rig in the fishing scene on a headless 800 x 600 device: fresh
// folders, the real rod assembly and net loaded, a fake clock stepped 10 ms
// a frame and a seeded generator.
#include "platform/Clock.h"
#include "platform/Random.h"
#include "shell/GestFile.h"
#include "simulation/tackle/CannaPesca.h"
#include "simulation/tackle/Esca.h"
#include "simulation/scene/Pesce.h"
#include "simulation/scene/Retino.h"
#include "tests/shell/GfxFixture.h"
#include "tests/simulation/tackle/FreshRig.h"
#include "tests/support/BuildFolder.h"
#include "tests/support/TempFolders.h"
#include "simulation/scene/Sfondo.h"
#include "world/Fondale.h"
#include "world/Luogo.h"
#include "world/Meteo.h"

#include <cstdint>
#include <initializer_list>
#include <utility>

namespace rig_test {

// The first seed whose first draws, each modulo its m, are the wanted
// values: {{m, value}, ...}.
inline std::uint32_t SeedDrawing(std::initializer_list<std::pair<int, int>> draws)
{
    for (std::uint32_t seed = 1;; ++seed) {
        plat::SeedRandom(seed);
        bool all = true;
        for (const auto& [modulo, wanted] : draws)
            all = all && int(plat::Random() % unsigned(modulo)) == wanted;
        if (all)
            return seed;
    }
}

class RigSceneTest : public gfx_test::GfxTest {
protected:
    void SetUp() override
    {
        GfxTest::SetUp();
        g_GestFile.Init();
        g_Opzioni.netMode = 2;
        g_Opzioni.showTension = 1;
        plat::SetGameClock(1000);
        Venue(kVenueLake);
        g_Meteo.SetWind(0, 0);
        plat::SeedRandom(7);
        testing_support::FreshRig();
        g_CannaPesca.Init(dev.get(), 400);
        g_Esca.Load(dev.get());
        g_Pesce.Reset();
        g_Pesce.Load(dev.get());
        g_Retino.Load(dev.get());
    }
    void TearDown() override
    {
        GfxTest::TearDown();
    }

    // The settings a fight is tested at: the easiest level, the plain line
    // mode, the default retrieve speed.
    static void FightSettings()
    {
        g_Opzioni.level = 0;
        g_Opzioni.lineMode = 0;
        g_Opzioni.retrieveSpeed = 2;
    }

    // A built-in venue with a flat bottom 300 cm deep everywhere.
    static void Venue(const char* id)
    {
        g_Luogo.LoadVenue("", id);
        g_Fondale.Generate(20);
        for (int c = 0; c < CFondale::kCells; ++c)
            for (int r = 0; r < CFondale::kCells; ++r)
                g_Fondale.SetCellDepth(c, r, 100);
        g_Fondale.SetDepthScale(3.0f);
    }

    // One frame of the fishing scene.
    void Frame(int ms = 10)
    {
        plat::StepGameClock(std::uint32_t(ms));
        dev->Clear(0xFF204060);
        dev->BeginScene();
        if (m_background)
            g_Sfondo.Render(dev.get());
        g_CannaPesca.Render(dev.get(), float(m_frames++ % 12));
        dev->EndScene();
    }
    void Frames(int n)
    {
        for (int i = 0; i < n; ++i)
            Frame();
    }
    void SavePicture(const char* name)
    {
        plat::Image img;
        dev->ReadPixels(img);
        plat::SavePng(testing_support::BuildFolderFile(name), img);
    }

    // Frames draw the venue's picture behind the rig from now on.
    void WithBackground()
    {
        g_Sfondo.Load(dev.get());
        g_Sfondo.LoadVenuePicture(dev.get(), g_Luogo.Record());
        m_background = true;
    }

    CCannaPesca& rig = g_CannaPesca;
    bool m_background = false;
    int m_frames = 0;
    testing_support::TempFolders folders;
};

} // namespace rig_test
