// The settings file. Whatever it holds, loading gives settings that survive
// a save and a second load unchanged; without a file every key has its
// default.
#include "fuzz/FuzzSupport.h"
#include "platform/Files.h"
#include "shell/GestFile.h"
#include "shell/Opzioni.h"

#include <cstring>
#include <vector>

namespace {

std::vector<std::string> Snapshot(const COpzioni& o)
{
    std::vector<std::string> v;
    for (int n : {o.build, o.tournamentTime, o.tournamentFishermen, o.sounds, o.showTension, o.weather, o.level,
                  o.fullScreen, o.mouseSensitivity, o.verticalInverted, o.lineMode, o.retrieveSpeed, o.guiColour,
                  o.netMode, o.showStats, o.alpha, o.waters, o.language, int(o.italian), o.resolution, o.units,
                  o.use3D})
        v.push_back(std::to_string(n));
    // A value in the file is one line and trimmed: a line break inside a
    // text is written as a space, and blanks at its ends are not kept.
    for (const char* t : {o.line, o.playerName, o.city, o.nation, o.baitLeader, o.baitDropper1, o.baitDropper2}) {
        std::string text(t);
        for (char& c : text)
            if (c == '\r' || c == '\n')
                c = ' ';
        const std::size_t first = text.find_first_not_of(" \t\v\f");
        const std::size_t last = text.find_last_not_of(" \t\v\f");
        v.push_back(first == std::string::npos ? std::string() : text.substr(first, last - first + 1));
    }
    return v;
}

std::string Joined(const std::vector<std::string>& v)
{
    std::string s;
    for (const std::string& x : v)
        s += x + "|";
    return s;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const fuzz::TimeBound bound(data, size);
    fuzz::UseScratchGameFolders();
    const std::string path = COpzioni::Path();
    fuzz::WriteInput(path, data, size);

    COpzioni first;
    first.Load();
    fuzz::Check(first.italian == (first.language == 1), "the Italian flag follows the language");
    const auto loaded = Snapshot(first);
    fuzz::Check(first.Save(), "the settings can be saved");
    COpzioni second;
    second.Load();
    fuzz::Check(Snapshot(second) == loaded, "settings survive a save and a load", Joined(loaded));

    // A missing file and an empty one both give the defaults.
    plat::DeleteFile(path);
    COpzioni none;
    none.Load();
    static const auto defaults = [&] {
        plat::WriteFileAtomic(path, "");
        COpzioni empty;
        empty.Load();
        plat::DeleteFile(path);
        return Snapshot(empty);
    }();
    fuzz::Check(Snapshot(none) == defaults, "a missing file leaves every default");
    return 0;
}
