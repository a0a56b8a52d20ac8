#pragma once
// The rig in the fishing scene on a headless 800 x 600 device: fresh
// folders, the real rod assembly and net loaded, a fake clock stepped 10 ms
// a frame and a seeded generator.
#include "platform/Clock.h"
#include "platform/Random.h"
#include "shell/GestFile.h"
#include "simulation/CannaPesca.h"
#include "simulation/Esca.h"
#include "simulation/Pesce.h"
#include "simulation/Retino.h"
#include "tests/shell/GfxFixture.h"
#include "tests/support/BuildFolder.h"
#include "tests/support/TempFolders.h"

namespace rig_test {

class RigSceneTest : public gfx_test::GfxTest {
protected:
    void SetUp() override
    {
        GfxTest::SetUp();
        g_GestFile.Init();
        g_Opzioni.netMode = 2;
        g_Opzioni.showTension = 1;
        plat::SetFakeClock(1000);
        plat::SeedRandom(7);
        g_CannaPesca.Init(dev.get(), 400);
        g_Esca.Load(dev.get());
        g_Pesce.Reset();
        g_Pesce.Load(dev.get());
        g_Retino.Load(dev.get());
    }
    void TearDown() override
    {
        plat::ClearFakeClock();
        GfxTest::TearDown();
    }

    // One frame of the fishing scene.
    void Frame(int ms = 10)
    {
        plat::AdvanceFakeClock(std::uint32_t(ms));
        dev->Clear(0xFF204060);
        dev->BeginScene();
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

    CCannaPesca& rig = g_CannaPesca;
    int m_frames = 0;
    testing_support::TempFolders folders;
};

} // namespace rig_test
