// The rod in the fishing scene: its elevation, the bend the fight puts on it,
// the cast swing and the flat drawing of its eleven segments.
#include "simulation/tackle/Canna.h"

#include "shell/SoundPlayer.h"
#include "simulation/tackle/Scene3D.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kDegToRad = 0.017453292f;
constexpr float kWidths[11] = {5.0f, 4.5f, 4.0f, 3.5f, 3.0f, 2.5f, 2.0f, 1.5f, 1.4f, 1.3f, 1.0f};

constexpr float kLight[11][3] = {
    {0.7f, 0.7f, 0.7f},    {0.5f, 0.5f, 0.5f},     {0.35f, 0.35f, 0.35f}, {0.97f, 0.73f, 0.23f},
    {0.74f, 0.46f, 0.24f}, {0.54f, 0.15f, 0.15f},  {0.0f, 0.25f, 0.5f},   {0.35f, 0.67f, 1.0f},
    {0.0f, 0.72f, 0.75f},  {0.0f, 0.66f, 0.37f},   {0.0f, 0.41f, 0.22f},
};
constexpr float kDark[11][3] = {
    {0.55f, 0.55f, 0.55f}, {0.4f, 0.4f, 0.4f},    {0.25f, 0.25f, 0.25f}, {0.63f, 0.3f, 0.12f},
    {0.3f, 0.3f, 0.3f},    {0.37f, 0.37f, 0.37f}, {0.3f, 0.3f, 0.3f},    {0.13f, 0.6f, 1.0f},
    {0.1f, 0.31f, 0.31f},  {0.0f, 0.26f, 0.37f},  {0.3f, 0.3f, 0.3f},
};

plat::Argb Pack(const float c[4]) { return plat::PackArgb(c[3], c[0], c[1], c[2]); }

} // namespace

void CCanna::ResetScene()
{
    m_phase = kPhaseRest;
    m_timer[0].interval = 5;
    m_angle = 45.0f;
    m_sideAngle = 90.0f;
    m_bend = m_bendTarget = 0.0f;
    m_tipInWater = 0;
    m_ringsShown = 0;
    m_restingAngle = 0.0f;
}

void CCanna::GetShadeColour(int row, int part, float alpha, int shade, float out[4])
{
    row = row >= 0 && row <= 10 ? row : 0;
    for (int i = 0; i < 3; ++i) {
        out[i] = part == 0 ? std::min(1.0f, kLight[row][i] + float(shade) * 0.05f)
                           : std::max(0.0f, kDark[row][i] - float(shade) * 0.05f);
    }
    out[3] = alpha;
}

void CCanna::SetAngle(float angle)
{
    m_angle = std::max(angle, 18.0f);
    if (IsScene3DInUse())
        m_angle -= 3.0f;
}

void CCanna::SetX(int x)
{
    const int w = GetScreenWidth();
    m_x = std::clamp(x, kButtMargin, std::max(kButtMargin, w - kButtMargin));
    if (!m_device3D || !IsScene3DInUse() || w <= 0)
        return;
    // The camera stays behind the angler and turns to follow the rod.
    const int off = w / 2 - m_x;
    const float atX = -(float(off) * 7.0f / float(w));
    m_device3D->Scene().view = plat::MatrixLookAtLH({0.0f, 2.8f, 6.0f}, {atX, 2.6f, 0.0f}, {0.0f, 1.0f, 0.0f});
}

void CCanna::StartCast()
{
    m_swingTarget = 90.0f;
    if (m_current.type == kRodBoat)
        m_swingTarget = std::min(m_angle + 30.0f, 90.0f);
    m_phase = kPhaseCast;
    m_bend = -0.4f;
}

void CCanna::UpdateShape(float endX)
{
    const float w = float(GetScreenWidth());
    const float h = float(GetScreenHeight());
    float b = m_bend;
    if (m_length > 500.0f)
        b = b * 500.0f / m_length;
    const float f = std::clamp(GetFlexFactor() * b, -12.0f, 12.0f);
    const float d = endX - (std::cos(m_sideAngle * kDegToRad) * 500.0f + float(m_x));
    m_points[0][0] = float(m_x);
    m_points[0][1] = h;
    m_base[0] = float(m_x);
    m_base[1] = h + 20.0f;
    m_projectedSum = 0.0f;
    float a = m_angle, s = m_sideAngle;
    for (int j = 1; j <= 11; ++j) {
        const float l = m_segments[j];
        a += (m_angle / 90.0f) * f;
        s += (d / (w * 0.5f)) * f;
        const float p = std::cos(a * kDegToRad) * l;
        m_points[j][0] = m_points[j - 1][0] + std::cos(s * kDegToRad) * p;
        m_points[j][1] = m_points[j - 1][1] - std::sin(a * kDegToRad) * l;
        m_projectedSum += p;
    }
    m_tip[0] = m_points[11][0];
    m_tip[1] = m_base[1] - m_projectedSum * kPerspective;
    m_tipInWater = 0;
    for (int k = 11; k >= 1; --k) {
        if (int(h - m_points[k][1]) < int(m_limits[k])) {
            m_tip[0] = m_points[k][0];
            m_tip[1] = m_points[k][1];
            m_tipInWater = 1;
        } else {
            break;
        }
    }
    m_tipPoint[0] = m_tip[0];
    m_tipPoint[1] = m_tip[1];
    m_lastEndX = endX;
    if (IsScene3DInUse() && m_device3D) {
        if (m_cylinder.Empty())
            Build3DRod();
        SetWorldTransforms(m_device3D, endX, m_length3D);
        ProjectTip3D(m_device3D);
    }
}

float CCanna::GetTipHeight() const
{
    return std::max(0.0f, (float(GetScreenHeight()) - m_tip[1]) / kPerspective);
}

int CCanna::GetTipDrop() const { return int(m_tip[1] - m_points[11][1]); }

float CCanna::GetSideSwing() const { return (std::clamp(m_sideAngle, 50.0f, 130.0f) - 90.0f) * 2.0f; }

void CCanna::Render(plat::Device* dev)
{
    if (IsScene3DInUse())
        Draw3D(dev);
    else
        Draw2D(dev);
    RunTimer0();
}

void CCanna::Draw2D(plat::Device* dev)
{
    const float h = float(GetScreenHeight());
    float alpha[11];
    std::fill(std::begin(alpha), std::end(alpha), 1.0f);
    m_ringsShown = 0;
    m_tipInWater = 0;
    for (int k = 11; k >= 1; --k) {
        if (int(h - m_points[k][1]) >= int(m_limits[k]))
            break;
        m_tip[0] = m_points[k][0];
        m_tip[1] = m_points[k][1];
        if (k <= 10)
            alpha[k] = 0.3f;
        m_ringsShown = 1;
        m_tipInWater = 1;
    }
    // The rings of a dipped tip ripple where it meets the water.
    m_tipRings.m_visible = m_ringsShown;
    if (dev && m_ringsShown && m_tipRings.HasDrawer())
        m_tipRings.DrawAt(dev, int(m_tip[0]), int(m_tip[1]));
    if (!dev || !m_drawer || !m_drawer->IsLive())
        return;
    const int row = GetColourRow();
    float c[4];
    auto segment = [&](float x0, float y0, float x1, float y1, float width, const float colour[4]) {
        const plat::Vec2 pts[2] = {{x0, y0}, {x1, y1}};
        m_drawer->SetWidth(width);
        m_drawer->Begin();
        m_drawer->Draw(pts, 2, Pack(colour));
        m_drawer->End();
    };
    for (int i = 0; i <= 10; ++i) {
        const float x0 = m_points[i][0], y0 = m_points[i][1];
        const float x1 = m_points[i + 1][0], y1 = m_points[i + 1][1];
        float w = kWidths[i];
        const float shift = std::min(1.0f, w * 0.5f);
        if (i == 0)
            GetShadeColour(row, 1, alpha[i], 2, c);
        else
            GetShadeColour(row, 0, alpha[i], -5, c);
        segment(x0 + shift, y0, x1 + shift, y1, w, c);
        GetShadeColour(row, 0, alpha[i], i, c);
        segment(x0, y0, x1, y1, w, c);
        int shade = i;
        while (w > 2.0f) {
            w *= 0.5f;
            GetShadeColour(row, 0, alpha[i], ++shade, c);
            segment(x0, y0, x1, y1, w, c);
        }
    }
    // The butt again, darker toward its end.
    const float bx0 = m_points[0][0], by0 = m_points[0][1];
    float bx1 = m_points[1][0], by1 = m_points[1][1];
    const float len = std::hypot(bx1 - bx0, by1 - by0);
    const float ux = len > 0 ? (bx1 - bx0) / len : 0.0f, uy = len > 0 ? (by1 - by0) / len : 0.0f;
    GetShadeColour(row, 1, alpha[0], 0, c);
    segment(bx0, by0, bx1, by1, kWidths[0], c);
    GetShadeColour(row, 1, alpha[0], 1, c);
    segment(bx0, by0, bx1 + ux, by1 + uy, kWidths[0] - 2.0f, c);
    GetShadeColour(row, 1, alpha[0], 2, c);
    segment(bx0, by0, bx1 + 2 * ux, by1 + 2 * uy, kWidths[0] - 4.0f, c);
}

void CCanna::OnTimer0()
{
    if (m_phase == kPhaseCast) {
        if (m_restingAngle == 0.0f)
            m_restingAngle = m_angle;
        if (m_swingTarget <= m_angle) {
            ++m_castSounds;
            g_SndPlayer.cast.Play();
            m_angle = m_restingAngle;
            m_phase = kPhaseRest;
            m_bend = m_bendTarget = 0.0f;
        } else {
            m_angle += 2.0f;
        }
        return;
    }
    if (m_phase != kPhaseFish && m_bend == m_bendTarget) {
        m_bendTarget = 0.0f;
        m_restingAngle = 0.0f;
    } else if (std::fabs(m_bend - m_bendTarget) > 0.1f) {
        const float moved = m_bend < m_bendTarget ? m_bend + 0.1f : m_bend - 0.1f;
        m_bend = std::min(0.0f, moved);
    }
}
