// Tackle configurations ("kvz") that players save and exchange. A file that
// loads gives a rig within its ranges (terminals within the longest line,
// the main line within the reel) whose saving, loading and saving again
// writes the same file; a refused file leaves the default rig, exactly as it is saved
// without any configuration.
#include "fuzz/FuzzSupport.h"
#include "platform/Files.h"
#include "shell/GestFile.h"
#include "simulation/tackle/CannaPesca.h"

#include <cstring>

namespace {

// The text from where two savings part, for the report of a finding.
std::string FromDifference(const std::string& a, const std::string& b)
{
    std::size_t i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i])
        ++i;
    const std::size_t from = i > 40 ? i - 40 : 0;
    return a.substr(from, 200) + "\n<>\n" + b.substr(from, 200);
}

// The rig as its configuration file holds it.
std::string Saved(CCannaPesca& rig, const std::string& description)
{
    const std::string path = CCannaPesca::ConfigurationPath("out");
    plat::DeleteFile(path);
    fuzz::Check(rig.SaveConfiguration("out", description.c_str()), "a rig can be saved");
    std::string text;
    fuzz::Check(plat::ReadWholeFile(path, text), "a saved rig can be read");
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const fuzz::TimeBound bound(data, size);
    CCannaPesca& rig = g_CannaPesca;
    // The catalogues are the shipped ones; the configurations are written
    // into a scratch data folder.
    static const std::string defaultRig = [&] {
        plat::SetDataRootForTests(fuzz::ScratchFolder());
        plat::SetProgramFolderForTests(KARVELIN_SOURCE_DIR "/data");
        fuzz::Check(g_GestFile.Init(), "the data folders can be made");
        rig.Init(nullptr, 400);
        rig.Reset(nullptr);
        return Saved(rig, "");
    }();
    fuzz::WriteInput(CCannaPesca::ConfigurationPath("in"), data, size);

    // The default rig keeps the stopper the player last set (it only counts
    // on a sliding float), so each input starts from the first one.
    rig.Reset(nullptr);
    rig.m_galleggiante.m_stopper = 0;
    std::string stored, description;
    if (!rig.LoadConfiguration("in", &stored, &description)) {
        fuzz::Check(rig.m_name[0] == '\0', "a refused configuration leaves no name");
        const std::string saved = Saved(rig, "");
        fuzz::Check(saved == defaultRig, "a refused configuration leaves the default rig",
                    FromDifference(saved, defaultRig));
        return 0;
    }
    fuzz::Check(std::strcmp(rig.m_name, "in") == 0, "the rig takes the file's name");
    for (const CFinale* f : {&rig.m_lenza.m_leader, &rig.m_lenza.m_droppers[0], &rig.m_lenza.m_droppers[1]})
        fuzz::Check(f->m_length >= 0.0f && f->m_length <= 35000.0f && f->m_position >= 0.0f &&
                        f->m_position <= 35000.0f,
                    "leader and droppers within the longest line");
    fuzz::Check(!rig.m_canna.HasReel() || rig.m_lenza.m_length <= float(rig.m_mulinello.GetCapacity()) ||
                    rig.m_canna.GetPhase() != 0,
                "no more main line than the reel holds");
    fuzz::Check(rig.m_galleggiante.m_stopper >= 0 && rig.m_galleggiante.m_stopper <= 10000, "the stopper in range");
    (void)rig.m_lenza.GetNearestAbove(2000000000);
    (void)rig.m_lenza.GetNearestBelow(-2000000000);
    fuzz::Check(strnlen(stored.c_str(), 645) <= 643 && description.size() <= 512, "the texts fit their fields");
    // A value cut at a NUL byte or at its field's end may end in blanks,
    // which an INI value never keeps, and line breaks inside it are written
    // as blanks: the description is compared as the files hold it.
    while (!description.empty() && std::strchr(" \t\r\n\v\f", description.back()))
        description.pop_back();
    const std::string first = Saved(rig, description);

    rig.Reset(nullptr);
    std::string description2;
    fuzz::Check(rig.LoadConfiguration("out", nullptr, &description2), "a saved rig loads");
    const std::string second = Saved(rig, description2);
    // Mounting settles a sliding float and the shots under it together, so
    // the rig saved is the rig that loads back.
    fuzz::Check(second == first, "a rig survives a save and a load", FromDifference(second, first));
    return 0;
}
