// A groundbait file ("kvt") as players exchange them. Whatever it holds, it
// reads as one record behind the built-in one, with terminated texts, a
// duration of 0..3600 s and species flags of 0 or 1; a throw of it and the
// grid's tests stay within the grid.
#include "fuzz/FuzzSupport.h"
#include "platform/Files.h"
#include "shell/GestFile.h"
#include "shell/Opzioni.h"
#include "simulation/tackle/Pastura.h"

#include <cstring>
#include <filesystem>

namespace {

bool Terminated(const char* text, std::size_t size) { return std::memchr(text, '\0', size) != nullptr; }

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const fuzz::TimeBound bound(data, size);
    static const bool ready = [] {
        plat::SetDataRootForTests(fuzz::ScratchFolder());
        plat::SetProgramFolderForTests(fuzz::ScratchFolder() + "/program");
        std::filesystem::create_directories(fuzz::ScratchFolder() + "/program/Pasture");
        g_nScreenW = 800;
        g_nScreenH = 600;
        return g_GestFile.Init();
    }();
    fuzz::Check(ready, "the data folder can be made");
    fuzz::Input in{data, size};
    const std::uint8_t choice = in.Byte();
    g_Opzioni.italian = choice & 1;
    const int x = int(std::int8_t(in.Byte())) * 16, y = int(std::int8_t(in.Byte())) * 8;
    const std::string path = plat::JoinPath(g_GestFile.GetProgramSubfolder(CGestFile::P_PASTURE), "f.kvt");
    fuzz::Check(plat::WriteFileAtomic(path, in.Rest()), "the file can be written");

    static CPastura groundbait;
    groundbait.Load(nullptr);
    fuzz::Check(groundbait.GetCount() == 2, "one record per file behind the built-in one");
    const PasturaRecord& r = groundbait.GetRecord(1);
    fuzz::Check(Terminated(r.name, sizeof r.name) && Terminated(r.description, sizeof r.description) &&
                    Terminated(r.id, sizeof r.id) && Terminated(r.folder, sizeof r.folder),
                "the texts are terminated");
    fuzz::Check(r.name[0] != '\0', "a name, at least the generic one");
    fuzz::Check(r.duration >= 0 && r.duration <= 3600, "the duration is within 0..3600");
    for (int s = 0; s < 130; ++s)
        fuzz::Check(r.attracts[s] == 0 || r.attracts[s] == 1, "species flags are 0 or 1");

    // A throw anywhere, even far off the screen, stays within the grid.
    groundbait.m_selected = 1;
    groundbait.Throw(x, y);
    int filled = 0;
    for (int c = 0; c < CPastura::kGridSize; ++c)
        for (int row = 0; row < CPastura::kGridSize; ++row)
            filled += groundbait.CellData(c, row).groundbait == 1;
    fuzz::Check(filled >= 1 && filled <= 15, "a throw covers 1 to 15 cells");
    fuzz::Check(groundbait.Attracts(x, y, choice % 130) == (groundbait.GetCellAt(x, y) == 1 && r.attracts[choice % 130] == 1),
                "the point's test reads its cell");
    return 0;
}
