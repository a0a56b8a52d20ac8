// Venue files ("kvl") and the fish-presence files ("kvs") they name, as
// players exchange them. The first two bytes give the length of the venue
// file, the rest is the presence file "p.kvs" beside it. Whatever they hold,
// the venue keeps its numbers in their ranges and its texts in their fields,
// every presence lies in 0..100 and the species list shows exactly the
// species present, the screen's texts can be made, and loading the same
// files again gives the same venue.
#include "fuzz/FuzzSupport.h"
#include "platform/Files.h"
#include "shell/GestFile.h"
#include "shell/Oggetto.h"
#include "world/Fondale.h"
#include "world/Luogo.h"
#include "world/Pesci.h"

#include <cstring>
#include <filesystem>

namespace {

// Every number of the record and its texts, for comparing two loads.
std::string Snapshot(const LuogoRecord& r)
{
    std::string s;
    for (const char* t : {r.name, r.description, r.folder, r.id, r.photoFile})
        s.append(t).push_back('|');
    const char* from = reinterpret_cast<const char*>(r.presence);
    s.append(from, reinterpret_cast<const char*>(&r + 1) - from);
    return s;
}

bool Fits(const char* field, std::size_t size) { return strnlen(field, size) < size; }

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const fuzz::TimeBound bound(data, size);
    static const std::string folder = [] {
        plat::SetDataRootForTests(fuzz::ScratchFolder());
        plat::SetProgramFolderForTests(fuzz::ScratchFolder());
        fuzz::Check(g_GestFile.Init(), "the data folders can be made");
        g_nScreenW = 800;
        g_nScreenH = 600;
        std::string f = plat::JoinPath(fuzz::ScratchFolder(), "venues");
        std::filesystem::create_directories(f);
        return f;
    }();
    fuzz::Input in{data, size};
    std::size_t venueBytes = std::size_t(in.Byte()) << 8;
    venueBytes |= in.Byte();
    venueBytes = std::min(venueBytes, in.size);
    const std::string venue(reinterpret_cast<const char*>(in.data), venueBytes);
    const std::string presence(reinterpret_cast<const char*>(in.data) + venueBytes, in.size - venueBytes);
    fuzz::Check(plat::WriteFileAtomic(plat::JoinPath(folder, "x.kvl"), venue) &&
                    plat::WriteFileAtomic(plat::JoinPath(folder, "p.kvs"), presence),
                "the files can be written");

    CLuogo& luogo = g_Luogo;
    luogo.LoadVenue(folder.c_str(), "x.kvl");
    const LuogoRecord& r = luogo.Record();
    fuzz::Check(Fits(r.name, sizeof r.name) && Fits(r.description, sizeof r.description) &&
                    Fits(r.photoFile, sizeof r.photoFile),
                "the texts fit their fields");
    fuzz::Check(std::strcmp(r.id, "x.kvl") == 0 && folder == r.folder, "the venue is named after its file");
    fuzz::Check(r.PROFONDITA >= 50 && r.PROFONDITA <= 10000 && r.PENDENZA >= 5 && r.PENDENZA <= 50 &&
                    r.MAX_METRI >= 20 && r.MAX_METRI <= 70,
                "depth, slope and distance in range");
    for (int i = 0; i < 32; ++i)
        fuzz::Check(r.upperLimits[i] >= 0 && r.upperLimits[i] <= 7 && r.upperLimitTypes[i] >= 0 &&
                        r.upperLimitTypes[i] <= 3,
                    "the water line's levels and kinds in range");
    int present = 0;
    for (int v : r.presence) {
        fuzz::Check(v >= 0 && v <= 100, "a presence in 0..100");
        present += v > 0;
    }
    fuzz::Check(luogo.SpeciesList().GetCount() == present, "the species list shows the species present");
    for (const char* t : {luogo.GetVenueTypeName(), luogo.GetRegionName(), luogo.GetCurrentName(),
                          luogo.GetBottomName(), luogo.GetWaterName(), luogo.GetSeaStateName()})
        fuzz::Check(t != nullptr, "a text for every value");
    for (int x = -10; x <= 810; x += 41) {
        const int level = luogo.GetUpperLimitAt(x, true);
        (void)level;
        const int kind = luogo.GetUpperLimitType(x);
        fuzz::Check(kind >= 0 && kind <= 3, "a water line kind at every x");
    }
    (void)luogo.GetSignedCurrent();
    (void)luogo.GetWaveLevel();
    for (int v : g_Fondale.m_depths)
        fuzz::Check(v >= 0 && v <= CFondale::kMaxDepthValue, "a bottom inside its depths");

    const std::string first = Snapshot(r);
    luogo.LoadVenue(folder.c_str(), "x.kvl");
    fuzz::Check(Snapshot(luogo.Record()) == first, "the same files give the same venue");
    return 0;
}
