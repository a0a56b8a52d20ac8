#include "screens/MenuPrincipale.h"

#include "screens/MenuBackground.h"
#include "screens/MenuOpzioni.h"
#include "shell/Globals.h"
#include "shell/Opzioni.h"
#include "shell/ScreenSwitch.h"
#include "simulation/session/Gara.h"
#include "simulation/session/Statistiche.h"
#include "world/Luogo.h"

#include <cmath>
#include <cstdio>

KARVELIN_GLOBAL(19) CMenuPrincipale g_MenuPrincipale;

namespace {

struct ButtonRow {
    int y;
    const char* italian;
    const char* english;
};

// By member (CMenuPrincipale::Button); the drawing order is the member order.
constexpr ButtonRow kButtonRows[CMenuPrincipale::kButtonCount] = {
    {140, "Pesca", "Start fishing"},
    {170, "Gara", "Tournament"},
    {215, "Configura", "Tackle box"},
    {365, "Opzioni", "Options"},
    {245, "Luogo", "Venues"},
    {305, "Pesci", "Fishes"},
    {275, "Esche/Pastura", "Baits/Groundbaits"},
    {335, "Catture", "Records"},
    {460, "Esci", "Exit"},
};

// A press is tested in this order, a release in the member order.
constexpr CMenuPrincipale::Button kPressOrder[] = {
    CMenuPrincipale::kStartFishing, CMenuPrincipale::kTournament, CMenuPrincipale::kTackleBox,
    CMenuPrincipale::kOptions,      CMenuPrincipale::kVenues,     CMenuPrincipale::kFishes,
    CMenuPrincipale::kRecords,      CMenuPrincipale::kBaits,      CMenuPrincipale::kExit,
};

// The statistics' totals are floats; a value no integer holds shows as 0
// rather than as whatever the conversion makes of it.
int Truncated(float value)
{
    if (!std::isfinite(value) || value >= 2147483648.0f || value < -2147483648.0f)
        return 0;
    return static_cast<int>(value);
}

} // namespace

CMenuPrincipale::CMenuPrincipale() { m_waters.m_longForm = 1; }

const char* CMenuPrincipale::Caption(int button)
{
    if (button < 0 || button >= kButtonCount)
        return "";
    return Tr(kButtonRows[button].italian, kButtonRows[button].english);
}

void CMenuPrincipale::Load(plat::Device* dev)
{
    m_menuWindow.Create(dev);
    LoadMenuBackground(m_background, dev);
    m_statsWindow.Create(dev);
    m_body.m_frameH = 13;
    m_body.Create(dev);
    m_heading.m_weight = 700;
    m_heading.m_frameH = 13;
    m_heading.Create(dev);
    m_picture.Reset(dev);
    m_picture.CreateFromResource(dev, kBitmapMainMenuPicture, 415, 560);
    m_picture.m_relative = 1;
    for (CPulsante& b : m_buttons)
        b.Create(dev);
    m_waters.Create(dev);
    m_waters.SetMin(0);
    m_waters.SetMax(2);
    m_waters.SetValue(g_Opzioni.waters);
    // The menu's box is narrow: "both" takes its short text here.
    m_waters.m_longForm = 0;
    m_waters.m_wrap = 1;
}

void CMenuPrincipale::Render(plat::Device* dev)
{
    m_background.Draw(dev);
    m_picture.DrawAt(dev, 550, 280);
    m_menuWindow.DrawTitled(dev, 50, 50, 250, 460, Tr("Karvelin - Simulatore di pesca", "Karvelin - Fishing simulator"));
    if (g_Opzioni.showStats == 1)
        RenderStatistics(dev, ReadStatisticsView());
    m_waters.Draw(dev, 70, 95, 135);
    for (int i = 0; i < kButtonCount; ++i)
        m_buttons[i].DrawCaption(dev, 70, kButtonRows[i].y, Caption(i));
}

const char* CMenuPrincipale::FormatTotalWeight(float grams, const CConvUnita& units)
{
    static char text[64];
    const bool metric = units.IsMetric();
    if (grams > 10000.0f)
        std::snprintf(text, sizeof text, "%s%s", units.FormatWeightKg(grams), metric ? " Kg" : " lb");
    else
        std::snprintf(text, sizeof text, "%s%s", units.FormatWeightGrams(grams), metric ? " gr" : " lb");
    return text;
}

void CMenuPrincipale::RenderStatistics(plat::Device* dev, const StatisticsView& stats)
{
    m_statsWindow.DrawTitled(dev, 400, 200, 300, 310, Tr("STATISTICHE", "STATISTICS"));
    m_body.Draw(dev, Tr("Giocatore: ", "Player: "), 420, 230, 80, 0);
    m_body.Draw(dev, stats.playerName, IsItalian() ? 480 : 460, 230, 210, 30);

    const struct {
        int y;
        const char* italian;
        const char* english;
        int value;
    } lines[] = {
        {251, "Sessioni di pesca: ", "Sessions: ", stats.sessions},
        {264, "Minuti totali di pesca: ", "Minutes: ", Truncated(stats.minutes)},
        {290, "Numero totale di pesci: ", "Total fishes: ", Truncated(stats.fishCount)},
        {329, "Numero di gare effettuate: ", "Number of tournaments performed: ", stats.tournaments},
        {342, "Medaglie d'oro: ", "Gold Medals: ", stats.firsts},
        {355, "Medaglie d'argento: ", "Silver Medals: ", stats.seconds},
        {368, "Medaglie di bronzo: ", "Bronze Medals: ", stats.thirds},
        {381, "Cappotti: ", "No fishes: ", stats.withoutCatch},
    };
    for (const auto& line : lines)
        m_body.DrawWithInt(dev, Tr(line.italian, line.english), line.value, 420, line.y);

    const CConvUnita units = CConvUnita::SetMetric(g_Opzioni.units == 0);
    m_body.DrawJoined(dev, Tr("Peso totale di pesci: ", "Total weight of fishes: "),
                      FormatTotalWeight(stats.weightGrams, units), 420, 277);

    m_heading.DrawAt(dev, Tr("DATI GARE", "TOURNAMENT"), 420, 316);
    m_heading.DrawAt(dev, Tr("CATTURE MIGLIORI", "BEST CATCHES"), 420, 407);

    // Heaviest first; empty slots leave no gap.
    int y = 420;
    for (int slot = StatisticsView::kSlots - 1; slot >= 0; --slot) {
        if (stats.catchId[slot] == -1)
            continue;
        m_body.DrawAt(dev, stats.catchText[slot], 420, y);
        y += 13;
    }
}

void CMenuPrincipale::OnLostDevice()
{
    m_background.OnLostDevice();
    m_picture.OnLostDevice();
    m_menuWindow.OnLostDevice();
    m_statsWindow.OnLostDevice();
    m_heading.OnLostDevice();
    m_body.OnLostDevice();
    for (CPulsante& b : m_buttons)
        b.OnLostDevice();
    m_waters.OnLostDevice();
}

void CMenuPrincipale::OnResetDevice(plat::Device* dev)
{
    m_background.OnResetDevice(dev);
    m_picture.OnResetDevice(dev);
    m_menuWindow.OnResetDevice(dev);
    m_statsWindow.OnResetDevice(dev);
    m_heading.OnResetDevice(dev);
    m_body.OnResetDevice(dev);
    for (CPulsante& b : m_buttons)
        b.OnResetDevice(dev);
    m_waters.OnResetDevice(dev);
}

void CMenuPrincipale::OnMouseDown()
{
    for (Button b : kPressOrder)
        m_buttons[b].OnMouseDown();
    m_waters.OnMouseDown();
}

void CMenuPrincipale::OnMouseUp()
{
    // Every button is asked, so each one is released; only one can have
    // been pressed.
    if (m_buttons[kStartFishing].OnMouseUp())
        SwitchToScreen(kScreenSession);
    if (m_buttons[kTournament].OnMouseUp()) {
        SwitchToScreen(kScreenTournament);
        // A new tournament opens its session at once; its end comes back to
        // the tournament screen.
        g_Gara.Start();
    }
    if (m_buttons[kTackleBox].OnMouseUp())
        SwitchToScreen(kScreenTackleBox);
    if (m_buttons[kOptions].OnMouseUp())
        SwitchToScreen(kScreenOptions);
    if (m_buttons[kVenues].OnMouseUp())
        SwitchToScreen(kScreenVenues);
    if (m_buttons[kFishes].OnMouseUp())
        SwitchToScreen(kScreenFishes);
    if (m_buttons[kBaits].OnMouseUp())
        SwitchToScreen(kScreenBaits);
    if (m_buttons[kRecords].OnMouseUp())
        SwitchToScreen(kScreenRecords);
    if (m_buttons[kExit].OnMouseUp())
        PostQuit(0);
    if (m_waters.OnMouseUp())
        OnWatersChanged();
}

// The waters mode lives in memory until the options screen saves; both
// spinners show it, and the venue list offers only venues of those waters.
void CMenuPrincipale::OnWatersChanged()
{
    g_Opzioni.waters = m_waters.GetValue();
    g_MenuOpzioni.m_waters.SetValue(g_Opzioni.waters);
    g_Luogo.FilterVenueList();
    g_Luogo.SelectDefaultVenue();
}

StatisticsView ReadStatisticsView()
{
    StatisticsView view;
    const CStatistiche& s = g_Statistiche;
    view.playerName = g_Opzioni.playerName;
    view.sessions = s.m_sessions;
    view.minutes = s.m_minutes;
    view.weightGrams = s.m_weight;
    view.fishCount = s.m_fishCount;
    view.tournaments = s.m_tournaments;
    view.firsts = s.m_firsts;
    view.seconds = s.m_seconds;
    view.thirds = s.m_thirds;
    view.withoutCatch = s.m_tournamentsWithoutCatch;
    for (int slot = 0; slot < StatisticsView::kSlots; ++slot) {
        view.catchId[slot] = s.m_best[slot].id;
        if (s.m_best[slot].id != -1)
            CopyString(view.catchText[slot], g_Statistiche.GetCatchText(slot), sizeof view.catchText[slot] - 1);
    }
    return view;
}
