#pragma once
// The baits and groundbaits screen (screen 6). Above, the player chooses the
// bait of each of the rig's three hooks and reads its details; below, the
// groundbait the session throws and the fishes it draws. A choice acts at
// once on the hooks and the groundbait; Back writes the three baits to the
// settings file.
#include "gui/AskBox.h"
#include "gui/Finestra.h"
#include "gui/ListBox.h"
#include "gui/Pulsante.h"
#include "gui/Spinner.h"
#include "gui/TextBox.h"
#include "screens/DetailLines.h"
#include "shell/Sprite.h"

#include <cstdint>

// Which hook's bait is shown and edited: 0 the second dropper, 1 the first
// dropper, 2 the leader (the bait slots' own numbering). It shows the
// part's name and the hook rigged there.
class CSpinnerAmi : public CSpinner {
public:
    const char* GetValueText() override;
};

class CMenuEsche {
public:
    void Load(plat::Device* dev);
    void Render(plat::Device* dev);
    void OnLostDevice();
    void OnResetDevice(plat::Device* dev);
    void OnMouseDown();
    void OnMouseUp();
    void OnWheelDown();
    void OnWheelUp();

    // The fishes list: every species the selected groundbait attracts.
    void FillGroundbaitSpecies();
    // The bait slot shown and edited.
    int Slot() const { return m_hook.GetValue(); }

    // Members, in order.
    CSprite m_background; // bitmap 217 stretched to the back buffer, centred
    CFinestra m_panel;    // drawn twice: the titled upper half, the lower half
    CSpinnerAmi m_hook;
    CListBox m_baits;
    CFinestra m_detailsPanel;
    CDetailLines m_details;
    CTextBox m_baitDescription;
    CListBox m_groundbaits;
    CTextBox m_groundbaitDescription;
    CListBox m_fishes; // rows cannot be selected
    CPulsante m_back;
    CAskBox m_ask; // says when the bait choices could not be written

private:
    void ShowSlot(plat::Device* dev);
    void Leave();
};

extern CMenuEsche g_MenuEsche;
