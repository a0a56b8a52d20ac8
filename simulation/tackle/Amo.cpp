#include "simulation/tackle/Amo.h"

#include "shell/Utility.h"

#include <cstring>

const TackleKind CAmo::kKind = {"AMO", "kva", CGestFile::P_AMI, CGestFile::D_AMI, "Amo generico", "Generic hook", true};

namespace {

AmoRecord BuiltIn(const char* id, const char* name, const char* description, int bend, int size, int baitKind)
{
    AmoRecord r{};
    CopyTackleText(r.id, id, 128);
    CopyTackleText(r.name, name, 128);
    CopyTackleText(r.description, description, 512);
    r.wire = 0;
    r.shank = 0;
    r.bend = bend;
    r.point = 1;
    r.barb = 0;
    r.colour = 0;
    r.size = size;
    r.baitKind = baitKind;
    return r;
}

const char* Label(int value, std::initializer_list<std::pair<const char*, const char*>> labels, const char* otherIt,
                  const char* otherEn)
{
    if (value >= 0 && value < int(labels.size())) {
        auto it = labels.begin() + value;
        return Tr(it->first, it->second);
    }
    return Tr(otherIt, otherEn);
}

} // namespace

CAmo::CAmo() { Reset(); }

void CAmo::Reset()
{
    m_records.clear();
    std::memset(static_cast<TackleHead*>(&m_current), 0, sizeof(TackleHead));
    m_current.wire = m_current.shank = m_current.bend = m_current.point = m_current.barb = m_current.colour = -1;
    m_current.size = -9;
    m_current.baitKind = -1;
    m_selected = -1;
    m_markerColumn = 0;
    m_markerRow = 0;
}

void CAmo::Init(plat::Device* dev)
{
    Reset();
    if (dev)
        m_photo.Init(dev);
    LoadMarker(dev);
    m_records.push_back(BuiltIn("INTERNAL_0", Tr("Crystal, G.C., n. 18", "Crystal, No. 18"),
                                Tr("Crystal, gambo corto, numero 18. Utilizzabile in mille occasioni. Affidabile e "
                                   "resistente.",
                                   "Crystal, short shanked hook, suitable for fishing all kind of fish. Number 18."),
                                0, 18, -1));
    m_records.push_back(BuiltIn("INTERNAL_1", Tr("Amo per artific., n. 06", "Lure hook, n. 06"),
                                Tr("Amo con ardiglione con occhiello complanare al gambo, ideale per la sostituzione "
                                   "delle ancorette su artificiali.",
                                   "Hooh with barb, ideal for replacing the treble hooks on artificials."),
                                2, 6, kBaitKindSpinning));
    LoadFolder(g_GestFile.GetProgramSubfolder(kKind.programFolder));
    LoadFolder(g_GestFile.GetDataSubfolder(kKind.dataFolder));
    Select(dev, 0);
}

void CAmo::LoadFolder(const char* folder)
{
    LoadTackleFolder(folder, kKind, m_records, [](const CIniText& f, AmoRecord& r) {
        r.wire = ReadTackleInt(f, kKind, r.id, "FILO", -1);
        r.shank = ReadTackleInt(f, kKind, r.id, "GAMBO", -1);
        r.bend = ReadTackleInt(f, kKind, r.id, "CURVA", -1);
        r.point = ReadTackleInt(f, kKind, r.id, "PUNTA", -1);
        r.barb = ReadTackleInt(f, kKind, r.id, "ARDIGLIONE", -1);
        r.colour = ReadTackleInt(f, kKind, r.id, "COLORE", -1);
        r.size = ReadTackleInt(f, kKind, r.id, "MISURA", 18, -7, 24);
        r.baitKind = ReadTackleInt(f, kKind, r.id, "ESCA", -1);
    });
}

const AmoRecord& CAmo::GetRecord(int i) const
{
    static const AmoRecord kEmpty{};
    if (m_records.empty())
        return kEmpty;
    if (i < 0)
        i = 0;
    if (i >= GetCount())
        i = GetCount() - 1;
    return m_records[std::size_t(i)];
}

int CAmo::GetSizeClass(int size, int baitKind)
{
    if (baitKind == kBaitKindSpinning)
        return 6;
    if (size >= 22)
        return 0;
    if (size >= 18)
        return 1;
    if (size >= 14)
        return 2;
    if (size >= 10)
        return 3;
    if (size >= 6)
        return 4;
    return 5;
}

void CAmo::Select(plat::Device* dev, int index)
{
    if (m_records.empty())
        return;
    if (index < 0 || index >= GetCount())
        index = 0;
    m_selected = index;
    m_current = m_records[std::size_t(index)];
    // A colour outside the marker picture's six columns shows the grey hook.
    m_markerColumn = m_current.colour >= 0 && m_current.colour <= 5 ? m_current.colour : 0;
    m_markerRow = GetSizeClass(m_current.size, m_current.baitKind);
    LoadPhoto(dev, m_current.folder, m_current.photo, m_current.baitKind);
}

void CAmo::SelectById(plat::Device* dev, const char* id)
{
    const int found = FindTackleRecord(m_records, id);
    Select(dev, found < 0 ? 0 : found);
}

void CAmo::LoadPhoto(plat::Device* dev, const char* folder, const char* photo, int baitKind)
{
    LoadTacklePhoto(m_photo, dev, folder, photo, baitKind == kBaitKindSpinning ? kBitmapLureHookPhoto : kBitmapHookPhoto,
                    100, 100);
}

void CAmo::OnLostDevice()
{
    m_photo.OnLostDevice();
    m_marker.OnLostDevice();
}

void CAmo::OnResetDevice(plat::Device* dev)
{
    m_photo.OnResetDevice(dev);
    if (dev) // the rig-view pictures wait for a device to be made on
        m_marker.OnResetDevice(dev);
}

const char* CAmo::GetWireText() const
{
    return Label(m_current.wire, {{"Fine", "Fine"}, {"Doppio", "Double"}}, "Non definito", "Not defined");
}

const char* CAmo::GetShankText() const
{
    return Label(m_current.shank, {{"Corto", "Short"}, {"Medio", "Medium"}, {"Lungo", "Long"}}, "Non definito",
                 "Not defined");
}

const char* CAmo::GetBendText() const
{
    return Label(m_current.bend, {{"Crystal", "Crystal"}, {"Rotonda", "Round"}, {"Ampia", "Large"}}, "Non definita",
                 "Not defined");
}

const char* CAmo::GetPointText() const
{
    return Label(m_current.point, {{"Rientrante", "Inwards"}, {"Dritta", "Straight"}, {"Storta", "Reversed"}},
                 "Non definita", "Not defined");
}

const char* CAmo::GetBarbText() const
{
    return Label(m_current.barb, {{"Piccolo", "Small"}, {"Micro", "Micro"}}, "Non definito", "Not defined");
}

const char* CAmo::GetColourText() const
{
    return Label(m_current.colour,
                 {{"Grigio", "Gray"}, {"Bronzo", "Bronze"}, {"Brunito", "Brown"}, {"Rosso", "Red"},
                  {"Dorato", "Golden"}, {"Verde", "Green"}},
                 "Non definito", "Not defined");
}

const char* CAmo::GetBaitText() const
{
    return Label(m_current.baitKind,
                 {{"Crostaceo", "Shellfish"}, {"Formaggio", "Cheese"}, {"Frutta", "Fruit"}, {"Insetto", "Insect"},
                  {"Larva", "Maggot"}, {"Pane o\t polenta", "Bread"}, {"Vegetale", "Vegetable"}, {"Verme", "Worm"},
                  {"Vivo", "Live"}, {"Artificiale", "Lure"}, {"Pezzettino di carne", "Meat"},
                  {"Pastella", "Batter"}, {"Mollusco", "Mollusc"}, {"Artificiale Spinning", "Spinning lure"}},
                 "Tutte", "Tutte");
}

const char* CAmo::GetSizeText(int size)
{
    static const char* const kLarge[] = {"1/0", "2/0", "3/0", "4/0", "5/0", "6/0", "7/0", "8/0"};
    if (size <= 0 && size >= -7)
        return kLarge[-size];
    return IntToText(size);
}
