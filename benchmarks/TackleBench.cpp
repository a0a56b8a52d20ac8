// How long the tackle box's load dialog takes to open on a folder of big
// configurations: n files of the reader's whole bound (1 MiB) each, listed
// as the Load tool lists them. Times are reported, never asserted; the
// figures for 25, 50 and 100 files show how it grows.
#include "gui/ListBox.h"
#include "platform/Files.h"
#include "shell/GestFile.h"
#include "simulation/tackle/CannaPesca.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

// A configuration whose name and description come first, then lines up to
// the bound: the most a file the reader takes can hold.
std::string BigConfiguration(int i)
{
    std::string text = "[CONFIGURAZIONE]\r\nNOME=Big " + std::to_string(i) + "\r\nDESCRIZIONE=A rig of 1 MiB\r\n";
    text += "[CANNA]\r\nFILE=INTERNAL_1\r\n";
    text.resize(CIniText::kMaxFile, '\n');
    return text;
}

void BM_LoadDialogBigConfigurations(benchmark::State& state, int n)
{
    std::string root = (std::filesystem::temp_directory_path() / "karvelin-tackle-bench-XXXXXX").string();
    if (!mkdtemp(root.data())) {
        state.SkipWithError("no temporary folder");
        return;
    }
    plat::SetDataRootForTests(root + "/data");
    plat::SetProgramFolderForTests(root + "/program");
    g_GestFile.Init();
    const std::string folder = g_GestFile.GetDataSubfolder(CGestFile::D_LENZE);
    for (int i = 0; i < n; ++i)
        std::ofstream(folder + "/big" + std::to_string(i) + ".kvz", std::ios::binary) << BigConfiguration(i);
    CListBox list;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        g_CannaPesca.ListConfigurations(list, folder.c_str());
        const auto t1 = Clock::now();
        if (list.GetCount() != n || std::string(list.GetItem(0)->col0).rfind("Big ", 0) != 0) {
            state.SkipWithError("the configurations were not all listed");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(t1 - t0).count());
    }
    state.counters["files"] = double(n);
    std::filesystem::remove_all(root);
    plat::SetDataRootForTests("");
    plat::SetProgramFolderForTests("");
}

} // namespace

// Called by the benchmark program's main with the smoke flag.
void RegisterTackleBenchmarks(bool smoke)
{
    for (int n : {25, 50, 100}) {
        if (smoke && n != 25)
            continue;
        benchmark::RegisterBenchmark(("BM_LoadDialogBigConfigurations/" + std::to_string(n)).c_str(),
                                     BM_LoadDialogBigConfigurations, n)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond)
            ->Iterations(smoke ? 1 : 5);
    }
}
