#include "simulation/tackle/Filo.h"

#include "shell/Utility.h"

#include <cstring>

namespace {

struct Anchor {
    int diameter;
    float load[4]; // 0 marks no anchor (kind 0 at 0.25 mm)
};

// Breaking loads in grams measured at these diameters; between them a line
// holds what the thinner anchor holds.
constexpr Anchor kAnchors[] = {
    {0, {100, 100, 100, 120}},         {1, {100, 100, 100, 120}},         {2, {100, 200, 200, 220}},
    {3, {200, 300, 400, 420}},         {4, {300, 400, 600, 630}},         {5, {400, 600, 800, 830}},
    {6, {500, 800, 1000, 1050}},       {7, {700, 1000, 1200, 1250}},      {8, {1000, 1400, 1500, 1550}},
    {9, {1200, 1600, 1800, 1850}},     {10, {1400, 1900, 2100, 2150}},    {11, {1700, 2200, 2400, 2460}},
    {12, {2100, 2400, 2600, 2660}},    {13, {2300, 2600, 2800, 2860}},    {14, {2500, 2800, 3000, 3060}},
    {15, {2900, 3100, 3300, 3360}},    {16, {3200, 3400, 3600, 3660}},    {17, {3600, 3800, 4000, 4060}},
    {18, {3900, 4100, 4400, 4470}},    {19, {4400, 4600, 4800, 4870}},    {20, {5000, 5100, 5200, 5270}},
    {21, {5500, 5600, 6000, 6070}},    {22, {6100, 6100, 6800, 6880}},    {23, {6500, 6500, 7400, 7480}},
    {24, {6900, 7000, 8100, 8180}},    {25, {0, 7400, 8700, 8780}},       {26, {7800, 7900, 9100, 9180}},
    {27, {8200, 8400, 9400, 9490}},    {28, {8700, 8900, 9800, 9890}},    {29, {9300, 9600, 11400, 11490}},
    {30, {10000, 10300, 13000, 13090}}, {35, {10900, 12400, 13800, 13890}}, {40, {12100, 13700, 15300, 15390}},
    {45, {13700, 15400, 17200, 17300}}, {50, {16700, 18900, 21000, 21100}}, {60, {25500, 28800, 32200, 32330}},
    {70, {30700, 34800, 38800, 38960}}, {80, {39700, 44900, 50200, 50500}}, {90, {45300, 50800, 52900, 53600}},
};

constexpr float kColourTable[CFilo::kColours][3] = {
    {0.7f, 0.7f, 0.7f},   {0.8f, 0.8f, 0.4f}, {0.0f, 0.66f, 0.37f}, {0.0f, 0.41f, 0.22f}, {0.6f, 0.2f, 0.3f},
    {0.22f, 0.22f, 0.5f}, {0.39f, 0.39f, 0.39f}, {0.5f, 0.0f, 0.5f}, {0.0f, 0.99f, 0.0f}, {0.99f, 0.5f, 0.25f},
    {0.82f, 0.0f, 0.0f},  {0.8f, 0.99f, 0.99f}, {0.99f, 0.8f, 0.8f},
};

} // namespace

CFilo::CFilo() { Init(); }

void CFilo::Init()
{
    m_colour = 0;
    for (int i = 0; i < kColours; ++i) {
        for (int c = 0; c < 3; ++c)
            m_colours[i][c] = kColourTable[i][c];
        m_colours[i][3] = 0.4f;
    }
    m_diameter = 14;
    m_kind = 0;
    BuildLoadTable();
}

void CFilo::BuildLoadTable()
{
    std::memset(m_load, 0, sizeof m_load);
    for (const Anchor& a : kAnchors)
        for (int k = 0; k < kKinds; ++k)
            m_load[k][a.diameter] = a.load[k];
    for (int d = 1; d <= kMaxDiameter; ++d)
        for (int k = 0; k < kKinds; ++k)
            if (m_load[k][d] == 0.0f)
                m_load[k][d] = m_load[k][d - 1];
}

void CFilo::SetDiameter(int hundredths) { m_diameter = hundredths < 6 ? 6 : hundredths > 90 ? 90 : hundredths; }

float CFilo::GetLoad() const
{
    const int k = m_kind >= 0 && m_kind < kKinds ? m_kind : 0;
    const int d = m_diameter < 0 ? 0 : m_diameter > kMaxDiameter ? kMaxDiameter : m_diameter;
    return m_load[k][d];
}

const char* CFilo::FormatLoad() const
{
    CConvUnita units;
    return Concat2(units.FormatWeightKg(GetLoad()), units.IsMetric() ? " Kg" : " lb");
}

const char* CFilo::GetKindLabel(int kind)
{
    switch (kind) {
    case 0: return Tr("Carico di rottura basso", "workload low");
    case 1: return Tr("Carico di rottura medio", "workload medium");
    case 2: return Tr("Carico di rottura alto", "workload high");
    case 3: return Tr("Acciaio", "steel");
    default: return "";
    }
}

const char* CFilo::GetKindDescription(int kind)
{
    switch (kind) {
    case 0:
        return Tr("Filo con carico di rottura basso, invisibile in acqua.\nValore di rottura: ",
                  "Line with a small workload, invisible in water.\nWorkload: ");
    case 1:
        return Tr("Filo con carico di rottura medio, poco visibile in acqua.\nValore di rottura: ",
                  "Line with a medium workload, inconspicuous in water.\nWorkload: ");
    case 2:
        return Tr("Filo con carico di rottura alto, abbastanza visibile in acqua.\nValore di rottura: ",
                  "Line with a high workload, highly visible in water.\nWorkload: ");
    case 3: return Tr("Filo in acciaio, per grosse prede.\nValore di rottura: ", "Steel line for big fishes.\nWorkload: ");
    default: return "";
    }
}

const char* CFilo::GetColourName(int colour)
{
    static const char* const kNames[kColours][2] = {
        {"Neutro", "Neutral"}, {"Giallo", "Yellow"},   {"Verde chiaro", "Light Green"}, {"Verde scuro", "Dark Green"},
        {"Marrone", "Brown"},  {"Blu", "Blue"},        {"Nero", "Black"},               {"Viola", "Purple"},
        {"Verde flu.", "Fluorescent Green"}, {"Arancione", "Orange"}, {"Rosso", "Red"}, {"Celeste", "Light Blue"},
        {"Rosa", "Pink"},
    };
    if (colour < 0 || colour >= kColours)
        return "";
    return Tr(kNames[colour][0], kNames[colour][1]);
}
