#include "simulation/tackle/Lenza.h"

#include "simulation/tackle/CannaPesca.h"

#include <algorithm>
#include <cmath>
#include <cstring>

CLenza::CLenza() : m_rig(nullptr) { Init(); }

void CLenza::Init()
{
    std::memset(m_points, 0, sizeof m_points);
    m_material.Init();
    m_leader.Init();
    m_leader.m_inUse = 1;
    for (CFinale& d : m_droppers) {
        d.Init();
        d.m_inUse = 0;
    }
    m_length = 0.0f;
    m_tension = 0.0f;
    m_straight = 0;
    m_rigFlags[0] = m_rigFlags[1] = 0;
    m_maxTensionCache[0] = m_maxTensionCache[1] = m_maxTensionCache[2] = 0.0f;
    m_sagProgress = 0.0f;
    m_sagX = m_sagY = 0.0f;
    m_material.m_colour = 0;
    m_leader.m_material.m_colour = 0;
    m_colour[0] = m_colour[1] = m_colour[2] = 0.7f;
    m_colour[3] = 0.4f;
    m_alpha = 0.4f;
    m_hookState = 0;
    m_heading = 0.0f;
}

int CLenza::Load(plat::Device* dev, float length)
{
    InitScreen();
    const int u = GetScreenHeight() / 30;
    m_top = 6 * u;
    m_bottom = 27 * u;
    m_left = 0;
    m_right = GetScreenWidth();
    m_length = length;
    m_leader.Load(dev);
    for (CFinale& d : m_droppers)
        d.Load(dev);
    LoadScene(dev);
    if (dev) {
        m_photo.Init(dev);
        if (HasTackleBitmap(kBitmapLineStrip)) {
            LoadTacklePhoto(m_photo, dev, "", "", kBitmapLineStrip, 1300, 100);
            m_photo.m_frameW = 100;
            m_photo.m_column = m_material.m_colour;
        }
    }
    return 0;
}

void CLenza::OnLostDevice()
{
    m_drawer.reset();
    m_icon.OnLostDevice();
    m_gauge.OnLostDevice();
    m_photo.OnLostDevice();
    m_leader.OnLostDevice();
    for (CFinale& d : m_droppers)
        d.OnLostDevice();
}

void CLenza::OnResetDevice(plat::Device* dev)
{
    if (dev && !m_drawer) {
        int st = 0;
        m_drawer = dev->CreateLineDrawer(&st);
    }
    m_icon.OnResetDevice(dev);
    m_gauge.OnResetDevice(dev);
    m_photo.OnResetDevice(dev);
    m_leader.OnResetDevice(dev);
    for (CFinale& d : m_droppers)
        d.OnResetDevice(dev);
}

void CLenza::ResetRig(plat::Device* dev)
{
    m_material.Init();
    SetLength((m_rig ? m_rig->m_canna.GetLength() : 500.0f) - 50.0f, false);
    m_alpha = 0.4f;
    m_tension = 0.0f;
    m_rigFlags[0] = m_rigFlags[1] = 0;
    m_maxTensionCache[0] = m_maxTensionCache[1] = m_maxTensionCache[2] = 0.0f;
    m_sagProgress = 0.0f;
    m_colour[0] = m_colour[1] = m_colour[2] = 0.7f;
    m_colour[3] = 0.4f;
    m_material.m_colour = 0;
    m_leader.m_material.m_colour = 0;
    m_leader.InitFrom(dev, 10.0f);
    m_leader.m_inUse = 1;
    m_droppers[0].InitFrom(dev, 20.0f);
    m_droppers[1].InitFrom(dev, 30.0f);
    m_droppers[0].m_inUse = 0;
    m_droppers[1].m_inUse = 0;
}

void CLenza::ResetForCast()
{
    UpdateColour(true, 2);
    m_maxTensionCache[0] = m_maxTensionCache[1] = m_maxTensionCache[2] = 0.0f;
}

bool CLenza::LoadConfiguration(const CIniText& file, plat::Device* dev)
{
    SetLength(float(file.ReadInt("LENZA", "LUNGHEZZA", 500)), false);
    // A colour or kind outside the tables would read past them: such a file
    // value loads as the first row.
    const int colour = file.ReadInt("LENZA", "COLORE", 0);
    m_material.m_colour = colour >= 0 && colour < CFilo::kColours ? colour : 0;
    m_leader.m_material.m_colour = m_material.m_colour;
    UpdateColour(true, 2);
    m_material.SetDiameter(file.ReadInt("LENZA", "FILO", 14));
    const int kind = file.ReadInt("LENZA", "TIPO_FILO", 0);
    m_material.m_kind = kind >= 0 && kind < CFilo::kKinds ? kind : 0;
    m_leader.LoadConfiguration(file, "LENZA", "AMO", dev);
    m_droppers[0].LoadConfiguration(file, "BRACCIOLO_0", "AMO_BRACCIOLO_0", dev);
    m_droppers[1].LoadConfiguration(file, "BRACCIOLO_1", "AMO_BRACCIOLO_1", dev);
    m_photo.m_column = m_material.m_colour;
    return true;
}

void CLenza::SaveConfiguration(CIniText& file) const
{
    file.WriteInt("LENZA", "LUNGHEZZA", int(m_length));
    file.WriteInt("LENZA", "COLORE", m_material.m_colour);
    file.WriteInt("LENZA", "FILO", m_material.m_diameter);
    file.WriteInt("LENZA", "TIPO_FILO", m_material.m_kind);
    m_leader.SaveConfiguration(file, "LENZA", "AMO");
    m_droppers[0].SaveConfiguration(file, "BRACCIOLO_0", "AMO_BRACCIOLO_0");
    m_droppers[1].SaveConfiguration(file, "BRACCIOLO_1", "AMO_BRACCIOLO_1");
}

void CLenza::SetLength(float length, bool force)
{
    const float rod = m_rig ? m_rig->m_canna.GetLength() : 500.0f;
    const bool pole = !m_rig || !m_rig->m_canna.HasReel();
    if (pole || force) {
        length = std::clamp(length, rod - 50.0f, rod + 50.0f);
    } else {
        int deepest = m_rig->m_piombo.GetMaxPosition();
        if (m_rig->m_galleggiante.HasFloat())
            deepest = std::max(deepest, m_rig->m_galleggiante.m_position - 45);
        float low;
        if (m_rig->m_canna.GetPhase() == kPhaseFish)
            low = rod - 50.0f;
        else
            low = deepest + 100 > 180 ? float(deepest + 100) : 180.0f;
        const float high = float(m_rig->m_mulinello.GetCapacity());
        if (length < low)
            length = low;
        // Never more line than the spool holds, even when the float or the
        // shots ask for more.
        if (length > high)
            length = high;
    }
    m_length = length;
    SetTerminalLength(m_leader.m_length);
    for (int i = 0; i < 2; ++i)
        if (m_droppers[i].m_inUse)
            MoveDropperHook(i, m_droppers[i].m_position);
}

void CLenza::SetTerminalLength(float length)
{
    const float t = m_length - m_length / 3.0f;
    m_leader.m_length = length < 10.0f ? 10.0f : std::min(length, t);
}

void CLenza::MoveDropperKnot(int index, float knot)
{
    if (index < 0 || index > 1)
        return;
    CFinale& d = m_droppers[index];
    const float t = m_length - m_length / 3.0f;
    d.m_position = std::clamp(std::clamp(knot, 0.0f, std::max(t, 0.0f)) - d.m_length, 0.0f, std::max(t, 0.0f));
}

void CLenza::MoveDropperHook(int index, float hook)
{
    if (index < 0 || index > 1)
        return;
    CFinale& d = m_droppers[index];
    const float t = m_length - m_length / 3.0f;
    const float knot = d.m_position + d.m_length;
    float length = knot - std::max(hook, 0.0f);
    d.m_length = length < 10.0f ? 10.0f : std::min(length, t);
    MoveDropperKnot(index, std::max(knot, 0.0f));
}

CFinale& CLenza::GetTerminal(int number)
{
    if (number == 0)
        return m_droppers[1];
    if (number == 1)
        return m_droppers[0];
    return m_leader;
}

float CLenza::GetMaxTension(int terminal)
{
    float& cache = m_maxTensionCache[terminal == 0 ? 0 : terminal == 1 ? 1 : 2];
    if (cache == 0.0f) {
        const int m = std::min(m_material.m_diameter, GetTerminal(terminal).m_material.m_diameter);
        cache = float(m - 18) * 60.0f / 72.0f + 180.0f;
    }
    return cache;
}

void CLenza::StepTension(float target, int terminal)
{
    if (std::fabs(m_tension - target) > 5.0f)
        m_tension += m_tension < target ? 5.0f : -5.0f;
    else
        m_tension = target;
    if (m_tension < 0.0f)
        m_tension = 0.0f;
    else
        m_tension = std::min(m_tension, GetMaxTension(terminal));
}

void CLenza::UpdateColour(bool ownColour, int terminal)
{
    if (ownColour) {
        const int c = m_material.m_colour >= 0 && m_material.m_colour < CFilo::kColours ? m_material.m_colour : 0;
        for (int i = 0; i < 4; ++i)
            m_colour[i] = m_material.m_colours[c][i];
        return;
    }
    const float half = GetMaxTension(terminal) * 0.5f;
    if (half > m_tension) {
        m_colour[0] = m_tension / half;
        m_colour[1] = 1.0f;
    } else {
        m_colour[0] = 1.0f;
        m_colour[1] = 2.0f - m_tension / half;
    }
    m_colour[2] = 0.0f;
    m_colour[3] = m_alpha;
}

int CLenza::GetNearestAbove(int position) const
{
    int best = -1;
    const int leaderKnot = int(m_leader.m_length);
    if (leaderKnot > -9999 && leaderKnot < position)
        best = leaderKnot;
    for (const CFinale& d : m_droppers) {
        if (!d.m_inUse)
            continue;
        const int knot = int(d.m_position + d.m_length);
        if (knot < position && knot > best)
            best = knot;
    }
    return best;
}

int CLenza::GetNearestBelow(int position) const
{
    int best = -1;
    const int leaderKnot = int(m_leader.m_length);
    if (leaderKnot < 9999 && leaderKnot > position)
        best = leaderKnot;
    for (const CFinale& d : m_droppers) {
        if (!d.m_inUse)
            continue;
        const int knot = int(d.m_position + d.m_length);
        if (knot > position && (best == -1 || knot < best))
            best = knot;
    }
    return best;
}

void CLenza::UpdateHookState()
{
    if (m_leader.m_hook.m_current.baitKind == kBaitKindSpinning)
        m_hookState = 3;
    else
        m_hookState = (m_droppers[0].m_inUse ? 1 : 0) + (m_droppers[1].m_inUse ? 1 : 0);
}
