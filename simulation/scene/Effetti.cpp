#include "simulation/scene/Effetti.h"

#include "platform/Random.h"
#include "shell/Globals.h"
#include "shell/Opzioni.h"
#include "shell/SoundPlayer.h"
#include "shell/Utility.h"
#include "simulation/tackle/Cerchi.h"
#include "world/Calendario.h"
#include "world/Fondale.h"
#include "world/Luogo.h"
#include "world/Meteo.h"
#include "world/SceneLinks.h"

#include <cstdlib>

KARVELIN_GLOBAL(2) CEffetti g_Effetti;

CEffetti::CEffetti() { Reset(); }

void CEffetti::Reset()
{
    m_jump.Init();
    m_surface.Init();
    m_marker.Init();
    m_jump.m_visible = 0;
    m_surface.m_visible = 0;
    m_marker.m_visible = 0;
    Clear();
}

void CEffetti::Clear()
{
    m_jump.m_visible = 0;
    m_jumpActive = 0;
    m_surface.m_visible = 0;
    m_surfaceActive = 0;
    m_surfacePhase = 0;
    m_marker.m_visible = 0;
    m_overlayShown = 0;
}

void CEffetti::SetRange(CSprite& sprite, int top, int bottom, float start, float end, float maximum)
{
    sprite.m_top = top;
    sprite.m_bottom = bottom;
    sprite.m_rampStart = start;
    sprite.m_rampEnd = end;
    sprite.m_maxScale = maximum;
    sprite.m_rampOn = 0; // applied when an effect starts (the surface fish then grows on its own)
    sprite.m_depth = 0.99f;
}

void CEffetti::Load(plat::Device* dev)
{
    InitScreen();
    const int q = m_screenH / 30;
    m_jump.Reset(dev);
    m_jump.CreateFromResource(dev, kBitmapFishSheet, 600, 200);
    m_jump.m_frameW = 100;
    m_jump.m_frameH = 100;
    m_jump.m_row = 1;
    SetRange(m_jump, 13 * q, 27 * q, 0.2f, 1.0f, 1.3f);
    m_surface.Reset(dev);
    m_surface.CreateFromResource(dev, kBitmapSurfaceFish, 480, 18);
    m_surface.m_frameW = 40;
    m_surface.m_frameH = 18;
    SetRange(m_surface, 13 * q, 27 * q, 0.3f, 0.9f, 0.9f);
    m_surface.m_alpha = 0.0f;
    m_marker.Reset(dev);
    m_marker.CreateFromResource(dev, kBitmapSurfaceFish, 480, 18);
    m_marker.m_frameW = 40;
    m_marker.m_frameH = 18;
    SetRange(m_marker, 6 * q, 27 * q, 0.3f, 0.6f, 0.6f);
    m_marker.m_alpha = 1.0f;
    m_label.Init();
    m_label.m_frameH = 12;
    m_label.Create(dev);
    m_label.m_relative = 0;
    m_timer[0].interval = 120;
    m_timer[1].interval = 1000;
    Clear();
}

void CEffetti::DrawPoint(CSprite& sprite)
{
    const int q = m_screenH / 30;
    const int range = 27 * q - 13 * q;
    int x = m_screenW > 0 ? plat::Random() % m_screenW : 0;
    int y = 13 * q + (range > 0 ? plat::Random() % range : 0);
    if (sprite.m_relative == 1) {
        x += m_offsetX;
        y += m_offsetY;
    }
    sprite.SetX(x);
    sprite.SetY(y);
}

void CEffetti::StartJump()
{
    m_jumpActive = 0;
    DrawPoint(m_jump);
    m_jump.m_column = 0;
    m_jump.m_alpha = 1.0f;
    m_jump.m_rotation = 0.0f;
    m_jump.m_visible = 1;
    if (!g_Fondale.IsFishNear(m_jump.GetX(), m_jump.GetY(), 0))
        return;
    m_jumpActive = 1;
    m_jump.ApplyScaleRamp();
    if (m_jump.GetY() < 300)
        g_SndPlayer.splash3.Play();
}

void CEffetti::StartSurfaceFish()
{
    if (m_surfaceActive)
        return;
    DrawPoint(m_surface);
    m_surface.m_column = 0;
    m_surface.m_alpha = 0.0f;
    const bool left = plat::Random() % 100 < 51;
    const int d = plat::Random() % 20;
    const int sign = plat::Random() % 100 > 50 ? -1 : 1;
    m_surface.m_rotation = float((left ? 180 : 0) + sign * d);
    m_surfaceDirection = left ? -1 : 1;
    m_surface.m_visible = 1;
    if (!g_Fondale.IsFishNear(m_surface.GetX(), m_surface.GetY(), 0))
        return;
    m_surfaceActive = 1;
    m_surfacePhase = 1;
    m_surface.ApplyScaleRamp();
}

void CEffetti::OnTimer0()
{
    const int weather = g_Meteo.GetState();
    const bool wet = weather == kWeatherRain || weather == kWeatherSnow;

    if (m_jumpActive) {
        // Seven frames: the last lies past the sheet's six columns, where the
        // sheet's transparent edge shows nothing (the fish is back under).
        if (++m_jump.m_column > 6) {
            m_jumpActive = 0;
            m_jump.m_visible = 0;
        }
    } else if (!g_Calendario.IsNight() && g_Calendario.GetAirTemperature(g_Luogo.Record().GEOGRAFIA) > 10) {
        if (plat::Random() % 1000 < (wet ? 15 : 5))
            StartJump();
    }

    if (m_surfaceActive) {
        m_surface.m_column = (m_surface.m_column + 1) % 12;
        if (m_surfacePhase == 1) {
            if (m_surface.m_alpha < 0.4f) {
                m_surface.m_alpha += 0.05f;
                m_surface.m_scale += 0.01f;
                m_surface.SetX(m_surface.GetX() + m_surfaceDirection);
            } else {
                m_surfacePhase = 2;
            }
        } else if (m_surfacePhase == 2) {
            if (plat::Random() % 1000 < 20)
                m_surfacePhase = 3;
        } else if (m_surfacePhase == 3) {
            if (m_surface.m_alpha > 0.05f) {
                m_surface.m_alpha -= 0.05f;
                m_surface.m_scale -= 0.01f;
                m_surface.SetX(m_surface.GetX() + m_surfaceDirection);
            } else {
                m_surfacePhase = 0;
                m_surfaceActive = 0;
                m_surface.m_visible = 0;
            }
        }
    } else {
        const int phase = g_Calendario.GetDayPhase();
        if ((phase == kPhaseMorning || phase == kPhaseAfternoon) && g_Luogo.Record().ACQUA != 1) {
            if (plat::Random() % 1000 < (wet ? 25 : 15))
                StartSurfaceFish();
        }
    }

    if (m_overlayShown)
        m_marker.m_column = (m_marker.m_column + 1) % 12;
}

void CEffetti::OnTimer1()
{
    if (!m_overlayShown)
        return;
    if (m_marker.m_alpha > 0.1f) {
        m_marker.m_alpha -= 0.1f;
        return;
    }
    m_overlayShown = 0;
    m_marker.m_visible = 0;
}

void CEffetti::ToggleOverlay()
{
    if (m_overlayShown) {
        m_overlayShown = 0;
        m_marker.m_visible = 0;
        return;
    }
    m_overlayShown = 1;
    m_marker.m_column = 0;
    m_marker.m_alpha = 1.0f;
    m_marker.m_visible = 1;
    int p = 30;
    switch (g_Opzioni.level) {
    case 1: p = 10; break;
    case 2: p = 5; break;
    default: break;
    }
    for (int c = 0; c < 33; ++c)
        for (int r = 0; r < 33; ++r)
            m_overlay[c][r] = plat::Random() % 100 < p ? 6 - plat::Random() % 12 : 0;
}

void CEffetti::Render(plat::Device* dev)
{
    if (m_jumpActive) {
        g_GestCerchi.SpawnMedium(m_jump.GetX(), m_jump.GetY(), false);
        m_jump.Draw(dev);
    }
    if (m_surfaceActive)
        m_surface.Draw(dev);
    if (m_overlayShown)
        DrawOverlay(dev);
    RunTimer0();
    RunTimer1();
}

void CEffetti::DrawOverlay(plat::Device* dev)
{
    for (int c = 0; c < 33; ++c) {
        for (int r = 0; r < 33; ++r) {
            const int v = m_overlay[c][r];
            if (v == 0)
                continue;
            const int x = g_Fondale.XOfColumn(c) + v + m_offsetX;
            const int y = g_Fondale.YOfRow(r) + v + m_offsetY;
            if (y <= g_Luogo.GetUpperLimitAt(x, true) || r % 2 != 0 || !g_Fondale.IsFishCell(c, r))
                continue;
            m_marker.SetX(x);
            m_marker.SetY(y);
            m_marker.m_scale = 1.0f;
            m_marker.ApplyScaleRamp();
            m_marker.m_rotation = float(v > 0 ? v : std::abs(v) + 180);
            m_marker.Draw(dev);
        }
    }
    const RigLink* rig = GetRigLink();
    if (!rig || !rig->GetDepthAt)
        return;
    const int q = m_screenH / 30;
    const CConvUnita units;
    for (int k = 6; k <= 27; ++k) {
        float cm = 0.0f;
        if (!rig->GetDepthAt(q * k, cm))
            return;
        m_label.SetColour(1.0f, 1.0f, 1.0f, 0.5f + float(k - 6) / 42.0f);
        m_label.DrawJoined(dev, units.FormatLengthM(cm), units.IsMetric() ? " mt" : " ft", 10, q * k);
    }
}

void CEffetti::OnLostDevice()
{
    m_jump.OnLostDevice();
    m_surface.OnLostDevice();
    m_marker.OnLostDevice();
    m_label.OnLostDevice();
}

void CEffetti::OnResetDevice(plat::Device* dev)
{
    m_jump.OnResetDevice(dev);
    m_surface.OnResetDevice(dev);
    m_marker.OnResetDevice(dev);
    m_label.OnResetDevice(dev);
}
