// The tournament screen driven by the mouse and the wheel: the event's
// details, the standings after a tournament with the player's medal, the
// new tournament it starts and the way back; and both this screen's and the
// records screen's captions in both languages, with pictures to look at.
#include "screens/MenuCatture.h"
#include "screens/MenuGara.h"
#include "screens/MenuPrincipale.h"
#include "shell/Opzioni.h"
#include "simulation/session/Gara.h"
#include "simulation/session/Gioco.h"
#include "simulation/session/Sessione.h"
#include "tests/app/Journey.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int kTournamentX = 115, kTournamentY = 487, kBackY = 522;

class TournamentScreen : public JourneyTest {
protected:
    void TearDown() override
    {
        g_Gara.m_running = 0;
        JourneyTest::TearDown();
    }
    // A fished event: the player's score and the rivals' scores (a score of
    // s is s / 100 fish weighing s % 100 grams, the greatest half of that,
    // so scores above 0 carry a catch).
    static void SetEvent(int player, const std::vector<int>& rivals)
    {
        auto result = [](int score) {
            return GaraRisultato{score, score / 100, float(score % 100) + 0.75f, float(score % 100 / 2) + 0.5f, 20};
        };
        GaraEvento& ev = g_Gara.m_events[0];
        std::memset(&ev, 0, sizeof ev);
        std::strcpy(ev.venueName, "Lago Verde");
        ev.day = 5;
        ev.month = 6;
        ev.year = 2026;
        ev.startHour = 8;
        ev.minutes = 30;
        g_Gara.m_currentEvent = 0;
        g_Gara.m_competitorCount = int(rivals.size());
        g_Gara.m_playerResults[0] = result(player);
        for (std::size_t i = 0; i < rivals.size(); ++i) {
            std::snprintf(g_Gara.m_competitors[i].name, sizeof g_Gara.m_competitors[i].name, "Rival %zu", i);
            g_Gara.m_results[i][0] = result(rivals[i]);
        }
        g_Gara.m_running = 1;
    }
    static CListBox& Results() { return g_MenuGara.m_results; }
    static int RowOf(int id)
    {
        for (int i = 0; i < Results().GetCount(); ++i)
            if (Results().GetItem(i)->id == id)
                return i;
        return -1;
    }
};

TEST_F(TournamentScreen, WithTheFlagClearOnlyTheDetailsShow)
{
    ASSERT_EQ(StartJourney(), 0);
    SetEvent(0, {100, 200});
    g_Gara.m_competitorCount = 12;
    g_Gara.m_running = 0;
    g_pApp->GoToTournament();
    ExpectShownAndFitting({"Venue: Lago Verde", "Fishermen:  12", "Initial time: 08:00", "Duration (min):  30",
                           "Date: 05/06/2026", "Results", "Tournament", "Back"});
    EXPECT_EQ(Results().GetCount(), 0);
    EXPECT_FALSE(g_MenuGara.m_medal.m_visible);
    EXPECT_EQ(Find("Congratulations!"), nullptr);
}

TEST_F(TournamentScreen, StandingsAndMedalByPlace)
{
    const struct {
        const char* name;
        int player;
        std::vector<int> rivals;
        int place;
        int playerRow;
    } cases[] = {
        {"no catch, no medal", 0, {0, 0, 0}, 0, 3},
        {"a tie at the top is the player's gold", 537, {300, 537, 100}, 1, 1},
        {"one better: silver", 537, {600, 537, 100}, 2, 2},
        {"two better: bronze", 537, {900, 800, 100}, 3, 3},
        {"three better: none", 537, {900, 800, 700}, 4, 4},
    };
    ASSERT_EQ(StartJourney({.settings = {{"GIOCATORE", "Ann"}}}), 0);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SetEvent(c.player, c.rivals);
        g_pApp->GoToTournament();
        EXPECT_FALSE(g_Gara.IsRunning()) << "entering ends the tournament";
        EXPECT_EQ(g_Gara.GetPlace(0), c.place);
        ASSERT_EQ(Results().GetCount(), int(c.rivals.size()) + 2);
        const ListItem* header = Results().GetItem(0);
        EXPECT_EQ(header->id, CMenuGara::kHeaderRow);
        EXPECT_STREQ(header->col1, "Score");
        EXPECT_STREQ(header->col4, "Greater weight.");
        for (int i = 2; i < Results().GetCount(); ++i)
            EXPECT_GE(std::atoi(Results().GetItem(i - 1)->col1), std::atoi(Results().GetItem(i)->col1)) << i;
        const int row = RowOf(CMenuGara::kPlayerRow);
        if (c.player == 0) {
            // Equal scores of nothing: any order, still below the header.
            EXPECT_GE(row, 1);
        } else {
            EXPECT_EQ(row, c.playerRow);
        }
        const ListItem* me = Results().GetItem(row);
        EXPECT_STREQ(me->col0, "Ann");
        EXPECT_EQ(me->highlighted, 1);
        EXPECT_STREQ(me->col2, IntToText(c.player / 100));
        EXPECT_STREQ(me->col3, IntToText(c.player % 100)) << "the total in whole grams";
        EXPECT_STREQ(me->col4, IntToText(c.player % 100 / 2)) << "the greatest fish";
        const bool medal = c.place >= 1 && c.place <= 3;
        EXPECT_EQ(g_MenuGara.m_medal.m_visible, medal ? 1 : 0);
        if (medal) {
            EXPECT_EQ(g_MenuGara.m_medal.m_column, c.place - 1);
        }

        // The header carries no number; the others are numbered 1, 2, ...
        ProbeFrame();
        EXPECT_EQ(Find("0."), nullptr);
        for (int n = 1; n < Results().GetCount(); ++n)
            EXPECT_NE(Find(std::to_string(n) + "."), nullptr) << n;
        EXPECT_EQ(Find("Congratulations!") != nullptr, medal);

        // Entering again without a fished tournament empties the standings.
        g_pApp->GoToTournament();
        EXPECT_EQ(Results().GetCount(), 0);
        EXPECT_FALSE(g_MenuGara.m_medal.m_visible);
    }
}

TEST_F(TournamentScreen, ScrollNewTournamentAndBack)
{
    ASSERT_EQ(StartJourney({.settings = {{"PESCATORIGARA", "10"}}}), 0);
    std::vector<int> rivals;
    for (int i = 0; i < 29; ++i)
        rivals.push_back(100 * (i % 5) + i);
    SetEvent(250, rivals);
    g_pApp->GoToTournament();
    Frame();
    CListBox& list = Results();
    ASSERT_GT(list.GetCount(), list.m_visibleRows);
    Click(list.m_arrowDown.m_x + 10, list.m_arrowDown.m_y + 10);
    EXPECT_EQ(list.m_firstVisible, 1);
    Click(list.m_arrowUp.m_x + 10, list.m_arrowUp.m_y + 10);
    EXPECT_EQ(list.m_firstVisible, 0);
    MoveTo(list.m_x + 100, list.m_y + 60);
    Wheel(-1);
    Wheel(-1);
    EXPECT_EQ(list.m_firstVisible, 2);
    Wheel(1);
    EXPECT_EQ(list.m_firstVisible, 1);
    // A row click selects nothing; where the two undrawn buttons are there
    // is nothing to press.
    Click(list.m_x + 100, list.m_y + 60);
    Click(2, 2);
    EXPECT_EQ(list.GetSelectedIndex(), 0);
    EXPECT_EQ(Screen(), kScreenTournament);

    // Back leaves for the main menu; a later entry shows an empty table.
    Click(kTournamentX, kBackY);
    EXPECT_EQ(Screen(), kScreenMainMenu);
    g_pApp->GoToTournament();
    EXPECT_EQ(list.GetCount(), 0);

    // "Tournament" opens a new event's session at once.
    Click(kTournamentX, kTournamentY);
    EXPECT_EQ(Screen(), kScreenSession);
    EXPECT_EQ(g_Gioco.GetState(), kSessionStartPanel);
    EXPECT_TRUE(g_Gara.IsRunning());
    EXPECT_EQ(g_Gara.InPlay(), 10);
    EXPECT_EQ(g_Gara.m_remainingSeconds, g_Opzioni.tournamentTime * 60);
}

TEST_F(TournamentScreen, CaptionsInBothLanguagesAndPictures)
{
    const struct {
        bool italian;
        const char* suffix;
        std::vector<std::string> records;
        std::vector<std::string> tournament;
    } cases[] = {
        {true,
         "it",
         {"Karvelin - Catture", "Lista Catture", "Pesci presi", "Indietro", "Elimina", "Numero totale di pesci:  2",
          "Posizione Gara:  1"},
         {"Karvelin - Campionato", "Dettagli gara", "Risultati gara", "Gara", "Indietro", "Complimenti!", "Nome",
          "Punteggio", "Luogo: Lago Verde", "Numero iscritti:  6"}},
        {false,
         "en",
         {"Karvelin - Records", "Catches list", "Fishes", "Back", "Delete", "Total fishes:  2",
          "Tournament results:  1"},
         {"Karvelin - Tournament", "Tournament details", "Results", "Tournament", "Back", "Congratulations!",
          "Name", "Score", "Venue: Lago Verde", "Fishermen:  6"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.suffix);
        Stop();
        // A log saved from a won tournament.
        folders.Write("appdata/Karvelin/Catture/CT20260605080000.kvc", "");
        ASSERT_EQ(StartJourney({.italian = c.italian, .settings = {{"GIOCATORE", "Marta Bellandi"}}}), 0);
        g_Sessione.Clear();
        std::strcpy(g_Sessione.m_player, "Marta Bellandi");
        std::strcpy(g_Sessione.m_venue, "Lago Verde");
        std::strcpy(g_Sessione.m_date, "05/06/2026");
        std::strcpy(g_Sessione.m_startTime, "8:00");
        std::strcpy(g_Sessione.m_endTime, "8:30");
        g_Sessione.AddCatch(3, 1250.0f, 42);
        g_Sessione.AddCatch(5, 830.5f, 37);
        g_Gara.m_running = 1;
        g_Gara.m_playerResults[0] = {0, 1, 0, 0, 0}; // place 1 when saved
        g_Gara.m_competitorCount = 0;
        ASSERT_TRUE(g_Sessione.Save("CT20260605080000"));
        g_Gara.m_running = 0;

        Click(kMainMenuButtonX, MainMenuButtonY(CMenuPrincipale::kRecords));
        ASSERT_EQ(Screen(), kScreenRecords);
        ExpectShownAndFitting(c.records);
        Shot(std::string("records_") + c.suffix);

        SetEvent(1350, {1100, 980, 805, 640, 1200, 230});
        g_pApp->GoToTournament();
        ExpectShownAndFitting(c.tournament);
        EXPECT_EQ(g_MenuGara.m_medal.m_column, 0);
        Shot(std::string("tournament_") + c.suffix);
    }
}

} // namespace
