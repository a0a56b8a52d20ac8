#pragma once
// CGioco: the fishing-session screen (screen 9), the only screen with an
// update step: it advances the game clock, the tide, the bottom's fish cells
// and the ambient sounds, runs the tournament clock, offers a fish to the rig
// every few seconds, and draws the scene with the panel of its session state
// (start panel, catch details, game menu, catch list, results) and the status
// bar.
#include "gui/AskBox.h"
#include "gui/Finestra.h"
#include "gui/ListBox.h"
#include "gui/Pulsante.h"
#include "gui/Spinner.h"
#include "gui/Testo.h"
#include "shell/Oggetto.h"
#include "shell/SpriteBordo.h"

#include <cstdint>

namespace plat {
class Device;
}

// Session states.
enum SessionState : std::int32_t {
    kSessionIdle = 0,
    kSessionStartPanel = 1,
    kSessionFishing = 2,
    kSessionCatchDetails = 3,
    kSessionGameMenu = 4,
    kSessionCatchList = 5,
    kSessionResults = 6,
};

// The month spinner of the start panel: values 1..12 shown as short month names.
class CSpinnerMese : public CSpinner {
public:
    const char* GetValueText() override;
};

class CGioco : public COggetto {
public:
    // Which question the question box is asking.
    enum AskTag : std::uint32_t { kAskQuit = 1, kAskSaveFailed = 2, kAskStatisticsFailed = 3 };
    // A spawn attempt waits this long after the last fish and the last attempt.
    static constexpr std::uint32_t kSpawnPauseMs = 3000;
    static constexpr std::uint32_t kClockStepMs = 3000;
    static constexpr std::uint32_t kTideStepMs = 60000;

    CGioco();
    ~CGioco();

    void Load(plat::Device* dev);
    void NewSession();
    void SyncSpinners();
    void EnterFishing();
    void ShowCatchDetails();
    void ShowGameMenu();
    void ShowCatches();
    void EndSession();
    void AskQuit();
    void StopSounds();
    void ConfirmStartPanel();

    void Update();
    void TrySpawnWhenIdle();
    // The chosen species index, or -1 when the attempt yields no fish.
    int TrySpawnFish();
    void OnTimer0() override; // ambient sounds
    void OnTimer1() override; // tournament clock
    void OnTimer2() override; // bottom tick
    void UpdateTournament();
    void UpdateStatistics();

    void Render(plat::Device* dev);
    void RenderHud(plat::Device* dev);
    void RenderBaits(plat::Device* dev, int x, int y);
    void FillCatchList();
    void OnLostDevice();
    void OnResetDevice(plat::Device* dev);

    void OnMouseDown();
    void OnMouseUp();
    void OnRightDown();
    void OnRightUp();
    void OnMouseMove();
    void ThrowGroundbait();
    // Key X: a cast without the reel test, only while fishing with no fish on.
    void CastByKey();

    // The tip angle (0..90) a mouse row gives, and the aim angle (0..180) a
    // mouse column gives, for the viewport and the sensitivity setting.
    static float TipAngleOf(int mouseY, int viewportH, int divisor, bool inverted);
    static float AimAngleOf(int mouseX, int viewportW, int divisor);
    // The status bar's column x positions for a viewport width.
    static int HudColumn(int column, int viewportW);

    std::int32_t GetState() const { return m_state; }
    bool IsAsking() const { return m_ask.IsShown(); }

    // Members, in order.
    std::int32_t m_state;
    CFinestra m_panel;
    CTesto m_panelText;
    CFinestra m_statusWindow;
    CTesto m_smallText;
    CSpinner m_hour;
    CSpinner m_minute;
    CSpinner m_day;
    CSpinnerMese m_month;
    CPulsante m_ok;
    CSpriteBordo m_baitPhotos[3];
    CPulsante m_menuButtons[6]; // catches, tackle box, baits, venues, fishes, back to fishing
    CListBox m_catchList;
    CPulsante m_resultsOk;
    CPulsante m_save;
    CAskBox m_ask;
    std::uint32_t m_lastFishOn;
    std::uint32_t m_lastSpawn;
    std::uint32_t m_lastClock;
    std::uint32_t m_lastTide;
};

// The game-menu buttons.
enum : int {
    kMenuCatches = 0,
    kMenuTackleBox = 1,
    kMenuBaits = 2,
    kMenuVenues = 3,
    kMenuFishes = 4,
    kMenuBackToFishing = 5,
};

extern CGioco g_Gioco;
