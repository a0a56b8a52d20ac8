#include "app/AppFish.h"

#include "platform/Clock.h"
#include "platform/Window.h"
#include "screens/MenuCatture.h"
#include "screens/MenuConfigura.h"
#include "screens/MenuEsche.h"
#include "screens/MenuGara.h"
#include "screens/MenuLuogo.h"
#include "screens/MenuOpzioni.h"
#include "screens/MenuPesci.h"
#include "screens/MenuPrincipale.h"
#include "shell/Mouse.h"
#include "shell/Opzioni.h"
#include "shell/SoundPlayer.h"
#include "shell/Utility.h"
#include "simulation/tackle/CannaPesca.h"
#include "simulation/tackle/Cerchi.h"
#include "simulation/scene/Effetti.h"
#include "simulation/tackle/Esca.h"
#include "simulation/session/Gara.h"
#include "simulation/session/Gioco.h"
#include "simulation/scene/Pesce.h"
#include "simulation/scene/Retino.h"
#include "simulation/session/Help.h"
#include "simulation/tackle/Pastura.h"
#include "simulation/tackle/Scene3D.h"
#include "simulation/session/Sessione.h"
#include "simulation/scene/Sfondo.h"
#include "world/Fondale.h"
#include "world/Luogo.h"
#include "world/Meteo.h"
#include "world/Pesci.h"

#include <cstdio>

CAppFish* g_pApp = nullptr;

namespace {

CAppFish::TraceHook g_trace;

constexpr const char* kLogSource = "AppFish";

} // namespace

void CAppFish::SetTraceHook(TraceHook hook) { g_trace = std::move(hook); }

void CAppFish::Trace(const char* step) const
{
    if (g_trace)
        g_trace(step);
}

namespace {
// The application whose 3D-ready flag the scene reads.
CAppFish* g_scene3DOwner = nullptr;
}

CAppFish::CAppFish()
{
    Init();
    SetScreenSwitch(this);
    g_scene3DOwner = this;
    Scene3DLink link;
    link.ready = [] { return g_scene3DOwner && g_scene3DOwner->Is3DReady(); };
    link.material = []() -> const plat::Material* { return g_scene3DOwner ? &g_scene3DOwner->Material3D() : nullptr; };
    SetScene3DLink(link);
}

CAppFish::~CAppFish()
{
    if (GetScreenSwitch() == this)
        SetScreenSwitch(nullptr);
    if (g_scene3DOwner == this) {
        g_scene3DOwner = nullptr;
        ClearScene3DLink();
    }
    if (g_pDevice == m_device.get()) {
        g_pDevice = nullptr;
        g_nViewportW = 0;
        g_nViewportH = 0;
    }
    m_device.reset();
}

void CAppFish::Init()
{
    m_device.reset();
    m_deviceLost = 0;
    m_3dReady = 0;
    m_currentScreen = kScreenNone;
}

// The device becomes the game's: the back buffer is the screen size every
// object lays itself out in.
void CAppFish::Adopt(std::unique_ptr<plat::Device> device)
{
    m_device = std::move(device);
    g_pDevice = m_device.get();
    // A screen that does not change (a menu waiting for the player) is drawn
    // once, not a hundred times a second.
    m_device->SkipUnchangedFrames(true);
    g_nScreenW = m_device->BackBufferWidth();
    g_nScreenH = m_device->BackBufferHeight();
    g_nViewportW = m_device->GetViewport().width;
    g_nViewportH = m_device->GetViewport().height;
}

int CAppFish::CreateDeviceWindowed(plat::NativeWindow* window)
{
    int status = plat::kOk;
    auto device = plat::Device::CreateWindowed(window, &status);
    if (!device) {
        if (status == plat::kOk)
            status = plat::kFailed;
        switch (status) {
        case plat::kDeviceLost: LogError(kLogSource, "m_pD3D->CreateDevice() error: device lost!", 161); break;
        case plat::kInvalidCall: LogError(kLogSource, "m_pD3D->CreateDevice() error: invalid call!", 165); break;
        case plat::kNotAvailable:
            LogError(kLogSource, "m_pD3D->CreateDevice() error: device doesn't support the queried technique!", 169);
            break;
        case plat::kOutOfVideoMemory:
            LogError(kLogSource, "m_pD3D->CreateDevice() error: out of video memory!", 173);
            break;
        default: LogError(kLogSource, "m_pD3D->CreateDevice() error!", 177); break;
        }
        return status;
    }
    plat::SceneState& scene = device->Scene();
    scene.linearMagFilter = true;
    scene.lighting = false;
    scene.cullNone = true;
    Adopt(std::move(device));
    return 0;
}

int CAppFish::CreateDeviceFullScreen(plat::NativeWindow* window)
{
    int status = plat::kOk;
    auto device = plat::Device::CreateFullScreen(window, g_nScreenW, g_nScreenH, &status);
    if (!device) {
        if (status == plat::kOk)
            status = plat::kFailed;
        switch (status) {
        case plat::kNoDisplayModes: LogError(kLogSource, "GetAdapterModeCount = 0!", 209); break;
        case plat::kModeQueryFailed: LogError(kLogSource, "m_pD3D->EnumAdapterModes() error!", 218); break;
        case plat::kModeNotFound: LogError(kLogSource, "bDesiredAdapterModeFound = false!", 241); break;
        case plat::kModeSetFailed: LogError(kLogSource, "m_pD3D->CheckDeviceType() error!", 254); break;
        default: break; // the device itself could not be made: no line
        }
        return status;
    }
    device->Scene().linearMagFilter = true;
    Adopt(std::move(device));
    return 0;
}

int CAppFish::CheckCaps3D()
{
    if (!m_device)
        return plat::kInvalidCall;
    plat::Caps3D caps;
    int status = m_device->GetCaps3D(caps);
    if (status != plat::kOk)
        return status;
    if (caps.vertexShaderVersion < 1.0f || caps.maxBlendMatrices < 2 || !caps.directionalLights)
        return 1;
    return 0;
}

int CAppFish::SetupScene3D()
{
    m_3dReady = 0;
    if (!m_device)
        return plat::kInvalidCall;
    plat::SceneState& scene = m_device->Scene();

    scene.light0 = plat::Light{};
    scene.light0.diffuse = {0.7f, 0.7f, 0.7f, 1.0f};
    scene.light0.direction = {-1.0f, -0.3f, -1.0f};
    scene.light0.enabled = true;

    m_material = plat::Material{};
    m_material.diffuse = {1, 1, 1, 1};
    m_material.ambient = {1, 1, 1, 1};
    scene.material = m_material;

    scene.lighting = true;
    scene.depthTest = true;
    // Faces seen from behind are not drawn, as on a device left at its
    // defaults; the rod and reel meshes rely on it, since the device orders
    // whole triangles by depth instead of testing each pixel.
    scene.cullNone = false;
    scene.ambient = 0xFF323232;
    scene.blendWeights = 1;
    scene.wrapU = true;

    scene.view = plat::MatrixLookAtLH({0.0f, 2.8f, 6.0f}, {0.0f, 2.6f, 0.0f}, {0.0f, 1.0f, 0.0f});
    float aspect = float(GetViewportWidth()) / float(GetViewportHeight());
    scene.projection = plat::MatrixPerspectiveFovLH(3.14159265f / 4.0f, aspect, 1.0f, 1000.0f);

    m_3dReady = 1;
    return 0;
}

int CAppFish::LoadAll()
{
    plat::Device* dev = m_device.get();
    m_progress.Create(dev);
    m_progress.m_relative = 1;

    Trace("load main menu");
    g_MenuPrincipale.Load(dev);
    ShowProgress(0);

    Trace("load species catalogue");
    g_Pesci.Load(dev);
    ShowProgress(10);

    Trace("load venue catalogue");
    g_Luogo.Load(dev);
    ShowProgress(20);

    Trace("load fishing session");
    g_Gioco.Load(dev);
    ShowProgress(30);

    Trace("load tackle box");
    g_MenuConfigura.Load(dev);
    ShowProgress(40);

    Trace("load options");
    g_MenuOpzioni.Load(dev);
    ShowProgress(50);

    Trace("load venues");
    g_MenuLuogo.Load(dev);
    ShowProgress(60);

    Trace("load fishes");
    g_MenuPesci.Load(dev);
    ShowProgress(70);

    Trace("load baits");
    g_MenuEsche.Load(dev);
    ShowProgress(80);

    Trace("load records");
    g_MenuCatture.Load(dev);
    Trace("load tournament");
    g_MenuGara.Load(dev);
    ShowProgress(90);

    Trace("load help");
    g_Help.Load(dev);
    ShowProgress(100);

    m_currentScreen = kScreenMainMenu;
    return 0;
}

int CAppFish::ShowProgress(int percent)
{
    char step[32];
    std::snprintf(step, sizeof step, "progress %d", percent);
    plat::Device* dev = m_device.get();
    dev->Clear(0xFF000000);
    dev->BeginScene();
    g_MenuPrincipale.m_picture.DrawAt(dev, 400, 450);
    m_progress.Draw(dev, 400, 450, percent);
    m_progress.DrawOutline(dev);
    dev->EndScene();
    int status = dev->Present();
    Trace(step);
    return status;
}

int CAppFish::Render() { return GameFrame(true); }

int CAppFish::Step() { return GameFrame(false); }

int CAppFish::FramesPerShown() const
{
    return m_currentScreen == kScreenSession && g_Gioco.GetState() == kSessionResults ? 4 : 1;
}

int CAppFish::GameFrame(bool present)
{
    plat::Device* dev = m_device.get();
    if (!dev)
        return plat::kInvalidCall;
    if (m_deviceLost) {
        plat::SleepMs(100);
        int status = dev->TestCooperativeLevel();
        if (status == plat::kDeviceNotReset) {
            OnLostDevice();
            status = dev->Reset();
            if (status != plat::kOk)
                return status;
            OnResetDevice();
            return plat::kOk; // the next frame finds the device good
        }
        if (status != plat::kOk)
            return status;
        m_deviceLost = 0;
    }

    plat::StepGameClock(plat::kGameStepMs);
    if (present)
        dev->Clear(kFrameClearColour);
    dev->BeginScene();

    // Each test reads the screen number afresh: a screen that switches to a
    // later one while drawing is followed by that screen in the same frame.
    if (m_currentScreen == kScreenMainMenu) {
        Trace("render 1");
        g_MenuPrincipale.Render(dev);
    }
    if (m_currentScreen == kScreenTackleBox) {
        Trace("render 2");
        g_MenuConfigura.Render(dev);
    }
    if (m_currentScreen == kScreenOptions) {
        Trace("render 3");
        g_MenuOpzioni.Render(dev);
    }
    if (m_currentScreen == kScreenVenues) {
        Trace("render 4");
        g_MenuLuogo.Render(dev);
    }
    if (m_currentScreen == kScreenFishes) {
        Trace("render 5");
        g_MenuPesci.Render(dev);
    }
    if (m_currentScreen == kScreenBaits) {
        Trace("render 6");
        g_MenuEsche.Render(dev);
    }
    if (m_currentScreen == kScreenRecords) {
        Trace("render 7");
        g_MenuCatture.Render(dev);
    }
    if (m_currentScreen == kScreenSession) {
        Trace("update 9");
        g_Gioco.Update();
        Trace("render 9");
        g_Gioco.Render(dev);
    }
    // The tournament clock keeps going while another screen is open.
    if (g_Gara.IsRunning() && m_currentScreen != kScreenSession)
        g_Gioco.RunTimer1();
    if (m_currentScreen == kScreenTournament) {
        Trace("render 10");
        g_MenuGara.Render(dev);
    }

    if (g_Help.IsShown()) {
        Trace("render help");
        g_Help.Render(dev);
    }

    if (!present)
        return dev->EndSceneUnseen();
    dev->EndScene();
    int status = dev->Present();
    if (status == plat::kDeviceLost)
        m_deviceLost = 1;
    return status;
}

void CAppFish::OnLostDevice()
{
    Trace("lost progress bar");
    m_progress.OnLostDevice();
    Trace("lost species catalogue");
    g_Pesci.OnLostDevice();
    Trace("lost venue catalogue");
    g_Luogo.OnLostDevice();
    Trace("lost fishing session");
    g_Gioco.OnLostDevice();
    Trace("lost weather");
    g_Meteo.OnLostDevice();
    Trace("lost venue background");
    g_Sfondo.OnLostDevice();
    Trace("lost bait catalogue");
    g_Esca.OnLostDevice();
    Trace("lost rod assembly");
    g_CannaPesca.OnLostDevice();
    Trace("lost fish on the line");
    g_Pesce.OnLostDevice();
    Trace("lost landing net");
    g_Retino.OnLostDevice();
    Trace("lost water effects");
    g_Effetti.OnLostDevice();
    Trace("lost ring pool");
    g_GestCerchi.OnLostDevice();
    Trace("lost main menu");
    g_MenuPrincipale.OnLostDevice();
    Trace("lost tackle box");
    g_MenuConfigura.OnLostDevice();
    Trace("lost options");
    g_MenuOpzioni.OnLostDevice();
    Trace("lost venues");
    g_MenuLuogo.OnLostDevice();
    Trace("lost fishes");
    g_MenuPesci.OnLostDevice();
    Trace("lost baits");
    g_MenuEsche.OnLostDevice();
    Trace("lost records");
    g_MenuCatture.OnLostDevice();
    Trace("lost tournament");
    g_MenuGara.OnLostDevice();
    Trace("lost help");
    g_Help.OnLostDevice();
}

void CAppFish::OnResetDevice()
{
    plat::Device* dev = m_device.get();
    // The flag is decided again for the reset device: a check that fails now
    // puts the scene back to flat drawing.
    m_3dReady = 0;
    if (g_Opzioni.use3D != 0 && CheckCaps3D() == 0) {
        Trace("reset scene 3d");
        SetupScene3D();
    }
    Trace("reset progress bar");
    m_progress.OnResetDevice(dev);
    Trace("reset species catalogue");
    g_Pesci.OnResetDevice(dev);
    Trace("reset venue catalogue");
    g_Luogo.OnResetDevice(dev);
    Trace("reset fishing session");
    g_Gioco.OnResetDevice(dev);
    Trace("reset weather");
    g_Meteo.OnResetDevice(dev);
    Trace("reset venue background");
    g_Sfondo.OnResetDevice(dev);
    // The rod comes before the baits here, the other way round from the
    // release order.
    Trace("reset rod assembly");
    g_CannaPesca.OnResetDevice(dev);
    Trace("reset bait catalogue");
    g_Esca.OnResetDevice(dev);
    Trace("reset fish on the line");
    g_Pesce.OnResetDevice(dev);
    Trace("reset landing net");
    g_Retino.OnResetDevice(dev);
    Trace("reset ring pool");
    g_GestCerchi.OnResetDevice(dev);
    Trace("reset water effects");
    g_Effetti.OnResetDevice(dev);
    Trace("reset main menu");
    g_MenuPrincipale.OnResetDevice(dev);
    Trace("reset tackle box");
    g_MenuConfigura.OnResetDevice(dev);
    Trace("reset options");
    g_MenuOpzioni.OnResetDevice(dev);
    Trace("reset venues");
    g_MenuLuogo.OnResetDevice(dev);
    Trace("reset fishes");
    g_MenuPesci.OnResetDevice(dev);
    Trace("reset baits");
    g_MenuEsche.OnResetDevice(dev);
    Trace("reset records");
    g_MenuCatture.OnResetDevice(dev);
    Trace("reset tournament");
    g_MenuGara.OnResetDevice(dev);
    Trace("reset cursor");
    g_Mouse.SetCursorMode(g_Mouse.GetCursorMode());
    Trace("reset help");
    g_Help.OnResetDevice(dev);
}

int CAppFish::GetViewportWidth() const { return m_device ? m_device->GetViewport().width : 0; }

int CAppFish::GetViewportHeight() const { return m_device ? m_device->GetViewport().height : 0; }

int CAppFish::GetGuiOffsetX() const { return GuiOffsetX(GetViewportWidth()); }

int CAppFish::GetGuiOffsetY() const { return GuiOffsetY(GetViewportHeight()); }

// ---- input ---------------------------------------------------------------

void CAppFish::OnLButtonDown()
{
    if (g_Help.IsShown()) {
        Trace("down help");
        g_Help.OnMouseDown();
        return;
    }
    switch (m_currentScreen) {
    case kScreenMainMenu: Trace("down 1"); g_MenuPrincipale.OnMouseDown(); break;
    case kScreenTackleBox: Trace("down 2"); g_MenuConfigura.OnMouseDown(); break;
    case kScreenOptions: Trace("down 3"); g_MenuOpzioni.OnMouseDown(); break;
    case kScreenVenues: Trace("down 4"); g_MenuLuogo.OnMouseDown(); break;
    case kScreenFishes: Trace("down 5"); g_MenuPesci.OnMouseDown(); break;
    case kScreenBaits: Trace("down 6"); g_MenuEsche.OnMouseDown(); break;
    case kScreenRecords: Trace("down 7"); g_MenuCatture.OnMouseDown(); break;
    case kScreenSession: Trace("down 9"); g_Gioco.OnMouseDown(); break;
    case kScreenTournament: Trace("down 10"); g_MenuGara.OnMouseDown(); break;
    default: break;
    }
}

void CAppFish::OnLButtonUp()
{
    if (g_Help.IsShown()) {
        Trace("up help");
        g_Help.OnMouseUp();
        return;
    }
    switch (m_currentScreen) {
    case kScreenMainMenu: Trace("up 1"); g_MenuPrincipale.OnMouseUp(); break;
    case kScreenTackleBox: Trace("up 2"); g_MenuConfigura.OnMouseUp(); break;
    case kScreenOptions: Trace("up 3"); g_MenuOpzioni.OnMouseUp(); break;
    case kScreenVenues: Trace("up 4"); g_MenuLuogo.OnMouseUp(); break;
    case kScreenFishes: Trace("up 5"); g_MenuPesci.OnMouseUp(); break;
    case kScreenBaits: Trace("up 6"); g_MenuEsche.OnMouseUp(); break;
    case kScreenRecords: Trace("up 7"); g_MenuCatture.OnMouseUp(); break;
    case kScreenSession: Trace("up 9"); g_Gioco.OnMouseUp(); break;
    case kScreenTournament: Trace("up 10"); g_MenuGara.OnMouseUp(); break;
    default: break;
    }
}

void CAppFish::OnRButtonDown()
{
    if (m_currentScreen == kScreenSession) {
        Trace("right down 9");
        g_Gioco.OnRightDown();
    }
}

void CAppFish::OnRButtonUp()
{
    if (m_currentScreen == kScreenSession) {
        Trace("right up 9");
        g_Gioco.OnRightUp();
    }
}

void CAppFish::OnMouseMove()
{
    if (m_currentScreen == kScreenTackleBox) {
        Trace("move 2");
        g_MenuConfigura.OnMouseMove();
    } else if (m_currentScreen == kScreenSession) {
        Trace("move 9");
        g_Gioco.OnMouseMove();
    }
}

void CAppFish::OnChar(unsigned char ch)
{
    if (m_currentScreen == kScreenTackleBox) {
        Trace("char 2");
        g_MenuConfigura.OnChar(ch);
    } else if (m_currentScreen == kScreenOptions) {
        Trace("char 3");
        g_MenuOpzioni.OnChar(ch);
    }
}

void CAppFish::OnWheelDown()
{
    switch (m_currentScreen) {
    case kScreenTackleBox: Trace("wheel down 2"); g_MenuConfigura.OnWheelDown(); break;
    case kScreenOptions: Trace("wheel down 3"); g_MenuOpzioni.OnWheelDown(); break;
    case kScreenVenues: Trace("wheel down 4"); g_MenuLuogo.OnWheelDown(); break;
    case kScreenFishes: Trace("wheel down 5"); g_MenuPesci.OnWheelDown(); break;
    case kScreenBaits: Trace("wheel down 6"); g_MenuEsche.OnWheelDown(); break;
    case kScreenRecords: Trace("wheel down 7"); g_MenuCatture.OnWheelDown(); break;
    case kScreenTournament: Trace("wheel down 10"); g_MenuGara.OnWheelDown(); break;
    case kScreenSession:
        Trace("wheel down 9");
        if (g_CannaPesca.m_canna.HasReel())
            g_CannaPesca.m_mulinello.ChangeDrag(-kDragStep);
        break;
    default: break;
    }
}

void CAppFish::OnWheelUp()
{
    switch (m_currentScreen) {
    case kScreenTackleBox: Trace("wheel up 2"); g_MenuConfigura.OnWheelUp(); break;
    case kScreenOptions: Trace("wheel up 3"); g_MenuOpzioni.OnWheelUp(); break;
    case kScreenVenues: Trace("wheel up 4"); g_MenuLuogo.OnWheelUp(); break;
    case kScreenFishes: Trace("wheel up 5"); g_MenuPesci.OnWheelUp(); break;
    case kScreenBaits: Trace("wheel up 6"); g_MenuEsche.OnWheelUp(); break;
    case kScreenRecords: Trace("wheel up 7"); g_MenuCatture.OnWheelUp(); break;
    case kScreenTournament: Trace("wheel up 10"); g_MenuGara.OnWheelUp(); break;
    case kScreenSession:
        Trace("wheel up 9");
        if (g_CannaPesca.m_canna.HasReel())
            g_CannaPesca.m_mulinello.ChangeDrag(kDragStep);
        break;
    default: break;
    }
}

// ---- screen switching -----------------------------------------------------

void CAppFish::SwitchToScreen(int screen)
{
    switch (screen) {
    case kScreenTackleBox: GoToTackleBox(); break;
    case kScreenVenues: GoToVenues(); break;
    case kScreenFishes: GoToFishes(); break;
    case kScreenRecords: GoToRecords(); break;
    case kScreenSession: NewSession(); break;
    case kScreenTournament: GoToTournament(); break;
    case kScreenMainMenu:
    case kScreenOptions:
    case kScreenBaits: m_currentScreen = screen; break;
    default: break; // no such screen: stay
    }
}

void CAppFish::PostQuit(int code) { plat::PostQuitMessage(code); }

void CAppFish::NewSession()
{
    g_CannaPesca.NewCast();
    g_Luogo.ApplyBottom();
    g_Gioco.NewSession();
    g_Fondale.PlaceFishZones(g_Opzioni.GetLevelValueA());
    g_Pastura.ClearGrid();
    g_Meteo.SetState(kWeatherClear);
    g_Effetti.Clear();
    g_Sessione.Start();
    m_currentScreen = kScreenSession;
}

void CAppFish::BeginFishing()
{
    g_Gioco.EnterFishing();
    m_currentScreen = kScreenSession;
}

void CAppFish::GoToRecords()
{
    g_MenuCatture.Activate();
    m_currentScreen = kScreenRecords;
}

void CAppFish::GoToTackleBox()
{
    g_CannaPesca.NewCast();
    // Both callers (the main menu and the session's game menu) come here,
    // so the screen always opens on the rig in use.
    g_MenuConfigura.SyncFromRig();
    g_MenuConfigura.Activate();
    m_currentScreen = kScreenTackleBox;
}

void CAppFish::GoToTournament()
{
    g_MenuGara.Activate();
    m_currentScreen = kScreenTournament;
}

void CAppFish::GoToVenues()
{
    g_Luogo.FilterVenueList();
    // The current venue may have changed since the screen last looked
    // (waters mode, a tournament's venue): its bottom file is asked again.
    g_MenuLuogo.UpdateDepthButton();
    m_currentScreen = kScreenVenues;
}

void CAppFish::GoToFishes()
{
    g_MenuPesci.Activate();
    m_currentScreen = kScreenFishes;
}

void CAppFish::ReturnToGameMenu(bool resetRod)
{
    if (resetRod)
        g_CannaPesca.NewCast();
    g_Gioco.ShowGameMenu();
    m_currentScreen = kScreenSession;
}

void CAppFish::ReturnFromScreen(bool resetRod)
{
    g_SndPlayer.StopAll();
    // A session that ended (the tournament clock) while another screen was
    // open still owes the player its results: the only place to save the log.
    if (g_Gioco.GetState() == kSessionResults && m_currentScreen != kScreenSession) {
        m_currentScreen = kScreenSession;
        return;
    }
    if (g_Gioco.GetState() == kSessionGameMenu) {
        ReturnToGameMenu(resetRod);
        return;
    }
    if (g_Gara.IsRunning()) {
        GoToTournament();
        return;
    }
    m_currentScreen = kScreenMainMenu;
}
