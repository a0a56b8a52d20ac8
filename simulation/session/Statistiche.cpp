#include "simulation/session/Statistiche.h"

#include "platform/Files.h"
#include "shell/GestFile.h"
#include "shell/Globals.h"
#include "shell/Opzioni.h"
#include "shell/Utility.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

KARVELIN_GLOBAL(29) CStatistiche g_Statistiche;

namespace {

// The checksum adds values truncated toward zero. A value with no 32-bit
// truncation (not a number, infinite, too large) cannot be summed: a file
// holding one is damaged.
bool Truncate(float value, std::uint32_t& out)
{
    if (!std::isfinite(value))
        return false;
    const double t = std::trunc(static_cast<double>(value));
    if (t < -2147483648.0 || t > 2147483647.0)
        return false;
    out = static_cast<std::uint32_t>(static_cast<std::int32_t>(t));
    return true;
}

bool SumRecord(const CStatistiche& s, std::uint32_t& sum)
{
    bool ok = true;
    sum = 0;
    auto addFloat = [&](float v) {
        std::uint32_t t = 0;
        if (Truncate(v, t))
            sum += t;
        else
            ok = false;
    };
    addFloat(s.m_fishCount);
    addFloat(s.m_weight);
    addFloat(s.m_minutes);
    for (std::int32_t counter : {s.m_sessions, s.m_tournaments, s.m_firsts, s.m_seconds, s.m_thirds, s.m_tournamentsWithoutCatch})
        sum += static_cast<std::uint32_t>(counter);
    for (const StatCatch& c : s.m_best)
        addFloat(c.weight);
    return ok;
}

template <typename T>
void PutValue(std::string& out, T value)
{
    static_assert(sizeof(T) == 4, "file values are 32-bit");
    char bytes[4];
    std::memcpy(bytes, &value, 4);
    out.append(bytes, 4); // little-endian host
}

template <typename T>
T GetValue(const unsigned char*& at)
{
    T value;
    std::memcpy(&value, at, 4);
    at += 4;
    return value;
}

void PutText(std::string& out, const char* text, std::size_t size)
{
    std::string field(size, '\0');
    const std::size_t n = strnlen(text, size - 1);
    field.replace(0, n, text, n);
    out += field;
}

std::string StatsPath()
{
    const char* folder = g_GestFile.GetUserFolder();
    if (!folder || !*folder)
        return {};
    return plat::JoinPath(folder, CStatistiche::FileName());
}

void EmptySlot(StatCatch& c)
{
    std::memset(&c, 0, sizeof c);
    c.id = -1;
}

} // namespace

CStatistiche::CStatistiche()
{
    Clear();
}

void CStatistiche::Clear()
{
    std::memset(m_name, 0, sizeof m_name);
    m_sessions = m_tournaments = m_firsts = m_seconds = m_thirds = m_tournamentsWithoutCatch = 0;
    m_minutes = m_weight = m_fishCount = 0.0f;
    for (StatCatch& c : m_best)
        EmptySlot(c);
    std::memset(m_catchText, 0, sizeof m_catchText);
}

std::uint32_t CStatistiche::Checksum() const
{
    std::uint32_t sum = 0;
    SumRecord(*this, sum);
    return sum;
}

bool CStatistiche::Load()
{
    const std::string path = StatsPath();
    std::FILE* f = nullptr;
    if (!path.empty())
        f = plat::OpenForReading(path);
    if (!f) {
        Clear();
        CopyString(m_name, g_Opzioni.playerName, kNameMax);
        return false;
    }
    unsigned char bytes[kFileSize];
    const std::size_t got = std::fread(bytes, 1, sizeof bytes, f);
    std::fclose(f);

    Clear();
    if (got != sizeof bytes)
        return false; // cut short: damaged

    const unsigned char* at = bytes;
    std::memcpy(m_name, at, sizeof m_name);
    m_name[kNameMax] = '\0'; // the name is outside the checksum: never trust its end
    at += sizeof m_name;
    m_sessions = GetValue<std::int32_t>(at);
    m_tournaments = GetValue<std::int32_t>(at);
    m_firsts = GetValue<std::int32_t>(at);
    m_seconds = GetValue<std::int32_t>(at);
    m_thirds = GetValue<std::int32_t>(at);
    m_tournamentsWithoutCatch = GetValue<std::int32_t>(at);
    m_minutes = GetValue<float>(at);
    m_weight = GetValue<float>(at);
    m_fishCount = GetValue<float>(at);
    for (StatCatch& c : m_best) {
        c.id = GetValue<std::int32_t>(at);
        std::memcpy(c.name, at, sizeof c.name);
        c.name[kCatchNameMax] = '\0';
        at += sizeof c.name + sizeof c.reserved;
        c.weight = GetValue<float>(at);
    }
    const std::uint32_t stored = GetValue<std::uint32_t>(at);

    std::uint32_t sum = 0;
    if (!SumRecord(*this, sum) || sum != stored) {
        Clear();
        return false;
    }
    // A file that sums right may still hold what no play gives: numbers
    // are kept where adding a session stays defined, and the best catches
    // are put back in order, which every later catch relies on.
    for (std::int32_t* counter : {&m_sessions, &m_tournaments, &m_firsts, &m_seconds, &m_thirds,
                                  &m_tournamentsWithoutCatch})
        *counter = std::clamp(*counter, 0, kMaxCount);
    for (float* total : {&m_minutes, &m_weight, &m_fishCount})
        *total = std::clamp(*total, 0.0f, kMaxTotal);
    for (StatCatch& c : m_best) {
        if (c.id < -1 || c.id > 129)
            EmptySlot(c);
        c.weight = std::clamp(c.weight, 0.0f, kMaxTotal);
        std::memset(c.reserved, 0, sizeof c.reserved);
    }
    // Used slots first, as AddCatch fills them, then ascending by weight.
    std::stable_partition(std::begin(m_best), std::end(m_best), [](const StatCatch& c) { return c.id != -1; });
    SortCatches();
    return true;
}

void CStatistiche::AddSession(float minutes, float weight, int fish)
{
    // Every sum saturates: a record near its limits keeps saving to a file
    // its loader accepts, instead of losing the whole record.
    m_sessions = m_sessions < kMaxCount ? m_sessions + 1 : kMaxCount;
    m_minutes = std::clamp(m_minutes + std::max(minutes, 0.0f), 0.0f, kMaxTotal);
    m_weight = std::clamp(m_weight + std::max(weight, 0.0f), 0.0f, kMaxTotal);
    m_fishCount = std::clamp(m_fishCount + float(std::max(fish, 0)), 0.0f, kMaxTotal);
}

void CStatistiche::AddToCounter(std::int32_t& counter)
{
    if (counter < kMaxCount)
        ++counter;
}

bool CStatistiche::Save()
{
    // Saturated before writing, so whatever the record holds saves to a
    // file whose checksum the loader can add up.
    for (std::int32_t* counter : {&m_sessions, &m_tournaments, &m_firsts, &m_seconds, &m_thirds,
                                  &m_tournamentsWithoutCatch})
        *counter = std::clamp(*counter, 0, kMaxCount);
    for (float* total : {&m_minutes, &m_weight, &m_fishCount, &m_best[0].weight, &m_best[1].weight,
                         &m_best[2].weight, &m_best[3].weight, &m_best[4].weight})
        *total = std::isfinite(*total) ? std::clamp(*total, 0.0f, kMaxTotal) : 0.0f;
    std::string out;
    out.reserve(kFileSize);
    PutText(out, m_name[0] ? m_name : "ND", sizeof m_name);
    for (std::int32_t counter : {m_sessions, m_tournaments, m_firsts, m_seconds, m_thirds, m_tournamentsWithoutCatch})
        PutValue(out, counter);
    PutValue(out, m_minutes);
    PutValue(out, m_weight);
    PutValue(out, m_fishCount);
    for (const StatCatch& c : m_best) {
        PutValue(out, c.id);
        PutText(out, c.name, sizeof c.name);
        out.append(sizeof c.reserved, '\0');
        PutValue(out, c.weight);
    }
    PutValue(out, Checksum());

    const std::string path = StatsPath();
    errno = 0;
    if (!path.empty() && plat::WriteFileAtomic(path, out))
        return true;
    const int error = errno;
    char message[96];
    std::snprintf(message, sizeof message, "Error saving file karvelin.sta. Err: %d", error);
    LogError("CStatistiche::Save", message, 240);
    return false;
}

bool CStatistiche::Reset()
{
    const std::string path = StatsPath();
    if (path.empty())
        return false;
    // The player asked for a clear record: a file already gone is as good
    // as deleted.
    if (plat::PathExists(plat::ResolvePath(path)) && !g_GestFile.RemoveFile(path.c_str()))
        return false;
    Clear();
    CopyString(m_name, g_Opzioni.playerName, kNameMax);
    return true;
}

void CStatistiche::AddCatch(int speciesId, const char* name, float weight)
{
    for (int i = 0; i < kBest; ++i) {
        if (m_best[i].id == -1) {
            SetCatch(speciesId, name, weight, i);
            SortCatches();
            return;
        }
    }
    if (weight > m_best[0].weight) {
        SetCatch(speciesId, name, weight, 0);
        SortCatches();
    }
}

void CStatistiche::SetCatch(int speciesId, const char* name, float weight, int slot)
{
    if (slot < 0 || slot >= kBest)
        return;
    StatCatch& c = m_best[slot];
    std::memset(c.name, 0, sizeof c.name);
    std::memset(c.reserved, 0, sizeof c.reserved);
    c.id = speciesId;
    CopyString(c.name, name ? name : "", kCatchNameMax);
    c.weight = weight;
}

const char* CStatistiche::GetCatchText(int slot)
{
    if (slot < 0 || slot >= kBest || m_best[slot].id == -1) {
        CopyString(m_catchText, "-", 8192);
        return m_catchText;
    }
    CConvUnita units;
    const StatCatch& c = m_best[slot];
    std::snprintf(m_catchText, sizeof m_catchText, "%s%s%s%s", c.name, Tr(" di ", ": "),
                  units.FormatWeightGrams(c.weight), units.IsMetric() ? " gr" : " lb");
    return m_catchText;
}

void CStatistiche::SortCatches()
{
    for (int i = 0; i < kBest; ++i) {
        for (int j = i; j < kBest; ++j) {
            if (m_best[i].id != -1 && m_best[j].id != -1 && m_best[i].weight > m_best[j].weight) {
                const StatCatch t = m_best[i];
                m_best[i] = m_best[j];
                m_best[j] = t;
            }
        }
    }
}
