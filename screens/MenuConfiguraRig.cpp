// The tackle box: the rig view with its ruler and tool box, the mouse and
// the wheel, the save and load dialogs, the questions and the rig summary.
#include "screens/MenuConfigura.h"

#include "shell/GestFile.h"
#include "shell/Mouse.h"
#include "shell/ScreenSwitch.h"
#include "shell/Utility.h"
#include "simulation/tackle/CannaPesca.h"

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

CCannaPesca& Rig() { return g_CannaPesca; }

const char* ConfigurationsFolder() { return g_GestFile.GetDataSubfolder(CGestFile::D_LENZE); }

} // namespace

int CMenuConfigura::ToolX(int tool) const
{
    int x = 31;
    for (int i = 0; i < tool; ++i)
        if (m_tools.m_buttons[i].m_shown)
            x += 20;
    return x;
}

// ---- the rig view ----------------------------------------------------------------

void CMenuConfigura::RenderRigView(plat::Device* dev)
{
    m_backdrop.DrawAt(dev, m_view.m_x - 110, m_view.m_top - 10);

    const CConvUnita units;
    const char* unit = units.IsMetric() ? "cm " : "ft ";
    const int half = m_ruler.m_frameH / 2;
    m_ruler.SetColour(1.0f, 1.0f, 1.0f);
    // The label that follows the pointer takes the place of a ruler label
    // it would be drawn over.
    const bool pointed = m_rigPanel.IsMouseOver() && m_view.IsInRigView(m_view.GetLineAtMouse(g_pointer.y));
    const int pointedOffset = g_pointer.y - m_view.m_top;
    for (int offset = 0; offset <= CRigView::kHeight; offset += 50) {
        if (!m_view.IsLabelShown(offset))
            continue;
        if (pointed && std::abs(offset - pointedOffset) < m_ruler.m_frameH)
            continue;
        m_ruler.DrawJoined(dev, unit, units.FormatLengthCm(float(m_view.GetRulerValue(offset))), 65,
                           offset + 80 - half);
    }
    if (pointed) {
        m_ruler.SetColour(1.0f, 0.8f, 0.3f);
        m_ruler.DrawJoined(dev, unit, units.FormatLengthCm(float(m_view.GetRulerValue(pointedOffset))), 65,
                           pointedOffset + 80 - half);
    }

    CCannaPesca& rig = Rig();
    rig.m_lenza.DrawRigView(dev, m_view.m_x, m_view);
    rig.m_galleggiante.DrawRigView(dev, m_view.m_x, m_view);
    rig.m_piombo.DrawRigView(dev, m_view.m_x, m_view);
    m_tools.Draw(dev, 31, ToolY());
}

void CMenuConfigura::PressRigView()
{
    CCannaPesca& rig = Rig();
    m_tools.OnMouseDown();
    int shotsBefore = 0;
    for (int i = 0; i < kShotSlots; ++i)
        shotsBefore += rig.m_piombo.IsOccupied(i) ? 1 : 0;
    if (rig.m_piombo.HitTest(m_removeMode == 1)) {
        int shotsAfter = 0;
        for (int i = 0; i < kShotSlots; ++i)
            shotsAfter += rig.m_piombo.IsOccupied(i) ? 1 : 0;
        if (shotsAfter < shotsBefore)
            SetModified();
        else if (rig.m_piombo.m_detail.kind != -1)
            m_shots.SelectByKey(rig.m_piombo.m_detail.id, false);
    } else if (!(rig.m_galleggiante.HasFloat() && rig.m_galleggiante.OnMouseDown())) {
        rig.m_lenza.HitTest();
    }
    if (m_rigPanel.IsMouseOver() && m_addMode == 1) {
        const int at = m_view.GetLineAtMouse(g_pointer.y);
        if (m_view.IsInRigView(at)) {
            rig.m_piombo.AddShot(m_shots.GetSelectedId(), at, 0, true);
            SetModified();
        }
    }
}

void CMenuConfigura::OnMouseDown()
{
    g_Mouse.SetCursorMode(0);
    if (m_ask.IsShown()) {
        m_ask.OnMouseDown();
        return;
    }
    if (m_dialog != kNoDialog) {
        if (m_dialog == kLoadDialog) {
            m_configurations.OnMouseDown();
            m_delete.OnMouseDown();
        }
        m_ok.OnMouseDown();
        m_cancel.OnMouseDown();
        return;
    }
    PressRigView();
    PressPages();
}

void CMenuConfigura::OnMouseUp()
{
    if (m_ask.IsShown()) {
        if (m_ask.OnMouseUp())
            HandleAnswer();
        return;
    }
    if (m_dialog != kNoDialog) {
        HandleDialog();
        return;
    }
    HandleTools();
    HandlePageMenu();
    ReleasePages();
}

void CMenuConfigura::OnMouseMove()
{
    if (m_ask.IsShown() || m_dialog != kNoDialog)
        return;
    CCannaPesca& rig = Rig();
    if (rig.m_galleggiante.HasFloat() && rig.m_galleggiante.UpdatePress()) {
        rig.SetFloatPosition(float(m_view.GetLineAtMouse(g_pointer.y) + 45));
        SetModified();
    }
    if (rig.m_piombo.UpdatePress(m_view, g_pointer.y))
        SetModified();
    if (rig.m_lenza.UpdatePress(m_view, g_pointer.y)) {
        ApplyLineLength();
        SetModified();
    }
}

void CMenuConfigura::OnWheelDown() { Wheel(true); }

void CMenuConfigura::OnWheelUp() { Wheel(false); }

// The rig view scrolls under the pointer whatever is open; then the load
// dialog's list, or the current page's lists.
void CMenuConfigura::Wheel(bool down)
{
    if (m_rigPanel.IsMouseOver()) {
        if (down)
            m_view.ScrollDown();
        else
            m_view.ScrollUp();
    }
    if (m_ask.IsShown())
        return;
    if (m_dialog != kNoDialog) {
        if (m_dialog == kLoadDialog && down)
            m_configurations.ScrollDown();
        else if (m_dialog == kLoadDialog)
            m_configurations.ScrollUp();
        return;
    }
    ScrollPageLists(down);
}

void CMenuConfigura::OnChar(unsigned char ch)
{
    if (m_ask.IsShown() || m_dialog != kSaveDialog)
        return;
    m_nameBox.OnChar(ch);
    m_descriptionBox.OnChar(ch);
}

// ---- the tool box ----------------------------------------------------------------

void CMenuConfigura::HandleTools()
{
    CPulsante* b = m_tools.m_buttons;
    if (b[kToolNew].OnMouseUp()) {
        if (IsModified()) {
            Ask("Attenzione, la configurazione attuale \xE8 stata modificata. Continuare?",
                "The current configuration has been modified. Continue?", kAskNewRig);
        } else {
            Rig().Reset(g_pDevice);
            SyncFromRig();
        }
    }
    if (b[kToolLoad].OnMouseUp()) {
        if (IsModified())
            Ask("Attenzione, la configurazione attuale \xE8 stata modificata. Continuare?",
                "The current configuration has been modified. Continue?", kAskLoad);
        else
            OpenLoadDialog();
    }
    if (m_tools.OnToggleMouseUp()) {
        m_dialog = kSaveDialog;
        m_nameBox.SetText(Rig().m_name);
        m_nameBox.m_editable = 1;
        m_descriptionBox.SetText(GetRigSummary());
        m_descriptionBox.m_editable = 0;
    }
    if (b[kToolScrollUp].OnMouseUp())
        m_view.ScrollUp();
    if (b[kToolScrollDown].OnMouseUp())
        m_view.ScrollDown();
    if (b[kToolZoomIn].OnMouseUp())
        m_view.ZoomIn();
    if (b[kToolZoomOut].OnMouseUp())
        m_view.ZoomOut();
    if (b[kToolRuler].OnMouseUp())
        m_view.m_fromHook = m_view.m_fromHook == 1 ? 0 : 1;
}

// ---- dialogs ---------------------------------------------------------------------

void CMenuConfigura::LoadDialogs(plat::Device* dev)
{
    m_dialogPanel.Create(dev);
    m_dialogPanel.m_alpha = 1.0f;
    m_nameBox.Create(dev);
    m_nameBox.SetRestricted(1);
    m_nameBox.m_editable = 1;
    m_descriptionBox.Create(dev);
    m_descriptionBox.m_style.m_weight = 400;
    m_descriptionBox.m_style.m_frameH = 14;
    m_descriptionBox.m_style.Create(dev);
    m_descriptionBox.m_maxLength = 512;
    m_descriptionBox.m_editable = 1;
    m_configurations.Create(dev);
    m_configurations.Clear();
    m_ok.Create(dev);
    m_ok.m_caption.m_format = plat::kTextCentre;
    m_cancel.Create(dev);
    m_cancel.m_caption.m_format = plat::kTextCentre;
    m_delete.Create(dev);
}

void CMenuConfigura::RenderSaveDialog(plat::Device* dev)
{
    m_dialogPanel.DrawTitled(dev, 170, 160, 460, 280, Tr("Salva configurazione lenza", "Save configuration"));
    m_nameBox.DrawEditTitled(dev, 200, 205, 320, 50, Tr("Nome configurazione", "Configuration name"));
    m_descriptionBox.DrawEditTitled(dev, 200, 280, 400, 110, Tr("Descrizione", "Description"));
    m_ok.DrawCaption(dev, 260, 400, "OK");
    m_cancel.DrawCaption(dev, 410, 400, Tr("Annulla", "Cancel"));
}

void CMenuConfigura::RenderLoadDialog(plat::Device* dev)
{
    m_dialogPanel.DrawTitled(dev, 170, 130, 460, 310, Tr("Carica configurazione lenza", "Load configuration"));
    m_configurations.DrawTitled(dev, 290, 165, 200, 110, Tr("Nome configurazione", "Configuration name"));
    const char* description = m_configurations.GetSelectedCol1();
    m_descriptionBox.DrawTitled(dev, 200, 280, 400, 110, Tr("Descrizione", "Description"),
                                description ? description : "");
    m_ok.DrawCaption(dev, 260, 400, "OK");
    m_cancel.DrawCaption(dev, 410, 400, Tr("Annulla", "Cancel"));
    m_delete.DrawIcon10(dev, 520, 205);
}

void CMenuConfigura::OpenLoadDialog()
{
    m_dialog = kLoadDialog;
    Rig().ListConfigurations(m_configurations, ConfigurationsFolder());
    m_descriptionBox.m_editable = 0;
}

void CMenuConfigura::HandleDialog()
{
    if (m_dialog == kSaveDialog) {
        if (m_nameBox.IsMouseOver()) {
            m_nameBox.m_editable = 1;
            m_descriptionBox.m_editable = 0;
        } else if (m_descriptionBox.IsMouseOver()) {
            m_nameBox.m_editable = 0;
            m_descriptionBox.m_editable = 1;
        }
        if (m_ok.OnMouseUp()) {
            const char* name = m_nameBox.GetText();
            if (!*name)
                return;
            // A name the box itself would not take (a first run's name, or
            // one set outside the game) would make a file the game cannot
            // name again: nothing is written.
            if (!IsTypableConfigurationName(name)) {
                Notify("Il nome pu\xF2 contenere solo lettere, cifre e \"_\" (al massimo 128).",
                       "The name may only hold letters, digits and \"_\" (at most 128).");
                return;
            }
            if (g_GestFile.FileExistsWithExt(ConfigurationsFolder(), name, "kvz"))
                Ask("Una configurazione con questo nome esiste gia'.\n Sovrascriverla?",
                    "A configuration with this name already exists.\n Rewrite?", kAskOverwrite);
            else
                SaveAndClose();
        }
        if (m_cancel.OnMouseUp()) {
            SetModified();
            m_dialog = kNoDialog;
        }
        return;
    }
    m_configurations.OnMouseUp();
    if (m_ok.OnMouseUp())
        LoadSelected();
    if (m_cancel.OnMouseUp())
        m_dialog = kNoDialog;
    if (m_delete.OnMouseUp() && m_configurations.GetCount() > 0 && m_configurations.GetSelectedIndex() >= 0)
        Ask("Cancellare la configurazione selezionata?", "Do you want delete selected configuration?", kAskDelete);
}

// Saved: the dialog closes with the rig unmodified. Not saved: the rig
// still differs from every file, so the flag comes back and the dialog
// stays for another name or Cancel.
void CMenuConfigura::SaveAndClose()
{
    CCannaPesca::SaveFault fault = CCannaPesca::kSaved;
    if (Rig().SaveConfiguration(m_nameBox.GetText(), m_descriptionBox.GetText(), &fault)) {
        m_tools.m_pending = 0;
        m_dialog = kNoDialog;
        if (!Rig().IsNameRemembered())
            NotifyNotRemembered();
        return;
    }
    SetModified();
    if (fault == CCannaPesca::kOldTooBig)
        Notify("Configurazione non salvata: il file esistente \xE8 troppo grande per essere letto. "
               "Il vecchio file \xE8 conservato.",
               "Configuration not saved: the existing file is too big to be read. The old file is kept.");
    else if (fault == CCannaPesca::kOldUnreadable)
        Notify("Configurazione non salvata: il file esistente non pu\xF2 essere letto. Il vecchio file \xE8 conservato.",
               "Configuration not saved: the existing file cannot be read. The old file is kept.");
    else
        Notify("Impossibile salvare la configurazione.", "The configuration could not be saved.");
}

// The rig is mounted, but the settings still name another configuration:
// the next start would mount that one.
void CMenuConfigura::NotifyNotRemembered()
{
    Notify("Impossibile scrivere le impostazioni: al prossimo avvio questa configurazione non sar\xE0 montata.",
           "The settings could not be written: this configuration will not be mounted at the next start.");
}

// The row's key is the file name: the name written inside may differ from
// it, or be missing.
void CMenuConfigura::LoadSelected()
{
    const char* key = m_configurations.GetSelectedKey();
    if (!key || m_configurations.GetSelectedIndex() < 0)
        return; // nothing chosen (an empty folder): the rig stays as it is
    std::string name, description;
    // A row whose file no longer goes by a name the game can load (the
    // folder changed since the list was made) loads nothing.
    const bool loaded = CCannaPesca::ConfigurationName(ConfigurationsFolder(), key, &name) &&
                        Rig().LoadConfiguration(name.c_str(), nullptr, &description);
    m_descriptionBox.SetText(description.c_str());
    SyncFromRig();
    m_dialog = kNoDialog;
    if (!loaded)
        Notify("Impossibile caricare la configurazione.", "The configuration could not be loaded.");
    else if (!Rig().IsNameRemembered())
        NotifyNotRemembered();
}

// ---- questions -------------------------------------------------------------------

void CMenuConfigura::Ask(const char* italian, const char* english, std::uint32_t tag)
{
    m_ask.ShowTagged(Tr(italian, english), tag, CAskBox::kYesNo);
}

void CMenuConfigura::Notify(const char* italian, const char* english)
{
    m_ask.ShowTagged(Tr(italian, english), kAskNotice, CAskBox::kOkAlone);
}

void CMenuConfigura::HandleAnswer()
{
    if (m_ask.GetResult() != CAskBox::kFirst)
        return;
    switch (m_ask.GetTag()) {
    case kAskOverwrite: SaveAndClose(); break;
    case kAskLeave: ReturnFromScreen(true); break;
    case kAskNewRig:
        Rig().Reset(g_pDevice);
        SyncFromRig();
        break;
    case kAskLoad: OpenLoadDialog(); break;
    case kAskDelete:
        if (Rig().DeleteConfiguration(m_configurations.GetSelectedKey()))
            Rig().ListConfigurations(m_configurations, ConfigurationsFolder());
        else // still on disk (a read-only folder): the row stays, and the player is told
            Notify("Impossibile eliminare la configurazione.", "The configuration could not be deleted.");
        break;
    default: break;
    }
}

// ---- the rig summary ---------------------------------------------------------------

const char* CMenuConfigura::GetRigSummary()
{
    static char summary[513];
    CCannaPesca& rig = Rig();
    std::string text = Tr("Canna: ", "Fishing rod: ");
    text += rig.m_canna.m_current.name;
    auto add = [&text](const char* label, const char* value) {
        text.append(" / ").append(label).append(value ? value : "");
        if (text.size() > 512)
            text.resize(512);
    };
    if (rig.m_canna.HasReel())
        add(Tr("Mulinello: ", "Reel: "), rig.m_mulinello.m_current.name);
    add(Tr("Amo: ", "Hook: "), m_terminalHooks.GetSelectedCol0());
    add(Tr("Calibratura: ", "Calibration: "), rig.m_piombo.GetUsageText());
    const std::string weight = std::string(rig.m_piombo.GetTotalWeightText()) + ", " + rig.m_piombo.GetWeightClassText();
    add(Tr("Peso: ", "Weight: "), weight.c_str());
    add(Tr("Galleggiante: ", "Floating: "), rig.m_galleggiante.m_current.name);
    CopyString(summary, text.c_str(), 512);
    return summary;
}
