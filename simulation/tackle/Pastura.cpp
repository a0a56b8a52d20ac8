#include "simulation/tackle/Pastura.h"

#include "platform/Random.h"
#include "shell/Globals.h"
#include "shell/SoundPlayer.h"
#include "shell/Utility.h"
#include "simulation/tackle/CannaPesca.h"
#include "simulation/tackle/Cerchi.h"
#include "world/Luogo.h"

#include <algorithm>
#include <cstring>

KARVELIN_GLOBAL(23) CPastura g_Pastura;

const TackleKind CPastura::kKind = {"PASTURA",           "kvt", CGestFile::P_PASTURE, CGestFile::D_PASTURE,
                                    "Pastura generica", "Generic groundbait", false};

namespace {

constexpr int kBleak = 1;

} // namespace

CPastura::CPastura() : m_selected(0) { Free(); }

void CPastura::Free()
{
    m_records.clear();
    ClearGrid();
    m_selected = 0;
}

void CPastura::ClearGrid()
{
    for (auto& column : m_grid)
        for (Cell& c : column)
            c = {-1, 0};
}

void CPastura::Load(plat::Device*)
{
    Free();
    InitScreen();
    m_timer[0].interval = kDecayMs;
    const int u = GetScreenHeight() / 30;
    m_top = 6 * u;
    m_bottom = 27 * u;

    PasturaRecord r{};
    CopyTackleText(r.name, Tr("Pastura Alborelle", "Groundbait Bleak"), 128);
    CopyTackleText(r.description,
                   Tr("Pastura a grana fine di colore nocciola con crisalide, biscotto e latte. Eccezzionale per le "
                      "alborelle.",
                      "Multi purpose groundbait. Medium grained, sweet tasted and of light colour. Ideal for bleak."),
                   512);
    CopyTackleText(r.id, "INTERNAL_0", 128);
    r.duration = 300;
    r.attracts[kBleak] = 1;
    m_records.push_back(r);

    LoadFolder(g_GestFile.GetProgramSubfolder(kKind.programFolder));
    LoadFolder(g_GestFile.GetDataSubfolder(kKind.dataFolder));
    m_selected = 0;
}

void CPastura::LoadFolder(const char* folder)
{
    LoadTackleFolder(folder, kKind, m_records, [](const CIniText& f, PasturaRecord& r) {
        r.duration = ReadTackleInt(f, kKind, r.id, "SECONDI", 300, 0, 3600);
        // Fresh water first, sea last: the eel, keyed in both, takes its
        // flag from the sea section.
        for (int section = 0; section < 2; ++section) {
            int count = 0;
            const PresenceKey* keys = PresenceKeys(section, count);
            for (int k = 0; k < count; ++k) {
                const int v = f.ReadInt(PresenceSectionName(section), keys[k].key, 0);
                r.attracts[keys[k].species] = v < 0 ? 0 : v > 1 ? 1 : v;
            }
        }
    });
}

const PasturaRecord& CPastura::GetRecord(int i) const
{
    static const PasturaRecord kNone{};
    if (m_records.empty())
        return kNone;
    return m_records[std::size_t(i >= 0 && i < GetCount() ? i : 0)];
}

int CPastura::GetCurrentDrift() const { return 2 * g_Luogo.GetSignedCurrent(); }

int CPastura::GetColumn(int x) const
{
    if (m_screenW <= 0)
        return -1;
    return int(static_cast<long long>(x) * 32 / m_screenW);
}

int CPastura::GetRow(int y) const
{
    if (m_bottom <= m_top)
        return -1;
    return int(static_cast<long long>(y - m_top) * 32 / (m_bottom - m_top));
}

int CPastura::GetCell(int column, int row) const
{
    if (column < 0 || column >= kGridSize || row < 0 || row >= kGridSize)
        return -1;
    const Cell& c = m_grid[column][row];
    return c.seconds < 1 ? -1 : c.groundbait;
}

int CPastura::GetCellAt(int x, int y) const
{
    if (!HasWaterBand())
        return -1;
    return GetCell(GetColumn(x), GetRow(y));
}

void CPastura::Throw(int x, int y)
{
    // Before loading there is neither a water band nor a groundbait.
    if (!HasWaterBand() || m_records.empty())
        return;
    const int c = GetColumn(x);
    const int r = GetRow(y);
    const int d = GetCurrentDrift();
    const int index = std::clamp(m_selected, 0, GetCount() - 1);
    const int seconds = m_records[std::size_t(index)].duration;
    for (int row = r - 1; row <= r + 1; ++row)
        for (int col = c + d - 2; col <= c + d + 2; ++col)
            m_grid[std::clamp(col, 0, kGridSize - 1)][std::clamp(row, 0, kGridSize - 1)] = {index, seconds};

    int dx = plat::Random() % 20 + 6;
    if (plat::Random() % 100 > 50)
        dx = -dx;
    int dy = plat::Random() % 10 + 6;
    if (plat::Random() % 100 > 50)
        dy = -dy;
    g_GestCerchi.SpawnBig(x + dx, y + dy, true);
    g_SndPlayer.splash1.Play();
}

void CPastura::OnTimer0()
{
    for (auto& column : m_grid)
        for (Cell& c : column) {
            if (c.groundbait < 0)
                continue;
            c.seconds -= kDecaySeconds;
            if (c.seconds < 1)
                c = {-1, 0};
        }
}

bool CPastura::Attracts(int x, int y, int species) const
{
    const int g = GetCellAt(x, y);
    // A species outside the catalogue, or a cell naming a groundbait the
    // catalogue no longer holds, attracts nothing.
    if (g < 0 || g >= GetCount() || species < 0 || species >= 130)
        return false;
    return m_records[std::size_t(g)].attracts[species] == 1;
}

bool CPastura::AttractsAtRig(int species) const
{
    const CGalleggiante& f = g_CannaPesca.m_galleggiante;
    return Attracts(f.GetX(), f.GetY(), species);
}
