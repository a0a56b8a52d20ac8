#include "app/WndProc.h"

#include "app/AppFish.h"
#include "shell/Mouse.h"
#include "simulation/tackle/CannaPesca.h"
#include "simulation/scene/Effetti.h"
#include "simulation/session/Gioco.h"
#include "simulation/scene/Retino.h"
#include "simulation/session/Help.h"

namespace {

bool IsMouseMessage(plat::MessageKind kind)
{
    using plat::MessageKind;
    return kind == MessageKind::MouseMove || kind == MessageKind::LButtonDown || kind == MessageKind::LButtonUp ||
           kind == MessageKind::RButtonDown || kind == MessageKind::RButtonUp || kind == MessageKind::MouseWheel;
}

void SetPositionFromClient(const plat::WindowMessage& m)
{
    int w = 0, h = 0;
    plat::GetClientSize(w, h);
    g_Mouse.SetPosition(0, 0, w, h, m.x, m.y);
}

void HotKey(int key)
{
    int screen = g_pApp->GetCurrentScreen();
    if (key == plat::kKeyEscape) {
        if (screen != kScreenMainMenu) {
            g_Mouse.SetCursorMode(0);
            if (screen == kScreenSession)
                g_Gioco.AskQuit();
        }
        return;
    }
    if (key == 'Q') {
        if (screen == kScreenMainMenu)
            plat::PostQuitMessage(0);
        return;
    }
    if (screen != kScreenSession)
        return;
    switch (key) {
    case plat::kKeySpace: g_Gioco.ThrowGroundbait(); break;
    // Left and Right move the rod by 10 pixels, Up and Down change the drag
    // when the rod has a reel, L lets line off the reel, R raises or lowers
    // the net, V shows the fish zones, X casts while fishing.
    case plat::kKeyLeft: g_CannaPesca.m_canna.SetX(g_CannaPesca.m_canna.GetX() - 10); break;
    case plat::kKeyRight: g_CannaPesca.m_canna.SetX(g_CannaPesca.m_canna.GetX() + 10); break;
    case plat::kKeyUp:
        if (g_CannaPesca.m_canna.HasReel())
            g_CannaPesca.m_mulinello.ChangeDrag(kDragStep);
        break;
    case plat::kKeyDown:
        if (g_CannaPesca.m_canna.HasReel())
            g_CannaPesca.m_mulinello.ChangeDrag(-kDragStep);
        break;
    case 'L': g_CannaPesca.m_mulinello.RunTimer1(); break;
    case 'R': g_Retino.Toggle(); break;
    case 'V': g_Effetti.ToggleOverlay(); break;
    case 'X': g_Gioco.CastByKey(); break;
    case 'M': g_Gioco.ShowGameMenu(); break;
    case 'P': g_Gioco.ShowCatches(); break;
    case plat::kKeyF1: g_Help.Toggle(); break;
    default: break;
    }
}

} // namespace

bool WndProc(const plat::WindowMessage& m)
{
    using plat::MessageKind;

    // Before loading ends only closing and Esc are honoured, both quitting.
    if (!g_pApp || g_pApp->GetCurrentScreen() == kScreenNone) {
        if (m.kind == MessageKind::Close) {
            plat::PostQuitMessage(0);
            return true;
        }
        if (m.kind == MessageKind::KeyDown) {
            if (m.key == plat::kKeyEscape)
                plat::PostQuitMessage(0);
            return true;
        }
        return false;
    }

    if (IsMouseMessage(m.kind))
        g_Mouse.SetButtons(m.leftHeld, m.rightHeld);

    // The help overlay takes the left button; among the keys only F1.
    if (g_Help.IsShown()) {
        switch (m.kind) {
        case MessageKind::MouseMove: SetPositionFromClient(m); return true;
        case MessageKind::LButtonDown: g_pApp->OnLButtonDown(); return true;
        case MessageKind::LButtonUp: g_pApp->OnLButtonUp(); return true;
        case MessageKind::KeyDown:
            if (m.key == plat::kKeyF1)
                g_Help.Toggle();
            return true;
        case MessageKind::Close: plat::PostQuitMessage(0); return true;
        case MessageKind::SetCursor: g_Mouse.SetCursorMode(g_Mouse.GetCursorMode()); return true;
        default: return false;
        }
    }

    switch (m.kind) {
    case MessageKind::MouseMove:
        SetPositionFromClient(m);
        g_pApp->OnMouseMove();
        return true;
    case MessageKind::LButtonDown: g_pApp->OnLButtonDown(); return true;
    case MessageKind::LButtonUp: g_pApp->OnLButtonUp(); return true;
    case MessageKind::RButtonDown: g_pApp->OnRButtonDown(); return true;
    case MessageKind::RButtonUp: g_pApp->OnRButtonUp(); return true;
    case MessageKind::MouseWheel:
        if (m.wheel < 0)
            g_pApp->OnWheelDown();
        else if (m.wheel > 0)
            g_pApp->OnWheelUp();
        return true;
    case MessageKind::Char: g_pApp->OnChar(m.ch); return true;
    case MessageKind::KeyDown: HotKey(m.key); return true;
    case MessageKind::SetCursor: g_Mouse.SetCursorMode(g_Mouse.GetCursorMode()); return true;
    case MessageKind::Close: plat::PostQuitMessage(0); return true;
    default: return false;
    }
}
