#include "world/Luogo.h"

#include "platform/Files.h"
#include "platform/Random.h"
#include "tests/support/LanguageGuard.h"
#include "tests/world/WorldFixture.h"
#include "world/Fondale.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

namespace {

using world_test::WorldTest;

// A venue file with the given keys after a fixed type line.
std::string Venue(const std::string& keys, int type = 0) { return "[LUOGO]\r\nTIPO=" + std::to_string(type) + "\r\n" + keys; }

class LuogoTest : public WorldTest {
protected:
    const LuogoRecord& Load(const std::string& keys, int type = 0)
    {
        WriteVenue("v.kvl", Venue(keys, type));
        g_Luogo.LoadVenue(VenueFolder().c_str(), "v.kvl");
        return g_Luogo.Record();
    }
    std::string LoadLog(const std::string& keys, int type = 0)
    {
        const std::string before = ErrorLog();
        Load(keys, type);
        return ErrorLog().substr(before.size());
    }
};

TEST_F(LuogoTest, NumbersAreClampedAndDefaulted)
{
    struct Case {
        const char* keys;
        int depth, slope, metres;
    };
    const Case cases[] = {
        {"PROFONDITA=20\r\n", 50, 20, 40},
        {"PROFONDITA=20000\r\nPENDENZA=1\r\nMAX_METRI=99\r\n", 10000, 5, 70},
        {"PROFONDITA=-99999999999\r\nPENDENZA=abc\r\n", 50, 5, 40},
        {"PENDENZA=60\r\nMAX_METRI=10\r\n", 100, 50, 20},
    };
    for (const Case& c : cases) {
        const LuogoRecord& r = Load(c.keys);
        EXPECT_EQ(r.PROFONDITA, c.depth) << c.keys;
        EXPECT_EQ(r.PENDENZA, c.slope) << c.keys;
        EXPECT_EQ(r.MAX_METRI, c.metres) << c.keys;
    }
    CLuogo fresh;
    EXPECT_EQ(fresh.Record().MAX_METRI, 70);
    EXPECT_EQ(fresh.Record().seaState, -1);
}

TEST_F(LuogoTest, UpperLimitTextsFollowTheFileRules)
{
    const std::string s31(31, '5'), s33(33, '5'), s40(40, '5');
    for (const std::string& bad : {s31, s33, s40}) {
        const LuogoRecord& r = Load("LIMITI_SUPERIORI=" + bad + "\r\n");
        for (int i = 0; i < 32; ++i)
            ASSERT_EQ(r.upperLimits[i], 0) << bad.size();
    }
    const LuogoRecord& r =
        Load("LIMITI_SUPERIORI=9x7" + std::string(29, '1') + "\r\nTIPO_LIMITI_SUPERIORI=329" + std::string(29, '2') + "\r\n");
    EXPECT_EQ(r.upperLimits[0], 7); // 9 counts 7
    EXPECT_EQ(r.upperLimits[1], 0); // not a digit
    EXPECT_EQ(r.upperLimits[2], 7);
    EXPECT_EQ(r.upperLimitTypes[0], 0); // a level-7 slot has no shape
    EXPECT_EQ(r.upperLimitTypes[1], 2);
    EXPECT_EQ(r.upperLimitTypes[2], 0);
    EXPECT_EQ(r.upperLimitTypes[3], 2);
}

TEST_F(LuogoTest, PresenceReadsOnlyTheSectionOfTheWater)
{
    tmp.Write("program/Luoghi/p.kvs",
              "[PESCI]\r\nTROTAFARIO=80\r\nGHIOZZO=30\r\nBARBO=150\r\nCARPA=-5\r\n"
              "[PESCI_MARE]\r\nGHIOZZO=70\r\nSPIGOLA=60\r\n");
    const LuogoRecord& sea = Load("FILE_PRESENZA_PESCI=p\r\n", 2);
    EXPECT_EQ(sea.presence[24], 0);
    EXPECT_EQ(sea.presence[57], 70); // the sea goby
    EXPECT_EQ(sea.presence[41], 0);
    EXPECT_EQ(sea.presence[79], 60);
    const LuogoRecord& river = Load("FILE_PRESENZA_PESCI=p\r\n", 0);
    EXPECT_EQ(river.presence[24], 80);
    EXPECT_EQ(river.presence[41], 30); // the river goby
    EXPECT_EQ(river.presence[57], 0);
    EXPECT_EQ(river.presence[3], 100);
    EXPECT_EQ(river.presence[5], 0);
}

TEST_F(LuogoTest, MissingOrUnnamedPresenceFileGivesFortyToTheSpeciesOfTheWater)
{
    // An empty name would leave every species at 0: it counts as missing.
    for (const char* keys : {"FILE_PRESENZA_PESCI=nothere\r\n", "FILE_PRESENZA_PESCI=\r\n", ""}) {
        const LuogoRecord& r = Load(keys, 0);
        int forty = 0;
        for (int s = 0; s < 130; ++s) {
            EXPECT_EQ(r.presence[s], g_Pesci.LivesInFreshWater(unsigned(s)) ? 40 : 0) << s;
            forty += r.presence[s] == 40;
        }
        EXPECT_EQ(forty, 54) << keys;
        EXPECT_EQ(r.presence[88], 40); // the eel too
    }
}

TEST_F(LuogoTest, PresenceNamedAfterABuiltInVenueTakesItsTable)
{
    // Even where a file of that name lies beside the venue.
    tmp.Write("program/Luoghi/INTERNAL_0.kvs", "[PESCI]\r\nBARBO=55\r\n");
    const LuogoRecord& lake = Load("FILE_PRESENZA_PESCI=INTERNAL_0\r\n", 0);
    EXPECT_EQ(lake.presence[28], 100);
    EXPECT_EQ(lake.presence[15], 90);
    EXPECT_EQ(lake.presence[3], 0);
    EXPECT_EQ(lake.presence[5], 0) << "not the 40 of a missing file";
    const LuogoRecord& sea = Load("FILE_PRESENZA_PESCI=INTERNAL_1\r\n", 2);
    EXPECT_EQ(sea.presence[47], 100);
    EXPECT_EQ(sea.presence[51], 90);
    EXPECT_EQ(sea.presence[65], 0);
    EXPECT_EQ(sea.presence[88], 0);
}

TEST_F(LuogoTest, PresenceFileFallsBackToTheUserVenueFolder)
{
    tmp.Write("appdata/Karvelin/Luoghi/u.kvs", "[PESCI]\r\nTINCA=77\r\n");
    EXPECT_EQ(Load("FILE_PRESENZA_PESCI=u\r\n").presence[22], 77);
}

TEST_F(LuogoTest, HostileVenueFilesLoadWithDefaultsAndOneLogLine)
{
    const std::string longName(5000, 'N');
    const LuogoRecord& r = Load("NOME=" + longName + "\r\n\x01\xff\xfe garbage\r\n", 77);
    EXPECT_EQ(std::strlen(r.name), 96u);
    EXPECT_EQ(r.TIPO, 77); // stored as read, shown as not defined
    EXPECT_STREQ(g_Luogo.GetVenueTypeName(), "Not defined");

    EXPECT_NE(LoadLog("PROFONDITA=20\r\n").find("out of range"), std::string::npos);
    EXPECT_NE(LoadLog("LIMITI_SUPERIORI=123\r\n").find("out of range"), std::string::npos);
    const std::string clean = LoadLog("PROFONDITA=300\r\nLIMITI_SUPERIORI=" + std::string(32, '3') + "\r\n");
    EXPECT_EQ(clean, "");
}

TEST_F(LuogoTest, BuiltInVenuesTakeTheirTable)
{
    g_Luogo.LoadVenue("", kVenueSea);
    const LuogoRecord& r = g_Luogo.Record();
    EXPECT_STREQ(r.name, "Sea - Portofino");
    EXPECT_EQ(r.PROFONDITA, 360);
    EXPECT_EQ(r.MAX_METRI, 20);
    EXPECT_EQ(r.upperLimits[2], 2);
    EXPECT_EQ(r.upperLimitTypes[0], 3);
    EXPECT_EQ(r.presence[57], 100);
    EXPECT_EQ(r.presence[87], 80);
    EXPECT_EQ(r.presence[65], 0);
    EXPECT_EQ(r.seaState, 0);
    EXPECT_EQ(g_Luogo.GetSignedCurrent(), 0);
    EXPECT_EQ(g_Luogo.GetCurrentDirection(), -1);
    EXPECT_EQ(g_Luogo.GetWaveLevel(), 3);
    g_Luogo.LoadVenue("", kVenueLake);
    EXPECT_EQ(g_Luogo.Record().presence[28], 100);
    EXPECT_STREQ(g_Luogo.GetCurrentName(), "ultra slow");
    testing_support::Language it(true);
    EXPECT_STREQ(g_Luogo.GetCurrentName(), "lentissima");
}

TEST_F(LuogoTest, UpperLimitGeometry)
{
    g_Luogo.LoadVenue("", kVenueSea); // 800 x 600: rows of 20, slots of 25
    EXPECT_EQ(g_Luogo.GetUpperLimitAt(-1, false), 120);
    EXPECT_EQ(g_Luogo.GetUpperLimitAt(-1, true), 120);
    EXPECT_EQ(g_Luogo.GetUpperLimitAt(0, false), 200);  // level 3
    EXPECT_EQ(g_Luogo.GetUpperLimitAt(0, true), 180);   // type 3: from a row higher at the left edge
    EXPECT_EQ(g_Luogo.GetUpperLimitAt(24, true), 200);  // the rise is truncated
    EXPECT_EQ(g_Luogo.GetUpperLimitAt(60, true), 208);  // level 2, type 3
    EXPECT_EQ(g_Luogo.GetUpperLimitAt(80, true), 230);  // level 1, type 1: half a row higher
    EXPECT_EQ(g_Luogo.GetUpperLimitAt(400, false), 220);
    EXPECT_EQ(g_Luogo.GetUpperLimitAt(790, true), 250); // level 0, type 1
    EXPECT_EQ(g_Luogo.SlotOfX(5000), 31);
    EXPECT_EQ(g_Luogo.SlotOfX(-5), 0);
    // Level 7 meets the top of the water band, 6 rows of height / 30.
    g_nScreenH = g_nViewportH = 610;
    Load("LIMITI_SUPERIORI=" + std::string(32, '7') + "\r\n");
    EXPECT_EQ(g_Luogo.GetUpperLimitAt(100, true), 6 * (610 / 30));
}

TEST_F(LuogoTest, SlotsBeforeTheScreenSizeIsKnownAreZero)
{
    g_nScreenW = g_nScreenH = g_nViewportW = g_nViewportH = 0;
    CLuogo venue;
    EXPECT_EQ(venue.SlotOfX(300), 0);
    EXPECT_EQ(venue.GetUpperLimitAt(300, true), 0);
    CFondale bottom;
    EXPECT_EQ(bottom.ColumnOfX(300), 0);
    EXPECT_EQ(bottom.RowOfY(300), 0);
}

class VenueListTest : public LuogoTest {
protected:
    void SetUp() override
    {
        LuogoTest::SetUp();
        tmp.Write("program/Luoghi/a_river.kvl", "[LUOGO]\r\nNOME=Alpha river\r\nTIPO=0\r\nCORRENTE=2\r\n");
        tmp.Write("program/Luoghi/b_sea.kvl", "[LUOGO]\r\nNOME=Bravo sea\r\nTIPO=2\r\n");
        tmp.Write("appdata/Karvelin/Luoghi/c_lake.kvl", "[LUOGO]\r\nNOME=Charlie lake\r\nTIPO=1\r\nPROFONDITA=500\r\n");
    }
    std::set<std::string> Enabled()
    {
        std::set<std::string> keys;
        for (int i = 0; i < g_Luogo.VenueList().GetCount(); ++i)
            if (g_Luogo.VenueList().GetItem(i)->enabled)
                keys.insert(g_Luogo.VenueList().GetItem(i)->key);
        return keys;
    }
};

TEST_F(VenueListTest, WatersSettingFiltersTheList)
{
    g_Opzioni.waters = 0;
    g_Luogo.Load(dev.get());
    EXPECT_EQ(g_Luogo.VenueList().GetCount(), 5);
    EXPECT_EQ(Enabled(), (std::set<std::string>{"INTERNAL_0", "a_river.kvl", "c_lake.kvl"}));
    g_Opzioni.waters = 1;
    g_Luogo.FilterVenueList();
    EXPECT_EQ(Enabled(), (std::set<std::string>{"INTERNAL_1", "b_sea.kvl"}));
    g_Opzioni.waters = 2;
    g_Luogo.FilterVenueList();
    EXPECT_EQ(g_Luogo.CountEnabledVenues(), 5);
    // Sorted by name.
    EXPECT_STREQ(g_Luogo.VenueList().GetItem(0)->col0, "Alpha river");
}

TEST_F(VenueListTest, DefaultIndexAndRandomSelectionLoadTheRow)
{
    g_Opzioni.waters = 1;
    g_Luogo.Load(dev.get());
    g_Luogo.SelectDefaultVenue();
    EXPECT_STREQ(g_Luogo.Record().id, "INTERNAL_1");
    g_Opzioni.waters = 0;
    g_Luogo.FilterVenueList();
    // The user folder's lake is row 4 (rows 0, 1 built in, 2 and 3 the program folder's).
    EXPECT_FALSE(g_Luogo.SelectByIndex(1));
    ASSERT_TRUE(g_Luogo.SelectByIndex(4));
    EXPECT_STREQ(g_Luogo.Record().name, "Charlie lake");
    EXPECT_EQ(g_Luogo.Record().PROFONDITA, 500);
    EXPECT_EQ(g_Luogo.GetSlotRight(0), 25);

    // Random: the k-th enabled row in id order (rows 0, 2, 4 enabled).
    for (int k = 1; k <= 3; ++k) {
        for (std::uint32_t seed = 1;; ++seed) {
            plat::SeedRandom(seed);
            if (plat::Random() % 3 + 1 != k)
                continue;
            plat::SeedRandom(seed);
            g_Luogo.PickRandomVenue();
            break;
        }
        const char* expected[] = {"", "INTERNAL_0", "a_river.kvl", "c_lake.kvl"};
        EXPECT_STREQ(g_Luogo.Record().id, expected[k]) << k;
    }
}

TEST_F(VenueListTest, NoEnabledDefaultLeavesTheListWithoutSelection)
{
    g_Opzioni.waters = 0;
    g_Luogo.Load(dev.get());
    g_Luogo.VenueList().SetEnabledByKey("INTERNAL_0", 0);
    g_Luogo.SelectDefaultVenue();
    EXPECT_EQ(g_Luogo.VenueList().GetSelectedIndex(), -1);
}

TEST_F(VenueListTest, LongFileNamesLoadWholeOrAreLeftOut)
{
    // Longer than the list's key field (96) but within the record's id (128).
    const std::string name = std::string(110, 'r') + ".kvl";
    tmp.Write("program/Luoghi/" + name, "[LUOGO]\r\nNOME=Long river\r\nTIPO=0\r\nPROFONDITA=777\r\n");
    const std::string tooLong = std::string(140, 't') + ".kvl";
    tmp.Write("program/Luoghi/" + tooLong, "[LUOGO]\r\nNOME=Too long\r\nTIPO=0\r\n");
    g_Opzioni.waters = 2;
    g_Luogo.Load(dev.get());
    EXPECT_EQ(g_Luogo.VenueList().GetCount(), 6);
    EXPECT_NE(ErrorLog().find("left out"), std::string::npos);
    for (int i = 0; i < g_Luogo.VenueList().GetCount(); ++i)
        if (std::strcmp(g_Luogo.VenueList().GetItem(i)->col0, "Long river") == 0) {
            ASSERT_TRUE(g_Luogo.SelectByIndex(g_Luogo.VenueList().GetItem(i)->id));
        }
    EXPECT_EQ(g_Luogo.Record().PROFONDITA, 777);
    EXPECT_EQ(std::string(g_Luogo.Record().id), name);
}

TEST_F(LuogoTest, SeaStateFollowsTheWind)
{
    g_Luogo.LoadVenue("", kVenueSea);
    for (std::uint32_t seed = 1; seed < 200; ++seed) {
        plat::SeedRandom(seed);
        const int r = plat::Random();
        plat::SeedRandom(seed);
        g_Luogo.PickSeaState();
        if (r % 1000 >= 10) {
            EXPECT_EQ(g_Luogo.Record().seaState, 0); // no wind
        }
        EXPECT_GE(g_Luogo.Record().seaState, 0);
        EXPECT_LE(g_Luogo.Record().seaState, 3);
    }
}

// The venues the game ships: they load cleanly, name only keys of the
// table and species that live in that water and region, and their pictures
// decode at the size the background asks for.
TEST_F(LuogoTest, ShippedVenuesAreClean)
{
    const std::string folder = std::string(KARVELIN_SOURCE_DIR) + "/data/Luoghi";
    int count = 0;
    for (const std::string& file : plat::ListFiles(folder, "kvl")) {
        ++count;
        const std::string before = ErrorLog();
        g_Luogo.LoadVenue(folder.c_str(), file.c_str());
        EXPECT_EQ(ErrorLog(), before) << file;
        const LuogoRecord& r = g_Luogo.Record();
        EXPECT_STRNE(r.name, "Generic venue") << file;
        int species = 0;
        for (int s = 0; s < 130; ++s) {
            if (r.presence[s] == 0)
                continue;
            ++species;
            const PesceRecord rec = g_Pesci.GetRecord(unsigned(s));
            EXPECT_TRUE(g_Pesci.LivesInVenueType(unsigned(s), r.TIPO)) << file << " " << s;
            bool region = false;
            for (int g : rec.regions)
                region |= g == r.GEOGRAFIA;
            EXPECT_TRUE(region) << file << " " << s;
        }
        EXPECT_GE(species, 8) << file;
        // Every key of the presence file is one of its section's.
        const int section = r.TIPO == 2 ? 1 : 0;
        std::string text;
        ASSERT_TRUE(plat::ReadWholeFile(folder + "/" + std::string(file, 0, file.size() - 4) + ".kvs", text));
        int n = 0;
        const PresenceKey* keys = PresenceKeys(section, n);
        std::size_t at = text.find('\n');
        EXPECT_NE(text.find(PresenceSectionName(section)), std::string::npos);
        while (at != std::string::npos && at + 1 < text.size()) {
            const std::size_t eq = text.find('=', at);
            const std::string key = text.substr(at + 1, eq - at - 1);
            bool known = false;
            for (int k = 0; k < n; ++k)
                known |= key == keys[k].key;
            EXPECT_TRUE(known) << file << " " << key;
            at = text.find('\n', eq);
        }
        plat::Image photo;
        std::string bytes;
        ASSERT_TRUE(plat::ReadWholeFile(folder + "/" + r.photoFile, bytes)) << r.photoFile;
        ASSERT_TRUE(plat::DecodeImage(bytes.data(), bytes.size(), photo)) << r.photoFile;
        EXPECT_EQ(photo.width, 1024);
        EXPECT_EQ(photo.height, 768);
    }
    EXPECT_EQ(count, 6);
}

} // namespace

namespace {

// A value that starts with NUL is missing, as in every reader: the name
// takes its default. A file over the size bound reads as all defaults
// without being taken into memory, and a presence file named outside the
// venue folder gives the default presences.
TEST_F(LuogoTest, NulValuesOversizedFilesAndEscapingPresenceNames)
{
    {
        testing_support::Language english(false);
        const LuogoRecord& r = Load(std::string("NOME=Lago\r\nNAME=") + '\0' + "x\r\nDESCRIPTION=" + '\0' + "\r\n");
        EXPECT_STREQ(r.name, "Lago");
        EXPECT_STREQ(r.description, "Lago");
        EXPECT_STREQ(Load(std::string("NOME=") + '\0' + "\r\n").name, "Generic venue");
    }
    const std::string big = Venue("NOME=Big\r\nPROFONDITA=300\r\n", 1) + std::string(CGestFile::kMaxIniFile, '#');
    WriteVenue("big.kvl", big);
    g_Luogo.LoadVenue(VenueFolder().c_str(), "big.kvl");
    EXPECT_EQ(g_Luogo.Record().PROFONDITA, 100);

    tmp.Write("program/p.kvs", "[PESCI]\r\nTINCA=77\r\n");
    for (const char* name : {"../p", "..\\p", "/etc/passwd"}) {
        const LuogoRecord& r = Load(std::string("FILE_PRESENZA_PESCI=") + name + "\r\n");
        EXPECT_EQ(r.presence[22], 40) << name;
    }
}

} // namespace
