// The statistics file ("karvelin.sta"). A file that is refused leaves an
// empty record; one that is taken survives a save and a second load
// unchanged.
#include "fuzz/FuzzSupport.h"
#include "platform/Files.h"
#include "shell/GestFile.h"
#include "simulation/session/Statistiche.h"

#include <cstring>

namespace {

std::string Snapshot(const CStatistiche& s)
{
    // The file holds "ND" for a record without a name.
    std::string out(s.m_name[0] ? s.m_name : "ND");
    out.push_back('|');
    auto put = [&](const void* p, std::size_t n) { out.append(static_cast<const char*>(p), n); };
    for (const std::int32_t* n : {&s.m_sessions, &s.m_tournaments, &s.m_firsts, &s.m_seconds, &s.m_thirds,
                                  &s.m_tournamentsWithoutCatch})
        put(n, 4);
    for (const float* f : {&s.m_minutes, &s.m_weight, &s.m_fishCount})
        put(f, 4);
    for (const StatCatch& c : s.m_best) {
        put(&c.id, 4);
        out.append(c.name).push_back('|');
        put(&c.weight, 4);
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::UseScratchGameFolders();
    const std::string path = plat::JoinPath(g_GestFile.GetUserFolder(), CStatistiche::FileName());
    fuzz::WriteInput(path, data, size);

    static CStatistiche stats, again, empty;
    if (!stats.Load()) {
        empty.Clear();
        fuzz::Check(Snapshot(stats) == Snapshot(empty), "a refused file leaves an empty record");
        return 0;
    }
    const std::string loaded = Snapshot(stats);
    fuzz::Check(stats.Save(), "a loaded record can be saved");
    fuzz::Check(again.Load(), "the saved record loads");
    fuzz::Check(Snapshot(again) == loaded, "the record survives a save and a load", loaded);
    return 0;
}
