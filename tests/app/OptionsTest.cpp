// The options screen driven by mouse and keys: every drawn spinner, the name
// box, OK and Cancel, clearing the statistics and bad settings files.
#include "gui/AskBox.h"
#include "platform/Files.h"
#include "screens/MenuOpzioni.h"
#include "screens/MenuPrincipale.h"
#include "shell/Opzioni.h"
#include "simulation/session/Gioco.h"
#include "simulation/session/Statistiche.h"
#include "tests/app/Journey.h"

#include <filesystem>

namespace {

constexpr int kOkX = 335, kCancelX = 505, kButtonsY = 472;
constexpr int kClearX = 500, kClearY = 150;
constexpr int kNameX = 200, kNameY = 95;
// The question box's buttons: Yes (first), No (second), a lone OK.
constexpr int kYesX = 325, kNoX = 475, kLoneOkX = 425, kAskY = 362;

class OptionsTest : public JourneyTest {
protected:
    int OpenOptions(const JourneyOptions& options = {})
    {
        int status = StartJourney(options);
        g_pApp->SetCurrentScreen(kScreenOptions);
        Frame();
        return status;
    }
    // A spinner's box is 160 wide: its panel 155, the arrows after it.
    void ClickArrow(int index, bool up)
    {
        int x = 0, y = 0;
        ASSERT_TRUE(CMenuOpzioni::SpinnerPlace(index, x, y));
        Click(x + (up ? 165 : 185), y + 10);
    }
    static int Field(int index) { return g_Opzioni.*CMenuOpzioni::SettingOf(index); }
    // The value one step away, wrapping at the ends.
    static int Stepped(int value, int step, int min, int max)
    {
        value += step;
        return value > max ? min : (value < min ? max : value);
    }
};

TEST_F(OptionsTest, EveryDrawnSpinnerChangesItsSettingInMemoryOnly)
{
    ASSERT_EQ(OpenOptions(), 0);
    const std::string file = Settings();
    int drawn = 0;
    for (int i = 0; i < CMenuOpzioni::kSpinnerCount; ++i) {
        int x, y;
        if (!CMenuOpzioni::SpinnerPlace(i, x, y))
            continue;
        ++drawn;
        CSpinner& s = g_MenuOpzioni.Spinner(i);
        const int before = Field(i);
        ASSERT_EQ(s.GetValue(), before) << i;
        ClickArrow(i, true);
        const int up = Stepped(before, s.m_step, s.m_min, s.m_max);
        EXPECT_EQ(Field(i), up) << CMenuOpzioni::SpinnerLabel(i);
        ClickArrow(i, false);
        ClickArrow(i, false);
        EXPECT_EQ(Field(i), Stepped(before, -s.m_step, s.m_min, s.m_max)) << CMenuOpzioni::SpinnerLabel(i);
        ClickArrow(i, true);
        EXPECT_EQ(Field(i), before) << CMenuOpzioni::SpinnerLabel(i);
        EXPECT_EQ(Screen(), kScreenOptions);
    }
    EXPECT_EQ(drawn, 18);
    EXPECT_EQ(Settings(), file);

    // The file changes on OK only.
    ClickArrow(0, true); // tournament time 5 -> 10
    EXPECT_EQ(g_Opzioni.tournamentTime, 10);
    EXPECT_EQ(Settings(), file);
    Click(kOkX, kButtonsY);
    EXPECT_EQ(Screen(), kScreenMainMenu);
    EXPECT_NE(Settings().find("TEMPOGARA=10"), std::string::npos);
}

TEST_F(OptionsTest, RangesStepsAndWrapping)
{
    ASSERT_EQ(OpenOptions(), 0);
    const struct {
        int index;
        std::vector<int> upFromMin; // values met going up from the minimum, then the wrap
    } cases[] = {
        {0, {5, 10, 15}},       // tournament time steps by 5 ...
        {1, {0, 5, 10, 15, 20, 25, 30, 0}},
        {3, {-2, -1, 0, 1, 2, 3, 4, -2}},
        {17, {-1, 0, 1, 2, 3, 4, 5, 6, 7, -1}},
        {11, {0, 1, 2, 3, 4, 5, 0}},
    };
    for (const auto& c : cases) {
        CSpinner& s = g_MenuOpzioni.Spinner(c.index);
        s.SetValue(s.m_min);
        for (std::size_t k = 1; k < c.upFromMin.size(); ++k) {
            ClickArrow(c.index, true);
            EXPECT_EQ(s.GetValue(), c.upFromMin[k]) << CMenuOpzioni::SpinnerLabel(c.index) << " step " << k;
        }
    }
    // ... and wraps from 180 to 5.
    g_MenuOpzioni.Spinner(0).SetValue(180);
    ClickArrow(0, true);
    EXPECT_EQ(g_Opzioni.tournamentTime, 5);
}

TEST_F(OptionsTest, CancelRestoresTheFileButKeepsTheMainMenuWaters)
{
    ASSERT_EQ(OpenOptions({.settings = {{"SOUNDS", "1"}, {"MODOACQUE", "2"}, {"LIVELLO", "1"}}}), 0);
    // The main menu chose sea waters before (in memory only).
    g_MenuPrincipale.m_waters.SetValue(1);
    g_Opzioni.waters = 1;
    g_MenuOpzioni.m_waters.SetValue(1);
    ClickArrow(2, true);  // sounds 1 -> 0
    ClickArrow(4, true);  // level 1 -> 2
    ClickArrow(13, true); // waters 1 -> 2
    EXPECT_EQ(g_Opzioni.sounds, 0);
    EXPECT_EQ(g_Opzioni.level, 2);
    EXPECT_EQ(g_Opzioni.waters, 2);
    const std::string file = Settings();
    Click(kCancelX, kButtonsY);
    EXPECT_EQ(Screen(), kScreenMainMenu);
    EXPECT_EQ(g_Opzioni.sounds, 1);
    EXPECT_EQ(g_Opzioni.level, 1);
    EXPECT_EQ(g_MenuOpzioni.m_sounds.GetValue(), 1);
    EXPECT_EQ(g_MenuOpzioni.m_level.GetValue(), 1);
    EXPECT_EQ(g_Opzioni.waters, 1);
    EXPECT_EQ(g_MenuOpzioni.m_waters.GetValue(), 1);
    EXPECT_EQ(g_MenuPrincipale.m_waters.GetValue(), 1);
    EXPECT_EQ(VenueListProblem(1), "");
    EXPECT_EQ(Settings(), file);
}

TEST_F(OptionsTest, OkSavesAndTheMainMenuTakesTheWaters)
{
    ASSERT_EQ(OpenOptions({.settings = {{"MODOACQUE", "2"}}}), 0);
    ClickArrow(13, true); // 2 -> 0
    Click(kOkX, kButtonsY);
    EXPECT_EQ(Screen(), kScreenMainMenu);
    EXPECT_EQ(g_MenuPrincipale.m_waters.GetValue(), 0);
    EXPECT_EQ(VenueListProblem(0), "");
    EXPECT_NE(Settings().find("MODOACQUE=0"), std::string::npos);
}

TEST_F(OptionsTest, NameBoxKeepsFortyAndSurvivesOkAndRestart)
{
    const struct {
        std::string typed;
        std::string kept;
    } cases[] = {
        {std::string(45, 'n') + "\b", std::string(39, 'n')},
        // Never a path: it is kept exactly as typed.
        {"a/b/../c=d \xE0\xE8\xF9", "a/b/../c=d \xE0\xE8\xF9"},
    };
    for (const auto& c : cases) {
        Stop();
        ASSERT_EQ(OpenOptions(), 0);
        Click(kNameX, kNameY); // focus
        EXPECT_EQ(g_MenuOpzioni.m_playerName.m_editable, 1);
        // Forty characters at most, whatever is typed after.
        Type(c.typed);
        EXPECT_EQ(std::string(g_Opzioni.playerName), c.kept); // at once, in memory
        Click(kOkX, kButtonsY);
        ASSERT_EQ(Screen(), kScreenMainMenu);
        ASSERT_EQ(Restart(), 0);
        EXPECT_EQ(std::string(g_Opzioni.playerName), c.kept);
        g_pApp->SetCurrentScreen(kScreenOptions);
        EXPECT_EQ(std::string(g_MenuOpzioni.m_playerName.GetText()), c.kept);
    }
    // Forty exactly: the forty-first is refused.
    Stop();
    ASSERT_EQ(OpenOptions(), 0);
    Click(kNameX, kNameY);
    Type(std::string(45, 'x'));
    EXPECT_EQ(std::string(g_Opzioni.playerName), std::string(40, 'x'));
    // A release elsewhere takes the keys away from the box.
    Click(600, 520);
    Type("y");
    EXPECT_EQ(std::string(g_Opzioni.playerName), std::string(40, 'x'));
}

TEST_F(OptionsTest, SettingsThatCannotBeSavedKeepThePlayerHere)
{
    ASSERT_EQ(OpenOptions({.settings = {{"LIVELLO", "0"}}}), 0);
    // A folder where the settings file should be: it can be neither read nor replaced.
    const std::string ini = folders.Data() + "/Karvelin.ini";
    std::filesystem::remove(ini);
    std::filesystem::create_directories(ini + "/blocked");
    ClickArrow(4, true);
    Click(kOkX, kButtonsY);
    EXPECT_EQ(Screen(), kScreenOptions);
    ASSERT_TRUE(g_MenuOpzioni.m_ask.IsShown());
    ProbeFrame();
    EXPECT_NE(Find("The settings could not be saved."), nullptr);
    EXPECT_EQ(g_MenuOpzioni.m_ask.m_kind, CAskBox::kOkAlone);
    // While it is open the rest of the screen takes no clicks.
    Click(kCancelX, kButtonsY);
    EXPECT_EQ(Screen(), kScreenOptions);
    Click(kLoneOkX, kAskY);
    EXPECT_FALSE(g_MenuOpzioni.m_ask.IsShown());
    EXPECT_EQ(Screen(), kScreenOptions);
    EXPECT_EQ(g_Opzioni.level, 1); // still the player's choice, to save again or cancel

    // Italian says it in Italian.
    g_Opzioni.italian = true;
    Click(kOkX, kButtonsY);
    ProbeFrame();
    EXPECT_NE(Find("Impossibile salvare le impostazioni."), nullptr);
}

TEST_F(OptionsTest, ClearStatisticsAsksAndSaysWhenItCannot)
{
    enum File { kPresent, kAbsent, kUndeletable };
    const struct {
        const char* name;
        File file;
        int answerX;
        bool cleared;
        const char* message;
    } cases[] = {
        {"no", kPresent, kNoX, false, nullptr},
        {"yes, file present", kPresent, kYesX, true, nullptr},
        {"yes, file absent", kAbsent, kYesX, true, nullptr},
        {"yes, file undeletable", kUndeletable, kYesX, false, "The statistics could not be deleted."},
    };
    const CStatistiche saved = g_Statistiche;
    ASSERT_EQ(OpenOptions({.settings = {{"GIOCATORE", "Marta"}}}), 0);
    const std::string sta = folders.Data() + "/" + CStatistiche::FileName();
    for (const auto& c : cases) {
        std::filesystem::remove_all(sta);
        g_Statistiche.Clear();
        g_Statistiche.m_sessions = 5;
        g_Statistiche.SetCatch(3, "Tinca", 800.0f, 0);
        if (c.file == kPresent) {
            ASSERT_TRUE(g_Statistiche.Save());
        }
        if (c.file == kUndeletable)
            std::filesystem::create_directories(sta + "/held");

        Click(kClearX, kClearY);
        ASSERT_TRUE(g_MenuOpzioni.m_ask.IsShown()) << c.name;
        ProbeFrame();
        EXPECT_NE(Find("Do you want clear statistics?"), nullptr);
        Click(c.answerX, kAskY);
        EXPECT_EQ(g_Statistiche.m_sessions, c.cleared ? 0 : 5) << c.name;
        EXPECT_EQ(g_Statistiche.m_best[0].id, c.cleared ? -1 : 3) << c.name;
        if (c.cleared) {
            EXPECT_STREQ(g_Statistiche.m_name, "Marta");
            EXPECT_FALSE(std::filesystem::exists(sta)) << c.name;
        }
        EXPECT_EQ(g_MenuOpzioni.m_ask.IsShown(), c.message != nullptr) << c.name;
        if (c.message) {
            ProbeFrame();
            EXPECT_NE(Find(c.message), nullptr);
            Click(kLoneOkX, kAskY);
            EXPECT_FALSE(g_MenuOpzioni.m_ask.IsShown());
        }
        EXPECT_EQ(Screen(), kScreenOptions);
    }
    std::filesystem::remove_all(sta);
    g_Statistiche = saved;
}

TEST_F(OptionsTest, CaptionsInBothLanguagesFitTheirBoxes)
{
    const struct {
        bool italian;
        std::vector<std::string> texts;
    } cases[] = {
        {true,
         {"Karvelin - Opzioni", "Nome giocatore", "Suoni", "Modalit\xE0 acque", "Acque Interne e Marittime",
          "Unit\xE0 di misura (riavviare)", "Casuale", "Annulla", "OK", kVersionLine}},
        {false,
         {"Karvelin - Options", "Player name", "Sounds", "Waters mode", "Freshwater and Saltwater",
          "Measurement Units (restart)", "Random", "Cancel", "OK", kVersionLine}},
    };
    ASSERT_EQ(OpenOptions({.settings = {{"MODOACQUE", "2"}, {"CONDIZIONEMETEO", "-1"}}}), 0);
    for (const auto& c : cases) {
        g_Opzioni.italian = c.italian;
        ExpectShownAndFitting(c.texts);
    }
    // Every value of every word spinner fits its box, in both languages.
    for (bool italian : {true, false}) {
        g_Opzioni.italian = italian;
        for (int i = 0; i < CMenuOpzioni::kSpinnerCount; ++i) {
            int x, y;
            if (!CMenuOpzioni::SpinnerPlace(i, x, y))
                continue;
            CSpinner& s = g_MenuOpzioni.Spinner(i);
            const int kept = s.GetValue();
            for (int v = s.m_min; v <= s.m_max; ++v) {
                s.SetValue(v);
                ProbeFrame();
                for (const ProbedText& t : Overflowing())
                    ADD_FAILURE() << "wider than its box: \"" << t.text << "\"";
            }
            s.SetValue(kept);
        }
    }
}

TEST_F(OptionsTest, DamagedSettingsAndStatisticsOpenBothScreens)
{
    const std::string longText(300, 'L');
    // A statistics file of the right size whose checksum does not hold.
    folders.Write(std::string("appdata/Karvelin/") + CStatistiche::FileName(), std::string(301, '\x7F'));
    ASSERT_EQ(OpenOptions({.settings = {{"TEMPOGARA", "999"},
                                        {"PESCATORIGARA", "-40"},
                                        {"CONDIZIONEMETEO", "ERROR"},
                                        {"LIVELLO", "77"},
                                        {"MODOACQUE", "9"},
                                        {"RISOLUZIONE", "ERROR"},
                                        {"VISSTATS", "1"},
                                        {"GIOCATORE", longText},
                                        {"CITTA", longText},
                                        {"UNITS", "-5"}}}),
              0);
    EXPECT_EQ(std::string(g_Opzioni.playerName).size(), 40u);
    EXPECT_EQ(std::string(g_MenuOpzioni.m_playerName.GetText()).size(), 40u);
    EXPECT_EQ(std::string(g_MenuOpzioni.m_city.GetText()).size(), 30u);
    // Every spinner shows a value of its own range.
    for (int i = 0; i < CMenuOpzioni::kSpinnerCount; ++i) {
        CSpinner& s = g_MenuOpzioni.Spinner(i);
        EXPECT_GE(s.GetValue(), s.m_min) << i;
        EXPECT_LE(s.GetValue(), s.m_max) << i;
    }
    ProbeFrame();
    EXPECT_NE(Find("Karvelin - Options"), nullptr);
    g_pApp->SetCurrentScreen(kScreenMainMenu);
    ProbeFrame();
    EXPECT_NE(Find("STATISTICS"), nullptr);
    EXPECT_NE(Find("Sessions:  0"), nullptr);
    EXPECT_GE(g_MenuPrincipale.m_waters.GetValue(), 0);
    EXPECT_LE(g_MenuPrincipale.m_waters.GetValue(), 2);
}

TEST_F(OptionsTest, SmokeJourneyAtBothSizes)
{
    const int options = MainMenuButtonY(CMenuPrincipale::kOptions);
    for (int resolution : {0, 1}) {
        Stop();
        JourneyOptions settings;
        settings.resolution = resolution;
        ASSERT_EQ(StartJourney(settings), 0);
        EXPECT_EQ(OffsetX(), resolution == 0 ? 0 : 112);
        EXPECT_EQ(OffsetY(), resolution == 0 ? 0 : 84);
        Click(kMainMenuButtonX, options);
        ASSERT_EQ(Screen(), kScreenOptions);
        Click(kOkX, kButtonsY);
        ASSERT_EQ(Screen(), kScreenMainMenu);
        Click(kMainMenuButtonX, options);
        ASSERT_EQ(Screen(), kScreenOptions);
        Click(kCancelX, kButtonsY);
        ASSERT_EQ(Screen(), kScreenMainMenu);

        // A free session, left through its own end.
        Click(kMainMenuButtonX, MainMenuButtonY(CMenuPrincipale::kStartFishing));
        ASSERT_EQ(Screen(), kScreenSession);
        Click(345, 350); // OK on the start panel
        ASSERT_EQ(g_Gioco.GetState(), kSessionFishing);
        Advance(200);
        Key(plat::kKeyEscape);
        ASSERT_TRUE(g_Gioco.IsAsking());
        Click(270, 360); // Yes
        ASSERT_EQ(g_Gioco.GetState(), kSessionResults);
        Click(270, 490); // OK
        ASSERT_EQ(Screen(), kScreenMainMenu);

        Click(kMainMenuButtonX, MainMenuButtonY(CMenuPrincipale::kExit));
        EXPECT_TRUE(quit);
        EXPECT_EQ(quitCode, 0);
        quit = false;
    }
}

} // namespace
