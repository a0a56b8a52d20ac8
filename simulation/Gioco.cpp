#include "simulation/Gioco.h"

#include "shell/Globals.h"
#include "simulation/Pesce.h"
#include "simulation/Retino.h"
#include "shell/Mouse.h"
#include "shell/Opzioni.h"
#include "shell/SoundPlayer.h"
#include "simulation/CannaPesca.h"
#include "simulation/Cerchi.h"
#include "simulation/Effetti.h"
#include "simulation/Esca.h"
#include "simulation/Pastura.h"
#include "simulation/Sfondo.h"
#include "world/Fondale.h"
#include "world/Luogo.h"
#include "world/Meteo.h"

KARVELIN_GLOBAL(8) CGioco g_Gioco;

CGioco::CGioco() : m_state(kSessionIdle) {}

void CGioco::Load(plat::Device* dev)
{
    InitScreen();
    g_Sfondo.Load(dev);
    g_Luogo.LoadVenue("", g_Opzioni.waters == 1 ? kVenueSea : kVenueLake);
    g_Sfondo.LoadVenuePicture(dev, g_Luogo.Record());
    g_CannaPesca.Init(dev, GetScreenWidth() / 2);
    g_Esca.Load(dev);
    g_Pastura.Load(dev);
    g_Pesce.Load(dev);
    g_Retino.Load(dev);
    g_GestCerchi.Load(dev);
    g_Meteo.Init(dev);
    g_Effetti.Load(dev);
    if (g_Opzioni.level < 0 || g_Opzioni.level > 2)
        g_Opzioni.level = 0;
    g_Fondale.Generate(20);
    // Still to come here: the panels' widgets and the four timestamps set to now.
    m_state = kSessionIdle;
    m_timer[0].interval = 3000; // ambient sounds
    m_timer[1].interval = 1000; // tournament clock
    m_timer[2].interval = 1000; // bottom tick
}

// The game clock, tide, groundbait and spawn steps come with the session's
// world objects.
void CGioco::Update()
{
    if (m_state == kSessionFishing)
        RunTimer2();
}

// The bottom's fish cells drift one at a time while fishing.
void CGioco::OnTimer2() { g_Fondale.MoveFishCell(); }

void CGioco::Render(plat::Device* dev)
{
    g_Sfondo.Render(dev);
    g_Meteo.Draw(dev);
    // The status bar comes here with the panels (not in state 6).
    g_GestCerchi.Render(dev);
    g_Effetti.Render(dev);
    if (m_state == kSessionFishing)
        g_CannaPesca.Render(dev, float(g_Sfondo.m_ripplePhase));
    // Still to come: the state's panel and the question box.
}

void CGioco::OnLostDevice() {}

void CGioco::OnResetDevice(plat::Device*) {}

void CGioco::OnMouseDown() {}

void CGioco::OnMouseUp() {}

void CGioco::OnRightDown() {}

void CGioco::OnRightUp() {}

void CGioco::OnMouseMove() {}

// The start panel's spinners and bait photos come with the panels.
void CGioco::NewSession() { m_state = kSessionStartPanel; }

void CGioco::EnterFishing()
{
    m_state = kSessionFishing;
    // The four timestamps (fish on, spawn attempt, clock step, tide step) are
    // set to now here once the session's clocks are built.
    g_Mouse.SetCursorMode(1);
    g_CannaPesca.SetLossReason(0);
}

void CGioco::ShowGameMenu()
{
    m_state = kSessionGameMenu;
    StopSounds();
    g_Mouse.SetCursorMode(0);
    g_CannaPesca.SetLossReason(0);
    g_Retino.Lower();
}

// A landed fish: its details show (the panel comes with the panels).
void CGioco::ShowCatchDetails()
{
    m_state = kSessionCatchDetails;
    g_Mouse.SetCursorMode(0);
    g_CannaPesca.SetLossReason(0);
    g_Retino.Lower();
}

void CGioco::ShowCatches()
{
    m_state = kSessionCatchList;
    StopSounds();
    g_Mouse.SetCursorMode(0);
    g_CannaPesca.SetLossReason(0);
    g_Retino.Lower();
    // Filling the catch list comes with the catch list.
}

// The question "end the session?" comes with the question box.
void CGioco::AskQuit() {}

// Comes with the groundbait.
void CGioco::ThrowGroundbait() {}

void CGioco::StopSounds() { g_SndPlayer.StopAll(); }
