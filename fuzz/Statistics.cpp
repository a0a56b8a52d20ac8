// The statistics file ("karvelin.sta"). A file that is refused leaves an
// empty record; one that is taken has its numbers in range and its best
// catches in order, survives a save and a second load unchanged, and still
// saves to a loadable file after one more session at the limits.
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
    const fuzz::TimeBound bound(data, size);
    fuzz::UseScratchGameFolders();
    const std::string path = plat::JoinPath(g_GestFile.GetUserFolder(), CStatistiche::FileName());
    fuzz::WriteInput(path, data, size);

    static CStatistiche stats, again, empty;
    if (!stats.Load()) {
        empty.Clear();
        fuzz::Check(Snapshot(stats) == Snapshot(empty), "a refused file leaves an empty record");
        return 0;
    }
    for (std::int32_t v : {stats.m_sessions, stats.m_tournaments, stats.m_firsts, stats.m_seconds, stats.m_thirds,
                           stats.m_tournamentsWithoutCatch})
        fuzz::Check(v >= 0 && v <= CStatistiche::kMaxCount, "every counter in range");
    for (float v : {stats.m_minutes, stats.m_weight, stats.m_fishCount})
        fuzz::Check(v >= 0.0f && v <= CStatistiche::kMaxTotal, "every total in range");
    bool sawEmpty = false;
    float last = 0.0f;
    for (const StatCatch& c : stats.m_best) {
        fuzz::Check(c.id >= -1 && c.id <= 129, "a best catch of a known species or empty");
        fuzz::Check(!(sawEmpty && c.id != -1), "used slots first");
        fuzz::Check(c.id == -1 || c.weight >= last, "the best catches in ascending order");
        sawEmpty = sawEmpty || c.id == -1;
        if (c.id != -1)
            last = c.weight;
    }
    // One more session at the limits still saves to a file the loader takes.
    static CStatistiche more;
    more = stats;
    more.AddSession(1.0e9f, 1.0e9f, 1000000000);
    CStatistiche::AddToCounter(more.m_tournaments);
    more.AddCatch(5, "Carpa", 1.0e9f);
    fuzz::Check(more.Save(), "a record with one more session can be saved");
    fuzz::Check(again.Load(), "a record with one more session loads");
    fuzz::Check(stats.Save(), "a loaded record can be saved");

    const std::string loaded = Snapshot(stats);
    fuzz::Check(stats.Save(), "a loaded record can be saved");
    fuzz::Check(again.Load(), "the saved record loads");
    fuzz::Check(Snapshot(again) == loaded, "the record survives a save and a load", loaded);
    return 0;
}
