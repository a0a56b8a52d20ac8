// Game frames a second while the loop catches up: the fishing session with a
// fish on, each game frame's full update run and its drawing recorded and
// thrown away (CAppFish::Step), against the same game frame drawn and
// presented (CAppFish::Render), in the real game on the software renderer.
#include "app/AppFish.h"
#include "benchmarks/BenchGame.h"
#include "simulation/scene/Pesce.h"
#include "simulation/tackle/CannaPesca.h"
#include "world/Pesci.h"

#include <benchmark/benchmark.h>

namespace {

// The session fishing in rain with a dozen rings and a bolognese rig cast
// out, a fish of 1500 g struck and the reel winding.
class FishOnSession {
public:
    FishOnSession()
    {
        StartSessionInRain();
        CCannaPesca& rig = g_CannaPesca;
        rig.m_canna.m_current.type = kRodBolognese;
        rig.NewCast();
        rig.Cast();
        for (int i = 0; i < 200; ++i) // the swing, the float's fall and the sinking
            g_pApp->Step();
        Hook();
    }
    // A fresh fish whenever the last one was landed or lost, so every game
    // frame measured is a fight.
    void KeepFishOn()
    {
        if (g_CannaPesca.GetPhase() != kPhaseFish)
            Hook();
    }

private:
    static void Hook()
    {
        CCannaPesca& rig = g_CannaPesca;
        g_Pesce.m_species = g_Pesci.GetRecord(5);
        g_Pesce.m_weight = 1500.0f;
        g_Pesce.m_stamina = g_Pesce.m_maxStamina = 5.0f;
        g_Pesce.m_length = 45;
        g_Pesce.m_run = 0;
        g_Pesce.m_exhaustion = 0;
        rig.m_canna.SetPhase(kPhaseFish);
        rig.m_hookInUse = 2;
        rig.m_strike = 1;
        rig.m_lossReason = 0;
        rig.m_mulinello.m_retrieving = 1;
    }
};

void BM_FishOnGameFrames(benchmark::State& state, int resolutionSetting, bool present)
{
    RunningGame game(resolutionSetting);
    if (!game.Ok()) {
        state.SkipWithError("the game did not start");
        return;
    }
    FishOnSession session;
    for (auto _ : state) {
        session.KeepFishOn();
        if (present)
            g_pApp->Render();
        else
            g_pApp->Step();
    }
    state.counters["game_frames_per_s"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}

BENCHMARK_CAPTURE(BM_FishOnGameFrames, Stepped_800x600, 0, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FishOnGameFrames, Stepped_1440x900, 7, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FishOnGameFrames, Presented_800x600, 0, true)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FishOnGameFrames, Presented_1440x900, 7, true)->Unit(benchmark::kMicrosecond);

} // namespace
