#include "simulation/tackle/Piombo.h"

#include "shell/Opzioni.h"
#include "shell/Utility.h"
#include "simulation/tackle/CannaPesca.h"

#include <cstring>
#include <string>

const TackleKind CPiombo::kKind = {"PIOMBINO", "kvp", CGestFile::P_PIOMBI, CGestFile::D_PIOMBI, "Piombino generico",
                                   "Generic shot", true};

namespace {

PiomboRecord EmptyShot()
{
    PiomboRecord r{};
    r.position = -1;
    r.weight = 0;
    r.kind = -1;
    r.attachment = -1;
    r.shape = -1;
    r.swivelDistance = 0;
    return r;
}

PiomboRecord BuiltIn(const char* id, const char* name, const char* description, int weight, int kind, int shape)
{
    PiomboRecord r = EmptyShot();
    CopyTackleText(r.id, id, 128);
    CopyTackleText(r.name, name, 128);
    CopyTackleText(r.description, description, 512);
    r.weight = weight;
    r.kind = kind;
    r.attachment = 0;
    r.shape = shape;
    return r;
}

bool In(int v, int lo, int hi) { return v >= lo && v <= hi; }

} // namespace

CPiombo::CPiombo() : m_detail(EmptyShot()), m_rig(nullptr)
{
    for (PiomboRecord& s : m_slots)
        s = EmptyShot();
    m_totalWeight = 0;
    m_balanced = 0;
    m_balanceClass = -1;
    m_weightClass = -1;
}

// ---- the rest of the rig --------------------------------------------------

bool CPiombo::RigHasFloat() const { return m_rig && m_rig->m_galleggiante.HasFloat(); }
int CPiombo::RigFloatDepth() const { return m_rig ? m_rig->m_galleggiante.m_position - 45 : -45; }
bool CPiombo::RigIsSpinning() const { return m_rig && m_rig->IsSpinningRig(); }
float CPiombo::RigLineLength() const { return m_rig ? m_rig->m_lenza.m_length : 500.0f; }
int CPiombo::RigJunctionAbove(int p) const { return m_rig ? m_rig->m_lenza.GetNearestAbove(p) : -1; }
int CPiombo::RigJunctionBelow(int p) const { return m_rig ? m_rig->m_lenza.GetNearestBelow(p) : -1; }

// ---- catalogue --------------------------------------------------------------

void CPiombo::Clear()
{
    m_records.clear();
    ResetSelection();
    ClearSlots();
}

void CPiombo::Init(plat::Device* dev)
{
    Clear();
    if (dev)
        m_photo.Init(dev);
    LoadRigView(dev);
    m_records.push_back(BuiltIn("INTERNAL_0", Tr("Piombino Soft", "Soft shot"),
                                Tr("Pallino di piombo morbido con taglio perfettamente centrato. Non danneggia il filo "
                                   "durante lo scorrimento.",
                                   "Micro shot soft and round, centre cut precision."),
                                25, 0, 0));
    m_records.push_back(BuiltIn("INTERNAL_1", "Tourpille",
                                Tr("Torpille in piombo, trattata con speciale guaina antiossido.",
                                   "Tourpille treated with special antioxidant procedure and with internal silicon "
                                   "tube."),
                                100, 1, 1));
    LoadFolder(g_GestFile.GetProgramSubfolder(kKind.programFolder));
    LoadFolder(g_GestFile.GetDataSubfolder(kKind.dataFolder));
}

void CPiombo::LoadFolder(const char* folder)
{
    LoadTackleFolder(folder, kKind, m_records, [](const CIniText& f, PiomboRecord& r) {
        r.position = -1;
        r.swivelDistance = 0;
        r.weight = ReadTackleInt(f, kKind, r.id, "PESO", -1, 10, 12000);
        r.kind = ReadTackleInt(f, kKind, r.id, "TIPO", -1);
        r.attachment = r.kind == 0 ? ReadTackleInt(f, kKind, r.id, "ATTACCO", -1) : 0;
        r.shape = ReadTackleInt(f, kKind, r.id, "FORMA", -1);
    });
}

// ---- slots ------------------------------------------------------------------

bool CPiombo::IsOccupied(int slot) const { return slot >= 0 && slot < kShotSlots && m_slots[slot].kind != -1; }

bool CPiombo::IsSliding(int slot) const { return IsOccupied(slot) && m_slots[slot].attachment == 1; }

void CPiombo::ClearSlot(int slot)
{
    if (slot >= 0 && slot < kShotSlots)
        m_slots[slot] = EmptyShot();
}

void CPiombo::ClearSlots()
{
    for (int i = 0; i < kShotSlots; ++i)
        ClearSlot(i);
    Classify(m_rig ? m_rig->m_galleggiante.GetDepthSetting() : 0);
}

void CPiombo::AddShot(int index, int position, int swivelDistance, bool recalculate)
{
    if (m_records.empty())
        return;
    index = index < 0 ? 0 : index >= GetCount() ? GetCount() - 1 : index;
    int slot = 0;
    while (slot < kShotSlots && m_slots[slot].kind != -1)
        ++slot;
    if (slot == kShotSlots)
        return;
    PiomboRecord& s = m_slots[slot];
    s = m_records[std::size_t(index)];
    s.position = -1;
    // The link is known before the position is held above it.
    s.swivelDistance = s.attachment == 1 ? (swivelDistance >= 0 ? swivelDistance : 0) : -1;
    ClampShotPosition(slot, position);
    ClampSwivelDistance(slot, swivelDistance);
    if (recalculate)
        Recalculate();
}

void CPiombo::AddShotById(const char* id, int position, int swivelDistance, bool recalculate)
{
    for (int i = 0; id && i < GetCount(); ++i) {
        if (std::strcmp(m_records[std::size_t(i)].id, id) == 0) {
            AddShot(i, position, swivelDistance, recalculate);
            return;
        }
    }
}

void CPiombo::SetDefault()
{
    ResetSelection();
    ClearSlots();
    for (int p : {20, 18, 16, 14})
        AddShotById("INTERNAL_0", p, 0, false);
    Recalculate();
}

void CPiombo::RemoveShot(int slot)
{
    ClearSlot(slot);
    ResetSelection();
    if (m_rig)
        m_rig->SetFloatPosition(float(m_rig->m_galleggiante.m_position));
    Classify(m_rig ? m_rig->m_galleggiante.GetDepthSetting() : 0);
}

void CPiombo::ClampShotPosition(int slot, int position)
{
    if (!IsOccupied(slot))
        return;
    PiomboRecord& s = m_slots[slot];
    const int low = (s.attachment == 1 ? s.swivelDistance : -1) + 5;
    const int high = int(RigLineLength()) - 5;
    if (position < low)
        position = low;
    else if (position > high)
        position = high;
    s.position = position;
    ClampSwivelDistance(slot, s.swivelDistance);
}

void CPiombo::ClampSwivelDistance(int slot, int distance)
{
    if (slot < 0 || slot >= kShotSlots)
        return;
    PiomboRecord& s = m_slots[slot];
    if (!IsSliding(slot)) {
        s.swivelDistance = -1;
        return;
    }
    s.swivelDistance = distance >= 0 ? (distance < s.position - 5 ? distance : s.position - 5) : 0;
}

void CPiombo::ClampAll()
{
    for (int i = 0; i < kShotSlots; ++i)
        ClampShotPosition(i, m_slots[i].position);
}

int CPiombo::GetSlotPosition(int slot) const { return IsOccupied(slot) ? m_slots[slot].position : -1; }

int CPiombo::GetSlotEffectivePosition(int slot) const
{
    if (!IsOccupied(slot))
        return -1;
    return IsSliding(slot) ? m_slots[slot].position - m_slots[slot].swivelDistance : m_slots[slot].position;
}

int CPiombo::GetSlotSwivelDistance(int slot) const { return IsOccupied(slot) ? m_slots[slot].swivelDistance : -1; }

int CPiombo::GetSlotWeight(int slot) const { return IsOccupied(slot) ? m_slots[slot].weight : -1; }

int CPiombo::GetMaxPosition() const
{
    int best = -1;
    for (int i = 0; i < kShotSlots; ++i)
        if (IsOccupied(i) && GetSlotEffectivePosition(i) > best)
            best = GetSlotEffectivePosition(i);
    return best;
}

int CPiombo::GetMinPosition() const
{
    int best = -1;
    for (int i = 0; i < kShotSlots; ++i)
        if (IsOccupied(i) && (best == -1 || GetSlotEffectivePosition(i) < best))
            best = GetSlotEffectivePosition(i);
    return best;
}

void CPiombo::GetNeighbourPositions(int position, int& above, int& below) const
{
    above = -1;
    below = -1;
    for (int i = 0; i < kShotSlots; ++i) {
        if (!IsOccupied(i))
            continue;
        const int p = m_slots[i].position;
        if (p > position && (above == -1 || p < above))
            above = p;
        if (p < position && (below == -1 || p > below))
            below = p;
    }
}

int CPiombo::GetWeightBetween(int upper, int lower) const
{
    int sum = 0;
    for (int i = 0; i < kShotSlots; ++i)
        if (IsOccupied(i) && m_slots[i].position > lower && m_slots[i].position <= upper)
            sum += m_slots[i].weight;
    return sum;
}

int CPiombo::GetTotalWeight()
{
    if (m_totalWeight == 0)
        for (int i = 0; i < kShotSlots; ++i)
            if (IsOccupied(i))
                m_totalWeight += m_slots[i].weight;
    return m_totalWeight;
}

bool CPiombo::HasNoSlidingShot() const
{
    for (int i = 0; i < kShotSlots; ++i)
        if (IsSliding(i))
            return false;
    return true;
}

bool CPiombo::HasNoShapeOne() const
{
    for (int i = 0; i < kShotSlots; ++i)
        if (IsOccupied(i) && m_slots[i].shape == 1)
            return false;
    return true;
}

bool CPiombo::SettleTorpilles()
{
    bool allOnShots = true;
    const int depth = RigFloatDepth();
    for (int i = 0; i < kShotSlots; ++i) {
        if (!IsOccupied(i) || m_slots[i].kind != 1)
            continue;
        const int p = m_slots[i].position;
        int above = -1, stop = -1;
        GetNeighbourPositions(p, above, stop);
        if (RigHasFloat() && stop <= depth && depth <= p) {
            stop = depth + 4; // it rests on the float
            allOnShots = false;
        }
        const int junction = RigJunctionAbove(p);
        if (junction != -1 && junction >= stop && junction <= p) {
            stop = junction;
            allOnShots = false;
        }
        if (stop == -1) {
            m_slots[i].position = 2; // down on the hook
            allOnShots = false;
        } else {
            m_slots[i].position = stop + 2;
        }
    }
    return allOnShots;
}

void CPiombo::Recalculate()
{
    ClampAll();
    SettleTorpilles();
    Classify(m_rig ? m_rig->m_galleggiante.GetDepthSetting() : 0);
}

// ---- classification -------------------------------------------------------

void CPiombo::ResetSelection()
{
    m_balanced = 0;
    m_balanceClass = -1;
    m_weightClass = -1;
    m_totalWeight = 0;
    m_detail = EmptyShot();
    m_detail.position = 0;
    m_detail.swivelDistance = 0;
}

void CPiombo::Classify(int depthSetting)
{
    const PiomboRecord kept = m_detail;
    ResetSelection();
    ClassifyBalance(depthSetting);
    ClassifyWeight();
    m_detail = kept;
}

void CPiombo::ClassifyBalance(int depthSetting)
{
    m_balanced = 1;
    m_balanceClass = -1;
    const int high = GetMaxPosition();
    const int low = GetMinPosition();
    const int total = GetTotalWeight();
    const int floatDepth = RigFloatDepth();
    if (total < 1 || high == -1) {
        m_balanced = RigIsSpinning() ? 1 : 0;
        return;
    }
    if (RigHasFloat()) {
        if (high >= floatDepth || low >= floatDepth)
            m_balanced = 0;
        if (RigJunctionBelow(floatDepth) != -1)
            m_balanced = 0;
        if (!m_balanced)
            return;
    }
    if (!SettleTorpilles()) {
        m_balanced = 0;
        return;
    }
    if (RigIsSpinning() && !HasNoSlidingShot()) {
        m_balanced = 0;
        return;
    }
    if (!RigHasFloat())
        return;
    const int l = depthSetting / 6;
    if (l <= 2)
        return;
    int p[6];
    for (int k = 0; k < 6; ++k)
        p[k] = GetWeightBetween((k + 1) * l, k * l) * 100 / total;
    int cls = -1;
    if (In(p[5] + p[4], 10, 30) && In(p[3], 0, 20) && In(p[2], 50, 70) && In(p[1] + p[0], 0, 20))
        cls = 1;
    if (In(p[5] + p[4], 50, 70) && In(p[3], 10, 30) && In(p[2] + p[1], 10, 30) && In(p[0], -10, 10))
        cls = 1;
    if (In(p[5] + p[4], 30, 50) && In(p[3] + p[2], 10, 30) && In(p[1] + p[0], 10, 30))
        cls = 0;
    if (In(p[5] + p[4], -10, 10) && In(p[3] + p[2], 70, 90) && In(p[1] + p[0], 10, 30))
        cls = 3;
    if (In(p[5] + p[4], 10, 30) && In(p[3], 10, 30) && In(p[2], 10, 30) && In(p[1] + p[0], 30, 50))
        cls = 1;
    if (In(p[5] + p[4], 10, 30) && In(p[3], -10, 10) && In(p[2] + p[1], 70, 90) && In(p[0], -10, 10))
        cls = 2;
    if (In(p[5], -10, 10) && In(p[4], -10, 10) && In(p[3], -10, 10) && In(p[2], -10, 10) &&
        In(p[1] + p[0], 90, 110))
        cls = 3;
    m_balanceClass = cls;
    if (m_rig && m_rig->m_galleggiante.IsSliding()) {
        const int over = m_rig->m_galleggiante.m_stopper - floatDepth;
        if ((over > 0 ? over : 0) > l && (cls == 2 || cls == 3))
            m_balanceClass = -1;
    }
}

void CPiombo::ClassifyWeight()
{
    if (RigIsSpinning()) {
        m_weightClass = -1;
        return;
    }
    const int w = GetTotalWeight();
    if (RigHasFloat())
        m_weightClass = w <= 125 ? 0 : w <= 200 ? 1 : w <= 300 ? 2 : 3;
    else
        m_weightClass = w <= 3000 ? 0 : w <= 4800 ? 1 : w <= 7200 ? 2 : 3;
}

int CPiombo::GetBalanceClass() const { return In(m_balanceClass, 0, 3) ? m_balanceClass : -1; }

int CPiombo::GetWeightClass() const { return In(m_weightClass, 0, 3) ? m_weightClass : -1; }

int CPiombo::GetSinkTime(int extraWeight)
{
    const int w = GetTotalWeight() + extraWeight;
    if (w <= 0)
        return 30000;
    int time = w <= 50 ? 4000 : w <= 125 ? 3600 : w <= 200 ? 3200 : w <= 300 ? 2800 : w <= 400 ? 2400
             : w <= 1000 ? 2000 : w <= 2000 ? 1600 : w <= 4000 ? 1300 : 1000;
    if (m_balanced) {
        static const float kScale[4] = {1.2f, 0.9f, 0.7f, 0.5f};
        if (In(m_balanceClass, 0, 3))
            time = int(float(time) * kScale[m_balanceClass]);
    }
    return time;
}

// ---- texts ------------------------------------------------------------------

const char* CPiombo::FormatWeight(int weight)
{
    static char text[50];
    CConvUnita units;
    CopyString(text, Concat2(units.FormatWeightGrams(float(weight) / 100.0f), units.IsMetric() ? " gr" : " lb"), 49);
    return text;
}

const char* CPiombo::GetTotalWeightText() { return FormatWeight(GetTotalWeight()); }

const char* CPiombo::GetReferenceText(int reference) { return reference == 1 ? Tr("Girella", "Swivel") : Tr("Lenza", "Line"); }

const char* CPiombo::GetAttachmentText(int attachment)
{
    switch (attachment) {
    case 0: return Tr("fisso", "fixed");
    case 1: return Tr("scorrevole", "sliding");
    default: return "?";
    }
}

const char* CPiombo::GetUsageText() const
{
    if (!m_balanced)
        return Tr("errata", "wrong");
    if (RigIsSpinning())
        return "spinning";
    if (!RigHasFloat())
        return Tr("pesca a fondo", "bottom fishing");
    if (GetBalanceClass() == -1)
        return Tr("generica", "generic");
    const int waters = g_Opzioni.waters;
    if (waters < 0 || waters > 2)
        return Tr("generica", "generic");
    return CGalleggiante::GetSuitabilityText(GetBalanceClass(), waters);
}

const char* CPiombo::GetWeightClassText() const
{
    const int waters = g_Opzioni.waters;
    if (GetWeightClass() == -1 || waters < 0 || waters > 2)
        return Tr("generica", "generic");
    return CGalleggiante::GetSuitabilityText(GetWeightClass(), waters);
}

// ---- tackle box -------------------------------------------------------------

void CPiombo::SelectShotInfo(plat::Device* dev, const PiomboRecord& record)
{
    m_detail = record;
    LoadPhoto(dev, record);
}

void CPiombo::LoadPhoto(plat::Device* dev, const PiomboRecord& record)
{
    LoadTacklePhoto(m_photo, dev, record.folder, record.photo,
                    record.kind != 0 ? kBitmapTorpillePhoto : kBitmapShotPhoto, 100, 100);
}

void CPiombo::OnLostDevice()
{
    m_photo.OnLostDevice();
    for (int i = 0; i < kShotSlots; ++i) {
        m_icons[i].OnLostDevice();
        m_markers[i].OnLostDevice();
    }
    m_line.reset();
}

void CPiombo::OnResetDevice(plat::Device* dev)
{
    m_photo.OnResetDevice(dev);
    // The rig-view pictures wait for a device to be made on.
    for (int i = 0; i < kShotSlots && dev; ++i) {
        m_icons[i].OnResetDevice(dev);
        m_markers[i].OnResetDevice(dev);
    }
    if (dev && !m_line) {
        int st = 0;
        m_line = dev->CreateLineDrawer(&st);
    }
}

// ---- configuration ------------------------------------------------------------

bool CPiombo::LoadConfiguration(const CIniText& file, bool noteUnknown)
{
    for (int i = 0; i < kShotSlots; ++i)
        ClearSlot(i);
    for (int i = 0; i < kShotSlots; ++i) {
        const std::string n = std::to_string(i);
        char id[129];
        file.ReadString("PIOMBATURA", ("PIOMBO_" + n).c_str(), "", id, 128);
        if (!id[0])
            continue;
        const int position = file.ReadInt("PIOMBATURA", ("POSIZIONE_" + n).c_str(), 0);
        const int distance = file.ReadInt("PIOMBATURA", ("DIST_GIRELLA_" + n).c_str(), 0);
        bool known = false;
        for (int r = 0; r < GetCount(); ++r)
            known = known || std::strcmp(m_records[std::size_t(r)].id, id) == 0;
        if (!known && noteUnknown)
            LogTackleFallback(std::string("configuration: shot ") + id + " unknown, left off");
        AddShotById(id, position, distance, false);
    }
    Recalculate();
    return true;
}

void CPiombo::SaveConfiguration(CIniText& file) const
{
    for (int i = 0; i < kShotSlots; ++i) {
        const std::string n = std::to_string(i);
        const bool used = IsOccupied(i);
        file.WriteString("PIOMBATURA", ("PIOMBO_" + n).c_str(), used ? m_slots[i].id : "");
        file.WriteInt("PIOMBATURA", ("POSIZIONE_" + n).c_str(), used ? m_slots[i].position : -1);
        file.WriteInt("PIOMBATURA", ("DIST_GIRELLA_" + n).c_str(), used ? m_slots[i].swivelDistance : 0);
    }
}
