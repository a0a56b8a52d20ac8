#pragma once
// The weather of the fishing day: clear, cloudy, rain, snow or fog, with a
// wind strength and direction, drawn once when the day starts. It draws the
// rain or snow (100 particles) or the fog over the scene, the weather icon
// of the status bar, names the wind, gives the float its wind drift and
// greys the ambient light. The setting "CONDIZIONEMETEO" forces a state
// (0..4), switches the weather off (-2) or leaves it to chance (-1).
#include "shell/Sprite.h"

#include <cstdint>

enum : int {
    kWeatherClear = 0,
    kWeatherCloudy = 1,
    kWeatherRain = 2,
    kWeatherSnow = 3,
    kWeatherFog = 4,
};

constexpr std::uint32_t kBitmapWeatherIcons = 240;
constexpr std::uint32_t kBitmapFog = 241;
constexpr std::uint32_t kBitmapDrops = 242;

class CMeteo : public COggetto {
public:
    static constexpr int kParticles = 100;

    CMeteo();
    ~CMeteo() override;

    void Init(plat::Device* dev);
    void NewDay();
    void InitParticles();
    void OnTimer0() override;
    void MoveParticles();
    void Draw(plat::Device* dev);
    void DrawParticles(plat::Device* dev);
    void RespawnParticle(int i);
    void DrawIcon(plat::Device* dev);
    const char* GetWindText() const;
    int GetWindDrift() const;
    void LimitLight(float& red, float& green, float& blue) const;
    void OnLostDevice();
    void OnResetDevice(plat::Device* dev);

    // The day's draw, split so each rule can be checked on its own.
    static int WindOfDraw(int r);
    static int StateOfDraw(int month, int r2, int temperature, int wind, int hour);
    // "CONDIZIONEMETEO" as used: a value outside -2..4 counts as -1.
    int WeatherSetting();

    int GetState() const { return m_state; }
    int GetWind() const { return m_wind; }
    int GetDirection() const { return m_direction; }
    void SetState(int state) { m_state = state; }
    void SetWind(int wind, int direction)
    {
        m_wind = wind;
        m_direction = direction;
    }

    struct Particle {
        std::int32_t x, y;
    };

    // Fields, in order.
    std::int32_t m_state;
    std::int32_t m_wind;
    std::int32_t m_direction;
    Particle m_particles[kParticles];
    std::int32_t m_speeds[kParticles];
    CSprite m_icon;
    CSprite m_drop;
    CSprite m_fog;

private:
    void MakeFog(plat::Device* dev);
    bool m_loggedBadSetting = false;
    bool m_fogToMake = false;
};

extern CMeteo g_Meteo;
