// How long a frame takes on the software renderer, against a plain SDL
// twin of the same frame measured in the same run, and how long the game
// takes to reach its first main-menu frame with how much memory.
//
// Each frame scene runs in the real game (started on the shipped data in
// temporary folders, on a fixed game clock and seed, on SDL's dummy video
// driver, windowed, so every frame is presented). The device hands over
// every timed frame's draws as it executed them; the twin, a plain SDL
// program, copies every picture into its own software renderer, tinted once,
// copies opaque pictures rather than blending them, and replays the same
// draws with SDL calls alone into a window of the same size. Game frame and
// twin frame are timed in turn, alternating which goes first, so both
// figures and their ratio come from the same machine load; each is the
// median over the pairs (the ratio the median of the pairs' ratios). The twin's
// picture is checked against the game's back buffer (within 2 per channel).
//
//   karvelin_bench                 full run
//   karvelin_bench --smoke         a few iterations of each (the suite runs this)
//   KARVELIN_BENCH_SHOTS=<folder>  also saves each frame scene's picture there
//   karvelin_bench --frames=N      N timed frames of each frame scene
//   benchmarks/instructions.sh     instructions per frame, game against twin,
//                                  under callgrind, where the wall clock is noisy
#include "app/AppFish.h"
#include "app/Program.h"
#include "benchmarks/BenchGame.h"
#include "gui/Finestra.h"
#include "gui/Testo.h"
#include "platform/Clock.h"
#include "platform/DeviceInternal.h"
#include "platform/Files.h"
#include "platform/Image.h"
#include "screens/MenuPesci.h"
#include "shell/Graphics.h"
#include "shell/Oggetto.h"
#include "shell/Sprite.h"
#include "simulation/scene/Effetti.h"
#include "simulation/scene/Pesce.h"
#include "simulation/scene/Retino.h"
#include "simulation/scene/Sfondo.h"
#include "simulation/session/Gioco.h"
#include "simulation/session/Help.h"
#include "simulation/tackle/CannaPesca.h"
#include "simulation/tackle/Cerchi.h"
#include "world/Luogo.h"
#include "world/Pesci.h"

#include <SDL.h>
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// ---------------------------------------------------------------- the game

struct Size {
    int width, height, resolutionSetting;
};
constexpr Size kSizes[] = {{800, 600, 0}, {1440, 900, 7}};

// One frame scene: made once the game runs, then drawn frame after frame.
struct Scene {
    virtual ~Scene() = default;
    virtual void Frame() = 0;
};

// The application's own frame on the main menu.
struct MainMenuScene : Scene {
    void Frame() override { g_pApp->Render(); }
};

// A 760 x 560 titled panel with 30 lines of text (cached after the first frame).
struct PanelScene : Scene {
    CFinestra panel;
    CTesto text;
    PanelScene()
    {
        panel.Create(g_pDevice);
        text.Create(g_pDevice);
    }
    void Frame() override
    {
        plat::Device* dev = g_pDevice;
        char line[64];
        dev->Clear(0xFF000000);
        dev->BeginScene();
        panel.DrawTitled(dev, 20, 20, 760, 560, "Catture");
        for (int i = 0; i < 30; ++i) {
            std::snprintf(line, sizeof line, "Carpa %d: %d g, %d cm", i, 1000 + i * 37, 40 + i);
            text.DrawAt(dev, line, 40, 50 + i * 17);
        }
        dev->EndScene();
        dev->Present();
    }
};

// The fishes screen as far as it is built: its background, the species list
// of the catalogue with a selection, and the selected species' framed photo.
struct SpeciesListScene : Scene {
    static constexpr int kSpecies = 89;
    SpeciesListScene()
    {
        g_Pesci.List().SelectById(kSpecies, true);
        g_Pesci.LoadPhoto(g_pDevice, kSpecies);
    }
    void Frame() override
    {
        plat::Device* dev = g_pDevice;
        dev->Clear(kFrameClearColour);
        dev->BeginScene();
        g_MenuPesci.Render(dev);
        g_Pesci.List().DrawTitled(dev, 50, 50, 180, 130, "Fishes");
        g_Pesci.Photo().DrawAt(dev, 265, 50);
        dev->EndScene();
        dev->Present();
    }
};

// The rig at the lake in 3D: the venue picture, the bolognese's lit blank,
// its reel with the line from the bail, the line and the float at rest.
struct Rig3DScene : Scene {
    Rig3DScene()
    {
        g_pApp->NewSession();
        g_Sfondo.LoadVenuePicture(g_pDevice, g_Luogo.Record());
        CCannaPesca& rig = g_CannaPesca;
        rig.m_canna.m_current.type = kRodBolognese;
        rig.m_canna.m_sideAngle = 75.0f;
        rig.NewCast();
    }
    void Frame() override
    {
        plat::Device* dev = g_pDevice;
        dev->Clear(kFrameClearColour);
        dev->BeginScene();
        g_Sfondo.Render(dev);
        g_CannaPesca.Render(dev, 0.0f);
        dev->EndScene();
        dev->Present();
    }
};

// The fishing session while fishing: the venue in rain, a dozen water rings,
// the rod and rig at rest and the status bar, through the application's own
// frame (update and draw).
struct SessionScene : Scene {
    SessionScene() { StartSessionInRain(); }
    void Frame() override { g_pApp->Render(); }
};

// The session's end panel (the catches and the session's figures) over the
// session in rain, which goes on animating under it.
struct ResultsPanelScene : Scene {
    ResultsPanelScene()
    {
        StartSessionInRain();
        g_Gioco.EndSession();
    }
    void Frame() override { g_pApp->Render(); }
};

// A menu screen entered as the player enters it, through the application's
// own frame: the options (nineteen spinners, two text boxes and their
// labels), the venues, the fishes, the baits and groundbaits.
struct ScreenScene : Scene {
    explicit ScreenScene(int screen) { g_pApp->SwitchToScreen(screen); }
    void Frame() override { g_pApp->Render(); }
};

// A new session's start panel (date, time and baits) over the venue.
struct StartPanelScene : Scene {
    StartPanelScene() { g_pApp->NewSession(); }
    void Frame() override { g_pApp->Render(); }
};

// Fishing, as the session scene without the rain, with something on top.
struct FishingScene : Scene {
    FishingScene()
    {
        g_pApp->NewSession();
        g_Gioco.ConfirmStartPanel();
    }
    void Frame() override { g_pApp->Render(); }
};

// The help overlay over the fishing session.
struct HelpOverlayScene : FishingScene {
    HelpOverlayScene() { g_Help.Toggle(); }
    ~HelpOverlayScene() override
    {
        if (g_Help.IsShown()) // a global: the next game would start with it
            g_Help.Toggle();
    }
};

// The fish-zone overlay over the fishing session, held at full strength
// (it fades out over ten seconds).
struct FishZoneOverlayScene : FishingScene {
    FishZoneOverlayScene() { g_Effetti.ToggleOverlay(); }
    ~FishZoneOverlayScene() override
    {
        if (g_Effetti.m_overlayShown)
            g_Effetti.ToggleOverlay();
    }
    void Frame() override
    {
        g_Effetti.m_timer[1].last = plat::NowMs();
        g_pApp->Render();
    }
};

// A fight with the fish close to the raised net, just outside its landing
// box: the fish's shadow, the stamina bar, the tension warning, the bent
// rod and the net. The fish's and the checks' clocks are held so that the
// pose stays and the fish is neither landed nor lost.
struct FightNearTheNetScene : FishingScene {
    FightNearTheNetScene()
    {
        CCannaPesca& rig = g_CannaPesca;
        rig.NewCast();
        rig.Cast();
        for (int i = 0; i < 200; ++i)
            g_pApp->Render();
        g_Pesce.Hook(g_Pesci.GetRecord(5), g_Retino.m_x - 55, g_Retino.m_raisedY, 4, 0, false);
        g_Pesce.m_heading = 20.0f;
        rig.m_canna.m_phase = kPhaseFish;
        rig.m_hookInUse = 2;
        rig.m_strike = 1;
        g_Retino.Raise();
        g_Retino.m_y = g_Retino.m_raisedY;
    }
    void Frame() override
    {
        CCannaPesca& rig = g_CannaPesca;
        const float x = float(g_Retino.m_x - 55), y = float(g_Retino.m_y);
        rig.m_lenza.SetEndPoint(x, y);
        g_Pesce.m_x = int(x);
        g_Pesce.m_run = 4;
        rig.m_warning.m_column = 1;
        rig.m_warning.m_visible = 1;
        rig.m_lenza.m_tension = 150.0f;
        g_Pesce.m_timer[0].last = plat::NowMs();
        rig.m_timer[0].last = plat::NowMs();
        g_pApp->Render();
    }
};

// ---------------------------------------------------------------- the twin

// The same frame drawn by a plain SDL program: a software renderer on its
// own window, every picture already tinted, opaque ones copied rather than
// blended (decided from the twin's own copy of the pixels), every draw
// replayed as the device executed it.
class BareTwin {
public:
    BareTwin(int width, int height)
    {
        m_window = SDL_CreateWindow("bare", 0, 0, width, height, SDL_WINDOW_HIDDEN);
        if (m_window)
            m_renderer = SDL_CreateRenderer(m_window, -1, SDL_RENDERER_SOFTWARE);
    }
    ~BareTwin()
    {
        for (auto& [key, t] : m_pictures)
            SDL_DestroyTexture(t.texture);
        if (m_renderer)
            SDL_DestroyRenderer(m_renderer);
        if (m_window)
            SDL_DestroyWindow(m_window);
    }

    // Takes one captured frame's draws; false when a picture could not be
    // copied.
    bool Load(const plat::FrameCapture& scene)
    {
        if (!m_renderer)
            return false;
        m_clear = scene.clearColour;
        m_draws.clear();
        for (const plat::DrawCommand& c : scene.draws) {
            Draw d;
            d.kind = c.kind;
            d.src = c.src;
            d.dst = c.dst;
            d.angle = c.angle;
            d.centre = c.centre;
            d.flip = c.flip;
            d.clip = c.clip;
            d.clipRect = c.clipRect;
            d.rect = c.rect;
            d.colour = c.colour;
            if (c.kind == plat::DrawCommand::Kind::Geometry)
                d.vertices.assign(scene.vertices.begin() + c.first, scene.vertices.begin() + c.first + c.count);
            if (c.texture) {
                // Triangles carry their colours in the vertices: their
                // picture is copied untinted.
                plat::Argb tint = c.kind == plat::DrawCommand::Kind::Geometry ? 0xFFFFFFFF : c.colour;
                const Copy* copy = Picture(c.texture, tint, c.smooth);
                if (!copy) {
                    std::fprintf(stderr, "bare twin: a picture could not be copied: %s\n", SDL_GetError());
                    return false;
                }
                d.texture = copy->texture;
                d.blend = c.kind == plat::DrawCommand::Kind::Geometry || !copy->opaque || d.angle != 0 ||
                                  d.flip != SDL_FLIP_NONE
                              ? SDL_BLENDMODE_BLEND
                              : SDL_BLENDMODE_NONE;
            }
            m_draws.push_back(std::move(d));
        }
        return true;
    }

    // Not inlined, so that profilers can set its cost beside the game's.
    [[gnu::noinline]] void Frame()
    {
        Replay();
        SDL_RenderPresent(m_renderer);
    }

    // The largest difference of a colour channel between the twin's picture
    // (drawn, not presented) and the game's back buffer.
    int MaxDifference(plat::Device& game)
    {
        plat::Image ours, theirs;
        int w = 0, h = 0;
        SDL_GetRendererOutputSize(m_renderer, &w, &h);
        ours = plat::Image(w, h);
        Replay();
        if (SDL_RenderReadPixels(m_renderer, nullptr, SDL_PIXELFORMAT_ARGB8888, ours.pixels.data(), w * 4) != 0 ||
            !game.ReadPixels(theirs) || theirs.width != w || theirs.height != h)
            return 256;
        int worst = 0;
        for (std::size_t i = 0; i < ours.pixels.size(); ++i)
            for (int s : {16, 8, 0})
                worst = std::max(worst, std::abs(int((ours.pixels[i] >> s) & 0xFF) - int((theirs.pixels[i] >> s) & 0xFF)));
        return worst;
    }

private:
    struct Draw {
        plat::DrawCommand::Kind kind;
        SDL_Texture* texture = nullptr;
        SDL_BlendMode blend = SDL_BLENDMODE_BLEND;
        SDL_Rect src, clipRect, rect;
        SDL_FRect dst;
        double angle;
        SDL_FPoint centre;
        SDL_RendererFlip flip;
        bool clip;
        plat::Argb colour;
        std::vector<SDL_Vertex> vertices;
    };
    struct Copy {
        SDL_Texture* texture;
        bool opaque;
    };

    void Replay()
    {
        SDL_Renderer* r = m_renderer;
        SDL_SetRenderDrawBlendMode(r, SDL_BLENDMODE_NONE);
        SDL_SetRenderDrawColor(r, std::uint8_t(m_clear >> 16), std::uint8_t(m_clear >> 8), std::uint8_t(m_clear),
                               std::uint8_t(m_clear >> 24));
        SDL_RenderClear(r);
        for (const Draw& d : m_draws) {
            switch (d.kind) {
            case plat::DrawCommand::Kind::Texture:
                if (d.clip)
                    SDL_RenderSetClipRect(r, &d.clipRect);
                SDL_SetTextureBlendMode(d.texture, d.blend);
                if (d.angle == 0 && d.flip == SDL_FLIP_NONE)
                    SDL_RenderCopyF(r, d.texture, &d.src, &d.dst);
                else
                    SDL_RenderCopyExF(r, d.texture, &d.src, &d.dst, d.angle, &d.centre, d.flip);
                if (d.clip)
                    SDL_RenderSetClipRect(r, nullptr);
                break;
            case plat::DrawCommand::Kind::Rect:
                SDL_SetRenderDrawBlendMode(r, SDL_BLENDMODE_BLEND);
                SDL_SetRenderDrawColor(r, std::uint8_t(d.colour >> 16), std::uint8_t(d.colour >> 8),
                                       std::uint8_t(d.colour), std::uint8_t(d.colour >> 24));
                SDL_RenderFillRect(r, &d.rect);
                break;
            case plat::DrawCommand::Kind::Geometry:
                SDL_SetRenderDrawBlendMode(r, SDL_BLENDMODE_BLEND);
                if (d.texture)
                    SDL_SetTextureBlendMode(d.texture, SDL_BLENDMODE_BLEND);
                SDL_RenderGeometry(r, d.texture, d.vertices.data(), int(d.vertices.size()), nullptr, 0);
                break;
            }
        }
    }

    // The game's picture read from its texture (streaming on the software
    // renderer), tinted once: each channel times the tint / 255.
    const Copy* Picture(SDL_Texture* source, plat::Argb tint, bool smooth)
    {
        auto key = std::make_tuple(source, tint, smooth);
        if (auto it = m_pictures.find(key); it != m_pictures.end())
            return &it->second;
        int w = 0, h = 0;
        void* pixels = nullptr;
        int pitch = 0;
        if (SDL_QueryTexture(source, nullptr, nullptr, &w, &h) != 0 ||
            SDL_LockTexture(source, nullptr, &pixels, &pitch) != 0)
            return nullptr;
        std::vector<std::uint32_t> tinted(std::size_t(w) * h);
        bool opaque = true;
        for (int y = 0; y < h; ++y) {
            const auto* row = reinterpret_cast<const std::uint32_t*>(static_cast<const std::uint8_t*>(pixels) + y * pitch);
            for (int x = 0; x < w; ++x) {
                std::uint32_t p = row[x], out = 0;
                for (int s : {24, 16, 8, 0})
                    out |= (((p >> s) & 0xFF) * ((tint >> s) & 0xFF) / 255) << s;
                tinted[std::size_t(y) * w + x] = out;
                opaque = opaque && (out >> 24) == 0xFF;
            }
        }
        SDL_UnlockTexture(source);
        SDL_Texture* t = SDL_CreateTexture(m_renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC, w, h);
        if (!t)
            return nullptr;
        SDL_UpdateTexture(t, nullptr, tinted.data(), w * 4);
        SDL_SetTextureBlendMode(t, SDL_BLENDMODE_BLEND);
        SDL_SetTextureScaleMode(t, smooth ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
        return &(m_pictures[key] = Copy{t, opaque});
    }

    plat::Argb m_clear = 0;
    SDL_Window* m_window = nullptr;
    SDL_Renderer* m_renderer = nullptr;
    std::map<std::tuple<SDL_Texture*, plat::Argb, bool>, Copy> m_pictures;
    std::vector<Draw> m_draws;
};

// ---------------------------------------------------------------- frames

// One game frame, its draws handed over as executed. Not inlined, so that
// profilers can set its cost beside the twin's.
[[gnu::noinline]] void GameFrame(const std::function<void()>& frame, plat::FrameCapture& capture)
{
    g_pDevice->CaptureNextScene(&capture);
    frame();
}

void RunFrameBenchmark(benchmark::State& state, const std::function<std::unique_ptr<Scene>()>& makeScene,
                       const Size& size, const std::string& shotName)
{
    RunningGame game(size.resolutionSetting);
    if (!game.Ok()) {
        state.SkipWithError("the game did not start");
        return;
    }
    if (g_pDevice->BackBufferWidth() != size.width || g_pDevice->BackBufferHeight() != size.height) {
        state.SkipWithError("the back buffer is not the asked size");
        return;
    }
    // Every frame drawn, also when it equals the one before: the cost of
    // drawing is what is measured.
    g_pDevice->SkipUnchangedFrames(false);
    // Game time goes 10 ms a frame, as in the paced game, whatever a frame
    // costs: the application's frame steps it itself, a scene drawn piece by
    // piece is stepped here.
    std::unique_ptr<Scene> scene = makeScene();
    auto frame = [&] {
        const std::uint32_t before = plat::NowMs();
        scene->Frame();
        if (plat::NowMs() == before)
            plat::StepGameClock(plat::kGameStepMs);
    };
    // Warm: texts rendered and cached, tinted copies baked.
    for (int i = 0; i < 3; ++i)
        frame();
    plat::FrameCapture capture;
    g_pDevice->CaptureNextScene(&capture);
    frame();
    BareTwin twin(size.width, size.height);
    if (!twin.Load(capture)) {
        state.SkipWithError("the bare twin could not be made");
        return;
    }
    const int difference = twin.MaxDifference(*g_pDevice);
    // To look at what a scene draws: KARVELIN_BENCH_SHOTS=<folder>.
    if (const char* folder = std::getenv("KARVELIN_BENCH_SHOTS")) {
        plat::Image shot;
        std::string name = shotName;
        if (g_pDevice->ReadPixels(shot))
            plat::SavePng(std::string(folder) + "/" + name + ".png", shot);
    }
    if (difference > 2) {
        state.SkipWithError("the bare twin draws another picture");
        return;
    }

    // Every game frame's draws are replayed by the twin right beside it (a
    // scene that changes is compared frame by frame), the two timed in turn
    // game first, then twin first, so that neither always runs on the
    // caches the other warmed.
    std::vector<double> gameMs, bareMs, ratios;
    bool gameFirst = true;
    for (auto _ : state) {
        double g = 0, b = 0;
        auto timeGame = [&] {
            auto t0 = Clock::now();
            GameFrame(frame, capture);
            g = Ms(Clock::now() - t0);
        };
        auto timeTwin = [&] {
            auto t0 = Clock::now();
            twin.Frame();
            b = Ms(Clock::now() - t0);
        };
        auto load = [&] {
            state.PauseTiming();
            const bool loaded = twin.Load(capture);
            state.ResumeTiming();
            return loaded;
        };
        bool loaded = true;
        if (gameFirst) {
            timeGame();
            loaded = load();
            if (loaded)
                timeTwin();
        } else {
            timeTwin(); // the frame the game drew last
            timeGame();
            loaded = load();
        }
        if (!loaded) {
            state.SkipWithError("the bare twin could not be made");
            return;
        }
        gameFirst = !gameFirst;
        state.SetIterationTime(g / 1000.0);
        gameMs.push_back(g);
        bareMs.push_back(b);
        if (b > 0)
            ratios.push_back(g / b);
    }
    // Medians: another process taking the core during one frame of a pair
    // would move a mean, whichever side it hit.
    auto median = [](std::vector<double>& v) {
        if (v.empty())
            return 0.0;
        std::nth_element(v.begin(), v.begin() + std::ptrdiff_t(v.size() / 2), v.end());
        return v[v.size() / 2];
    };
    state.counters["game_ms"] = median(gameMs);
    state.counters["bare_ms"] = median(bareMs);
    state.counters["ratio"] = median(ratios);
    state.counters["draws"] = double(capture.draws.size());
    state.counters["max_diff"] = difference;
}

// ---------------------------------------------------------------- start-up

std::string g_self;

long ResidentKb()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atol(line.c_str() + 6);
    return -1;
}

// The child: starts the game, draws the first main-menu frame (with tour,
// after a pass through every screen and a session, back at the main menu),
// reports the resident memory on the pipe and ends.
int StartUpChild(int resolutionSetting, int reportFd, bool tour)
{
    long kb = -1;
    {
        RunningGame game(resolutionSetting);
        if (game.Ok() && g_pApp->GetCurrentScreen() == kScreenMainMenu) {
            g_pApp->Render();
            if (tour) {
                auto frames = [] {
                    for (int i = 0; i < 5; ++i)
                        g_pApp->Render();
                };
                for (int screen : {kScreenTackleBox, kScreenOptions, kScreenVenues, kScreenFishes, kScreenBaits,
                                   kScreenRecords, kScreenTournament}) {
                    g_pApp->SwitchToScreen(screen);
                    frames();
                    g_pApp->SwitchToScreen(kScreenMainMenu);
                    frames();
                }
                StartSessionInRain();
                frames();
                g_pApp->SwitchToScreen(kScreenMainMenu);
                frames();
            }
            kb = ResidentKb();
        }
    }
    char text[32];
    int n = std::snprintf(text, sizeof text, "%ld\n", kb);
    return write(reportFd, text, std::size_t(n)) == n && kb > 0 ? 0 : 1;
}

// Process start to the first main-menu frame: the time from spawning a fresh
// process of this program until it reports that frame drawn.
void BM_StartUpToMainMenu(benchmark::State& state, Size size, bool tour)
{
    double kb = 0;
    std::vector<double> times;
    for (auto _ : state) {
        int fds[2];
        if (pipe(fds) != 0) {
            state.SkipWithError("no pipe");
            return;
        }
        std::string res = std::to_string(size.resolutionSetting), fd = std::to_string(fds[1]);
        char* argv[] = {g_self.data(), const_cast<char*>(tour ? "--tour-child" : "--startup-child"), res.data(),
                        fd.data(), nullptr};
        auto t0 = Clock::now();
        pid_t pid = 0;
        if (posix_spawn(&pid, g_self.c_str(), nullptr, nullptr, argv, environ) != 0) {
            close(fds[0]);
            close(fds[1]);
            state.SkipWithError("the start-up child could not be started");
            return;
        }
        close(fds[1]);
        char text[32] = {};
        ssize_t got = read(fds[0], text, sizeof text - 1); // returns once the frame is drawn
        auto t1 = Clock::now();
        close(fds[0]);
        int status = 0;
        waitpid(pid, &status, 0);
        if (got <= 0 || std::atol(text) <= 0) {
            state.SkipWithError("the start-up child did not reach the main menu");
            return;
        }
        kb = double(std::atol(text));
        state.SetIterationTime(std::chrono::duration<double>(t1 - t0).count());
        times.push_back(Ms(t1 - t0));
    }
    // The machine is shared: the median says more than the mean.
    std::sort(times.begin(), times.end());
    if (!times.empty()) {
        state.counters["median_ms"] = times[times.size() / 2];
        state.counters["max_ms"] = times.back();
    }
    state.counters["rss_mb"] = kb / 1024.0;
}

void Register(bool smoke, int frames)
{
    struct Named {
        const char* name;
        std::function<std::unique_ptr<Scene>()> make;
    };
    const Named scenes[] = {
        {"MainMenuFrame", [] { return std::make_unique<MainMenuScene>(); }},
        {"PanelWith30TextLines", [] { return std::make_unique<PanelScene>(); }},
        {"SpeciesListWithPhoto", [] { return std::make_unique<SpeciesListScene>(); }},
        {"Rig3DAtTheLake", [] { return std::make_unique<Rig3DScene>(); }},
        {"SessionFishingInRain", [] { return std::make_unique<SessionScene>(); }},
        {"ResultsPanel", [] { return std::make_unique<ResultsPanelScene>(); }},
        {"OptionsScreen", [] { return std::make_unique<ScreenScene>(kScreenOptions); }},
        {"VenuesScreen", [] { return std::make_unique<ScreenScene>(kScreenVenues); }},
        {"FishesScreen", [] { return std::make_unique<ScreenScene>(kScreenFishes); }},
        {"BaitsScreen", [] { return std::make_unique<ScreenScene>(kScreenBaits); }},
        {"StartPanel", [] { return std::make_unique<StartPanelScene>(); }},
        {"FightNearTheNet", [] { return std::make_unique<FightNearTheNetScene>(); }},
        {"HelpOverlay", [] { return std::make_unique<HelpOverlayScene>(); }},
        {"FishZoneOverlay", [] { return std::make_unique<FishZoneOverlayScene>(); }},
    };
    for (const Named& s : scenes)
        for (const Size& size : kSizes) {
            std::string name = std::string("BM_") + s.name + "/" + std::to_string(size.width) + "x" +
                               std::to_string(size.height);
            std::string shot = std::string(s.name) + "_" + std::to_string(size.width) + "x" + std::to_string(size.height);
            auto* b = benchmark::RegisterBenchmark(name.c_str(), [make = s.make, size, shot](benchmark::State& st) {
                RunFrameBenchmark(st, make, size, shot);
            });
            b->UseManualTime()->Unit(benchmark::kMillisecond);
            if (frames > 0)
                b->Iterations(frames);
            else if (smoke)
                b->Iterations(3);
        }
    for (const Size& size : kSizes) {
        std::string name = "BM_StartUpToMainMenu/" + std::to_string(size.width) + "x" + std::to_string(size.height);
        auto* b = benchmark::RegisterBenchmark(name.c_str(), BM_StartUpToMainMenu, size, false);
        b->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(smoke ? 1 : 9);
        // Resident memory back at the main menu after every screen.
        name = "BM_MainMenuAfterEveryScreen/" + std::to_string(size.width) + "x" + std::to_string(size.height);
        b = benchmark::RegisterBenchmark(name.c_str(), BM_StartUpToMainMenu, size, true);
        b->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);
    }
}

} // namespace

void RegisterFilesBenchmarks(bool smoke); // FilesBench.cpp
void RegisterRecordsBenchmarks(bool smoke); // RecordsBench.cpp
void RegisterTackleBenchmarks(bool smoke); // TackleBench.cpp

int main(int argc, char** argv)
{
    SDL_SetHint(SDL_HINT_VIDEODRIVER, "dummy");
    SDL_SetHint(SDL_HINT_AUDIODRIVER, "dummy");
    SDL_SetHint(SDL_HINT_RENDER_DRIVER, "software");
    if (argc == 4 && std::strcmp(argv[1], "--startup-child") == 0)
        return StartUpChild(std::atoi(argv[2]), std::atoi(argv[3]), false);
    if (argc == 4 && std::strcmp(argv[1], "--tour-child") == 0)
        return StartUpChild(std::atoi(argv[2]), std::atoi(argv[3]), true);

    g_self = std::filesystem::canonical("/proc/self/exe").string();
    bool smoke = false;
    int frames = 0;
    std::vector<char*> args;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--smoke") == 0)
            smoke = true;
        else if (std::strncmp(argv[i], "--frames=", 9) == 0)
            frames = std::max(1, std::atoi(argv[i] + 9));
        else
            args.push_back(argv[i]);
    }
    int count = int(args.size());
    Register(smoke, frames);
    RegisterFilesBenchmarks(smoke);
    RegisterRecordsBenchmarks(smoke);
    RegisterTackleBenchmarks(smoke);
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data()))
        return 1;
    // A benchmark that cannot run reports an error: the smoke run fails on it.
    class Reporter : public benchmark::ConsoleReporter {
    public:
        bool failed = false;
        void ReportRuns(const std::vector<Run>& runs) override
        {
            for (const Run& r : runs)
                failed = failed || r.error_occurred;
            ConsoleReporter::ReportRuns(runs);
        }
    } reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return reporter.failed ? 1 : 0;
}
