// The rod assembly in the fishing scene: the depth bands and the distance of
// each screen row, the cast, the waiting rig (glide, sinking, drift, the
// sea's bobbing), the float shown on the line, and the per-frame drawing of
// net, line, float, reel and rod in their order.
#include "simulation/tackle/CannaPesca.h"

#include "platform/Random.h"
#include "shell/Opzioni.h"
#include "shell/SoundPlayer.h"
#include "shell/Utility.h"
#include "simulation/tackle/Esca.h"
#include "simulation/scene/Pesce.h"
#include "simulation/scene/Retino.h"
#include "simulation/scene/RigWorld.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr float kDegToRad = 0.017453292f;
constexpr std::uint32_t kBitmapWarning = 160;
} // namespace

// The rig set up in the scene: the depth bands of this screen size, the
// world's link to the rig, every part's pictures, then the default rig.
void CCannaPesca::Init(plat::Device* dev, int x)
{
    InitScreen();
    RegisterRigLink();
    const int u = GetScreenHeight() / 30;
    m_bands[0] = 6 * u;
    m_bands[1] = 14 * u;
    m_bands[2] = 15 * u;
    m_bands[3] = 16 * u;
    m_top = 6 * u;
    m_bottom = 27 * u;
    m_canna.Init(dev, x);
    m_lenza.Load(dev, m_canna.GetLength());
    m_piombo.Init(dev);
    m_galleggiante.Load(dev);
    m_galleggiante.LoadScene(dev);
    m_mulinello.m_lineDiameter = m_lenza.m_material.m_diameter;
    m_mulinello.Load(dev);
    m_bell = 0;
    LoadWarning(dev);
    CopyString(m_name, "DEFAULT", 128);
    m_timer[0].interval = 1000;
    m_timer[1].interval = 20;
    m_timer[2].interval = 20;
    m_timer[3].interval = 40;
    m_overLimitTicks = 0;
    m_noStrikeTicks = 0;
    m_hookInUse = 2;
    m_lossReason = 0;
    Reset(dev);
}

void CCannaPesca::LoadWarning(plat::Device* dev)
{
    m_warning.Init();
    if (!dev)
        return;
    m_warning.Reset(dev);
    if (HasTackleBitmap(kBitmapWarning))
        LoadTackleBitmap(m_warning, dev, kBitmapWarning, 246, 46);
    m_warning.m_frameW = 82;
    m_warning.m_frameH = 46;
    m_warning.m_alpha = 0.8f;
    m_warning.m_depth = 0.99f;
    m_warning.m_anchorX = 1;
    m_warning.m_anchorY = 2;
    m_warning.m_visible = 0;
}

// ---- distances ------------------------------------------------------------------

void CCannaPesca::UpdateDepthProfile()
{
    const float s = CCanna::kPerspective;
    const float far = float(rigworld::MaxMetres()) * 100.0f;
    const float nearD = float(GetScreenHeight() - m_bands[3]) / s;
    m_profile[0] = (far - 1000.0f) / 0.2f + nearD;
    m_profile[1] = far;
    m_profile[2] = (m_profile[0] - nearD) * 0.1f + nearD;
    m_profile[3] = nearD;
}

float CCannaPesca::GetDepthAt(int y)
{
    UpdateDepthProfile();
    for (int b = 0; b < 3; ++b) {
        const int top = m_bands[b], bottom = m_bands[b + 1];
        if (y >= top && y <= bottom && bottom > top)
            return m_profile[b] + (m_profile[b + 1] - m_profile[b]) * float(y - top) / float(bottom - top);
    }
    return float(GetScreenHeight() - y) / CCanna::kPerspective;
}

float CCannaPesca::GetLinePointDistance() const
{
    return std::max(0.0f, (float(GetScreenHeight()) - m_canna.m_tip[1]) / CCanna::kPerspective);
}

float CCannaPesca::GetRigDistance()
{
    const float h = float(m_canna.GetTipDrop());
    const float dx = m_canna.m_tip[0] - m_lenza.m_points[1][0];
    const float dd = GetDepthAt(int(m_lenza.m_points[1][1])) - GetLinePointDistance();
    return std::sqrt(dx * dx + dd * dd + h * h);
}

float CCannaPesca::GetDepthDistance()
{
    const float h = float(m_canna.GetTipDrop());
    const float d = GetDepthAt(int(m_lenza.m_points[1][1]));
    return std::sqrt(d * d + h * h);
}

float CCannaPesca::GetFloatDistance()
{
    const float h = float(m_canna.GetTipDrop());
    const float dx = m_canna.m_tip[0] - float(m_galleggiante.GetX());
    const float dd = GetDepthAt(m_galleggiante.GetY()) - GetLinePointDistance();
    return std::sqrt(dx * dx + dd * dd + h * h);
}

float CCannaPesca::GetBottomDepth() const
{
    return std::max(0.0f, rigworld::BottomDepthAt(m_galleggiante.GetX(), m_galleggiante.GetY()));
}

float CCannaPesca::GetLineSlack()
{
    const CGalleggiante& g = m_galleggiante;
    if (GetPhase() != kPhaseRest || g.m_dip > 0 || !g.IsAtSurface())
        return 0.0f;
    float slack = float(g.m_lineAbove) - GetFloatDistance();
    if (!g.HasFloat() || g.IsSliding() || g.IsBottomRig())
        slack -= std::min(std::max(0.0f, m_sinkDepth), GetBottomDepth());
    return slack;
}

int CCannaPesca::GetBaitWeight() const
{
    int w = g_Esca.m_slots[2].weight;
    if (m_lenza.m_droppers[0].m_inUse)
        w += g_Esca.m_slots[1].weight;
    if (m_lenza.m_droppers[1].m_inUse)
        w += g_Esca.m_slots[0].weight;
    return w;
}

// A struck fish has stopped nibbling whatever its kind: it pulls, and the
// float goes under with the line.
bool CCannaPesca::IsNibbling() const { return GetPhase() == kPhaseFish && !m_strike && g_Pesce.IsNibbler(); }

// ---- cast -----------------------------------------------------------------------

void CCannaPesca::SetLossReason(int reason)
{
    m_hookInUse = 2;
    m_lossReason = reason;
    // This ends a bite or a fight; a cast swing under way (a device reset
    // mid-cast) runs on and ends at its own resting angle.
    if (m_canna.m_phase == kPhaseFish) {
        m_canna.m_phase = kPhaseRest;
        m_canna.m_bend = m_canna.m_bendTarget = 0.0f;
    }
}

void CCannaPesca::NewCast()
{
    UpdateExposedHeight();
    m_canna.m_phase = kPhaseRest;
    m_canna.m_bend = m_canna.m_bendTarget = 0.0f;
    m_canna.m_restingAngle = 0.0f;
    m_canna.SetAngle(30.0f);
    m_canna.m_swingTarget = 90.0f;
    SetLossReason(0);
    m_lenza.ResetForCast();
    m_sinkDepth = 0.0f;
    m_galleggiante.ResetDisplay();
    m_galleggiante.m_hot = 0;
    m_galleggiante.Land(m_canna.m_angle, m_canna.m_sideAngle, m_canna.GetX(), false);
    SetLineLength(m_lenza.m_length);
    m_glide[0] = m_glide[1] = 0.0f;
    const int slow = rigworld::SlownessGrade();
    m_timer[1].interval = slow == 1 ? 40 : slow == 2 ? 60 : 20;
    if (!m_galleggiante.HasFloat())
        m_timer[1].interval = 180;
    m_targetX = float(m_galleggiante.GetX());
    m_targetY = float(m_galleggiante.GetY());
    m_lenza.m_points[0][0] = m_canna.GetDrawnTipX();
    m_lenza.m_points[0][1] = m_canna.GetDrawnTipY();
    m_lenza.m_points[1][0] = m_targetX;
    m_lenza.m_points[1][1] = m_targetY;
}

void CCannaPesca::Cast()
{
    m_sinkDepth = 0.0f;
    m_canna.StartCast();
    const int type = m_canna.m_current.type;
    if (type == kRodBoat)
        m_mulinello.m_lineRelease = 1;
    if (type != kRodPole)
        PayOutCast(float(m_galleggiante.m_position));
    m_galleggiante.Land(m_canna.m_angle, m_canna.m_sideAngle, m_canna.GetX(), true);
    m_targetX = float(m_galleggiante.GetX());
    m_targetY = float(m_galleggiante.GetY());
    m_lenza.m_points[1][0] = m_targetX;
    m_lenza.m_points[1][1] = m_targetY;
}

void CCannaPesca::PayOutCast(float requested)
{
    const int type = m_canna.m_current.type;
    const float rod = m_canna.GetLength();
    if (type == kRodBoat) {
        SetLineLength(rod);
        return;
    }
    float l = requested;
    if (type == kRodBolognese || type == kRodSpinning) {
        if (rod >= requested) {
            l = std::max(rod, 2.3f * float(m_piombo.GetTotalWeight() + GetBaitWeight()));
            l = std::min(l, GetDepthAt(m_bands[0]));
        }
        // No two casts fly quite the same.
        const int spread = int(std::trunc(l * 0.2f));
        if (spread >= 1)
            l += float(plat::Random() % spread);
    }
    SetLineLength(l);
}

// ---- per frame ------------------------------------------------------------------

void CCannaPesca::Render(plat::Device* dev, float phase)
{
    m_drawing = 1;
    g_Retino.m_rodX = m_canna.GetX();
    g_Retino.RenderFront(dev);
    m_canna.UpdateShape(m_lenza.m_points[1][0]);
    const int state = GetPhase();
    if (state != kPhaseCast)
        Update();
    m_lenza.m_points[0][0] = m_canna.GetDrawnTipX();
    m_lenza.m_points[0][1] = m_canna.GetDrawnTipY();
    if (GetPhase() == kPhaseFish) {
        m_warning.m_x = int(m_lenza.m_points[1][0]);
        m_warning.m_y = int(m_lenza.m_points[1][1]);
        if (dev)
            m_warning.Draw(dev);
    }
    CGalleggiante& g = m_galleggiante;
    if (m_canna.IsTipInWater()) {
        m_lenza.m_alpha = 0.2f;
        m_lenza.m_rigFlags[1] = 1;
        g.m_visible = 0;
        m_lenza.m_straight = 0;
    } else {
        m_lenza.m_alpha = 0.4f;
        m_lenza.m_rigFlags[1] = 0;
        g.m_visible = 1;
    }
    m_lenza.UpdateColour(GetPhase() == kPhaseRest, GetRigKind());
    if (GetPhase() != kPhaseRest)
        m_lenza.UpdateGauge();
    UpdateVisibleHeight();
    UpdateFloatTilt();
    PlaceFloatOnLine();
    UpdateLineSag();
    m_lenza.DrawLineShimmer(dev, phase, m_canna.GetDrawnTipX(), m_canna.GetDrawnTipY());
    m_lenza.Render(dev);
    g.Render(dev);
    if (GetPhase() == kPhaseFish) {
        g_Pesce.m_visible = g_Pesce.m_run < 20 ? 1 : 0;
        g_Pesce.SetHeading(g.m_rotation);
        g_Pesce.Render(dev);
    } else if (GetPhase() == kPhaseCast) {
        m_sinkDepth = 0.0f;
    }
    const int net = g_Opzioni.netMode;
    if (GetPhase() != kPhaseFish && g_Retino.m_raised && (net == 1 || net == 4 || net == 5))
        g_Retino.Lower();
    RunTimer0();
    RunTimer3();
    g_Retino.RenderBack(dev);
    m_mulinello.Render(dev);
    m_canna.Render(dev);
    m_drawing = 0;
}

void CCannaPesca::Update()
{
    const int state = GetPhase();
    if (state == kPhaseRest)
        UpdateIdle();
    else if (state == kPhaseFish)
        UpdateFight();
    if (state != kPhaseFish)
        g_SndPlayer.frizione.Stop();
}

void CCannaPesca::UpdateIdle()
{
    CGalleggiante& g = m_galleggiante;
    g.m_visible = 1;
    m_lenza.m_straight = 0;
    m_lenza.m_rigFlags[0] = 0;
    m_targetX = float(g.GetX());
    m_targetY = float(g.GetY());
    if (g.m_dip <= 0) {
        const float slack = GetLineSlack();
        const float above = float(std::max(1, g.m_lineAbove));
        const float f = std::max(0.0f, slack) / above;
        const float lpx = m_canna.m_tip[0], lpy = m_canna.m_tip[1];
        if (slack > 0.0f) {
            for (float& v : m_glide) {
                if (g.GetY() > m_bands[3])
                    v = std::min(25.0f, v + 1.0f);
                else if (g.GetY() > m_bands[2])
                    v = std::max(2.0f, v - 1.0f);
                else
                    v = std::max(1.0f, v - 1.0f);
            }
            const float gapX = lpx - m_targetX;
            const float stepX = std::min(m_glide[0], std::fabs(gapX) * f);
            m_targetX += gapX > 0 ? std::min(stepX, gapX) : -std::min(stepX, -gapX);
            const float gapY = lpy - m_targetY;
            if (gapY > 0)
                m_targetY += std::min(std::min(m_glide[1], gapY * f), gapY);
            if (g.GetY() <= m_bands[3]) {
                const float floatD = GetDepthAt(g.GetY());
                while (m_targetY > float(g.GetY()) && floatD - GetDepthAt(int(m_targetY)) > slack)
                    m_targetY -= 1.0f;
            }
            m_lenza.m_rigFlags[0] = 1;
            if (slack > float(g.GetVisibleHeight()) / 2.0f)
                m_lenza.m_straight = 1;
        } else {
            const bool surface = g.IsAtSurface();
            const float k = surface ? 0.001f : 0.05f;
            const float cap = surface ? 1.0f : 1000.0f;
            auto ease = [&](float from, float to) {
                const float gap = to - from;
                const float step = std::min(cap, std::ceil(std::fabs(gap) * k));
                return gap > 0 ? from + std::min(step, gap) : from - std::min(step, -gap);
            };
            m_targetX = ease(m_targetX, lpx);
            m_targetY = ease(m_targetY, lpy);
            g.SetX(int(m_targetX));
            g.SetY(int(m_targetY));
            m_targetX = float(g.GetX());
            m_targetY = float(g.GetY());
            if (std::fabs(slack) > float(g.GetVisibleHeight()))
                m_lenza.m_straight = 1;
        }
        RunTimer1();
        RunTimer2();
    }
    m_lenza.m_points[0][0] = m_canna.GetDrawnTipX();
    m_lenza.m_points[0][1] = m_canna.GetDrawnTipY();
    m_lenza.SetEndPoint(m_targetX, m_targetY);
    m_lenza.StepTension(0.0f, 2);
}

// ---- sinking --------------------------------------------------------------------

void CCannaPesca::SinkRig()
{
    const CGalleggiante& g = m_galleggiante;
    const float free = GetFreeLine();
    const float bottom = GetBottomDepth();
    const int type = m_canna.m_current.type;
    float target;
    if (!g.HasFloat() || g.m_exposedHeight == 0)
        target = free;
    else if (g.IsSliding())
        target = std::min(float(g.m_stopper), free);
    else
        target = std::min(float(GetFloatDepth()), free);
    if (type >= 1 && type <= 3 && m_mulinello.m_lineRelease && !g.HasFloat())
        target = bottom;
    float step;
    if (IsSpinningRig() && m_lenza.m_leader.m_hook.m_current.baitKind == kBaitKindSpinning)
        step = LureStep();
    else
        step = float(m_timer[2].interval) * 100.0f / float(std::max(1, m_piombo.GetSinkTime(GetBaitWeight())));
    // Free line short of the rig gives a target above the surface: the bait
    // then stays at the surface, never above it.
    m_sinkDepth = std::clamp(std::min(std::min(m_sinkDepth + step, target), bottom), 0.0f, bottom);
    if (type >= 1 && type <= 3 && m_mulinello.m_lineRelease && !g.HasFloat()) {
        const float need = GetRigDistance() + m_sinkDepth;
        if (m_lenza.m_length < need)
            SetLineLength(need);
    }
}

float CCannaPesca::LureStep()
{
    const float bottom = GetBottomDepth();
    const float lure = std::min(g_Esca.GetLureDepth(2), bottom);
    float margin = 10.0f;
    if (bottom / 10.0f >= 10.0f)
        margin = std::min(bottom / 10.0f, 30.0f);
    const float interval = float(m_timer[2].interval);
    float step;
    if (m_mulinello.m_retrieving) {
        if (m_sinkDepth < lure - margin)
            step = float(plat::Random() % 3);
        else if (m_sinkDepth > lure + margin)
            step = -float(plat::Random() % 3);
        else
            step = float(3 - plat::Random() % 7);
    } else {
        const float r = interval * 100.0f / float(std::max(1, m_piombo.GetSinkTime(g_Esca.m_slots[2].weight)));
        if (m_sinkDepth < lure - margin)
            step = r;
        else if (m_sinkDepth < lure)
            step = r / 4.0f;
        else
            step = 0.045f;
    }
    const int shots = m_piombo.GetTotalWeight();
    if (shots >= 1) {
        const float s = interval * 100.0f / float(std::max(1, m_piombo.GetSinkTime(0)));
        const int lureWeight = g_Esca.m_slots[2].weight;
        if (shots > lureWeight)
            step = s;
        else if (shots * 2 > lureWeight)
            step = s / 2.0f + step;
        else
            step = s / 4.0f + step;
    }
    return step;
}

// ---- drift ----------------------------------------------------------------------

void CCannaPesca::DriftRig()
{
    m_driftNesting = 1;
    CGalleggiante& g = m_galleggiante;
    const bool hasFloat = g.HasFloat();
    int d = g.GetDriftDirection();
    // Far out a pixel spans more water: the float steps less often there.
    if (!g.IsDriftStepDue())
        d = 0;
    UpdateDepthProfile();
    float grad = 10.0f;
    if (m_canna.m_current.type != kRodPole) {
        for (int b = 0; b < 3; ++b) {
            if (g.GetY() >= m_bands[b] && g.GetY() <= m_bands[b + 1]) {
                grad = (m_profile[b] - m_profile[b + 1]) / float(m_bands[b + 1] - m_bands[b]);
                break;
            }
        }
    }
    const int dir = rigworld::CurrentDirection();
    const float lpx = m_canna.m_tip[0];
    float drive;
    if ((dir == 1 && lpx < float(g.GetX())) || (dir == 0 && lpx > float(g.GetX())))
        drive = 2.0f * grad + 1.0f;
    else
        drive = GetLineSlack();
    if (GetDepthAt(g.GetY()) - GetLinePointDistance() > grad && grad > drive && d != 0 &&
        rigworld::VerticalCurrent() != 1)
        g.SetY(g.GetY() + 1);
    if (!hasFloat)
        drive = grad + 1.0f;
    const bool onBottom = hasFloat ? g.m_bottomFlag != 0 : m_sinkDepth >= GetBottomDepth();
    if (g.m_bottomFlag && plat::Random() % 100 < 80)
        d = 0;
    if (g.m_sinkOffset > 0 || !g.IsAtSurface() || rigworld::CurrentClass() == 0)
        d = 0;
    if (hasFloat && g.m_exposedHeight == 0 && g.IsAtSurface() && onBottom)
        drive = 0.0f;
    bool still = false;
    if (!hasFloat && onBottom)
        still = !(m_piombo.HasNoShapeOne() && plat::Random() % 1000 < 6);
    if (!still) {
        if (drive > 2.0f * grad) {
            if (g.GetVisibleHeight() >= 1 && g.GetVisibleHeight() <= 44)
                rigworld::SpawnMediumRing(g.GetX(), g.GetY());
            g.SetX(g.GetX() + d);
            g.m_landed = d;
        } else if (drive > grad && d != 0) {
            g.SetX(g.GetX() + (d > 0 ? 1 : -1));
            g.m_landed = 1;
        } else {
            g.m_landed = 0;
        }
    } else {
        g.m_landed = 0;
    }
    if (!onBottom) {
        const int vertical = rigworld::VerticalCurrent();
        if (vertical == 2) {
            g.SetY(g.GetY() + 1);
        } else if (vertical == 1) {
            const int y = g.GetY();
            g.SetY(y - 1);
            const float slack = GetLineSlack();
            const bool undo = m_canna.HasReel()
                                  ? slack < grad
                                  : (slack <= 0.0f || float(GetFloatDepth()) >
                                                          std::trunc(m_lenza.m_length + m_canna.GetLength()));
            if (undo)
                g.SetY(y);
        }
    }
    m_driftNesting = 0;
}

// ---- bobbing --------------------------------------------------------------------

void CCannaPesca::OnTimer3()
{
    CGalleggiante& g = m_galleggiante;
    if (rigworld::VenueType() != 2 || GetPhase() != kPhaseRest || g.m_sinkOffset > 0) {
        g.m_bobOffset = g.m_bobStep = 0;
        return;
    }
    const int sea = std::clamp(rigworld::SeaState(), 0, 3);
    const int water = std::max(std::clamp(rigworld::CurrentClass(), 0, 3), sea);
    auto suits = [water](int r) { return r == -1 || r == water; };
    int amplitude;
    if (suits(g.GetCurrentRating()) && suits(m_piombo.GetWeightClass())) {
        amplitude = 3;
        m_timer[3].interval = 120;
    } else {
        static constexpr std::uint32_t kIntervals[4] = {120, 80, 60, 40};
        amplitude = rigworld::WaveLevel();
        m_timer[3].interval = kIntervals[sea];
    }
    if (g.m_bobStep == 0)
        g.m_bobStep = 1;
    g.m_bobOffset += g.m_bobStep;
    if (!(g.m_bobOffset > 0 && g.m_bobOffset < amplitude))
        g.m_bobStep = -g.m_bobStep;
}

// ---- float display --------------------------------------------------------------

void CCannaPesca::UpdateVisibleHeight()
{
    CGalleggiante& g = m_galleggiante;
    const int d = int(std::trunc(GetRigDistance() - float(g.m_lineAbove)));
    switch (GetPhase()) {
    case kPhaseRest: g.SetVisibleHeight(d < g.m_exposedHeight ? g.m_exposedHeight : d); break;
    case kPhaseFish:
        if (d < 0 && g.GetVisibleHeight() > 0)
            g.SetVisibleHeight(IsNibbling() ? g.m_exposedHeight - 2 : g.GetVisibleHeight() - 1);
        else
            g.SetVisibleHeight(d);
        break;
    default: g.SetVisibleHeight(d); break;
    }
}

void CCannaPesca::UpdateFloatTilt()
{
    CGalleggiante& g = m_galleggiante;
    if (g.m_dip > 0)
        g.SetVisibleHeight(45);
    const float lineAngle = m_lenza.GetAngle();
    if (!g.IsAtSurface()) {
        g.m_rotation = lineAngle;
        return;
    }
    const bool settled = (GetPhase() == kPhaseRest && m_lenza.m_rigFlags[0]) || IsNibbling();
    if (!settled) {
        g.SetTiltWhileMoving(lineAngle);
        return;
    }
    const int bottom = int(GetBottomDepth());
    int o = int(std::trunc(std::max(0.0f, m_sinkDepth))) - bottom;
    if (o <= 0)
        o = GetFloatDepth() - bottom;
    const int shallowest = m_piombo.GetMinPosition();
    g.m_bottomFlag = o > shallowest ? 1 : 0;
    g.SetLayAngle(g.m_bottomFlag ? float(std::min(80, o - shallowest)) : 0.0f);
}

void CCannaPesca::PlaceFloatOnLine()
{
    CGalleggiante& g = m_galleggiante;
    const float rig = GetRigDistance();
    float e = rig - float(g.m_lineAbove);
    if ((GetPhase() == kPhaseRest || IsNibbling()) && e < 0.0f)
        e = 0.0f;
    g.m_sinkOffset = int(std::trunc(e));
    g.m_submergedFlag = 1;
    const float segment = m_lenza.GetLength();
    const float scale = g.m_scale;
    if (GetPhase() == kPhaseFish && !IsNibbling() && segment < float(g.GetVisibleHeight()) * scale) {
        g.SetVisibleHeight(int(segment));
        g.m_submergedFlag = 0;
    }
    const float vis = float(g.GetVisibleHeight());
    float l = std::trunc(e - vis);
    const float free = GetFreeLine();
    if (free < 0.0f)
        l += -free;
    l = std::min(l, std::trunc(segment - vis * scale));
    // The float at the line point itself (the rod's tip in the water) leaves
    // no distance to share out: that limit is skipped.
    if (l > 0.0f && rig > 0.0f)
        l = std::min(l, segment * float(g.m_position) / rig);
    const float t = g.m_rotation * kDegToRad;
    const float h = -0.5f * vis * scale;
    const float lx = l > 0.0f ? std::trunc(std::sin(t) * l) : 0.0f;
    const float ly = l > 0.0f ? std::trunc(std::cos(t) * l) : 0.0f;
    g.m_drawOffsetX = int(lx - std::trunc(std::sin(t) * h));
    g.m_drawOffsetY = int(ly - std::trunc(std::cos(t) * h));
}

void CCannaPesca::UpdateLineSag()
{
    m_lenza.m_sagX = m_lenza.m_sagY = 0.0f;
    if (GetPhase() != kPhaseRest || int(std::trunc(std::max(0.0f, m_sinkDepth))) >= 1)
        return;
    const float free = GetFreeLine();
    if (free >= 0.0f)
        return;
    const float v = m_canna.HasReel() ? std::max(free, -(m_canna.GetLength() / 3.0f)) : std::max(free, -20.0f);
    const float a = m_lenza.GetAngle() * kDegToRad;
    m_lenza.m_sagX = std::trunc(std::cos(a) * v);
    m_lenza.m_sagY = std::trunc(std::sin(a) * v);
}
