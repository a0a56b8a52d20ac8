#include "simulation/tackle/Galleggiante.h"

#include "platform/Files.h"
#include "shell/Opzioni.h"
#include "shell/Utility.h"

#include <cstring>
#include <string>

const TackleKind CGalleggiante::kKind = {"GALLEGGIANTE", "kvg", CGestFile::P_GALLEGGIANTI, CGestFile::D_GALLEGGIANTI,
                                         "Galleggiante generico", "Generic float", true};

namespace {

GalleggianteRecord BuiltIn(const char* id, const char* name, const char* description, int rating, int weight)
{
    GalleggianteRecord r{};
    CopyTackleText(r.id, id, 128);
    CopyTackleText(r.name, name, 128);
    CopyTackleText(r.description, description, 512);
    r.currentRating = rating;
    r.weight = weight;
    r.mount = 0;
    return r;
}

} // namespace

CGalleggiante::CGalleggiante() : m_current{} { Reset(); }

void CGalleggiante::Reset()
{
    CSprite::Init();
    m_records.clear();
    m_position = 0;
    m_lineAbove = 0;
    m_sinkOffset = 0;
    m_exposedHeight = 15;
    m_landed = 0;
    m_driftAccumulator = 0.0f;
    m_timer[0].interval = 2;
    m_drawOffsetX = m_drawOffsetY = 0;
    m_submergedFlag = 1;
    m_rigFlag = 0;
    m_bobOffset = m_bobStep = 0;
    m_surfaceRow = 0;
    m_current = GalleggianteRecord{};
    m_current.currentRating = -1;
    m_selected = -1;
    m_dip = 0;
    m_stopper = 0;
    m_sceneBitmap = kBitmapFloatScene;
}

void CGalleggiante::Load(plat::Device* dev)
{
    if (dev) {
        CSprite::Reset(dev);
        m_photo.Init(dev);
    }
    LoadStopper(dev);
    InitScreen();
    const int u = GetScreenHeight() / 30;
    m_rampStart = 0.6f;
    m_rampEnd = 1.0f;
    m_top = 6 * u;
    m_bottom = 27 * u;
    m_surfaceRow = 13 * u;
    m_records.clear();
    m_records.push_back(BuiltIn(kNoFloatId, Tr("Nessun galleggiante", "No float"),
                                Tr("Nessun galleggiante.", "No float."), -1, 0));
    m_records.push_back(BuiltIn("INTERNAL_0", "Big New",
                                Tr("Galleggiante a goccia ideale per acque ferme. Ottima visibilit\xE0.",
                                   "For slow running waters. Excellent visibility."),
                                0, 100));
    m_records.push_back(BuiltIn("INTERNAL_1", "Fiesole",
                                Tr("Galleggiante a forma allungata utilizzabile per la pesca sia in acque medie.",
                                   "Balsa float with fibre stem and highly visible fluorescent plastic antenna."),
                                2, 220));
    LoadFolder(g_GestFile.GetProgramSubfolder(kKind.programFolder));
    LoadFolder(g_GestFile.GetDataSubfolder(kKind.dataFolder));
    SelectDefault(dev);
}

void CGalleggiante::LoadFolder(const char* folder)
{
    LoadTackleFolder(folder, kKind, m_records, [](const CIniText& f, GalleggianteRecord& r) {
        if (!f.ReadString(kKind.section, "FILENAMESPRITE", "NULL", r.scenePicture, 128))
            NoteTackleFallback(std::string("GALLEGGIANTE ") + r.id + ": FILENAMESPRITE missing");
        r.currentRating = ReadTackleInt(f, kKind, r.id, "CORRENTE", -1);
        r.weight = ReadTackleInt(f, kKind, r.id, "PESO", -1, 20, 800);
        r.mount = ReadTackleInt(f, kKind, r.id, "TIPO", 0, 0, 1);
    });
}

const GalleggianteRecord& CGalleggiante::GetRecord(int i) const
{
    static const GalleggianteRecord kEmpty{};
    if (m_records.empty())
        return kEmpty;
    i = i < 0 ? 0 : i >= GetCount() ? GetCount() - 1 : i;
    return m_records[std::size_t(i)];
}

bool CGalleggiante::HasFloat() const { return std::strcmp(m_current.id, kNoFloatId) != 0; }

void CGalleggiante::Select(plat::Device* dev, int index)
{
    if (m_records.empty())
        return;
    if (index < 0 || index >= GetCount())
        index = 0;
    m_current = m_records[std::size_t(index)];
    m_selected = index;
    m_visible = 1;
    LoadScenePicture(dev);
    LoadPhoto(dev);
}

void CGalleggiante::SelectById(plat::Device* dev, const char* id)
{
    const int found = FindTackleRecord(m_records, id);
    if (found >= 0)
        Select(dev, found);
    else // Entry 0 would turn a float rig into a bottom rig.
        SelectDefault(dev);
}

void CGalleggiante::SelectDefault(plat::Device* dev) { Select(dev, 1); }

void CGalleggiante::LoadScenePicture(plat::Device* dev)
{
    const char* id = m_current.id;
    const std::uint32_t builtIn = std::strcmp(id, kNoFloatId) == 0       ? kBitmapNoFloatScene
                                  : std::strcmp(id, "INTERNAL_1") == 0 ? kBitmapFloatSceneLong
                                                                       : kBitmapFloatScene;
    const char* file = m_current.scenePicture;
    if (file[0] && std::strcmp(file, "NOME_FILE_SPRITE_NULL") != 0) {
        const std::string path = plat::JoinPath(m_current.folder, file);
        const bool there = g_GestFile.FileExistsIn(m_current.folder, file);
        if (there && (!dev || TryCreateFromFile(dev, path.c_str(), 15, 45) == 0)) {
            m_sceneBitmap = 0;
            return;
        }
        // A float without a usable picture is drawn as the built-in one
        // rather than ending the game.
        LogTackleFallback(std::string("float ") + id + ": scene picture " + file + (there ? " unreadable" : " missing") +
                          ", built-in " + std::to_string(builtIn) + " drawn");
    }
    m_sceneBitmap = builtIn;
    LoadTackleBitmap(*this, dev, builtIn, 15, 45);
}

void CGalleggiante::LoadPhoto(plat::Device* dev)
{
    if (m_current.photo[0]) {
        LoadTacklePhoto(m_photo, dev, m_current.folder, m_current.photo, kBitmapFloatPhoto, 50, 350);
        return;
    }
    const std::uint32_t bitmap = std::strcmp(m_current.id, kNoFloatId) == 0       ? kBitmapNoFloatPhoto
                                 : std::strcmp(m_current.id, "INTERNAL_1") == 0 ? kBitmapFloatPhotoLong
                                                                                : kBitmapFloatPhoto;
    LoadTacklePhoto(m_photo, dev, "", "", bitmap, 50, 350);
}

void CGalleggiante::OnLostDevice()
{
    m_ring.OnLostDevice();
    CSprite::OnLostDevice();
    m_photo.OnLostDevice();
    m_stopperPicture.OnLostDevice();
}

void CGalleggiante::OnResetDevice(plat::Device* dev)
{
    m_ring.OnResetDevice(dev);
    if (m_deviceLost == 1) {
        // The picture is made again the way Select made it, so a float file
        // whose picture went bad meanwhile falls back instead of ending the
        // game.
        m_deviceLost = 0;
        LoadScenePicture(dev);
    }
    m_photo.OnResetDevice(dev);
    if (dev) // the rig-view picture waits for a device to be made on
        m_stopperPicture.OnResetDevice(dev);
}

bool CGalleggiante::LoadConfiguration(const CIniText& file, plat::Device* dev)
{
    char id[129];
    file.ReadString("GALLEGGIANTE", "FILE", "INTERNAL_0", id, 128);
    SelectById(dev, id);
    if (std::strcmp(m_current.id, id) != 0)
        LogTackleFallback(std::string("configuration: float ") + id + " unknown, " + m_current.id + " mounted");
    // Clamped before the 45 is added, so a huge value cannot overflow.
    int depth = file.ReadInt("GALLEGGIANTE", "POSIZIONE", 60);
    depth = depth < -100000 ? -100000 : depth > 100000 ? 100000 : depth;
    m_position = depth + 45;
    const int stopper = file.ReadInt("GALLEGGIANTE", "STOPPER", 1000);
    m_stopper = stopper < 0 ? 0 : stopper > 10000 ? 10000 : stopper;
    return true;
}

void CGalleggiante::SaveConfiguration(CIniText& file) const
{
    file.WriteString("GALLEGGIANTE", "FILE", m_current.id);
    file.WriteInt("GALLEGGIANTE", "POSIZIONE", m_position - 45);
    file.WriteInt("GALLEGGIANTE", "STOPPER", m_stopper);
}

void CGalleggiante::ClampStopper(bool rodHasReel, float lineLength)
{
    if (!IsSliding())
        return;
    const int limit = rodHasReel ? 10000 : int(lineLength);
    if (m_stopper >= m_position - 35)
        m_stopper = m_stopper < limit ? m_stopper : limit;
    else
        m_stopper = m_position - 35;
    m_stopper -= m_stopper % 10;
}

int CGalleggiante::GetDepthSetting() const
{
    if (!HasFloat())
        return 0;
    if (m_current.mount == 1)
        return m_stopper;
    return m_position - 45;
}

int CGalleggiante::GetCurrentRating() const
{
    const int r = m_current.currentRating;
    return r >= 0 && r <= 3 ? r : -1;
}

const char* CGalleggiante::FormatWeight(int weight)
{
    static char text[50];
    CConvUnita units;
    CopyString(text, Concat2(units.FormatWeightGrams(float(weight) / 100.0f), units.IsMetric() ? " gr" : " lb"), 49);
    return text;
}

const char* CGalleggiante::GetMountName(int mount) { return mount == 1 ? Tr("scorrevole", "sliding") : Tr("fisso", "fixed"); }

const char* CGalleggiante::GetSuitabilityText() const { return GetSuitabilityText(m_current.currentRating, g_Opzioni.waters); }

const char* CGalleggiante::GetSuitabilityText(int rating, int waters)
{
    static const char* const kTexts[4][3][2] = {
        {{"ideale per acque ferme", "ideal for motionless water"},
         {"ideale per mare calmo", "ideal for smooth sea"},
         {"ideale per acque ferme o mare calmo", "ideal for motionless water or smooth sea"}},
        {{"ideale per acque lente", "ideal for slow water"},
         {"ideale per mare poco mosso", "ideal for fairly smooth sea"},
         {"ideale per acque lente o mare poco mosso", "ideal for slow water or fairly smooth sea"}},
        {{"ideale per acque medie", "ideal for medium water"},
         {"ideale per mare abbastanza mosso", "ideal for rough sea"},
         {"ideale per acque medie o mare abbastanza mosso", "ideal for medium water or rough sea"}},
        {{"ideale per acque veloci", "ideal for fast water"},
         {"ideale per mare molto mosso", "ideal for very rough sea"},
         {"ideale per acque veloci o mare molto mosso", "ideal for fast water or very rough sea"}},
    };
    if (rating < 0 || rating > 3 || waters < 0 || waters > 2)
        return Tr("generico", "generic");
    return Tr(kTexts[rating][waters][0], kTexts[rating][waters][1]);
}
