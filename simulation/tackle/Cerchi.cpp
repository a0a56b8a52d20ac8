#include "simulation/tackle/Cerchi.h"

#include "shell/Globals.h"
#include "world/SceneLinks.h"

#include <cstdlib>

KARVELIN_GLOBAL(6) CGestCerchi g_GestCerchi;

namespace {

void RainRing(int x, int y) { g_GestCerchi.SpawnSmallNow(x, y); }

const WaterRingLink kRainLink = {RainRing};

} // namespace

void CCerchi::Load(plat::Device* dev)
{
    Reset(dev);
    CreateFromResource(dev, kBitmapRing, 50, 17);
    m_frameW = 50;
    m_frameH = 17;
    const int q = m_screenH / 30;
    m_top = 6 * q;
    m_bottom = m_screenH;
    // The ramp multiplies the ring's own scale: half size at the far edge.
    m_rampStart = 0.5f;
    m_rampEnd = 0.0f;
    m_rampOn = 1;
    SetBig();
    m_scale = m_limit;
    m_oneShot = 0;
    m_visible = 0;
    m_alpha = 0.0f;
}

void CCerchi::OnTimer0()
{
    m_alpha = 1.0f - m_scale / m_limit;
    m_scale += 0.05f;
    if (!HasEnded())
        return;
    if (m_oneShot) {
        m_scale = m_limit;
        m_visible = 0;
    } else {
        m_scale = m_limit * 0.25f;
    }
}

CGestCerchi::CGestCerchi()
{
    // Only the game's own pool takes the rain's rings.
    if (this == &g_GestCerchi)
        SetWaterRingLink(&kRainLink);
}

CGestCerchi::~CGestCerchi()
{
    if (this == &g_GestCerchi)
        SetWaterRingLink(nullptr);
}

void CGestCerchi::Load(plat::Device* dev)
{
    InitScreen();
    for (CCerchi& ring : m_rings) {
        ring.Load(dev);
        ring.m_visible = 0;
        ring.m_oneShot = 1;
        ring.m_depth = 0.99f;
    }
    m_timer[0].interval = 250;
}

void CGestCerchi::Spawn(int x, int y, int kind, bool force)
{
    m_requestX = x;
    m_requestY = y;
    m_requestKind = kind;
    if (force)
        OnTimer0();
    else
        RunTimer0();
}

void CGestCerchi::OnTimer0()
{
    for (CCerchi& ring : m_rings) {
        if (!ring.HasEnded()) {
            if (std::abs(ring.GetX() - m_requestX) < 6 && std::abs(ring.GetY() - m_requestY) < 6)
                return;
            continue;
        }
        ring.SetX(m_requestX);
        ring.SetY(m_requestY);
        switch (m_requestKind) {
        case kMedium: ring.SetMedium(); break;
        case kSmall: ring.SetSmall(); break;
        default: ring.SetBig(); break;
        }
        ring.m_scale = ring.m_limit * 0.25f;
        ring.m_visible = 1;
        return;
    }
}

void CGestCerchi::Render(plat::Device* dev)
{
    for (CCerchi& ring : m_rings)
        if (!ring.HasEnded())
            ring.Draw(dev);
}

int CGestCerchi::CountLive() const
{
    int n = 0;
    for (const CCerchi& ring : m_rings)
        n += !ring.HasEnded();
    return n;
}

void CGestCerchi::OnLostDevice()
{
    for (CCerchi& ring : m_rings)
        ring.OnLostDevice();
}

void CGestCerchi::OnResetDevice(plat::Device* dev)
{
    for (CCerchi& ring : m_rings)
        ring.OnResetDevice(dev);
}
