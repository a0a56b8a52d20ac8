#include "simulation/session/Sessione.h"

#include "gui/ListBox.h"
#include "platform/Files.h"
#include "shell/GestFile.h"
#include "shell/Globals.h"
#include "shell/Opzioni.h"
#include "shell/Utility.h"
#include "world/Calendario.h"
#include "world/Luogo.h"
#include "world/Pesci.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <new>
#include <string>

#include <sys/stat.h>

KARVELIN_GLOBAL(27) CSessione g_Sessione;

namespace {

const GaraLink* g_garaLink = nullptr;

// Replaces a text field whole: zeros first, then at most max characters.
template <std::size_t N>
void SetText(char (&field)[N], const char* text)
{
    std::memset(field, 0, N);
    if (text)
        CopyString(field, text, static_cast<int>(N) - 1);
}

template <typename T>
void PutValue(std::string& out, T value)
{
    static_assert(sizeof(T) == 4, "file values are 32-bit");
    unsigned char bytes[4];
    std::memcpy(bytes, &value, 4);
    out.append(reinterpret_cast<const char*>(bytes), 4); // little-endian host
}

template <typename T>
T GetValue(const unsigned char* bytes)
{
    T value;
    std::memcpy(&value, bytes, 4);
    return value;
}

// A text field as stored: the whole field, zeros after the text.
void PutText(std::string& out, const char* text, std::size_t size)
{
    std::string field(size, '\0');
    std::size_t n = text ? strnlen(text, size - 1) : 0;
    field.replace(0, n, text, n);
    out += field;
}

// A stored text may lack its terminator; it ends at the field's last byte.
void TakeText(char* dest, const unsigned char* field, std::size_t size)
{
    std::memcpy(dest, field, size);
    dest[size - 1] = '\0';
}

// A catch log in the folder, opened when it is a regular file of at most
// maxSize bytes, the size read from the file opened; tooBig tells a refusal
// for the size from the others.
std::FILE* OpenCatchLog(const char* folder, const char* fileName, std::uintmax_t maxSize, bool& tooBig)
{
    if (!folder || !*folder)
        return nullptr;
    std::FILE* f = plat::OpenForReading(plat::JoinPath(folder, fileName));
    struct stat st {};
    if (f && (fstat(fileno(f), &st) != 0 || std::uintmax_t(st.st_size) > maxSize)) {
        tooBig = std::uintmax_t(st.st_size) > maxSize;
        std::fclose(f);
        return nullptr;
    }
    return f;
}

// Stored numbers are kept within what a catch can be, so every later sum and
// text stays defined: a weight up to ten tonnes, a length up to a hundred
// metres. An unknown species is kept as stored: every look-up answers it.
std::int32_t StoredLength(std::int32_t v) { return std::clamp(v, 0, 10000); }
float StoredWeight(float v) { return std::isfinite(v) ? std::clamp(v, 0.0f, 1.0e7f) : 0.0f; }

} // namespace

CSessione::CSessione()
{
    Clear();
}

CSessione::~CSessione() = default;

const char* CSessione::CatchFolder()
{
    return g_GestFile.GetDataSubfolder(CGestFile::D_CATTURE);
}

void CSessione::SetGaraLink(const GaraLink* link)
{
    g_garaLink = link;
}

const GaraLink* CSessione::GetGaraLink() { return g_garaLink; }

void CSessione::Clear()
{
    m_catches.clear();
    m_catches.shrink_to_fit();
    m_count = 0;
    m_totalWeight = 0.0f;
    m_biggestWeight = 0.0f;
    m_longestLength = 0;
    m_minutes = 0;
    m_place = 0;
    SetText(m_player, "");
    SetText(m_venue, "");
    SetText(m_date, "");
    SetText(m_startTime, "");
    SetText(m_endTime, "");
    SetText(m_weightText, "");
    SetText(m_lengthText, "");
}

void CSessione::Start()
{
    Clear();
    SetText(m_player, g_Opzioni.playerName);
    SetText(m_venue, g_Luogo.Record().name);
    char text[16];
    g_Calendario.FormatDate(text);
    SetText(m_date, text);
    g_Calendario.FormatTime(text);
    SetText(m_startTime, text);
    m_minutes = g_Calendario.GetMinuteOfDay();
}

void CSessione::AddCatch(int speciesId, float weight, int length)
{
    const std::size_t before = m_catches.size();
    if (before >= std::size_t(kMaxCatches))
        return; // the log and its totals stay as they are
    try {
        m_catches.push_back(CatchEntry{speciesId, weight, length});
    } catch (const std::bad_alloc&) {
        // The catch is dropped; those before it and the totals stay sound.
    }
    m_count = static_cast<std::int32_t>(m_catches.size());
    if (before == 0 || m_catches.size() == before) {
        UpdateTotals();
        return;
    }
    // The totals grow with the new catch, adding in log order as a full
    // recount does, so a long log loads in linear time.
    const CatchEntry& c = m_catches.back();
    m_totalWeight += c.weight;
    if (c.weight > m_biggestWeight)
        m_biggestWeight = c.weight;
    if (c.length > m_longestLength)
        m_longestLength = c.length;
}

void CSessione::UpdateTotals()
{
    m_totalWeight = 0.0f;
    m_biggestWeight = 0.0f;
    m_longestLength = 0;
    for (const CatchEntry& c : m_catches) {
        m_totalWeight += c.weight;
        if (c.weight > m_biggestWeight)
            m_biggestWeight = c.weight;
        if (c.length > m_longestLength)
            m_longestLength = c.length;
    }
}

void CSessione::Finish()
{
    char text[16];
    g_Calendario.FormatTime(text);
    SetText(m_endTime, text);
    const int end = g_Calendario.GetMinuteOfDay();
    const int start = m_minutes;
    m_minutes = start <= end ? end - start : end - start + 1440;
}

const char* CSessione::GetWeightText(int index)
{
    SetText(m_weightText, "");
    if (index < 0 || index >= m_count)
        return m_weightText;
    CConvUnita units;
    const char* value = units.FormatWeightGrams(m_catches[static_cast<std::size_t>(index)].weight);
    SetText(m_weightText, Concat3(Tr("Peso: ", "Weight: "), value, units.IsMetric() ? " gr" : " lb"));
    return m_weightText;
}

const char* CSessione::GetLengthText(int index)
{
    SetText(m_lengthText, "");
    if (index < 0 || index >= m_count)
        return m_lengthText;
    CConvUnita units;
    const float cm = static_cast<float>(m_catches[static_cast<std::size_t>(index)].length);
    SetText(m_lengthText, Concat3(Tr("Lunghezza: ", "Length: "), units.FormatLengthCm(cm), units.IsMetric() ? " cm" : " ft"));
    return m_lengthText;
}

bool CSessione::Save(const char* name)
{
    if (!name || !*name)
        return true;
    const char* folder = CatchFolder();
    if (!folder || !*folder)
        return false;

    std::string out;
    out.reserve(static_cast<std::size_t>(241 + 12 * m_count));
    PutText(out, m_player[0] ? m_player : "Player Name", sizeof m_player);
    PutText(out, m_venue, sizeof m_venue);
    PutText(out, m_date, sizeof m_date);
    PutText(out, m_startTime, sizeof m_startTime);
    PutText(out, m_endTime, sizeof m_endTime);
    PutValue(out, m_totalWeight);
    PutValue(out, m_biggestWeight);
    PutValue(out, m_longestLength);
    PutValue(out, m_count);
    for (const CatchEntry& c : m_catches) {
        PutValue(out, c.speciesId);
        PutValue(out, c.weight);
        PutValue(out, c.length);
    }
    const std::int32_t place = g_garaLink && g_garaLink->GetPlayerPlace ? g_garaLink->GetPlayerPlace() : 0;
    PutValue(out, place);

    return plat::WriteFileAtomic(plat::JoinPath(folder, std::string(name) + ".kvc"), out);
}

const char* CSessione::MakeFileName(int counter)
{
    static char name[64];
    std::snprintf(name, sizeof name, "CT%s%s%02d", g_Calendario.FormatDateKey(), g_Calendario.FormatTimeKey(), counter);
    return name;
}

bool CSessione::SaveNew()
{
    // Every name of one search shares the clock's date and time; when all
    // hundred are taken nothing is overwritten.
    for (int counter = 0; counter < kNameCounters; ++counter) {
        const char* name = MakeFileName(counter);
        if (!g_GestFile.FileExistsWithExt(CatchFolder(), name, "kvc"))
            return Save(name);
    }
    return false;
}

bool CSessione::Load(const char* fileName)
{
    Clear();
    if (!fileName || !*fileName)
        return true;
    bool tooBig = false;
    std::FILE* f = OpenCatchLog(CatchFolder(), fileName, kMaxFileSize, tooBig);
    if (!f) {
        if (tooBig)
            LogError("Sessione.cpp", Concat2("Catch log holds more than a session can land, not read: ", fileName),
                     __LINE__);
        return false;
    }

    // A header cut short leaves its missing fields cleared.
    unsigned char head[kFileHeaderSize] = {};
    const std::size_t got = std::fread(head, 1, sizeof head, f);
    auto whole = [got](std::size_t offset, std::size_t size) { return offset + size <= got; };
    if (whole(0, 41))
        TakeText(m_player, head + 0, sizeof m_player);
    if (whole(41, 129))
        TakeText(m_venue, head + 41, sizeof m_venue);
    if (whole(170, 17))
        TakeText(m_date, head + 170, sizeof m_date);
    if (whole(187, 17))
        TakeText(m_startTime, head + 187, sizeof m_startTime);
    if (whole(204, 17))
        TakeText(m_endTime, head + 204, sizeof m_endTime);
    if (whole(221, 4))
        m_totalWeight = std::isfinite(GetValue<float>(head + 221)) ? std::clamp(GetValue<float>(head + 221), 0.0f, 1.0e13f)
                                                                   : 0.0f;
    if (whole(225, 4))
        m_biggestWeight = StoredWeight(GetValue<float>(head + 225));
    if (whole(229, 4))
        m_longestLength = StoredLength(GetValue<std::int32_t>(head + 229));
    std::int32_t stored = 0;
    if (whole(233, 4))
        stored = GetValue<std::int32_t>(head + 233);

    // The stored count is a claim, not a promise: entries are taken while
    // whole ones are there, and the place only after all of them.
    bool complete = got == sizeof head;
    for (std::int32_t i = 0; complete && i < stored; ++i) {
        unsigned char entry[12];
        if (std::fread(entry, 1, sizeof entry, f) != sizeof entry) {
            complete = false;
            break;
        }
        AddCatch(GetValue<std::int32_t>(entry), StoredWeight(GetValue<float>(entry + 4)),
                 StoredLength(GetValue<std::int32_t>(entry + 8)));
    }
    unsigned char place[4];
    if (complete && std::fread(place, 1, sizeof place, f) == sizeof place)
        m_place = std::clamp(GetValue<std::int32_t>(place), 0, 999);
    std::fclose(f);
    return true;
}

bool CSessione::ReadHeader(const char* fileName, char* player, char* venue, char* date)
{
    if (player)
        std::memset(player, 0, kPlayerMax + 1);
    if (venue)
        std::memset(venue, 0, kVenueMax + 1);
    if (date)
        std::memset(date, 0, kShortTextMax + 1);
    if (!fileName || !*fileName)
        return true;
    // Only the header is read: a log too big to show is still listed by it.
    const char* folder = CatchFolder();
    std::string bytes;
    if (!folder || !*folder || !plat::ReadFileHead(plat::JoinPath(folder, fileName), 187, bytes))
        return false;
    const auto* head = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t got = bytes.size();
    if (player && got >= 41)
        TakeText(player, head + 0, kPlayerMax + 1);
    if (venue && got >= 170)
        TakeText(venue, head + 41, kVenueMax + 1);
    if (date && got >= 187)
        TakeText(date, head + 170, kShortTextMax + 1);
    return true;
}

void CSessione::ListCatches(CListBox& list)
{
    list.Reserve(GetCount());
    for (int i = 0; i < GetCount(); ++i) {
        const std::int32_t row = list.GetCount();
        list.AddItem(i, "", g_Pesci.GetName(unsigned(GetCatch(i).speciesId)), GetWeightText(i));
        list.SetColumn(row, 1, GetLengthText(i));
    }
}

bool CSessione::Delete(const char* fileName)
{
    if (!fileName || !*fileName)
        return true;
    const char* folder = CatchFolder();
    if (!folder || !*folder)
        return false;
    return g_GestFile.RemoveFile(plat::JoinPath(folder, fileName).c_str());
}
