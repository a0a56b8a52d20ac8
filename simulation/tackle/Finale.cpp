#include "simulation/tackle/Finale.h"

#include <algorithm>
#include <cstring>
#include <string>

CFinale::CFinale() { Init(); }

void CFinale::Init()
{
    m_material.Init();
    m_hook.Reset();
    m_length = 10.0f;
    m_swivel = 1;
    m_position = 0.0f;
    m_inUse = 1;
}

void CFinale::InitFrom(plat::Device* dev, float length)
{
    m_material.Init();
    m_length = length;
    m_swivel = 1;
    m_hook.Select(dev, 0);
    m_inUse = 1;
    m_position = 0.0f;
}

void CFinale::Load(plat::Device* dev)
{
    InitScreen();
    const int u = GetScreenHeight() / 30;
    m_top = 6 * u;
    m_bottom = 27 * u;
    m_hook.Init(dev);
    LoadRigView(dev);
}

void CFinale::OnLostDevice()
{
    m_hook.OnLostDevice();
    m_button.OnLostDevice();
    m_line.reset();
}

void CFinale::OnResetDevice(plat::Device* dev)
{
    m_hook.OnResetDevice(dev);
    if (dev) // the rig-view pictures wait for a device to be made on
        m_button.OnResetDevice(dev);
    if (dev && !m_line) {
        int st = 0;
        m_line = dev->CreateLineDrawer(&st);
    }
}

void CFinale::LoadConfiguration(const CIniText& file, const char* section, const char* hookSection, plat::Device* dev)
{
    const bool leader = std::strcmp(hookSection, "AMO") == 0;
    // No line is longer than the biggest spool holds (350 m): lengths and
    // positions beyond it are damage, and would overflow the whole-number
    // look-ups and the save.
    constexpr int kMaxLine = 35000;
    m_length = float(std::clamp(file.ReadInt(section, "LUNGHEZZA_FINALE", 10), 0, kMaxLine));
    m_material.SetDiameter(file.ReadInt(section, "FILO_FINALE", 14));
    // A kind outside the load table would read past it: such a file value
    // loads as the finest kind.
    const int kind = file.ReadInt(section, "TIPO_FILO_FINALE", 0);
    m_material.m_kind = kind >= 0 && kind < CFilo::kKinds ? kind : 0;
    m_swivel = file.ReadInt(section, "GIRELLA", 1) == 1 ? 1 : 0;
    if (leader) {
        m_position = 0.0f;
        m_inUse = 1;
    } else {
        m_position = float(std::clamp(file.ReadInt(section, "POSIZIONE_BRACCIOLO", 0), 0, kMaxLine));
        m_inUse = file.ReadInt(section, "INUSO", 0) == 1 ? 1 : 0;
    }
    char id[129];
    file.ReadString(hookSection, "FILE", "INTERNAL_0", id, 128);
    m_hook.SelectById(dev, id);
    if (std::strcmp(m_hook.m_current.id, id) != 0)
        LogTackleFallback(std::string("configuration: hook ") + id + " unknown, " + m_hook.m_current.id + " mounted");
}

void CFinale::SaveConfiguration(CIniText& file, const char* section, const char* hookSection) const
{
    const bool leader = std::strcmp(hookSection, "AMO") == 0;
    file.WriteInt(section, "LUNGHEZZA_FINALE", int(m_length));
    file.WriteInt(section, "FILO_FINALE", m_material.m_diameter);
    file.WriteInt(section, "TIPO_FILO_FINALE", m_material.m_kind);
    file.WriteInt(section, "GIRELLA", m_swivel == 1 ? 1 : 0);
    file.WriteInt(section, "POSIZIONE_BRACCIOLO", leader ? 0 : int(m_position));
    file.WriteInt(section, "INUSO", leader ? 1 : (m_inUse == 1 ? 1 : 0));
    file.WriteString(hookSection, "FILE", m_hook.m_current.id);
}
