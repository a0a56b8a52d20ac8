// The tackle box: loading, following the rig, and the eight pages. The rig
// view, the tool box, the dialogs and the questions are in
// MenuConfiguraRig.cpp.
#include "screens/MenuConfigura.h"

#include "screens/MenuBackground.h"
#include "shell/Globals.h"
#include "shell/Mouse.h"
#include "shell/ScreenSwitch.h"
#include "shell/Utility.h"
#include "simulation/tackle/CannaPesca.h"

#include <cstdio>
#include <string>

KARVELIN_GLOBAL(13) CMenuConfigura g_MenuConfigura;

namespace {

struct PageButton {
    int page; // -1: Back
    int y;
    const char* italian;
    const char* english;
};

const PageButton kPageButtons[CMenuConfigura::kMenuButtons] = {
    {CMenuConfigura::kPageRod, 70, "Canna", "Fishing rod"},
    {CMenuConfigura::kPageReel, 105, "Mulinello", "Reel"},
    {CMenuConfigura::kPageLine, 140, "Lenza", "Line"},
    {CMenuConfigura::kPageTerminal, 175, "Finale", "Line-hook"},
    {CMenuConfigura::kPageDropper1, 210, "Bracciolo (1)", "Line-hook (1)"},
    {CMenuConfigura::kPageDropper2, 245, "Bracciolo (2)", "Line-hook (2)"},
    {CMenuConfigura::kPageShots, 280, "Piombi", "Shots"},
    {CMenuConfigura::kPageFloat, 315, "Galleggiante", "Floating"},
    {-1, 520, "Indietro", "Back"},
};
constexpr int kButtonReel = 1, kButtonDropper1 = 4, kButtonDropper2 = 5, kButtonShots = 6;
constexpr int kPageButtonX = 235, kPageButtonWidth = 90;

// The line diameters offered, in hundredths of a millimetre.
constexpr int kDiameters[] = {6, 7, 8, 9, 10, 12, 14, 16, 18, 20, 22, 24, 25, 26, 28, 30, 35, 40, 45, 50, 60, 70, 80, 90};

struct Words {
    const char* italian;
    const char* english;
};

const Words kColourNames[CFilo::kColours] = {
    {"Neutro", "Neutral"}, {"Giallo", "Yellow"}, {"Verde chiaro", "Light Green"}, {"Verde scuro", "Dark Green"},
    {"Marrone", "Brown"},  {"Blu", "Blue"},      {"Nero", "Black"},              {"Viola", "Purple"},
    {"Verde flu.", "Fluorescent Green"},          {"Arancione", "Orange"},        {"Rosso", "Red"},
    {"Celeste", "Light Blue"},                    {"Rosa", "Pink"},
};

const Words kColourDescriptions[CFilo::kColours] = {
    {"Filo di colore neutro, ottimo in ogni occasione.", "Neutral colored line. It is excellent in every situation."},
    {"Filo ideale per la pesca in zone con fondali sabbiosi e di notte.",
     "Yellow colored line. It is very good for night fishing and sand ground type."},
    {"Filo ideale per la pesca in zone con fondali erbosi.",
     "Light green colored line. It is very good for grass ground type."},
    {"Filo ideale per la pesca in zone con fondali erbosi.",
     "Drak green colored line. It is very good for grass ground type."},
    {"Filo ideale per la pesca in zone con fondali fangosi.", "Brown colored line. It is very good for mud ground type."},
    {"Filo ideale per la pesca in zone con fondali rocciosi e in mare.",
     "Blue colored line. It is very good for sea fishing and stones ground type."},
    {"Filo ideale per la pesca in profondit\xE0.", "Black colored line. It is very good for depth fishing."},
    {"Filo ideale per la pesca in profondit\xE0.", "Purple colored line. It is very good for depth fishing."},
    {"Filo ideale per la pesca notturna.", "Fluorescent green colored line. It is very good for night fishing."},
    {"Filo ideale per la pesca in zone con fondali sabbiosi.", "Orange colored line. It is very good for sand ground type."},
    {"Filo ideale per la pesca in acque interne.", "Red colored line. It is excellent in lakes and rivers."},
    {"Filo ideale per la pesca in zone con fondali rocciosi e in mare.",
     "Light blue colored line. It is very good for sea fishing and stones ground type."},
    {"Filo ideale per la pesca in mare.", "Pink colored line. It is very good for sea fishing."},
};

const Words kWorkloadNames[CFilo::kKinds] = {
    {"Carico di rottura basso", "workload low"},
    {"Carico di rottura medio", "workload medium"},
    {"Carico di rottura alto", "workload high"},
    {"Acciaio", "steel"},
};

const Words kWorkloadDescriptions[CFilo::kKinds] = {
    {"Filo con carico di rottura basso, invisibile in acqua.\nValore di rottura: ",
     "Line with a small workload, invisible in water.\nWorkload: "},
    {"Filo con carico di rottura medio, poco visibile in acqua.\nValore di rottura: ",
     "Line with a medium workload, inconspicuous in water.\nWorkload: "},
    {"Filo con carico di rottura alto, abbastanza visibile in acqua.\nValore di rottura: ",
     "Line with a high workload, highly visible in water.\nWorkload: "},
    {"Filo in acciaio, per grosse prede.\nValore di rottura: ", "Steel line for big fishes.\nWorkload: "},
};

const char* Pick(const Words& w) { return Tr(w.italian, w.english); }

CCannaPesca& Rig() { return g_CannaPesca; }

void CreateTextBox(CTextBox& box, plat::Device* dev)
{
    box.Create(dev);
    box.m_style.m_frameH = 14;
    box.m_style.m_weight = 400;
    box.m_style.Create(dev);
}

void SetUpSpinner(CSpinner& s, plat::Device* dev, int min, int max, int step, bool wrap, int value)
{
    s.Create(dev);
    s.SetMin(min);
    s.SetMax(max);
    s.SetStep(step);
    s.m_wrap = wrap ? 1 : 0;
    s.SetLabelAbove();
    s.SetValue(value);
}

void FillDiameters(CListBox& list)
{
    for (int d : kDiameters) {
        char text[32];
        std::snprintf(text, sizeof text, "%d.%02d mm", d / 100, d % 100);
        list.AddItem(d, "", text, "");
    }
}

void FillWorkloads(CListBox& list, int kinds)
{
    for (int k = 0; k < kinds; ++k)
        list.AddItem(k, "", Pick(kWorkloadNames[k]), Pick(kWorkloadDescriptions[k]));
}

// The row the release landed on, when it is the row now selected: a click
// on a disabled row, an arrow or the bar changes nothing.
bool RowClicked(CListBox& list)
{
    if (list.OnMouseUp() != CListBox::kRows)
        return false;
    const int row = list.m_firstVisible + (g_pointer.y - list.m_offsetY - list.m_y - 25) / list.RowHeight();
    return row >= 0 && row == list.GetSelectedIndex();
}

// The selected type's description and the line's breaking load.
std::string LoadText(CListBox& types, const CFilo& material)
{
    const char* description = types.GetSelectedCol1();
    return std::string(description ? description : "") + material.FormatLoad();
}

} // namespace

bool IsTypableConfigurationName(const char* name)
{
    if (!name || !*name)
        return false;
    std::size_t n = 0;
    for (const char* p = name; *p; ++p, ++n) {
        const unsigned char c = static_cast<unsigned char>(*p);
        const bool ok = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
        if (!ok || n >= CTextBox::kMaxRestricted)
            return false;
    }
    return true;
}

CMenuConfigura::CMenuConfigura() : m_page(kPageRod), m_dialog(kNoDialog), m_addMode(0), m_removeMode(0) {}

const char* CMenuConfigura::PageCaption(int button)
{
    return Tr(kPageButtons[button].italian, kPageButtons[button].english);
}

int CMenuConfigura::PageButtonY(int button) { return kPageButtons[button].y; }

int CMenuConfigura::PageOfButton(int button) { return kPageButtons[button].page; }

// ---- loading -----------------------------------------------------------------

void CMenuConfigura::Load(plat::Device* dev)
{
    m_page = kPageRod;
    m_dialog = kNoDialog;
    m_addMode = 0;
    m_removeMode = 0;
    m_rigPanel.Create(dev);
    m_menuPanel.Create(dev);
    LoadScreenBackground(m_background, dev, kBitmapTackleBoxBackground);
    m_ruler.m_frameH = 13;
    m_ruler.Create(dev);
    m_backdrop.Reset(dev);
    m_backdrop.CreateFromResource(dev, kBitmapRigBackdrop, 140, 475);
    m_backdrop.m_anchorX = 0;
    m_backdrop.m_anchorY = 0;
    m_backdrop.m_alpha = 0.7f;
    m_backdrop.m_relative = 0;
    m_view = CRigView();
    m_view.SetLine(&Rig().m_lenza.m_length);
    m_view.m_x = m_background.m_offsetX + 170;
    m_view.m_top = m_background.m_offsetY + 80;

    for (CPulsante& b : m_pageButtons)
        b.Create(dev);
    m_tools.Create(dev);
    for (int hidden : {5, 6, 9, 10, 11, 12})
        m_tools.m_buttons[hidden].m_shown = 0;

    m_detailsPanel.Create(dev);
    m_smallPanel.Create(dev);
    m_details.m_frameH = 14;
    m_details.m_weight = 400;
    m_details.Create(dev);
    CreateTextBox(m_description, dev);
    CreateTextBox(m_loadText, dev);
    CreateTextBox(m_calibration, dev);
    CreateTextBox(m_totalWeight, dev);

    FillRodLists();
    SetUpSpinner(m_power, dev, 1, 3, 1, false, 1);
    SetUpSpinner(m_type, dev, 0, 3, 1, false, 0);
    SetUpSpinner(m_bell, dev, 0, 1, 1, true, 0);
    FillReelList();
    FillLineColours();
    FillTerminalLists();
    SetUpSpinner(m_terminalLink, dev, 0, 1, 1, false, 1);
    SetUpSpinner(m_hookFilter, dev, 0, 2, 1, false, 0);
    for (CSpinnerCollegamento& link : m_dropperLink)
        SetUpSpinner(link, dev, -1, 1, 1, false, -1);
    FillDropper1Hooks();
    FillDropper2Hooks();
    FillShotList();
    m_addShot.Create(dev);
    m_removeShot.Create(dev);
    FillFloatList();
    SetUpSpinner(m_stopper, dev, 0, 10000, 10, true, 1000);
    LoadDialogs(dev);
    m_ask.Create(dev);
}

void CMenuConfigura::FillRodLists()
{
    plat::Device* dev = g_pDevice;
    CConvUnita units;
    m_rodLengths.Create(dev);
    for (int length = 210; length <= 900; length += length < 300 ? 30 : 50) {
        const std::string text = std::string(units.FormatLengthM(float(length))) + (units.IsMetric() ? " mt" : " ft");
        m_rodLengths.AddItem(length, "", text.c_str(), text.c_str());
    }
    // By the length itself: as text, "11.48 ft" would come before "6.89 ft".
    m_rodLengths.Sort(CListBox::kById);

    m_rodModels.Create(dev);
    const CCanna& rod = Rig().m_canna;
    for (int i = 0; i < rod.GetCount(); ++i) {
        const CannaRecord& r = rod.GetRecord(i);
        m_rodModels.AddItem(i, r.id, r.name, r.description);
    }
}

void CMenuConfigura::FillReelList()
{
    m_reels.Create(g_pDevice);
    const CMulinello& reel = Rig().m_mulinello;
    for (int i = 0; i < reel.GetCount(); ++i) {
        const MulinelloRecord& r = reel.GetRecord(i);
        m_reels.AddItem(i, "", r.name, r.description);
    }
    m_reels.Sort(CListBox::kByCol0);
}

void CMenuConfigura::FillLineColours()
{
    plat::Device* dev = g_pDevice;
    m_lineColours.Create(dev);
    for (int c = 0; c < CFilo::kColours; ++c)
        m_lineColours.AddItem(c, "", Pick(kColourNames[c]), Pick(kColourDescriptions[c]));
    m_lineDiameters.Create(dev);
    FillDiameters(m_lineDiameters);
    m_lineTypes.Create(dev);
    FillWorkloads(m_lineTypes, 3);
}

void CMenuConfigura::FillTerminalLists()
{
    plat::Device* dev = g_pDevice;
    m_terminalDiameters.Create(dev);
    FillDiameters(m_terminalDiameters);
    m_terminalTypes.Create(dev);
    FillWorkloads(m_terminalTypes, CFilo::kKinds);
    m_terminalHooks.Create(dev);
    const CAmo& hooks = Rig().m_lenza.m_leader.m_hook;
    for (int i = 0; i < hooks.GetCount(); ++i) {
        const AmoRecord& r = hooks.GetRecord(i);
        m_terminalHooks.AddItem(i, r.id, CAmo::GetSizeText(r.size), r.description);
        char sortKey[160];
        std::snprintf(sortKey, sizeof sortKey, "%04d%s", r.size + 7, r.name);
        m_terminalHooks.SetColumn(i, 1, r.name);
        m_terminalHooks.SetColumn(i, 3, sortKey);
    }
    m_terminalHooks.m_showCol2 = 1;
    m_terminalHooks.m_col2X = 23;
    m_terminalHooks.Sort(CListBox::kByCol4);
    for (CListBox& list : m_dropperDiameters) {
        list.Create(dev);
        FillDiameters(list);
    }
    for (CListBox& list : m_dropperTypes) {
        list.Create(dev);
        FillWorkloads(list, CFilo::kKinds);
    }
}

void CMenuConfigura::FillDropperHooks(CListBox& list)
{
    list.Create(g_pDevice);
    const CAmo& hooks = Rig().m_lenza.m_leader.m_hook;
    for (int i = 0; i < hooks.GetCount(); ++i) {
        const AmoRecord& r = hooks.GetRecord(i);
        list.AddItem(i, "", CAmo::GetSizeText(r.size), r.description);
        char sortKey[16];
        std::snprintf(sortKey, sizeof sortKey, "%04d", r.size + 7);
        list.SetColumn(i, 1, r.name);
        list.SetColumn(i, 3, sortKey);
    }
    list.m_showCol2 = 1;
    list.m_col2X = 23;
    list.Sort(CListBox::kByCol4);
}

void CMenuConfigura::FillDropper1Hooks() { FillDropperHooks(m_dropperHooks[0]); }

void CMenuConfigura::FillDropper2Hooks() { FillDropperHooks(m_dropperHooks[1]); }

void CMenuConfigura::FillShotList()
{
    m_shots.Create(g_pDevice);
    const CPiombo& lead = Rig().m_piombo;
    for (int i = 0; i < lead.GetCount(); ++i) {
        const PiomboRecord& r = lead.m_records[std::size_t(i)];
        m_shots.AddItem(i, r.id, r.name, r.description);
        m_shots.SetColumn(i, 1, CPiombo::FormatWeight(r.weight));
        m_shots.SetColumn(i, 2, CPiombo::GetAttachmentText(r.attachment));
        char sortKey[32];
        std::snprintf(sortKey, sizeof sortKey, "%d%08d", r.attachment, r.weight);
        m_shots.SetColumn(i, 3, sortKey);
    }
    m_shots.m_showCol2 = m_shots.m_showCol3 = 1;
    m_shots.m_col2X = 180;
    m_shots.m_col3X = 270;
    m_shots.Sort(CListBox::kByCol4);
}

void CMenuConfigura::FillFloatList()
{
    m_floats.Create(g_pDevice);
    const CGalleggiante& floats = Rig().m_galleggiante;
    for (int i = 0; i < floats.GetCount(); ++i) {
        const GalleggianteRecord& r = floats.GetRecord(i);
        m_floats.AddItem(i, "", r.name, r.description);
        if (i == 0) {
            for (int c = 1; c <= 3; ++c)
                m_floats.SetColumn(i, c, " ");
            continue;
        }
        m_floats.SetColumn(i, 1, CGalleggiante::FormatWeight(r.weight));
        m_floats.SetColumn(i, 2, (std::string("[") + CGalleggiante::GetMountName(r.mount) + "]").c_str());
        char sortKey[16];
        std::snprintf(sortKey, sizeof sortKey, "%04d", r.weight);
        m_floats.SetColumn(i, 3, sortKey);
    }
    m_floats.m_showCol2 = m_floats.m_showCol3 = 1;
    m_floats.m_col2X = 180;
    m_floats.m_col3X = 270;
    // "No float" stays on top whatever the weights.
    m_floats.m_sortFirstRow = 0;
    m_floats.Sort(CListBox::kByCol4);
}

// ---- following the rig ---------------------------------------------------------

void CMenuConfigura::SelectLine(CListBox& list, int id)
{
    if (!list.SelectById(id, true))
        list.m_selected = -1;
}

void CMenuConfigura::SelectHook(CListBox& list, const CAmo& hook) { SelectLine(list, hook.m_selected); }

void CMenuConfigura::SyncFromRig()
{
    CCannaPesca& rig = Rig();
    CLenza& line = rig.m_lenza;
    ApplyLineLength();
    m_view.ResetViewOrigin();

    m_rodLengths.SetAllEnabled(1);
    SelectLine(m_rodLengths, int(rig.m_canna.GetLength()));
    FilterRodLengths();

    SelectLine(m_rodModels, rig.m_canna.m_selected);
    m_power.SetValue(rig.m_canna.m_current.stiffness);
    m_type.SetValue(rig.m_canna.m_current.type);
    m_bell.SetValue(rig.m_bell);

    SelectLine(m_reels, rig.m_mulinello.m_selected);
    SelectLine(m_lineColours, line.m_material.m_colour);
    SelectLine(m_lineDiameters, line.m_material.m_diameter);
    SelectLine(m_lineTypes, line.m_material.m_kind);

    m_terminalLink.SetValue(line.m_leader.m_swivel == 1 ? 1 : 0);
    SelectLine(m_terminalDiameters, line.m_leader.m_material.m_diameter);
    SelectLine(m_terminalTypes, line.m_leader.m_material.m_kind);
    // A filter left on from before may hide the rig's own hook: the list
    // would show none and the summary of a save name none.
    const ListItem* hookRow = m_terminalHooks.FindById(line.m_leader.m_hook.m_selected);
    if (hookRow && hookRow->enabled != 1) {
        m_hookFilter.SetValue(0);
        m_terminalHooks.SetAllEnabled(1);
    }
    SelectHook(m_terminalHooks, line.m_leader.m_hook);

    for (int i = 0; i < 2; ++i) {
        const CFinale& d = line.m_droppers[i];
        m_dropperLink[i].SetValue(d.m_inUse != 1 ? -1 : (d.m_swivel == 1 ? 1 : 0));
        SelectLine(m_dropperDiameters[i], d.m_material.m_diameter);
        SelectLine(m_dropperTypes[i], d.m_material.m_kind);
        SelectHook(m_dropperHooks[i], d.m_hook);
    }

    m_shots.m_selected = -1;
    SelectLine(m_floats, rig.m_galleggiante.m_selected);
    m_stopper.SetValue(rig.m_galleggiante.m_stopper);
    if (rig.m_galleggiante.m_current.mount == 1)
        m_stopper.Enable();
    else
        m_stopper.Disable();
    m_tools.m_pending = 0;
}

void CMenuConfigura::Activate()
{
    m_addMode = 0;
    m_removeMode = 0;
}

// ---- page operations -------------------------------------------------------------

void CMenuConfigura::FilterHookList()
{
    CAmo& hook = Rig().m_lenza.m_leader.m_hook;
    const int filter = m_hookFilter.GetValue();
    for (int i = 0; i < m_terminalHooks.GetCount(); ++i) {
        ListItem* row = m_terminalHooks.GetItem(i);
        const bool lure = hook.GetRecord(row->id).baitKind == kBaitKindSpinning;
        row->enabled = filter == 1 ? !lure : (filter == 2 ? lure : 1);
    }
    const bool lureInUse = hook.m_current.baitKind == kBaitKindSpinning;
    const char* replacement = nullptr;
    if (filter == 1 && lureInUse)
        replacement = "INTERNAL_0";
    else if (filter == 2 && !lureInUse)
        replacement = "INTERNAL_1";
    if (!replacement || !m_terminalHooks.SelectByKey(replacement, true))
        return;
    hook.Select(g_pDevice, m_terminalHooks.GetSelectedId());
    // The same consequences as choosing the hook by hand.
    Rig().m_piombo.Recalculate();
    SetModified();
}

void CMenuConfigura::FilterRodLengths()
{
    const CCanna& rod = Rig().m_canna;
    for (int i = 0; i < m_rodLengths.GetCount(); ++i) {
        ListItem* row = m_rodLengths.GetItem(i);
        row->enabled = row->id >= rod.GetMinLength() && row->id <= rod.GetMaxLength() ? 1 : 0;
    }
    const ListItem* selected = m_rodLengths.GetItem(m_rodLengths.GetSelectedIndex());
    if (selected && selected->enabled != 1)
        m_rodLengths.SelectById(rod.GetDefaultLength(), false);
    ApplyRodLength();
}

void CMenuConfigura::ApplyRodLength()
{
    if (m_rodLengths.GetSelectedIndex() >= 0)
        Rig().m_canna.SetLength(float(m_rodLengths.GetSelectedId()));
    ApplyLineLength();
    m_view.ResetViewOrigin();
}

void CMenuConfigura::ApplyLineLength()
{
    CCannaPesca& rig = Rig();
    const float length = rig.m_canna.m_current.type != kRodPole ? rig.m_canna.GetLength() : rig.m_lenza.m_length;
    rig.m_lenza.SetLength(length, true);
    rig.SetFloatPosition(float(rig.m_galleggiante.m_position));
}

void CMenuConfigura::UpdateReelButton()
{
    CPulsante& reel = m_pageButtons[kButtonReel];
    if (!Rig().m_canna.HasReel()) {
        reel.Enable(false);
        if (m_page == kPageReel)
            m_page = kPageRod;
    } else if (reel.m_state == CPulsante::kDisabled) {
        reel.Enable(true);
    }
}

void CMenuConfigura::UpdateDropperButtons()
{
    CLenza& line = Rig().m_lenza;
    const bool spinning = Rig().m_canna.m_current.type == kRodSpinning;
    for (int i = 0; i < 2; ++i) {
        CPulsante& button = m_pageButtons[i == 0 ? kButtonDropper1 : kButtonDropper2];
        if (spinning) {
            line.m_droppers[i].m_inUse = 0;
            m_dropperLink[i].SetValue(-1);
            button.Enable(false);
        } else if (button.m_state == CPulsante::kDisabled) {
            button.Enable(true);
        }
    }
}

// ---- drawing ------------------------------------------------------------------------

void CMenuConfigura::Render(plat::Device* dev)
{
    m_view.UpdateExtent();
    UpdateReelButton();
    UpdateDropperButtons();

    m_background.Draw(dev);
    m_rigPanel.DrawTitled(dev, 30, 15, 195, 550, Tr("Configurazione Lenza", "Tackle box"));
    RenderRigView(dev);

    m_menuPanel.DrawTitled(dev, 225, 15, 115, 550, "Menu");
    for (int i = 0; i < kMenuButtons; ++i) {
        CPulsante& b = m_pageButtons[i];
        b.m_toggled = kPageButtons[i].page == m_page ? 1 : 0;
        b.DrawCaptionW(dev, kPageButtonX, kPageButtons[i].y, kPageButtonWidth, PageCaption(i));
    }

    RenderDetailsBoxes(dev);
    RenderRodPage(dev);
    RenderReelPage(dev);
    RenderLinePage(dev);
    RenderTerminalPage(dev);
    RenderDropperPage(dev, 0);
    RenderDropperPage(dev, 1);
    RenderShotsPage(dev);
    RenderFloatPage(dev);

    if (m_dialog == kSaveDialog)
        RenderSaveDialog(dev);
    if (m_dialog == kLoadDialog)
        RenderLoadDialog(dev);
    m_ask.Draw(dev);
}

void CMenuConfigura::RenderDetailsBoxes(plat::Device* dev)
{
    int button = 0;
    while (button < kBackButton && kPageButtons[button].page != m_page)
        ++button;
    const std::string title = std::string(Tr("Dettagli ", "Details - ")) + PageCaption(button);
    if (m_page == kPageTerminal || m_page == kPageDropper1 || m_page == kPageDropper2) {
        m_detailsPanel.DrawTitled(dev, 340, 15, 430, 200, title.c_str());
        const std::string hook = std::string(Tr("Dettagli ", "Details - ")) + Tr("Amo", "Hook");
        m_detailsPanel.DrawTitled(dev, 340, 215, 430, 350, hook.c_str());
    } else {
        m_detailsPanel.DrawTitled(dev, 340, 15, 430, 550, title.c_str());
    }
}

void CMenuConfigura::RenderRodPage(plat::Device* dev)
{
    if (m_page != kPageRod)
        return;
    m_rodLengths.DrawTitled(dev, 350, 50, 180, 140, Tr("Lunghezza canna", "Length"));
    m_rodModels.DrawTitled(dev, 350, 190, 180, 120, Tr("Modello canna", "Model"));
    m_power.DrawLabelled(dev, 350, 323, 160, Tr("Rigidit\xE0 canna", "Power"));
    m_type.DrawLabelled(dev, 350, 360, 160, Tr("Tipo canna", "Type"));
    m_bell.DrawLabelled(dev, 350, 396, 160, Tr("Campanello", "Bell"));
    Rig().m_canna.m_photo.DrawAt(dev, 622, 60);
    m_description.DrawTitled(dev, 350, 425, 400, 130, Tr("Descrizione", "Description"),
                             Rig().m_canna.m_current.description);
}

void CMenuConfigura::RenderReelPage(plat::Device* dev)
{
    if (m_page != kPageReel)
        return;
    CMulinello& reel = Rig().m_mulinello;
    m_reels.DrawTitled(dev, 350, 50, 180, 120, Tr("Mulinelli disponibili", "Available reels"));
    m_smallPanel.DrawTitled(dev, 350, 180, 200, 140, Tr("Dettagli mulinello", "Details"));
    m_details.DrawJoined(dev, Tr("Recupero: ", "Gear ratio: "), reel.GetRatioText(), 355, 205);
    // The capacity and the line it is for may take two lines of the panel.
    m_details.DrawJoinedRect(dev, Tr("Capacit\xE0: ", "Spool capcity: "),
                             reel.GetCapacityText(Rig().m_lenza.m_material.m_diameter), 355, 220, 190, 30);
    reel.m_photo.DrawAt(dev, 610, 60);
    m_description.Draw(dev, 350, 330, 200, 225, reel.m_current.description);
}

void CMenuConfigura::RenderLinePage(plat::Device* dev)
{
    if (m_page != kPageLine)
        return;
    CLenza& line = Rig().m_lenza;
    m_lineColours.DrawTitled(dev, 350, 50, 180, 140, Tr("Colore lenza", "Line color"));
    const char* colour = m_lineColours.GetSelectedCol1();
    m_description.Draw(dev, 350, 200, 200, 80, colour ? colour : "");
    m_lineDiameters.DrawTitled(dev, 350, 295, 180, 120, Tr("Diametro corpo lenza", "Line-body diameter"));
    m_lineTypes.DrawTitled(dev, 350, 430, 200, 80, Tr("Tipo corpo lenza", "Line-body type"));
    // Just below the type list's frame, so the two do not overlap.
    m_loadText.Draw(dev, 350, 507, 200, 52, LoadText(m_lineTypes, line.m_material).c_str());
    line.m_photo.m_column = line.m_material.m_colour;
    line.m_photo.DrawAt(dev, 610, 60);
}

void CMenuConfigura::RenderHookDetails(plat::Device* dev, CAmo& hook, int panelY)
{
    hook.m_photo.DrawAt(dev, 610, 245);
    m_description.DrawTitled(dev, 570, 370, 180, 185, Tr("Descrizione", "Description"), hook.m_current.description);
    m_smallPanel.DrawTitled(dev, 350, panelY, 200, 155, Tr("Dettagli amo", "Details"));
    const std::pair<const char*, const char*> lines[] = {
        {Tr("Filo: ", "Metal: "), hook.GetWireText()},
        {Tr("Gambo: ", "Shank: "), hook.GetShankText()},
        {Tr("Curva: ", "Bend: "), hook.GetBendText()},
        {Tr("Punta: ", "Point: "), hook.GetPointText()},
        {Tr("Ardiglione: ", "Barb: "), hook.GetBarbText()},
        {Tr("Colore: ", "Color: "), hook.GetColourText()},
        {Tr("Misura: ", "Size: "), CAmo::GetSizeText(hook.m_current.size)},
        {Tr("Esca ideale: ", "Ideal bait: "), hook.GetBaitText()},
    };
    int y = panelY + 25;
    for (const auto& [label, value] : lines) {
        m_details.DrawJoinedRect(dev, label, value, 355, y, 190, 15);
        y += 15;
    }
}

void CMenuConfigura::RenderTerminalPage(plat::Device* dev)
{
    if (m_page != kPageTerminal)
        return;
    CFinale& leader = Rig().m_lenza.m_leader;
    m_terminalLink.DrawLabelled(dev, 350, 55, 160, Tr("Collegamento corpo-finale", "Link"));
    m_terminalDiameters.DrawTitled(dev, 350, 85, 180, 120, Tr("Diametro finale lenza", "Line-hook diameter"));
    m_terminalTypes.DrawTitled(dev, 570, 85, 180, 80, Tr("Tipo finale lenza", "Line-hook type"));
    m_loadText.Draw(dev, 570, 162, 180, 52, LoadText(m_terminalTypes, leader.m_material).c_str());
    m_hookFilter.DrawLabelled(dev, 350, 250, 160, Tr("Filtra ami per esca", "Filter"));
    m_terminalHooks.DrawTitled(dev, 350, 275, 180, 120, Tr("Ami disponibili", "Available hooks"));
    RenderHookDetails(dev, leader.m_hook, 400);
}

void CMenuConfigura::RenderDropperPage(plat::Device* dev, int index)
{
    if (m_page != (index == 0 ? kPageDropper1 : kPageDropper2))
        return;
    CFinale& dropper = Rig().m_lenza.m_droppers[index];
    m_dropperLink[index].DrawLabelled(dev, 350, 55, 160, Tr("Collegamento corpo-finale", "Link"));
    if (dropper.m_inUse != 1)
        return;
    m_dropperDiameters[index].DrawTitled(dev, 350, 85, 180, 120, Tr("Diametro finale lenza", "Line-hook diameter"));
    m_dropperTypes[index].DrawTitled(dev, 570, 85, 180, 80, Tr("Tipo finale lenza", "Line-hook type"));
    m_loadText.Draw(dev, 570, 162, 180, 52, LoadText(m_dropperTypes[index], dropper.m_material).c_str());
    m_dropperHooks[index].DrawTitled(dev, 350, 245, 180, 150, Tr("Ami disponibili", "Available hooks"));
    RenderHookDetails(dev, dropper.m_hook, 400);
}

void CMenuConfigura::RenderShotsPage(plat::Device* dev)
{
    if (m_page != kPageShots)
        return;
    CPiombo& lead = Rig().m_piombo;
    m_shots.DrawTitled(dev, 350, 50, 370, 170, Tr("Piombini disponibili", "Shots"));
    m_addShot.DrawIcon11(dev, 350, 215);
    m_removeShot.DrawIcon10(dev, 380, 215);
    const PiomboRecord& shown = lead.m_detail;
    m_smallPanel.DrawTitled(dev, 350, 250, 200, 90, Tr("Dettagli piombo", "Details"));
    if (shown.kind != -1) {
        m_details.DrawJoined(dev, Tr("Peso: ", "Weight: "), CPiombo::FormatWeight(shown.weight), 355, 275);
        m_details.DrawJoined(dev, Tr("Tipo: ", "Type: "), CPiombo::GetAttachmentText(shown.attachment), 355, 290);
        m_details.DrawJoined(dev, Tr("Attacco: ", "Link: "), CPiombo::GetReferenceText(shown.attachment), 355, 305);
        lead.m_photo.DrawAt(dev, 610, 250);
    }
    m_description.Draw(dev, 350, 345, 200, 210, shown.kind != -1 ? shown.description : "");
    if (lead.m_balanced)
        m_calibration.m_style.SetColour(1.0f, 1.0f, 1.0f);
    else
        m_calibration.m_style.SetColour(1.0f, 0.2f, 0.1f);
    m_calibration.DrawTitled(dev, 590, 380, 150, 100, Tr("Calibratura", "Calibration"), lead.GetUsageText());
    const std::string total = std::string(Tr("Peso totale: ", "Total weight: ")) + lead.GetTotalWeightText();
    m_totalWeight.DrawTitled(dev, 590, 490, 150, 60, total.c_str(), lead.GetWeightClassText());
}

void CMenuConfigura::RenderFloatPage(plat::Device* dev)
{
    if (m_page != kPageFloat)
        return;
    CGalleggiante& fl = Rig().m_galleggiante;
    m_floats.DrawTitled(dev, 350, 50, 370, 120, Tr("Galleggianti disponibili", "Floatings"));
    const std::string label = std::string("Stopper (") + (CConvUnita().IsMetric() ? "cm" : "ft") + ")";
    m_stopper.DrawLabelled(dev, 350, 300, 155, label.c_str());
    m_smallPanel.DrawTitled(dev, 350, 180, 200, 100, Tr("Dettagli galleggiante", "Details"));
    if (fl.HasFloat()) {
        m_details.DrawJoined(dev, Tr("Peso: ", "Weight: "), CGalleggiante::FormatWeight(fl.m_current.weight), 355, 205);
        m_details.DrawJoinedRect(dev, Tr("Tipo: ", "Type: "), CGalleggiante::GetMountName(fl.m_current.mount), 355,
                                 220, 180, 30);
        m_details.DrawJoinedRect(dev, Tr("Corrente: ", "Running: "), fl.GetSuitabilityText(), 355, 235, 180, 30);
        fl.m_photo.DrawAt(dev, 630, 180);
    }
    m_description.Draw(dev, 350, 335, 200, 220, fl.m_current.description);
}

void CMenuConfigura::OnLostDevice()
{
    m_background.OnLostDevice();
    m_rigPanel.OnLostDevice();
    m_menuPanel.OnLostDevice();
    m_ruler.OnLostDevice();
    m_backdrop.OnLostDevice();
    for (CPulsante& b : m_pageButtons)
        b.OnLostDevice();
    m_tools.OnLostDevice();
    m_detailsPanel.OnLostDevice();
    m_smallPanel.OnLostDevice();
    m_details.OnLostDevice();
    for (CTextBox* box : {&m_description, &m_loadText, &m_calibration, &m_totalWeight, &m_nameBox, &m_descriptionBox})
        box->OnLostDevice();
    for (CListBox* list : {&m_rodLengths, &m_rodModels, &m_reels, &m_lineColours, &m_lineDiameters, &m_lineTypes,
                           &m_terminalDiameters, &m_terminalTypes, &m_terminalHooks, &m_dropperDiameters[0],
                           &m_dropperDiameters[1], &m_dropperTypes[0], &m_dropperTypes[1], &m_dropperHooks[0],
                           &m_dropperHooks[1], &m_shots, &m_floats, &m_configurations})
        list->OnLostDevice();
    for (CSpinner* s : {static_cast<CSpinner*>(&m_power), static_cast<CSpinner*>(&m_type),
                        static_cast<CSpinner*>(&m_bell), static_cast<CSpinner*>(&m_terminalLink),
                        static_cast<CSpinner*>(&m_hookFilter), static_cast<CSpinner*>(&m_dropperLink[0]),
                        static_cast<CSpinner*>(&m_dropperLink[1]), static_cast<CSpinner*>(&m_stopper)})
        s->OnLostDevice();
    for (CPulsante* b : {&m_addShot, &m_removeShot, &m_ok, &m_cancel, &m_delete})
        b->OnLostDevice();
    m_dialogPanel.OnLostDevice();
    m_ask.OnLostDevice();
}

void CMenuConfigura::OnResetDevice(plat::Device* dev)
{
    m_background.OnResetDevice(dev);
    m_rigPanel.OnResetDevice(dev);
    m_menuPanel.OnResetDevice(dev);
    m_ruler.OnResetDevice(dev);
    m_backdrop.OnResetDevice(dev);
    for (CPulsante& b : m_pageButtons)
        b.OnResetDevice(dev);
    m_tools.OnResetDevice(dev);
    m_detailsPanel.OnResetDevice(dev);
    m_smallPanel.OnResetDevice(dev);
    m_details.OnResetDevice(dev);
    for (CTextBox* box : {&m_description, &m_loadText, &m_calibration, &m_totalWeight, &m_nameBox, &m_descriptionBox})
        box->OnResetDevice(dev);
    for (CListBox* list : {&m_rodLengths, &m_rodModels, &m_reels, &m_lineColours, &m_lineDiameters, &m_lineTypes,
                           &m_terminalDiameters, &m_terminalTypes, &m_terminalHooks, &m_dropperDiameters[0],
                           &m_dropperDiameters[1], &m_dropperTypes[0], &m_dropperTypes[1], &m_dropperHooks[0],
                           &m_dropperHooks[1], &m_shots, &m_floats, &m_configurations})
        list->OnResetDevice(dev);
    for (CSpinner* s : {static_cast<CSpinner*>(&m_power), static_cast<CSpinner*>(&m_type),
                        static_cast<CSpinner*>(&m_bell), static_cast<CSpinner*>(&m_terminalLink),
                        static_cast<CSpinner*>(&m_hookFilter), static_cast<CSpinner*>(&m_dropperLink[0]),
                        static_cast<CSpinner*>(&m_dropperLink[1]), static_cast<CSpinner*>(&m_stopper)})
        s->OnResetDevice(dev);
    for (CPulsante* b : {&m_addShot, &m_removeShot, &m_ok, &m_cancel, &m_delete})
        b->OnResetDevice(dev);
    m_dialogPanel.OnResetDevice(dev);
    m_ask.OnResetDevice(dev);
}

// ---- input on the pages -----------------------------------------------------------

void CMenuConfigura::PressPages()
{
    for (CPulsante& b : m_pageButtons)
        b.OnMouseDown();
    switch (m_page) {
    case kPageRod:
        m_rodLengths.OnMouseDown();
        m_rodModels.OnMouseDown();
        m_power.OnMouseDown();
        m_type.OnMouseDown();
        m_bell.OnMouseDown();
        break;
    case kPageReel: m_reels.OnMouseDown(); break;
    case kPageLine:
        m_lineColours.OnMouseDown();
        m_lineDiameters.OnMouseDown();
        m_lineTypes.OnMouseDown();
        break;
    case kPageTerminal:
        m_terminalHooks.OnMouseDown();
        m_terminalLink.OnMouseDown();
        m_hookFilter.OnMouseDown();
        m_terminalDiameters.OnMouseDown();
        m_terminalTypes.OnMouseDown();
        break;
    case kPageDropper1:
    case kPageDropper2: {
        const int i = m_page == kPageDropper1 ? 0 : 1;
        m_dropperLink[i].OnMouseDown();
        if (Rig().m_lenza.m_droppers[i].m_inUse == 1) {
            m_dropperDiameters[i].OnMouseDown();
            m_dropperTypes[i].OnMouseDown();
            m_dropperHooks[i].OnMouseDown();
        }
        break;
    }
    case kPageShots: m_shots.OnMouseDown(); break;
    case kPageFloat:
        m_floats.OnMouseDown();
        m_stopper.OnMouseDown();
        break;
    default: break;
    }
    // A mode button arms one add or removal by the next press in the rig
    // view; any other press ends a mode armed before, so one press of a
    // mode button never places or removes more than one shot.
    const bool add = m_page == kPageShots && m_addShot.OnMouseDown();
    const bool remove = m_page == kPageShots && m_removeShot.OnMouseDown();
    if (add && m_shots.GetCount() > 0 && m_shots.GetSelectedIndex() >= 0) {
        CPiombo& lead = Rig().m_piombo;
        int id = m_shots.GetSelectedId();
        id = id < 0 ? 0 : (id >= lead.GetCount() ? lead.GetCount() - 1 : id);
        lead.SelectShotInfo(g_pDevice, lead.m_records[std::size_t(id)]);
        m_addMode = 1;
        g_Mouse.SetCursorMode(2);
    } else {
        m_addMode = 0;
    }
    if (remove) {
        m_removeMode = 1;
        g_Mouse.SetCursorMode(3);
    } else {
        m_removeMode = 0;
    }
}

void CMenuConfigura::ReleasePages()
{
    ReleaseRodPage();
    ReleaseReelPage();
    ReleaseLinePage();
    ReleaseTerminalPage();
    ReleaseDropperPage(0);
    ReleaseDropperPage(1);
    ReleaseShotsPage();
    ReleaseFloatPage();
}

void CMenuConfigura::HandlePageMenu()
{
    for (int i = 0; i < kMenuButtons; ++i) {
        if (!m_pageButtons[i].OnMouseUp())
            continue;
        if (i == kBackButton) {
            if (IsModified())
                Ask("Configurazione modificata. Uscire senza salvare?",
                    "The configuration is changed. Exit without saving?", kAskLeave);
            else
                ReturnFromScreen(false);
            continue;
        }
        m_page = kPageButtons[i].page;
        if (i == kButtonShots) {
            m_addMode = 0;
            m_removeMode = 0;
        }
    }
}

void CMenuConfigura::ReleaseRodPage()
{
    if (m_page != kPageRod)
        return;
    CCanna& rod = Rig().m_canna;
    if (RowClicked(m_rodLengths)) {
        ApplyRodLength();
        SetModified();
    }
    if (RowClicked(m_rodModels)) {
        rod.Select(g_pDevice, m_rodModels.GetSelectedId());
        m_power.SetValue(rod.m_current.stiffness);
        m_type.SetValue(rod.m_current.type);
        ApplyLineLength();
        m_view.ResetViewOrigin();
        FilterRodLengths();
        UpdateDropperButtons();
        SetModified();
    }
    if (m_power.OnMouseUp()) {
        rod.SetStiffness(m_power.GetValue());
        SetModified();
    }
    if (m_type.OnMouseUp()) {
        rod.SetType(m_type.GetValue());
        ApplyLineLength();
        m_view.ResetViewOrigin();
        FilterRodLengths();
        UpdateDropperButtons();
        SetModified();
    }
    if (m_bell.OnMouseUp()) {
        Rig().m_bell = m_bell.GetValue();
        SetModified();
    }
}

void CMenuConfigura::ReleaseReelPage()
{
    if (m_page != kPageReel)
        return;
    if (RowClicked(m_reels)) {
        Rig().m_mulinello.Select(g_pDevice, m_reels.GetSelectedId());
        SetModified();
    }
}

void CMenuConfigura::ReleaseLinePage()
{
    if (m_page != kPageLine)
        return;
    CLenza& line = Rig().m_lenza;
    if (RowClicked(m_lineColours)) {
        line.m_material.m_colour = m_lineColours.GetSelectedId();
        line.m_leader.m_material.m_colour = line.m_material.m_colour;
        line.UpdateColour(true, 2);
        Rig().m_mulinello.LoadSpoolTexture(g_pDevice);
        SetModified();
    }
    if (RowClicked(m_lineDiameters)) {
        line.m_material.SetDiameter(m_lineDiameters.GetSelectedId());
        Rig().m_mulinello.ComputeCapacity(line.m_material.m_diameter);
        SetModified();
    }
    if (RowClicked(m_lineTypes)) {
        line.m_material.m_kind = m_lineTypes.GetSelectedId();
        SetModified();
    }
}

void CMenuConfigura::ReleaseTerminalPage()
{
    if (m_page != kPageTerminal)
        return;
    CFinale& leader = Rig().m_lenza.m_leader;
    if (m_terminalLink.OnMouseUp()) {
        leader.m_swivel = m_terminalLink.GetValue() == 1 ? 1 : 0;
        SetModified();
    }
    if (RowClicked(m_terminalDiameters)) {
        leader.m_material.SetDiameter(m_terminalDiameters.GetSelectedId());
        SetModified();
    }
    if (RowClicked(m_terminalTypes)) {
        leader.m_material.m_kind = m_terminalTypes.GetSelectedId();
        SetModified();
    }
    if (m_hookFilter.OnMouseUp())
        FilterHookList();
    if (RowClicked(m_terminalHooks)) {
        leader.m_hook.Select(g_pDevice, m_terminalHooks.GetSelectedId());
        Rig().m_piombo.Recalculate();
        SetModified();
    }
}

void CMenuConfigura::ReleaseDropperPage(int index)
{
    if (m_page != (index == 0 ? kPageDropper1 : kPageDropper2))
        return;
    CFinale& dropper = Rig().m_lenza.m_droppers[index];
    if (m_dropperLink[index].OnMouseUp()) {
        const int link = m_dropperLink[index].GetValue();
        dropper.m_inUse = link == -1 ? 0 : 1;
        if (link != -1)
            dropper.m_swivel = link == 1 ? 1 : 0;
        SetModified();
    }
    if (dropper.m_inUse != 1)
        return;
    if (RowClicked(m_dropperDiameters[index])) {
        dropper.m_material.SetDiameter(m_dropperDiameters[index].GetSelectedId());
        SetModified();
    }
    if (RowClicked(m_dropperTypes[index])) {
        dropper.m_material.m_kind = m_dropperTypes[index].GetSelectedId();
        SetModified();
    }
    if (RowClicked(m_dropperHooks[index])) {
        dropper.m_hook.Select(g_pDevice, m_dropperHooks[index].GetSelectedId());
        SetModified();
    }
}

void CMenuConfigura::ReleaseShotsPage()
{
    if (m_page != kPageShots)
        return;
    m_addShot.OnMouseUp();
    m_removeShot.OnMouseUp();
    if (RowClicked(m_shots)) {
        // Only the details follow: the rig keeps its shots.
        CPiombo& lead = Rig().m_piombo;
        int id = m_shots.GetSelectedId();
        id = id < 0 ? 0 : (id >= lead.GetCount() ? lead.GetCount() - 1 : id);
        if (id >= 0)
            lead.SelectShotInfo(g_pDevice, lead.m_records[std::size_t(id)]);
    }
}

void CMenuConfigura::ReleaseFloatPage()
{
    if (m_page != kPageFloat)
        return;
    CGalleggiante& fl = Rig().m_galleggiante;
    if (RowClicked(m_floats)) {
        fl.Select(g_pDevice, m_floats.GetSelectedId());
        if (fl.m_current.mount != 0)
            m_stopper.Enable();
        else
            m_stopper.Disable();
        SetModified();
    }
    if (m_stopper.OnMouseUp()) {
        const int v = m_stopper.GetValue();
        fl.m_stopper = v < 0 ? 0 : (v > 10000 ? 10000 : v);
        SetModified();
    }
    Rig().SetFloatPosition(float(fl.m_position));
    m_stopper.SetValue(fl.m_stopper);
}

void CMenuConfigura::ScrollPageLists(bool down)
{
    auto scroll = [down](CListBox& list) {
        if (down)
            list.ScrollDown();
        else
            list.ScrollUp();
    };
    switch (m_page) {
    case kPageRod:
        scroll(m_rodLengths);
        scroll(m_rodModels);
        break;
    case kPageReel: scroll(m_reels); break;
    case kPageLine:
        scroll(m_lineColours);
        scroll(m_lineDiameters);
        scroll(m_lineTypes);
        break;
    case kPageTerminal:
        scroll(m_terminalDiameters);
        scroll(m_terminalTypes);
        scroll(m_terminalHooks);
        break;
    case kPageDropper1:
    case kPageDropper2: {
        const int i = m_page == kPageDropper1 ? 0 : 1;
        if (Rig().m_lenza.m_droppers[i].m_inUse == 1) {
            scroll(m_dropperDiameters[i]);
            scroll(m_dropperTypes[i]);
            scroll(m_dropperHooks[i]);
        }
        break;
    }
    case kPageShots: scroll(m_shots); break;
    case kPageFloat: scroll(m_floats); break;
    default: break;
    }
}
