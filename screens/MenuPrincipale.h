#pragma once
// The main menu (screen 1), the screen shown when loading ends and the one
// most screens come back to: the nine entries of the game, the waters mode
// and, when the player wants it, the lifetime statistics page. Its picture
// also stands in the loading frames.
#include "gui/Finestra.h"
#include "gui/Pulsante.h"
#include "gui/Testo.h"
#include "screens/WordSpinners.h"
#include "shell/Sprite.h"
#include "shell/Utility.h"

constexpr std::uint32_t kBitmapMainMenuPicture = 216;

// What the statistics page shows, read from the player statistics each frame.
struct StatisticsView {
    static constexpr int kSlots = 5;
    const char* playerName = "";
    int sessions = 0;
    float minutes = 0;
    float weightGrams = 0;
    float fishCount = 0;
    int tournaments = 0;
    int firsts = 0, seconds = 0, thirds = 0;
    int withoutCatch = 0;
    // Slot 0 the lightest; an empty slot has id -1.
    int catchId[kSlots] = {-1, -1, -1, -1, -1};
    char catchText[kSlots][160] = {};
};

class CMenuPrincipale {
public:
    // The buttons, in member order.
    enum Button {
        kStartFishing,
        kTournament,
        kTackleBox,
        kOptions,
        kVenues,
        kFishes,
        kBaits,
        kRecords,
        kExit,
        kButtonCount
    };

    CMenuPrincipale();

    void Load(plat::Device* dev);
    void Render(plat::Device* dev);
    void RenderStatistics(plat::Device* dev, const StatisticsView& stats);
    void OnLostDevice();
    void OnResetDevice(plat::Device* dev);
    void OnMouseDown();
    void OnMouseUp();

    // The total weight as the page writes it: grams up to 10000 g, kilograms
    // above, each with its unit (" lb" for both in imperial units).
    static const char* FormatTotalWeight(float grams, const CConvUnita& units);
    // The caption of a button in the language of the moment.
    static const char* Caption(int button);

    // Members, in order.
    CSprite m_background; // bitmap 217 stretched to the back buffer, centred
    CSprite m_picture;    // bitmap 216, 415 x 560, placed in the layout
    CFinestra m_menuWindow;
    CFinestra m_statsWindow;
    CTesto m_heading; // Arial 13 bold: the statistics page's headings
    CTesto m_body;    // Arial 13: the statistics page's lines
    CPulsante m_buttons[kButtonCount];
    CSpinnerModoAcque m_waters;

private:
    void OnWatersChanged();
};

extern CMenuPrincipale g_MenuPrincipale;

// The statistics record as the page reads it.
StatisticsView ReadStatisticsView();
