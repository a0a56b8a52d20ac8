// How long the game takes to read big folders of players' files: start-up
// with N items in every catalogue folder and N venues (photos missing, or
// present under a name in another letter case), the venue list alone, and a
// catch log of the most catches a session lands. Times are reported, never
// asserted; the start-up figures for 250, 500, 1000 and 2000 items show how
// it grows.
#include "app/AppFish.h"
#include "app/Program.h"
#include "platform/Files.h"
#include "shell/GestFile.h"
#include "shell/Graphics.h"
#include "shell/Sprite.h"
#include "simulation/session/Sessione.h"
#include "simulation/tackle/Pastura.h"
#include "simulation/tackle/TackleFile.h"
#include "world/Luogo.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <malloc.h>
#include <sstream>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

struct Kind {
    const char* folder;
    const char* extension;
    const char* section;
};
const Kind kKinds[] = {{"Ami", "kva", "AMO"},           {"Canne", "kvn", "CANNA"},      {"Esche", "kve", "ESCA"},
                       {"Galleggianti", "kvg", "GALLEGGIANTE"}, {"Mulinelli", "kvm", "MULINELLO"},
                       {"Piombi", "kvp", "PIOMBINO"},   {"Pasture", "kvt", "PASTURA"},  {"Luoghi", "kvl", "LUOGO"}};

std::string ShippedPhoto()
{
    std::ifstream in(KARVELIN_SOURCE_DIR "/data/Ami/amp04.png", std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void Write(const std::string& path, const std::string& bytes)
{
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

// Temporary program and data folders, removed at the end.
class Folders {
public:
    Folders()
    {
        std::string tmpl = (std::filesystem::temp_directory_path() / "karvelin-files-bench-XXXXXX").string();
        if (mkdtemp(tmpl.data()))
            m_root = tmpl;
    }
    ~Folders()
    {
        if (!m_root.empty())
            std::filesystem::remove_all(m_root);
    }
    const std::string& Root() const { return m_root; }
    std::string Program() const { return m_root + "/program"; }
    std::string Data() const { return m_root + "/data"; }

    // n items in every catalogue folder and n venues, each naming a photo
    // that is missing or lies beside it under an upper-case name.
    void Fill(int n, bool photos) const
    {
        const std::string photo = photos ? ShippedPhoto() : std::string();
        for (const Kind& k : kKinds) {
            const std::string folder = Program() + "/" + k.folder;
            std::filesystem::create_directories(folder);
            for (int i = 0; i < n; ++i) {
                const std::string stem = "item" + std::to_string(i);
                std::string body = std::string("[") + k.section + "]\r\nNOME=Item " + std::to_string(n - i) +
                                   "\r\nDESCRIZIONE=A benchmark item\r\nFILENAMEFOTO=" + stem + ".png\r\nTIPO=1\r\n";
                if (std::strcmp(k.extension, "kvl") == 0)
                    body += "FILE_PRESENZA_PESCI=" + stem + "\r\nPROFONDITA=300\r\n";
                Write(folder + "/" + stem + "." + k.extension, body);
                if (photos)
                    Write(folder + "/ITEM" + std::to_string(i) + ".PNG", photo);
            }
        }
        Write(Data() + "/Karvelin/Karvelin.ini", "[KARVELIN]\r\nRISOLUZIONE=0\r\n");
    }

private:
    std::string m_root;
};

// Start-up to the main menu with the folders filled.
void BM_StartUpWithFolders(benchmark::State& state, int n, bool photos)
{
    Folders folders;
    folders.Fill(n, photos);
    for (auto _ : state) {
        plat::SetDataRootForTests(folders.Data());
        plat::SetProgramFolderForTests(folders.Program());
        const auto t0 = Clock::now();
        const bool ok = StartProgram() == 0 && g_pApp && g_pDevice && g_pApp->GetCurrentScreen() == kScreenMainMenu;
        const auto t1 = Clock::now();
        if (ok)
            state.counters["venues"] = double(g_Luogo.VenueList().GetCount());
        if (ok)
            ShutDownProgram();
        g_sprPanelBackground.m_deviceLost = 0;
        g_sprPanelBackground.Init();
        g_pDevice = nullptr;
        if (!ok) {
            state.SkipWithError("the game did not start");
            return;
        }
        state.SetIterationTime(std::chrono::duration<double>(t1 - t0).count());
    }
    plat::SetDataRootForTests("");
    plat::SetProgramFolderForTests("");
}

// The venue list alone: every venue file of a folder of n read and sorted.
void BM_VenueList(benchmark::State& state, int n)
{
    Folders folders;
    folders.Fill(0, false);
    for (int i = 0; i < n; ++i)
        Write(folders.Program() + "/Luoghi/v" + std::to_string(i) + ".kvl",
              "[LUOGO]\r\nNOME=Venue " + std::to_string((i * 7919) % n) + "\r\nTIPO=" + std::to_string(i % 3) +
                  "\r\nCORRENTE=1\r\n");
    plat::SetDataRootForTests(folders.Data());
    plat::SetProgramFolderForTests(folders.Program());
    g_GestFile.Init();
    CLuogo venues;
    const std::string folder = folders.Program() + "/Luoghi";
    for (auto _ : state) {
        const auto t0 = Clock::now();
        venues.AddVenues(-1, -1, folder.c_str(), true);
        const auto t1 = Clock::now();
        if (venues.VenueList().GetCount() != n + 2) {
            state.SkipWithError("the venue list is not whole");
            return;
        }
        state.SetIterationTime(std::chrono::duration<double>(t1 - t0).count());
    }
    plat::SetDataRootForTests("");
    plat::SetProgramFolderForTests("");
}

// A catch log of as many catches as a session can land, loaded.
void BM_CatchLogLongest(benchmark::State& state)
{
    Folders folders;
    plat::SetDataRootForTests(folders.Data());
    plat::SetProgramFolderForTests(folders.Root());
    g_GestFile.Init();
    constexpr int kCatches = CSessione::kMaxCatches;
    std::string bytes(237, '\0');
    std::memcpy(&bytes[233], &kCatches, 4);
    for (int i = 0; i < kCatches; ++i) {
        const std::int32_t species = i % 130, length = 10 + i % 90;
        const float weight = 100.0f + float(i % 5000);
        bytes.append(reinterpret_cast<const char*>(&species), 4);
        bytes.append(reinterpret_cast<const char*>(&weight), 4);
        bytes.append(reinterpret_cast<const char*>(&length), 4);
    }
    bytes.append(4, '\0');
    Write(std::string(g_GestFile.GetDataSubfolder(CGestFile::D_CATTURE)) + "/big.kvc", bytes);
    CSessione log;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        const bool ok = log.Load("big.kvc") && log.GetCount() == kCatches;
        const auto t1 = Clock::now();
        if (!ok) {
            state.SkipWithError("the log did not load whole");
            return;
        }
        state.SetIterationTime(std::chrono::duration<double>(t1 - t0).count());
    }
    plat::SetDataRootForTests("");
    plat::SetProgramFolderForTests("");
}

// Text of nearly 1 MiB in lines of key=value under the section, then the
// real keys: the worst a file can be before the readers refuse it.
std::string NearlyFull(const char* section, const std::string& keys)
{
    std::string text = std::string("[") + section + "]\r\n";
    for (int i = 0; text.size() < CGestFile::kMaxIniFile - 4096; ++i)
        text += "JUNK" + std::to_string(i) + "=" + std::to_string(i * 7) + "\r\n";
    return text + keys;
}

// A venue and its presence file, and a groundbait file, each of nearly
// 1 MiB of lines, loaded.
void BM_NearlyFullFiles(benchmark::State& state, bool groundbait)
{
    Folders folders;
    plat::SetDataRootForTests(folders.Data());
    plat::SetProgramFolderForTests(folders.Program());
    std::filesystem::create_directories(folders.Program() + "/Pasture");
    g_GestFile.Init();
    const std::string venues = folders.Program() + "/Luoghi";
    Write(venues + "/big.kvl", NearlyFull("LUOGO", "NOME=Big\r\nTIPO=1\r\nFILE_PRESENZA_PESCI=big\r\n"));
    Write(venues + "/big.kvs", NearlyFull("PESCI", "CARPA=80\r\n"));
    Write(folders.Program() + "/Pasture/big.kvt", NearlyFull("PASTURA", "NOME=Big\r\nDURATA=600\r\n"));
    CLuogo venue;
    CPastura bait;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        bool ok;
        if (groundbait) {
            bait.Load(nullptr);
            ok = bait.GetCount() == 2;
        } else {
            venue.LoadVenue(venues.c_str(), "big.kvl");
            ok = venue.Record().presence[5] == 80;
        }
        const auto t1 = Clock::now();
        if (!ok) {
            state.SkipWithError("the file was not read");
            return;
        }
        state.SetIterationTime(std::chrono::duration<double>(t1 - t0).count());
    }
    plat::SetDataRootForTests("");
    plat::SetProgramFolderForTests("");
}

// A configuration or a groundbait file of blank lines up to the given size,
// loaded: the time and the heap the parsed file holds, per byte of file,
// should stay the same from a small file to the largest the readers accept.
void BM_BlankLines(benchmark::State& state, bool groundbait, std::size_t bytes)
{
    Folders folders;
    plat::SetDataRootForTests(folders.Data());
    plat::SetProgramFolderForTests(folders.Program());
    std::filesystem::create_directories(folders.Program() + "/Pasture");
    g_GestFile.Init();
    const std::string head = groundbait ? "[PASTURA]\nNOME=Big\n" : "[CONFIGURAZIONE]\r\nNOME=Big\r\n";
    const std::string line = groundbait ? "\n" : "\r\n";
    std::string text = head;
    while (text.size() + line.size() <= bytes)
        text += line;
    const std::string path = groundbait ? folders.Program() + "/Pasture/big.kvt" : folders.Root() + "/big.kvz";
    Write(path, text);
    double heapPerByte = 0;
    for (auto _ : state) {
        const std::size_t heapBefore = mallinfo2().uordblks;
        const auto t0 = Clock::now();
        bool ok;
        std::size_t held = 0;
        if (groundbait) {
            CPastura bait;
            bait.Load(nullptr);
            held = mallinfo2().uordblks - heapBefore;
            ok = bait.GetCount() == 2;
        } else {
            CIniText file;
            ok = file.Open(path.c_str());
            held = mallinfo2().uordblks - heapBefore;
        }
        const auto t1 = Clock::now();
        if (!ok) {
            state.SkipWithError("the file was not read");
            return;
        }
        heapPerByte = double(held) / double(text.size());
        state.SetIterationTime(std::chrono::duration<double>(t1 - t0).count());
    }
    state.counters["heap_per_file_byte"] = heapPerByte;
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(text.size()));
    plat::SetDataRootForTests("");
    plat::SetProgramFolderForTests("");
}

} // namespace

// Called by the benchmark program's main with the smoke flag.
void RegisterFilesBenchmarks(bool smoke)
{
    for (int n : {250, 500, 1000, 2000}) {
        if (smoke && n != 250)
            continue;
        for (bool photos : {false, true}) {
            const std::string name = std::string("BM_StartUpWithFolders/") + std::to_string(n) +
                                     (photos ? "/photos_in_other_case" : "/photos_missing");
            benchmark::RegisterBenchmark(name.c_str(), BM_StartUpWithFolders, n, photos)
                ->UseManualTime()
                ->Unit(benchmark::kMillisecond)
                ->Iterations(smoke ? 1 : 3);
        }
    }
    for (int n : {1000}) {
        benchmark::RegisterBenchmark(("BM_VenueList/" + std::to_string(n)).c_str(), BM_VenueList, n)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond)
            ->Iterations(smoke ? 1 : 5);
    }
    for (bool groundbait : {false, true})
        benchmark::RegisterBenchmark(groundbait ? "BM_NearlyFullFiles/groundbait" : "BM_NearlyFullFiles/venue_and_presence",
                                     BM_NearlyFullFiles, groundbait)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond)
            ->Iterations(smoke ? 1 : 5);
    for (bool groundbait : {false, true})
        for (std::size_t bytes : {std::size_t(64) << 10, std::size_t(1) << 20}) {
            const std::string name = std::string("BM_BlankLines/") + (groundbait ? "groundbait/" : "configuration/") +
                                     std::to_string(bytes >> 10) + "KiB";
            benchmark::RegisterBenchmark(name.c_str(), BM_BlankLines, groundbait, bytes)
                ->UseManualTime()
                ->Unit(benchmark::kMillisecond)
                ->Iterations(smoke ? 1 : 5);
        }
    benchmark::RegisterBenchmark("BM_CatchLogLongest", BM_CatchLogLongest)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond)
        ->Iterations(smoke ? 1 : 5);
}
