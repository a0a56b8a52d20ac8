// How long a frame takes, headless on the software renderer: the whole
// application's frame on the main menu, and a text-heavy panel with cached
// and with always-new texts (the cost the line cache saves).
#include "app/AppFish.h"
#include "app/Program.h"
#include "gui/Finestra.h"
#include "gui/Testo.h"
#include "platform/Files.h"
#include "shell/Graphics.h"
#include "shell/Oggetto.h"
#include "shell/Sprite.h"

#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

std::string TempRoot()
{
    std::string tmpl = (std::filesystem::temp_directory_path() / "karvelin-bench-XXXXXX").string();
    return mkdtemp(tmpl.data()) ? tmpl : std::string();
}

void BM_MainMenuFrame(benchmark::State& state)
{
    std::string root = TempRoot();
    plat::SetDataRootForTests(root);
    plat::SetProgramFolderForTests(root);
    if (StartProgram() != 0 || !g_pApp) {
        state.SkipWithError("the application did not start");
        return;
    }
    for (auto _ : state)
        g_pApp->Render();
    ShutDownProgram();
    std::filesystem::remove_all(root);
}
BENCHMARK(BM_MainMenuFrame)->Unit(benchmark::kMillisecond);

struct PanelScene {
    std::unique_ptr<plat::Device> dev;
    CFinestra panel;
    CTesto text;

    PanelScene()
    {
        g_nScreenW = g_nViewportW = 800;
        g_nScreenH = g_nViewportH = 600;
        int st = 0;
        dev = plat::Device::CreateHeadless(800, 600, &st);
        g_pDevice = dev.get();
        panel.Create(dev.get());
        text.Create(dev.get());
    }
    ~PanelScene()
    {
        // The shared panel background outlives this device: let it go with it.
        g_sprPanelBackground.m_deviceLost = 0;
        g_sprPanelBackground.Init();
        g_pDevice = nullptr;
    }

    void Frame(int variant)
    {
        char line[64];
        dev->Clear(0xFF000000);
        dev->BeginScene();
        panel.DrawTitled(dev.get(), 20, 20, 760, 560, "Catture");
        for (int i = 0; i < 30; ++i) {
            std::snprintf(line, sizeof line, "Carpa %d: %d g, %d cm", i, 1000 + i * 37 + variant, 40 + i);
            text.DrawAt(dev.get(), line, 40, 50 + i * 17);
        }
        dev->EndScene();
        dev->Present();
    }
};

void BM_PanelWith30TextLines(benchmark::State& state)
{
    PanelScene scene;
    for (auto _ : state)
        scene.Frame(0);
}
BENCHMARK(BM_PanelWith30TextLines)->Unit(benchmark::kMillisecond);

void BM_PanelWith30NewTextLines(benchmark::State& state)
{
    PanelScene scene;
    int variant = 0;
    for (auto _ : state)
        scene.Frame(++variant);
}
BENCHMARK(BM_PanelWith30NewTextLines)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
    SDL_SetHint(SDL_HINT_AUDIODRIVER, "dummy");
    SDL_SetHint(SDL_HINT_RENDER_DRIVER, "software");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
