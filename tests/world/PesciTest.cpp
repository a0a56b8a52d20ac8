#include "world/Pesci.h"
#include "world/PesciData.h"

#include "platform/Random.h"
#include "shell/Opzioni.h"
#include "tests/shell/GfxFixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

// Language and units for one test (the fixture puts the settings back
// afterwards). The catalogue is reloaded so the names follow the language,
// as they would at start-up.
class PesciTest : public gfx_test::GfxTest {
protected:
    void SetUp() override
    {
        GfxTest::SetUp();
        Use(false, 0);
    }
    void Use(bool italian, int units)
    {
        g_Opzioni.italian = italian;
        g_Opzioni.units = units;
        pesci.Load(dev.get());
    }

    CPesci pesci;
};

constexpr unsigned kAgone = 0, kBleak = 1, kBarbel = 3, kCarp = 5, kWels = 43, kEel = 88, kBlackspot = 116,
                   kWhiteMarlin = 127;

TEST_F(PesciTest, AnIndexPastTheEndAnswersWithTheBleak)
{
    EXPECT_STREQ(pesci.GetRecord(130).name, "Bleak");
    EXPECT_EQ(pesci.GetRecord(130).speciesIndex, 1);
    EXPECT_STREQ(pesci.GetName(4000000000u), "Bleak");
    EXPECT_STREQ(pesci.GetKey(130), "");
    Use(true, 0);
    EXPECT_STREQ(pesci.GetRecord(130).name, "Alborella");
}

TEST_F(PesciTest, TheListShowsEverySpeciesByNameAndThePhotoComesFromItsBitmap)
{
    CListBox& list = pesci.List();
    ASSERT_EQ(list.GetCount(), CPesci::kCount);
    std::set<int> ids;
    for (int i = 0; i < list.GetCount(); ++i) {
        const ListItem* row = list.GetItem(i);
        ids.insert(row->id);
        EXPECT_STREQ(row->col0, pesci.GetName(unsigned(row->id)));
        if (i > 0) {
            EXPECT_LE(std::strcmp(list.GetItem(i - 1)->col0, row->col0), 0) << row->col0;
        }
    }
    EXPECT_EQ(ids.size(), size_t(CPesci::kCount));

    EXPECT_FALSE(pesci.LoadPhoto(dev.get(), 130));
    ASSERT_TRUE(pesci.LoadPhoto(dev.get(), kWels));
    dev->BeginScene();
    pesci.Photo().DrawAt(dev.get(), 100, 100);
    dev->EndScene();
    EXPECT_TRUE(AnyInk(110, 110, 270, 210));
}

TEST_F(PesciTest, NamesAreCopiedInTheLanguageSetAtLoadAndTextsFollowTheFlag)
{
    Use(true, 0);
    EXPECT_STREQ(pesci.GetName(kEel), "Anguilla");
    EXPECT_STREQ(pesci.GetBottomText(kEel), "sabbia, fango");
    g_Opzioni.italian = false; // no reload: names stay, formatters switch
    EXPECT_STREQ(pesci.GetName(kEel), "Anguilla");
    EXPECT_STREQ(pesci.GetBottomText(kEel), "sand, mud");
}

TEST_F(PesciTest, WeightLawAndItsTwoTextForms)
{
    const PesceRecord barbel = pesci.GetRecord(kBarbel);
    EXPECT_NEAR(ComputeFishWeight(barbel, 60, false), 6135.9, 0.5);
    EXPECT_STREQ(pesci.GetMaxWeightText(kBarbel), "6.1 Kg");
    EXPECT_FLOAT_EQ(ComputeFishWeight(pesci.GetRecord(kBleak), 20, false), 160.0f);
    EXPECT_STREQ(pesci.GetMaxWeightText(kBleak), "160.00 gr");
    EXPECT_EQ(ComputeFishWeight(barbel, 0, false), 0.0f);
    EXPECT_EQ(ComputeFishWeight(barbel, -5, false), 0.0f);

    struct Case {
        float grams;
        int units;
        const char* text;
    };
    const Case cases[] = {
        {1000.0f, 0, "1000.00 gr"}, // exactly a kilo is still grams
        {1000.5f, 0, "1.0 Kg"},
        {1000.0f, 1, "2.2046 lb"},
        {6136.0f, 1, "13.528 lb"},
    };
    for (const Case& c : cases) {
        g_Opzioni.units = c.units;
        EXPECT_STREQ(CPesci::FormatWeightText(c.grams), c.text) << c.grams << " units " << c.units;
    }
}

TEST_F(PesciTest, RandomPartIsOneDrawBelowThreeTimesK)
{
    const PesceRecord barbel = pesci.GetRecord(kBarbel); // k = 2
    plat::SeedRandom(77);
    const int draw = plat::Random();
    const int next = plat::Random();
    plat::SeedRandom(77);
    const float withRandom = ComputeFishWeight(barbel, 40, true);
    EXPECT_EQ(plat::Random(), next) << "exactly one draw, so later chances keep their sequence";
    const float base = ComputeFishWeight(barbel, 40, false);
    EXPECT_FLOAT_EQ(withRandom, base + draw % 6);

    // Over many draws the random part covers 0 .. 3k - 1 and nothing else.
    bool seen[6] = {};
    plat::SeedRandom(5);
    for (int i = 0; i < 200; ++i) {
        const float extra = ComputeFishWeight(barbel, 40, true) - base;
        ASSERT_GE(extra, 0.0f);
        ASSERT_LT(extra, 6.0f);
        seen[int(extra + 0.5f)] = true;
    }
    for (int part = 0; part < 6; ++part)
        EXPECT_TRUE(seen[part]) << part;
}

TEST_F(PesciTest, ListsKeepSlotOrder)
{
    EXPECT_STREQ(pesci.GetBottomText(kWels), "sand, gravel, grass");
    EXPECT_STREQ(pesci.GetVenueTypeText(kWels), "lake, river or torrent");
    EXPECT_STREQ(pesci.GetBaitsText(kAgone), "maggots, live, spinning lure");
    EXPECT_STREQ(pesci.GetRegionText(kAgone), "Alps, northern Italy, center Italy");
    EXPECT_STREQ(pesci.GetCurrentText(kBarbel), "motionless, slow, medium, fast");
    Use(true, 0);
    EXPECT_STREQ(pesci.GetBottomText(kWels), "sabbia, ghiaia, erba");
    EXPECT_STREQ(pesci.GetVenueTypeText(kEel), "lago, fiume o torrente, mare");

    CPesci unloaded; // defaults only: every list is empty, every code undefined
    EXPECT_STREQ(unloaded.GetBottomText(0), "");
    EXPECT_STREQ(unloaded.GetBaitsText(0), "");
    EXPECT_STREQ(unloaded.GetBiteText(0), "Non definita");
    EXPECT_FALSE(unloaded.LivesInFreshWater(0));
    EXPECT_FALSE(unloaded.LivesInSea(0));
}

TEST_F(PesciTest, DepthTexts)
{
    Use(true, 0);
    EXPECT_STREQ(pesci.GetDepthText(kBlackspot), "sul fondo; oltre 80.00 mt");
    EXPECT_STREQ(pesci.GetDepthText(kAgone), "circa 200cm ");
    EXPECT_STREQ(pesci.GetDepthOverText(kAgone), "");
    EXPECT_STREQ(pesci.GetDepthText(kWhiteMarlin), "tutte");
    EXPECT_STREQ(pesci.GetDepthText(106), "oltre 20.00 mt"); // all depths with a depth over: no kind text
    EXPECT_STREQ(pesci.GetDepthText(kBleak), "in superficie");
    Use(false, 1);
    EXPECT_STREQ(pesci.GetDepthText(kBlackspot), "on depth; under 262.47 ft");
    EXPECT_STREQ(pesci.GetDepthText(kAgone), "approximately 6.562ft ");
}

TEST_F(PesciTest, SingleValueTexts)
{
    EXPECT_STREQ(pesci.GetMinHookText(kWhiteMarlin), "8/0");
    EXPECT_STREQ(pesci.GetMaxHookText(kWhiteMarlin), "5/0");
    EXPECT_STREQ(pesci.GetMinHookText(kAgone), "14");
    EXPECT_STREQ(pesci.GetMaxLineHookText(kWels), "90");
    EXPECT_STREQ(pesci.GetMaxSizeText(kBarbel), "60 cm");
    EXPECT_STREQ(pesci.GetGroundbaitText(kAgone), "with maggots");
    EXPECT_STREQ(pesci.GetBiteText(kAgone), "the floater sinks");
    EXPECT_STREQ(pesci.GetWaterClarityText(kAgone), "clear & cloudy");
    Use(true, 1);
    EXPECT_STREQ(pesci.GetMaxSizeText(kBarbel), "1.969 ft");
    EXPECT_STREQ(pesci.GetGroundbaitText(kBarbel), "con palline di formaggio");
    EXPECT_STREQ(pesci.GetMonthLine(kWels, 8), "Settembre: 100");
    EXPECT_STREQ(pesci.GetPeriodLine(kWels, 4), "Notte: 100");
    EXPECT_EQ(pesci.GetMonthActivity(kAgone, 5), 100);
    EXPECT_EQ(pesci.GetMonthActivity(kAgone, 12), 0); // outside the year
    EXPECT_EQ(pesci.GetPeriodActivity(kAgone, 0), 100);
}

TEST_F(PesciTest, WatersAndLures)
{
    EXPECT_TRUE(pesci.LivesInFreshWater(kEel));
    EXPECT_TRUE(pesci.LivesInSea(kEel));
    EXPECT_TRUE(pesci.LivesInVenueType(kWels, 0));
    EXPECT_TRUE(pesci.LivesInVenueType(kWels, 1));
    EXPECT_FALSE(pesci.LivesInVenueType(kWels, 2));
    EXPECT_TRUE(pesci.LivesInVenueType(kBlackspot, 2));
    EXPECT_FALSE(pesci.LivesInFreshWater(kBlackspot));
    EXPECT_TRUE(pesci.TakesSpinningLure(kAgone));
    EXPECT_FALSE(pesci.TakesSpinningLure(kCarp));
}

TEST_F(PesciTest, KeysTranslateExactly)
{
    EXPECT_EQ(pesci.GetIndex("agone"), 0u);
    EXPECT_EQ(pesci.GetIndex("Agone"), 1u);
    EXPECT_EQ(pesci.GetIndex("verdesca"), 129u);
    EXPECT_EQ(pesci.GetIndex(""), 1u);
    EXPECT_EQ(pesci.GetIndex(nullptr), 1u);
    for (unsigned i = 0; i < CPesci::kCount; ++i)
        EXPECT_EQ(pesci.GetIndex(pesci.GetKey(i)), i) << i;
}

// The catalogue's stated totals, and the shape of every row.
TEST_F(PesciTest, CatalogueTotalsHold)
{
    const std::set<int> zeroExponent = {0,  1,  2,  4,  7,  8,  9,  11, 12, 13, 14, 15, 16, 17, 18,
                                        19, 20, 21, 22, 23, 28, 29, 32, 37, 38, 40, 41, 90, 92, 93};
    auto inFreshBlock = [](int i) {
        return i <= 43 || (i >= 88 && i <= 94) || i == 105 || i == 124 || i == 125;
    };
    int fresh = 0, sea = 0;
    std::map<int, int> depthKinds;
    std::map<std::vector<int>, int> monthPatterns, phasePatterns;
    std::set<std::string> keys;
    std::set<int> photos;
    for (unsigned i = 0; i < CPesci::kCount; ++i) {
        const PesceRecord r = pesci.GetRecord(i);
        SCOPED_TRACE(pesci.GetKey(i));
        EXPECT_EQ(r.speciesIndex, static_cast<int>(i));
        fresh += pesci.LivesInFreshWater(i);
        sea += pesci.LivesInSea(i);
        EXPECT_EQ(pesci.LivesInFreshWater(i), inFreshBlock(static_cast<int>(i)));
        EXPECT_EQ(pesci.LivesInSea(i), !inFreshBlock(static_cast<int>(i)) || i == kEel);
        ++depthKinds[r.depthKind];
        if (i >= 106 && i <= 123) {
            EXPECT_GE(r.depthOver, 1000);
            EXPECT_LE(r.depthOver, 8000);
        } else {
            EXPECT_EQ(r.depthOver, 0);
        }
        EXPECT_EQ(r.weightB == 0.0f, zeroExponent.count(static_cast<int>(i)) == 1);
        EXPECT_TRUE(r.weightC == 0.0f || r.weightC == 10.0f || r.weightC == 95.0f || r.weightC == 5000.0f ||
                    r.weightC == 25000.0f);
        EXPECT_GE(r.weightK, 1);
        EXPECT_LE(r.weightK, 31);
        EXPECT_GE(r.weightB, 0.0f);
        EXPECT_LE(r.weightB, 1.87f);
        EXPECT_GE(r.weightM, 0.01f);
        EXPECT_LE(r.weightM, 2.2f);
        EXPECT_GE(r.minSize, 4);
        EXPECT_LT(r.minSize, r.maxSize);
        EXPECT_LE(r.maxSize, 270);
        EXPECT_GE(r.minHook, -7);
        EXPECT_LE(r.minHook, r.maxHook);
        EXPECT_LE(r.maxHook, 24);
        EXPECT_GE(r.minLineHook, 8);
        EXPECT_LE(r.minLineHook, r.maxLineHook);
        EXPECT_LE(r.maxLineHook, 90);
        EXPECT_TRUE(r.waterClarity >= 0 && r.waterClarity <= 2);
        EXPECT_TRUE(r.groundbaitBase >= 0 && r.groundbaitBase <= 5);
        EXPECT_TRUE(r.biteKind >= 0 && r.biteKind <= 2);
        EXPECT_NE(r.regions[0], -1);
        EXPECT_NE(r.baitFamilies[0], -1);
        EXPECT_NE(r.bottoms[0], -1);
        EXPECT_NE(r.currents[0], -1);
        for (int a : r.monthActivity)
            EXPECT_TRUE(a >= 0 && a <= 100);
        for (int a : r.periodActivity)
            EXPECT_TRUE(a >= 0 && a <= 100);
        ++monthPatterns[std::vector<int>(r.monthActivity, r.monthActivity + 12)];
        ++phasePatterns[std::vector<int>(r.periodActivity, r.periodActivity + 5)];
        EXPECT_TRUE(keys.insert(pesci.GetKey(i)).second) << "duplicate key";
        EXPECT_TRUE(photos.insert(r.photoBitmapId).second) << "shared photo";
        EXPECT_GE(r.photoBitmapId, 184);
        EXPECT_LE(r.photoBitmapId, 418);
    }
    EXPECT_EQ(fresh, 54);
    EXPECT_EQ(sea, 77);
    EXPECT_EQ(depthKinds[0], 110);
    EXPECT_EQ(depthKinds[1], 8);
    EXPECT_EQ(depthKinds[2], 6);
    EXPECT_EQ(depthKinds[100] + depthKinds[150] + depthKinds[200] + depthKinds[300], 6);

    auto mostCommon = [](const std::map<std::vector<int>, int>& patterns, const std::vector<int>& expected) {
        for (const auto& [pattern, count] : patterns) {
            if (pattern != expected) {
                EXPECT_LT(count, patterns.at(expected));
            }
        }
        return patterns.at(expected);
    };
    EXPECT_EQ(mostCommon(monthPatterns, {70, 80, 90, 100, 100, 100, 100, 100, 100, 100, 90, 80}), 21);
    EXPECT_EQ(mostCommon(phasePatterns, {20, 100, 100, 20, 0}), 24);
}

// A row that lists more codes than its record field holds would lose the
// extra codes without a word when the catalogue fills the records.
TEST(PesciData, EveryRowListsNoMoreCodesThanItsFieldHolds)
{
    auto check = [](const SpeciesRow& row) {
        SCOPED_TRACE(row.key);
        EXPECT_LE(row.venues.n, 3);
        EXPECT_LE(row.currents.n, 4);
        EXPECT_LE(row.bottoms.n, 5);
        EXPECT_LE(row.regions.n, 7);
        EXPECT_LE(row.baits.n, 14);
    };
    for (int i = 0; i < kFreshWaterSpeciesCount; ++i)
        check(kFreshWaterSpecies[i]);
    for (int i = 0; i < kSeaSpeciesCount; ++i)
        check(kSeaSpecies[i]);
    EXPECT_EQ(kFreshWaterSpeciesCount + kSeaSpeciesCount, CPesci::kCount);
}

TEST_F(PesciTest, EveryWeightIsPositiveGrowsWithLengthAndIsPlausible)
{
    for (unsigned i = 0; i < CPesci::kCount; ++i) {
        const PesceRecord r = pesci.GetRecord(i);
        SCOPED_TRACE(pesci.GetKey(i));
        float previous = 0.0f;
        for (int length = r.minSize; length <= r.maxSize; ++length) {
            const float w = ComputeFishWeight(r, length, false);
            EXPECT_GT(w, previous) << length << " cm";
            previous = w;
        }
        // Condition factor at full size: grams per cubic centimetre of length,
        // from a slim garfish or scabbardfish to a deep-bodied bream.
        const double top = r.maxSize;
        const double factor = ComputeFishWeight(r, top, false) / (top * top * top);
        EXPECT_GT(factor, 0.0004);
        EXPECT_LT(factor, 0.04);
    }
}

TEST_F(PesciTest, TextsFitTheirFieldsAndAreSingleByte)
{
    for (bool italian : {true, false}) {
        Use(italian, 0);
        for (unsigned i = 0; i < CPesci::kCount; ++i) {
            const PesceRecord r = pesci.GetRecord(i);
            SCOPED_TRACE(pesci.GetKey(i));
            const std::size_t nameLength = std::strlen(r.name);
            const std::size_t descLength = std::strlen(r.description);
            EXPECT_GT(nameLength, 0u);
            EXPECT_GT(descLength, 100u);
            EXPECT_LE(descLength, 512u);
            for (const char* p = r.description; *p; ++p) {
                const unsigned char c = static_cast<unsigned char>(*p);
                // No UTF-8 lead bytes (accents are single Windows-1252 bytes)
                // and no control characters.
                EXPECT_TRUE(c >= 0x20 && c != 0xC3 && c != 0xE2) << "byte " << int(c);
            }
        }
    }
}

} // namespace
