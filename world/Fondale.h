#pragma once
// The bottom of the current venue: a 33 x 33 grid of depth values laid over
// the water band of the scene, and a 33 x 33 map of fish cells, where the
// fish are. A bottom is generated from the venue's slope or read from the
// venue's bottom file in the user's venue folder; the fish cells are
// scattered at every session start and drift while fishing.
#include "shell/Oggetto.h"

#include <cstdint>

class CFondale : public COggetto {
public:
    static constexpr int kCells = 33;
    static constexpr int kFileBytes = kCells * kCells * 4;
    // Depth values beyond this are not a bottom anyone could fish.
    static constexpr int kMaxDepthValue = 10000;

    CFondale();

    void Clear();
    void Generate(int slope);
    void GenerateDefault() { Generate(20); }
    void PlaceFishZones(int n);
    void MoveFishCell();
    bool LoadDepths(const char* venueId);
    bool SaveDepths(const char* venueId);
    const char* GetDepthFilePath(const char* venueId);

    int ColumnOfX(int x) const;
    int XOfColumn(int column) const;
    int RowOfY(int y) const;
    int YOfRow(int row) const;
    int GetCellDepth(int column, int row) const;
    bool IsFishCell(int column, int row) const;
    int GetDepthAt(int x, int y);
    bool IsFishNear(int x, int y, int radius) const;
    bool CanSpawnAtRig() const;

    void SetDepthScale(float scale) { m_depthScale = scale; }
    float GetDepthScale() const { return m_depthScale; }
    int CountFishCells() const;
    // Test and tool access to single cells.
    void SetCellDepth(int column, int row, int value) { m_depths[row * kCells + column] = value; }
    void SetFishCell(int column, int row, bool on) { m_fish[column * kCells + row] = on ? 1 : 0; }

    // Fields, in order.
    char m_path[648];
    std::int32_t m_depths[kCells * kCells]; // row * 33 + column
    std::uint8_t m_fish[kCells * kCells];   // column * 33 + row
    float m_depthScale;

private:
    void TakeBand();
    void FillDepths();
};

extern CFondale g_Fondale;
