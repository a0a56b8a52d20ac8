#include "screens/MenuCatture.h"

#include "screens/MenuBackground.h"
#include "shell/GestFile.h"
#include "shell/Globals.h"
#include "shell/Opzioni.h"
#include "shell/ScreenSwitch.h"
#include "shell/Utility.h"
#include "simulation/session/Sessione.h"
#include "world/Pesci.h"

#include <cstring>
#include <string>
#include <vector>

KARVELIN_GLOBAL(12) CMenuCatture g_MenuCatture;

namespace {

// A row is found again by its key, the file name: a name the key cannot hold
// whole would be shown and deleted under a cut name, that of another file or
// of none. A backslash reads as a folder separator when the file is opened,
// so such a name would reach a file elsewhere. Both are left out.
bool Listable(const std::string& name)
{
    return name.size() <= std::size_t(kListKeyLength) && name.find('\\') == std::string::npos;
}

} // namespace

void CMenuCatture::Load(plat::Device* dev)
{
    m_panel.Create(dev);
    LoadMenuBackground(m_background, dev);
    m_summary.Create(dev);
    m_sessions.Create(dev);
    m_sessions.m_showCol1 = 1;
    ListSessions(g_GestFile.GetDataSubfolder(CGestFile::D_CATTURE));
    m_fishes.Create(dev);
    m_delete.Create(dev);
    m_back.Create(dev);
    m_ask.Create(dev);
}

void CMenuCatture::ListSessions(const char* folder)
{
    m_sessions.Clear();
    if (!folder || !*folder)
        return;
    // The names first: reading a header must not disturb the enumeration.
    std::vector<std::string> names;
    for (const char* n = g_GestFile.FindFirst(folder, "kvc"); n; n = g_GestFile.FindNext())
        names.emplace_back(n);
    for (const std::string& name : names) {
        if (!Listable(name)) {
            LogError("MenuCatture.cpp", Concat2("Catch log name not listed: ", name.c_str()), __LINE__);
            continue;
        }
        char player[CSessione::kPlayerMax + 1];
        char venue[CSessione::kVenueMax + 1];
        char date[CSessione::kShortTextMax + 1];
        CSessione::ReadHeader(name.c_str(), player, venue, date);
        // A log whose header names no venue and no date is still listed, so
        // it can be deleted: its file name stands for them, beside whatever
        // player the header does name.
        if (!venue[0] && !date[0])
            m_sessions.AddItem(-1, name.c_str(), player, name.c_str());
        else
            m_sessions.AddItem(-1, name.c_str(), player, Concat3(venue, " - ", date));
    }
}

void CMenuCatture::ShowSession(const char* fileName)
{
    if (!fileName)
        return;
    g_Sessione.Load(fileName);
    m_fishes.Clear();
    m_fishes.m_selectable = 0;
    m_fishes.m_showCol1 = 1;
    m_fishes.m_showCol2 = 1;
    g_Sessione.ListCatches(m_fishes);
}

void CMenuCatture::Activate()
{
    g_Sessione.Clear();
    ListSessions(g_GestFile.GetDataSubfolder(CGestFile::D_CATTURE));
    if (m_sessions.GetCount() == 0) {
        m_fishes.Clear();
    } else {
        m_sessions.SelectFirst(true);
        ShowSession(m_sessions.GetSelectedKey());
    }
    m_delete.Enable(true);
}

void CMenuCatture::DeleteSelected()
{
    if (m_sessions.GetCount() == 0)
        return;
    const char* key = m_sessions.GetSelectedKey();
    if (!key)
        return;
    // A log that stays on disk (a read-only folder) stays listed and shown,
    // and the player is told.
    if (!CSessione::Delete(key)) {
        m_ask.ShowTagged(Tr("Impossibile eliminare il registro delle catture.", "The catch log could not be deleted."),
                         kAskDeleteFailed, CAskBox::kOkAlone);
        return;
    }
    Activate();
}

void CMenuCatture::Render(plat::Device* dev)
{
    m_background.Draw(dev);
    m_panel.DrawTitled(dev, 30, 15, 740, 550, Tr("Karvelin - Catture", "Karvelin - Records"));
    m_sessions.DrawTitled(dev, 50, 50, 400, 200, Tr("Lista Catture", "Catches list"));
    m_fishes.DrawTitled(dev, 50, 250, 680, 250, Tr("Pesci presi", "Fishes"));
    if (g_Sessione.GetCount() > 0)
        RenderSummary(dev);
    m_back.DrawCaption(dev, 260, 510, Tr("Indietro", "Back"));
    if (m_sessions.GetCount() == 0)
        m_delete.Enable(false);
    m_delete.DrawCaption(dev, 410, 510, Tr("Elimina", "Delete"));
    m_ask.Draw(dev);
}

void CMenuCatture::RenderSummary(plat::Device* dev)
{
    const CSessione& log = g_Sessione;
    const CConvUnita units = CConvUnita::SetMetric(g_Opzioni.units == 0);
    const bool metric = units.IsMetric();
    auto weight = [&](float grams) { return std::string(units.FormatWeightGrams(grams)) + (metric ? " gr" : " lb"); };
    const std::string length =
        std::string(units.FormatLengthCm(static_cast<float>(log.m_longestLength))) + (metric ? "cm " : "ft ");

    m_summary.Begin(500, 95);
    m_summary.LineInt(dev, Tr("Numero totale di pesci: ", "Total fishes: "), log.GetCount());
    m_summary.Line(dev, Tr("Peso totale dei pesci: ", "Total fishes weight: "), weight(log.m_totalWeight).c_str());
    m_summary.Line(dev, Tr("Peso maggiore: ", "Greater weight: "), weight(log.m_biggestWeight).c_str());
    m_summary.Line(dev, Tr("Lunghezza maggiore: ", "Greater length: "), length.c_str());
    m_summary.Line(dev, Tr("Luogo: ", "Venue: "), log.m_venue);
    m_summary.Line(dev, Tr("Data: ", "Date: "), log.m_date);
    m_summary.Line(dev, Tr("Orario inizio - fine: ", "Time: "), Concat3(log.m_startTime, " - ", log.m_endTime));
    if (log.m_place > 0)
        m_summary.LineInt(dev, Tr("Posizione Gara: ", "Tournament results: "), log.m_place);
}

void CMenuCatture::OnLostDevice()
{
    m_background.OnLostDevice();
    m_panel.OnLostDevice();
    m_summary.OnLostDevice();
    m_sessions.OnLostDevice();
    m_fishes.OnLostDevice();
    m_delete.OnLostDevice();
    m_back.OnLostDevice();
    m_ask.OnLostDevice();
}

void CMenuCatture::OnResetDevice(plat::Device* dev)
{
    m_background.OnResetDevice(dev);
    m_panel.OnResetDevice(dev);
    m_summary.OnResetDevice(dev);
    m_sessions.OnResetDevice(dev);
    m_fishes.OnResetDevice(dev);
    m_delete.OnResetDevice(dev);
    m_back.OnResetDevice(dev);
    m_ask.OnResetDevice(dev);
}

void CMenuCatture::OnMouseDown()
{
    if (m_ask.IsShown()) {
        m_ask.OnMouseDown();
        return;
    }
    m_sessions.OnMouseDown();
    m_fishes.OnMouseDown();
    m_delete.OnMouseDown();
    m_back.OnMouseDown();
}

void CMenuCatture::OnMouseUp()
{
    if (m_ask.IsShown()) {
        if (m_ask.OnMouseUp() && m_ask.GetTag() == kAskDelete && m_ask.GetResult() == CAskBox::kFirst)
            DeleteSelected();
        return;
    }
    if (m_sessions.OnMouseUp() == CListBox::kRows)
        ShowSession(m_sessions.GetSelectedKey());
    m_fishes.OnMouseUp();
    if (m_delete.OnMouseUp() && m_sessions.GetCount() > 0)
        m_ask.ShowTagged(Tr("Eliminare i dati della cattura?", "Do you want delete all data?"), kAskDelete,
                         CAskBox::kYesNo);
    if (m_back.OnMouseUp())
        ReturnFromScreen(false);
}

void CMenuCatture::OnWheelDown()
{
    if (m_ask.IsShown())
        return;
    m_sessions.ScrollDown();
    m_fishes.ScrollDown();
}

void CMenuCatture::OnWheelUp()
{
    if (m_ask.IsShown())
        return;
    m_sessions.ScrollUp();
    m_fishes.ScrollUp();
}
