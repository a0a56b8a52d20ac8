#include "simulation/Pesce.h"

#include "shell/Globals.h"
#include "shell/Graphics.h"
#include "platform/Random.h"

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

namespace {

// Length classes as fractions of the species' size span: most fish are
// small, few reach the top of the span.
struct SizeClass {
    int cumulative; // percent
    float low;
    float width;
};
const SizeClass kSizeClasses[7] = {
    {15, 0.0f, 0.1f}, {45, 0.1f, 0.1f}, {75, 0.2f, 0.1f}, {85, 0.3f, 0.1f},
    {92, 0.4f, 0.2f}, {97, 0.6f, 0.2f}, {100, 0.8f, 0.2f},
};

} // namespace

void CPesce::Hook(const PesceRecord& record, int x, int y, int run, int lengthCap, bool withPhoto)
{
    const int r = plat::Random() % 100;
    int k = 0;
    while (k < 6 && r >= kSizeClasses[k].cumulative)
        ++k;
    const SizeClass& size = kSizeClasses[k];

    const int span = record.maxSize - record.minSize;
    const int width = static_cast<int>(static_cast<float>(span) * size.width);
    int length = record.minSize + static_cast<int>(static_cast<float>(span) * size.low) +
                 (width > 0 ? plat::Random() % width : 0);

    m_species = record;
    if (lengthCap > 0) {
        length = std::min(length, lengthCap);
        // A hook too small for the smallest fish of the species holds only
        // the catalogue's fallback species; the length stays.
        if (length < record.minSize)
            m_species = g_Pesci.GetRecord(1);
    }
    if (plat::Random() % 100 < 50)
        m_species.biteKind = 0;

    m_length = length;
    m_weight = ComputeWeight(m_species, length, true);
    m_stamina = m_maxStamina = GetStrength(false);
    m_exhaustion = 0;
    m_jumping = 0;
    m_run = run;
    SetX(x);
    SetY(y);
    if (withPhoto)
        g_Pesci.LoadPhoto(g_pDevice, static_cast<unsigned>(m_species.speciesIndex));
}

float CPesce::ComputeWeight(const PesceRecord& record, int length, bool withRandom)
{
    return ComputeFishWeight(record, length, withRandom);
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
