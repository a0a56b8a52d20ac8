#include "simulation/session/Help.h"

#include "shell/Globals.h"
#include "shell/Mouse.h"
#include "shell/Utility.h"

KARVELIN_GLOBAL(9) CHelp g_Help;

namespace {

// Italian and English, Windows-1252 ("\xE8" is e grave, "\xF9" u grave).
const char* const kCommandLines[CHelp::kLines][2] = {
    {"MOUSE: muove la canna da pesca", "MOUSE: move the fishing rod"},
    {"MOUSE, PULSANTE SINISTRO: lancia la lenza (con mulinello: solo se il filo \xE8 completamente riavvolto)",
     "MOUSE, LEFT BUTTON: cast the line (with reel: only if the line is completely wrapped)"},
    {"MOUSE, PULSANTE DESTRO: aziona il mulinello", "MOUSE, RIGHT BUTTON: move reel"},
    {"TASTO 'M': visualizza il men\xF9 breve", "KEY 'M': display the game menu"},
    {"TASTO 'P': visualizza i pesci pescati", "KEY 'P': show fishes caught"},
    {"TASTO 'R': immerge/ritira il retino in acqua", "KEY 'R': put the net in the water"},
    {"TASTO 'L': rilascia lenza (con canna Bolognese)", "KEY 'L': release the line (with Bolognese rod)"},
    {"TASTO 'F1': visualizza/nasconde questo help", "KEY 'F1': show/hide this help"},
    {"TASTO 'SPAZIO': lancia la pastura", "KEY 'SPACE': launch groundbait"},
    {"TASTO 'CURSORE SINISTRA': sposta la canna a sinistra", "KEY 'LEFT': move the rod to left"},
    {"TASTO 'CURSORE DESTRA': sposta la canna a destra", "KEY 'RIGHT': move the rod to right"},
    {"TASTO 'CURSORE SU' o ROTELLA MOUSE: incrementa la frizione del mulinello",
     "KEY 'UP' or MOUSE WHEEL: increase reel drag"},
    {"TASTO 'CURSORE GIU' o ROTELLA MOUSE: decrementa la frizione del mulinello",
     "KEY 'DOWN' or MOUSE WHEEL: decrease reel drag"},
    {"TASTO 'ESC': esce dalla sessione di pesca", "KEY 'ESCAPE': exit from the fishing session"},
    {"TASTO 'V': visualizza dove potrebbero essere presenti maggiormente i pesci e le distanze in metri",
     "KEY 'V': display fishes in the water and distances in meter"},
    {"TASTO 'X': lancia la lenza (con mulinello: anche se il filo non \xE8 completamente riavvolto)",
     "KEY 'X': launch line (with reel: also if the line is not completely wrapped)"},
};

} // namespace

CHelp::CHelp() : m_shown(0), m_closePlaced(0) {}

const char* CHelp::GetLine(int i)
{
    if (i < 0 || i >= kLines)
        return "";
    return Tr(kCommandLines[i][0], kCommandLines[i][1]);
}

void CHelp::Load(plat::Device* dev)
{
    InitScreen();
    m_panel.Create(dev);
    m_panel.SetColour(0.95f, 0.95f, 0.95f);
    m_panel.m_alpha = 0.95f;
    // 700 and 400 are the fonts' weights (bold title, regular lines).
    m_title.m_frameH = 20;
    m_title.m_weight = 700;
    m_title.Create(dev);
    m_title.SetColour(0, 0, 0, 1);
    m_line.m_frameH = 16;
    m_line.m_weight = 400;
    m_line.Create(dev);
    m_line.SetColour(0, 0, 0, 1);
    m_close.Create(dev);
}

void CHelp::Render(plat::Device* dev)
{
    if (!m_shown)
        return;
    RenderPanel(dev);
    m_close.DrawIcon(dev, 720, 105, kIconClose);
    m_closePlaced = 1;
}

void CHelp::RenderPanel(plat::Device* dev)
{
    m_panel.Draw(dev, 50, 100, 700, 400);
    m_title.DrawAt(dev, "Help", 55, 105);
    m_title.DrawAt(dev, Tr("COMANDI:", "COMMANDS:"), 55, 139);
    for (int i = 0; i < kLines; ++i)
        m_line.DrawAt(dev, GetLine(i), 55, LineY(i));
}

void CHelp::OnLostDevice()
{
    m_panel.OnLostDevice();
    m_title.OnLostDevice();
    m_line.OnLostDevice();
    m_close.OnLostDevice();
}

void CHelp::OnResetDevice(plat::Device* dev)
{
    m_panel.OnResetDevice(dev);
    m_title.OnResetDevice(dev);
    m_line.OnResetDevice(dev);
    m_close.OnResetDevice(dev);
}

void CHelp::OnMouseDown()
{
    // The button learns where it is when first drawn; until then it sits at
    // the screen's corner and must not catch a press there.
    if (m_closePlaced)
        m_close.OnMouseDown();
}

void CHelp::OnMouseUp()
{
    if (m_close.OnMouseUp() && m_shown)
        Toggle();
}

void CHelp::Toggle()
{
    m_shown = m_shown ? 0 : 1;
    if (m_shown) {
        g_Mouse.savedMode = g_Mouse.GetCursorMode();
        g_Mouse.SetCursorMode(0);
    } else {
        g_Mouse.SetCursorMode(g_Mouse.savedMode);
    }
}
