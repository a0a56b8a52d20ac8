#include "benchmarks/BenchGame.h"

#include "app/AppFish.h"
#include "app/Program.h"
#include "platform/Clock.h"
#include "platform/Files.h"
#include "platform/Random.h"
#include "shell/Graphics.h"
#include "shell/Sprite.h"
#include "simulation/session/Gioco.h"
#include "simulation/tackle/Cerchi.h"
#include "world/Meteo.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

RunningGame::RunningGame(int resolutionSetting)
{
    std::string tmpl = (std::filesystem::temp_directory_path() / "karvelin-bench-XXXXXX").string();
    if (!mkdtemp(tmpl.data()))
        return;
    m_root = tmpl;
    plat::SetDataRootForTests(m_root);
    // The catalogues, venues and pictures the game ships with.
    plat::SetProgramFolderForTests(KARVELIN_SOURCE_DIR "/data");
    std::filesystem::create_directories(m_root + "/Karvelin");
    std::ofstream(m_root + "/Karvelin/Karvelin.ini") << "[KARVELIN]\nRISOLUZIONE=" << resolutionSetting << "\n";
    m_ok = StartProgram() == 0 && g_pApp && g_pDevice;
    // Every run draws the same scenes: the weather, the rain and the bottom
    // are drawn from the generator and the game clock.
    plat::SetGameClock(kBenchClock);
    plat::SeedRandom(kBenchSeed);
}

RunningGame::~RunningGame()
{
    if (m_ok)
        ShutDownProgram();
    // The shared panel background outlives the game's device: let it go
    // with it, so the next start makes it again.
    g_sprPanelBackground.m_deviceLost = 0;
    g_sprPanelBackground.Init();
    g_pDevice = nullptr;
    if (!m_root.empty())
        std::filesystem::remove_all(m_root);
}

void StartSessionInRain()
{
    g_pApp->NewSession();
    g_Gioco.ConfirmStartPanel();
    g_Meteo.SetState(kWeatherRain);
    g_Meteo.InitParticles();
    for (int i = 0; i < 12; ++i)
        g_GestCerchi.SpawnMedium(100 + 50 * i, g_nScreenH / 2 + 10 * i, true);
}
