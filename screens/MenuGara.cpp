#include "screens/MenuGara.h"

#include "screens/MenuBackground.h"
#include "shell/Globals.h"
#include "shell/Opzioni.h"
#include "shell/ScreenSwitch.h"
#include "shell/Utility.h"
#include "simulation/session/Gara.h"

#include <algorithm>
#include <cmath>
#include <cstring>

KARVELIN_GLOBAL(15) CMenuGara g_MenuGara;

namespace {

// Weights are shown in whole grams; a value no integer holds shows as 0
// rather than as whatever the conversion makes of it.
int WholeGrams(float grams)
{
    if (!std::isfinite(grams) || grams >= 2147483648.0f || grams < -2147483648.0f)
        return 0;
    return static_cast<int>(grams);
}

void AddResultRow(CListBox& list, int id, const char* name, const GaraRisultato& r)
{
    list.AddItem(id, "", name, IntToText(r.score));
    list.SetColumnById(id, 1, IntToText(r.count));
    list.SetColumnById(id, 2, IntToText(WholeGrams(r.totalWeight)));
    list.SetColumnById(id, 3, IntToText(WholeGrams(r.biggestWeight)));
}

bool ValidEvent(int event) { return event >= 0 && event < CGara::kEvents; }

} // namespace

void CMenuGara::Load(plat::Device* dev)
{
    m_panel.Create(dev);
    LoadMenuBackground(m_background, dev);
    m_tournament.Create(dev);
    m_unused1.Create(dev);
    m_unused2.Create(dev);
    m_results.Create(dev);
    // Rows cannot be selected, so the selected style marks only the header,
    // the first row; a lighter, smaller face keeps its longest caption
    // inside the last column.
    m_results.m_selectedStyle.m_frameH = 13;
    m_results.m_selectedStyle.m_weight = 400;
    m_results.m_selectedStyle.Create(dev);
    m_details.m_frameH = 12;
    m_details.Create(dev);
    m_medal.Reset(dev);
    m_medal.CreateFromResource(dev, kBitmapMedals, 45, 20);
    m_medal.m_frameW = 15;
    m_medal.m_frameH = 20;
    m_medal.m_column = 0;
    m_medal.m_anchorX = 1;
    m_medal.m_anchorY = 0;
    m_medal.m_relative = 1;
    m_medal.m_visible = 0;
    m_back.Create(dev);
}

void CMenuGara::Activate()
{
    if (g_Gara.m_running == 1) {
        FillResults();
        ComputeMedal(true);
    } else {
        m_results.Clear();
        ComputeMedal(false);
    }
    // The results have been shown: later returns go to the main menu and a
    // new free session has no countdown.
    g_Gara.m_running = 0;
}

void CMenuGara::FillResults()
{
    m_results.Clear();
    m_results.m_selectable = 0;
    m_results.m_showCol1 = m_results.m_showCol2 = m_results.m_showCol3 = m_results.m_showCol4 = 1;
    m_results.m_col1X = 130;
    m_results.m_col2X = 230;
    m_results.m_col3X = 330;
    m_results.m_col4X = 430;
    m_results.m_numbered = 1;
    m_results.m_numberFirstRow = 0;
    m_results.m_sortFirstRow = 0;
    m_results.m_ascending = 0;
    m_results.m_numeric[1] = 1;

    m_results.AddItem(kHeaderRow, "", Tr("Nome", "Name"), Tr("Punteggio", "Score"));
    m_results.SetColumnById(kHeaderRow, 1, Tr("Num. pesci", "Fishes"));
    m_results.SetColumnById(kHeaderRow, 2, Tr("Peso tot.", "Total weight."));
    m_results.SetColumnById(kHeaderRow, 3, Tr("Peso magg.", "Greater weight."));

    const int event = ValidEvent(g_Gara.m_currentEvent) ? g_Gara.m_currentEvent : 0;
    AddResultRow(m_results, kPlayerRow, g_Opzioni.playerName, g_Gara.m_playerResults[event]);
    m_results.SetHighlightedById(kPlayerRow, 1);
    const int rivals = g_Gara.InPlay();
    for (int i = 0; i < rivals; ++i)
        AddResultRow(m_results, kFirstRivalRow + i, g_Gara.m_competitors[i].name, g_Gara.m_results[i][event]);
    m_results.SelectFirst(false);
    m_results.Sort(CListBox::kByCol1);

    // The sort leaves equal scores in no particular order, while the place
    // (and so the medal) goes to the player on a tie: the player's row is
    // put above the rivals with the same score, so the table agrees.
    int row = 0;
    while (row < m_results.GetCount() && m_results.GetItem(row)->id != kPlayerRow)
        ++row;
    while (row > 1 && TextToInt(m_results.GetItem(row - 1)->col1) == TextToInt(m_results.GetItem(row)->col1)) {
        std::swap(*m_results.GetItem(row - 1), *m_results.GetItem(row));
        --row;
    }
}

void CMenuGara::ComputeMedal(bool show)
{
    m_medal.m_visible = 0;
    if (!show)
        return;
    const int place = g_Gara.GetPlace(g_Gara.m_currentEvent);
    if (place >= 1 && place <= 3) {
        m_medal.m_column = place - 1;
        m_medal.m_visible = 1;
    }
}

void CMenuGara::Render(plat::Device* dev)
{
    m_background.Draw(dev);
    m_panel.DrawTitled(dev, 30, 15, 740, 550, Tr("Karvelin - Campionato", "Karvelin - Tournament"));

    m_panel.DrawTitled(dev, 45, 70, 150, 200, Tr("Dettagli gara", "Tournament details"));
    const int event = ValidEvent(g_Gara.m_currentEvent) ? g_Gara.m_currentEvent : 0;
    const GaraEvento& ev = g_Gara.m_events[event];
    char hour[16], date[16];
    g_Gara.FormatHour(hour);
    g_Gara.FormatDate(date);
    // A long venue name wraps onto a second line; the lines below move down.
    const int venueH = m_details.DrawJoinedRect(dev, Tr("Luogo: ", "Venue: "), ev.venueName, 50, 100, 140, 36);
    const int y = 100 + std::max(15, venueH + 3);
    m_details.DrawWithIntRect(dev, Tr("Numero iscritti: ", "Fishermen: "), g_Gara.CompetitorCount(), 50, y, 140, 0);
    m_details.DrawJoinedRect(dev, Tr("Ora inizio: ", "Initial time: "), hour, 50, y + 15, 140, 0);
    m_details.DrawWithIntRect(dev, Tr("Durata (min): ", "Duration (min): "), ev.minutes, 50, y + 30, 140, 0);
    m_details.DrawJoinedRect(dev, Tr("Data: ", "Date: "), date, 50, y + 45, 140, 0);

    if (m_medal.m_visible) {
        // As wide as the details panel above, so the title fits; the medal
        // stays at its centre.
        m_panel.DrawTitled(dev, 45, 280, 150, 60, Tr("Complimenti!", "Congratulations!"));
        m_medal.DrawAt(dev, 115, 310);
    }
    m_results.DrawTitled(dev, 200, 70, 530, 475, Tr("Risultati gara", "Results"));
    m_tournament.DrawCaption(dev, 50, 475, Tr("Gara", "Tournament"));
    m_back.DrawCaption(dev, 50, 510, Tr("Indietro", "Back"));
}

void CMenuGara::OnLostDevice()
{
    m_background.OnLostDevice();
    m_panel.OnLostDevice();
    m_tournament.OnLostDevice();
    m_unused1.OnLostDevice();
    m_unused2.OnLostDevice();
    m_results.OnLostDevice();
    m_details.OnLostDevice();
    m_medal.OnLostDevice();
    m_back.OnLostDevice();
}

void CMenuGara::OnResetDevice(plat::Device* dev)
{
    m_background.OnResetDevice(dev);
    m_panel.OnResetDevice(dev);
    m_tournament.OnResetDevice(dev);
    m_unused1.OnResetDevice(dev);
    m_unused2.OnResetDevice(dev);
    m_results.OnResetDevice(dev);
    m_details.OnResetDevice(dev);
    m_medal.OnResetDevice(dev);
    m_back.OnResetDevice(dev);
}

void CMenuGara::OnMouseDown()
{
    m_tournament.OnMouseDown();
    m_unused1.OnMouseDown();
    m_unused2.OnMouseDown();
    m_results.OnMouseDown();
    m_back.OnMouseDown();
}

void CMenuGara::OnMouseUp()
{
    // A new tournament opens its session at once.
    if (m_tournament.OnMouseUp())
        g_Gara.Start();
    m_unused1.OnMouseUp();
    m_unused2.OnMouseUp();
    m_results.OnMouseUp();
    if (m_back.OnMouseUp())
        SwitchToScreen(kScreenMainMenu);
}

void CMenuGara::OnWheelDown() { m_results.ScrollDown(); }

void CMenuGara::OnWheelUp() { m_results.ScrollUp(); }
