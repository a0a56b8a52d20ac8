#include "screens/MenuEsche.h"

#include "screens/MenuBackground.h"
#include "shell/Globals.h"
#include "shell/Graphics.h"
#include "shell/Opzioni.h"
#include "shell/ScreenSwitch.h"
#include "shell/Utility.h"
#include "simulation/tackle/CannaPesca.h"
#include "simulation/tackle/Esca.h"
#include "simulation/tackle/Pastura.h"
#include "world/Pesci.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

KARVELIN_GLOBAL(14) CMenuEsche g_MenuEsche;

namespace {

constexpr int kLureKind = 13;

} // namespace

const char* CSpinnerAmi::GetValueText()
{
    static char text[300];
    const CLenza& line = g_CannaPesca.m_lenza;
    const char* part;
    const CFinale* terminal;
    switch (m_value) {
    case 0:
        part = Tr("Bracciolo (2)", "Line-hook (2)");
        terminal = &line.m_droppers[1];
        break;
    case 1:
        part = Tr("Bracciolo (1)", "Line-hook (1)");
        terminal = &line.m_droppers[0];
        break;
    default:
        part = Tr("Finale", "Line-hook");
        terminal = &line.m_leader;
        break;
    }
    // The leader is always rigged; a dropper may not be, and its bait can
    // still be chosen for when it is.
    const bool absent = terminal != &line.m_leader && !terminal->m_inUse;
    const char* hook = absent ? Tr("non utilizzato", "not used") : terminal->m_hook.m_current.name;
    std::snprintf(text, sizeof text, "%s: %s", part, hook);
    return text;
}

void CMenuEsche::Load(plat::Device* dev)
{
    m_panel.Create(dev);
    LoadMenuBackground(m_background, dev);
    m_detailsPanel.Create(dev);
    m_hook.Create(dev);
    m_hook.SetMin(0);
    m_hook.SetMax(2);
    m_hook.SetStep(1);
    m_hook.m_wrap = 0;
    m_hook.SetValue(2);
    m_hook.SetLabelLeft();
    m_details.Create(dev);
    m_baitDescription.Create(dev);
    m_baitDescription.m_editable = 0;
    m_back.Create(dev);

    m_baits.Create(dev);
    m_baits.Clear();
    for (int i = 0; i < g_Esca.GetCount(); ++i) {
        const EscaRecord& r = g_Esca.m_records[std::size_t(i)];
        m_baits.AddItem(i, r.id, r.name, r.description);
    }
    m_groundbaits.Create(dev);
    m_groundbaits.Clear();
    for (int i = 0; i < g_Pastura.GetCount(); ++i) {
        const PasturaRecord& r = g_Pastura.GetRecord(i);
        m_groundbaits.AddItem(i, "", r.name, r.description);
    }
    m_fishes.Create(dev);
    m_fishes.m_selectable = 0;
    m_groundbaitDescription.Create(dev);
    m_groundbaitDescription.m_editable = 0;
    m_ask.Create(dev);

    m_baits.Sort(CListBox::kByCol0);
    m_groundbaits.Sort(CListBox::kByCol0);
    if (!m_baits.SelectById(0, true))
        m_baits.m_selected = -1;
    if (!m_groundbaits.SelectById(g_Pastura.m_selected, true))
        m_groundbaits.m_selected = -1;
    FillGroundbaitSpecies();
}

void CMenuEsche::FillGroundbaitSpecies()
{
    m_fishes.Clear();
    if (g_Pastura.GetCount() == 0)
        return;
    const PasturaRecord& groundbait = g_Pastura.GetRecord(g_Pastura.m_selected);
    for (int s = 0; s < CPesci::kCount; ++s) {
        if (groundbait.attracts[s] != 1)
            continue;
        const PesceRecord fish = g_Pesci.GetRecord(unsigned(s));
        m_fishes.AddItem(s, "", fish.name, fish.description);
    }
}

void CMenuEsche::Render(plat::Device* dev)
{
    const int s = Slot();
    const EscaRecord& bait = g_Esca.GetSlot(s);

    m_background.Draw(dev);
    m_panel.DrawTitled(dev, 30, 14, 740, 320, Tr("Karvelin - Esche/Pastura", "Karvelin - Baits/Groundbaits"));
    m_hook.DrawLabelled(dev, 220, 40, 330, Tr("Amo", "Hook"));
    m_baits.DrawTitled(dev, 50, 71, 180, 255, Tr("Esche disponibili", "Baits"));

    m_detailsPanel.DrawTitled(dev, 270, 177, 230, 150, Tr("Dettagli esca", "Details"));
    m_details.Begin(275, 200);
    m_details.Line(dev, Tr("Esca: ", "Bait: "), bait.name);
    m_details.Line(dev, Tr("Tipo di esca: ", "Type: "), CEsca::GetBaitTypeName(bait.kind));
    m_details.Line(dev, Tr("Colore ideale amo: ", "Ideal hook color: "), CEsca::GetHookColourName(bait.hookColour));
    m_details.Line(dev, Tr("Curva ideale amo: ", "Ideal hook bend: "), CEsca::GetHookBendName(bait.hookBend));
    m_details.Line(dev, Tr("Luogo ideale di utilizzo: ", "Ideal venue type: "),
                   CEsca::GetVenueTypeName(bait.venueKind));
    if (bait.kind == kLureKind) {
        m_details.Line(dev, Tr("Peso: ", "Weight: "), g_Esca.FormatWeight(s));
        m_details.Line(dev, Tr("Profondit\xE0 lavoro: ", "Working depth: "), g_Esca.FormatMaxDepth(s));
        m_details.Line(dev, Tr("Filo ideale: ", "Ideal line: "), g_Esca.GetIdealLineText(s));
    }

    m_baitDescription.DrawTitled(dev, 520, 70, 220, 255, Tr("Descrizione", "Description"), bait.description);
    g_Esca.m_photo.DrawAt(dev, 330, 70);

    m_panel.Draw(dev, 30, 332, 740, 235);
    m_groundbaits.DrawTitled(dev, 50, 340, 180, 180, Tr("Pasture disponibili", "Groundbaits"));
    m_fishes.DrawTitled(dev, 270, 340, 180, 180, Tr("Per pesci", "Fish"));
    const char* groundbait = g_Pastura.GetCount() > 0 ? g_Pastura.GetRecord(g_Pastura.m_selected).description : "";
    m_groundbaitDescription.DrawTitled(dev, 490, 340, 250, 180, Tr("Descrizione", "Description"), groundbait);
    m_back.DrawCaption(dev, 80, 525, Tr("Indietro", "Back"));
    m_ask.Draw(dev);
}

void CMenuEsche::OnLostDevice()
{
    m_background.OnLostDevice();
    m_panel.OnLostDevice();
    m_hook.OnLostDevice();
    m_baits.OnLostDevice();
    m_detailsPanel.OnLostDevice();
    m_details.OnLostDevice();
    m_baitDescription.OnLostDevice();
    m_groundbaits.OnLostDevice();
    m_groundbaitDescription.OnLostDevice();
    m_fishes.OnLostDevice();
    m_back.OnLostDevice();
    m_ask.OnLostDevice();
}

void CMenuEsche::OnResetDevice(plat::Device* dev)
{
    m_background.OnResetDevice(dev);
    m_panel.OnResetDevice(dev);
    m_hook.OnResetDevice(dev);
    m_baits.OnResetDevice(dev);
    m_detailsPanel.OnResetDevice(dev);
    m_details.OnResetDevice(dev);
    m_baitDescription.OnResetDevice(dev);
    m_groundbaits.OnResetDevice(dev);
    m_groundbaitDescription.OnResetDevice(dev);
    m_fishes.OnResetDevice(dev);
    m_back.OnResetDevice(dev);
    m_ask.OnResetDevice(dev);
}

void CMenuEsche::OnMouseDown()
{
    if (m_ask.IsShown()) {
        m_ask.OnMouseDown();
        return;
    }
    m_hook.OnMouseDown();
    m_baits.OnMouseDown();
    m_groundbaits.OnMouseDown();
    m_fishes.OnMouseDown();
    m_back.OnMouseDown();
}

// The baits list follows the slot shown: its bait's row, or no row at all
// when the catalogue no longer lists it.
void CMenuEsche::ShowSlot(plat::Device* dev)
{
    const EscaRecord& bait = g_Esca.GetSlot(Slot());
    if (!m_baits.SelectByKey(bait.id, true))
        m_baits.m_selected = -1;
    g_Esca.LoadPhoto(dev, bait.folder, bait.photo);
}

void CMenuEsche::OnMouseUp()
{
    if (m_ask.IsShown()) {
        // The player was told; the choices still hold for this run.
        if (m_ask.OnMouseUp())
            ReturnFromScreen(false);
        return;
    }
    plat::Device* dev = g_pDevice;
    if (m_hook.OnMouseUp())
        ShowSlot(dev);

    const int before = m_baits.GetSelectedIndex();
    if (m_baits.OnMouseUp() == CListBox::kRows && m_baits.GetSelectedIndex() >= 0) {
        // A click below the last row or on the row already on the hook
        // changes nothing (a new bait also moves its working depth, a draw
        // of the game's generator).
        const bool newRow = m_baits.GetSelectedIndex() != before;
        if (newRow || std::strcmp(m_baits.GetSelectedKey(), g_Esca.GetSlot(Slot()).id) != 0)
            g_Esca.Select(dev, Slot(), m_baits.GetSelectedId());
    }

    if (m_groundbaits.OnMouseUp() == CListBox::kRows && m_groundbaits.GetSelectedIndex() >= 0) {
        const int count = g_Pastura.GetCount();
        g_Pastura.m_selected = count > 0 ? std::clamp(m_groundbaits.GetSelectedId(), 0, count - 1) : 0;
        FillGroundbaitSpecies();
    }

    m_fishes.OnMouseUp(); // its rows take no selection

    if (m_back.OnMouseUp())
        Leave();
}

// Leaving silently when the file could not be written would look as if the
// choices were kept for the next start: the player is told first.
void CMenuEsche::Leave()
{
    if (!g_Opzioni.SaveBaits()) {
        m_ask.ShowTagged(Tr("Impossibile salvare le esche.", "The baits could not be saved."), 1,
                         CAskBox::kOkAlone);
        return;
    }
    ReturnFromScreen(false);
}

void CMenuEsche::OnWheelDown()
{
    if (m_ask.IsShown())
        return;
    m_baits.ScrollDown();
    m_groundbaits.ScrollDown();
    m_fishes.ScrollDown();
}

void CMenuEsche::OnWheelUp()
{
    if (m_ask.IsShown())
        return;
    m_baits.ScrollUp();
    m_groundbaits.ScrollUp();
    m_fishes.ScrollUp();
}
