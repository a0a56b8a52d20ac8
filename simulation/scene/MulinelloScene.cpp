// The reel at work in the fishing scene: retrieving, back-reeling, the drag
// giving line to a pulling fish, and the drag gauge.
#include "simulation/tackle/Mulinello.h"

#include "simulation/tackle/CannaPesca.h"
#include "simulation/scene/Pesce.h"
#include "shell/SoundPlayer.h"
#include "simulation/tackle/Scene3D.h"

#include <algorithm>

constexpr std::uint32_t kBitmapDragGauge = 366;

void CMulinello::LoadScene(plat::Device* dev)
{
    m_gauge.Init();
    if (!dev)
        return;
    m_gauge.Reset(dev);
    if (HasTackleBitmap(kBitmapDragGauge))
        LoadTackleBitmap(m_gauge, dev, kBitmapDragGauge, 160, 24);
    m_gauge.m_frameW = 40;
    m_gauge.m_frameH = 24;
    m_gauge.m_column = 0;
    m_gauge.m_alpha = 1.0f;
    m_gauge.m_anchorX = 1;
    m_gauge.m_anchorY = 1;
}

void CMulinello::OnTimer0()
{
    Retrieve();
    if (m_gaugeCountdown > 0)
        m_gaugeCountdown = std::max(0, m_gaugeCountdown - int(m_timer[0].interval));
}

void CMulinello::Retrieve()
{
    if (!m_rig)
        return;
    CCannaPesca& rig = *m_rig;
    const int phase = rig.GetPhase();
    if (!m_retrieving) {
        if (phase == kPhaseRest)
            rig.m_canna.m_bendTarget = 0.0f;
        return;
    }
    ++m_ticks;
    m_lineRelease = 0;
    // A lure comes in at a third of the speed.
    if (rig.IsSpinningRig() && phase == kPhaseRest && rig.m_lenza.m_length > rig.m_canna.GetLength() &&
        m_ticks % 3 != 0)
        return;
    const float before = rig.m_lenza.m_length;
    rig.SetLineLength(before - 2.0f * m_current.ratio);
    if (!(rig.m_lenza.m_length < before)) {
        m_retrieving = 0;
        m_ticks = 0;
        return;
    }
    m_handleAngle += 20;
    if (m_handleAngle >= 360)
        m_handleAngle = 0;
    g_SndPlayer.mulinello.Play();
    if (phase == kPhaseRest)
        rig.m_canna.m_bendTarget = -0.8f;
    else if (phase == kPhaseFish)
        rig.m_strike = 1; // reeling in answers the bite
}

void CMulinello::OnTimer1()
{
    if (!m_rig || !m_rig->m_canna.HasReel() || m_rig->GetPhase() != kPhaseRest)
        return;
    m_rig->SetLineLength(m_rig->m_lenza.m_length + 40.0f);
    m_handleAngle -= 20;
    if (m_handleAngle < 1)
        m_handleAngle = 360;
}

void CMulinello::OnTimer2() { GiveLine(); }

void CMulinello::GiveLine()
{
    if (m_rig) {
        CCannaPesca& rig = *m_rig;
        CLenza& line = rig.m_lenza;
        const bool canGive = line.m_tension >= line.GetMaxTension(rig.GetRigKind()) * 0.5f &&
                             rig.GetPhase() == kPhaseFish && rig.m_canna.HasReel();
        if (canGive && g_Pesce.m_stamina > m_drag && float(m_capacity) > line.m_length) {
            const float g = std::min((g_Pesce.m_stamina - m_drag) * 5.0f, 20.0f);
            rig.SetLineLength(line.m_length + g);
            if (g > 0.0f) {
                if (!g_SndPlayer.frizione.IsPlaying())
                    g_SndPlayer.frizione.Play();
                return;
            }
        }
    }
    g_SndPlayer.frizione.Stop();
}

float CMulinello::GetDragPercent() const { return std::clamp((m_drag - 1.0f) * 100.0f / 11.0f, 0.0f, 100.0f); }

void CMulinello::Render(plat::Device* dev)
{
    if (!m_rig || !m_rig->m_canna.HasReel())
        return;
    // A flat rod shows the gauge only.
    if (IsScene3DInUse())
        Draw3D(dev);
    DrawDragGauge(dev);
    RunTimer0();
}

void CMulinello::DrawDragGauge(plat::Device* dev)
{
    const int phase = m_rig ? m_rig->GetPhase() : kPhaseRest;
    if (!dev || !(m_gaugeCountdown >= 1 || phase == kPhaseFish))
        return;
    const int f = (phase == kPhaseFish && m_drag >= g_Pesce.m_stamina) ? 2 : 0;
    m_gauge.m_x = (m_rig ? m_rig->m_canna.GetX() : 0) + 50;
    m_gauge.m_y = GetScreenHeight() - 30;
    m_gauge.m_visible = 1;
    m_gauge.m_column = f;
    m_gauge.m_rotation = 0.0f;
    m_gauge.Draw(dev);
    m_gauge.m_column = f + 1;
    m_gauge.m_rotation = GetDragPercent() * 1.8f - 90.0f;
    m_gauge.Draw(dev);
    m_gauge.m_rotation = 0.0f;
}
