#include "shell/GestFile.h"
#include "shell/Opzioni.h"
#include "tests/support/TempFolders.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

class OpzioniTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(g_GestFile.Init()); }
    void WriteSettings(const std::string& body) { tmp.Write("appdata/Karvelin/Karvelin.ini", body); }
    std::string Settings() { return tmp.Read("appdata/Karvelin/Karvelin.ini"); }
    testing_support::TempFolders tmp;
};

TEST_F(OpzioniTest, FirstRunFileListsEveryKeyInOrderAndReadsBack)
{
    COpzioni o;
    ASSERT_TRUE(o.Save());
    EXPECT_EQ(Settings(),
              "[KARVELIN]\r\nBUILD=0\r\nTEMPOGARA=5\r\nPESCATORIGARA=0\r\nSOUNDS=1\r\nSHOWINDTENSIONE=1\r\n"
              "CONDIZIONEMETEO=-1\r\nLIVELLO=0\r\nFULLSCREEN=0\r\nSENSMOUSE=2\r\nGIOCATORE=\r\nMOVVERT=0\r\n"
              "MODOLENZA=1\r\nVELRECUPERO=2\r\nCOLOREGUI=0\r\nMODORETINO=1\r\nVISSTATS=1\r\nMODOACQUE=2\r\n"
              "LINGUA=1\r\nRISOLUZIONE=0\r\nUNITS=0\r\nNAZIONE=\r\nCITTA=\r\nLENZA=\r\nESCA_FI=INTERNAL_0\r\n"
              "ESCA_B1=INTERNAL_0\r\nESCA_B2=INTERNAL_0\r\n[VIDEO]\r\nALPHA=1\r\nUSA_3D=1\r\n");
    COpzioni back;
    back.netMode = 99;
    back.Load();
    EXPECT_EQ(back.netMode, 1);
    EXPECT_TRUE(back.italian);
    EXPECT_STREQ(back.baitDropper2, "INTERNAL_0");
}

TEST_F(OpzioniTest, MissingKeysTakeFileDefaults)
{
    WriteSettings("[KARVELIN]\r\nBUILD=ERROR\r\nLINGUA=2\r\n");
    COpzioni o;
    o.Load();
    EXPECT_EQ(o.build, 0);
    EXPECT_EQ(o.netMode, 0); // the file default, unlike a fresh object's 1
    EXPECT_FALSE(o.italian);
    EXPECT_EQ(o.weather, -1);
    EXPECT_EQ(o.waters, 2);
    EXPECT_EQ(o.alpha, 1);

    for (const char* lang : {"0", "2", "x"}) {
        WriteSettings(std::string("[KARVELIN]\nLINGUA=") + lang + "\n");
        o.Load();
        EXPECT_FALSE(o.italian) << lang;
    }
    WriteSettings("");
    o.Load();
    EXPECT_TRUE(o.italian); // missing key: Italian
}

// A value that starts with a NUL byte is empty text, so it takes the
// default like an empty value; before, the bait read as "" and only the next
// load (after a save had written it empty) gave the default.
TEST_F(OpzioniTest, ValueStartingWithNulIsEmptyAndTakesTheDefault)
{
    WriteSettings(std::string("[KARVELIN]\nESCA_B1=\0junk\nVELRECUPERO=\0" "7\nBUILD=ERROR\0x\n", 54));
    COpzioni o;
    o.Load();
    EXPECT_STREQ(o.baitDropper1, "INTERNAL_0");
    COpzioni defaults;
    WriteSettings("");
    defaults.Load();
    EXPECT_EQ(o.retrieveSpeed, defaults.retrieveSpeed);
    EXPECT_EQ(o.build, defaults.build);
}

TEST_F(OpzioniTest, TextSettingsSurviveARoundTripWhole)
{
    COpzioni o;
    std::string name(40, 'n'), city(30, 'c'), nation(96, 'z');
    o.SetPlayerName(name.c_str());
    o.SetCity(city.c_str());
    o.SetNation(nation.c_str());
    ASSERT_TRUE(o.Save());
    COpzioni back;
    back.Load();
    EXPECT_EQ(std::string(back.playerName), name);
    EXPECT_EQ(std::string(back.city), city);
    EXPECT_EQ(std::string(back.nation), nation);
}

TEST_F(OpzioniTest, SavesTakeTackleFromItsSourceOnlyOnceThereIsOne)
{
    WriteSettings("[KARVELIN]\r\nLENZA=Bolognese\r\nESCA_FI=worm.kve\r\n");
    COpzioni o;
    o.Load();
    ASSERT_TRUE(o.Save()); // tackle not loaded yet: what was read is written back
    EXPECT_NE(Settings().find("LENZA=Bolognese\r\n"), std::string::npos);
    EXPECT_NE(Settings().find("ESCA_FI=worm.kve\r\n"), std::string::npos);

    o.SetTackleSource([](int slot) -> const char* {
        switch (slot) {
        case -1: return "Spinning";
        case 2: return "lure.kve";
        case 1: return "corn.kve";
        default: return "bread.kve";
        }
    });
    ASSERT_TRUE(o.Save());
    EXPECT_STREQ(o.line, "Bolognese"); // Save leaves the fields alone
    for (const char* line : {"LENZA=Spinning\r\n", "ESCA_FI=lure.kve\r\n", "ESCA_B1=corn.kve\r\n", "ESCA_B2=bread.kve\r\n"})
        EXPECT_NE(Settings().find(line), std::string::npos) << line;
    o.SaveLine();
    EXPECT_TRUE(o.SaveBaits());
    EXPECT_STREQ(o.line, "Spinning");
    EXPECT_STREQ(o.baitDropper2, "bread.kve");
}

TEST(OpzioniPath, AnUnsetDataFolderNeverMeansTheFilesystemRoot)
{
    CGestFile saved = g_GestFile;
    g_GestFile = CGestFile();
    EXPECT_EQ(COpzioni::Path(), "Karvelin.ini"); // the same file the first-run check looks for
    g_GestFile = saved;
}

TEST(OpzioniLookups, LevelsSensitivityAndProfile)
{
    COpzioni o;
    const int a[] = {30, 25, 20, 25}, b[] = {42, 49, 54, 49}, c[] = {90, 80, 70, 80};
    for (int level = 0; level <= 3; ++level) {
        o.level = level;
        EXPECT_EQ(o.GetLevelValueA(), a[level]);
        EXPECT_EQ(o.GetLevelValueB(), b[level]);
        EXPECT_EQ(o.GetLevelValueC(), c[level]);
    }
    const int divisor[] = {4, 4, 2, 1, 4};
    for (int s = 0; s <= 4; ++s) {
        o.mouseSensitivity = s;
        EXPECT_EQ(o.GetMouseDivisor(), divisor[s]);
    }
    o.SetNation("");
    EXPECT_STREQ(o.nation, "NULL");
    o.SetPlayerName(nullptr);
    EXPECT_STREQ(o.playerName, "");
    EXPECT_FALSE(o.IsProfileComplete());
    o.SetPlayerName("Player");
    EXPECT_FALSE(o.IsProfileComplete());
    o.SetPlayerName("Marta");
    EXPECT_TRUE(o.IsProfileComplete());
}

} // namespace

namespace {

// A settings file near the loader's bound: saving the whole record or one
// key never leaves a file the loader refuses, and a file already over the
// bound (read as defaults) is written over, not left in the way.
TEST_F(OpzioniTest, SavesNearTheSizeBoundStayLoadable)
{
    struct Case {
        const char* what;
        std::size_t filler;
        bool (*save)(COpzioni&);
    };
    const Case cases[] = {
        {"whole record, small file", 100, [](COpzioni& o) { return o.Save(); }},
        {"whole record, nearly full", CGestFile::kMaxIniFile - 200, [](COpzioni& o) { return o.Save(); }},
        {"one key, nearly full", CGestFile::kMaxIniFile - 80, [](COpzioni& o) {
             o.SaveLine();
             return true;
         }},
        {"whole record, oversized", CGestFile::kMaxIniFile + 10, [](COpzioni& o) { return o.Save(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteSettings("[NOTE]\r\nX=" + std::string(c.filler, 'x') + "\r\n[KARVELIN]\r\nLENZA=Old\r\nLIVELLO=2\r\n");
        COpzioni o;
        o.Load();
        const std::string name = "Mine" + std::string(60, 'y');
        std::strcpy(o.line, name.c_str());
        o.level = 1;
        ASSERT_TRUE(c.save(o));
        EXPECT_LE(Settings().size(), CGestFile::kMaxIniFile);
        COpzioni back;
        back.Load();
        EXPECT_EQ(back.line, name);
        EXPECT_EQ(back.level, 1);
        EXPECT_EQ(Settings().find("X=x") != std::string::npos, c.filler == 100) << "other lines kept while they fit";
    }
}

} // namespace
