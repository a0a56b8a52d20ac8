#include "simulation/scene/Retino.h"

#include "shell/Globals.h"
#include "shell/Opzioni.h"
#include "simulation/scene/RigWorld.h"
#include "simulation/tackle/TackleFile.h"

#include <algorithm>

KARVELIN_GLOBAL(26) CRetino g_Retino;

CRetino::CRetino() : m_raisedY(0), m_raised(0) { Reset(); }

void CRetino::Reset()
{
    CSprite::Init();
    m_visible = 0;
    m_raised = 0;
}

void CRetino::Load(plat::Device* dev)
{
    if (dev) {
        CSprite::Reset(dev);
        if (HasTackleBitmap(kBitmapLandingNet))
            LoadTackleBitmap(*this, dev, kBitmapLandingNet, 270, 150);
    }
    m_frameW = 135;
    m_frameH = 150;
    m_column = 0;
    m_anchorX = 1;
    m_anchorY = 0;
    InitScreen();
    m_depth = 0.99f;
    const int q = GetScreenHeight() / 30;
    m_top = 6 * q;
    m_bottom = 27 * q;
    m_raisedY = 27 * q - 55;
    m_left = 0;
    m_right = GetScreenWidth();
    if (dev) {
        m_smallRings.Load(dev);
        m_smallRings.SetSmall();
        m_bigRings.Load(dev);
        m_bigRings.SetBig();
        for (CCerchi* r : {&m_smallRings, &m_bigRings}) {
            r->m_visible = 1;
            r->m_depth = 0.99f;
        }
    }
    // Set directly: the clamp box would hold the resting net on screen.
    m_y = GetRestY();
    m_timer[0].interval = 7;
    m_raised = 0;
    m_visible = 0;
}

void CRetino::Raise()
{
    if (m_raised)
        return;
    m_raised = 1;
    m_visible = 1;
    m_y = std::min(m_y, GetRestY());
}

void CRetino::Toggle()
{
    if (m_raised)
        Lower();
    else
        Raise();
}

int CRetino::GetSideOffset()
{
    switch (g_Opzioni.netMode) {
    case 0:
    case 1: return rigworld::CurrentDirection() == 0 ? 90 : -90;
    case 3:
    case 5: return 90;
    default: return -90;
    }
}

void CRetino::OnTimer0()
{
    if (!m_raised) {
        if (m_y < GetRestY())
            ++m_y;
        else
            m_visible = 0;
    } else if (m_y > m_raisedY) {
        --m_y;
    }
}

void CRetino::RenderFront(plat::Device* dev)
{
    if (!m_visible)
        return;
    m_x = m_rodX + GetSideOffset();
    m_column = 0;
    m_alpha = 0.2f;
    // Only the back part moves the net, so it steps once a frame.
    const Timer t = m_timer[0];
    m_timer[0].interval = 0;
    if (dev)
        Draw(dev);
    m_timer[0] = t;
    if (!dev)
        return;
    const int x = m_x, y = m_y;
    static constexpr int kSmall[2][2] = {{-51, 7}, {54, 13}};
    static constexpr int kBig[6][2] = {{-35, 37}, {-25, 42}, {-2, 51}, {20, 48}, {35, 45}, {45, 40}};
    auto ring = [dev](CCerchi& r, int rx, int ry) {
        if (!r.HasDrawer())
            return;
        r.m_x = rx;
        r.m_y = ry;
        r.Draw(dev);
    };
    for (const auto& p : kSmall)
        ring(m_smallRings, x + p[0], y + p[1]);
    for (const auto& p : kBig)
        ring(m_bigRings, x + p[0], y + p[1]);
}

void CRetino::RenderBack(plat::Device* dev)
{
    if (m_visible) {
        m_x = m_rodX + GetSideOffset();
        m_column = 1;
        m_alpha = 1.0f;
        if (dev) {
            const Timer t = m_timer[0];
            m_timer[0].interval = 0;
            Draw(dev);
            m_timer[0] = t;
        }
    }
    RunTimer0();
}

void CRetino::OnLostDevice()
{
    CSprite::OnLostDevice();
    m_smallRings.OnLostDevice();
    m_bigRings.OnLostDevice();
}

void CRetino::OnResetDevice(plat::Device* dev)
{
    CSprite::OnResetDevice(dev);
    m_smallRings.OnResetDevice(dev);
    m_bigRings.OnResetDevice(dev);
}
