#pragma once
// CPastura: the groundbait. The catalogue of groundbaits (one built in, then
// the groundbait files of both folders), the one the player has chosen, and
// a 33 x 33 grid over the water band remembering where groundbait lies,
// which one and for how many seconds it still works. The fish spawn asks it
// whether the groundbait under the float attracts a species.
//
// It owns no device object and draws nothing: a throw shows as a big ring
// on the water and a splash, and the grid itself stays unseen.
#include "shell/Oggetto.h"
#include "simulation/tackle/TackleFile.h"

#include <cstdint>
#include <vector>

namespace plat {
class Device;
}

struct PasturaRecord : TackleHead {
    std::int32_t duration;     // seconds the groundbait works, 0..3600
    std::int32_t attracts[130]; // 1 when the groundbait attracts that species
};

class CPastura : public COggetto {
public:
    static constexpr int kGridSize = 33;
    static constexpr int kDecayMs = 5000;
    static constexpr int kDecaySeconds = 5;

    struct Cell {
        std::int32_t groundbait; // catalogue index, -1 for none
        std::int32_t seconds;    // seconds left
    };

    CPastura();

    // The session's loading: catalogue, screen size, the water band, the
    // decay clock; the selection goes back to the built-in groundbait.
    void Load(plat::Device* dev);
    void LoadFolder(const char* folder);
    void Free();
    void ClearGrid();

    // Throws the selected groundbait at a screen point (the float's).
    void Throw(int x, int y);
    // The decay: every 5 s each cell loses 5 s; a spent cell empties.
    void OnTimer0() override;

    bool Attracts(int x, int y, int species) const;
    // The test at the float's current screen point.
    bool AttractsAtRig(int species) const;

    int GetColumn(int x) const;
    int GetRow(int y) const;
    int GetCell(int column, int row) const;
    int GetCellAt(int x, int y) const;
    // Columns the current carries a throw: 0, 2, 4 or 6, negative upstream.
    int GetCurrentDrift() const;

    int GetCount() const { return int(m_records.size()); }
    const PasturaRecord& GetRecord(int i) const; // out of range: record 0
    const Cell& CellData(int column, int row) const { return m_grid[column][row]; }

    static const TackleKind kKind;

    // Fields, in order, after the COggetto part.
    Cell m_grid[kGridSize][kGridSize]; // [column][row]
    std::vector<PasturaRecord> m_records;
    std::int32_t m_selected; // the baits screen sets it, 0..count-1

private:
    bool HasWaterBand() const { return m_screenW > 0 && m_bottom > m_top; }
};

extern CPastura g_Pastura;
