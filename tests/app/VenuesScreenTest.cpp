// The venues screen through the real program: rows of every kind, the depth
// buttons and their files, a paused session behind the screen, the current
// indicator, the lists' arrows and wheel, captions in both languages.
#include "screens/MenuLuogo.h"
#include "screens/MenuPrincipale.h"
#include "shell/GestFile.h"
#include "simulation/session/Gioco.h"
#include "tests/app/CatalogueScreens.h"
#include "world/Fondale.h"
#include "world/Luogo.h"
#include "world/Pesci.h"

#include <filesystem>

namespace {

namespace fs = std::filesystem;

constexpr ListPlace kVenues = {50, 50, 180};
constexpr int kVenuesH = 300;
constexpr ListPlace kPresent = {495, 362, 210};
constexpr int kPresentH = 145;
constexpr int kDepthX = 500, kDepthY = 522;
constexpr int kBackX = 350, kBackY = 522;
constexpr int kLoneOkX = 425, kAskY = 362;

class VenuesTest : public CatalogueTest {
protected:
    void OpenVenues()
    {
        Click(kMainMenuButtonX, MainMenuButtonY(CMenuPrincipale::kVenues));
        ASSERT_EQ(Screen(), kScreenVenues);
    }
    void ClickVenue(const std::string& key)
    {
        const int index = IndexOfKey(g_Luogo.VenueList(), key);
        ASSERT_GE(index, 0) << key;
        ClickRow(g_Luogo.VenueList(), kVenues, index);
    }
    std::string BottomFile(const std::string& base) const { return folders.Data() + "/Luoghi/" + base + ".kvf"; }
    // Which depth button the frame drew: "set", "delete" or "".
    std::string DepthButtonShown()
    {
        ProbeFrame();
        const bool set = Find("Set depth data") || Find("Crea dati Fondale");
        const bool del = Find("Delete depth data") || Find("Elimina dati Fondale");
        return set && del ? "both" : set ? "set" : del ? "delete" : "";
    }
};

TEST_F(VenuesTest, RowsOfEachKindAndTheDepthButtons)
{
    ASSERT_EQ(StartJourney({.settings = {{"MODOACQUE", "0"}}}), 0);
    EXPECT_EQ(VenueListProblem(0), "") << "the waters' built-in venue is selected from the start";
    OpenVenues();
    const struct {
        const char* key;
        const char* current; // the venue in use after the click
        const char* depth;   // the depth button shown
    } cases[] = {
        {"Canale.kvl", "Canale.kvl", "set"},
        {kVenueSea, "Canale.kvl", "set"}, // disabled in fresh waters: nothing changes
        {kVenueLake, kVenueLake, ""},     // a built-in venue has no depth data
        {"FiumePianura.kvl", "FiumePianura.kvl", "set"},
        {"Secca.kvl", "FiumePianura.kvl", "set"},
    };
    for (const auto& c : cases) {
        ClickVenue(c.key);
        EXPECT_STREQ(g_Luogo.Record().id, c.current) << c.key;
        EXPECT_STREQ(g_Luogo.VenueList().GetSelectedKey(), c.current) << c.key;
        EXPECT_EQ(DepthButtonShown(), c.depth) << c.key;
        ASSERT_NE(FindPrefix("Venue type: "), nullptr);
    }

    // The bottom file is made in the user's venue folder, then removed.
    ClickVenue("Canale.kvl");
    Click(kDepthX, kDepthY);
    ASSERT_TRUE(fs::exists(BottomFile("Canale")));
    EXPECT_EQ(fs::file_size(BottomFile("Canale")), 4356u);
    EXPECT_EQ(DepthButtonShown(), "delete");
    Click(kDepthX, kDepthY);
    EXPECT_FALSE(fs::exists(BottomFile("Canale")));
    EXPECT_EQ(DepthButtonShown(), "set");

    // A full disk, then a folder under the bottom's name: each says so over
    // the screen, which takes no other click meanwhile, and the button stays
    // the one for what is on disk.
    {
        testing_support::FileSizeLimit full(1000);
        Click(kDepthX, kDepthY);
    }
    EXPECT_FALSE(fs::exists(BottomFile("Canale")));
    ASSERT_TRUE(g_MenuLuogo.m_ask.IsShown());
    EXPECT_STREQ(g_MenuLuogo.m_ask.m_text, "The depth data could not be saved.");
    ProbeFrame();
    const ProbedText* notice = Find("The depth data could not be saved.");
    ASSERT_NE(notice, nullptr);
    EXPECT_TRUE(notice->fits);
    Click(kBackX, kBackY);
    EXPECT_EQ(Screen(), kScreenVenues);
    Click(kLoneOkX, kAskY);
    EXPECT_FALSE(g_MenuLuogo.m_ask.IsShown());
    EXPECT_EQ(DepthButtonShown(), "set");
    // A folder under the bottom's name is no bottom: making one there fails
    // and says so.
    fs::create_directories(BottomFile("Canale") + "/held");
    Click(kDepthX, kDepthY);
    ASSERT_TRUE(g_MenuLuogo.m_ask.IsShown());
    EXPECT_STREQ(g_MenuLuogo.m_ask.m_text, "The depth data could not be saved.");
    Click(kLoneOkX, kAskY);
    EXPECT_EQ(DepthButtonShown(), "set");
    fs::remove_all(BottomFile("Canale"));

    // A built-in venue neither draws nor hears the buttons where they were.
    ClickVenue(kVenueLake);
    Click(kDepthX, kDepthY);
    EXPECT_TRUE(fs::is_empty(folders.Data() + "/Luoghi"));

    Click(kBackX, kBackY);
    EXPECT_EQ(Screen(), kScreenMainMenu);
}

// The current venue can change behind the screen: the main menu's waters,
// a tournament's drawn venue. The buttons are asked again on entry and the
// file again at the click.
TEST_F(VenuesTest, ABottomMadeCurrentElsewhereIsNeverOverwritten)
{
    const std::string stored(4356, '\x07');
    folders.Write("appdata/Karvelin/Luoghi/Canale.kvf", stored);
    ASSERT_EQ(StartJourney({.settings = {{"MODOACQUE", "0"}}}), 0);
    OpenVenues();
    EXPECT_EQ(DepthButtonShown(), "") << "the lake";
    Click(kBackX, kBackY);

    // The tournament's draw selects the venue the way it does.
    const ListItem* canale = g_Luogo.VenueList().FindByKey("Canale.kvl");
    ASSERT_NE(canale, nullptr);
    ASSERT_TRUE(g_Luogo.SelectByIndex(canale->id));
    OpenVenues();
    EXPECT_EQ(DepthButtonShown(), "delete");

    // Even a button that believes the file missing does not replace it.
    g_MenuLuogo.m_depthDataMissing = 1;
    g_MenuLuogo.m_createDepth.m_shown = 1;
    g_MenuLuogo.m_deleteDepth.m_shown = 0;
    Click(kDepthX, kDepthY);
    EXPECT_EQ(folders.Read("appdata/Karvelin/Luoghi/Canale.kvf"), stored);
    EXPECT_EQ(DepthButtonShown(), "delete");
    Click(kBackX, kBackY);

    // A waters change brings the built-in venue back: no button.
    Click(210, 105);
    OpenVenues();
    EXPECT_STREQ(g_Luogo.Record().id, kVenueSea);
    EXPECT_EQ(DepthButtonShown(), "");
    EXPECT_EQ(folders.Read("appdata/Karvelin/Luoghi/Canale.kvf"), stored);
}

TEST_F(VenuesTest, APausedSessionShowsItsVenueAndHoldsIt)
{
    ASSERT_EQ(StartJourney({.settings = {{"MODOACQUE", "2"}}}), 0);
    OpenVenues();
    ClickVenue("Canale.kvl");
    Click(kBackX, kBackY);
    Click(kMainMenuButtonX, MainMenuButtonY(CMenuPrincipale::kStartFishing));
    Click(345, 350); // OK on the start panel
    Key('M');
    ASSERT_EQ(g_Gioco.GetState(), kSessionGameMenu);
    Click(400, 262); // "Venues"
    ASSERT_EQ(Screen(), kScreenVenues);

    ProbeFrame();
    EXPECT_NE(Find(std::string("Venue: ") + g_Luogo.Record().name), nullptr);
    EXPECT_EQ(Find("Venues"), nullptr) << "no venue list";
    EXPECT_EQ(DepthButtonShown(), "");
    // Where the rows and the depth button were, clicks change nothing.
    const int firstVisible = g_Luogo.VenueList().m_firstVisible;
    for (int row = 0; row < 8; ++row)
        Click(kVenues.x + 40, kVenues.y + 25 + row * g_Luogo.VenueList().RowHeight() + 5);
    WheelOver(kVenues, -120);
    Click(kDepthX, kDepthY);
    EXPECT_STREQ(g_Luogo.Record().id, "Canale.kvl");
    EXPECT_EQ(g_Luogo.VenueList().m_firstVisible, firstVisible);
    EXPECT_FALSE(fs::exists(BottomFile("Canale")));

    Click(kBackX, kBackY);
    EXPECT_EQ(Screen(), kScreenSession);
    EXPECT_EQ(g_Gioco.GetState(), kSessionGameMenu);

    // A session that ends while the screen is open (a tournament's clock)
    // is no longer paused, and Back leads to its results.
    Click(400, 262);
    ASSERT_EQ(Screen(), kScreenVenues);
    g_Gioco.EndSession();
    ProbeFrame();
    EXPECT_NE(Find("Venues"), nullptr);
    Click(kBackX, kBackY);
    EXPECT_EQ(Screen(), kScreenSession);
    EXPECT_EQ(g_Gioco.GetState(), kSessionResults);
}

TEST_F(VenuesTest, TheCurrentIndicatorCellByCell)
{
    const struct {
        const char* file;
        int current, direction, vertical;
        int frame; // -1 hidden
    } cases[] = {
        {"d0v1.kvl", 2, 0, 1, 3},  {"d0v2.kvl", 2, 0, 2, 5},  {"d0v0.kvl", 2, 0, 0, 4},
        {"d1v1.kvl", 1, 1, 1, 1},  {"d1v2.kvl", 3, 1, 2, 7},  {"d1v3.kvl", 1, 1, 3, 0},
        {"still1.kvl", 0, 0, 1, 2}, {"still2.kvl", 0, 1, 2, 6}, {"still0.kvl", 0, 1, 0, -1},
    };
    for (const auto& c : cases)
        folders.Write(std::string("appdata/Karvelin/Luoghi/") + c.file,
                      VenueText(c.file, "TIPO=0\r\nFONDALE=2\r\nCORRENTE=" + std::to_string(c.current) +
                                            "\r\nVERSOCORRENTE=" + std::to_string(c.direction) +
                                            "\r\nCORRENTEVERTICALE=" + std::to_string(c.vertical) + "\r\n"));
    ASSERT_EQ(StartJourney({.settings = {{"MODOACQUE", "0"}}}), 0);
    OpenVenues();
    // The badge's centre: covered by the arrow of every frame.
    const int cx = 520 + OffsetX(), cy = 265 + OffsetY();
    ClickVenue("still0.kvl");
    Frame();
    const plat::Argb photoOnly = Pixel(cx, cy);
    EXPECT_STREQ(g_Luogo.Record().id, "still0.kvl");
    EXPECT_EQ(g_MenuLuogo.GetCurrentFrame(), -1);
    for (const auto& c : cases) {
        ClickVenue(c.file);
        EXPECT_EQ(g_MenuLuogo.GetCurrentFrame(), c.frame) << c.file;
        EXPECT_EQ(CMenuLuogo::GetCurrentFrame(c.current == 0 ? -1 : c.direction, c.vertical), c.frame) << c.file;
        Frame();
        if (c.frame >= 0) {
            EXPECT_EQ(g_MenuLuogo.m_indicator.m_column, c.frame) << c.file;
        }
        Frame();
        EXPECT_EQ(Pixel(cx, cy) != photoOnly, c.frame >= 0) << c.file;
        // The details name the current, not the (muddy) bottom.
        static const char* const kRunning[] = {"motionless", "slow", "medium", "fast"};
        ProbeFrame();
        EXPECT_NE(Find(std::string("Running: ") + kRunning[c.current]), nullptr) << c.file;
        EXPECT_NE(Find("Ground type: mud"), nullptr) << c.file;
    }
}

TEST_F(VenuesTest, ArrowsWheelAndTheFishesPresent)
{
    // Enough venues that the list pages.
    for (int i = 0; i < 20; ++i)
        folders.Write("appdata/Karvelin/Luoghi/extra" + std::to_string(i) + ".kvl",
                      VenueText("Zz extra " + std::to_string(i), "TIPO=1\r\n"));
    ASSERT_EQ(StartJourney({.settings = {{"MODOACQUE", "2"}}}), 0);
    OpenVenues();
    ClickVenue("FiumePianura.kvl");
    const struct {
        CListBox* list;
        ListPlace at;
        int height;
    } lists[] = {{&g_Luogo.VenueList(), kVenues, kVenuesH}, {&g_Luogo.SpeciesList(), kPresent, kPresentH}};
    for (const auto& l : lists) {
        CListBox& list = *l.list;
        list.ScrollTo(0);
        Frame();
        ASSERT_GT(list.GetCount(), list.m_visibleRows) << "the list must page";
        ClickArrow(l.at, l.height, true);
        EXPECT_EQ(list.m_firstVisible, 1);
        ClickArrow(l.at, l.height, false);
        EXPECT_EQ(list.m_firstVisible, 0);
        WheelOver(l.at, -120);
        WheelOver(l.at, -120);
        EXPECT_EQ(list.m_firstVisible, 2);
        WheelOver(l.at, 120);
        EXPECT_EQ(list.m_firstVisible, 1);
        // Away from the rows the wheel leaves the list alone.
        MoveTo(400, 20);
        Wheel(-120);
        EXPECT_EQ(list.m_firstVisible, 1);
    }
    // A row of the fishes present shows that species' photo.
    CListBox& present = g_Luogo.SpeciesList();
    for (int index : {0, present.GetCount() - 1}) {
        ClickRow(present, kPresent, index);
        const int species = present.GetItem(index)->id;
        EXPECT_EQ(present.GetSelectedId(), species);
        EXPECT_EQ(int(g_Pesci.Photo().m_bitmapId), g_Pesci.GetRecord(unsigned(species)).photoBitmapId);
        EXPECT_GT(g_Luogo.Record().presence[species], 0);
    }
    EXPECT_STREQ(g_Luogo.Record().id, "FiumePianura.kvl") << "the venue stays";
}

TEST_F(VenuesTest, CaptionsInBothLanguagesAndAfterALostDevice)
{
    for (bool italian : {false, true}) {
        Stop();
        ASSERT_EQ(StartJourney({.italian = italian, .settings = {{"MODOACQUE", "2"}}}), 0);
        OpenVenues();
        ClickVenue("Bacino.kvl");
        ExpectCaptions(italian ? std::vector<std::string>{"Karvelin - Luoghi", "Luoghi", "Dettagli luogo",
                                                                 "Descrizione", "Indietro", "Pesci presenti",
                                                                 "Crea dati Fondale"}
                                      : std::vector<std::string>{"Karvelin - Venues", "Venues", "Details",
                                                                 "Description", "Back", "Fishes list",
                                                                 "Set depth data"});
        EXPECT_NE(FindPrefix(italian ? "Profondit\xE0: 6.00 mt" : "Depth: 6.00 mt"), nullptr);
        EXPECT_NE(Find(italian ? "Pendenza: 15 %" : "Slope: 15 %"), nullptr);
        Click(kDepthX, kDepthY);
        ExpectCaptions({italian ? "Elimina dati Fondale" : "Delete depth data"});
        // The face is 130 wide and the caption starts 5 in.
        for (const char* caption : {"Elimina dati Fondale", "Delete depth data"})
            if (const ProbedText* t = Find(caption)) {
                EXPECT_LE(t->measuredWidth, 125) << caption;
            }
        Click(kDepthX, kDepthY);

        ASSERT_TRUE(LoseAndResetDevice());
        ExpectCaptions({italian ? "Karvelin - Luoghi" : "Karvelin - Venues",
                               italian ? "Crea dati Fondale" : "Set depth data"});
        EXPECT_TRUE(g_MenuLuogo.m_indicator.HasDrawer());
    }
}

} // namespace
