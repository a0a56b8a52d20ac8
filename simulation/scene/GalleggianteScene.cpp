// The float on the water: landing after a cast, the dip, the water line it
// keeps to, the drift tests, and its drawing with the faint part under water.
#include "simulation/tackle/Galleggiante.h"

#include "simulation/tackle/CannaPesca.h"
#include "simulation/scene/RigWorld.h"
#include "simulation/tackle/Scene3D.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr float kDegToRad = 0.017453292f;
}

void CGalleggiante::LoadScene(plat::Device* dev)
{
    if (dev) {
        m_ring.Load(dev);
        m_ring.m_visible = 1;
        m_ring.m_depth = 0.99f;
    }
    m_left = 0;
    m_right = GetScreenWidth();
    m_anchorX = 1;
    m_anchorY = 1;
    m_landing = 0;
    m_bottomFlag = 0;
}

int CGalleggiante::GetSurfaceY() const
{
    if (m_rig && m_rig->m_canna.m_current.type == kRodPole && m_rig->GetPhase() != kPhaseFish)
        return m_surfaceRow;
    return rigworld::UpperLimitAt(m_landing ? -1 : m_x);
}

void CGalleggiante::SetX(int x)
{
    x = std::clamp(x, m_left, std::max(m_left, m_right));
    // A float never lands ashore: a step that would put it above the water
    // line there is refused.
    if (!m_landing && rigworld::UpperLimitAt(x) > m_y)
        return;
    m_x = x;
}

void CGalleggiante::SetY(int y)
{
    const int surface = GetSurfaceY();
    m_y = y >= surface ? std::min(y, m_bottom) : surface;
}

float CGalleggiante::DistanceOfRow(int row) const
{
    return float(GetScreenHeight() - row) / CCanna::kPerspective;
}

float CGalleggiante::GetDistance() const { return m_rig ? m_rig->GetDepthAt(m_y) : DistanceOfRow(m_y); }

void CGalleggiante::Land(float elevation, float sideAngle, int rodX, bool raise)
{
    if (!m_rig)
        return;
    CCannaPesca& rig = *m_rig;
    const int type = rig.m_canna.m_current.type;
    const float rodLength = rig.m_canna.GetLength();
    float distance;
    if (type == kRodPole || type == kRodBoat)
        distance = float(m_lineAbove) * (90.0f - elevation) / 72.0f;
    else
        distance = std::cos(elevation * kDegToRad) * float(m_lineAbove);
    distance += rodLength;

    // Down the screen from the water line to the row as far out as the throw.
    m_landing = 1;
    int y = GetSurfaceY();
    while (rig.GetDepthAt(y) > distance && y < m_bottom)
        ++y;
    SetY(y);
    y = m_y;
    const int* bands = rig.m_bands;
    if (type == kRodPole || type == kRodBoat)
        m_dip = 0;
    else if (y < bands[0])
        m_dip = 20;
    else if (y <= bands[2])
        m_dip = 70;
    else if (y <= bands[3])
        m_dip = 40;
    else
        m_dip = 20;

    int x;
    if (y <= bands[3] && sideAngle != 0.0f && sideAngle != 180.0f)
        x = int(std::tan((90.0f - sideAngle) * kDegToRad) * (float(GetScreenHeight() - y) / CCanna::kPerspective)) + rodX;
    else
        x = int(std::cos(elevation * kDegToRad) * distance * std::cos(sideAngle * kDegToRad)) + rodX;
    x += 2 * rigworld::WindDrift();
    SetX(x);
    m_landing = 0;
    SetY(m_y);
    // Line far off the float's place is paid out again by the cast's own
    // rule, as if that place had been asked for.
    if (std::fabs(rig.m_lenza.m_length - GetDistance()) > 400.0f)
        rig.PayOutCast(GetDistance());
    if (raise)
        m_y -= m_dip;
    ApplyScaleRamp();
    ResetDisplay();
}

void CGalleggiante::ResetDisplay()
{
    m_frameH = 0;
    m_visible = 1;
    m_rigFlag = 0;
    m_bobOffset = m_bobStep = 0;
    m_landed = 1;
    m_driftAccumulator = 0.0f;
}

void CGalleggiante::OnTimer0()
{
    if (m_dip > 0) {
        m_y += 2;
        m_dip -= 2;
    }
    if (m_dip < 0)
        m_dip = 0;
}

void CGalleggiante::SetVisibleHeight(int h) { m_frameH = std::clamp(h, 0, 45); }

void CGalleggiante::SetTiltWhileMoving(float angle)
{
    if (m_frameH != m_exposedHeight)
        m_rotation = angle;
}

void CGalleggiante::SetLayAngle(float angle)
{
    // An underloaded float lies flat on the water.
    float a = m_exposedHeight >= 16 ? 90.0f : std::clamp(angle, 0.0f, 90.0f);
    if (rigworld::CurrentDirection() == 1)
        a = -a;
    m_rotation = a;
}

int CGalleggiante::GetDriftDirection() const
{
    const int k = rigworld::CurrentClass();
    const int reversed = rigworld::CurrentDirection() == 1;
    const int w = m_rig ? m_rig->m_piombo.GetWeightClass() : -1;
    int d = rigworld::SignedCurrent();
    if (k == 2 && (w == 2 || w == 3))
        d = reversed ? -1 : 1;
    else if (k == 3 && (w == 2 || w == 3))
        d = reversed ? (w == 2 ? -2 : -1) : (w == 2 ? 2 : 1);
    if (HasFloat())
        return d;
    const bool light = (k == 1 && w == 0) || (k == 2 && (w == 0 || w == 1)) || (k == 3 && w < 3);
    return light ? std::clamp(d, -1, 1) : 0;
}

bool CGalleggiante::IsDriftStepDue()
{
    const int* bands = m_rig ? m_rig->m_bands : nullptr;
    float step = 1.0f;
    if (bands) {
        if (m_y < bands[0])
            step = 1.0f;
        else if (m_y <= bands[2])
            step = 0.34f;
        else if (m_y <= bands[3])
            step = 0.5f;
    }
    m_driftAccumulator += step;
    if (m_driftAccumulator >= 1.0f) {
        m_driftAccumulator = 0.0f;
        return true;
    }
    return false;
}

bool CGalleggiante::IsAtSurface() const
{
    return m_sinkOffset >= 0 && float(m_sinkOffset) <= 15.0f * m_scale;
}

bool CGalleggiante::IsBiteReady() const
{
    if (!HasFloat())
        return m_dip <= 0;
    return IsAtSurface() && m_rotation == 0.0f && m_exposedHeight >= 1 && m_exposedHeight <= 15 && m_dip <= 0;
}

void CGalleggiante::Render(plat::Device* dev)
{
    const int x = m_x, y = m_y;
    const float depth = m_depth;
    ApplyScaleRamp();
    m_x += m_drawOffsetX;
    m_y -= m_drawOffsetY;
    m_depth = IsScene3DInUse() ? 0.99f : 0.0f;
    if (m_dip <= 0 && HasFloat()) {
        if (IsAtSurface() && m_exposedHeight != 0) {
            const float d = float(m_frameH) * m_scale * 0.5f;
            const int rx = int(float(m_x) - std::sin(m_rotation * kDegToRad) * d);
            const int ry = int(float(m_y) + std::cos(m_rotation * kDegToRad) * d);
            if (dev && m_ring.HasDrawer()) {
                m_ring.m_x = rx;
                m_ring.m_y = ry;
                m_ring.m_visible = 1;
                m_ring.Draw(dev);
            }
            if (m_frameH != m_exposedHeight) {
                ++m_bigRings;
                rigworld::SpawnBigRing(rx, ry);
            }
        }
        if (rigworld::VenueType() == 2 && m_rig && m_rig->GetPhase() == kPhaseRest && m_rotation != 90.0f &&
            m_rotation != -90.0f && m_frameH > 0)
            m_frameH = std::clamp(m_bobOffset + m_frameH, 0, 45);
        DrawSubmerged(dev);
    }
    if (!HasFloat())
        m_visible = 0;
    const float scale = m_scale;
    const std::uint8_t ramp = m_rampOn;
    m_rampOn = 0;
    const int drawnY = m_y;
    if (dev)
        Draw(dev);
    else
        RunTimer0();
    m_rampOn = ramp;
    m_scale = scale;
    m_x = x;
    m_y = y + (m_y - drawnY); // the dip's steps stay
    m_depth = depth;
}

void CGalleggiante::DrawSubmerged(plat::Device* dev)
{
    if (m_visible != 1 || !m_submergedFlag || !(m_rotation < 90.0f || m_rotation > 270.0f) || m_frameH < 1 ||
        m_frameH > 44 || !dev)
        return;
    const int h = m_frameH, x = m_x, y = m_y;
    const float alpha = m_alpha;
    const float d = (22.5f - float(h) / 2.0f) * m_scale;
    m_frameH = 45;
    m_alpha = 0.2f;
    m_x = int(float(x) - std::sin(m_rotation * kDegToRad) * d);
    m_y = int(float(y) + std::cos(m_rotation * kDegToRad) * d);
    // The dip must not step on this extra draw.
    const Timer t = m_timer[0];
    m_timer[0].interval = 0;
    CSprite::Draw(dev);
    m_timer[0] = t;
    m_frameH = h;
    m_alpha = alpha;
    m_x = x;
    m_y = y;
}
