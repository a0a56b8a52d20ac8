#include "simulation/scene/Pesce.h"

#include "platform/Clock.h"
#include "platform/Random.h"
#include "shell/Globals.h"
#include "shell/Graphics.h"
#include "shell/Opzioni.h"
#include "shell/SoundPlayer.h"
#include "simulation/tackle/CannaPesca.h"
#include "simulation/scene/Retino.h"
#include "simulation/scene/SessionLink.h"
#include "simulation/scene/RigWorld.h"
#include "simulation/tackle/Scene3D.h"
#include "simulation/tackle/TackleFile.h"

#include <algorithm>
#include <cmath>

KARVELIN_GLOBAL(24) CPesce g_Pesce;

namespace {
constexpr float kDegToRad = 0.017453292f;
// Most fish are small for their species; the big ones are rare.
constexpr CPesce::SizeClass kSizeClasses[7] = {
    {15, 0.0f, 0.1f}, {45, 0.1f, 0.1f}, {75, 0.2f, 0.1f}, {85, 0.3f, 0.1f},
    {92, 0.4f, 0.2f}, {97, 0.6f, 0.2f}, {100, 0.8f, 0.2f},
};
constexpr int kSheetColumns = 6;
constexpr int kJumpLastColumn = 6;

// The line the fish pulls against: the tension and its limit on the hooked
// terminal.
float Tension() { return g_CannaPesca.m_lenza.m_tension; }
float MaxTension() { return g_CannaPesca.m_lenza.GetMaxTension(g_CannaPesca.GetRigKind()); }
} // namespace

CPesce::CPesce() : m_heading(0.0f)
{
    std::copy(std::begin(kSizeClasses), std::end(kSizeClasses), m_classes);
    Reset();
}

CPesce::CPesce(plat::Device* dev) : CPesce() { Load(dev); }

void CPesce::Load(plat::Device* dev)
{
    if (dev) {
        CSprite::Reset(dev);
        if (HasTackleBitmap(kBitmapFishSheet))
            LoadTackleBitmap(*this, dev, kBitmapFishSheet, 600, 200);
        m_rings.Load(dev);
        m_bar.Reset(dev);
        if (HasTackleBitmap(kBitmapStaminaBar))
            LoadTackleBitmap(m_bar, dev, kBitmapStaminaBar, 220, 20);
    }
    m_frameW = 100;
    m_frameH = 100;
    m_anchorX = 1;
    m_anchorY = 1;
    InitScreen();
    const int u = GetScreenHeight() / 30;
    m_top = 6 * u;
    m_bottom = 27 * u;
    m_left = 0;
    m_right = GetScreenWidth();
    m_depth = 0.99f;
    m_rings.SetMedium();
    m_rings.m_visible = 1;
    m_rings.m_depth = 0.99f;
    m_bar.m_frameW = 20;
    m_bar.m_frameH = 20;
    m_bar.m_anchorX = 0;
    m_bar.m_anchorY = 0;
    m_bar.m_alpha = 1.0f;
    m_bar.m_visible = 1;
    std::copy(std::begin(kSizeClasses), std::end(kSizeClasses), m_classes);
    m_timer[0].interval = 100;
    plat::SeedRandom(plat::NowMs());
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

void CPesce::Hook(const PesceRecord& record, int x, int y, int run, int lengthCap, bool withPhoto)
{
    const int r = int(plat::Random() % 100);
    int k = 0;
    while (k < 6 && r >= m_classes[k].cumulative)
        ++k;
    const int span = record.maxSize - record.minSize;
    const int w = int(std::trunc(float(span) * m_classes[k].width));
    int length = record.minSize + int(std::trunc(float(span) * m_classes[k].low));
    if (w > 0)
        length += int(plat::Random() % w);
    PesceRecord species = record;
    if (lengthCap > 0) {
        length = std::min(length, lengthCap);
        if (length < record.minSize)
            species = g_Pesci.GetRecord(1);
    }
    m_species = species;
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
    if (withPhoto && g_pDevice)
        g_Pesci.LoadPhoto(g_pDevice, unsigned(m_species.speciesIndex));
}

float CPesce::ComputeWeight(const PesceRecord& record, int length, bool withRandom)
{
    return ComputeFishWeight(record, double(length), withRandom);
}

float CPesce::GetStrength(bool pullOnly) const
{
    float s = std::min(m_weight / 100.0f, 4.0f);
    if (!pullOnly)
        s += float(int(m_weight) / 1000);
    return s;
}

int CPesce::GetRandomShift(int axis, int range)
{
    const int r = int(plat::Random() % 100);
    if (IsSpent() || m_stamina * 10.0f <= float(r))
        return 0;
    int m = range >= 1 ? int(plat::Random() % range) : 0;
    if (int(plat::Random() % 100) > (axis == 0 ? 45 : 50))
        m = -m;
    return m;
}

void CPesce::SetHeading(float angle)
{
    if (!IsSpent()) {
        m_heading = angle;
        return;
    }
    // A spent fish lies on its side and turns slowly with the current.
    const bool toRight = angle > 2.0f || (angle == 2.0f && rigworld::CurrentDirection() != 0);
    const float target = toRight ? 80.0f : -80.0f;
    if (m_heading < target)
        m_heading = std::min(target, m_heading + 1.0f);
    else if (m_heading > target)
        m_heading = std::max(target, m_heading - 1.0f);
}

float CPesce::GetScale() const
{
    const float span = float(std::max(1, m_bottom - m_top));
    float s = float(m_y - m_top) / span + 0.2f;
    if (!m_jumping)
        s *= float(std::min(m_length, 100)) / 30.0f;
    return std::min(s, 1.3f);
}

int CPesce::GetStaminaFrame() const
{
    return std::min(10, std::max(1, 1 + int(std::trunc((m_stamina - 1.5f) * 100.0f / 27.5f))));
}

void CPesce::OnTimer0()
{
    const int speed = g_Opzioni.retrieveSpeed;
    const float m = speed == 0 ? 1.0f : speed == 1 ? 2.0f : 4.0f;
    const float tension = Tension();
    const float maxTension = MaxTension();
    // Past this the line is too tight for the fish to take more.
    const bool noGrowth = tension > std::nextafter(216.0f, 1000.0f);
    auto grow = [&](int by) {
        if (by < 0 || !noGrowth)
            m_run += by;
    };
    const int s = int(std::trunc(std::fabs(m_stamina)));
    if (m_exhaustion < 301) {
        if (plat::Random() % 100 < 70)
            grow(int(plat::Random() % 3) * s);
        else
            grow(-int(plat::Random() % 3));
    } else {
        grow(1);
    }
    if (m_stamina > 1.5f) {
        if (tension < maxTension)
            grow(int(plat::Random() % 3) * s);
        else
            grow(-int(plat::Random() % 3) * s);
    }
    m_run = std::clamp(m_run, -100, 15000);

    if (IsSpent()) {
        m_row = 0;
        m_column = m_heading >= 0.0f ? 1 : 0;
        if (plat::Random() % 1000 < 6) {
            m_exhaustion = 210;
            Jump();
        }
        CheckLanding();
        return;
    }
    if (tension >= maxTension * 0.5f) {
        m_stamina = std::max(1.0f, m_stamina - 0.004f * m);
    } else if (m_run >= 20) {
        const float d = (m_stamina > 1.4f && m_stamina < 1.5f) ? 0.001f : 0.005f;
        m_stamina = std::min(m_stamina + d * m, 1.2f * m_maxStamina);
    }
    if (m_stamina > 1.5f) {
        if (!m_jumping && m_run < 20 && plat::Random() % 100 < 30)
            Jump();
    } else if (!m_jumping) {
        m_column = int(plat::Random() & 1);
        m_row = 0;
        ++m_exhaustion;
        CheckLanding();
        return;
    }
    ++m_column;
    if (m_jumping) {
        // The jump's last column lies past the sheet and shows nothing: the
        // fish is back under water.
        if (m_column > kJumpLastColumn) {
            m_run = 20;
            m_jumping = 0;
            m_row = 0;
            m_column = 0;
        }
    } else {
        m_column %= kSheetColumns;
    }
    CheckLanding();
}

void CPesce::Jump()
{
    m_jumping = 1;
    m_column = 0;
    m_row = 1;
    const CGalleggiante& g = g_CannaPesca.m_galleggiante;
    if (g.DistanceOfRow(g.GetY()) < 300.0f && g_SndPlayer.splash3.enabled)
        g_SndPlayer.splash3.Play();
}

void CPesce::CheckLanding()
{
    const int net = g_Opzioni.netMode;
    if (m_stamina <= 1.5f && (net == 1 || net == 4 || net == 5) && !g_Retino.m_raised)
        g_Retino.Raise();
    if (m_run >= 99 || !g_Retino.IsUp())
        return;
    const int nx = g_Retino.m_x, ny = g_Retino.m_y;
    const float endY = g_CannaPesca.m_lenza.m_points[1][1];
    if (m_x < nx - kLandLeft || m_x > nx + kLandRight || endY < float(ny - kLandAbove) || endY > float(ny + kLandBelow))
        return;
    ShowSessionCatch(m_species.speciesIndex, m_weight, m_length);
}

void CPesce::Render(plat::Device* dev)
{
    const float scale = GetScale();
    const float h = m_heading * kDegToRad;
    const int rr = m_run < 2 ? 0 : m_run;
    const float a = float(10 - rr) * scale;
    const int dx = int(std::trunc(std::cos(h) * a));
    const int dy = IsSpent() ? int(std::trunc(std::sin(h) * scale)) : int(std::trunc(std::sin(h) * a));
    m_depth = IsScene3DInUse() ? 0.99f : 0.0f;
    const int u = GetScreenHeight() / 30;
    if (m_visible && m_y > 16 * u && (m_jumping || m_run < 10)) {
        const int x = m_x, y = m_y;
        const float rotation = m_rotation;
        m_scale = scale;
        m_rotation = m_jumping ? 0.0f : m_heading;
        if (!m_jumping) {
            // The body under water first, as a shadow beside the back.
            m_x = x + dy;
            m_y = y - dx;
            m_alpha = 0.3f;
            if (dev)
                Draw(dev);
            m_x = x;
            m_y = y;
        }
        const int rx = x - dy, ry = m_row == 1 ? y : y + dx;
        if (dev && m_rings.HasDrawer()) {
            m_rings.m_x = rx;
            m_rings.m_y = ry;
            m_rings.Draw(dev);
        }
        if (m_row != 1)
            rigworld::SpawnMediumRing(rx, ry);
        m_alpha = 1.0f;
        if (m_jumping) {
            if (dev)
                Draw(dev);
        } else {
            // Only the back breaks the surface: the frame's upper part.
            const int fullH = m_frameH;
            const int cut = std::max(1, int(std::trunc(float(fullH) / 2.0f + 10.0f - float(rr))));
            const float shift = float(cut - fullH) / 2.0f * scale;
            m_frameH = cut;
            m_y = int(float(y) + std::cos(h) * shift);
            m_x = int(float(x) - std::sin(h) * shift);
            if (dev)
                Draw(dev);
            m_frameH = fullH;
        }
        m_x = x;
        m_y = y;
        m_rotation = rotation;
    }
    RunTimer0();
    DrawBar(dev);
}

void CPesce::DrawBar(plat::Device* dev)
{
    if (!dev || !m_bar.HasDrawer())
        return;
    const int ox = GuiOffsetX(g_nViewportW);
    m_bar.m_column = 0;
    m_bar.m_x = ox + 450;
    m_bar.m_y = 27;
    m_bar.Draw(dev);
    m_bar.m_column = GetStaminaFrame();
    m_bar.m_x = ox + 475;
    m_bar.Draw(dev);
}

void CPesce::OnLostDevice()
{
    CSprite::OnLostDevice();
    m_rings.OnLostDevice();
    m_bar.OnLostDevice();
}

void CPesce::OnResetDevice(plat::Device* dev)
{
    CSprite::OnResetDevice(dev);
    m_rings.OnResetDevice(dev);
    m_bar.OnResetDevice(dev);
}
