#include "simulation/tackle/Mulinello.h"

#include "shell/Utility.h"
#include "simulation/tackle/Scene3D.h"

#include <cstdio>
#include <cstring>
#include <string>

const TackleKind CMulinello::kKind = {"MULINELLO", "kvm", CGestFile::P_MULINELLI, CGestFile::D_MULINELLI,
                                      "Mulinello generico", "Generic reel", true};

namespace {

// Metres from the file into centimetres; clamped first so a huge value
// cannot overflow.
int MetresToCm(int metres) { return (metres < 0 ? 0 : metres > 1000 ? 1000 : metres) * 100; }

void ClampCapacities(MulinelloRecord& r)
{
    r.capacityMax = r.capacityMax < 10000 ? 10000 : r.capacityMax > 35000 ? 35000 : r.capacityMax;
    r.capacityMin = r.capacityMin < 10000 ? 10000 : r.capacityMin > r.capacityMax ? r.capacityMax : r.capacityMin;
    r.ratio = r.ratio < 3.0f ? 3.0f : r.ratio > 8.0f ? 8.0f : r.ratio;
}

} // namespace

CMulinello::CMulinello() : m_capacity(0), m_current{}, m_selected(-1), m_lineDiameter(14) { Free(); }

void CMulinello::Free()
{
    m_records.clear();
    m_retrieving = 0;
    m_ticks = 0;
    for (int i = 0; i < 3; ++i)
        m_timer[i].interval = 20;
    m_drag = 6.5f;
    m_handleAngle = 0;
    m_gaugeCountdown = 0;
}

void CMulinello::Load(plat::Device* dev)
{
    if (dev)
        m_photo.Init(dev);
    InitScreen();
    LoadScene(dev);
    m_records.clear();
    MulinelloRecord r{};
    CopyTackleText(r.id, "INTERNAL_0", 128);
    CopyTackleText(r.name, "Norva GR01", 128);
    CopyTackleText(r.description,
                   Tr("Mulinello di nuova concezione, manovella bilanciata con pomello ergonomico, frizione "
                      "micrometrica posteriore con dischi sovradimensionati, bobina in grafite.",
                      "Ideal for freshwater and sea fishing. Constructed entirely in graphite is fitted with 1 Long "
                      "Life Ball Bearings, micrometric front drag, handle with soft-touch knob."),
                   512);
    r.capacityMin = 11500;
    r.capacityMax = 30000;
    r.ratio = 5.0f;
    m_records.push_back(r);
    LoadFolder(g_GestFile.GetProgramSubfolder(kKind.programFolder));
    LoadFolder(g_GestFile.GetDataSubfolder(kKind.dataFolder));
    m_device3D = dev;
    // A start in the flat scene drops the mesh an earlier 3D start left.
    if (IsScene3DInUse())
        LoadMesh(dev);
    else
        Release3D();
    Select(dev, 0);
}

void CMulinello::LoadFolder(const char* folder)
{
    LoadTackleFolder(folder, kKind, m_records, [](const CIniText& f, MulinelloRecord& r) {
        CopyTackleText(r.fileName, r.id, 128);
        r.ratio = float(ReadTackleInt(f, kKind, r.id, "RAPPORTO_RECUPERO", 50, 30, 80)) / 10.0f;
        r.capacityMax = MetresToCm(ReadTackleInt(f, kKind, r.id, "CAPACITA_MAX", 300, 100, 350));
        const int min = MetresToCm(ReadTackleInt(f, kKind, r.id, "CAPACITA_MIN", 115));
        r.capacityMin = min < 10000 ? 10000 : min > r.capacityMax ? r.capacityMax : min;
    });
}

const MulinelloRecord& CMulinello::GetRecord(int i) const
{
    static const MulinelloRecord kEmpty{};
    if (m_records.empty())
        return kEmpty;
    i = i < 0 ? 0 : i >= GetCount() ? GetCount() - 1 : i;
    return m_records[std::size_t(i)];
}

void CMulinello::Select(plat::Device* dev, int index)
{
    if (m_records.empty())
        return;
    if (index < 0 || index >= GetCount())
        index = 0;
    const bool keepPhoto = m_selected >= 0;
    m_current = m_records[std::size_t(index)];
    ClampCapacities(m_current);
    m_selected = index;
    if (m_current.photo[0])
        LoadTacklePhoto(m_photo, dev, m_current.folder, m_current.photo, kBitmapReelPhoto, 100, 100);
    else if (std::strcmp(m_current.id, "INTERNAL_0") == 0 || !keepPhoto)
        LoadTacklePhoto(m_photo, dev, "", "", kBitmapReelPhoto, 100, 100);
    m_retrieving = 0;
    m_ticks = 0;
    m_drag = 6.5f;
    m_handleAngle = 0;
    if (IsScene3DInUse())
        LoadPartTextures(dev);
    ComputeCapacity(m_lineDiameter);
    LoadSpoolTexture(dev);
}

void CMulinello::SelectById(plat::Device* dev, const char* id)
{
    const int found = FindTackleRecord(m_records, id);
    Select(dev, found < 0 ? 0 : found);
}

void CMulinello::OnLostDevice()
{
    Release3D();
    m_photo.OnLostDevice();
    m_gauge.OnLostDevice();
}

void CMulinello::OnResetDevice(plat::Device* dev)
{
    // The catalogue is read again; the reel mounted stays the same model even
    // when files were added or removed meanwhile, so it is found by its id.
    const float drag = m_drag;
    char id[129];
    CopyTackleText(id, m_current.id, 128);
    m_photo.OnResetDevice(dev);
    m_gauge.OnResetDevice(dev);
    Free();
    Load(dev);
    SelectById(dev, id);
    if (std::strcmp(m_current.id, id) != 0)
        LogTackleFallback(std::string("reel ") + id + " gone after the device reset, " + m_current.id + " mounted");
    m_drag = drag;
}

bool CMulinello::LoadConfiguration(const CIniText& file, plat::Device* dev, bool noteUnknown)
{
    char id[129];
    file.ReadString("MULINELLO", "FILE", "NOT FOUND", id, 128);
    SelectById(dev, id);
    if (noteUnknown && std::strcmp(m_current.id, id) != 0)
        LogTackleFallback(std::string("configuration: reel ") + id + " unknown, " + m_current.id + " mounted");
    return true;
}

void CMulinello::SaveConfiguration(CIniText& file) const { file.WriteString("MULINELLO", "FILE", m_current.id); }

void CMulinello::ComputeCapacity(int lineDiameter)
{
    m_lineDiameter = lineDiameter;
    const int step = (m_current.capacityMax - m_current.capacityMin) / 84;
    const int c = m_current.capacityMin + (90 - lineDiameter) * step;
    m_capacity = c < 10000 ? 10000 : c > 35000 ? 35000 : c;
}

void CMulinello::ChangeDrag(float delta)
{
    float d = m_drag < 1.0f ? 1.0f : m_drag > 12.0f ? 12.0f : m_drag;
    d += delta;
    if (d >= 12.0f)
        d = kDragLocked;
    m_gaugeCountdown = 600;
    if (d <= 1.0f)
        d = 1.0f;
    m_drag = d;
}

const char* CMulinello::GetCapacityText(int lineDiameter) const
{
    static char text[50];
    CConvUnita units;
    std::string s = units.FormatLengthM(float(m_capacity));
    s += units.IsMetric() ? " mt" : " ft";
    s += " - \xD8 ";
    s += FloatToText(float(lineDiameter) / 100.0f);
    s += " mm";
    CopyString(text, s.c_str(), 49);
    return text;
}

const char* CMulinello::GetRatioText() const
{
    static char text[10];
    std::snprintf(text, sizeof text, "%0.1f : 1", double(m_current.ratio));
    return text;
}
