#pragma once
// The fishes screen (screen 5): the species catalogue. The player picks a
// species and reads its sizes and weights, habitat, fishing tips, best
// months and times of day, description and photo. Species that do not live
// in the waters the player fishes are listed but cannot be picked.
#include "gui/Finestra.h"
#include "gui/Pulsante.h"
#include "gui/TextBox.h"
#include "screens/DetailLines.h"
#include "shell/Sprite.h"

#include <cstdint>

class CMenuPesci {
public:
    void Load(plat::Device* dev);
    void Render(plat::Device* dev);
    void OnLostDevice();
    void OnResetDevice(plat::Device* dev);
    void OnMouseDown();
    void OnMouseUp();
    void OnWheelDown();
    void OnWheelUp();
    // Every entry: rows enabled by the waters mode, and the species the
    // screen opens on (a sea one for sea waters) selected and shown.
    void Activate();

    // The species the screen opens on in a waters mode.
    static int FirstSpecies(int waters) { return waters == 1 ? 44 : 89; }

    // Members, in order.
    CSprite m_background; // bitmap 217 stretched to the back buffer, centred
    CFinestra m_panel;
    CFinestra m_section; // one panel drawn five times
    CDetailLines m_details;
    CTextBox m_description;
    CIndPerc m_activity; // one bar drawn seventeen times
    CPulsante m_back;
    std::int32_t m_species = 89;
};

extern CMenuPesci g_MenuPesci;
