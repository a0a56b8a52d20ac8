#include "benchmarks/BenchGame.h"

#include "app/AppFish.h"
#include "app/Program.h"
#include "platform/Files.h"
#include "shell/Graphics.h"
#include "shell/Sprite.h"

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
    plat::SetProgramFolderForTests(m_root);
    std::filesystem::create_directories(m_root + "/Karvelin");
    std::ofstream(m_root + "/Karvelin/Karvelin.ini") << "[KARVELIN]\nRISOLUZIONE=" << resolutionSetting << "\n";
    m_ok = StartProgram() == 0 && g_pApp && g_pDevice;
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
