// The fishes screen through the real program: the species it opens on and
// the rows it offers in each waters mode, row clicks, the list's arrows and
// wheel, Back, captions in both languages and after a lost device.
#include "screens/MenuPesci.h"
#include "screens/MenuPrincipale.h"
#include "shell/Opzioni.h"
#include "tests/app/CatalogueScreens.h"
#include "world/Pesci.h"

namespace {

constexpr ListPlace kSpecies = {50, 50, 180};
constexpr int kSpeciesH = 130;
constexpr int kBackX = 210, kBackY = 532;
constexpr int kWatersUpX = 210, kWatersY = 105;

class FishesTest : public CatalogueTest {
protected:
    void OpenFishes()
    {
        Click(kMainMenuButtonX, MainMenuButtonY(CMenuPrincipale::kFishes));
        ASSERT_EQ(Screen(), kScreenFishes);
    }
    std::string ShownName()
    {
        ProbeFrame();
        const ProbedText* t = FindPrefix("Name: ");
        return t ? t->text.substr(6) : "";
    }
};

TEST_F(FishesTest, EachWatersModeOpensOnItsSpeciesAndOffersItsRows)
{
    ASSERT_EQ(StartJourney({.settings = {{"MODOACQUE", "0"}}}), 0);
    CListBox& list = g_Pesci.List();
    const struct {
        int waters;
        int species;
    } cases[] = {{0, 89}, {1, 44}, {2, 89}, {0, 89}};
    for (const auto& c : cases) {
        // The main menu's waters spinner steps 0, 1, 2 and round again.
        while (g_Opzioni.waters != c.waters)
            Click(kWatersUpX, kWatersY);
        OpenFishes();
        EXPECT_EQ(g_MenuPesci.m_species, c.species) << c.waters;
        EXPECT_EQ(list.GetSelectedId(), c.species) << c.waters;
        EXPECT_EQ(ShownName(), g_Pesci.GetName(unsigned(c.species))) << c.waters;
        EXPECT_EQ(int(g_Pesci.Photo().m_bitmapId), g_Pesci.GetRecord(unsigned(c.species)).photoBitmapId);
        int disabled = 0;
        for (int i = 0; i < list.GetCount(); ++i) {
            const ListItem* row = list.GetItem(i);
            const unsigned s = unsigned(row->id);
            const bool offered =
                c.waters == 2 || (c.waters == 0 ? g_Pesci.LivesInFreshWater(s) : g_Pesci.LivesInSea(s));
            EXPECT_EQ(row->enabled == 1, offered) << c.waters << " " << row->col0;
            disabled += row->enabled ? 0 : 1;
        }
        EXPECT_EQ(disabled > 0, c.waters != 2) << c.waters;
        // The opening row is in view.
        const int index = IndexOfId(list, c.species);
        Frame();
        EXPECT_GE(index, list.m_firstVisible);
        EXPECT_LT(index, list.m_firstVisible + list.m_visibleRows);
        Click(kBackX, kBackY);
        ASSERT_EQ(Screen(), kScreenMainMenu);
    }
}

TEST_F(FishesTest, RowsArrowsWheelAndBack)
{
    ASSERT_EQ(StartJourney({.settings = {{"MODOACQUE", "0"}}}), 0);
    OpenFishes();
    CListBox& list = g_Pesci.List();

    // An enabled row shows its species; a disabled one leaves the details.
    int enabled = -1, disabled = -1;
    for (int i = 0; i < list.GetCount(); ++i) {
        const ListItem* row = list.GetItem(i);
        if (row->id == 89)
            continue;
        if (row->enabled && enabled < 0)
            enabled = i;
        if (!row->enabled && disabled < 0)
            disabled = i;
    }
    ASSERT_GE(enabled, 0);
    ASSERT_GE(disabled, 0);
    const struct {
        int index;
        int species; // shown after the click
    } cases[] = {
        {enabled, list.GetItem(enabled)->id},
        {disabled, list.GetItem(enabled)->id},
        {IndexOfId(list, 89), 89},
    };
    for (const auto& c : cases) {
        ClickRow(list, kSpecies, c.index);
        EXPECT_EQ(g_MenuPesci.m_species, c.species) << list.GetItem(c.index)->col0;
        EXPECT_EQ(ShownName(), g_Pesci.GetName(unsigned(c.species)));
        EXPECT_EQ(int(g_Pesci.Photo().m_bitmapId), g_Pesci.GetRecord(unsigned(c.species)).photoBitmapId);
    }

    list.ScrollTo(0);
    Frame();
    ClickArrow(kSpecies, kSpeciesH, true);
    EXPECT_EQ(list.m_firstVisible, 1);
    ClickArrow(kSpecies, kSpeciesH, false);
    EXPECT_EQ(list.m_firstVisible, 0);
    WheelOver(kSpecies, -120);
    EXPECT_EQ(list.m_firstVisible, 1);
    MoveTo(600, 400);
    Wheel(-120);
    EXPECT_EQ(list.m_firstVisible, 1) << "the wheel away from the rows";

    Click(kBackX, kBackY);
    EXPECT_EQ(Screen(), kScreenMainMenu);
}

TEST_F(FishesTest, CaptionsInBothLanguagesAndAfterALostDevice)
{
    for (bool italian : {false, true}) {
        Stop();
        ASSERT_EQ(StartJourney({.italian = italian, .settings = {{"MODOACQUE", "2"}}}), 0);
        OpenFishes();
        const std::vector<std::string> captions =
            italian ? std::vector<std::string>{"Karvelin - Pesci", "Pesci", "Dettagli pesce", "Habitat",
                                               "Consigli per la pesca", "Mesi migliori per la pesca",
                                               "Orari migliori per la pesca", "Descrizione", "Indietro", "Gennaio"}
                    : std::vector<std::string>{"Karvelin - Fishes", "Fishes", "Details", "Habitat", "Fishing tips",
                                               "Best months for fishing", "Best times for fishing", "Description",
                                               "Back", "January"};
        ExpectCaptions(captions);
        const char* labels[][2] = {{"Nome: ", "Name: "},           {"Dimensione minima: ", "Minimum size: "},
                                   {"Tipo luogo: ", "Venue type: "}, {"Regione: ", "Region: "},
                                   {"Pastura: ", "Groundbait: "},   {"Tipo di abboccata: ", "Bite: "}};
        for (const auto& label : labels) {
            EXPECT_NE(FindPrefix(label[italian ? 0 : 1]), nullptr) << label[italian ? 0 : 1];
        }

        ASSERT_TRUE(LoseAndResetDevice());
        ExpectCaptions(captions);
        EXPECT_TRUE(g_MenuPesci.m_activity.HasDrawer());
        EXPECT_TRUE(g_Pesci.Photo().HasDrawer());
    }
}

} // namespace
