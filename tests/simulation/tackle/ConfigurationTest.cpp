// Tackle configurations: the file layout, round trips, the edge cases of
// loading, and the faults of names, order, cut texts and failed writes.
#include "gui/ListBox.h"
#include "platform/Files.h"
#include "shell/Utility.h"
#include "simulation/tackle/CannaPesca.h"
#include "simulation/tackle/Esca.h"
#include "tests/simulation/tackle/FreshRig.h"
#include "tests/simulation/tackle/TackleFixture.h"

#include <cstring>
#include <filesystem>

namespace {

// A bolognese rig with a dropper and three shots, every key in the order
// the game writes them.
std::string Golden(const std::string& name, int shot0, int shot1, int shot2, int floatDepth)
{
    std::string t = "[CONFIGURAZIONE]\nNOME=" + name + "\nDESCRIZIONE=Float rig for the river\n"
                    "[ACCESSORI]\nCAMPANELLO=1\n"
                    "[CANNA]\nLUNGHEZZA=500\nFILE=bolo.kvn\nRIGIDITA=2\nTIPO=1\n"
                    "[MULINELLO]\nFILE=reel.kvm\n"
                    "[GALLEGGIANTE]\nFILE=float.kvg\nPOSIZIONE=" + std::to_string(floatDepth) + "\nSTOPPER=1000\n"
                    "[LENZA]\nLUNGHEZZA=450\nCOLORE=2\nFILO=16\nTIPO_FILO=1\nLUNGHEZZA_FINALE=30\nFILO_FINALE=12\n"
                    "TIPO_FILO_FINALE=0\nGIRELLA=1\nPOSIZIONE_BRACCIOLO=0\nINUSO=1\n"
                    "[AMO]\nFILE=hook.kva\n"
                    "[BRACCIOLO_0]\nLUNGHEZZA_FINALE=20\nFILO_FINALE=10\nTIPO_FILO_FINALE=3\nGIRELLA=0\n"
                    "POSIZIONE_BRACCIOLO=100\nINUSO=1\n"
                    "[AMO_BRACCIOLO_0]\nFILE=INTERNAL_1\n"
                    "[BRACCIOLO_1]\nLUNGHEZZA_FINALE=30\nFILO_FINALE=14\nTIPO_FILO_FINALE=0\nGIRELLA=1\n"
                    "POSIZIONE_BRACCIOLO=0\nINUSO=0\n"
                    "[AMO_BRACCIOLO_1]\nFILE=INTERNAL_0\n"
                    "[PIOMBATURA]\n";
    const int shots[3] = {shot0, shot1, shot2};
    for (int i = 0; i < kShotSlots; ++i) {
        const std::string n = std::to_string(i);
        const bool used = i < 3;
        t += "PIOMBO_" + n + "=" + (used ? "INTERNAL_0" : "") + "\nPOSIZIONE_" + n + "=" +
             std::to_string(used ? shots[i] : -1) + "\nDIST_GIRELLA_" + n + "=" + (used ? "-1" : "0") + "\n";
    }
    return tackle_test::Crlf(t);
}

class ConfigurationTest : public tackle_test::TackleTest {
protected:
    void SetUp() override
    {
        TackleTest::SetUp();
        Program("Canne", "bolo.kvn", "[CANNA]\nNOME=Bolo\nTIPO=1\nRIGIDITA=2\nCOLORE=3\n");
        Program("Canne", "spin.kvn", "[CANNA]\nNOME=Spin\nTIPO=3\nRIGIDITA=3\nCOLORE=4\n");
        Program("Mulinelli", "reel.kvm", "[MULINELLO]\nNOME=Reel\nCAPACITA_MAX=300\nCAPACITA_MIN=150\n");
        Program("Galleggianti", "float.kvg", "[GALLEGGIANTE]\nNOME=Float\nPESO=150\nCORRENTE=1\nTIPO=0\nFILENAMESPRITE=NOME_FILE_SPRITE_NULL\n");
        Program("Galleggianti", "slider.kvg", "[GALLEGGIANTE]\nNOME=Slider\nPESO=300\nTIPO=1\n");
        Program("Ami", "hook.kva", "[AMO]\nNOME=Hook\nMISURA=14\n");
        g_Opzioni.SetTackleSource(TackleSettingsSource);
        testing_support::FreshRig();
        g_CannaPesca.Init(nullptr, 400);
        ClearTackleFallbacks(); // the test files lack photos and descriptions
    }
    std::string Saved(const char* name) { return ReadData("Lenze", std::string(name) + ".kvz"); }
    std::string Settings() { return folders.Read("appdata/Karvelin/Karvelin.ini"); }
    bool SettingsLine(const std::string& value) { return Settings().find("LENZA=" + value + "\r\n") != std::string::npos; }

    CCannaPesca& rig = g_CannaPesca;
};

TEST_F(ConfigurationTest, GoldenFileLoadsAndSavesBackByteForByte)
{
    const std::string golden = Golden("Bolo", 40, 35, 30, 150);
    folders.Write("appdata/Karvelin/Lenze/Bolo.kvz", golden);
    std::string stored, description;
    ASSERT_TRUE(rig.LoadConfiguration("Bolo", &stored, &description));
    EXPECT_EQ(stored, "Bolo");
    EXPECT_EQ(description, "Float rig for the river");
    for (const std::string& line : TackleFallbacks())
        ADD_FAILURE() << line;
    EXPECT_STREQ(rig.m_canna.m_current.id, "bolo.kvn");
    EXPECT_STREQ(rig.m_mulinello.m_current.id, "reel.kvm");
    EXPECT_EQ(rig.m_galleggiante.m_position, 195);
    EXPECT_FLOAT_EQ(rig.m_lenza.m_length, 450.0f);
    EXPECT_STREQ(rig.m_lenza.m_leader.m_hook.m_current.id, "hook.kva");
    EXPECT_STREQ(rig.m_lenza.m_droppers[0].m_hook.m_current.id, "INTERNAL_1");
    EXPECT_EQ(rig.m_lenza.m_droppers[0].m_material.m_kind, 3);
    EXPECT_EQ(rig.m_bell, 1);
    EXPECT_EQ(rig.m_piombo.GetTotalWeight(), 75);
    EXPECT_TRUE(SettingsLine("Bolo"));

    ASSERT_TRUE(rig.SaveConfiguration("Bolo", "Float rig for the river"));
    EXPECT_EQ(Saved("Bolo"), golden);
    // A new file gets the same bytes.
    ASSERT_TRUE(rig.SaveConfiguration("Copy", "Float rig for the river"));
    EXPECT_EQ(Saved("Copy"), Golden("Copy", 40, 35, 30, 150));
}

// The shots used to be read against the rig loaded before: a deep rig
// loaded after a spinning rig with a short line lost its shotting.
TEST_F(ConfigurationTest, ShotsAreReadAgainstTheirOwnRig)
{
    const std::string golden = Golden("Deep", 320, 300, 280, 350);
    folders.Write("appdata/Karvelin/Lenze/Deep.kvz", golden);
    rig.m_canna.SelectById(nullptr, "spin.kvn");
    rig.m_canna.SetLength(210.0f);
    rig.m_galleggiante.SelectById(nullptr, kNoFloatId);
    rig.m_lenza.m_length = 200.0f;
    ASSERT_TRUE(rig.LoadConfiguration("Deep"));
    EXPECT_EQ(rig.m_piombo.GetSlotPosition(0), 320);
    ASSERT_TRUE(rig.SaveConfiguration("Deep", "Float rig for the river"));
    EXPECT_EQ(Saved("Deep"), golden);
}

TEST_F(ConfigurationTest, LoadingEdgeCases)
{
    Data("Lenze", "Edge.kvz",
         "[CONFIGURAZIONE]\nNOME=Edge\n[GALLEGGIANTE]\nPOSIZIONE=60\nSTOPPER=-5\n"
         "[BRACCIOLO_0]\nINUSO=2\nGIRELLA=2\n[BRACCIOLO_1]\nINUSO=1\nGIRELLA=0\n[LENZA]\nGIRELLA=7\n");
    ASSERT_TRUE(rig.LoadConfiguration("Edge"));
    EXPECT_EQ(rig.m_galleggiante.m_position, 105);
    EXPECT_EQ(rig.m_galleggiante.m_stopper, 0);
    EXPECT_FALSE(rig.m_lenza.m_droppers[0].m_inUse);
    EXPECT_EQ(rig.m_lenza.m_droppers[0].m_swivel, 0);
    EXPECT_TRUE(rig.m_lenza.m_droppers[1].m_inUse);
    EXPECT_EQ(rig.m_lenza.m_droppers[1].m_swivel, 0);
    EXPECT_EQ(rig.m_lenza.m_leader.m_swivel, 0);
    ASSERT_TRUE(rig.SaveConfiguration("Edge", ""));
    const std::string saved = Saved("Edge");
    EXPECT_NE(saved.find("POSIZIONE=60\r\n"), std::string::npos);
    EXPECT_EQ(saved.find("MODELLO"), std::string::npos);

    Data("Lenze", "Far.kvz", "[CONFIGURAZIONE]\nNOME=Far\n[GALLEGGIANTE]\nSTOPPER=20000\n");
    ASSERT_TRUE(rig.LoadConfiguration("Far"));
    EXPECT_EQ(rig.m_galleggiante.m_stopper, 10000);

    // Without a rod id the model number picks the rod.
    Data("Lenze", "Model.kvz", "[CONFIGURAZIONE]\nNOME=Model\n[CANNA]\nMODELLO=5\n");
    ASSERT_TRUE(rig.LoadConfiguration("Model"));
    EXPECT_STREQ(rig.m_canna.m_current.name, "Norva RED01");
    Data("Lenze", "Model.kvz", "[CONFIGURAZIONE]\nNOME=Model\n[CANNA]\nMODELLO=42\n");
    ASSERT_TRUE(rig.LoadConfiguration("Model"));
    EXPECT_STREQ(rig.m_canna.m_current.name, "Norva WHT01");

    // A file without a name leaves the default rig and an empty name.
    rig.m_lenza.m_droppers[1].m_inUse = 1;
    Data("Lenze", "Nameless.kvz", "[CANNA]\nFILE=bolo.kvn\n");
    EXPECT_FALSE(rig.LoadConfiguration("Nameless"));
    EXPECT_STREQ(rig.m_name, "");
    EXPECT_FALSE(rig.m_lenza.m_droppers[1].m_inUse);
    EXPECT_STREQ(rig.m_canna.m_current.name, "Norva GRY01");
    EXPECT_TRUE(SettingsLine(""));
    EXPECT_TRUE(rig.LoadConfiguration("")) << "an empty name changes nothing";
}

// Table values a configuration names outside the tables load as the first
// row; the rod's own stiffness and type are kept as stored.
TEST_F(ConfigurationTest, OutOfTableValues)
{
    Data("Lenze", "Odd.kvz",
         "[CONFIGURAZIONE]\nNOME=Odd\n[CANNA]\nFILE=bolo.kvn\nRIGIDITA=5\nTIPO=9\n"
         "[LENZA]\nCOLORE=20\nTIPO_FILO=7\nTIPO_FILO_FINALE=-2\n[GALLEGGIANTE]\nPOSIZIONE=2147483647\n");
    ASSERT_TRUE(rig.LoadConfiguration("Odd"));
    EXPECT_EQ(rig.m_lenza.m_material.m_colour, 0);
    EXPECT_EQ(rig.m_lenza.m_material.m_kind, 0);
    EXPECT_EQ(rig.m_lenza.m_leader.m_material.m_kind, 0);
    EXPECT_EQ(rig.m_canna.m_current.stiffness, 5);
    EXPECT_FLOAT_EQ(rig.m_canna.GetFlexFactor(), 0.9f);
    EXPECT_EQ(rig.m_canna.m_current.type, 9);
    EXPECT_GT(rig.m_galleggiante.m_position, 0) << "a huge depth is clamped, not wrapped";
    EXPECT_LE(rig.m_galleggiante.m_position, int(rig.m_lenza.m_length) - 100 + 45);
}

TEST_F(ConfigurationTest, UnknownIdsAreLoggedWithTheirSubstitute)
{
    Data("Lenze", "Gone.kvz",
         "[CONFIGURAZIONE]\nNOME=Gone\n[CANNA]\nFILE=old.kvn\n[MULINELLO]\nFILE=old.kvm\n[GALLEGGIANTE]\nFILE=old.kvg\n"
         "[AMO]\nFILE=old.kva\n[PIOMBATURA]\nPIOMBO_0=old.kvp\nPOSIZIONE_0=20\n");
    ASSERT_TRUE(rig.LoadConfiguration("Gone"));
    EXPECT_STREQ(rig.m_canna.m_current.id, "INTERNAL_0");
    EXPECT_STREQ(rig.m_galleggiante.m_current.id, "INTERNAL_0");
    EXPECT_FALSE(rig.m_piombo.IsOccupied(0));
    const std::string log = folders.Read("appdata/Karvelin/norva_error.log");
    for (const char* line : {"rod old.kvn unknown, INTERNAL_0 mounted", "reel old.kvm unknown, INTERNAL_0 mounted",
                             "float old.kvg unknown, INTERNAL_0 mounted", "hook old.kva unknown, INTERNAL_0 mounted",
                             "shot old.kvp unknown"})
        EXPECT_NE(log.find(line), std::string::npos) << line;
}

// Names that would leave the configurations folder: the load fails as for
// a missing file, saving and deleting refuse.
TEST_F(ConfigurationTest, NamesStayInTheirFolder)
{
    folders.Write("appdata/Karvelin/Escape.kvz", tackle_test::Crlf("[CONFIGURAZIONE]\nNOME=Escape\n"));
    for (const char* name : {"../Escape", "..\\Escape", ".", "..", "a/b"}) {
        EXPECT_FALSE(rig.LoadConfiguration(name)) << name;
        EXPECT_STREQ(rig.m_name, "");
        EXPECT_FALSE(rig.SaveConfiguration(name, "")) << name;
        EXPECT_FALSE(rig.DeleteConfiguration((std::string(name) + ".kvz").c_str())) << name;
    }
    EXPECT_FALSE(rig.DeleteConfiguration("../Escape.kvz"));
    EXPECT_TRUE(plat::PathExists(folders.Data() + "/Escape.kvz"));
    EXPECT_FALSE(plat::PathExists(folders.Root() + "/appdata/Escape.kvz"));
    ASSERT_TRUE(rig.SaveConfiguration("Fine", ""));
    EXPECT_TRUE(rig.DeleteConfiguration("Fine.kvz"));
    EXPECT_FALSE(rig.DeleteConfiguration("Fine.kvz"));
}

// Texts are kept whole up to what their fields hold.
TEST_F(ConfigurationTest, LongTextsKeptWhole)
{
    const std::string name(128, 'n');
    const std::string description(512, 'd');
    const std::string hookId = std::string(124, 'h') + ".kva";
    Program("Ami", hookId, "[AMO]\nNOME=Long\nMISURA=10\n");
    rig.m_lenza.m_leader.m_hook.Init(nullptr);
    rig.m_lenza.m_leader.m_hook.SelectById(nullptr, hookId.c_str());
    ASSERT_TRUE(rig.SaveConfiguration(name.c_str(), description.c_str()));
    EXPECT_TRUE(SettingsLine(name));

    g_Opzioni.Load();
    EXPECT_EQ(std::string(g_Opzioni.line), name);
    rig.Reset(nullptr);
    std::string storedDescription;
    ASSERT_TRUE(rig.LoadConfiguration(g_Opzioni.line, nullptr, &storedDescription));
    EXPECT_EQ(std::string(rig.m_name), name);
    EXPECT_EQ(storedDescription, description);
    EXPECT_EQ(std::string(rig.m_lenza.m_leader.m_hook.m_current.id), hookId);

    CListBox list;
    rig.ListConfigurations(list, g_GestFile.GetDataSubfolder(CGestFile::D_LENZE));
    ASSERT_EQ(list.GetCount(), 1);
    EXPECT_EQ(std::string(list.GetSelectedKey()), name + ".kvz");
    EXPECT_EQ(std::string(list.GetSelectedCol1()), description);
}

// Part files whose names begin with blanks (or hold a line break) are
// mounted again by the configuration that names them, after a restart too:
// a value read back loses those blanks, and the part must still be found by
// it rather than replaced by the catalogue's first entry.
TEST_F(ConfigurationTest, PartsNamedWithBlanksLoadAsSaved)
{
    Program("Canne", " bolo2.kvn", "[CANNA]\nNOME=Spaced rod\nTIPO=1\nRIGIDITA=2\n");
    Program("Mulinelli", "\f reel2.kvm", "[MULINELLO]\nNOME=Spaced reel\nCAPACITA_MAX=300\nCAPACITA_MIN=150\n");
    Program("Galleggianti", "\tfloat2.kvg", "[GALLEGGIANTE]\nNOME=Spaced float\nPESO=150\nTIPO=0\n");
    Program("Ami", "  hook2.kva", "[AMO]\nNOME=Spaced hook\nMISURA=12\n");
    Program("Ami", "drop\nhook.kva", "[AMO]\nNOME=Broken hook\nMISURA=16\n");
    // A file that has the very name another's blanks hide keeps it: a rig
    // naming it mounts it as before.
    Program("Ami", " plain.kva", "[AMO]\nNOME=Shadow hook\nMISURA=12\n");
    Data("Ami", "plain.kva", "[AMO]\nNOME=Plain hook\nMISURA=12\n");
    Program("Piombi", " shot.kvp", "[PIOMBINO]\nNOME=Spaced shot\nPESO=50\nTIPO=0\nATTACCO=0\nFORMA=0\n");
    // Each part is mounted by its name: where a file with blanks sorts
    // among the others is the folder listing's business.
    const auto byName = [](const auto& records, const char* name) {
        for (std::size_t i = 0; i < records.size(); ++i)
            if (std::strcmp(records[i].name, name) == 0)
                return int(i);
        ADD_FAILURE() << name << " not in its catalogue";
        return 0;
    };
    const auto mount = [&] {
        rig.Init(nullptr, 400);
        rig.m_canna.Select(nullptr, byName(rig.m_canna.m_records, "Spaced rod"));
        rig.m_mulinello.Select(nullptr, byName(rig.m_mulinello.m_records, "Spaced reel"));
        rig.m_galleggiante.Select(nullptr, byName(rig.m_galleggiante.m_records, "Spaced float"));
        CAmo& leader = rig.m_lenza.m_leader.m_hook;
        leader.Select(nullptr, byName(leader.m_records, "Spaced hook"));
        CAmo& dropper = rig.m_lenza.m_droppers[0].m_hook;
        dropper.Select(nullptr, byName(dropper.m_records, "Broken hook"));
        CAmo& second = rig.m_lenza.m_droppers[1].m_hook;
        second.Select(nullptr, byName(second.m_records, "Plain hook"));
        rig.m_piombo.AddShot(byName(rig.m_piombo.m_records, "Spaced shot"), 80, 0, true);
    };
    const auto hasShot = [&] {
        for (int i = 0; i < kShotSlots; ++i)
            if (rig.m_piombo.IsOccupied(i) && std::strcmp(rig.m_piombo.m_slots[i].name, "Spaced shot") == 0)
                return rig.m_piombo.GetSlotPosition(i) == 80;
        return false;
    };
    const auto expectMounted = [&] {
        EXPECT_STREQ(rig.m_canna.m_current.name, "Spaced rod");
        EXPECT_STREQ(rig.m_mulinello.m_current.name, "Spaced reel");
        EXPECT_STREQ(rig.m_galleggiante.m_current.name, "Spaced float");
        EXPECT_STREQ(rig.m_lenza.m_leader.m_hook.m_current.name, "Spaced hook");
        EXPECT_STREQ(rig.m_lenza.m_droppers[0].m_hook.m_current.name, "Broken hook");
        EXPECT_STREQ(rig.m_lenza.m_droppers[1].m_hook.m_current.name, "Plain hook");
        EXPECT_TRUE(hasShot()) << "the spaced shot at 80";
    };
    mount();
    expectMounted();
    ASSERT_FALSE(HasFailure());
    ASSERT_TRUE(rig.SaveConfiguration("Spaced", ""));

    rig.Reset(nullptr);
    ASSERT_TRUE(rig.LoadConfiguration("Spaced"));
    expectMounted();
    // A new start reads the catalogues afresh, then the rig the settings name.
    testing_support::FreshRig();
    rig.Init(nullptr, 400);
    g_Opzioni.Load();
    ClearTackleFallbacks();
    ASSERT_TRUE(rig.LoadConfiguration(g_Opzioni.line));
    expectMounted();
    for (const std::string& line : TackleFallbacks())
        EXPECT_EQ(line.find("unknown"), std::string::npos) << line;
}

// A save that cannot be written is reported, and the rig keeps its name and
// the settings their configuration.
TEST_F(ConfigurationTest, FailedSaveKeepsTheName)
{
    ASSERT_TRUE(rig.SaveConfiguration("Kept", ""));
    const std::string lenze = g_GestFile.GetDataSubfolder(CGestFile::D_LENZE);
    std::filesystem::create_directory(lenze + "/Folder.kvz");
    EXPECT_FALSE(rig.SaveConfiguration("Folder", ""));
    std::filesystem::remove_all(lenze);
    folders.Write("appdata/Karvelin/Lenze", "not a folder");
    EXPECT_FALSE(rig.SaveConfiguration("Other", ""));
    EXPECT_STREQ(rig.m_name, "Kept");
    EXPECT_TRUE(SettingsLine("Kept"));
    EXPECT_NE(folders.Read("appdata/Karvelin/norva_error.log").find("could not be written"), std::string::npos);
}

// A load or a save whose name the settings cannot take is done all the
// same, and tells it.
TEST_F(ConfigurationTest, NamesTheSettingsCannotKeepAreReported)
{
    CCannaPesca::SaveFault fault = CCannaPesca::kNotWritten;
    EXPECT_TRUE(rig.SaveConfiguration("Small", "", &fault));
    EXPECT_EQ(fault, CCannaPesca::kSaved);
    EXPECT_TRUE(rig.IsNameRemembered());
    std::filesystem::remove(folders.Data() + "/Karvelin.ini");
    std::filesystem::create_directory(folders.Data() + "/Karvelin.ini");
    EXPECT_TRUE(rig.LoadConfiguration("Small"));
    EXPECT_FALSE(rig.IsNameRemembered());
    EXPECT_TRUE(rig.SaveConfiguration("Other", "", &fault));
    EXPECT_FALSE(rig.IsNameRemembered());
    std::filesystem::remove(folders.Data() + "/Karvelin.ini");
    EXPECT_TRUE(rig.LoadConfiguration("Small"));
    EXPECT_TRUE(rig.IsNameRemembered());
}

TEST_F(ConfigurationTest, ListShowsEveryConfiguration)
{
    Data("Lenze", "A.kvz", "[CONFIGURAZIONE]\nNOME=Alpha\nDESCRIZIONE=First\n");
    Data("Lenze", "B.kvz", "[CANNA]\nFILE=bolo.kvn\n");
    ASSERT_TRUE(rig.LoadConfiguration("A"));
    CListBox list;
    rig.ListConfigurations(list, g_GestFile.GetDataSubfolder(CGestFile::D_LENZE));
    ASSERT_EQ(list.GetCount(), 2);
    EXPECT_STREQ(list.GetItem(1)->col0, "Generic configuration");
    EXPECT_STREQ(list.GetSelectedKey(), "A.kvz");
    EXPECT_STREQ(list.GetSelectedCol0(), "Alpha");

    // Another folder's files are read from that folder, not the data side's.
    Program("Lenze", "A.kvz", "[CONFIGURAZIONE]\nNOME=Program alpha\nDESCRIZIONE=Shipped\n");
    rig.ListConfigurations(list, g_GestFile.GetProgramSubfolder(CGestFile::P_LENZE));
    ASSERT_EQ(list.GetCount(), 1);
    EXPECT_STREQ(list.GetItem(0)->col0, "Program alpha");
    EXPECT_STREQ(list.GetItem(0)->col1, "Shipped");
}

// Every row listed loads by its name, is mounted again at the next start
// and deletes by its key; a file the game could not treat so is left out.
TEST_F(ConfigurationTest, ListedRowsLoadAreRememberedAndDelete)
{
    const struct {
        std::string file;
        std::string name; // empty: not listed
    } files[] = {
        {std::string(128, 'L') + ".kvz", std::string(128, 'L')}, // the longest name the box takes
        {std::string(125, 'm') + ".kvz", std::string(125, 'm')},
        {"Caps.KVZ", "Caps"},
        {"Twice.kvz", "Twice"},
        {"Twice.KVZ", ""}, // "Twice" opens the other one
        {"a\\b.kvz", ""},
        {"..\\..\\up.kvz", ""},
        {" Spaced .kvz", ""}, // the settings would give back "Spaced"
        {"Tab\t.kvz", ""},
        {".kvz", ""},
    };
    for (const auto& f : files)
        Data("Lenze", f.file, "[CONFIGURAZIONE]\nNOME=Inside\n[CANNA]\nFILE=bolo.kvn\n");
    CListBox list;
    rig.ListConfigurations(list, g_GestFile.GetDataSubfolder(CGestFile::D_LENZE));
    int listed = 0;
    for (const auto& f : files) {
        SCOPED_TRACE(f.file);
        listed += f.name.empty() ? 0 : 1;
        EXPECT_EQ(list.FindByKey(f.file.c_str()) != nullptr, !f.name.empty());
        if (f.name.empty()) {
            EXPECT_FALSE(rig.DeleteConfiguration(f.file.c_str()));
        }
    }
    for (const auto& f : files) {
        const ListItem* row = list.FindByKey(f.file.c_str());
        if (!row)
            continue;
        SCOPED_TRACE(f.file);
        std::string name;
        ASSERT_TRUE(CCannaPesca::ConfigurationName(g_GestFile.GetDataSubfolder(CGestFile::D_LENZE), row->key, &name));
        EXPECT_EQ(name, f.name);
        rig.Reset(nullptr);
        ASSERT_TRUE(rig.LoadConfiguration(name.c_str()));
        EXPECT_STREQ(rig.m_canna.m_current.id, "bolo.kvn");
        g_Opzioni.Load();
        EXPECT_EQ(std::string(g_Opzioni.line), f.name);
        EXPECT_TRUE(rig.DeleteConfiguration(row->key));
        EXPECT_FALSE(std::filesystem::exists(folders.Data() + "/Lenze/" + f.file));
    }
    EXPECT_EQ(list.GetCount(), listed);
}

// A lost device reads the rod and reel catalogues again; files added
// meanwhile must not mount another model.
TEST_F(ConfigurationTest, LostDeviceKeepsTheModels)
{
    rig.m_canna.SelectById(nullptr, "spin.kvn");
    rig.m_canna.m_current.stiffness = 1;
    rig.m_mulinello.SelectById(nullptr, "reel.kvm");
    rig.m_mulinello.m_drag = 3.0f;
    Program("Canne", "aaa.kvn", "[CANNA]\nNOME=New\nTIPO=2\n");
    Program("Mulinelli", "aaa.kvm", "[MULINELLO]\nNOME=New\n");
    rig.OnLostDevice();
    rig.OnResetDevice(nullptr);
    EXPECT_STREQ(rig.m_canna.m_current.id, "spin.kvn");
    EXPECT_EQ(rig.m_canna.m_current.stiffness, 1);
    EXPECT_STREQ(rig.m_mulinello.m_current.id, "reel.kvm");
    EXPECT_FLOAT_EQ(rig.m_mulinello.m_drag, 3.0f);
    EXPECT_EQ(rig.m_canna.GetCount(), 11 + 3);
}

} // namespace

namespace {

// Lengths and positions no line has: kept within the biggest spool when
// read, so the knot look-ups and the save stay defined; the main line never
// passes the reel's capacity however deep the float sits.
TEST_F(ConfigurationTest, HugeLengthsAndPositionsAreKeptWithinTheLine)
{
    Data("Lenze", "Huge.kvz",
         "[CONFIGURAZIONE]\nNOME=Huge\n[CANNA]\nFILE=bolo.kvn\nTIPO=1\n[MULINELLO]\nFILE=reel.kvm\n"
         "[GALLEGGIANTE]\nFILE=float.kvg\nPOSIZIONE=2147483647\n"
         "[LENZA]\nLUNGHEZZA=500\nLUNGHEZZA_FINALE=2147483647\n"
         "[BRACCIOLO_0]\nLUNGHEZZA_FINALE=2147483647\nPOSIZIONE_BRACCIOLO=2147483647\nINUSO=1\n"
         "[BRACCIOLO_1]\nLUNGHEZZA_FINALE=-2147483648\nPOSIZIONE_BRACCIOLO=-2147483648\nINUSO=0\n");
    ASSERT_TRUE(rig.LoadConfiguration("Huge"));
    EXPECT_LE(rig.m_lenza.m_length, float(rig.m_mulinello.GetCapacity())) << "no more line than the reel holds";
    for (const CFinale* f : {&rig.m_lenza.m_leader, &rig.m_lenza.m_droppers[0], &rig.m_lenza.m_droppers[1]}) {
        EXPECT_TRUE(f->m_length >= 0.0f && f->m_length <= 35000.0f) << f->m_length;
        EXPECT_TRUE(f->m_position >= 0.0f && f->m_position <= 35000.0f) << f->m_position;
    }
    EXPECT_GE(rig.m_lenza.GetNearestBelow(0), -1);
    EXPECT_GE(rig.m_lenza.GetNearestAbove(2000000000), -1);
    ASSERT_TRUE(rig.SaveConfiguration("Huge", ""));
    ASSERT_TRUE(rig.LoadConfiguration("Huge"));
    EXPECT_LE(rig.m_lenza.m_length, float(rig.m_mulinello.GetCapacity()));
}

// A sliding float rests on what lies under it, and a torpille on what lies
// under it, the float included: mounting settles both together, so the rig
// saved is the rig that loads, not one that creeps at every load.
TEST_F(ConfigurationTest, ASlidingFloatOnShotsLoadsAsSaved)
{
    const struct {
        int depth, shot0, shot1;
        const char* shot1Id;
        int settledDepth, settledShot1;
    } rigs[] = {
        {50, 50, 60, "INTERNAL_1", 62, 52}, // the torpille drops off the float onto the shot
        {60, 55, 64, "INTERNAL_0", 74, 64}, // raised off one shot onto the next
    };
    for (const auto& r : rigs) {
        SCOPED_TRACE(r.depth);
        Data("Lenze", "Slide.kvz",
             "[CONFIGURAZIONE]\nNOME=Slide\n[CANNA]\nFILE=bolo.kvn\nTIPO=1\n[MULINELLO]\nFILE=reel.kvm\n"
             "[GALLEGGIANTE]\nFILE=slider.kvg\nPOSIZIONE=" + std::to_string(r.depth) +
                 "\nSTOPPER=320\n[LENZA]\nLUNGHEZZA=320\nLUNGHEZZA_FINALE=40\n[PIOMBATURA]\nPIOMBO_0=INTERNAL_0\n"
                 "POSIZIONE_0=" + std::to_string(r.shot0) + "\nPIOMBO_1=" + r.shot1Id +
                 "\nPOSIZIONE_1=" + std::to_string(r.shot1) + "\n");
        ASSERT_TRUE(rig.LoadConfiguration("Slide"));
        EXPECT_EQ(rig.m_galleggiante.m_position - 45, r.settledDepth);
        EXPECT_EQ(rig.m_piombo.GetSlotPosition(1), r.settledShot1);
        ASSERT_TRUE(rig.SaveConfiguration("Slide", ""));
        const std::string once = Saved("Slide");
        ASSERT_TRUE(rig.LoadConfiguration("Slide"));
        ASSERT_TRUE(rig.SaveConfiguration("Slide", ""));
        EXPECT_EQ(Saved("Slide"), once);
    }
}

// Saving over a player's file of nearly the reader's limit keeps what the
// file held only while the result stays readable; else the rig is written
// afresh, and loads back either way.
TEST_F(ConfigurationTest, SavingOverANearlyFullFileGivesALoadableFile)
{
    for (std::size_t filler : {std::size_t(1000), CIniText::kMaxFile - 600}) {
        SCOPED_TRACE(filler);
        const std::string big = "[NOTE]\r\nTEXT=" + std::string(filler, 'x') + "\r\n[CONFIGURAZIONE]\r\nNOME=Big\r\n";
        Data("Lenze", "Big.kvz", big);
        ASSERT_TRUE(rig.LoadConfiguration("Big"));
        rig.m_lenza.m_droppers[0].m_inUse = 1;
        ASSERT_TRUE(rig.SaveConfiguration("Big", "a description"));
        const std::string saved = Saved("Big");
        EXPECT_LE(saved.size(), CIniText::kMaxFile);
        EXPECT_EQ(saved.find("TEXT=") != std::string::npos, filler == 1000) << "other lines kept only when they fit";
        std::string description;
        ASSERT_TRUE(rig.LoadConfiguration("Big", nullptr, &description));
        EXPECT_EQ(description, "a description");
        EXPECT_EQ(rig.m_lenza.m_droppers[0].m_inUse, 1);
    }
}

// A value that starts with a NUL byte is missing, in the tackle reader as
// in the file services.
TEST_F(ConfigurationTest, AValueStartingWithNulIsMissing)
{
    Data("Lenze", "Nul.kvz", std::string("[CONFIGURAZIONE]\r\nNOME=") + '\0' + "x\r\n");
    EXPECT_FALSE(rig.LoadConfiguration("Nul")) << "a name of NUL is no name";
    const std::string path = folders.Data() + "/Lenze/Nul.kvz";
    char text[32];
    EXPECT_FALSE(g_GestFile.ReadString("CONFIGURAZIONE", "NOME", "none", text, sizeof text, path.c_str()));
    EXPECT_STREQ(text, "none");
}

} // namespace
