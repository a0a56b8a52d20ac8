#include "world/Pesci.h"
#include "shell/Globals.h"

#include "platform/Random.h"
#include "shell/Utility.h"
#include "world/Calendario.h"
#include "world/PesciData.h"

#include <cmath>
#include <cstring>

KARVELIN_GLOBAL(25) CPesci g_Pesci;

float ComputeFishWeight(const PesceRecord& record, double lengthCm, bool withRandom)
{
    double weight = 0.0;
    if (lengthCm > 0.0) {
        const double k = record.weightK;
        weight = (k * std::pow(lengthCm, static_cast<double>(record.weightB)) * lengthCm +
                  record.weightC) * record.weightM;
    }
    if (withRandom) {
        const int spread = 3 * record.weightK;
        if (spread >= 1)
            weight += plat::Random() % spread;
    }
    return static_cast<float>(weight);
}

namespace {

// The first constant row, fresh-water block first, that the test accepts.
template <typename Test>
const SpeciesRow* FindRow(Test accepts)
{
    for (int i = 0; i < kFreshWaterSpeciesCount; ++i)
        if (accepts(kFreshWaterSpecies[i]))
            return &kFreshWaterSpecies[i];
    for (int i = 0; i < kSeaSpeciesCount; ++i)
        if (accepts(kSeaSpecies[i]))
            return &kSeaSpecies[i];
    return nullptr;
}

void CopyCodes(int* slots, int count, const SpeciesCodes& codes)
{
    for (int i = 0; i < count; ++i)
        slots[i] = codes.v[i];
}

void ApplyRow(PesceRecord& r, const SpeciesRow& row)
{
    const bool italian = IsItalian();
    CopyString(r.name, italian ? row.nameIt : row.nameEn, 128);
    CopyString(r.description, italian ? row.descIt : row.descEn, 512);
    r.photoBitmapId = row.photo;
    r.speciesIndex = row.index;
    r.minSize = row.minSize;
    r.maxSize = row.maxSize;
    r.weightK = row.k;
    r.weightC = row.c;
    r.weightB = row.b;
    r.weightM = row.m;
    CopyCodes(r.venueTypes, 3, row.venues);
    CopyCodes(r.currents, 4, row.currents);
    CopyCodes(r.bottoms, 5, row.bottoms);
    r.waterClarity = row.clarity;
    r.depthKind = row.depthKind;
    r.depthOver = row.depthOver;
    r.groundbaitBase = row.groundbait;
    CopyCodes(r.baitFamilies, 14, row.baits);
    r.minHook = row.minHook;
    r.maxHook = row.maxHook;
    r.minLineHook = row.minLine;
    r.maxLineHook = row.maxLine;
    r.biteKind = row.bite;
    for (int i = 0; i < 12; ++i)
        r.monthActivity[i] = row.months[i];
    for (int i = 0; i < 5; ++i)
        r.periodActivity[i] = row.phases[i];
    CopyCodes(r.regions, 7, row.regions);
}

struct CodeText {
    const char* it;
    const char* en;
};

// Joins the texts of the codes in slot order, ", " between them; empty
// slots and codes without a text list nothing.
const char* ListText(char* buffer, int size, const int* slots, int count, const CodeText* texts, int textCount)
{
    buffer[0] = '\0';
    for (int i = 0; i < count; ++i) {
        const int code = slots[i];
        if (code < 0 || code >= textCount)
            continue;
        std::strncat(buffer, Tr(texts[code].it, texts[code].en), size - 1 - std::strlen(buffer));
        std::strncat(buffer, ", ", size - 1 - std::strlen(buffer));
    }
    const std::size_t len = std::strlen(buffer);
    if (len >= 2)
        buffer[len - 2] = '\0';
    return buffer;
}

const char* HookText(char* buffer, int hook)
{
    static const char* const kLarge[8] = {"1/0", "2/0", "3/0", "4/0", "5/0", "6/0", "7/0", "8/0"};
    if (hook <= 0 && hook >= -7)
        CopyString(buffer, kLarge[-hook], 15);
    else
        CopyString(buffer, IntToText(hook), 15);
    return buffer;
}

const char* SizeText(char* buffer, int cm)
{
    const CConvUnita conv;
    CopyString(buffer, Concat2(conv.FormatLengthCm(static_cast<float>(cm)), conv.IsMetric() ? " cm" : " ft"), 63);
    return buffer;
}

} // namespace

CPesci::CPesci()
{
    SetDefaults();
}

void CPesci::SetDefaults()
{
    for (int i = 0; i < kCount; ++i) {
        PesceRecord& r = m_records[i];
        std::memset(&r, 0, sizeof r);
        r.photoBitmapId = -1;
        r.speciesIndex = -1;
        r.weightM = 1.0f;
        for (int& v : r.venueTypes) v = -1;
        for (int& v : r.currents) v = -1;
        for (int& v : r.bottoms) v = -1;
        r.waterClarity = -1;
        r.groundbaitBase = -1;
        for (int& v : r.baitFamilies) v = -1;
        r.biteKind = -1;
        for (int& v : r.regions) v = -1;
    }
}

void CPesci::FillFreshWater()
{
    for (int i = 0; i < kFreshWaterSpeciesCount; ++i)
        ApplyRow(m_records[kFreshWaterSpecies[i].index], kFreshWaterSpecies[i]);
}

void CPesci::FillSea()
{
    for (int i = 0; i < kSeaSpeciesCount; ++i)
        ApplyRow(m_records[kSeaSpecies[i].index], kSeaSpecies[i]);
}

void CPesci::FillRecords()
{
    SetDefaults();
    FillFreshWater();
    FillSea();
}

void CPesci::Load(plat::Device* dev)
{
    m_photo.Init(dev);
    m_list.Create(dev);
    FillRecords();
    m_list.Clear();
    for (int i = 0; i < kCount; ++i)
        m_list.AddItem(i, "", m_records[i].name, m_records[i].description);
    m_list.Sort(CListBox::kByCol0);
}

void CPesci::OnLostDevice()
{
    m_list.OnLostDevice();
    m_photo.OnLostDevice();
}

void CPesci::OnResetDevice(plat::Device* dev)
{
    m_list.OnResetDevice(dev);
    m_photo.OnResetDevice(dev);
}

bool CPesci::LoadPhoto(plat::Device* dev, unsigned index)
{
    if (index >= static_cast<unsigned>(kCount))
        return false;
    return m_photo.CreateFromResource(dev, std::uint32_t(m_records[index].photoBitmapId), 180, 120) == 0;
}

const PesceRecord& CPesci::Rec(unsigned index) const
{
    return m_records[index < static_cast<unsigned>(kCount) ? index : 1u];
}

PesceRecord CPesci::GetRecord(unsigned index) const { return Rec(index); }
const char* CPesci::GetName(unsigned index) const { return Rec(index).name; }
const char* CPesci::GetDescription(unsigned index) const { return Rec(index).description; }

int CPesci::GetMonthActivity(unsigned index, int month) const
{
    return (month >= 0 && month < 12) ? Rec(index).monthActivity[month] : 0;
}

int CPesci::GetPeriodActivity(unsigned index, int phase) const
{
    return (phase >= 0 && phase < 5) ? Rec(index).periodActivity[phase] : 0;
}

bool CPesci::LivesInFreshWater(unsigned index) const
{
    for (int v : Rec(index).venueTypes)
        if (v != -1 && v != 2)
            return true;
    return false;
}

bool CPesci::LivesInSea(unsigned index) const
{
    for (int v : Rec(index).venueTypes)
        if (v == 2)
            return true;
    return false;
}

bool CPesci::LivesInVenueType(unsigned index, int venueType) const
{
    return venueType == 2 ? LivesInSea(index) : LivesInFreshWater(index);
}

bool CPesci::TakesSpinningLure(unsigned index) const
{
    for (int v : Rec(index).baitFamilies)
        if (v == 13)
            return true;
    return false;
}

const char* CPesci::GetKey(unsigned index) const
{
    if (index >= static_cast<unsigned>(kCount))
        return "";
    const SpeciesRow* row = FindRow([index](const SpeciesRow& r) { return r.index == static_cast<int>(index); });
    return row ? row->key : "";
}

unsigned CPesci::GetIndex(const char* key) const
{
    if (key == nullptr)
        return 1;
    const SpeciesRow* row = FindRow([key](const SpeciesRow& r) { return std::strcmp(r.key, key) == 0; });
    return row ? static_cast<unsigned>(row->index) : 1u;
}

const char* CPesci::GetBiteText(unsigned index) const
{
    switch (Rec(index).biteKind) {
    case 0: return Tr("affondo deciso", "the floater sinks");
    case 1: return Tr("toccatine, poi affondo", "the floater shakes");
    case 2: return Tr("spostamento del galleggiante", "the floater shift");
    default: return Tr("Non definita", "Not defined");
    }
}

const char* CPesci::GetWaterClarityText(unsigned index) const
{
    switch (Rec(index).waterClarity) {
    case 0: return Tr("limpida", "clear");
    case 1: return Tr("torbida", "cloudy");
    case 2: return Tr("sia limpida che torbida", "clear & cloudy");
    default: return Tr("Non definita", "Not defined");
    }
}

const char* CPesci::GetGroundbaitText(unsigned index) const
{
    switch (Rec(index).groundbaitBase) {
    case 0: return Tr("generica", "generic");
    case 1: return Tr("a base di biscotti o grissini", "with biscuits or breadsticks");
    case 2: return Tr("con larve", "with maggots");
    case 3: return Tr("a base di patate", "with potatoes");
    case 4: return Tr("con palline di formaggio", "with cheese");
    case 5: return Tr("a base di pane", "with bread");
    default: return Tr("Non definita", "Not defined");
    }
}

const char* CPesci::GetMinHookText(unsigned index) const
{
    static char buffer[16];
    return HookText(buffer, Rec(index).minHook);
}

const char* CPesci::GetMaxHookText(unsigned index) const
{
    static char buffer[16];
    return HookText(buffer, Rec(index).maxHook);
}

const char* CPesci::GetMinLineHookText(unsigned index) const
{
    static char buffer[16];
    CopyString(buffer, IntToText(Rec(index).minLineHook), 15);
    return buffer;
}

const char* CPesci::GetMaxLineHookText(unsigned index) const
{
    static char buffer[16];
    CopyString(buffer, IntToText(Rec(index).maxLineHook), 15);
    return buffer;
}

const char* CPesci::GetMinSizeText(unsigned index) const
{
    static char buffer[64];
    return SizeText(buffer, Rec(index).minSize);
}

const char* CPesci::GetMaxSizeText(unsigned index) const
{
    static char buffer[64];
    return SizeText(buffer, Rec(index).maxSize);
}

const char* CPesci::FormatWeightText(float grams)
{
    static char buffer[64];
    const CConvUnita conv;
    if (grams > 1000.0f)
        CopyString(buffer, Concat2(conv.FormatWeightKg(grams), conv.IsMetric() ? " Kg" : " lb"), 63);
    else
        CopyString(buffer, Concat2(conv.FormatWeightGrams(grams), conv.IsMetric() ? " gr" : " lb"), 63);
    return buffer;
}

const char* CPesci::GetMinWeightText(unsigned index) const
{
    static char buffer[64];
    const PesceRecord& r = Rec(index);
    CopyString(buffer, FormatWeightText(ComputeFishWeight(r, r.minSize, false)), 63);
    return buffer;
}

const char* CPesci::GetMaxWeightText(unsigned index) const
{
    static char buffer[64];
    const PesceRecord& r = Rec(index);
    CopyString(buffer, FormatWeightText(ComputeFishWeight(r, r.maxSize, false)), 63);
    return buffer;
}

const char* CPesci::GetVenueTypeText(unsigned index) const
{
    static const CodeText kTexts[] = {{"fiume o torrente", "river or torrent"}, {"lago", "lake"}, {"mare", "sea"}};
    static char buffer[256];
    return ListText(buffer, sizeof buffer, Rec(index).venueTypes, 3, kTexts, 3);
}

const char* CPesci::GetCurrentText(unsigned index) const
{
    static const CodeText kTexts[] = {{"ferma", "motionless"}, {"lenta", "slow"}, {"media", "medium"}, {"veloce", "fast"}};
    static char buffer[256];
    return ListText(buffer, sizeof buffer, Rec(index).currents, 4, kTexts, 4);
}

const char* CPesci::GetBottomText(unsigned index) const
{
    static const CodeText kTexts[] = {
        {"erba", "grass"}, {"sabbia", "sand"}, {"fango", "mud"}, {"ghiaia", "gravel"}, {"sassi", "stones"}};
    static char buffer[256];
    return ListText(buffer, sizeof buffer, Rec(index).bottoms, 5, kTexts, 5);
}

const char* CPesci::GetRegionText(unsigned index) const
{
    static const CodeText kTexts[] = {{"Alpi", "Alps"},
                                      {"pianura Padana", "Po plain"},
                                      {"nord Italia", "northern Italy"},
                                      {"centro Italia", "center Italy"},
                                      {"sud Italia", "southern Italy"},
                                      {"Sardegna", "Sardinia"},
                                      {"Sicilia", "Sicily"}};
    static char buffer[256];
    return ListText(buffer, sizeof buffer, Rec(index).regions, 7, kTexts, 7);
}

const char* CPesci::GetBaitsText(unsigned index) const
{
    static const CodeText kTexts[] = {{"crostacei", "shellfish"},
                                      {"formaggio", "cheese"},
                                      {"frutta", "fruit"},
                                      {"insetti", "insects"},
                                      {"larve", "maggots"},
                                      {"pane o polenta", "bread"},
                                      {"vegetali", "vegetable"},
                                      {"vermi", "worms"},
                                      {"vivo", "live"},
                                      {"artificiale", "lure"},
                                      {"pezzettini di carne", "meat"},
                                      {"pastella", "batter"},
                                      {"mollusco", "mollusc"},
                                      {"artif. Spinning", "spinning lure"}};
    static char buffer[512];
    return ListText(buffer, sizeof buffer, Rec(index).baitFamilies, 14, kTexts, 14);
}

const char* CPesci::GetDepthOverText(unsigned index) const
{
    static char buffer[64];
    const PesceRecord& r = Rec(index);
    if (r.depthOver < 1)
        return "";
    const CConvUnita conv;
    const char* number = conv.FormatLengthM(static_cast<float>(r.depthOver));
    CopyString(buffer, Concat3(Tr("oltre ", "under "), number, conv.IsMetric() ? " mt" : " ft"), 63);
    return buffer;
}

const char* CPesci::GetDepthText(unsigned index) const
{
    static char buffer[128];
    const PesceRecord& r = Rec(index);
    if (r.depthKind >= 3) {
        const CConvUnita conv;
        const char* number = conv.FormatLengthCm(static_cast<float>(r.depthKind));
        CopyString(buffer, Concat3(Tr("circa ", "approximately "), number, conv.IsMetric() ? "cm " : "ft "), 127);
        return buffer;
    }
    const char* kind = "";
    if (r.depthKind == 0)
        kind = Tr("sul fondo", "on depth");
    else if (r.depthKind == 1)
        kind = Tr("in superficie", "at the top");
    else if (r.depthKind == 2 && r.depthOver < 1)
        kind = Tr("tutte", "all");
    CopyString(buffer, kind, 127);
    if (r.depthOver >= 1) {
        if (buffer[0] != '\0')
            std::strncat(buffer, "; ", sizeof buffer - 1 - std::strlen(buffer));
        std::strncat(buffer, GetDepthOverText(index), sizeof buffer - 1 - std::strlen(buffer));
    }
    return buffer;
}

const char* CPesci::GetMonthLine(unsigned index, int month) const
{
    static char buffer[64];
    const int activity = GetMonthActivity(index, month);
    CopyString(buffer, Concat3(CCalendario::GetMonthName(month), ": ", IntToText(activity)), 63);
    return buffer;
}

const char* CPesci::GetPeriodLine(unsigned index, int phase) const
{
    static char buffer[64];
    const int activity = GetPeriodActivity(index, phase);
    CopyString(buffer, Concat3(CCalendario::GetPhaseName(phase), ": ", IntToText(activity)), 63);
    return buffer;
}
