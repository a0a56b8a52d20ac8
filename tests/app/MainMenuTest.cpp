// The main menu driven by mouse and keys: every button, the waters spinner,
// its captions in both languages and the statistics page.
#include "gui/AskBox.h"
#include "screens/MenuOpzioni.h"
#include "screens/MenuPrincipale.h"
#include "shell/Graphics.h"
#include "shell/Opzioni.h"
#include "simulation/session/Gara.h"
#include "simulation/session/Gioco.h"
#include "simulation/session/Statistiche.h"
#include "tests/app/Journey.h"

#include <algorithm>
#include <cstring>

namespace {

int ButtonY(CMenuPrincipale::Button b) { return MainMenuButtonY(b); }
constexpr int kButtonX = kMainMenuButtonX;
// The waters spinner at (70, 95), 135 wide: its panel is 130, the arrows follow.
constexpr int kWatersUpX = 210, kWatersDownX = 230, kWatersY = 105;

using MainMenuTest = JourneyTest;

TEST_F(MainMenuTest, EveryButtonReachesItsScreen)
{
    ASSERT_EQ(StartJourney(), 0);
    ASSERT_EQ(Screen(), kScreenMainMenu);
    const struct {
        CMenuPrincipale::Button button;
        int screen;
    } cases[] = {
        {CMenuPrincipale::kStartFishing, kScreenSession},
        // A tournament opens its own session at once.
        {CMenuPrincipale::kTournament, kScreenSession},
        {CMenuPrincipale::kTackleBox, kScreenTackleBox},
        {CMenuPrincipale::kOptions, kScreenOptions},
        {CMenuPrincipale::kVenues, kScreenVenues},
        {CMenuPrincipale::kFishes, kScreenFishes},
        {CMenuPrincipale::kBaits, kScreenBaits},
        {CMenuPrincipale::kRecords, kScreenRecords},
    };
    for (const auto& c : cases) {
        g_pApp->SetCurrentScreen(kScreenMainMenu);
        g_Gioco.m_state = kSessionIdle;
        Click(kButtonX, ButtonY(c.button));
        EXPECT_EQ(Screen(), c.screen) << CMenuPrincipale::Caption(c.button);
        EXPECT_EQ(g_Gara.IsRunning(), c.button == CMenuPrincipale::kTournament);
        g_Gara.m_running = 0;
        EXPECT_FALSE(quit);
    }
    // A press on one button released on another does nothing.
    g_pApp->SetCurrentScreen(kScreenMainMenu);
    Press(kButtonX, ButtonY(CMenuPrincipale::kOptions));
    Release(kButtonX, ButtonY(CMenuPrincipale::kVenues));
    EXPECT_EQ(Screen(), kScreenMainMenu);

    Click(kButtonX, ButtonY(CMenuPrincipale::kExit));
    EXPECT_TRUE(quit);
    EXPECT_EQ(quitCode, 0);
}

TEST_F(MainMenuTest, QQuitsFromTheMainMenuOnly)
{
    ASSERT_EQ(StartJourney(), 0);
    for (int screen : {kScreenOptions, kScreenTackleBox, kScreenVenues, kScreenRecords, kScreenTournament}) {
        g_pApp->SetCurrentScreen(screen);
        EXPECT_FALSE(Key('Q')) << screen;
    }
    g_pApp->SetCurrentScreen(kScreenMainMenu);
    EXPECT_TRUE(Key('Q'));
    EXPECT_EQ(quitCode, 0);
}

TEST_F(MainMenuTest, WatersSpinnerWrapsAndTheOptionsAndVenuesFollowInMemoryOnly)
{
    ASSERT_EQ(StartJourney({.settings = {{"MODOACQUE", "2"}}}), 0);
    const std::string file = Settings();
    EXPECT_NE(VenueListProblem(1), ""); // loaded for both waters: the check can fail
    const struct {
        int x;
        int expected;
    } steps[] = {
        {kWatersUpX, 0}, // 2 wraps to 0
        {kWatersUpX, 1},
        {kWatersDownX, 0},
        {kWatersDownX, 2}, // 0 wraps to 2
    };
    for (const auto& s : steps) {
        Click(s.x, kWatersY);
        EXPECT_EQ(g_MenuPrincipale.m_waters.GetValue(), s.expected);
        EXPECT_EQ(g_Opzioni.waters, s.expected);
        EXPECT_EQ(g_MenuOpzioni.m_waters.GetValue(), s.expected);
        // The venue list follows at once.
        EXPECT_EQ(VenueListProblem(s.expected), "") << s.expected;
    }
    EXPECT_EQ(Settings(), file);
    EXPECT_EQ(Screen(), kScreenMainMenu);
}

TEST_F(MainMenuTest, AMenuThatDoesNotChangeIsShownOnceAndAChangedValueAtOnce)
{
    ASSERT_EQ(StartJourney({.settings = {{"MODOACQUE", "0"}}}), 0);
    MoveTo(790, 590); // over nothing that lights up
    Frame(2);
    plat::Device* dev = g_pDevice;
    const std::uint64_t shown = dev->PresentedFrames();
    plat::Image before;
    ASSERT_TRUE(dev->ReadPixels(before));
    TakeTrace();
    Frame(5);
    EXPECT_EQ(dev->PresentedFrames(), shown);
    // The screen still ran every frame; only the drawing was left out.
    const auto steps = TakeTrace();
    EXPECT_EQ(std::count(steps.begin(), steps.end(), "render 1"), 5);

    g_MenuPrincipale.m_waters.SetValue(1);
    Frame();
    EXPECT_EQ(dev->PresentedFrames(), shown + 1);
    plat::Image after;
    ASSERT_TRUE(dev->ReadPixels(after));
    int changed = 0;
    for (std::size_t i = 0; i < after.pixels.size(); ++i)
        changed += after.pixels[i] != before.pixels[i];
    EXPECT_GT(changed, 0);
    Frame(3);
    EXPECT_EQ(dev->PresentedFrames(), shown + 1);
}

TEST_F(MainMenuTest, CaptionsInBothLanguagesFitTheirBoxes)
{
    const struct {
        bool italian;
        std::vector<std::string> texts;
    } cases[] = {
        {true,
         {"Karvelin - Simulatore di pesca", "Pesca", "Gara", "Configura", "Luogo", "Esche/Pastura", "Pesci",
          "Catture", "Opzioni", "Esci", "Acque Inter. e Marit."}},
        {false,
         {"Karvelin - Fishing simulator", "Start fishing", "Tournament", "Tackle box", "Venues",
          "Baits/Groundbaits", "Fishes", "Records", "Options", "Exit", "Freshwat. & Saltwat."}},
    };
    ASSERT_EQ(StartJourney({.settings = {{"MODOACQUE", "2"}}}), 0);
    for (int round = 0; round < 2; ++round) {
        for (const auto& c : cases) {
            // The language flag changes between two frames: no reload.
            g_Opzioni.italian = c.italian;
            ExpectShownAndFitting(c.texts);
        }
    }
    // The captions sit where the menu puts them.
    g_Opzioni.italian = false;
    ProbeFrame();
    const ProbedText* exit = Find("Exit");
    ASSERT_NE(exit, nullptr);
    EXPECT_EQ(exit->x, 75); // the caption's 5-pixel indent
    EXPECT_EQ(exit->y, 465);
}

TEST_F(MainMenuTest, StatisticsPageOnlyWhenTheSettingIsExactlyOne)
{
    const struct {
        const char* value;
        bool shown;
    } cases[] = {{"1", true}, {"0", false}, {"2", false}, {"-1", false}};
    for (const auto& c : cases) {
        if (started)
            ASSERT_EQ(Restart(), 0);
        else
            ASSERT_EQ(StartJourney({.settings = {{"VISSTATS", "1"}}}), 0);
        g_Opzioni.showStats = std::atoi(c.value);
        ProbeFrame();
        EXPECT_EQ(Find("STATISTICS") != nullptr, c.shown) << c.value;
        EXPECT_EQ(Find("BEST CATCHES") != nullptr, c.shown) << c.value;
        EXPECT_NE(Find("Start fishing"), nullptr);
    }
}

// The page drawn from the player's record, read back through the probe.
class StatisticsPageTest : public JourneyTest {
protected:
    void SetUp() override
    {
        JourneyTest::SetUp();
        saved = g_Statistiche;
    }
    void TearDown() override
    {
        g_Statistiche = saved;
        JourneyTest::TearDown();
    }
    // The page's texts below the best catches' heading.
    std::vector<ProbedText> CatchLines() const
    {
        std::vector<ProbedText> out;
        for (const ProbedText& t : probed)
            if (t.y > 407 && t.x >= 400)
                out.push_back(t);
        return out;
    }
    CStatistiche saved;
};

TEST_F(StatisticsPageTest, BestCatchesHeaviestFirstWithoutGaps)
{
    ASSERT_EQ(StartJourney({.settings = {{"VISSTATS", "1"}}}), 0);
    const struct {
        std::vector<std::pair<int, float>> catches;
        std::vector<std::pair<std::string, int>> lines; // text, y
    } cases[] = {
        {{{2, 100.0f}, {3, 200.0f}, {4, 300.0f}},
         {{"Fish 4: 300.00 gr", 420}, {"Fish 3: 200.00 gr", 433}, {"Fish 2: 100.00 gr", 446}}},
        {{{0, 50.0f}, {4, 90.5f}}, {{"Fish 4: 90.50 gr", 420}, {"Fish 0: 50.00 gr", 433}}},
        {{}, {}},
    };
    for (const auto& c : cases) {
        g_Statistiche.Clear();
        for (const auto& [slot, grams] : c.catches)
            g_Statistiche.SetCatch(slot, ("Fish " + std::to_string(slot)).c_str(), grams, slot);
        ProbeFrame();
        ASSERT_NE(Find("BEST CATCHES"), nullptr);
        EXPECT_EQ(Find("BEST CATCHES")->y, 407);
        const std::vector<ProbedText> lines = CatchLines();
        ASSERT_EQ(lines.size(), c.lines.size());
        for (std::size_t i = 0; i < lines.size(); ++i) {
            EXPECT_EQ(lines[i].text, c.lines[i].first);
            EXPECT_EQ(lines[i].y, c.lines[i].second);
            EXPECT_EQ(lines[i].x, 420);
        }
    }
}

TEST_F(StatisticsPageTest, TotalWeightOnThePage)
{
    ASSERT_EQ(StartJourney({.settings = {{"VISSTATS", "1"}}}), 0);
    const struct {
        float grams;
        int units;
        const char* line;
    } cases[] = {
        {10000.0f, 0, "Total weight of fishes: 10000.00 gr"},
        {10000.5f, 0, "Total weight of fishes: 10.0 Kg"},
        {10000.0f, 1, "Total weight of fishes: 22.0463 lb"},
        {10000.5f, 1, "Total weight of fishes: 22.047 lb"},
    };
    for (const auto& c : cases) {
        g_Statistiche.Clear();
        g_Statistiche.m_weight = c.grams;
        g_Opzioni.units = c.units;
        ProbeFrame();
        const ProbedText* t = Find(c.line);
        ASSERT_NE(t, nullptr) << c.line;
        EXPECT_EQ(t->y, 277);
    }
}

TEST_F(StatisticsPageTest, RowsAndLabelsInBothLanguages)
{
    ASSERT_EQ(StartJourney({.settings = {{"VISSTATS", "1"}, {"GIOCATORE", "Marta"}}}), 0);
    g_Statistiche.Clear();
    g_Statistiche.m_sessions = 12;
    g_Statistiche.m_minutes = 95.9f;
    g_Statistiche.m_weight = 10000.0f;
    g_Statistiche.m_fishCount = 7.9f;
    g_Statistiche.m_tournaments = 3;
    g_Statistiche.m_firsts = 1;
    g_Statistiche.m_seconds = 2;
    g_Statistiche.m_thirds = 0;
    g_Statistiche.m_tournamentsWithoutCatch = 1;
    g_Statistiche.SetCatch(5, "Carpa", 12500.0f, 4);
    const struct {
        bool italian;
        int nameX;
        std::vector<std::pair<std::string, int>> lines;
    } cases[] = {
        {false,
         460,
         {{"STATISTICS", 202},
          {"Player: ", 230},
          {"Sessions:  12", 251},
          {"Minutes:  95", 264},
          {"Total weight of fishes: 10000.00 gr", 277},
          {"Total fishes:  7", 290},
          {"TOURNAMENT", 316},
          {"Number of tournaments performed:  3", 329},
          {"Gold Medals:  1", 342},
          {"Silver Medals:  2", 355},
          {"Bronze Medals:  0", 368},
          {"No fishes:  1", 381},
          {"Carpa: 12500.00 gr", 420}}},
        {true,
         480,
         {{"STATISTICHE", 202},
          {"Giocatore: ", 230},
          {"Sessioni di pesca:  12", 251},
          {"Minuti totali di pesca:  95", 264},
          {"Peso totale di pesci: 10000.00 gr", 277},
          {"Numero totale di pesci:  7", 290},
          {"DATI GARE", 316},
          {"Numero di gare effettuate:  3", 329},
          {"Medaglie d'oro:  1", 342},
          {"Medaglie d'argento:  2", 355},
          {"Medaglie di bronzo:  0", 368},
          {"Cappotti:  1", 381},
          {"Carpa di 12500.00 gr", 420}}},
    };
    for (const auto& c : cases) {
        g_Opzioni.italian = c.italian;
        ProbeFrame();
        for (const auto& [text, y] : c.lines) {
            const ProbedText* t = Find(text);
            ASSERT_NE(t, nullptr) << text;
            EXPECT_EQ(t->y, y) << text;
            // Every line ends inside the statistics window (400 + 300).
            EXPECT_LE(t->x + t->measuredWidth, 700) << text;
        }
        const ProbedText* name = Find("Marta");
        ASSERT_NE(name, nullptr);
        EXPECT_EQ(name->x, c.nameX);
        EXPECT_TRUE(Overflowing().empty());
    }
}

} // namespace
