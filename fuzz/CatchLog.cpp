// Catch logs ("kvc") that players keep and exchange. Whatever the file
// holds, what is read is what the list shows without loading it, every
// number is within what a catch can be, and it survives a save and a second
// load unchanged.
#include "fuzz/FuzzSupport.h"
#include "platform/Files.h"
#include "shell/GestFile.h"
#include "simulation/session/Sessione.h"

#include <cmath>
#include <cstring>

namespace {

// Every field a log file carries, as bytes (floats compared bit for bit).
// A log without a player is saved as "Player Name"; the place is not the
// file's but the running tournament's when the log is saved.
std::string Snapshot(const CSessione& s)
{
    std::string out(s.m_player[0] ? s.m_player : "Player Name");
    out.push_back('|');
    auto put = [&](const void* p, std::size_t n) { out.append(static_cast<const char*>(p), n); };
    for (const char* t : {s.m_venue, s.m_date, s.m_startTime, s.m_endTime})
        out.append(t).push_back('|');
    put(&s.m_totalWeight, 4);
    put(&s.m_biggestWeight, 4);
    put(&s.m_longestLength, 4);
    put(&s.m_count, 4);
    for (const CatchEntry& c : s.m_catches)
        put(&c, sizeof c);
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const fuzz::TimeBound bound(data, size);
    fuzz::UseScratchGameFolders();
    const std::string folder = g_GestFile.GetDataSubfolder(CGestFile::D_CATTURE);
    fuzz::WriteInput(plat::JoinPath(folder, "in.kvc"), data, size);

    static CSessione log, again;
    fuzz::Check(log.Load("in.kvc"), "a log file that is there loads");
    fuzz::Check(log.m_count == int(log.m_catches.size()), "the count is the catches held");
    char player[CSessione::kPlayerMax + 1], venue[CSessione::kVenueMax + 1], date[CSessione::kShortTextMax + 1];
    CSessione::ReadHeader("in.kvc", player, venue, date);
    fuzz::Check(std::strcmp(player, log.m_player) == 0 && std::strcmp(venue, log.m_venue) == 0 &&
                    std::strcmp(date, log.m_date) == 0,
                "the list shows what loading reads");

    for (const CatchEntry& c : log.m_catches)
        fuzz::Check(c.weight >= 0.0f && c.weight <= 1.0e7f && c.length >= 0 && c.length <= 10000,
                    "every catch's weight and length in range");
    fuzz::Check(std::isfinite(log.m_totalWeight) && log.m_totalWeight >= 0.0f && log.m_biggestWeight >= 0.0f &&
                    log.m_biggestWeight <= 1.0e7f && log.m_longestLength >= 0 && log.m_longestLength <= 10000 &&
                    log.m_place >= 0 && log.m_place <= 999,
                "the totals and the place in range");
    for (int i = 0; i < log.GetCount() && i < 4; ++i)
        fuzz::Check(log.GetWeightText(i)[0] && log.GetLengthText(i)[0], "a catch's texts can be made");

    const std::string loaded = Snapshot(log);
    fuzz::Check(log.Save("out"), "a loaded log can be saved");
    fuzz::Check(again.Load("out.kvc"), "the saved log loads");
    fuzz::Check(Snapshot(again) == loaded, "a log survives a save and a load", loaded);
    return 0;
}
