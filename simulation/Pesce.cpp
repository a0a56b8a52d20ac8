#include "simulation/Pesce.h"

#include "shell/Globals.h"

#include <algorithm>

KARVELIN_GLOBAL(24) CPesce g_Pesce;

CPesce::CPesce() { Reset(); }

void CPesce::Load(plat::Device* dev)
{
    if (dev)
        CSprite::Reset(dev);
    InitScreen();
    const int u = GetScreenHeight() / 30;
    m_top = 6 * u;
    m_bottom = 27 * u;
    m_depth = 0.99f;
    m_timer[0].interval = 100;
}

void CPesce::Reset()
{
    CSprite::Init();
    m_species = PesceRecord{};
    m_weight = 0.0f;
    m_stamina = 0.0f;
    m_maxStamina = 0.0f;
    m_length = 0;
    m_run = 0;
    m_jumping = 0;
    m_exhaustion = 0;
    m_heading = 0.0f;
    m_alpha = 1.0f;
    m_visible = 0;
}

float CPesce::GetStrength(bool pullOnly) const
{
    float s = std::min(m_weight / 100.0f, 4.0f);
    if (!pullOnly)
        s += float(int(m_weight) / 1000);
    return s;
}

// The fish's own picture, rings and stamina bar come with the fight.
void CPesce::Render(plat::Device*) {}

void CPesce::OnLostDevice() { CSprite::OnLostDevice(); }

void CPesce::OnResetDevice(plat::Device* dev) { CSprite::OnResetDevice(dev); }
