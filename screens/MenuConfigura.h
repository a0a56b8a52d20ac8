#pragma once
// The tackle box screen (screen 2), where the player builds the rig of the
// rod assembly: eight pages of tackle (rod, reel, line, leader, two
// droppers, shots, float), the rig view on the left with its tool box, and
// the dialogs that save, load and delete tackle configurations.
//
// Every choice changes the live rig at once; the tool box's pending flag is
// the screen's modified flag, set by every change and cleared when the
// screen takes the rig again (SyncFromRig), when the save dialog opens and
// by a save. The rig view's geometry is a CRigView the screen hands to the
// rig's parts so they draw themselves into it.
#include "gui/AskBox.h"
#include "gui/Finestra.h"
#include "gui/ListBox.h"
#include "gui/Pulsante.h"
#include "gui/Testo.h"
#include "gui/TextBox.h"
#include "screens/WordSpinners.h"
#include "shell/Sprite.h"
#include "simulation/tackle/RigView.h"

#include <cstdint>

class CAmo;

constexpr std::uint32_t kBitmapTackleBoxBackground = 239;
constexpr std::uint32_t kBitmapRigBackdrop = 165;

class CMenuConfigura {
public:
    // Page ids, kept when the screen is left.
    enum Page : int {
        kPageRod = 0,
        kPageLine = 1,
        kPageTerminal = 2,
        kPageDropper1 = 3,
        kPageDropper2 = 4,
        kPageShots = 5,
        kPageFloat = 6,
        kPageReel = 7,
    };
    // The page menu's buttons in member order; the last one is Back.
    enum : int { kMenuButtons = 9, kBackButton = 8 };
    enum Dialog : int { kNoDialog = 0, kSaveDialog = 1, kLoadDialog = 2 };
    // What the question box is asking.
    enum AskTag : std::uint32_t {
        kAskOverwrite = 1,
        kAskLeave = 2,
        kAskNewRig = 3,
        kAskLoad = 4,
        kAskDelete = 5,
        kAskNotice = 6,
    };
    // The tool box's buttons that act.
    enum Tool : int {
        kToolNew = 0,
        kToolLoad = 1,
        kToolSave = 2,
        kToolScrollUp = 3,
        kToolScrollDown = 4,
        kToolZoomIn = 7,
        kToolZoomOut = 8,
        kToolRuler = 13,
    };

    CMenuConfigura();
    CMenuConfigura(const CMenuConfigura&) = delete;
    CMenuConfigura& operator=(const CMenuConfigura&) = delete;

    void Load(plat::Device* dev);
    void Render(plat::Device* dev);
    void OnLostDevice();
    void OnResetDevice(plat::Device* dev);
    void OnMouseDown();
    void OnMouseUp();
    void OnWheelDown();
    void OnWheelUp();
    void OnChar(unsigned char ch);
    void OnMouseMove();
    void Activate();

    // Puts the rig of the rod assembly into every control and clears the
    // modified flag.
    void SyncFromRig();
    bool IsModified() const { return m_tools.m_pending == 1; }
    void SetModified() { m_tools.m_pending = 1; }
    // The default description of a saved configuration.
    const char* GetRigSummary();

    // The page menu's captions and where each button is.
    static const char* PageCaption(int button);
    static int PageButtonY(int button);
    static int PageOfButton(int button);
    // Where the tool box draws a shown button (layout coordinates).
    int ToolX(int tool) const;
    static int ToolY() { return 36; }

    // Page operations.
    void FilterHookList();
    void FilterRodLengths();
    void ApplyRodLength();
    void ApplyLineLength();

    // Members, in order.
    CSprite m_background; // bitmap 239 at the back-buffer size, centred
    CFinestra m_rigPanel;
    CFinestra m_menuPanel;
    CTesto m_ruler;
    CSprite m_backdrop; // behind the rig drawing
    CPulsante m_pageButtons[kMenuButtons];
    CToolBox m_tools; // its pending flag is the modified flag
    // Shared by the pages: only one shows at a time.
    CFinestra m_detailsPanel;
    CFinestra m_smallPanel;
    CTesto m_details;
    CTextBox m_description;
    CTextBox m_loadText;
    // Rod page.
    CListBox m_rodLengths;
    CListBox m_rodModels;
    CSpinnerRigidita m_power;
    CSpinnerTipoCanna m_type;
    CSpinnerSiNo m_bell;
    // Reel page.
    CListBox m_reels;
    // Line page.
    CListBox m_lineColours;
    CListBox m_lineDiameters;
    CListBox m_lineTypes;
    // Leader page.
    CSpinnerCollegamento m_terminalLink;
    CListBox m_terminalDiameters;
    CListBox m_terminalTypes;
    CSpinnerFiltroAmoEsca m_hookFilter;
    CListBox m_terminalHooks;
    // Dropper pages.
    CSpinnerCollegamento m_dropperLink[2];
    CListBox m_dropperDiameters[2];
    CListBox m_dropperTypes[2];
    CListBox m_dropperHooks[2];
    // Shots page.
    CListBox m_shots;
    CPulsante m_addShot;
    CPulsante m_removeShot;
    CTextBox m_calibration;
    CTextBox m_totalWeight;
    // Float page.
    CListBox m_floats;
    CSpinnerStopper m_stopper;
    // Dialogs.
    CFinestra m_dialogPanel;
    CTextBox m_nameBox;
    CTextBox m_descriptionBox;
    CListBox m_configurations;
    CPulsante m_ok;
    CPulsante m_cancel;
    CPulsante m_delete;
    CAskBox m_ask;
    // State.
    std::int32_t m_page;
    std::int32_t m_dialog;
    std::uint8_t m_addMode;
    std::uint8_t m_removeMode;
    CRigView m_view;

private:
    void FillRodLists();
    void FillReelList();
    void FillLineColours();
    void FillTerminalLists();
    void FillDropper1Hooks();
    void FillDropper2Hooks();
    void FillDropperHooks(CListBox& list);
    void FillShotList();
    void FillFloatList();
    void LoadDialogs(plat::Device* dev);
    void UpdateReelButton();
    void UpdateDropperButtons();

    void RenderRigView(plat::Device* dev);
    void RenderDetailsBoxes(plat::Device* dev);
    void RenderRodPage(plat::Device* dev);
    void RenderReelPage(plat::Device* dev);
    void RenderLinePage(plat::Device* dev);
    void RenderTerminalPage(plat::Device* dev);
    void RenderDropperPage(plat::Device* dev, int index);
    void RenderHookDetails(plat::Device* dev, CAmo& hook, int panelY);
    void RenderShotsPage(plat::Device* dev);
    void RenderFloatPage(plat::Device* dev);
    void RenderSaveDialog(plat::Device* dev);
    void RenderLoadDialog(plat::Device* dev);

    void PressRigView();
    void PressPages();
    void ReleasePages();
    void ReleaseRodPage();
    void ReleaseReelPage();
    void ReleaseLinePage();
    void ReleaseTerminalPage();
    void ReleaseDropperPage(int index);
    void ReleaseShotsPage();
    void ReleaseFloatPage();
    void HandleTools();
    void HandlePageMenu();
    void HandleDialog();
    void HandleAnswer();
    void OpenLoadDialog();
    void SaveAndClose();
    void LoadSelected();
    void Notify(const char* italian, const char* english);
    void NotifyNotRemembered();
    void Ask(const char* italian, const char* english, std::uint32_t tag);
    void Wheel(bool down);
    void ScrollPageLists(bool down);
    void SelectLine(CListBox& list, int id);
    void SelectHook(CListBox& list, const CAmo& hook);
};

extern CMenuConfigura g_MenuConfigura;

// Whether the name box would have let the player type this name: letters,
// digits and "_" only, at most 128 characters, not empty.
bool IsTypableConfigurationName(const char* name);
