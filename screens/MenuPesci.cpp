#include "screens/MenuPesci.h"

#include "screens/MenuBackground.h"
#include "shell/Globals.h"
#include "shell/Graphics.h"
#include "shell/Opzioni.h"
#include "shell/ScreenSwitch.h"
#include "shell/Utility.h"
#include "world/Calendario.h"
#include "world/Pesci.h"

KARVELIN_GLOBAL(18) CMenuPesci g_MenuPesci;

void CMenuPesci::Load(plat::Device* dev)
{
    m_panel.Create(dev);
    LoadMenuBackground(m_background, dev);
    m_section.Create(dev);
    m_details.Create(dev);
    m_description.Create(dev);
    m_description.m_editable = 0;
    m_activity.Create(dev);
    m_activity.m_relative = 1;
    m_back.Create(dev);
}

void CMenuPesci::Activate()
{
    CListBox& list = g_Pesci.List();
    list.SetAllEnabled(1);
    const int waters = g_Opzioni.waters;
    for (int i = 0; i < list.GetCount(); ++i) {
        ListItem* item = list.GetItem(i);
        const unsigned species = unsigned(item->id);
        if ((waters == 0 && !g_Pesci.LivesInFreshWater(species)) || (waters == 1 && !g_Pesci.LivesInSea(species)))
            item->enabled = 0;
    }
    m_species = FirstSpecies(waters);
    // The opening species is shown even where its row is disabled.
    if (!list.SelectById(m_species, true)) {
        for (int i = 0; i < list.GetCount(); ++i)
            if (list.GetItem(i)->id == m_species) {
                list.m_selected = i;
                list.ScrollTo(i);
            }
    }
    g_Pesci.LoadPhoto(g_pDevice, unsigned(m_species));
}

void CMenuPesci::Render(plat::Device* dev)
{
    const unsigned s = unsigned(m_species);
    CListBox& list = g_Pesci.List();

    m_background.Draw(dev);
    m_panel.DrawTitled(dev, 30, 15, 740, 550, Tr("Karvelin - Pesci", "Karvelin - Fishes"));
    list.DrawTitled(dev, 50, 50, 180, 130, Tr("Pesci", "Fishes"));

    m_section.DrawTitled(dev, 50, 190, 200, 130, Tr("Dettagli pesce", "Details"));
    m_details.Begin(55, 215, 190);
    m_details.Line(dev, Tr("Nome: ", "Name: "), g_Pesci.GetName(s));
    m_details.Line(dev, Tr("Dimensione minima: ", "Minimum size: "), g_Pesci.GetMinSizeText(s));
    m_details.Line(dev, Tr("Dimensione massima: ", "Maximum size: "), g_Pesci.GetMaxSizeText(s));
    m_details.Line(dev, Tr("Peso minimo: ", "Minimum weight: "), g_Pesci.GetMinWeightText(s));
    m_details.Line(dev, Tr("Peso massimo: ", "Maximum weight: "), g_Pesci.GetMaxWeightText(s));

    if (list.GetCount() > 0 && list.GetSelectedIndex() >= 0)
        g_Pesci.Photo().DrawAt(dev, 265, 50);

    m_section.DrawTitled(dev, 265, 190, 495, 130, "Habitat");
    m_details.Begin(270, 215, 485);
    m_details.Line(dev, Tr("Tipo luogo: ", "Venue type: "), g_Pesci.GetVenueTypeText(s));
    m_details.Line(dev, Tr("Corrente: ", "Running: "), g_Pesci.GetCurrentText(s));
    m_details.Line(dev, Tr("Tipo fondale: ", "Ground type: "), g_Pesci.GetBottomText(s));
    m_details.Line(dev, Tr("Tipo acqua: ", "Water type: "), g_Pesci.GetWaterClarityText(s));
    m_details.Line(dev, Tr("Profondit\xE0: ", "Depth: "), g_Pesci.GetDepthText(s));
    m_details.Line(dev, Tr("Regione: ", "Region: "), g_Pesci.GetRegionText(s));

    m_section.DrawTitled(dev, 50, 330, 350, 180, Tr("Consigli per la pesca", "Fishing tips"));
    m_details.Begin(55, 355, 335);
    m_details.Line(dev, Tr("Pastura: ", "Groundbait: "), g_Pesci.GetGroundbaitText(s));
    m_details.Line(dev, Tr("Esche: ", "Baits: "), g_Pesci.GetBaitsText(s));
    m_details.Line(dev, Tr("Amo minimo: ", "Minimum hook: "), g_Pesci.GetMinHookText(s));
    m_details.Line(dev, Tr("Amo massimo: ", "Maximum hook: "), g_Pesci.GetMaxHookText(s));
    m_details.Line(dev, Tr("Filo finale minimo: ", "Minimum line-hook: "), g_Pesci.GetMinLineHookText(s));
    m_details.Line(dev, Tr("Filo finale massimo: ", "Maximum line-hook: "), g_Pesci.GetMaxLineHookText(s));
    m_details.Line(dev, Tr("Tipo di abboccata: ", "Bite: "), g_Pesci.GetBiteText(s));

    m_section.DrawTitled(dev, 410, 330, 170, 220, Tr("Mesi migliori per la pesca", "Best months for fishing"));
    for (int m = 0; m < 12; ++m) {
        const int y = 357 + 15 * m;
        m_details.m_text.DrawAt(dev, CCalendario::GetMonthName(m), 415, y - 2);
        m_activity.Draw(dev, 520, y, g_Pesci.GetMonthActivity(s, m));
    }
    m_section.DrawTitled(dev, 590, 330, 170, 220, Tr("Orari migliori per la pesca", "Best times for fishing"));
    for (int k = 0; k < 5; ++k) {
        const int y = 357 + 15 * k;
        m_details.m_text.DrawAt(dev, CCalendario::GetPhaseName(k), 595, y - 2);
        m_activity.Draw(dev, 700, y, g_Pesci.GetPeriodActivity(s, k));
    }

    m_description.DrawTitled(dev, 460, 50, 300, 130, Tr("Descrizione", "Description"), g_Pesci.GetDescription(s));
    m_back.DrawCaption(dev, 150, 520, Tr("Indietro", "Back"));
}

void CMenuPesci::OnLostDevice()
{
    m_background.OnLostDevice();
    m_panel.OnLostDevice();
    m_section.OnLostDevice();
    m_details.OnLostDevice();
    m_description.OnLostDevice();
    m_activity.OnLostDevice();
    m_back.OnLostDevice();
}

void CMenuPesci::OnResetDevice(plat::Device* dev)
{
    m_background.OnResetDevice(dev);
    m_panel.OnResetDevice(dev);
    m_section.OnResetDevice(dev);
    m_details.OnResetDevice(dev);
    m_description.OnResetDevice(dev);
    m_activity.OnResetDevice(dev);
    m_back.OnResetDevice(dev);
}

void CMenuPesci::OnMouseDown()
{
    m_back.OnMouseDown();
    g_Pesci.List().OnMouseDown();
}

void CMenuPesci::OnMouseUp()
{
    if (m_back.OnMouseUp()) {
        ReturnFromScreen(false);
        return;
    }
    CListBox& list = g_Pesci.List();
    const int before = list.GetSelectedIndex();
    // A disabled row cannot be selected: the details stay on the species
    // shown before.
    if (list.OnMouseUp() == CListBox::kRows && list.GetSelectedIndex() >= 0 && list.GetSelectedIndex() != before) {
        m_species = list.GetSelectedId();
        g_Pesci.LoadPhoto(g_pDevice, unsigned(m_species));
    }
}

void CMenuPesci::OnWheelDown() { g_Pesci.List().ScrollDown(); }

void CMenuPesci::OnWheelUp() { g_Pesci.List().ScrollUp(); }
