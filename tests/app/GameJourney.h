#pragma once
// What the whole-game journeys share: where the player clicks on each screen,
// the steps that recur (ending a session, the tournament clock), a player's
// hand at the rod, and each screen's way back.
#include "gui/ListBox.h"
#include "gui/Pulsante.h"
#include "gui/Spinner.h"
#include "tests/app/Journey.h"

#include <functional>
#include <string>
#include <vector>

// Question boxes: Yes (first) and No (second).
constexpr int kYesX = 325, kNoX = 475, kAskY = 362;
// The session: start panel OK, catch details OK, results OK and Save.
constexpr int kStartOkX = 400, kStartOkY = 352;
constexpr int kDetailsOkX = 400, kDetailsOkY = 312;
constexpr int kResultsOkX = 325, kSaveX = 475, kResultsY = 492;
// The options screen.
constexpr int kOptionsOkX = 335, kOptionsCancelX = 505, kOptionsButtonsY = 472;
constexpr int kOptionsClearX = 500, kOptionsClearY = 150;
constexpr int kOptionsNameX = 200, kOptionsNameY = 95;
// The tackle box's save and load dialogs: the name box, OK and Cancel.
constexpr int kRigNameX = 300, kRigNameY = 235;
constexpr int kRigOkX = 325, kRigCancelX = 475, kRigDialogY = 412;
// The main menu's waters spinner, its up arrow.
constexpr int kWatersUpX = 215, kWatersY = 105;
// The records screen's buttons.
constexpr int kRecordsBackX = 320, kRecordsDeleteX = 470, kRecordsButtonsY = 520;
// Back on the venues, fishes and baits screens.
constexpr int kVenuesBackX = 355, kVenuesBackY = 522;
constexpr int kFishesBackX = 215, kFishesBackY = 532;
constexpr int kBaitsBackX = 145, kBaitsBackY = 537;
// A generator seed with which the player below lands a fish.
constexpr std::uint32_t kLandingSeed = 1234;

class GameJourney;

// One screen reached by a button, and how the player leaves it.
struct WayBack {
    const char* name;
    int button;
    int screen;
    std::function<void(GameJourney&)> back;
};

class GameJourney : public JourneyTest {
public:
    void TearDown() override;

    void ClickMainMenu(int button);
    void ClickGameMenu(int button);
    void ClickButton(const CPulsante& button);
    void ClickOptionsArrow(int spinner, bool up);
    void ClickTournamentBack();
    // The tackle box: Back, a page's button, a tool of its tool box, and a
    // step of the rod type spinner on the rod page.
    void ClickTackleBack();
    void ClickTacklePage(int page);
    void ClickTackleTool(int tool);
    void StepRodType(bool up);
    // Clicks a spinner's arrows until it shows the value.
    void SetSpinner(const CSpinner& spinner, int value);
    // Esc on the fishing session and Yes: the results panel.
    void EndSessionByEsc();
    // Frames a second apart, as a slow machine would run them (a timed
    // operation is due strictly more than its interval after its last run).
    void Seconds(int count);
    // Game frames: all but the last stepped without drawing.
    void Steps(int frames);
    // The tournament screen after a fished tournament: header, the player
    // highlighted, every rival, numbered by score, the medal of the place.
    void ExpectStandings(int rivals);
    // Plays as a player would: casts, waits, strikes when a fish takes,
    // reels while the line allows, raises the net for a tired fish, casts
    // again after a loss; true once a fish is landed (catch details shown).
    bool PlayUntilLanded(int gameMinutes = 30);

    // A ready rig of the shipped data in the data folder, where a player's
    // saved rigs are.
    void UseShippedRig(const std::string& name);

    std::string CatchFolder() const;
    std::vector<std::string> CatchLogs() const;

    std::vector<WayBack> MainMenuWaysBack();
    std::vector<WayBack> GameMenuWaysBack();
};
