// The rig falls back to flat drawing whenever the 3D scene is not ready:
// the setting off at start-up, and after a device reset with the setting off
// or with a device that fails the 3D check. Flat means the rod's polyline,
// no 3D triangle, the reel's gauge alone and the flat rod's lowest angle.
#include "simulation/tackle/CannaPesca.h"
#include "shell/Opzioni.h"
#include "tests/app/AppHarness.h"

#include <functional>

namespace {

// Fishing with a bolognese and its reel; the drag gauge showing.
void StartFishing()
{
    g_pApp->NewSession();
    g_pApp->BeginFishing();
    g_CannaPesca.m_canna.m_current.type = kRodBolognese;
    g_CannaPesca.m_mulinello.ChangeDrag(0.0f);
}

class Rig3DFallbackTest : public AppTest {
protected:
    // Lost, then reset by the frames that follow; 1 when still lost.
    int ResetDevice()
    {
        g_pDevice->SimulateLoss();
        for (int i = 0; i < 4 && (i == 0 || g_pApp->IsDeviceLost()); ++i)
            Frame();
        return g_pApp->IsDeviceLost() ? 1 : 0;
    }
    void ExpectFlat(const char* why)
    {
        SCOPED_TRACE(why);
        EXPECT_FALSE(g_pApp->Is3DReady());
        CCannaPesca& rig = g_CannaPesca;
        rig.m_mulinello.ChangeDrag(0.0f);
        Frame();
        EXPECT_EQ(0, g_pDevice->Triangles3D());
        EXPECT_TRUE(rig.m_canna.GetCylinder().Empty());
        EXPECT_FALSE(rig.m_mulinello.HasMesh3D());
        // The flat rod's butt, its widest segment, is drawn at the bottom
        // edge; the gauge beside it.
        const int x = rig.m_canna.GetX(), h = g_pDevice->BackBufferHeight();
        EXPECT_TRUE(InkNear(x, h - 4)) << "no rod at the butt";
        EXPECT_TRUE(InkNear(x + 50, h - 30)) << "no drag gauge";
        rig.m_canna.SetAngle(10);
        EXPECT_EQ(18.0f, rig.m_canna.m_angle);
    }
    void Expect3D()
    {
        EXPECT_TRUE(g_pApp->Is3DReady());
        Frame();
        EXPECT_GT(g_pDevice->Triangles3D(), 100);
        g_CannaPesca.m_canna.SetAngle(10);
        EXPECT_EQ(15.0f, g_CannaPesca.m_canna.m_angle);
    }
    // Something other than the lake's own colours within a few pixels.
    bool InkNear(int x, int y)
    {
        plat::Image img;
        if (!g_pDevice->ReadPixels(img))
            return false;
        for (int dy = -3; dy <= 3; ++dy)
            for (int dx = -3; dx <= 3; ++dx) {
                const int px = x + dx, py = y + dy;
                if (px < 0 || py < 0 || px >= img.width || py >= img.height)
                    continue;
                if (img.At(px, py) != m_plain.At(px, py))
                    return true;
            }
        return false;
    }
    // The scene without the rig, to tell the rig's pixels from the venue's.
    void TakePlain()
    {
        CCannaPesca& rig = g_CannaPesca;
        const int x = rig.m_canna.GetX();
        rig.m_canna.SetX(x + 200); // the rod and its gauge moved away
        Frame();
        g_pDevice->ReadPixels(m_plain);
        rig.m_canna.SetX(x);
    }
    plat::Image m_plain;
};

TEST_F(Rig3DFallbackTest, SettingOffAtStartUp)
{
    folders.Write("appdata/Karvelin/Karvelin.ini", "[KARVELIN]\r\nBUILD=232005\r\nLINGUA=0\r\n[VIDEO]\r\nUSA_3D=0\r\n");
    ASSERT_EQ(Start(), 0);
    ASSERT_EQ(0, g_Opzioni.use3D);
    StartFishing();
    TakePlain();
    ExpectFlat("setting off");
}

TEST_F(Rig3DFallbackTest, EachFailingCheckAfterAReset)
{
    ASSERT_EQ(Start(), 0);
    StartFishing();
    ASSERT_LE(g_CannaPesca.m_canna.GetX(), 465);
    Expect3D();
    struct Case {
        const char* why;
        std::function<void()> apply;
    };
    plat::Caps3D shader, blend, light;
    shader.vertexShaderVersion = 0.9f;
    blend.maxBlendMatrices = 1;
    light.directionalLights = false;
    const Case cases[] = {
        {"setting off", [] { g_Opzioni.use3D = 0; }},
        {"vertex shader below 1.0", [&] { g_pDevice->OverrideCaps3D(shader); }},
        {"one blend matrix", [&] { g_pDevice->OverrideCaps3D(blend); }},
        {"no directional light", [&] { g_pDevice->OverrideCaps3D(light); }},
        {"failing query", [] { g_pDevice->OverrideCaps3D(plat::Caps3D{}, plat::kInvalidCall); }},
    };
    for (const Case& c : cases) {
        c.apply();
        ASSERT_EQ(0, ResetDevice()) << c.why;
        TakePlain();
        ExpectFlat(c.why);
        // Back to a good device and the setting on: 3D again.
        g_Opzioni.use3D = 1;
        g_pDevice->OverrideCaps3D(std::nullopt);
        ASSERT_EQ(0, ResetDevice()) << c.why;
        Expect3D();
    }
}

} // namespace
