#include "world/Meteo.h"

#include "platform/Random.h"
#include "shell/Globals.h"
#include "shell/Opzioni.h"
#include "shell/Utility.h"
#include "world/Calendario.h"
#include "world/Luogo.h"
#include "world/SceneLinks.h"

#include <algorithm>

KARVELIN_GLOBAL(20) CMeteo g_Meteo;

namespace {

int LinkState() { return g_Meteo.GetState(); }
void LinkLimitLight(float& red, float& green, float& blue) { g_Meteo.LimitLight(red, green, blue); }

const MeteoLink kClockLink = {LinkState, LinkLimitLight};

struct Thresholds {
    int cloudy, rain, fog;
};

Thresholds ThresholdsOf(int month)
{
    switch (month) {
    case 0:
    case 11: return {70, 40, 10};
    case 1:
    case 10: return {60, 30, 5};
    case 2:
    case 3:
    case 4: return {50, 25, 0};
    case 5:
    case 6:
    case 7:
    case 8: return {30, 10, 0};
    default: return {50, 20, 0}; // October
    }
}

} // namespace

CMeteo::CMeteo() : m_state(0), m_wind(0), m_direction(0), m_particles{}, m_speeds{}
{
    // Only the game's own weather drives the clock; a weather made by a
    // test or a tool stays to itself.
    if (this == &g_Meteo)
        CCalendario::SetMeteoLink(&kClockLink);
}

CMeteo::~CMeteo()
{
    if (this == &g_Meteo)
        CCalendario::SetMeteoLink(nullptr);
}

void CMeteo::Init(plat::Device* dev)
{
    InitScreen();
    m_state = m_wind = m_direction = 0;
    m_icon.Reset(dev);
    m_icon.CreateFromResource(dev, kBitmapWeatherIcons, 175, 28);
    m_icon.m_frameW = 35;
    m_icon.m_frameH = 28;
    m_icon.m_depth = 0.0f;
    m_drop.Reset(dev);
    m_drop.CreateFromResource(dev, kBitmapDrops, 12, 5);
    m_drop.m_frameW = 3;
    m_drop.m_frameH = 5;
    m_drop.m_alpha = 0.6f;
    m_drop.m_depth = 0.99f;
    // The fog, a full-screen picture, is made when fog is first drawn: a
    // start-up that shows the menus has no need of it.
    m_fog.Reset(dev);
    m_fogToMake = true;
    m_timer[0].interval = 100;
}

void CMeteo::MakeFog(plat::Device* dev)
{
    m_fogToMake = false;
    m_fog.CreateFromResource(dev, kBitmapFog, std::max(1, m_screenW), std::max(1, m_screenH));
    m_fog.m_anchorX = 0;
    m_fog.m_anchorY = 0;
    m_fog.m_alpha = 0.7f;
    m_fog.m_depth = 0.99f;
}

int CMeteo::WeatherSetting()
{
    const int v = g_Opzioni.weather;
    if (v >= -2 && v <= 4)
        return v;
    // A larger value would become the state and pick an icon frame that
    // does not exist.
    if (!m_loggedBadSetting) {
        LogError("Meteo", Concat2("CONDIZIONEMETEO out of range, weather left to chance: ", IntToText(v)), __LINE__);
        m_loggedBadSetting = true;
    }
    return -1;
}

int CMeteo::WindOfDraw(int r)
{
    if (r <= 5)
        return 3;
    if (r <= 20)
        return 2;
    if (r <= 40)
        return 1;
    return 0;
}

int CMeteo::StateOfDraw(int month, int r2, int temperature, int wind, int hour)
{
    const Thresholds t = ThresholdsOf(month);
    if (r2 <= t.fog) {
        if (temperature < 10 && wind == 0 && (hour <= 9 || hour >= 16))
            return kWeatherFog;
        return kWeatherClear;
    }
    if (r2 <= t.rain)
        return temperature <= 1 ? kWeatherSnow : kWeatherRain;
    if (r2 <= t.cloudy)
        return kWeatherCloudy;
    return kWeatherClear;
}

void CMeteo::NewDay()
{
    const int month = g_Calendario.GetMonth();
    // Worked out before the state is reset: it still carries yesterday's weather.
    const int t = g_Calendario.GetAirTemperature(g_Luogo.Record().GEOGRAFIA);
    m_state = m_wind = m_direction = 0;
    const int setting = WeatherSetting();
    if (setting == -2)
        return;
    m_wind = WindOfDraw(plat::Random() % 100);
    if (m_wind != 0)
        m_direction = plat::Random() % 100 >= 50 ? 1 : 0;
    const int r2 = plat::Random() % 100;
    m_state = StateOfDraw(month, r2, t, m_wind, g_Calendario.GetHour());
    if (setting != -1)
        m_state = setting;
    if (m_state == kWeatherRain || m_state == kWeatherSnow)
        InitParticles();
}

void CMeteo::InitParticles()
{
    for (int i = 0; i < kParticles; ++i) {
        m_speeds[i] = m_state == kWeatherRain ? 32 + plat::Random() % 32 : 8 + plat::Random() % 4;
        m_particles[i].x = m_screenW >= 1 ? plat::Random() % m_screenW : 0;
        m_particles[i].y = m_screenH >= 1 ? plat::Random() % m_screenH : 0;
    }
    if (m_state != kWeatherRain)
        m_drop.m_column = 3;
    else if (m_wind == 0)
        m_drop.m_column = 1;
    else
        m_drop.m_column = m_direction == 1 ? 2 : 0;
}

void CMeteo::OnTimer0()
{
    if (m_state == kWeatherRain || m_state == kWeatherSnow)
        MoveParticles();
}

void CMeteo::MoveParticles()
{
    for (int i = 0; i < kParticles; ++i) {
        Particle& p = m_particles[i];
        p.y += m_speeds[i];
        p.x += m_direction == 1 ? m_wind : -m_wind;
        if (m_state == kWeatherSnow)
            p.x += 1 - plat::Random() % 3;
        if (p.x < 0 || p.x > m_screenW || p.y > m_screenH) {
            p.x = m_screenW >= 1 ? plat::Random() % m_screenW : 0;
            p.y = 0;
        }
    }
}

void CMeteo::Draw(plat::Device* dev)
{
    if (WeatherSetting() == -2)
        return;
    if (m_state == kWeatherFog) {
        if (m_fogToMake)
            MakeFog(dev);
        m_fog.DrawAt(dev, 0, 0);
    }
    else if (m_state == kWeatherRain || m_state == kWeatherSnow)
        DrawParticles(dev);
    RunTimer0();
}

void CMeteo::DrawParticles(plat::Device* dev)
{
    const WaterRingLink* rings = GetWaterRingLink();
    for (int i = 0; i < kParticles; ++i) {
        m_drop.SetX(m_particles[i].x);
        m_drop.SetY(m_particles[i].y);
        m_drop.Draw(dev);
        if (m_particles[i].y > m_screenH / 2 && plat::Random() % 1000 < 10) {
            if (rings && rings->SpawnSmallNow)
                rings->SpawnSmallNow(m_particles[i].x, m_particles[i].y);
            RespawnParticle(i);
        }
    }
}

void CMeteo::RespawnParticle(int i)
{
    Particle& p = m_particles[i];
    p.x = m_screenW >= 1 ? plat::Random() % m_screenW : 0;
    p.y = 0;
    if (m_wind == 0)
        return;
    p.x += m_direction == 1 ? -100 : 100;
    if (m_direction == 1 && p.x < 10) {
        p.x = 0;
        p.y = m_screenH >= 1 ? plat::Random() % m_screenH : 0;
    } else if (m_direction == 0 && p.x > m_screenW - 10) {
        p.x = m_screenW;
        p.y = m_screenH >= 1 ? plat::Random() % m_screenH : 0;
    }
}

void CMeteo::DrawIcon(plat::Device* dev)
{
    if (WeatherSetting() == -2)
        return;
    m_icon.m_column = m_state;
    m_icon.SetX(760 + 2 * m_offsetX);
    m_icon.SetY(27);
    m_icon.Draw(dev);
}

const char* CMeteo::GetWindText() const
{
    switch (m_wind) {
    case 1: return m_direction == 1 ? Tr("debole >", "weak >") : Tr("debole <", "weak <");
    case 2: return m_direction == 1 ? Tr("medio >", "medium >") : Tr("medio <", "medium <");
    case 3: return m_direction == 1 ? Tr("forte >", "strong >") : Tr("forte <", "strong <");
    default: return Tr("assente", "absent");
    }
}

int CMeteo::GetWindDrift() const
{
    int drift = 0;
    switch (m_wind) {
    case 1: drift = 10; break;
    case 2: drift = 20; break;
    case 3: drift = 40; break;
    default: return 0;
    }
    return m_direction == 0 ? -drift : drift;
}

void CMeteo::LimitLight(float& red, float& green, float& blue) const
{
    if (g_Opzioni.weather == -2)
        return;
    float cap = 0.0f;
    switch (m_state) {
    case kWeatherCloudy: cap = 0.7f; break;
    case kWeatherRain:
    case kWeatherSnow: cap = 0.6f; break;
    case kWeatherFog: cap = 0.5f; break;
    default: return;
    }
    const float least = std::min({red, green, blue, cap});
    red = green = blue = least;
}

void CMeteo::OnLostDevice()
{
    m_icon.OnLostDevice();
    m_drop.OnLostDevice();
    m_fog.OnLostDevice();
}

void CMeteo::OnResetDevice(plat::Device* dev)
{
    m_icon.OnResetDevice(dev);
    m_drop.OnResetDevice(dev);
    m_fog.OnResetDevice(dev);
}
