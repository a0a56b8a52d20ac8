#include "simulation/tackle/Esca.h"

#include "gui/ListBox.h"
#include "platform/Random.h"
#include "shell/Globals.h"
#include "shell/Opzioni.h"
#include "shell/Utility.h"

#include <cstring>
#include <string>

KARVELIN_GLOBAL(3) CEsca g_Esca;

const TackleKind CEsca::kKind = {"ESCA", "kve", CGestFile::P_ESCHE, CGestFile::D_ESCHE, "Esca generica", "Generic bait",
                                 true};

namespace {

EscaRecord EmptyBait()
{
    EscaRecord r{};
    r.kind = r.hookColour = r.hookBend = r.venueKind = -1;
    r.weight = 0;
    r.maxDepth = 0;
    return r;
}

int ClampSlot(int slot) { return slot < 0 ? 0 : slot > 2 ? 2 : slot; }

} // namespace

CEsca::CEsca() : m_depthOffset(0.0f)
{
    for (EscaRecord& s : m_slots)
        s = EmptyBait();
}

void CEsca::Load(plat::Device* dev)
{
    m_records.clear();
    for (EscaRecord& s : m_slots)
        s = EmptyBait();
    m_depthOffset = 0.0f;
    if (dev)
        m_photo.Init(dev);
    EscaRecord r = EmptyBait();
    CopyTackleText(r.name, Tr("Cagnotto", "Maggot"), 128);
    CopyTackleText(r.description,
                   Tr("Ideale in mille situazione. Attira ogni tipo di pesce.",
                      "Ideal in many situations. Attracts each type of fish."),
                   512);
    CopyTackleText(r.id, "INTERNAL_0", 128);
    r.kind = 4;
    m_records.push_back(r);
    LoadFolder(g_GestFile.GetProgramSubfolder(kKind.programFolder));
    LoadFolder(g_GestFile.GetDataSubfolder(kKind.dataFolder));
    for (int slot = 0; slot < 3; ++slot)
        Select(dev, slot, 0);
}

void CEsca::LoadFolder(const char* folder)
{
    LoadTackleFolder(folder, kKind, m_records, [](const CIniText& f, EscaRecord& r) {
        r.kind = ReadTackleInt(f, kKind, r.id, "TIPO", -1);
        // Hook colour, hook bend and waters are optional: none means any.
        r.hookColour = f.ReadInt(kKind.section, "COLORE_AMO", -1);
        r.hookBend = f.ReadInt(kKind.section, "CURVA_AMO", -1);
        r.venueKind = f.ReadInt(kKind.section, "TIPO_LUOGO", -1);
        const bool lure = r.kind == 13;
        r.weight = lure ? ReadTackleInt(f, kKind, r.id, "PESO", -1, 200, 20000) : 0;
        int depth = f.ReadInt(kKind.section, "MAX_PROF", -1);
        if (lure && depth == -1)
            NoteTackleFallback(std::string("ESCA ") + r.id + ": MAX_PROF missing");
        r.maxDepth = depth < 0 ? 0 : depth > 10000 ? 10000 : depth;
    });
}

int CEsca::FindById(const char* id) const
{
    for (int i = 0; id && i < GetCount(); ++i)
        if (std::strcmp(m_records[std::size_t(i)].id, id) == 0)
            return i;
    return -1;
}

const EscaRecord& CEsca::GetSlot(int slot) const { return m_slots[ClampSlot(slot)]; }

void CEsca::Select(plat::Device* dev, int slot, int index)
{
    if (m_records.empty())
        return;
    if (index < 0 || index >= GetCount())
        index = 0;
    EscaRecord& s = m_slots[ClampSlot(slot)];
    s = m_records[std::size_t(index)];
    LoadPhoto(dev, s.folder, s.photo);
    m_depthOffset = float(plat::Random() % 30 - 15);
}

void CEsca::SelectByName(plat::Device* dev, CListBox* list, const char* name, int slot)
{
    if (!name || !*name)
        return;
    if (list)
        list->SelectByKey(name, true);
    int index = FindById(name);
    if (index < 0 && list && list->GetSelectedKey())
        index = FindById(list->GetSelectedKey());
    if (index < 0) {
        LogTackleFallback(std::string("bait ") + name + " unknown, the hook keeps " + GetSlot(slot).id);
        return;
    }
    if (std::strcmp(m_records[std::size_t(index)].id, name) != 0)
        LogTackleFallback(std::string("bait ") + name + " unknown, " + m_records[std::size_t(index)].id + " on the hook");
    Select(dev, slot, index);
}

void CEsca::SelectFromSettings(plat::Device* dev, CListBox* list)
{
    SelectByName(dev, list, g_Opzioni.baitDropper2, 0);
    SelectByName(dev, list, g_Opzioni.baitDropper1, 1);
    SelectByName(dev, list, g_Opzioni.baitLeader, 2);
}

void CEsca::LoadPhoto(plat::Device* dev, const char* folder, const char* photo)
{
    LoadTacklePhoto(m_photo, dev, folder, photo, kBitmapBaitPhoto, 100, 100);
}

void CEsca::OnLostDevice() { m_photo.OnLostDevice(); }

void CEsca::OnResetDevice(plat::Device* dev) { m_photo.OnResetDevice(dev); }

float CEsca::GetLureDepth(int slot) const
{
    const EscaRecord& s = GetSlot(slot);
    return s.kind == 13 ? float(s.maxDepth) + m_depthOffset : 0.0f;
}

bool CEsca::GetIdealLineRange(int weight, int& low, int& high)
{
    if (weight < 0)
        return false;
    struct Band {
        int upTo, low, high;
    };
    static const Band kBands[] = {{250, 0, 16}, {500, 16, 22}, {1000, 22, 25}, {1800, 25, 30}, {2500, 30, 35}, {5000, 35, 40}};
    for (const Band& b : kBands) {
        if (weight <= b.upTo) {
            low = b.low;
            high = b.high;
            return true;
        }
    }
    low = high = 40;
    return true;
}

bool CEsca::IsLineSuitable(int slot, int diameter) const
{
    int low = 0, high = 0;
    if (!GetIdealLineRange(GetSlot(slot).weight, low, high))
        return false;
    if (low == high)
        return diameter > 40;
    return diameter >= low && diameter <= high;
}

const char* CEsca::GetBaitTypeName(int kind)
{
    static const char* const kNames[14][2] = {
        {"Crostaceo", "Shellfish"}, {"Formaggio", "Cheese"},   {"Frutta", "Fruit"},      {"Insetto", "Insect"},
        {"Larva", "Maggot"},        {"Pane o\t polenta", "Bread"}, {"Vegetale", "Vegetable"}, {"Verme", "Worm"},
        {"Vivo", "Live"},           {"Artificiale", "Lure"},   {"Pezzettino di carne", "Meat"},
        {"Pastella", "Batter"},     {"Mollusco", "Mollusc"},   {"Artificiale Spinning", "Spinning lure"},
    };
    if (kind < 0 || kind > 13)
        return Tr("Non definito", "Not defined");
    return Tr(kNames[kind][0], kNames[kind][1]);
}

const char* CEsca::GetHookColourName(int colour)
{
    static const char* const kNames[6][2] = {{"Grigio", "Gray"},   {"Bronzo", "Bronze"}, {"Brunito", "Brown"},
                                             {"Rosso", "Red"},     {"Dorato", "Golden"}, {"Verde", "Green"}};
    if (colour < 0 || colour > 5)
        return Tr("Non definito", "Not defined");
    return Tr(kNames[colour][0], kNames[colour][1]);
}

const char* CEsca::GetHookBendName(int bend)
{
    switch (bend) {
    case 0: return "Crystal";
    case 1: return Tr("Rotonda", "Round");
    case 2: return Tr("Ampia", "Large");
    default: return Tr("Non definita", "Not defined");
    }
}

const char* CEsca::GetVenueTypeName(int venueKind)
{
    switch (venueKind) {
    case 0: return Tr("Fiume", "River");
    case 1: return Tr("Lago", "Lake");
    case 2: return Tr("Mare", "Sea");
    default: return Tr("Ovunque", "Anywhere");
    }
}

const char* CEsca::GetIdealLineText(int slot) const
{
    static char text[64];
    int low = 0, high = 0;
    if (!GetIdealLineRange(GetSlot(slot).weight, low, high)) {
        text[0] = '\0';
        return text;
    }
    std::string s;
    if (low == high) {
        s = Tr("superiore a ", "highest ");
        s += FloatToText(float(low) / 100.0f);
    } else {
        s = FloatToText(float(low) / 100.0f);
        s += " - ";
        s += FloatToText(float(high) / 100.0f);
    }
    CopyString(text, s.c_str(), 63);
    return text;
}

const char* CEsca::FormatMaxDepth(int slot) const
{
    static char text[50];
    CConvUnita units;
    CopyString(text, Concat2(units.FormatLengthM(float(GetSlot(slot).maxDepth)), units.IsMetric() ? " mt" : " ft"), 49);
    return text;
}

const char* CEsca::FormatWeight(int slot) const
{
    static char text[50];
    CConvUnita units;
    CopyString(text, Concat2(units.FormatWeightGrams(float(GetSlot(slot).weight) / 100.0f), units.IsMetric() ? " gr" : " lb"),
               49);
    return text;
}
