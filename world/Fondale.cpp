#include "world/Fondale.h"

#include "platform/Clock.h"
#include "platform/Files.h"
#include "platform/Random.h"
#include "shell/GestFile.h"
#include "shell/Globals.h"
#include "shell/Utility.h"
#include "world/Luogo.h"
#include "world/Marea.h"
#include "world/SceneLinks.h"

#include <algorithm>
#include <cstring>
#include <string>

KARVELIN_GLOBAL(4) CFondale g_Fondale;

namespace {

constexpr const char* kLogSource = "Fondale";
constexpr int N = CFondale::kCells;

} // namespace

CFondale::CFondale() : m_depthScale(100.0f)
{
    m_path[0] = 0;
    std::memset(m_depths, 0, sizeof m_depths);
    std::memset(m_fish, 0, sizeof m_fish);
    // A bottom exists before any venue is loaded.
    GenerateDefault();
}

void CFondale::TakeBand()
{
    InitScreen();
    const int u = m_screenH / 30;
    m_top = 6 * u;
    m_bottom = 27 * u;
}

void CFondale::Clear()
{
    TakeBand();
    std::memset(m_depths, 0, sizeof m_depths);
    std::memset(m_fish, 0, sizeof m_fish);
    m_depths[0] = plat::Random() % 9 + 90;
    m_depths[N - 1] = plat::Random() % 9 + 90;
    m_depths[(N - 1) * N] = plat::Random() % 9 + 90;
    m_depths[(N - 1) * N + N - 1] = plat::Random() % 9 + 90;
    m_depthScale = 100.0f;
}

void CFondale::Generate(int slope)
{
    Clear();
    const int s = std::clamp(slope, 5, 50);
    m_depths[(N - 1) * N] -= s;
    m_depths[(N - 1) * N + N - 1] -= s;
    FillDepths();
}

// Midpoint displacement over the corners: squares of side 32, 16, ... 2,
// columns of squares left to right, each column top to bottom. The centre
// sinks, the top and left edges sink less than the bottom and right ones,
// so the far water (row 0) stays deep and the bottom rises toward the angler.
void CFondale::FillDepths()
{
    plat::SeedRandom(plat::NowMs());
    for (int h = N / 2; h >= 1; h /= 2) {
        const int side = 2 * h;
        const int a = 1 + int(float(h) / 1.4142f);
        const int e = 2 * h - h / 2;
        for (int cx = 0; cx + side < N; cx += side) {
            for (int cy = 0; cy + side < N; cy += side) {
                int* d = m_depths;
                const int tl = d[cy * N + cx], tr = d[cy * N + cx + side];
                const int bl = d[(cy + side) * N + cx], br = d[(cy + side) * N + cx + side];
                d[(cy + h) * N + cx + h] = (tl + tr + bl + br) / 4 - 2 * (plat::Random() % a);
                d[cy * N + cx + h] = (tl + tr) / 2 + plat::Random() % e;
                d[(cy + side) * N + cx + h] = (bl + br) / 2 - plat::Random() % e;
                d[(cy + h) * N + cx] = (tl + bl) / 2 + plat::Random() % e;
                d[(cy + h) * N + cx + side] = (tr + br) / 2 - plat::Random() % e;
            }
        }
    }
    for (int& v : m_depths)
        if (v < 1)
            v = 1;
}

void CFondale::PlaceFishZones(int n)
{
    for (int k = 0; k < n; ++k) {
        const int c = plat::Random() % N;
        const int r = plat::Random() % N;
        for (int dc = 0; dc < 5; ++dc)
            for (int dr = 0; dr < 5; ++dr)
                m_fish[std::min(c + dc, N - 1) * N + std::min(r + dr, N - 1)] = 1;
        const int sc = plat::Random() % N;
        const int sr = plat::Random() % N;
        m_fish[sc * N + sr] = 1;
    }
    for (int c = 0; c < N; ++c)
        for (int r = 0; r < 3; ++r)
            m_fish[c * N + r] = plat::Random() % 100 < 80 ? 1 : 0;
}

void CFondale::MoveFishCell()
{
    const int c = plat::Random() % N;
    const int r = plat::Random() % N;
    if (!m_fish[c * N + r])
        return;
    const int c2 = c + 1 - plat::Random() % 3;
    const int r2 = r + 1 - plat::Random() % 3;
    if (c2 < 0 || c2 >= N || r2 < 0 || r2 >= N || m_fish[c2 * N + r2])
        return;
    m_fish[c * N + r] = 0;
    m_fish[c2 * N + r2] = 1;
}

const char* CFondale::GetDepthFilePath(const char* venueId)
{
    m_path[0] = 0;
    // A venue's id is a file name of its folder: one holding a separator
    // (a backslash reads as one) would put its bottom in a subfolder, which
    // may lead anywhere.
    if (!venueId || !*venueId || std::strpbrk(venueId, "/\\"))
        return m_path;
    std::string base = venueId;
    const std::size_t dot = base.rfind('.');
    if (dot != std::string::npos)
        base.erase(dot);
    const std::string path = plat::JoinPath(g_GestFile.GetDataSubfolder(CGestFile::D_LUOGHI), base + ".kvf");
    // A path that does not fit would name another file: none is used.
    if (path.size() < sizeof m_path)
        CopyString(m_path, path.c_str(), int(sizeof m_path) - 1);
    return m_path;
}

bool CFondale::LoadDepths(const char* venueId)
{
    Clear();
    if (!venueId || !*venueId)
        return true;
    const char* path = GetDepthFilePath(venueId);
    if (!path[0])
        return false;
    std::string head;
    if (!plat::ReadFileHead(path, kFileBytes, head))
        return false;
    const auto* bytes = reinterpret_cast<const unsigned char*>(head.data());
    // A short file would leave part of the grid at 0: the caller generates
    // a bottom instead, as for a missing file.
    if (head.size() != std::size_t(kFileBytes)) {
        LogError(kLogSource, Concat2("Bottom file too short, ignored: ", path), __LINE__);
        Clear();
        return false;
    }
    bool clamped = false;
    for (int i = 0; i < N * N; ++i) {
        const std::uint32_t u = std::uint32_t(bytes[4 * i]) | std::uint32_t(bytes[4 * i + 1]) << 8 |
                                std::uint32_t(bytes[4 * i + 2]) << 16 | std::uint32_t(bytes[4 * i + 3]) << 24;
        const std::int32_t v = std::int32_t(u);
        // 0 stays 0: a zero cell still asks for a fresh bottom when it is fished.
        const std::int32_t c = std::clamp(v, 0, kMaxDepthValue);
        clamped |= c != v;
        m_depths[i] = c;
    }
    if (clamped)
        LogError(kLogSource, Concat2("Bottom values out of range were clamped: ", path), __LINE__);
    return true;
}

bool CFondale::SaveDepths(const char* venueId)
{
    if (!venueId || !*venueId)
        return true;
    const char* path = GetDepthFilePath(venueId);
    if (!path[0])
        return false;
    std::string bytes(kFileBytes, '\0');
    for (int i = 0; i < N * N; ++i) {
        const std::uint32_t u = std::uint32_t(m_depths[i]);
        for (int b = 0; b < 4; ++b)
            bytes[std::size_t(4 * i + b)] = char((u >> (8 * b)) & 0xFF);
    }
    return plat::WriteFileAtomic(plat::ResolvePath(path), bytes);
}

// Before the screen size is known the width and band are 0: every point
// lies in cell 0.
int CFondale::ColumnOfX(int x) const
{
    if (m_screenW <= 0)
        return 0;
    return std::clamp(int(static_cast<long long>(x) * 32 / m_screenW), 0, 32);
}

int CFondale::XOfColumn(int column) const { return m_screenW * column / 32; }

int CFondale::RowOfY(int y) const
{
    const int band = m_bottom - m_top;
    if (band <= 0)
        return 0;
    return std::clamp(int(static_cast<long long>(y - m_top) * 32 / band), 0, 32);
}

int CFondale::YOfRow(int row) const { return (m_bottom - m_top) * row / 32 + m_top; }

int CFondale::GetCellDepth(int column, int row) const
{
    if (column < 0 || column > 32 || row < 0 || row > 32)
        return -1;
    return m_depths[row * N + column];
}

bool CFondale::IsFishCell(int column, int row) const
{
    if (column < 0 || column > 32 || row < 0 || row > 32)
        return false;
    return m_fish[column * N + row] != 0;
}

int CFondale::GetDepthAt(int x, int y)
{
    if (m_screenW <= 0 || m_top >= m_bottom)
        TakeBand();
    x = std::clamp(x, 0, std::max(0, m_screenW));
    y = std::clamp(y, m_top, std::max(m_top, m_bottom));
    const int v = GetCellDepth(ColumnOfX(x), RowOfY(y));
    const LuogoRecord& venue = g_Luogo.Record();
    if (m_depthScale < 0.5f) {
        m_depthScale = float(venue.PROFONDITA) / 100.0f;
        if (m_depthScale == 0.0f)
            m_depthScale = 100.0f;
    }
    float result = float(v) * m_depthScale;
    if (v == 0) {
        // No bottom yet: make one, but only the depths. The session's fish
        // cells stay where they are.
        std::uint8_t fish[N * N];
        std::memcpy(fish, m_fish, sizeof fish);
        Generate(venue.PENDENZA);
        std::memcpy(m_fish, fish, sizeof fish);
        m_depthScale = float(venue.PROFONDITA) / 100.0f;
        result = 0.0f;
    }
    if (venue.TIPO == 2)
        result += float(g_Marea.GetTideLevel());
    return int(result);
}

bool CFondale::IsFishNear(int x, int y, int radius) const
{
    if (m_screenW <= 0 || m_top >= m_bottom || radius < 0)
        return false;
    x = std::clamp(x, 0, m_screenW);
    y = std::clamp(y, m_top, m_bottom);
    const int c = ColumnOfX(x), r = RowOfY(y);
    for (int dc = -radius; dc <= radius; ++dc)
        for (int dr = -radius; dr <= radius; ++dr)
            if (IsFishCell(c + dc, r + dr))
                return true;
    return false;
}

bool CFondale::CanSpawnAtRig() const
{
    const RigLink* rig = GetRigLink();
    int x = 0, y = 0;
    if (!rig || !rig->GetRigPoint || !rig->GetRigPoint(x, y))
        return false;
    const bool floatMounted = rig->IsFloatMounted && rig->IsFloatMounted();
    if (!floatMounted) {
        if (rig->GetRodType && rig->GetRodType() == 2)
            return true;
        return IsFishNear(x, y, 1);
    }
    return IsFishNear(x, y, 0);
}

int CFondale::CountFishCells() const
{
    int n = 0;
    for (std::uint8_t f : m_fish)
        n += f != 0;
    return n;
}
