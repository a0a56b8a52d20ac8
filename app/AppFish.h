#pragma once
// CAppFish: the application object. It owns the drawing device, loads every
// object's pictures while showing the loading progress, runs one frame per
// idle turn of the message loop (clear, the current screen, the help overlay,
// present), recovers from a lost device, routes the input to the current
// screen and switches screens.
#include "platform/Device.h"
#include "shell/ScreenSwitch.h"
#include "shell/Sprite.h"

#include <cstdint>
#include <functional>
#include <memory>



// The colour a frame starts from: the pictures' colour key.
constexpr plat::Argb kFrameClearColour = 0xFF8603BD;
// The wheel and the arrow keys change the reel's drag by this much.
constexpr float kDragStep = 0.43333334f;

class CAppFish final : public ScreenSwitch {
public:
    CAppFish();
    ~CAppFish();
    CAppFish(const CAppFish&) = delete;
    CAppFish& operator=(const CAppFish&) = delete;

    void Init();

    // 0 on success; otherwise the failure, logged.
    int CreateDeviceWindowed(plat::NativeWindow* window);
    int CreateDeviceFullScreen(plat::NativeWindow* window);
    // 0: the device can draw the 3D scene; 1: it cannot; else the query's failure.
    int CheckCaps3D();
    int SetupScene3D();

    int LoadAll();
    int ShowProgress(int percent);
    // One game frame: game time steps by plat::kGameStepMs, the current
    // screen updates and draws, and the frame is presented. Step() is the
    // same game frame with its drawing recorded and thrown away, for a
    // machine catching up. A lost device holds game time still.
    int Render();
    int Step();
    // How many game frames go to one presented frame while the machine keeps
    // up: 1, but 4 while a finished session's results cover the session. The
    // session goes on animating under the results panel, and drawing that
    // panel over it costs about three times the session's own frame, so its
    // picture changes 25 times a second rather than 100.
    int FramesPerShown() const;
    void OnLostDevice();
    void OnResetDevice();

    int GetViewportWidth() const;
    int GetViewportHeight() const;
    int GetGuiOffsetX() const;
    int GetGuiOffsetY() const;

    // Input, called by the window procedure.
    void OnLButtonDown();
    void OnLButtonUp();
    void OnRButtonDown();
    void OnRButtonUp();
    void OnMouseMove();
    void OnChar(unsigned char ch);
    void OnWheelDown();
    void OnWheelUp();

    // Screen switching.
    void NewSession();
    void BeginFishing();
    void GoToRecords();
    void GoToTackleBox();
    void GoToTournament();
    void GoToVenues();
    void GoToFishes();
    void ReturnToGameMenu(bool resetRod);
    void ReturnFromScreen(bool resetRod) override;

    // The switch the screens below see (registered while the object lives).
    void SwitchToScreen(int screen) override;
    void ResumeFishing() override { BeginFishing(); }
    int CurrentScreen() const override { return m_currentScreen; }
    void PostQuit(int code) override;

    int GetCurrentScreen() const { return m_currentScreen; }
    void SetCurrentScreen(int screen) { m_currentScreen = screen; }
    bool IsDeviceLost() const { return m_deviceLost != 0; }
    bool Is3DReady() const { return m_3dReady != 0; }
    const plat::Material& Material3D() const { return m_material; }
    plat::Device* GetDevice() const { return m_device.get(); }

    // Test seam: every step of the loading, the frame, the routing and the
    // device-loss orders is reported by name while a hook is set.
    using TraceHook = std::function<void(const char* step)>;
    static void SetTraceHook(TraceHook hook);

    // Fields, in order.
    std::unique_ptr<plat::Device> m_device;
    std::uint32_t m_deviceLost;
    std::int32_t m_currentScreen;
    std::uint8_t m_3dReady;
    CIndPerc m_progress;
    plat::Material m_material;

private:
    void Trace(const char* step) const;
    int GameFrame(bool present);
    void Adopt(std::unique_ptr<plat::Device> device);
};

extern CAppFish* g_pApp;
