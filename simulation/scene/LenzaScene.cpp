// The main line in the fishing scene: its end point kept in the water, its
// measures, the tension gauge and the drawing of the line, its icon and its
// shimmer.
#include "simulation/tackle/Lenza.h"

#include "shell/Linee.h"
#include "shell/Opzioni.h"
#include "simulation/tackle/CannaPesca.h"
#include "simulation/scene/Pesce.h"
#include "simulation/scene/RigWorld.h"
#include "simulation/tackle/Scene3D.h"

#include <algorithm>
#include <cmath>

constexpr std::uint32_t kBitmapTerminalIcons = 342;
constexpr std::uint32_t kBitmapTensionGauge = 419;

void CLenza::LoadScene(plat::Device* dev)
{
    m_icon.Init();
    m_gauge.Init();
    if (!dev)
        return;
    int st = 0;
    m_drawer = dev->CreateLineDrawer(&st);
    m_icon.Reset(dev);
    if (HasTackleBitmap(kBitmapTerminalIcons))
        LoadTackleBitmap(m_icon, dev, kBitmapTerminalIcons, 28, 6);
    m_icon.m_frameW = 7;
    m_icon.m_frameH = 6;
    m_icon.m_anchorX = 1;
    m_icon.m_anchorY = 0;
    m_icon.InitScreen();
    m_icon.m_top = m_top;
    m_icon.m_bottom = m_bottom;
    m_icon.m_rampStart = 0.5f;
    m_icon.m_rampEnd = 1.0f;
    m_icon.m_rampOn = 1;
    m_icon.m_maxScale = 1.0f;
    m_icon.m_depth = 0.99f;
    m_gauge.Reset(dev);
    if (HasTackleBitmap(kBitmapTensionGauge))
        LoadTackleBitmap(m_gauge, dev, kBitmapTensionGauge, 1320, 66);
    m_gauge.m_frameW = 132;
    m_gauge.m_frameH = 66;
    m_gauge.m_anchorX = 1;
    m_gauge.m_anchorY = 2;
    m_gauge.m_alpha = 0.4f;
    m_gauge.m_depth = 0.99f;
}

// ---- end point ----------------------------------------------------------------

int CLenza::GetSurfaceYAtEnd(float x) const
{
    if (m_rig && !m_rig->m_canna.HasReel())
        return m_rig->m_galleggiante.m_surfaceRow;
    return rigworld::UpperLimitAt(int(x));
}

void CLenza::SetEndPoint(float x, float y)
{
    SetEndX(x);
    SetEndY(y);
}

void CLenza::SetEndX(float x)
{
    x = std::trunc(std::clamp(x, float(m_left), float(m_right)));
    const bool dipping = m_rig && m_rig->m_galleggiante.m_dip > 0;
    // The end never goes ashore: a move that would put it above the water
    // line there is refused.
    if (dipping || !(m_points[1][1] < float(GetSurfaceYAtEnd(x))))
        m_points[1][0] = x;
}

void CLenza::SetEndY(float y)
{
    const bool dipping = m_rig && m_rig->m_galleggiante.m_dip > 0;
    if (dipping) {
        if (y < 0.0f)
            y = 0.0f;
    } else {
        const float surface = float(GetSurfaceYAtEnd(m_points[1][0]));
        if (y < surface)
            y = surface;
    }
    if (y > float(m_bottom))
        y = float(m_bottom);
    m_points[1][1] = y;
}

// ---- measures -------------------------------------------------------------------

float CLenza::GetAngle() const
{
    const float x0 = m_points[0][0], y0 = m_points[0][1], x1 = m_points[1][0], y1 = m_points[1][1];
    if (y0 != y1)
        return std::atan((x1 - x0) / (y0 - y1)) * 57.295776f;
    return x0 > x1 ? -90.0f : 90.0f;
}

float CLenza::GetHeading() const
{
    const float a = GetAngle();
    return m_points[0][1] < m_points[1][1] ? a : a + 180.0f;
}

float CLenza::GetLength() const
{
    return std::hypot(m_points[1][0] - m_points[0][0], m_points[1][1] - m_points[0][1]);
}

float CLenza::GetEndHeight() const
{
    return std::max(0.0f, (float(GetScreenHeight()) - m_points[1][1]) / CCanna::kPerspective);
}

// ---- tension gauge --------------------------------------------------------------

void CLenza::UpdateGauge()
{
    const int terminal = m_rig ? m_rig->GetRigKind() : 2;
    const float maxTension = GetMaxTension(terminal);
    int target = 0;
    if (g_Pesce.m_stamina > 1.5f)
        target = std::clamp(int(m_tension * 10.0f / maxTension), 0, 9);
    m_gauge.StepFrameTowards(target);
    m_gauge.m_alpha = std::clamp(float(m_gauge.m_column) / 10.0f, 0.2f, 0.9f);
}

// ---- drawing --------------------------------------------------------------------

void CLenza::Render(plat::Device* dev)
{
    const float x1 = m_points[1][0], y1 = m_points[1][1];
    UpdateHookState();
    CCannaPesca* rig = m_rig;
    const bool dipping = rig && rig->m_galleggiante.m_dip > 0;
    if (rig) {
        const CGalleggiante& g = rig->m_galleggiante;
        m_points[1][0] = float(g.GetX() + g.m_drawOffsetX);
        m_points[1][1] = float(g.GetY() - g.m_drawOffsetY);
    }
    m_points[2][0] = m_points[3][0] = m_points[1][0];
    m_points[2][1] = m_points[3][1] = m_points[1][1];
    if (dipping) {
        m_points[4][0] = x1;
        m_points[4][1] = y1 - 2.0f;
        m_heading = GetHeading();
    } else {
        m_points[4][0] = x1 - m_sagX;
        m_points[4][1] = y1 + m_sagY;
        const bool waiting = rig && rig->GetPhase() == kPhaseRest;
        if (waiting && !rig->m_galleggiante.IsAtSurface()) {
            const float dx = m_points[4][0] - m_points[1][0], dy = m_points[4][1] - m_points[1][1];
            const int off = rig->m_galleggiante.m_drawOffsetX;
            const float s = off == 0 ? 0.0f : off > 0 ? -1.0f : 1.0f;
            m_points[2][0] += dx * 0.5f + s;
            m_points[2][1] += dy * 0.5f;
            m_points[3][0] += dx * 0.75f + 2 * s;
            m_points[3][1] += dy * 0.75f;
            m_points[4][0] += 3 * s;
        } else {
            for (int i = 1; i <= 3; ++i) {
                m_points[i][0] = m_points[4][0];
                m_points[i][1] = m_points[4][1];
            }
        }
        if (m_sagX == 0.0f && m_sagY == 0.0f)
            m_straight = 1;
        else
            m_heading = GetHeading();
    }
    if (dev) {
        m_icon.m_column = m_hookState;
        m_icon.SetX(int(m_points[4][0]));
        m_icon.m_y = int(m_points[4][1]);
        m_icon.m_visible = 1;
        m_icon.Draw(dev);
        if (g_Opzioni.showTension == 1 && rig && rig->GetPhase() == kPhaseFish) {
            m_gauge.m_x = int(m_points[4][0]);
            m_gauge.m_y = int(m_points[4][1]);
            m_gauge.m_visible = 1;
            m_gauge.Draw(dev);
        }
    }
    m_alpha = 0.4f;
    const float slack = rig ? rig->GetLineSlack() : 0.0f;
    if (dev && m_drawer && m_drawer->IsLive()) {
        plat::Vec2 pts[5];
        for (int i = 0; i < 5; ++i)
            pts[i] = {m_points[i][0], m_points[i][1]};
        if (slack <= 0.0f) {
            m_sagProgress = 0.0f;
            DrawPolyline(dev, m_drawer.get(), pts, 5, m_colour[0], m_colour[1], m_colour[2], m_colour[3], 1.0f,
                         IsScene3DInUse(), 0.99f);
        } else {
            const float above = rig ? float(std::max(1, rig->m_galleggiante.m_lineAbove)) : 1.0f;
            float sag = slack / above;
            // The sag shows gradually, never in one jump.
            if (sag > m_sagProgress + 0.05f) {
                sag = m_sagProgress + 0.05f;
                m_sagProgress = sag;
            }
            DrawSaggingLine(dev, m_drawer.get(), pts, 5, m_colour[0], m_colour[1], m_colour[2], m_colour[3], 1.0f,
                            IsScene3DInUse(), 0.99f, sag);
        }
    } else if (slack <= 0.0f) {
        m_sagProgress = 0.0f;
    }
    m_points[1][0] = x1;
    m_points[1][1] = y1;
}

void CLenza::DrawLineShimmer(plat::Device* dev, float time, float x, float y)
{
    if (m_rigFlags[1] || !dev || !m_drawer || !m_drawer->IsLive())
        return;
    const float x1 = m_points[1][0];
    const float ye = m_points[1][1] + float(m_rig ? m_rig->m_galleggiante.m_dip : 0);
    const int n = int(std::fabs(y - ye));
    if (n <= 0)
        return;
    const float slope = (x - x1) / (ye - y);
    const float dir = ye < y ? 1.0f : -1.0f;
    const plat::Argb colour = plat::PackArgb(0.1f, m_colour[0], m_colour[1], m_colour[2]);
    for (int i = 0; i < n; ++i) {
        const float a = 100.0f * float(n - i) / float(i + 1) + time * 2.0f * 3.14159265f / 12.0f;
        const float w = float(int(std::sin(a) * (float(n) / 15.0f + float(i)) * 10.0f / float(n))) * -0.1f;
        const plat::Vec2 pts[2] = {{x + (float(i) * slope + 1.0f) * dir, y - (float(i) - 1.0f - w) * dir},
                                   {x + float(i) * slope * dir, y - (float(i) - w) * dir}};
        m_drawer->SetWidth(float(i) / (float(n) * 0.5f));
        m_drawer->Begin();
        m_drawer->Draw(pts, 2, colour);
        m_drawer->End();
    }
}
