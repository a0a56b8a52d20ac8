#pragma once
// The catalogue of the 130 fish species the game knows. Every record is
// filled from constants when the catalogue loads; nothing is read from a
// file. The species index 0..129 is the key every other part of the game
// uses for a species (venue presence, groundbait flags, spawn, catch logs,
// statistics), so a species never changes its index.
#include "gui/ListBox.h"
#include "shell/SpriteBordo.h"

struct PesceRecord {
    char name[129];         // in the language set when the catalogue loaded
    char description[513];
    int photoBitmapId;
    int speciesIndex;
    int minSize, maxSize;   // centimetres
    int weightK;            // weight law: W = (k * L^b * L + c) * m
    float weightC;
    float weightB;
    float weightM;
    int venueTypes[3];      // 0 river or torrent, 1 lake, 2 sea; -1 = empty slot
    int currents[4];        // 0 motionless, 1 slow, 2 medium, 3 fast
    int bottoms[5];         // 0 grass, 1 sand, 2 mud, 3 gravel, 4 stones
    int waterClarity;       // 0 clear, 1 cloudy, 2 both
    int depthKind;          // 0 bottom, 1 surface, 2 all depths, >= 3 about that many cm
    int depthOver;          // cm beyond which the species is found; 0 = not given
    int groundbaitBase;     // 0..5
    int baitFamilies[14];   // 0..13
    int minHook, maxHook;   // hook number; 0 = 1/0, -1..-7 = 2/0..8/0
    int minLineHook, maxLineHook; // hook-link diameter, hundredths of a mm
    int biteKind;           // 0 decisive pull, 1 nibbles then a pull, 2 float moves sideways
    int monthActivity[12];  // 0..100, January first
    int periodActivity[5];  // 0..100: dawn, morning, afternoon, sunset, night
    int regions[7];         // 0 Alps, 1 Po plain, 2 north, 3 centre, 4 south, 5 Sardinia, 6 Sicily
};

static_assert(sizeof(PesceRecord) == 912, "species records keep their size");

// The weight law shared by the catalogue's texts and the hooked fish:
// W = (k * L^b * L + c) * m grams for a length L > 0 cm, else 0, worked out
// in double precision. With withRandom the fish gets plat::Random() % (3k)
// grams more (nothing when 3k < 1), one draw from the game's generator.
float ComputeFishWeight(const PesceRecord& record, double lengthCm, bool withRandom);

class CPesci {
public:
    static constexpr int kCount = 130;

    CPesci(); // every record holds the defaults until Load

    // Creates the photo and the list, sets the defaults and fills the
    // fresh-water, then the sea records (names and descriptions in the
    // language set at this moment), then lists every species by name.
    void Load(plat::Device* dev);
    void OnLostDevice();
    void OnResetDevice(plat::Device* dev);
    // The one photo sprite shows the species' picture; false above 129.
    bool LoadPhoto(plat::Device* dev, unsigned index);

    CListBox& List() { return m_list; }
    CSpriteBordo& Photo() { return m_photo; }

    // An index above 129 is answered with species 1, like every look-up
    // of a record; GetKey answers "" instead.
    PesceRecord GetRecord(unsigned index) const;
    const char* GetName(unsigned index) const;
    const char* GetDescription(unsigned index) const;
    int GetMonthActivity(unsigned index, int month) const;
    int GetPeriodActivity(unsigned index, int phase) const;
    bool LivesInFreshWater(unsigned index) const;
    bool LivesInSea(unsigned index) const;
    bool LivesInVenueType(unsigned index, int venueType) const;
    bool TakesSpinningLure(unsigned index) const;
    const char* GetKey(unsigned index) const;
    unsigned GetIndex(const char* key) const; // exact, case-sensitive; unknown -> 1

    // Display texts in the language and units set at the moment of the
    // call. Each formatter has its own static buffer (or returns a static
    // text), valid until its next call.
    const char* GetBiteText(unsigned index) const;
    const char* GetWaterClarityText(unsigned index) const;
    const char* GetGroundbaitText(unsigned index) const;
    const char* GetMinHookText(unsigned index) const;
    const char* GetMaxHookText(unsigned index) const;
    const char* GetMinLineHookText(unsigned index) const;
    const char* GetMaxLineHookText(unsigned index) const;
    const char* GetMinSizeText(unsigned index) const;
    const char* GetMaxSizeText(unsigned index) const;
    const char* GetMinWeightText(unsigned index) const;
    const char* GetMaxWeightText(unsigned index) const;
    const char* GetVenueTypeText(unsigned index) const;
    const char* GetCurrentText(unsigned index) const;
    const char* GetBottomText(unsigned index) const;
    const char* GetRegionText(unsigned index) const;
    const char* GetBaitsText(unsigned index) const;
    const char* GetDepthText(unsigned index) const;
    const char* GetDepthOverText(unsigned index) const;
    const char* GetMonthLine(unsigned index, int month) const;
    const char* GetPeriodLine(unsigned index, int phase) const;

    // The weight texts' rule, for any weight in grams: above 1000 g the
    // kilogram form with " Kg" (" lb" imperial), else the gram form with
    // " gr" (" lb" imperial).
    static const char* FormatWeightText(float grams);

private:
    void FillRecords();
    void SetDefaults();
    void FillFreshWater();
    void FillSea();
    const PesceRecord& Rec(unsigned index) const;

    PesceRecord m_records[kCount];
    CListBox m_list;
    CSpriteBordo m_photo;
};

extern CPesci g_Pesci;
