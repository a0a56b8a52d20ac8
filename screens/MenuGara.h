#pragma once
// The tournament screen (screen 10): the current event's details, the
// standings of the player and the rivals once a tournament has been fished,
// a medal for a place on the podium, and the button that starts a new
// tournament. The application comes back here when a tournament session
// ends.
// Follows the screen protocol of the application object: Load once while
// loading, Render every frame while current, the device-loss pair, and the
// input handlers while current; Activate runs before it becomes current.
#include "gui/Finestra.h"
#include "gui/ListBox.h"
#include "gui/Pulsante.h"
#include "gui/Testo.h"
#include "shell/Sprite.h"

constexpr std::uint32_t kBitmapMedals = 274;

class CMenuGara {
public:
    // Rows of the results list by id: the header, the player, then rival i
    // as kFirstRivalRow + i.
    enum : int { kHeaderRow = 0, kPlayerRow = 1, kFirstRivalRow = 2 };

    void Load(plat::Device* dev);
    void Render(plat::Device* dev);
    void OnLostDevice();
    void OnResetDevice(plat::Device* dev);
    void OnMouseDown();
    void OnMouseUp();
    void OnWheelDown();
    void OnWheelUp();
    // Shows a just-fished tournament's standings and medal once, and ends
    // the tournament.
    void Activate();

    // The header, the player and every rival in play, highest score first.
    void FillResults();
    // The medal of the player's place (1 gold, 2 silver, 3 bronze); hidden
    // for any other place or when show is false.
    void ComputeMedal(bool show);

    // Members, in order.
    CSprite m_background; // bitmap 217 stretched to the back buffer, centred
    CFinestra m_panel;    // the screen, the details and the medal's panel
    CPulsante m_tournament;
    CPulsante m_unused1; // created and pressed, never drawn, no action
    CPulsante m_unused2; // likewise
    CListBox m_results;
    CTesto m_details; // Arial 12
    CSprite m_medal;  // bitmap 274: gold, silver, bronze, 15 x 20 each
    CPulsante m_back;
};

extern CMenuGara g_MenuGara;
