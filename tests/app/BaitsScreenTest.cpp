// The baits and groundbaits screen through the real program: the hook
// chooser and its texts, bait rows on each hook, the details of a bait and
// of a lure, groundbait rows and the fishes they draw, the lists' wheel,
// Back writing the three baits, and a settings file that cannot be written.
#include "gui/AskBox.h"
#include "screens/MenuEsche.h"
#include "screens/MenuPrincipale.h"
#include "shell/Opzioni.h"
#include "simulation/tackle/CannaPesca.h"
#include "simulation/tackle/Esca.h"
#include "simulation/tackle/Pastura.h"
#include "tests/app/CatalogueScreens.h"
#include "world/Pesci.h"

#include <cstring>
#include <filesystem>

namespace {

constexpr ListPlace kBaits = {50, 71, 180};
constexpr ListPlace kGroundbaits = {50, 340, 180};
constexpr ListPlace kFishes = {270, 340, 180};
constexpr int kUpX = 555, kDownX = 575, kChooserY = 50;
constexpr int kBackX = 140, kBackY = 537;
constexpr int kLoneOkX = 425, kAskY = 362;

class BaitsTest : public CatalogueTest {
protected:
    void OpenBaits()
    {
        Click(kMainMenuButtonX, MainMenuButtonY(CMenuPrincipale::kBaits));
        ASSERT_EQ(Screen(), kScreenBaits);
    }
    void ClickBait(const std::string& id)
    {
        const int index = IndexOfKey(g_MenuEsche.m_baits, id);
        ASSERT_GE(index, 0) << id;
        ClickRow(g_MenuEsche.m_baits, kBaits, index);
    }
    // The groundbait row of a catalogue index.
    void ClickGroundbait(int catalogueIndex)
    {
        const int index = IndexOfId(g_MenuEsche.m_groundbaits, catalogueIndex);
        ASSERT_GE(index, 0);
        ClickRow(g_MenuEsche.m_groundbaits, kGroundbaits, index);
    }
    static int GroundbaitNamed(const char* id)
    {
        for (int i = 0; i < g_Pastura.GetCount(); ++i)
            if (std::string(g_Pastura.GetRecord(i).id) == id)
                return i;
        return -1;
    }
};

TEST_F(BaitsTest, TheHookChooserInBothLanguages)
{
    for (bool italian : {false, true}) {
        Stop();
        ASSERT_EQ(StartJourney({.italian = italian, .settings = {}}), 0);
        OpenBaits();
        ASSERT_FALSE(g_CannaPesca.m_lenza.m_droppers[0].m_inUse) << "the default rig has no droppers";
        const std::string leaderHook = g_CannaPesca.m_lenza.m_leader.m_hook.m_current.name;
        ASSERT_FALSE(leaderHook.empty());
        const struct {
            int x;     // the arrow clicked, 0 for none
            int value; // the chooser's value after it
            std::string text;
        } cases[] = {
            {0, 2, (italian ? "Finale: " : "Line-hook: ") + leaderHook},
            {kUpX, 2, (italian ? "Finale: " : "Line-hook: ") + leaderHook}, // no wrap at the top
            {kDownX, 1, italian ? "Bracciolo (1): non utilizzato" : "Line-hook (1): not used"},
            {kDownX, 0, italian ? "Bracciolo (2): non utilizzato" : "Line-hook (2): not used"},
            {kDownX, 0, italian ? "Bracciolo (2): non utilizzato" : "Line-hook (2): not used"},
            {kUpX, 1, italian ? "Bracciolo (1): non utilizzato" : "Line-hook (1): not used"},
        };
        for (const auto& c : cases) {
            if (c.x)
                Click(c.x, kChooserY);
            EXPECT_EQ(g_MenuEsche.Slot(), c.value);
            ExpectCaptions({c.text, italian ? "Amo" : "Hook"});
        }
        // A rigged dropper shows its hook.
        g_CannaPesca.m_lenza.m_droppers[0].m_inUse = 1;
        ExpectCaptions({(italian ? "Bracciolo (1): " : "Line-hook (1): ") +
                        std::string(g_CannaPesca.m_lenza.m_droppers[0].m_hook.m_current.name)});
        g_CannaPesca.m_lenza.m_droppers[0].m_inUse = 0;
    }
}

TEST_F(BaitsTest, BaitsOnEachHookWithTheirDetails)
{
    ASSERT_EQ(StartJourney(), 0);
    OpenBaits();
    const struct {
        int downClicks; // from the leader
        const char* bait;
        bool lure;
    } cases[] = {
        {0, "mais.kve", false},
        {0, "minnow7.kve", true},
        {1, "lombrico.kve", false}, // a dropper that is not rigged still takes a bait
        {2, "jig60.kve", true},
    };
    for (const auto& c : cases) {
        while (g_MenuEsche.Slot() != 2)
            Click(kUpX, kChooserY);
        for (int i = 0; i < c.downClicks; ++i)
            Click(kDownX, kChooserY);
        const int slot = g_MenuEsche.Slot();
        ClickBait(c.bait);
        EXPECT_STREQ(g_Esca.GetSlot(slot).id, c.bait);
        EXPECT_STREQ(g_MenuEsche.m_baits.GetSelectedKey(), c.bait);
        ProbeFrame();
        const EscaRecord& bait = g_Esca.GetSlot(slot);
        EXPECT_NE(Find(std::string("Bait: ") + bait.name), nullptr) << c.bait;
        EXPECT_NE(Find(std::string("Type: ") + CEsca::GetBaitTypeName(bait.kind)), nullptr) << c.bait;
        EXPECT_NE(FindPrefix("Ideal venue type: "), nullptr);
        for (const char* lureLine : {"Weight: ", "Working depth: ", "Ideal line: "})
            EXPECT_EQ(FindPrefix(lureLine) != nullptr, c.lure) << c.bait << " " << lureLine;
    }
    // Each hook kept its own bait; the list follows the hook shown.
    EXPECT_STREQ(g_Esca.GetSlot(2).id, "minnow7.kve");
    EXPECT_STREQ(g_Esca.GetSlot(1).id, "lombrico.kve");
    EXPECT_STREQ(g_Esca.GetSlot(0).id, "jig60.kve");
    Click(kUpX, kChooserY);
    EXPECT_STREQ(g_MenuEsche.m_baits.GetSelectedKey(), "lombrico.kve");
    // A bait the catalogue no longer lists leaves the list without a row.
    CopyTackleText(g_Esca.m_slots[2].id, "gone.kve", 128);
    Click(kUpX, kChooserY);
    EXPECT_EQ(g_MenuEsche.m_baits.GetSelectedIndex(), -1);
}

TEST_F(BaitsTest, GroundbaitsAndTheFishesTheyDraw)
{
    // A groundbait that draws no species at all.
    folders.Write("appdata/Karvelin/Pasture/vuota.kvt",
                  "[PASTURA]\r\nNOME=Vuota\r\nNAME=Empty\r\n"
                  "DESCRIZIONE=Nulla\r\nDESCRIPTION=Nothing\r\nSECONDI=60\r\n");
    ASSERT_EQ(StartJourney(), 0);
    OpenBaits();
    EXPECT_EQ(g_MenuEsche.m_groundbaits.GetSelectedId(), g_Pastura.m_selected);
    // Both lists by name, byte by byte.
    for (CListBox* list : {&g_MenuEsche.m_baits, &g_MenuEsche.m_groundbaits})
        for (int i = 1; i < list->GetCount(); ++i)
            EXPECT_LE(std::strcmp(list->GetItem(i - 1)->col0, list->GetItem(i)->col0), 0)
                << list->GetItem(i - 1)->col0 << " / " << list->GetItem(i)->col0;
    for (const char* id : {"carpa.kvt", "sarda.kvt", "vuota.kvt", "INTERNAL_0"}) {
        const int index = GroundbaitNamed(id);
        ASSERT_GE(index, 0) << id;
        ClickGroundbait(index);
        EXPECT_EQ(g_Pastura.m_selected, index) << id;
        const PasturaRecord& r = g_Pastura.GetRecord(index);
        int flags = 0;
        for (int s = 0; s < CPesci::kCount; ++s)
            flags += r.attracts[s] == 1 ? 1 : 0;
        EXPECT_EQ(g_MenuEsche.m_fishes.GetCount(), flags) << id;
        EXPECT_EQ(flags == 0, std::string(id) == "vuota.kvt");
        for (int i = 0; i < g_MenuEsche.m_fishes.GetCount(); ++i)
            EXPECT_EQ(r.attracts[g_MenuEsche.m_fishes.GetItem(i)->id], 1);
        ProbeFrame();
        EXPECT_NE(Find(r.description), nullptr) << id;
    }
    // The fishes list takes no selection, and the wheel moves each list.
    ClickGroundbait(GroundbaitNamed("sarda.kvt"));
    ClickRow(g_MenuEsche.m_fishes, kFishes, 0);
    EXPECT_EQ(g_MenuEsche.m_fishes.GetSelectedIndex(), -1);
    EXPECT_EQ(g_Pastura.m_selected, GroundbaitNamed("sarda.kvt"));
    for (const auto& [list, at] : {std::pair{&g_MenuEsche.m_baits, kBaits},
                                   std::pair{&g_MenuEsche.m_groundbaits, kGroundbaits},
                                   std::pair{&g_MenuEsche.m_fishes, kFishes}}) {
        list->ScrollTo(0);
        Frame();
        const bool pages = list->GetCount() > list->m_visibleRows;
        WheelOver(at, -120);
        EXPECT_EQ(list->m_firstVisible, pages ? 1 : 0) << at.x << "," << at.y;
        WheelOver(at, 120);
        EXPECT_EQ(list->m_firstVisible, 0);
    }
}

TEST_F(BaitsTest, BackWritesTheThreeBaits)
{
    ASSERT_EQ(StartJourney(), 0);
    OpenBaits();
    ClickBait("mais.kve");
    Click(kDownX, kChooserY);
    ClickBait("lombrico.kve");
    Click(kDownX, kChooserY);
    ClickBait("caster.kve");
    EXPECT_EQ(Settings().find("ESCA_FI=mais.kve"), std::string::npos) << "written on Back only";
    Click(kBackX, kBackY);
    EXPECT_EQ(Screen(), kScreenMainMenu);
    const std::string file = Settings();
    for (const char* line : {"ESCA_FI=mais.kve", "ESCA_B1=lombrico.kve", "ESCA_B2=caster.kve"})
        EXPECT_NE(file.find(line), std::string::npos) << line;
    EXPECT_EQ(g_MenuEsche.Slot(), 0) << "the chooser keeps its value";
    OpenBaits();
    EXPECT_EQ(g_MenuEsche.Slot(), 0);
}

TEST_F(BaitsTest, ASettingsFileThatCannotBeWrittenIsSaid)
{
    ASSERT_EQ(StartJourney({.italian = true, .settings = {}}), 0);
    OpenBaits();
    ClickBait("mais.kve");
    const std::string ini = folders.Data() + "/Karvelin.ini";
    std::filesystem::remove(ini);
    std::filesystem::create_directories(ini + "/blocked");
    Click(kBackX, kBackY);
    EXPECT_EQ(Screen(), kScreenBaits);
    ASSERT_TRUE(g_MenuEsche.m_ask.IsShown());
    EXPECT_EQ(g_MenuEsche.m_ask.m_kind, CAskBox::kOkAlone);
    ProbeFrame();
    EXPECT_NE(Find("Impossibile salvare le esche."), nullptr);
    // While it is open the lists take no clicks.
    ClickBait("lombrico.kve");
    EXPECT_STREQ(g_Esca.GetSlot(2).id, "mais.kve");
    Click(kLoneOkX, kAskY);
    EXPECT_FALSE(g_MenuEsche.m_ask.IsShown());
    EXPECT_EQ(Screen(), kScreenMainMenu);
    EXPECT_STREQ(g_Esca.GetSlot(2).id, "mais.kve") << "the choice holds for this run";
}

TEST_F(BaitsTest, CaptionsInBothLanguagesAndAfterALostDevice)
{
    for (bool italian : {false, true}) {
        Stop();
        ASSERT_EQ(StartJourney({.italian = italian, .settings = {}}), 0);
        OpenBaits();
        ClickBait("polenta.kve");
        const std::vector<std::string> captions =
            italian ? std::vector<std::string>{"Karvelin - Esche/Pastura", "Esche disponibili", "Dettagli esca",
                                               "Descrizione", "Pasture disponibili", "Per pesci", "Indietro"}
                    : std::vector<std::string>{"Karvelin - Baits/Groundbaits", "Baits", "Details", "Description",
                                               "Groundbaits", "Fish", "Back"};
        ExpectCaptions(captions);
        // The bread type holds a tab, drawn as a gap.
        EXPECT_NE(Find(italian ? "Tipo di esca: Pane o\t polenta" : "Type: Bread"), nullptr);

        ASSERT_TRUE(LoseAndResetDevice());
        ExpectCaptions(captions);
        EXPECT_TRUE(g_Esca.m_photo.HasDrawer());
    }
}

} // namespace
