#pragma once
// CGioco: the fishing-session screen (screen 9), the only screen with an
// update step. So far it keeps its session state and the cursor and sound
// changes of its state transitions; the scene, the panels, the clocks and
// the fish spawn come with the session screen itself.
#include "shell/Oggetto.h"

#include <cstdint>

namespace plat {
class Device;
}

// Session states.
enum SessionState : std::int32_t {
    kSessionIdle = 0,
    kSessionStartPanel = 1,
    kSessionFishing = 2,
    kSessionCatchDetails = 3,
    kSessionGameMenu = 4,
    kSessionCatchList = 5,
    kSessionResults = 6,
};

class CGioco : public COggetto {
public:
    CGioco();

    void Load(plat::Device* dev);
    void Update();
    void OnTimer2() override;
    void Render(plat::Device* dev);
    void OnLostDevice();
    void OnResetDevice(plat::Device* dev);

    void OnMouseDown();
    void OnMouseUp();
    void OnRightDown();
    void OnRightUp();
    void OnMouseMove();

    void NewSession();
    void EnterFishing();
    void ShowGameMenu();
    void ShowCatches();
    void ShowCatchDetails();
    void AskQuit();
    void ThrowGroundbait();
    void StopSounds();

    std::int32_t GetState() const { return m_state; }

    // Members, in order.
    std::int32_t m_state;
};

extern CGioco g_Gioco;
