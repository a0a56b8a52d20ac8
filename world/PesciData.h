#pragma once
// The constant rows the species catalogue is filled from, one per species,
// kept in two blocks: fresh-water species and sea species. Only the catalogue
// reads them.
#include <initializer_list>

// A multi-slot field: the codes in the order they are listed, the rest -1.
// n counts every listed code, also any that found no slot.
struct SpeciesCodes {
    int v[14];
    int n;
    constexpr SpeciesCodes(std::initializer_list<int> codes) : v{}, n(0)
    {
        for (int& slot : v)
            slot = -1;
        for (int code : codes) {
            if (n < 14)
                v[n] = code;
            ++n;
        }
    }
};

struct SpeciesRow {
    int index;
    const char* key;
    const char* nameIt;
    const char* nameEn;
    int photo;
    int minSize, maxSize;      // cm
    int k;                     // weight law W = (k * L^b * L + c) * m
    float c, b, m;
    SpeciesCodes venues;       // 0 river, 1 lake, 2 sea
    SpeciesCodes currents;     // 0 motionless .. 3 fast
    SpeciesCodes bottoms;      // 0 grass, 1 sand, 2 mud, 3 gravel, 4 stones
    int clarity;               // 0 clear, 1 cloudy, 2 both
    int depthKind;             // 0 bottom, 1 surface, 2 all, >= 3 cm
    int depthOver;             // cm, 0 = not given
    int groundbait;            // 0..5
    SpeciesCodes baits;        // 0..13
    int minHook, maxHook;
    int minLine, maxLine;      // hundredths of a mm
    int bite;
    int months[12];
    int phases[5];             // dawn, morning, afternoon, sunset, night
    SpeciesCodes regions;      // 0..6
    const char* descIt;        // Windows-1252, at most 512 characters
    const char* descEn;
};

extern const SpeciesRow kFreshWaterSpecies[];
extern const int kFreshWaterSpeciesCount;
extern const SpeciesRow kSeaSpecies[];
extern const int kSeaSpeciesCount;
