// The records screen entered with one saved catch log of n catches: the
// folder listed, the log read and its fishes list filled. Times are
// reported, never asserted; 1,000, 10,000 and the most a session can land
// show how it grows, and 100,000 (more than any session lands) shows what a
// log the reader refuses costs.
#include "platform/Files.h"
#include "screens/MenuCatture.h"
#include "shell/GestFile.h"
#include "simulation/session/Sessione.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

template <class T>
void Put(std::string& out, T value)
{
    char bytes[4];
    std::memcpy(bytes, &value, 4);
    out.append(bytes, 4);
}

std::string LogOf(int catches)
{
    std::string bytes(237, '\0');
    std::memcpy(&bytes[0], "Rita", 4);
    std::memcpy(&bytes[41], "Lago Verde", 10);
    std::memcpy(&bytes[170], "06/12/2026", 10);
    std::memcpy(&bytes[233], &catches, 4);
    for (int i = 0; i < catches; ++i) {
        Put(bytes, std::int32_t(i % 130));
        Put(bytes, 100.0f + float(i % 5000));
        Put(bytes, std::int32_t(10 + i % 90));
    }
    Put(bytes, std::int32_t(0));
    return bytes;
}

void BM_RecordsScreen(benchmark::State& state)
{
    const int catches = int(state.range(0));
    std::string root = (std::filesystem::temp_directory_path() / "karvelin-records-bench-XXXXXX").string();
    if (!mkdtemp(root.data())) {
        state.SkipWithError("no temporary folder");
        return;
    }
    plat::SetDataRootForTests(root + "/data");
    plat::SetProgramFolderForTests(root);
    g_GestFile.Init();
    std::ofstream(std::string(g_GestFile.GetDataSubfolder(CGestFile::D_CATTURE)) + "/CT20261206080000.kvc",
                  std::ios::binary)
        << LogOf(catches);
    const int shown = catches <= CSessione::kMaxCatches ? catches : 0;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        g_MenuCatture.Activate();
        const auto t1 = Clock::now();
        if (g_MenuCatture.m_sessions.GetCount() != 1 || g_MenuCatture.m_fishes.GetCount() != shown) {
            state.SkipWithError("the screen did not show the log");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(t1 - t0).count());
    }
    state.SetComplexityN(catches);
    g_MenuCatture.m_fishes.Clear();
    g_MenuCatture.m_sessions.Clear();
    g_Sessione.Clear();
    plat::SetDataRootForTests("");
    plat::SetProgramFolderForTests("");
    std::filesystem::remove_all(root);
}

} // namespace

// Called by the benchmark program's main with the smoke flag.
void RegisterRecordsBenchmarks(bool smoke)
{
    benchmark::RegisterBenchmark("BM_RecordsScreen", BM_RecordsScreen)
        ->Arg(1000)
        ->Arg(10000)
        ->Arg(CSessione::kMaxCatches)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(smoke ? 1 : 10)
        ->Complexity(benchmark::oN);
    benchmark::RegisterBenchmark("BM_RecordsScreen/refused", BM_RecordsScreen)
        ->Arg(100000)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(smoke ? 1 : 10);
}
