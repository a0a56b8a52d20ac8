#include "simulation/tackle/Canna.h"

#include "shell/Utility.h"
#include "simulation/tackle/Lenza.h"
#include "simulation/tackle/Scene3D.h"

#include <cstring>

const TackleKind CCanna::kKind = {"CANNA", "kvn", CGestFile::P_CANNE, CGestFile::D_CANNE, "Canna generica",
                                  "Generic rod", true};

namespace {

struct BuiltInRod {
    const char* name;
    int stiffness;
    int text;
};

constexpr BuiltInRod kBuiltIns[11] = {
    {"Norva WHT01", 1, 0}, {"Norva GRY01", 2, 1}, {"Norva GRY02", 2, 1}, {"Norva YEL01", 2, 2},
    {"Norva ORA01", 2, 2}, {"Norva RED01", 3, 3}, {"Norva BLU02", 1, 4}, {"Norva LBL01", 3, 5},
    {"Norva CYN01", 3, 5}, {"Norva GRE01", 2, 6}, {"Norva GRE02", 2, 6},
};

const char* const kDescriptions[7][2] = {
    {"Canna fissa in carbonio, morbida, leggera e molto affidabile. Pu\xF2 essere impiegata sia per la pesca del "
     "pesce piccolo in velocit\xE0, sia per la pesca del pesce di taglia.",
     "Range of high modulus carbon telescopic rods specially designed for fast fishing for bleak and small fish."},
    {"Canna in carbonio e resine a micro cristalli liquidi. E' leggera, ha una azione semi-rigida con punta  "
     "sensibile, una bilanciatura eccellente ed una mandrinatura contenuta.",
     "Made of Power Fibre and with full carbon tip, this whip is raising the enthusiasm of anglers thanks to its "
     "strength and versatility."},
    {"Canna fissa in materiale composito robustissima ed affidabile,  semi-rigida. Si pu\xF2 impiegare anche per la "
     "pesca alla carpa e per i grossi pesci di mare.",
     "Made of carbon high module. Very powerful and reliable. This model offers a great strength and good "
     "rigidity."},
    {"Canna realizzata in carbonio con sistema di lavorazione a fibre incrociate. Dotata di grande bilanciatura ha "
     "una azione rigida sensibile di punta ed un'ottima affidabilit\xE0.",
     "One of the thinnest, lightest, most balanced and resistant rods on the market, thanks to the high modulus "
     "carbon combined to radial carbon  tech."},
    {"Canne telescopica realizzata in carbonio, morbida, ideale per la pesca in velocit\xE0 di alborelle e piccoli "
     "pesci.",
     "Made of carbon high module added of carbon HR, it has slim diameters of the sections and a light weight."},
    {"Canna telescopica prodotta in carbonio con lavorazione a laminazione incrociata. Questo sistema permette di "
     "ottenere una canna rigida, leggera ma al tempo stesso molto affidabile.",
     "Entirely made in carbon high module with particular reinforcements at the base of every section. For this "
     "series it has been adopted the technique of construction that gives great reliability and rigidity."},
    {"Canna in carbonio con supporto di doppia spirale, semi-rigida. Questa lavorazione conferisce a questo "
     "prodotto una conbinazione ottimale tra potenza ed equilibratura.",
     "This model, in carbon HR joined to high module carbon, offers a great strength and good rigidity."},
};

} // namespace

CCanna::CCanna()
    : m_points{}, m_base{}, m_tip{}, m_tipPoint{}, m_seatPoint{}, m_limits{}, m_angle(45.0f), m_sideAngle(90.0f),
      m_bend(0.0f), m_bendTarget(0.0f), m_swingTarget(90.0f), m_segments{}, m_projectedSum(0.0f), m_tipInWater(0),
      m_ringsShown(0), m_restingAngle(0.0f), m_length(500.0f), m_phase(kPhaseRest), m_current{}, m_selected(-1),
      m_line(nullptr)
{
}

void CCanna::Init(plat::Device* dev, int x)
{
    InitScreen();
    const int u = GetScreenHeight() / 30;
    m_top = 6 * u;
    m_bottom = 27 * u;
    // The 3D objects of an earlier device are never drawn with this one.
    Release3D();
    m_device3D = dev;
    SetX(x);
    if (dev) {
        m_photo.Init(dev);
        int st = 0;
        m_drawer = dev->CreateLineDrawer(&st);
        m_tipRings.Load(dev);
        m_tipRings.m_timer[0].interval = 20;
    }
    SetLength(500.0f);
    m_records.clear();
    for (int i = 0; i < 11; ++i) {
        CannaRecord r{};
        CopyTackleText(r.id, Concat2("INTERNAL_", IntToText(i)), 128);
        CopyTackleText(r.name, kBuiltIns[i].name, 128);
        const int t = kBuiltIns[i].text;
        CopyTackleText(r.description, Tr(kDescriptions[t][0], kDescriptions[t][1]), 512);
        r.colour = i;
        r.stiffness = kBuiltIns[i].stiffness;
        r.type = kRodPole;
        m_records.push_back(r);
    }
    LoadFolder(g_GestFile.GetProgramSubfolder(kKind.programFolder));
    LoadFolder(g_GestFile.GetDataSubfolder(kKind.dataFolder));
    if (IsScene3DInUse())
        Load3DHandle(dev);
    Select(dev, 1);
}

void CCanna::Reset(plat::Device* dev)
{
    SetLength(500.0f);
    m_projectedSum = 0.0f;
    Select(dev, 1);
    ResetScene();
}

void CCanna::LoadFolder(const char* folder)
{
    LoadTackleFolder(folder, kKind, m_records, [](const CIniText& f, CannaRecord& r) {
        r.colour = ReadTackleInt(f, kKind, r.id, "COLORE", 0);
        r.stiffness = ReadTackleInt(f, kKind, r.id, "RIGIDITA", 2, 1, 3);
        r.type = ReadTackleInt(f, kKind, r.id, "TIPO", 0, 0, 3);
    });
}

const CannaRecord& CCanna::GetRecord(int i) const
{
    static const CannaRecord kEmpty{};
    if (m_records.empty())
        return kEmpty;
    i = i < 0 ? 0 : i >= GetCount() ? GetCount() - 1 : i;
    return m_records[std::size_t(i)];
}

void CCanna::Select(plat::Device* dev, int index)
{
    if (m_records.empty())
        return;
    if (index < 0 || index >= GetCount())
        index = 0;
    m_selected = index;
    const int oldType = m_current.type;
    m_current = m_records[std::size_t(index)];
    // A spinning blank has its own butt radius.
    if (IsScene3DInUse() && oldType != m_current.type)
        Build3DRod();
    LoadPhoto(dev, m_current.folder, m_current.photo, m_current.id);
}

void CCanna::SelectById(plat::Device* dev, const char* id)
{
    const int found = FindTackleRecord(m_records, id);
    Select(dev, found < 0 ? 0 : found);
}

void CCanna::LoadPhoto(plat::Device* dev, const char* folder, const char* photo, const char* id)
{
    if (photo && *photo) {
        LoadTacklePhoto(m_photo, dev, folder, photo, kBitmapRodPhotoDefault, 75, 350);
        return;
    }
    std::uint32_t bitmap = kBitmapRodPhotoOther;
    for (int i = 0; i <= 9; ++i)
        if (id && std::strcmp(id, Concat2("INTERNAL_", IntToText(i))) == 0)
            bitmap = 247 + std::uint32_t(i);
    LoadTacklePhoto(m_photo, dev, "", "", bitmap, 75, 350);
}

void CCanna::OnLostDevice()
{
    m_drawer.reset();
    Release3D();
    m_photo.OnLostDevice();
    m_tipRings.OnLostDevice();
}

void CCanna::OnResetDevice(plat::Device* dev)
{
    // The catalogue is read again; the rod mounted stays the same model even
    // when files were added or removed meanwhile, so it is found by its id.
    const CannaRecord kept = m_current;
    const float length = m_length;
    const float angle = m_angle, side = m_sideAngle, bend = m_bend, target = m_bendTarget;
    m_photo.OnResetDevice(dev);
    Init(dev, GetX());
    m_angle = angle;
    m_sideAngle = side;
    m_bend = bend;
    m_bendTarget = target;
    SetLength(length);
    SelectById(dev, kept.id);
    if (std::strcmp(m_current.id, kept.id) != 0)
        LogTackleFallback(std::string("rod ") + kept.id + " gone after the device reset, " + m_current.id + " mounted");
    m_current.stiffness = kept.stiffness;
    m_current.type = kept.type;
}

void CCanna::SetLength(float length)
{
    m_length = length < 210.0f ? 210.0f : length > 900.0f ? 900.0f : length;
    // The three shortest lengths would make a stub of a rod on screen: they
    // are drawn as a 290 cm rod.
    static constexpr float kBase[12] = {130, 90, 70, 40, 30, 30, 30, 30, 10, 10, 10, 10};
    const float g = (m_length == 210.0f || m_length == 240.0f || m_length == 270.0f) ? 290.0f : m_length;
    float sum = 0.0f;
    for (int j = 0; j < 12; ++j) {
        m_segments[j] = kBase[j] * g / 500.0f;
        sum += m_segments[j];
        m_limits[j] = sum * kPerspective - 20.0f;
    }
    if (m_line)
        m_line->SetLength(m_line->m_length, false);
    if (IsScene3DInUse())
        Build3DRod();
}

// The caller sets the length next (the tackle box always does), which
// rebuilds the 3D rod once for the new butt.
void CCanna::SetType(int type) { m_current.type = type; }

void CCanna::SetStiffness(int stiffness) { m_current.stiffness = stiffness; }

int CCanna::GetDefaultLength(int type) { return type == 1 ? 500 : (type == 2 || type == 3) ? 270 : 500; }
int CCanna::GetMinLength(int type) { return type == 1 ? 400 : (type == 2 || type == 3) ? 210 : 300; }
int CCanna::GetMaxLength(int type) { return type == 1 ? 700 : (type == 2 || type == 3) ? 300 : 900; }
int CCanna::GetDefaultLength() const { return GetDefaultLength(m_current.type); }
int CCanna::GetMinLength() const { return GetMinLength(m_current.type); }
int CCanna::GetMaxLength() const { return GetMaxLength(m_current.type); }

float CCanna::GetFlexFactor() const
{
    switch (m_current.stiffness) {
    case 3: return 0.3f;
    case 2: return 0.6f;
    default: return 0.9f;
    }
}

const char* CCanna::GetTypeName(int type)
{
    switch (type) {
    case 1: return Tr("Bolognese", "Bolo-rod");
    case 2: return Tr("Bolentino", "Boat-rod");
    case 3: return "Spinning";
    default: return Tr("Fissa", "Pole-rod");
    }
}

const char* CCanna::GetStiffnessName(int stiffness)
{
    switch (stiffness) {
    case 2: return Tr("Media", "Medium");
    case 3: return Tr("Alta", "High");
    default: return Tr("Bassa", "Low");
    }
}

bool CCanna::LoadConfiguration(const CIniText& file, plat::Device* dev)
{
    SetLength(float(file.ReadInt("CANNA", "LUNGHEZZA", 500)));
    char id[129];
    file.ReadString("CANNA", "FILE", "NOT FOUND", id, 128);
    if (std::strcmp(id, "NOT FOUND") == 0) {
        Select(dev, file.ReadInt("CANNA", "MODELLO", 0));
    } else {
        SelectById(dev, id);
        if (std::strcmp(m_current.id, id) != 0)
            LogTackleFallback(std::string("configuration: rod ") + id + " unknown, " + m_current.id + " mounted");
    }
    // The configuration's own stiffness and type, as stored.
    m_current.stiffness = file.ReadInt("CANNA", "RIGIDITA", 1);
    m_current.type = file.ReadInt("CANNA", "TIPO", 0);
    return true;
}

void CCanna::SaveConfiguration(CIniText& file) const
{
    file.WriteInt("CANNA", "LUNGHEZZA", int(m_length));
    file.WriteString("CANNA", "FILE", m_current.id);
    file.WriteInt("CANNA", "RIGIDITA", m_current.stiffness);
    file.WriteInt("CANNA", "TIPO", m_current.type);
}
