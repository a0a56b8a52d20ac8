#include "screens/MenuOpzioni.h"

#include "screens/MenuBackground.h"
#include "screens/MenuPrincipale.h"
#include "shell/Globals.h"
#include "shell/ScreenSwitch.h"
#include "shell/SoundPlayer.h"
#include "shell/Utility.h"
#include "simulation/session/Statistiche.h"
#include "world/Luogo.h"

KARVELIN_GLOBAL(17) CMenuOpzioni g_MenuOpzioni;

// ---- the word spinners of this screen --------------------------------------

const char* CSpinnerMeteo::GetValueText()
{
    static const SpinnerWord kWords[] = {
        {-2, "Nessun effetto", "None"}, {0, "Sole", "Sun"}, {1, "Nuvoloso", "Cloudy"},
        {2, "Pioggia", "Rain"},         {3, "Neve", "Snow"}, {4, "Nebbia", "Fog"},
    };
    return PickSpinnerWord(m_value, kWords, "Casuale", "Random");
}

const char* CSpinnerLiv::GetValueText()
{
    static const SpinnerWord kWords[] = {
        {0, "Principiante", "Beginner"}, {1, "Amatore", "Intermediate"}, {2, "Professionista", "Professional"}};
    return PickSpinnerWord(m_value, kWords);
}

const char* CSpinnerSens::GetValueText()
{
    static const SpinnerWord kWords[] = {{1, "Bassa", "Low"}, {2, "Media", "Medium"}, {3, "Alta", "High"}};
    return PickSpinnerWord(m_value, kWords);
}

const char* CSpinnerVelRecupero::GetValueText()
{
    static const SpinnerWord kWords[] = {{0, "Bassa", "Low"}, {1, "Media", "Medium"}, {2, "Alta", "High"}};
    return PickSpinnerWord(m_value, kWords);
}

const char* CSpinnerLenza::GetValueText()
{
    static const SpinnerWord kWords[] = {{0, "GAME", "GAME"}, {1, "REALE", "REAL"}};
    return PickSpinnerWord(m_value, kWords);
}

const char* CSpinnerColGUI::GetValueText()
{
    static const SpinnerWord kWords[] = {{0, "Azzurro", "Blue"}, {1, "Argento", "Silver"}, {2, "Verde", "Green"}};
    return PickSpinnerWord(m_value, kWords);
}

const char* CSpinnerModoRetino::GetValueText()
{
    static const SpinnerWord kWords[] = {
        {0, "Manuale", "Manual"},
        {1, "Automatico", "Automatic"},
        {2, "Manuale (sinistra)", "Manual (left)"},
        {3, "Manuale (destra)", "Manual (right)"},
        {4, "Automatico (sinistra)", "Automatic (left)"},
        {5, "Automatico (destra)", "Automatic (right)"},
    };
    return PickSpinnerWord(m_value, kWords);
}

const char* CSpinnerLingua::GetValueText()
{
    static const SpinnerWord kWords[] = {{0, "English", "English"}, {1, "Italiano", "Italiano"}};
    return PickSpinnerWord(m_value, kWords);
}

const char* CSpinnerRisoluzione::GetValueText()
{
    static const SpinnerWord kWords[] = {
        {-1, "AUTO", "AUTO"},        {0, "800x600", "800x600"},   {1, "1024x768", "1024x768"},
        {2, "1280x720", "1280x720"}, {3, "1280x768", "1280x768"}, {4, "1280x800", "1280x800"},
        {5, "1360x768", "1360x768"}, {6, "1366x768", "1366x768"}, {7, "1440x900", "1440x900"},
    };
    return PickSpinnerWord(m_value, kWords);
}

const char* CSpinnerUnits::GetValueText()
{
    static const SpinnerWord kWords[] = {{0, "Cm e Gr", "Cm and Gr"}, {1, "Ft e Lb", "Ft and Lb"}};
    return PickSpinnerWord(m_value, kWords);
}

// ---- the screen -------------------------------------------------------------

namespace {

// One spinner of the screen, in member order; x -1 for the one never drawn.
struct SpinnerRow {
    int x, y;
    const char* italian;
    const char* english;
    int min, max, step;
    int COpzioni::*field;
};

const SpinnerRow kRows[CMenuOpzioni::kSpinnerCount] = {
    {530, 190, "Tempo gara (minuti)", "Tournament time (minutes)", 5, 180, 5, &COpzioni::tournamentTime},
    {530, 240, "Nr. Pescatori gara (0=casuale)", "Nr. Fishermen tournament (0=random)", 0, 30, 5,
     &COpzioni::tournamentFishermen},
    {50, 140, "Suoni", "Sounds", 0, 1, 1, &COpzioni::sounds},
    {50, 240, "Condizione meteo", "Weather", -2, 4, 1, &COpzioni::weather},
    {290, 290, "Livello", "Level", 0, 2, 1, &COpzioni::level},
    {50, 290, "Full screen (riavviare)", "Full screen (restart)", 0, 1, 1, &COpzioni::fullScreen},
    {50, 390, "Sens. mouse", "Mouse sens.", 1, 3, 1, &COpzioni::mouseSensitivity},
    {530, 390, "Movim. vertic. mouse invertito", "Vertical movement rod inverted", 0, 1, 1,
     &COpzioni::verticalInverted},
    {290, 340, "Modalit\xE0 lenza", "Line mode", 0, 1, 1, &COpzioni::lineMode},
    {290, 390, "Velocit\xE0 indebolimento pesci", "Fishes weakening speed", 0, 2, 1, &COpzioni::retrieveSpeed},
    {-1, -1, "", "", 0, 2, 1, &COpzioni::guiColour},
    {530, 140, "Modalit\xE0 estrazione retino", "Landing net extraction mode", 0, 5, 1, &COpzioni::netMode},
    {50, 190, "Mostra indicatore tensione lenza", "Show line stress indicator", 0, 1, 1, &COpzioni::showTension},
    {530, 290, "Modalit\xE0 acque", "Waters mode", 0, 2, 1, &COpzioni::waters},
    {290, 140, "Visualizza statistiche", "View statistics", 0, 1, 1, &COpzioni::showStats},
    {290, 190, "Trasparenza (finestre, ecc.)", "Transparency (windows, etc.)", 0, 1, 1, &COpzioni::alpha},
    {290, 240, "Lingua (riavviare)", "Language (restart)", 0, 1, 1, &COpzioni::language},
    {50, 340, "Risoluzione (riavviare)", "Resolution (restart)", -1, 7, 1, &COpzioni::resolution},
    {530, 340, "Unit\xE0 di misura (riavviare)", "Measurement Units (restart)", 0, 1, 1, &COpzioni::units},
};

constexpr int kColumns[] = {50, 290, 530};
constexpr int kSpinnerWidth = 160;

} // namespace

CMenuOpzioni::CMenuOpzioni()
    : m_spinners{&m_tournamentTime, &m_tournamentFishermen, &m_sounds,     &m_weather,   &m_level,
                 &m_fullScreen,     &m_mouseSensitivity,    &m_verticalInverted, &m_lineMode, &m_retrieveSpeed,
                 &m_guiColour,      &m_netMode,             &m_showTension, &m_waters,    &m_showStats,
                 &m_alpha,          &m_language,            &m_resolution, &m_units}
{
    m_waters.m_longForm = 1;
}

int COpzioni::*CMenuOpzioni::SettingOf(int index) { return kRows[index].field; }

bool CMenuOpzioni::SpinnerPlace(int index, int& x, int& y)
{
    x = kRows[index].x;
    y = kRows[index].y;
    return x >= 0;
}

const char* CMenuOpzioni::SpinnerLabel(int index) { return Tr(kRows[index].italian, kRows[index].english); }

void CMenuOpzioni::Load(plat::Device* dev)
{
    m_panel.Create(dev);
    LoadMenuBackground(m_background, dev);
    for (int i = 0; i < kSpinnerCount; ++i) {
        CSpinner& s = *m_spinners[i];
        s.Create(dev);
        s.SetMin(kRows[i].min);
        s.SetMax(kRows[i].max);
        s.SetStep(kRows[i].step);
        s.m_wrap = 1;
        s.SetLabelAbove();
    }
    m_playerName.Create(dev);
    m_playerName.m_editable = 0;
    m_playerName.m_maxLength = kNameLength;
    m_city.Create(dev);
    m_city.m_editable = 0;
    m_city.m_maxLength = kCityLength;
    m_clearStatistics.Create(dev);
    m_ok.Create(dev);
    m_ok.m_caption.m_format = plat::kTextCentre;
    m_cancel.Create(dev);
    m_cancel.m_caption.m_format = plat::kTextCentre;
    m_version.m_frameH = 13;
    m_version.Create(dev);
    m_ask.Create(dev);
    SyncFromSettings();
}

void CMenuOpzioni::SyncFromSettings()
{
    for (int i = 0; i < kSpinnerCount; ++i)
        m_spinners[i]->SetValue(g_Opzioni.*kRows[i].field);
    m_playerName.SetText(g_Opzioni.playerName);
    m_city.SetText(g_Opzioni.city);
}

void CMenuOpzioni::Render(plat::Device* dev)
{
    m_background.Draw(dev);
    m_panel.DrawTitled(dev, 30, 15, 740, 540, Tr("Karvelin - Opzioni", "Karvelin - Options"));
    m_playerName.DrawEditTitled(dev, 50, 60, 390, 50, Tr("Nome giocatore", "Player name"));
    for (int column : kColumns) {
        // Top to bottom within each column.
        for (int y = 140; y <= 390; y += 50)
            for (int i = 0; i < kSpinnerCount; ++i)
                if (kRows[i].x == column && kRows[i].y == y)
                    m_spinners[i]->DrawLabelled(dev, column, y, kSpinnerWidth, SpinnerLabel(i));
        if (column == 290)
            m_clearStatistics.DrawIcon10(dev, 490, 140);
    }
    m_ok.DrawCaption(dev, 270, 460, "OK");
    m_cancel.DrawCaption(dev, 440, 460, Tr("Annulla", "Cancel"));
    m_version.DrawAt(dev, kVersionLine, 50, 509);
    m_ask.Draw(dev);
}

void CMenuOpzioni::OnLostDevice()
{
    m_background.OnLostDevice();
    m_panel.OnLostDevice();
    for (CSpinner* s : m_spinners)
        s->OnLostDevice();
    m_playerName.OnLostDevice();
    m_city.OnLostDevice();
    m_clearStatistics.OnLostDevice();
    m_ok.OnLostDevice();
    m_cancel.OnLostDevice();
    m_version.OnLostDevice();
    m_ask.OnLostDevice();
}

void CMenuOpzioni::OnResetDevice(plat::Device* dev)
{
    m_background.OnResetDevice(dev);
    m_panel.OnResetDevice(dev);
    for (CSpinner* s : m_spinners)
        s->OnResetDevice(dev);
    m_playerName.OnResetDevice(dev);
    m_city.OnResetDevice(dev);
    m_clearStatistics.OnResetDevice(dev);
    m_ok.OnResetDevice(dev);
    m_cancel.OnResetDevice(dev);
    m_version.OnResetDevice(dev);
    m_ask.OnResetDevice(dev);
}

void CMenuOpzioni::OnMouseDown()
{
    if (m_ask.IsShown()) {
        m_ask.OnMouseDown();
        return;
    }
    for (CSpinner* s : m_spinners)
        s->OnMouseDown();
    m_clearStatistics.OnMouseDown();
    m_ok.OnMouseDown();
    m_cancel.OnMouseDown();
}

void CMenuOpzioni::OnMouseUp()
{
    if (m_ask.IsShown()) {
        if (m_ask.OnMouseUp() && m_ask.GetTag() == kAskClearStatistics)
            ClearStatistics();
        return;
    }
    for (int i = 0; i < kSpinnerCount; ++i)
        if (m_spinners[i]->OnMouseUp())
            g_Opzioni.*kRows[i].field = m_spinners[i]->GetValue();
    if (m_clearStatistics.OnMouseUp())
        m_ask.ShowTagged(Tr("Azzerare le statistiche?", "Do you want clear statistics?"), kAskClearStatistics,
                         CAskBox::kYesNo);
    m_playerName.m_editable = m_playerName.IsMouseOver() ? 1 : 0;
    m_city.m_editable = m_city.IsMouseOver() ? 1 : 0;
    if (m_ok.OnMouseUp())
        Confirm();
    if (m_cancel.OnMouseUp())
        Cancel();
}

// OK: the settings file is written; only once it is do the sounds and the
// venue list follow the new settings and the main menu come back.
void CMenuOpzioni::Confirm()
{
    g_Opzioni.SetPlayerName(m_playerName.GetText());
    g_Opzioni.SetCity(m_city.GetText());
    const bool saved = g_Opzioni.Save();
    m_playerName.SetText(g_Opzioni.playerName);
    m_city.SetText(g_Opzioni.city);
    if (!saved) {
        // Leaving would look as if the settings were kept: the player stays
        // to try again or cancel.
        Notify("Impossibile salvare le impostazioni.", "The settings could not be saved.");
        return;
    }
    g_SndPlayer.StopAll();
    g_SndPlayer.SetAllEnabled(g_Opzioni.sounds == 1);
    g_MenuPrincipale.m_waters.SetValue(g_Opzioni.waters);
    ApplyWaters();
    SwitchToScreen(kScreenMainMenu);
}

// Cancel: the file's values come back, except the waters mode the main menu
// chose, which the file does not hold until OK.
void CMenuOpzioni::Cancel()
{
    g_Opzioni.Load();
    SyncFromSettings();
    g_Opzioni.waters = g_MenuPrincipale.m_waters.GetValue();
    m_waters.SetValue(g_Opzioni.waters);
    ApplyWaters();
    SwitchToScreen(kScreenMainMenu);
}

// Only venues of the chosen waters are offered, starting from their built-in one.
void CMenuOpzioni::ApplyWaters()
{
    g_Luogo.FilterVenueList();
    g_Luogo.SelectDefaultVenue();
}

void CMenuOpzioni::Notify(const char* italian, const char* english)
{
    m_ask.ShowTagged(Tr(italian, english), kAskNotice, CAskBox::kOkAlone);
}

void CMenuOpzioni::ClearStatistics()
{
    if (m_ask.GetResult() != CAskBox::kFirst)
        return;
    // A file that stays on disk would bring the record back at the next
    // start: the player is told instead of shown a page that looks cleared.
    if (!g_Statistiche.Reset())
        Notify("Impossibile eliminare le statistiche.", "The statistics could not be deleted.");
}

void CMenuOpzioni::OnWheelDown() {}

void CMenuOpzioni::OnWheelUp() {}

void CMenuOpzioni::OnChar(unsigned char ch)
{
    if (m_ask.IsShown())
        return;
    m_playerName.OnChar(ch);
    m_city.OnChar(ch);
    g_Opzioni.SetPlayerName(m_playerName.GetText());
    g_Opzioni.SetCity(m_city.GetText());
}
