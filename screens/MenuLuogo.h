#pragma once
// The venues screen (screen 4): the player picks where the next session is
// held, reads the venue's details and description, sees its photo, which
// way its current runs and which fishes live there, and can create or
// delete the stored bottom of a venue that comes from a file. While a
// session is paused behind it the screen only shows the venue in use: the
// venue cannot change under a session that is still open.
#include "gui/AskBox.h"
#include "gui/Finestra.h"
#include "gui/Pulsante.h"
#include "gui/Testo.h"
#include "gui/TextBox.h"
#include "screens/DetailLines.h"
#include "shell/Sprite.h"

#include <cstdint>

constexpr std::uint32_t kBitmapCurrentIndicator = 382;

class CMenuLuogo {
public:
    void Load(plat::Device* dev);
    void Render(plat::Device* dev);
    void OnLostDevice();
    void OnResetDevice(plat::Device* dev);
    void OnMouseDown();
    void OnMouseUp();
    void OnWheelDown();
    void OnWheelUp();

    // Shows the create or the delete button by whether the current venue's
    // bottom file is on disk now. Run on every entry: the current venue may
    // have changed on another screen.
    void UpdateDepthButton();
    // The indicator's frame for a current's direction (1 the negative way,
    // 0 the other, -1 no current) and vertical current; -1 when hidden.
    static int GetCurrentFrame(int direction, int verticalCurrent);
    int GetCurrentFrame() const;
    // The session behind this screen is in its game menu.
    static bool IsSessionPaused();
    // The current venue comes from a venue file (not a built-in one).
    static bool IsFileVenue();
    // An OK-alone notice over the screen.
    void Notify(const char* italian, const char* english);

    // Members, in order.
    CSprite m_background; // bitmap 217 stretched to the back buffer, centred
    CFinestra m_panel;
    CSprite m_indicator; // bitmap 382: eight frames of 40 x 30, alpha 0.6
    CFinestra m_detailsPanel;
    CDetailLines m_details;
    CTesto m_venueText; // the "Venue: " line while a session is paused
    CTextBox m_description;
    std::uint8_t m_depthDataMissing = 1;
    CPulsante m_deleteDepth;
    CPulsante m_createDepth;
    CPulsante m_back;
    CAskBox m_ask; // says when a bottom file could not be written or deleted
};

extern CMenuLuogo g_MenuLuogo;
