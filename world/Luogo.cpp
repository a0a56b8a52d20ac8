#include "world/Luogo.h"

#include "platform/Files.h"
#include "platform/Random.h"
#include "shell/GestFile.h"
#include "shell/Globals.h"
#include "shell/Graphics.h"
#include "shell/Oggetto.h"
#include "shell/Opzioni.h"
#include "shell/SpriteBordo.h"
#include "shell/Utility.h"
#include "world/Fondale.h"
#include "world/Meteo.h"
#include "world/Pesci.h"
#include "world/SceneLinks.h"

#include <algorithm>
#include <cstring>
#include <string>

KARVELIN_GLOBAL(10) CLuogo g_Luogo;

namespace {

constexpr const char* kLogSource = "Luogo";
constexpr const char* kSection = "LUOGO";
constexpr int kNameLimit = 96;

// Section "PESCI", in file order. The river goby is "GHIOZZO" here, while
// "GHIOZZO" of the sea section is the sea goby: the key alone does not name
// a species, the section does.
constexpr PresenceKey kFreshKeys[] = {
    {"AGONE", 0}, {"ALBORELLA", 1}, {"ALOSACHEPPIA", 2}, {"BARBO", 3}, {"CARASSIO", 4}, {"CARPA", 5},
    {"CAVEDANO", 6}, {"PESCEGATTO", 7}, {"GOBIONE", 8}, {"LASCA", 9}, {"LUCCIO", 10}, {"PESCEPERSICO", 11},
    {"PERSICOSOLE", 12}, {"PERSICOTROTA", 13}, {"PIGO", 14}, {"SALMERINO", 15}, {"SANGUINEROLA", 16},
    {"SAVETTA", 17}, {"SCARDOLA", 18}, {"SCAZZONE", 19}, {"SPINARELLO", 20}, {"TEMOLO", 21}, {"TINCA", 22},
    {"TRIOTTO", 23}, {"TROTAFARIO", 24}, {"TROTAIRIDEA", 25}, {"TROTAMARMORATA", 26}, {"TROTALACUSTRE", 27},
    {"VAIRONE", 28}, {"BARBOCANINO", 29}, {"BOTTATRICE", 30}, {"BREME", 31}, {"CARASSIODORATO", 32},
    {"CARPAARGENTATA", 33}, {"CARPASPECCHI", 34}, {"CARPAERBIVORA", 35}, {"CARPAREGINA", 36},
    {"CARPIONE", 37}, {"COBITE", 38}, {"COREGONE", 39}, {"GAMBUSIA", 40}, {"GHIOZZO", 41},
    {"LUCCIOPERCA", 42}, {"SILURO", 43}, {"ANGUILLA", 88}, {"ACERINA", 89}, {"CAVEDANOETRUSCO", 90},
    {"GARDON", 91}, {"PSEUDORASBORA", 92}, {"ROVELLA", 93}, {"STORIONE", 94}, {"PESCEGATTOPUNT", 105},
    {"ASPIO", 124}, {"STORIONELADANO", 125},
};

// Section "PESCI_MARE", in file order.
constexpr PresenceKey kSeaKeys[] = {
    {"AGUGLIA", 44}, {"BAVOSAPAVONE", 45}, {"BAVOSARUGGINE", 46}, {"BOGA", 47}, {"BOSEGA", 48},
    {"CASTAGNOLA", 49}, {"CEFALO", 50}, {"CEFALOCALAMITA", 51}, {"CEFALODORATO", 52}, {"CEFALOLABBRONE", 53},
    {"CEFALOVERZELATA", 54}, {"CORVINA", 55}, {"DONZELLA", 56}, {"GHIOZZO", 57}, {"GHIOZZOGO", 58},
    {"GHIOZZONERO", 59}, {"GHIOZZOPAGANELLO", 60}, {"GHIOZZOBRUNO", 61}, {"LATTERINO", 62}, {"MENOLA", 63},
    {"MORMORA", 64}, {"OMBRINA", 65}, {"OCCHIATA", 66}, {"ORATA", 67}, {"PERCHIA", 68}, {"SALPA", 69},
    {"SARAGOFARAONE", 70}, {"SARAGOMAGGIORE", 71}, {"SARAGOPIZZUTO", 72}, {"SCIARRANO", 73},
    {"SCORFANONERO", 74}, {"SCORFANOROSSO", 75}, {"SERRA", 76}, {"SGOMBRO", 77}, {"SPARLO", 78},
    {"SPIGOLA", 79}, {"SPIGOLAMACULATA", 80}, {"SUGARELLO", 81}, {"TORDOMUSOLUNGO", 82}, {"TORDONERO", 83},
    {"TORDOPAVONE", 84}, {"TORDOROSSO", 85}, {"TORDOVERDE", 86}, {"ZERRO", 87}, {"ANGUILLA", 88},
    {"PAGELLO", 95}, {"GALLINELLA", 96}, {"LECCIA", 97}, {"PAGROCOMUNE", 98}, {"PESCEPETTINE", 99},
    {"PESCESANPIETRO", 100}, {"SOGLIOLA", 101}, {"TRACINA", 102}, {"TRIGLIASCOGLIO", 103},
    {"TRIGLIAFANGO", 104}, {"ALLETTERATO", 106}, {"CASTAGNA", 107}, {"CERNIABIANCA", 108},
    {"CERNIABRUNA", 109}, {"CERNIADORATA", 110}, {"CERNIAFONDALE", 111}, {"DENTICE", 112},
    {"GATTUCCIO", 113}, {"LAMPUGA", 114}, {"LECCIASTELLA", 115}, {"OCCHIONE", 116}, {"PALAMITA", 117},
    {"RANAPESCATRICE", 118}, {"RICCIOLA", 119}, {"SCIABOLA", 120}, {"SPINAROLO", 121}, {"TANUTA", 122},
    {"TOMBARELLO", 123}, {"AGUGLIAIMPERIALE", 126}, {"MARLINBIANCO", 127}, {"SPADA", 128}, {"VERDESCA", 129},
};

static_assert(sizeof kFreshKeys / sizeof kFreshKeys[0] == 54);
static_assert(sizeof kSeaKeys / sizeof kSeaKeys[0] == 77);

struct BuiltIn {
    const char* nameIt;
    const char* nameEn;
    const char* descriptionIt;
    const char* descriptionEn;
    int values[11]; // TIPO .. MAX_METRI, in record order
    const char* limits;
    const char* limitTypes;
};

constexpr BuiltIn kBuiltIns[2] = {
    {"Lago di Livigno", "Lake Livigno",
     "Lago di Livigno. Vicino all'omonima cittadina della Valtellina in Lombardia. Altezza 1850 mt. circa.",
     "Lake Livigno, a lake in Livigno valley (Sondrio).",
     {1, 0, 1, 2, 0, 0, 4, 0, 300, 20, 40},
     "33333333333333333333333333333333",
     "00000000000000000000000000000000"},
    {"Mare - Portofino", "Sea - Portofino", "Portofino - porto turistico.", "Portofino - seaport.",
     {2, 2, 0, 0, 1, 0, 4, 0, 360, 20, 20},
     "33211111111111112222222211111000",
     "30311000000000020000000011100111"},
};

void BuiltInPresence(int which, std::int32_t presence[130])
{
    std::fill(presence, presence + 130, 0);
    if (which == 0) {
        const int lake[][2] = {{0, 70}, {1, 20}, {11, 70}, {15, 90}, {18, 70}, {24, 80},
                               {25, 80}, {27, 80}, {28, 100}, {30, 50}, {39, 70}};
        for (const auto& p : lake)
            presence[p[0]] = p[1];
        return;
    }
    struct Span {
        int first, last, value;
    };
    const Span sea[] = {{44, 44, 80},  {45, 46, 60},  {47, 47, 100}, {48, 48, 80},  {49, 49, 40},  {50, 50, 100},
                        {51, 54, 90},  {55, 56, 40},  {57, 62, 100}, {63, 63, 80},  {64, 64, 40},  {66, 66, 80},
                        {67, 67, 40},  {68, 68, 60},  {69, 69, 40},  {70, 72, 100}, {73, 73, 40},  {74, 75, 100},
                        {76, 76, 20},  {78, 78, 40},  {79, 81, 80},  {82, 86, 40},  {87, 87, 80}};
    for (const Span& s : sea)
        for (int i = s.first; i <= s.last; ++i)
            presence[i] = s.value;
}

std::int32_t* IntFields(LuogoRecord& r) { return &r.TIPO; }

// The display name and description of a venue file, as the loader and the
// list read them.
void ReadTexts(const plat::IniDocument& file, char* name, char* description)
{
    CGestFile::ReadString(file, kSection, "NOME", Tr("Luogo generico", "Generic venue"), name, kNameLimit + 1);
    if (!IsItalian()) {
        char english[kNameLimit + 1];
        CGestFile::ReadString(file, kSection, "NAME", name, english, kNameLimit + 1);
        CopyString(name, english, kNameLimit);
    }
    CGestFile::ReadString(file, kSection, IsItalian() ? "DESCRIZIONE" : "DESCRIPTION", name, description, 513);
}

} // namespace

const PresenceKey* PresenceKeys(int section, int& count)
{
    if (section == 1) {
        count = int(sizeof kSeaKeys / sizeof kSeaKeys[0]);
        return kSeaKeys;
    }
    count = int(sizeof kFreshKeys / sizeof kFreshKeys[0]);
    return kFreshKeys;
}

const char* PresenceSectionName(int section) { return section == 1 ? "PESCI_MARE" : "PESCI"; }

CLuogo::CLuogo()
{
    std::memset(&m_record, 0, sizeof m_record);
    std::int32_t* f = IntFields(m_record);
    for (int i = 0; i < 8; ++i)
        f[i] = -1;
    m_record.GRADOLENTEZZA = 0;
    m_record.PROFONDITA = 100;
    m_record.PENDENZA = 20;
    m_record.MAX_METRI = 70;
    for (int i = 0; i < 32; ++i) {
        m_record.upperLimits[i] = 13;
        m_record.upperLimitTypes[i] = 0;
    }
    m_record.seaState = -1;
    m_rowHeight = 0;
    m_slotWidth = 0;
    UpdateScales();
}

void CLuogo::UpdateScales()
{
    m_screenW = g_nScreenW;
    // The scene bands count in whole rows of height / 30: the limits must
    // meet the band top exactly, so the row height is that integer too.
    m_rowHeight = float(g_nScreenH / 30);
    m_slotWidth = float(g_nScreenW) / 32.0f;
}

void CLuogo::Load(plat::Device* dev)
{
    m_venues.Create(dev);
    m_species.Create(dev);
    m_species.m_showPercent = 1;
    m_species.m_percentX = 170;
    AddVenues(-1, -1, g_GestFile.GetProgramSubfolder(CGestFile::P_LUOGHI), true);
    AddVenues(-1, -1, g_GestFile.GetDataSubfolder(CGestFile::D_LUOGHI), false);
    FilterVenueList();
}

void CLuogo::OnLostDevice()
{
    m_venues.OnLostDevice();
    m_species.OnLostDevice();
}

void CLuogo::OnResetDevice(plat::Device* dev)
{
    m_venues.OnResetDevice(dev);
    m_species.OnResetDevice(dev);
}

void CLuogo::AddVenues(int typeFilter, int currentFilter, const char* folder, bool withBuiltins)
{
    if (withBuiltins) {
        m_venues.Clear();
        m_sources.clear();
        for (int which = 0; which < 2; ++which) {
            const BuiltIn& b = kBuiltIns[which];
            const char* id = which == 0 ? kVenueLake : kVenueSea;
            m_venues.AddItem(which, id, Tr(b.nameIt, b.nameEn), Tr(b.descriptionIt, b.descriptionEn));
            m_venues.SetColumnById(which, 1, which == 0 ? "0" : "2");
            m_venues.SetNoteById(which, "");
            m_sources.push_back({which, "", id});
        }
    }
    int nextId = 0;
    for (const RowSource& s : m_sources)
        nextId = std::max(nextId, s.rowId + 1);
    nextId = std::max(nextId, int(m_venues.GetCount()));

    if (folder && *folder) {
        std::vector<std::string> names;
        for (const char* n = g_GestFile.FindFirst(folder, "kvl"); n; n = g_GestFile.FindNext())
            names.emplace_back(n);
        for (const std::string& name : names) {
            // A name the record cannot hold would be cut into another file's
            // name: such a venue is left out.
            if (name.size() > sizeof m_record.id - 1 || std::strlen(folder) > sizeof m_record.folder - 1) {
                LogError(kLogSource, Concat2("Venue name or folder too long, left out: ", name.c_str()), __LINE__);
                continue;
            }
            // A backslash reads as a folder separator when the venue's own
            // files are opened: its bottom would be looked for, and made, in
            // a subfolder, which may lead anywhere.
            if (name.find('\\') != std::string::npos) {
                LogError(kLogSource, Concat2("Venue name holds a backslash, left out: ", name.c_str()), __LINE__);
                continue;
            }
            plat::IniDocument file;
            CGestFile::OpenIni(plat::JoinPath(folder, name).c_str(), file);
            char venueName[kNameLimit + 1];
            char description[513];
            ReadTexts(file, venueName, description);
            const int type = CGestFile::ReadInt(file, kSection, "TIPO", -1);
            const int current = CGestFile::ReadInt(file, kSection, "CORRENTE", -1);
            if (!(typeFilter == -1 || type == -1 || type == typeFilter))
                continue;
            if (!(currentFilter == -1 || current == -1 || current == currentFilter))
                continue;
            const int id = nextId++;
            const int before = m_venues.GetCount();
            m_venues.AddItem(id, name.c_str(), venueName, description);
            // The row just added is the last one: set its fields there rather
            // than searching the list for its id.
            if (m_venues.GetCount() > before) {
                ListItem* row = m_venues.GetItem(m_venues.GetCount() - 1);
                CopyString(row->col2, IntToText(type), sizeof row->col2 - 1);
                CopyString(row->note, folder, sizeof row->note - 1);
            }
            m_sources.push_back({id, folder, name});
        }
    }
    m_venues.Sort(CListBox::kByCol0);
}

void CLuogo::FilterVenueList()
{
    m_venues.SetAllEnabled(1);
    const int waters = g_Opzioni.waters;
    for (int i = 0; i < m_venues.GetCount(); ++i) {
        ListItem* item = m_venues.GetItem(i);
        const int type = TextToInt(item->col2);
        if ((waters == 1 && (type == 0 || type == 1)) || (waters == 0 && type == 2))
            item->enabled = 0;
    }
}

const CLuogo::RowSource* CLuogo::SourceOf(int rowId) const
{
    for (const RowSource& s : m_sources)
        if (s.rowId == rowId)
            return &s;
    return nullptr;
}

void CLuogo::LoadSelectedVenue(plat::Device* dev)
{
    // Without a selected row there is no venue to read: the record stays.
    const RowSource* source = m_venues.GetSelectedIndex() >= 0 ? SourceOf(m_venues.GetSelectedId()) : nullptr;
    if (source)
        LoadVenue(source->folder.c_str(), source->id.c_str());
    else
        LoadVenue(nullptr, nullptr);
    const VenuePictureLink* link = GetVenuePictureLink();
    if (link && link->LoadVenuePicture)
        link->LoadVenuePicture(dev, m_record);
}

void CLuogo::SetBuiltIn(int which)
{
    const BuiltIn& b = kBuiltIns[which];
    CopyString(m_record.name, Tr(b.nameIt, b.nameEn), 128);
    CopyString(m_record.description, Tr(b.descriptionIt, b.descriptionEn), 512);
    m_record.folder[0] = 0;
    CopyString(m_record.id, which == 0 ? kVenueLake : kVenueSea, 128);
    m_record.photoFile[0] = 0;
    std::int32_t* f = IntFields(m_record);
    for (int i = 0; i < 11; ++i)
        f[i] = b.values[i];
    ParseLimits(b.limits, 7, nullptr, m_record.upperLimits);
    ParseLimits(b.limitTypes, 3, m_record.upperLimits, m_record.upperLimitTypes);
    BuiltInPresence(which, m_record.presence);
}

bool CLuogo::ParseLimits(const char* text, int maxValue, const std::int32_t* levels, std::int32_t out[32])
{
    bool clean = true;
    if (!text || std::strlen(text) != 32) {
        text = "00000000000000000000000000000000";
        clean = false;
    }
    for (int i = 0; i < 32; ++i) {
        int v = (text[i] >= '0' && text[i] <= '9') ? text[i] - '0' : 0;
        if (text[i] < '0' || text[i] > '9' || v > maxValue)
            clean = false;
        v = std::clamp(v, 0, maxValue);
        if (levels && levels[i] == 7) {
            if (v != 0)
                clean = false;
            v = 0;
        }
        out[i] = v;
    }
    return clean;
}

void CLuogo::LoadVenue(const char* folder, const char* id)
{
    if (id) {
        if (std::strcmp(id, kVenueLake) == 0) {
            SetBuiltIn(0);
        } else if (std::strcmp(id, kVenueSea) == 0) {
            SetBuiltIn(1);
        } else {
            const std::string path = plat::JoinPath(folder ? folder : "", id);
            const char* p = path.c_str();
            plat::IniDocument file;
            CGestFile::OpenIni(p, file);
            bool clean = true;
            CopyString(m_record.folder, folder ? folder : "", 512);
            CopyString(m_record.id, id, 128);
            ReadTexts(file, m_record.name, m_record.description);
            CGestFile::ReadString(file, kSection, "FILENAMEFOTO", kNoPhotoName, m_record.photoFile, 129);
            static const char* const kAttributes[8] = {"TIPO",          "GEOGRAFIA",         "CORRENTE",
                                                       "GRADOLENTEZZA", "VERSOCORRENTE",     "CORRENTEVERTICALE",
                                                       "FONDALE",       "ACQUA"};
            std::int32_t* f = IntFields(m_record);
            for (int i = 0; i < 8; ++i)
                f[i] = CGestFile::ReadInt(file, kSection, kAttributes[i], -1);
            auto clamped = [&](const char* key, int def, int lo, int hi) {
                const int v = CGestFile::ReadInt(file, kSection, key, def);
                if (v < lo || v > hi)
                    clean = false;
                return std::clamp(v, lo, hi);
            };
            m_record.PROFONDITA = clamped("PROFONDITA", 100, 50, 10000);
            m_record.PENDENZA = clamped("PENDENZA", 20, 5, 50);
            m_record.MAX_METRI = clamped("MAX_METRI", 40, 20, 70);
            char text[64];
            CGestFile::ReadString(file, kSection, "LIMITI_SUPERIORI", "00000000000000000000000000000000", text, sizeof text);
            clean &= ParseLimits(text, 7, nullptr, m_record.upperLimits);
            CGestFile::ReadString(file, kSection, "TIPO_LIMITI_SUPERIORI", "00000000000000000000000000000000", text,
                                  sizeof text);
            clean &= ParseLimits(text, 3, m_record.upperLimits, m_record.upperLimitTypes);
            char presenceFile[513];
            CGestFile::ReadString(file, kSection, "FILE_PRESENZA_PESCI", "", presenceFile, sizeof presenceFile);
            clean &= ReadPresence(presenceFile);
            if (!clean)
                LogError(kLogSource, Concat2("Venue values out of range were corrected: ", p), __LINE__);
        }
    }
    FillSpeciesList();
    ApplyBottom();
    m_record.seaState = 0;
    UpdateScales();
}

void CLuogo::DefaultPresence()
{
    for (int s = 0; s < 130; ++s)
        m_record.presence[s] = g_Pesci.LivesInVenueType(unsigned(s), m_record.TIPO) ? 40 : 0;
}

bool CLuogo::ReadPresence(const char* fileName)
{
    std::fill(m_record.presence, m_record.presence + 130, 0);
    // An empty name would leave every presence at 0 and nothing would ever
    // bite: it counts as a missing file.
    if (!fileName || !*fileName) {
        DefaultPresence();
        return true;
    }
    // A venue file may borrow the fish of a built-in venue by its id.
    if (std::strcmp(fileName, kVenueLake) == 0 || std::strcmp(fileName, kVenueSea) == 0) {
        BuiltInPresence(std::strcmp(fileName, kVenueLake) == 0 ? 0 : 1, m_record.presence);
        return true;
    }
    const std::string file = std::string(fileName) + ".kvs";
    std::string path = plat::JoinPath(m_record.folder, file);
    if (!g_GestFile.FileExists(path.c_str())) {
        path = plat::JoinPath(g_GestFile.GetDataSubfolder(CGestFile::D_LUOGHI), file);
        if (!g_GestFile.FileExists(path.c_str())) {
            DefaultPresence();
            return true;
        }
    }
    const int section = m_record.TIPO == 2 ? 1 : 0;
    int count = 0;
    const PresenceKey* keys = PresenceKeys(section, count);
    bool clean = true;
    plat::IniDocument presence;
    CGestFile::OpenIni(path.c_str(), presence);
    for (int k = 0; k < count; ++k) {
        const int v = CGestFile::ReadInt(presence, PresenceSectionName(section), keys[k].key, 0);
        if (v < 0 || v > 100)
            clean = false;
        m_record.presence[keys[k].species] = std::clamp(v, 0, 100);
    }
    return clean;
}

void CLuogo::FillSpeciesList()
{
    m_species.Clear();
    for (int s = 0; s < 130; ++s) {
        if (m_record.presence[s] <= 0)
            continue;
        m_species.AddItem(s, "", g_Pesci.GetName(unsigned(s)), g_Pesci.GetDescription(unsigned(s)));
        m_species.SetPercentById(s, m_record.presence[s]);
    }
    m_species.Sort(CListBox::kByCol0);
}

void CLuogo::SelectDefaultVenue()
{
    const char* key = g_Opzioni.waters == 1 ? kVenueSea : kVenueLake;
    if (m_venues.SelectByKey(key, true)) {
        LoadSelectedVenue(g_pDevice);
        return;
    }
    m_venues.m_selected = -1;
}

bool CLuogo::SelectByIndex(int rowId)
{
    ListItem* item = m_venues.FindById(rowId);
    if (!item || !item->enabled)
        return false;
    if (!m_venues.SelectById(rowId, true))
        return false;
    LoadSelectedVenue(g_pDevice);
    return true;
}

int CLuogo::CountEnabledVenues() const
{
    int n = 0;
    for (int i = 0; i < m_venues.GetCount(); ++i)
        if (m_venues.m_items[std::size_t(i)].enabled)
            ++n;
    return n;
}

void CLuogo::PickRandomVenue()
{
    const int n = CountEnabledVenues();
    if (n == 0) {
        SelectDefaultVenue();
        return;
    }
    const int k = plat::Random() % n + 1;
    // The k-th enabled row in id order, found without a search per id.
    std::vector<int> ids;
    for (int i = 0; i < m_venues.GetCount(); ++i)
        if (m_venues.GetItem(i)->enabled)
            ids.push_back(int(m_venues.GetItem(i)->id));
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    if (k <= int(ids.size())) {
        m_venues.SelectById(ids[std::size_t(k - 1)], true);
        LoadSelectedVenue(g_pDevice);
    }
}

void CLuogo::ApplyBottom()
{
    const char* id = m_record.id[0] ? m_record.id : nullptr;
    if (!DepthFileExists() || !g_Fondale.LoadDepths(id))
        g_Fondale.Generate(m_record.PENDENZA);
    g_Fondale.SetDepthScale(float(m_record.PROFONDITA) / 100.0f);
}

bool CLuogo::CreateDepthFile()
{
    // A stored bottom is the player's venue as they know it: never replaced
    // by a new one, whatever the screen believed when it offered the button.
    if (DepthFileExists())
        return false;
    g_Fondale.Generate(m_record.PENDENZA);
    const bool saved = m_record.id[0] && g_Fondale.SaveDepths(m_record.id);
    g_Fondale.SetDepthScale(float(m_record.PROFONDITA) / 100.0f);
    return saved;
}

bool CLuogo::DeleteDepthFile()
{
    if (!DepthFileExists())
        return false;
    return g_GestFile.RemoveFile(g_Fondale.GetDepthFilePath(m_record.id));
}

bool CLuogo::DepthFileExists()
{
    if (!m_record.id[0])
        return false;
    const char* path = g_Fondale.GetDepthFilePath(m_record.id);
    // Only a regular file is a bottom: a FIFO or a device under its name
    // would never be read, and a folder cannot be.
    return path[0] && plat::IsRegularFile(path);
}

bool CLuogo::IsNotUserVenue() const
{
    return std::strcmp(m_record.folder, g_GestFile.GetDataSubfolder(CGestFile::D_LUOGHI)) != 0;
}

void CLuogo::PickSeaState()
{
    const int wind = g_Meteo.GetWind();
    m_record.seaState = (wind >= 1 && wind <= 3) ? wind : 0;
    const int r = plat::Random();
    if (r % 1000 < 10)
        m_record.seaState = plat::Random() & 3;
}

int CLuogo::GetSignedCurrent() const
{
    const int c = m_record.CORRENTE;
    if (c < 1 || c > 3)
        return 0;
    return m_record.VERSOCORRENTE == 1 ? -c : c;
}

int CLuogo::GetCurrentDirection() const { return m_record.CORRENTE != 0 ? m_record.VERSOCORRENTE : -1; }

int CLuogo::GetWaveLevel() const
{
    if (m_record.TIPO != 2)
        return 0;
    switch (m_record.seaState) {
    case 0: return 3;
    case 1: return 5;
    case 2: return 8;
    case 3: return 10;
    default: return 0;
    }
}

// Before the screen size is known the width is 0: every point is slot 0.
int CLuogo::SlotOfX(int x) const
{
    if (m_screenW <= 0)
        return 0;
    return std::clamp(int(static_cast<long long>(x) * 32 / m_screenW), 0, 31);
}

int CLuogo::GetSlotLeft(int slot) const { return int(float(slot) * m_slotWidth); }

int CLuogo::GetSlotRight(int slot) const { return int(float(GetSlotLeft(slot)) + m_slotWidth); }

int CLuogo::GetUpperLimitType(int x) const
{
    if (x < 0)
        return 0;
    const int slot = SlotOfX(x);
    if (m_record.upperLimits[slot] == 7)
        return 0;
    return m_record.upperLimitTypes[slot];
}

int CLuogo::GetUpperLimitAt(int x, bool shaped) const
{
    const int slot = SlotOfX(x);
    int v = 6;
    if (x >= 0)
        v = std::clamp(13 - m_record.upperLimits[slot], 6, 13);
    int y = int(float(v) * m_rowHeight);
    if (!shaped || m_slotWidth <= 0)
        return y;
    switch (GetUpperLimitType(x)) {
    case 1: y += int(-0.5f * m_rowHeight); break;
    case 2: y -= int(float(x - GetSlotLeft(slot)) * m_rowHeight / m_slotWidth); break;
    case 3: y -= int(float(GetSlotRight(slot) - x) * m_rowHeight / m_slotWidth); break;
    default: break;
    }
    return y;
}

const char* CLuogo::GetVenueTypeName() const
{
    switch (m_record.TIPO) {
    case 0: return Tr("fiume o torrente", "river or torrent");
    case 1: return Tr("lago", "lake");
    case 2: return Tr("mare", "sea");
    default: return Tr("Non definita", "Not defined");
    }
}

const char* CLuogo::GetRegionName() const
{
    switch (m_record.GEOGRAFIA) {
    case 0: return Tr("Alpi", "Alps");
    case 1: return Tr("pianura Padana", "Po plain");
    case 2: return Tr("nord Italia", "northern Italy");
    case 3: return Tr("centro Italia", "center Italy");
    case 4: return Tr("sud Italia", "southern Italy");
    case 5: return Tr("Sardegna", "Sardinia");
    case 6: return Tr("Sicilia", "Sicily");
    default: return Tr("Non definita", "Not defined");
    }
}

const char* CLuogo::GetCurrentName() const
{
    switch (m_record.CORRENTE) {
    case 0: return Tr("ferma", "motionless");
    case 1:
        if (m_record.GRADOLENTEZZA == 1)
            return Tr("molto lenta", "very slow");
        if (m_record.GRADOLENTEZZA == 2)
            return Tr("lentissima", "ultra slow");
        return Tr("lenta", "slow");
    case 2: return Tr("media", "medium");
    case 3: return Tr("veloce", "fast");
    default: return Tr("Non definita", "Not defined");
    }
}

const char* CLuogo::GetBottomName() const
{
    switch (m_record.FONDALE) {
    case 0: return Tr("erba", "grass");
    case 1: return Tr("sabbia", "sand");
    case 2: return Tr("fango", "mud");
    case 3: return Tr("ghiaia", "gravel");
    case 4: return Tr("sassi", "stones");
    default: return Tr("Non definita", "Not defined");
    }
}

const char* CLuogo::GetWaterName() const
{
    switch (m_record.ACQUA) {
    case 0: return Tr("limpida", "clear");
    case 1: return Tr("torbida", "cloudy");
    case 2: return Tr("sia limpida che torbida", "clear & cloudy");
    default: return Tr("Non definita", "Not defined");
    }
}

const char* CLuogo::GetSeaStateName() const
{
    switch (m_record.seaState) {
    case 1: return Tr("poco mosso", "fairly smooth sea");
    case 2: return Tr("abbastanza mosso", "rough sea");
    case 3: return Tr("molto mosso", "very rough sea");
    default: return Tr("calmo", "smooth sea");
    }
}
