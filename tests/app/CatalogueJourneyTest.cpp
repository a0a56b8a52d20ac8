// Journeys through the catalogue screens into a session: every shipped
// venue chosen on the venues screen and fished; baits on three hooks and a
// groundbait chosen on the baits screen, seen in the session and kept over
// a restart; and catalogue files a player may have been handed, shown
// safely.
#include "screens/MenuEsche.h"
#include "screens/MenuLuogo.h"
#include "screens/MenuPrincipale.h"
#include "simulation/scene/RigFacts.h"
#include "simulation/scene/Sfondo.h"
#include "simulation/session/Gioco.h"
#include "simulation/tackle/CannaPesca.h"
#include "simulation/tackle/Esca.h"
#include "simulation/tackle/Pastura.h"
#include "tests/app/CatalogueScreens.h"
#include "world/Luogo.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr ListPlace kVenues = {50, 50, 180};
constexpr ListPlace kBaits = {50, 71, 180};
constexpr ListPlace kGroundbaits = {50, 340, 180};
constexpr int kVenuesBackX = 350, kVenuesBackY = 522;
constexpr int kBaitsBackX = 140, kBaitsBackY = 537;
constexpr int kDownX = 575, kChooserY = 50;

fs::path ShippedData() { return fs::path(KARVELIN_SOURCE_DIR) / "data"; }

class CatalogueJourney : public CatalogueTest {
protected:
    void Open(CMenuPrincipale::Button button, int screen)
    {
        Click(kMainMenuButtonX, MainMenuButtonY(button));
        ASSERT_EQ(Screen(), screen);
    }
    // From the start panel to the main menu the way a player ends a session.
    void EndSession()
    {
        Click(345, 350); // OK on the start panel
        ASSERT_EQ(g_Gioco.GetState(), kSessionFishing);
        Key(plat::kKeyEscape);
        Click(270, 360); // Yes
        ASSERT_EQ(g_Gioco.GetState(), kSessionResults);
        Click(270, 490); // OK
        ASSERT_EQ(Screen(), kScreenMainMenu);
    }
};

TEST_F(CatalogueJourney, EveryShippedVenueChosenAndFished)
{
    ASSERT_EQ(StartJourney({.settings = {{"MODOACQUE", "2"}}}), 0);
    int venues = 0;
    for (const auto& entry : fs::directory_iterator(ShippedData() / "Luoghi")) {
        if (entry.path().extension() != ".kvl")
            continue;
        ++venues;
        const std::string key = entry.path().filename().string();
        SCOPED_TRACE(key);
        Open(CMenuPrincipale::kVenues, kScreenVenues);
        const int index = IndexOfKey(g_Luogo.VenueList(), key);
        ASSERT_GE(index, 0);
        ClickRow(g_Luogo.VenueList(), kVenues, index);
        ASSERT_STREQ(g_Luogo.Record().id, key.c_str());
        const LuogoRecord venue = g_Luogo.Record();
        Click(kVenuesBackX, kVenuesBackY);
        Open(CMenuPrincipale::kStartFishing, kScreenSession);

        ProbeFrame();
        EXPECT_NE(Find(std::string("Venue: ") + venue.name), nullptr);
        // The status bar tells the sea from fresh water, and the venue's
        // region its temperature.
        EXPECT_EQ(FindPrefix("Sea: ") != nullptr, venue.TIPO == 2);
        EXPECT_EQ(FindPrefix("Tide: ") != nullptr, venue.TIPO == 2);
        EXPECT_NE(FindPrefix("Temperature: "), nullptr);
        // The scene stands in front of the venue's own picture.
        EXPECT_EQ(g_Sfondo.m_fromResource, 0);
        EXPECT_EQ(fs::path(g_Sfondo.m_path).filename().string(), venue.photoFile);
        EXPECT_STREQ(g_Luogo.Record().id, key.c_str());
        EndSession();
    }
    EXPECT_EQ(venues, 6);
}

TEST_F(CatalogueJourney, BaitsAndGroundbaitChosenFishedAndKept)
{
    // A ready rig with both droppers rigged.
    std::error_code ec;
    fs::create_directories(folders.Data() + "/Lenze", ec);
    fs::copy_file(ShippedData() / "Lenze" / "Boat_bottom.kvz", folders.Data() + "/Lenze/Boat_bottom.kvz", ec);
    ASSERT_EQ(StartJourney({.settings = {{"MODOACQUE", "0"}, {"LENZA", "Boat_bottom"}}}), 0);
    ASSERT_TRUE(g_CannaPesca.m_lenza.m_droppers[0].m_inUse);

    Open(CMenuPrincipale::kBaits, kScreenBaits);
    const char* chosen[3] = {"caster.kve", "lombrico.kve", "mais.kve"}; // by slot
    for (int slot = 2; slot >= 0; --slot) {
        ASSERT_EQ(g_MenuEsche.Slot(), slot);
        ClickRow(g_MenuEsche.m_baits, kBaits, IndexOfKey(g_MenuEsche.m_baits, chosen[slot]));
        if (slot > 0)
            Click(kDownX, kChooserY);
    }
    int groundbait = -1;
    for (int i = 0; i < g_Pastura.GetCount(); ++i)
        if (std::strcmp(g_Pastura.GetRecord(i).id, "carpa.kvt") == 0)
            groundbait = i;
    ASSERT_GT(groundbait, 0);
    ClickRow(g_MenuEsche.m_groundbaits, kGroundbaits, IndexOfId(g_MenuEsche.m_groundbaits, groundbait));
    Click(kBaitsBackX, kBaitsBackY);
    ASSERT_EQ(Screen(), kScreenMainMenu);

    Open(CMenuPrincipale::kStartFishing, kScreenSession);
    ProbeFrame();
    EXPECT_NE(Find("Baits: "), nullptr);
    for (int slot = 0; slot < 3; ++slot) {
        const EscaRecord& bait = g_Esca.GetSlot(slot);
        EXPECT_STREQ(bait.id, chosen[slot]);
        // The start panel shows each hook's bait photo ...
        EXPECT_EQ(fs::path(g_Gioco.m_baitPhotos[slot].m_path).filename().string(), bait.photo) << slot;
    }
    Click(345, 350); // OK
    ASSERT_EQ(g_Gioco.GetState(), kSessionFishing);
    // ... and the bite decision reads each hook's bait.
    const BiteFacts facts = g_CannaPesca.GatherBiteFacts();
    for (int slot = 0; slot < 3; ++slot) {
        const EscaRecord& bait = g_Esca.GetSlot(slot);
        EXPECT_EQ(facts.terminals[slot].baitKind, bait.kind) << slot;
        EXPECT_EQ(facts.terminals[slot].baitVenueKind, bait.venueKind) << slot;
    }
    // Space throws the chosen groundbait where the rig lies.
    MoveTo(400, 300);
    Click(400, 300);
    Advance(3000);
    Key(plat::kKeySpace);
    std::set<int> thrown;
    for (int c = 0; c < CPastura::kGridSize; ++c)
        for (int r = 0; r < CPastura::kGridSize; ++r)
            if (g_Pastura.CellData(c, r).groundbait >= 0)
                thrown.insert(g_Pastura.CellData(c, r).groundbait);
    EXPECT_EQ(thrown, std::set<int>{groundbait});

    // The next start puts the same baits on the hooks and opens the list on
    // the leader's.
    ASSERT_EQ(Restart(), 0);
    for (int slot = 0; slot < 3; ++slot)
        EXPECT_STREQ(g_Esca.GetSlot(slot).id, chosen[slot]) << slot;
    EXPECT_STREQ(g_MenuEsche.m_baits.GetSelectedKey(), chosen[2]);
    Open(CMenuPrincipale::kBaits, kScreenBaits);
    EXPECT_STREQ(g_MenuEsche.m_baits.GetSelectedKey(), chosen[2]);
}

// Files a player may have been handed: binary bytes, names and
// descriptions far longer than the records hold, numbers out of range, a
// photo that is no picture, keys that climb out of the folder.
TEST_F(CatalogueJourney, HostileCatalogueFilesAreShownSafely)
{
    const std::string longText(600, 'W');
    std::string binary;
    for (int i = 0; i < 2000; ++i)
        binary += char((i * 37 + 11) % 256);
    const struct {
        const char* path;
        std::string text;
    } files[] = {
        {"program/Luoghi/binary.kvl", binary},
        {"program/Luoghi/long.kvl",
         "[LUOGO]\r\nNOME=" + longText + "\r\nNAME=" + longText + "\r\nDESCRIZIONE=" + longText +
             "\r\nDESCRIPTION=" + longText +
             "\r\nTIPO=99\r\nGEOGRAFIA=-4\r\nCORRENTE=77\r\nVERSOCORRENTE=-9\r\nCORRENTEVERTICALE=2147483647"
             "\r\nFONDALE=12\r\nACQUA=-1\r\nPROFONDITA=999999999\r\nPENDENZA=-30\r\nMAX_METRI=5000"
             "\r\nFILENAMEFOTO=notapicture.png\r\nFILE_PRESENZA_PESCI=binary\r\n"},
        {"program/Luoghi/climb.kvl",
         "[LUOGO]\r\nNOME=Climb\r\nTIPO=0\r\nFILENAMEFOTO=../../outside.png\r\nFILE_PRESENZA_PESCI=../../outside\r\n"},
        {"program/Luoghi/a..b.kvl", "[LUOGO]\r\nNOME=Dots\r\nTIPO=1\r\n"},
        {"program/Luoghi/binary.kvs", binary},
        {"program/Luoghi/notapicture.png", "this is not a picture"},
        {"outside.kvs", "[PESCI]\r\nCARPA=100\r\n"},
        {"program/Esche/binary.kve", binary},
        {"program/Esche/long.kve", "[ESCA]\r\nNOME=" + longText + "\r\nNAME=" + longText + "\r\nDESCRIZIONE=" +
                                       longText + "\r\nDESCRIPTION=" + longText +
                                       "\r\nTIPO=13\r\nCOLORE_AMO=44\r\nCURVA_AMO=-8\r\nTIPO_LUOGO=7"
                                       "\r\nPESO=-5\r\nMAX_PROF=2147483647\r\nFILENAMEFOTO=../../outside.png\r\n"},
        {"program/Pasture/binary.kvt", binary},
        {"program/Pasture/long.kvt", "[PASTURA]\r\nNOME=" + longText + "\r\nNAME=" + longText +
                                         "\r\nDESCRIPTION=" + longText +
                                         "\r\nSECONDI=-70\r\n[PESCI]\r\nCARPA=7\r\nTINCA=1\r\nLUCCIO=-1\r\n"},
    };
    for (const auto& f : files)
        folders.Write(f.path, f.text);
    ASSERT_EQ(StartJourney({.settings = {{"MODOACQUE", "2"}}}), 0);

    Open(CMenuPrincipale::kVenues, kScreenVenues);
    for (const char* key : {"binary.kvl", "long.kvl", "climb.kvl", "a..b.kvl"}) {
        SCOPED_TRACE(key);
        const int index = IndexOfKey(g_Luogo.VenueList(), key);
        ASSERT_GE(index, 0);
        ClickRow(g_Luogo.VenueList(), kVenues, index);
        ASSERT_STREQ(g_Luogo.Record().id, key);
        const LuogoRecord& r = g_Luogo.Record();
        EXPECT_LE(std::strlen(r.name), 128u);
        EXPECT_LE(std::strlen(r.description), 512u);
        EXPECT_TRUE(r.PROFONDITA >= 50 && r.PROFONDITA <= 10000);
        EXPECT_TRUE(r.PENDENZA >= 5 && r.PENDENZA <= 50);
        for (int s = 0; s < 130; ++s)
            ASSERT_TRUE(r.presence[s] >= 0 && r.presence[s] <= 100);
        ProbeFrame();
        EXPECT_NE(FindPrefix("Venue type: "), nullptr);
        EXPECT_NE(Find("Set depth data"), nullptr);
        EXPECT_TRUE(g_Sfondo.m_venuePhoto.HasDrawer()) << "a photo or the built-in picture";
    }
    // The oddly named venue's bottom goes beside the others, named after it.
    Click(500, 522);
    EXPECT_EQ(fs::file_size(folders.Data() + "/Luoghi/a..b.kvf"), 4356u);
    std::set<std::string> written;
    for (const auto& e : fs::directory_iterator(folders.Data() + "/Luoghi"))
        written.insert(e.path().filename().string());
    EXPECT_EQ(written, std::set<std::string>{"a..b.kvf"});
    Click(kVenuesBackX, kVenuesBackY);

    Open(CMenuPrincipale::kBaits, kScreenBaits);
    for (const char* key : {"binary.kve", "long.kve"}) {
        SCOPED_TRACE(key);
        ClickRow(g_MenuEsche.m_baits, kBaits, IndexOfKey(g_MenuEsche.m_baits, key));
        const EscaRecord& bait = g_Esca.GetSlot(2);
        EXPECT_STREQ(bait.id, key);
        EXPECT_LE(std::strlen(bait.name), 128u);
        ProbeFrame();
        EXPECT_NE(FindPrefix("Bait: "), nullptr);
        EXPECT_TRUE(g_Esca.m_photo.HasDrawer());
    }
    for (int i = 0; i < g_Pastura.GetCount(); ++i) {
        ClickRow(g_MenuEsche.m_groundbaits, kGroundbaits, IndexOfId(g_MenuEsche.m_groundbaits, i));
        EXPECT_EQ(g_Pastura.m_selected, i);
        for (int row = 0; row < g_MenuEsche.m_fishes.GetCount(); ++row)
            EXPECT_EQ(g_Pastura.GetRecord(i).attracts[g_MenuEsche.m_fishes.GetItem(row)->id], 1);
        Frame();
    }
    Click(kBaitsBackX, kBaitsBackY);
    EXPECT_EQ(Screen(), kScreenMainMenu);

    // Nothing was written beside the game's folders.
    std::set<std::string> top;
    for (const auto& e : fs::directory_iterator(folders.Root()))
        top.insert(e.path().filename().string());
    EXPECT_EQ(top, (std::set<std::string>{"appdata", "outside.kvs", "program"}));
}

} // namespace

namespace {

// Links planted in the data folder (at the error log, at the settings'
// temporary name, at a venue subfolder) and a FIFO as a venue's bottom:
// the files outside stay as they were, and the venues screen never waits.
TEST_F(CatalogueJourney, PlantedLinksAndAFifoCostNothingOutside)
{
    const std::string outside = folders.Root() + "/outside";
    folders.Write("outside/log.txt", "log kept");
    folders.Write("outside/ini.txt", "ini kept");
    fs::create_directories(outside + "/venues");
    const std::string luoghi = folders.Data() + "/Luoghi/";
    folders.Write("appdata/Karvelin/Luoghi/sub\\Evil.kvl", "[LUOGO]\r\nNOME=Evil\r\nTIPO=0\r\n");
    folders.Write("appdata/Karvelin/Luoghi/Pipe.kvl", "[LUOGO]\r\nNOME=Pipe\r\nTIPO=0\r\n");
    fs::create_symlink(outside + "/venues", luoghi + "sub");
    ASSERT_EQ(::mkfifo((luoghi + "Pipe.kvf").c_str(), 0600), 0);
    fs::create_symlink(outside + "/log.txt", folders.Data() + "/norva_error.log");
    fs::create_symlink(outside + "/ini.txt", folders.Data() + "/Karvelin.ini.tmp" + std::to_string(getpid()));
    // A rig name that leaves its folder: refused, with a line for the log.
    ASSERT_EQ(StartJourney({.settings = {{"MODOACQUE", "2"}, {"LENZA", "../escape"}}}), 0);

    Open(CMenuPrincipale::kVenues, kScreenVenues);
    EXPECT_LT(IndexOfKey(g_Luogo.VenueList(), "sub\\Evil.kvl"), 0) << "a backslash would lead into sub/";
    const int pipe = IndexOfKey(g_Luogo.VenueList(), "Pipe.kvl");
    ASSERT_GE(pipe, 0);
    ClickRow(g_Luogo.VenueList(), kVenues, pipe);
    ASSERT_STREQ(g_Luogo.Record().id, "Pipe.kvl");
    ProbeFrame();
    EXPECT_NE(Find("Set depth data"), nullptr) << "a FIFO is no bottom";
    Click(kVenuesBackX, kVenuesBackY);
    Open(CMenuPrincipale::kBaits, kScreenBaits);
    Click(kBaitsBackX, kBaitsBackY); // writes the settings
    ASSERT_EQ(Screen(), kScreenMainMenu);

    EXPECT_EQ(folders.Read("outside/log.txt"), "log kept");
    EXPECT_EQ(folders.Read("outside/ini.txt"), "ini kept");
    EXPECT_TRUE(fs::is_empty(outside + "/venues"));
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(folders.Data() + "/Karvelin.ini")));
}

} // namespace
