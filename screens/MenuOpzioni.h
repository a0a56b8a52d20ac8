#pragma once
// The options screen (screen 3): every setting as a spinner or a text box.
// A change goes into the settings at once, in memory; OK writes the settings
// file and Cancel reads it back (keeping the main menu's waters mode). It
// also clears the player statistics and shows the game's version line.
#include "gui/AskBox.h"
#include "gui/Finestra.h"
#include "gui/Pulsante.h"
#include "gui/Testo.h"
#include "gui/TextBox.h"
#include "screens/WordSpinners.h"
#include "shell/Opzioni.h"
#include "shell/Sprite.h"

// The word spinners of this screen alone.
class CSpinnerMeteo : public CSpinner {
public:
    const char* GetValueText() override;
};
class CSpinnerLiv : public CSpinner {
public:
    const char* GetValueText() override;
};
class CSpinnerSens : public CSpinner {
public:
    const char* GetValueText() override;
};
class CSpinnerVelRecupero : public CSpinner {
public:
    const char* GetValueText() override;
};
class CSpinnerLenza : public CSpinner {
public:
    const char* GetValueText() override;
};
class CSpinnerColGUI : public CSpinner {
public:
    const char* GetValueText() override;
};
class CSpinnerModoRetino : public CSpinner {
public:
    const char* GetValueText() override;
};
class CSpinnerLingua : public CSpinner {
public:
    const char* GetValueText() override;
};
class CSpinnerRisoluzione : public CSpinner {
public:
    const char* GetValueText() override;
};
class CSpinnerUnits : public CSpinner {
public:
    const char* GetValueText() override;
};

constexpr const char* kVersionLine = "Karvelin 2.9.1 (build 232005)";

class CMenuOpzioni {
public:
    static constexpr int kSpinnerCount = 19;
    static constexpr int kNameLength = 40;
    static constexpr int kCityLength = 30;
    // What the question box is asking.
    enum AskTag : std::uint32_t { kAskClearStatistics = 1, kAskNotice = 2 };

    CMenuOpzioni();
    CMenuOpzioni(const CMenuOpzioni&) = delete;
    CMenuOpzioni& operator=(const CMenuOpzioni&) = delete;

    void Load(plat::Device* dev);
    void SyncFromSettings();
    void Render(plat::Device* dev);
    void OnLostDevice();
    void OnResetDevice(plat::Device* dev);
    void OnMouseDown();
    void OnMouseUp();
    void OnWheelDown();
    void OnWheelUp();
    void OnChar(unsigned char ch);
    void ClearStatistics();

    // The spinners in member order, and the settings field each one edits.
    CSpinner& Spinner(int index) { return *m_spinners[index]; }
    static int COpzioni::*SettingOf(int index);
    // Where a spinner is drawn (its box's top-left corner); false for the
    // one never drawn.
    static bool SpinnerPlace(int index, int& x, int& y);
    static const char* SpinnerLabel(int index);

    // Members, in order.
    CSprite m_background; // bitmap 217 stretched to the back buffer, centred
    CFinestra m_panel;
    CSpinner m_tournamentTime;
    CSpinner m_tournamentFishermen;
    CSpinnerSiNo m_sounds;
    CSpinnerMeteo m_weather;
    CSpinnerLiv m_level;
    CSpinnerSiNo m_fullScreen;
    CSpinnerSens m_mouseSensitivity;
    CSpinnerSiNo m_verticalInverted;
    CSpinnerLenza m_lineMode;
    CSpinnerVelRecupero m_retrieveSpeed;
    CSpinnerColGUI m_guiColour; // kept and saved, never drawn
    CSpinnerModoRetino m_netMode;
    CSpinnerSiNo m_showTension;
    CSpinnerModoAcque m_waters;
    CSpinnerSiNo m_showStats;
    CSpinnerSiNo m_alpha;
    CSpinnerLingua m_language;
    CSpinnerRisoluzione m_resolution;
    CSpinnerUnits m_units;
    CTextBox m_playerName;
    CTextBox m_city; // kept and saved, never drawn
    CPulsante m_clearStatistics;
    CPulsante m_ok;
    CPulsante m_cancel;
    CTesto m_version;
    CAskBox m_ask;

private:
    void Confirm();
    void Cancel();
    void Notify(const char* italian, const char* english);
    void ApplyWaters();

    CSpinner* m_spinners[kSpinnerCount];
};

extern CMenuOpzioni g_MenuOpzioni;
