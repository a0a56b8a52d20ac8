// Tackle catalogue files (hooks, rods, baits, floats, reels, shots) that
// players exchange. The first byte picks the kind, the rest is the file.
// Whatever it holds, the file becomes exactly one record named after it,
// every text stays inside its field (a missing name takes the generic one),
// every number the game looks up in a table stays in that table's range, and
// the screens' texts for the record can be made.
#include "fuzz/FuzzSupport.h"
#include "platform/Files.h"
#include "simulation/tackle/Amo.h"
#include "simulation/tackle/Canna.h"
#include "simulation/tackle/Esca.h"
#include "simulation/tackle/Galleggiante.h"
#include "simulation/tackle/Mulinello.h"
#include "simulation/tackle/Piombo.h"

#include <cstring>
#include <filesystem>

namespace {

// A text field is terminated inside its array and the name is never empty.
void CheckHead(const TackleHead& h, const std::string& fileName, const std::string& folder)
{
    fuzz::Check(strnlen(h.name, sizeof h.name) < sizeof h.name && h.name[0], "the name fits and is never empty");
    fuzz::Check(strnlen(h.description, sizeof h.description) < sizeof h.description, "the description fits");
    fuzz::Check(strnlen(h.photo, sizeof h.photo) < sizeof h.photo, "the photo name fits");
    fuzz::Check(fileName == h.id, "the record is named after its file", h.id);
    fuzz::Check(folder == h.folder, "the record knows its folder", h.folder);
}

// Loads the one file in folder into a fresh catalogue of the kind.
template <class Catalogue>
Catalogue& LoadOne(const char* folder)
{
    static Catalogue c;
    c.m_records.clear();
    c.LoadFolder(folder);
    fuzz::Check(c.GetCount() == 1, "one file gives one record");
    return c;
}

void Use(const char* text) { fuzz::Check(text != nullptr, "a text for every value"); }

// A text as a file line gives it back: line breaks become blanks and the
// blanks around it go.
std::string AsWritten(const char* text)
{
    std::string v(text);
    for (char& c : v)
        if (c == '\r' || c == '\n')
            c = ' ';
    const char* blanks = " \t\r\n\v\f";
    v.erase(0, v.find_first_not_of(blanks) == std::string::npos ? v.size() : v.find_first_not_of(blanks));
    v.erase(v.find_last_not_of(blanks) + 1);
    return v;
}

// The head written back as a catalogue file of its own reads as the same
// head: name, description and photo survive, in either language.
template <class Catalogue>
void CheckWrittenBack(const TackleHead& h, const char* section, const std::string& folder, const std::string& fileName)
{
    const std::string name = AsWritten(h.name), description = AsWritten(h.description), photo = AsWritten(h.photo);
    if (name.empty() || name != h.name || description != h.description || photo != h.photo)
        return; // a text cut at its field's end or holding a line break reads back otherwise, as any file would
    CIniText file;
    for (const char* key : {"NOME", "NAME"})
        file.WriteString(section, key, name.c_str());
    for (const char* key : {"DESCRIZIONE", "DESCRIPTION"})
        file.WriteString(section, key, description.c_str());
    file.WriteString(section, "FILENAMEFOTO", photo.c_str());
    fuzz::Check(file.Save(plat::JoinPath(folder, fileName).c_str()), "a head can be written back");
    static Catalogue again;
    again.m_records.clear();
    again.LoadFolder(folder.c_str());
    fuzz::Check(again.GetCount() == 1, "the written file gives one record");
    const TackleHead& back = again.m_records[0];
    fuzz::Check(name == back.name && description == back.description, "the texts survive being written back",
                name + "|" + back.name);
    fuzz::Check(photo == back.photo || (photo.empty() && std::strcmp(back.photo, kNoPhotoName) == 0),
                "the photo name survives being written back", photo + "|" + back.photo);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const fuzz::TimeBound bound(data, size);
    static const std::string folder = [] {
        std::string f = plat::JoinPath(fuzz::ScratchFolder(), "tackle");
        std::filesystem::create_directories(f);
        return f;
    }();
    fuzz::Input in{data, size};
    const int kind = in.Byte() % 6;
    const char* const extensions[] = {"kva", "kvn", "kve", "kvg", "kvm", "kvp"};
    const std::string fileName = std::string("x.") + extensions[kind];
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(folder, ec))
        std::filesystem::remove_all(e.path(), ec);
    fuzz::Check(plat::WriteFileAtomic(plat::JoinPath(folder, fileName), std::string(in.Rest())),
                "the file can be written");
    ClearTackleFallbacks();

    switch (kind) {
    case 0: {
        CAmo& c = LoadOne<CAmo>(folder.c_str());
        const AmoRecord& r = c.GetRecord(0);
        CheckHead(r, fileName, folder);
        const TackleHead head = r;
        CheckWrittenBack<CAmo>(head, CAmo::kKind.section, folder, fileName);
        fuzz::Check(r.size >= -7 && r.size <= 24, "a hook size inside the size table");
        c.Select(nullptr, 0);
        for (const char* t : {c.GetWireText(), c.GetShankText(), c.GetBendText(), c.GetPointText(), c.GetBarbText(),
                              c.GetColourText(), c.GetBaitText(), CAmo::GetSizeText(r.size)})
            Use(t);
        const int cls = CAmo::GetSizeClass(r.size, r.baitKind);
        fuzz::Check(cls >= 0 && cls <= 6, "a size class of the marker frames");
        break;
    }
    case 1: {
        CCanna& c = LoadOne<CCanna>(folder.c_str());
        const CannaRecord& r = c.GetRecord(0);
        CheckHead(r, fileName, folder);
        const TackleHead head = r;
        CheckWrittenBack<CCanna>(head, CCanna::kKind.section, folder, fileName);
        fuzz::Check(r.type >= 0 && r.type <= 3 && r.stiffness >= 1 && r.stiffness <= 3,
                    "rod type and stiffness inside their tables");
        c.Select(nullptr, 0);
        Use(CCanna::GetTypeName(r.type));
        Use(CCanna::GetStiffnessName(r.stiffness));
        fuzz::Check(c.GetMinLength() <= c.GetDefaultLength() && c.GetDefaultLength() <= c.GetMaxLength(),
                    "the rod's default length lies between its limits");
        fuzz::Check(c.GetColourRow() >= 0 && c.GetColourRow() <= 10, "a colour row of the rod picture");
        break;
    }
    case 2: {
        CEsca& c = LoadOne<CEsca>(folder.c_str());
        const EscaRecord& r = c.m_records[0];
        CheckHead(r, fileName, folder);
        const TackleHead head = r;
        CheckWrittenBack<CEsca>(head, CEsca::kKind.section, folder, fileName);
        fuzz::Check(r.maxDepth >= 0 && r.maxDepth <= 10000, "a working depth inside 0..100 m");
        fuzz::Check(r.kind == 13 ? r.weight >= 200 && r.weight <= 20000 : r.weight == 0, "a lure weight in range");
        for (const char* t : {CEsca::GetBaitTypeName(r.kind), CEsca::GetHookColourName(r.hookColour),
                              CEsca::GetHookBendName(r.hookBend), CEsca::GetVenueTypeName(r.venueKind)})
            Use(t);
        break;
    }
    case 3: {
        CGalleggiante& c = LoadOne<CGalleggiante>(folder.c_str());
        const GalleggianteRecord& r = c.GetRecord(0);
        CheckHead(r, fileName, folder);
        const TackleHead head = r;
        CheckWrittenBack<CGalleggiante>(head, CGalleggiante::kKind.section, folder, fileName);
        fuzz::Check(strnlen(r.scenePicture, sizeof r.scenePicture) < sizeof r.scenePicture, "the scene picture fits");
        fuzz::Check(r.weight >= 20 && r.weight <= 800 && (r.mount == 0 || r.mount == 1),
                    "float weight and mount in range");
        c.Select(nullptr, 0);
        Use(CGalleggiante::GetMountName(r.mount));
        Use(c.GetSuitabilityText());
        break;
    }
    case 4: {
        CMulinello& c = LoadOne<CMulinello>(folder.c_str());
        const MulinelloRecord& r = c.GetRecord(0);
        CheckHead(r, fileName, folder);
        const TackleHead head = r;
        CheckWrittenBack<CMulinello>(head, CMulinello::kKind.section, folder, fileName);
        fuzz::Check(r.ratio >= 3.0f && r.ratio <= 8.0f, "a retrieve ratio in range");
        fuzz::Check(r.capacityMin >= 10000 && r.capacityMin <= r.capacityMax && r.capacityMax <= 35000,
                    "line capacities in range and in order");
        c.Select(nullptr, 0);
        Use(c.GetRatioText());
        Use(c.GetCapacityText(20));
        break;
    }
    default: {
        CPiombo& c = LoadOne<CPiombo>(folder.c_str());
        const PiomboRecord& r = c.m_records[0];
        CheckHead(r, fileName, folder);
        const TackleHead head = r;
        CheckWrittenBack<CPiombo>(head, CPiombo::kKind.section, folder, fileName);
        fuzz::Check(r.weight >= 10 && r.weight <= 12000, "a shot weight in range");
        Use(CPiombo::GetAttachmentText(r.attachment));
        Use(CPiombo::GetReferenceText(r.kind));
        break;
    }
    }
    return 0;
}
