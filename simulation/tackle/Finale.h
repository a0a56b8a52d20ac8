#pragma once
// CFinale: a leader or a dropper hung from the main line: its length, line
// material, hook catalogue and hook, swivel or knot, and for a dropper its
// position on the main line and whether it is rigged. Its rig-view drawing
// and dragging build on it in the tackle box.
#include "shell/Oggetto.h"
#include "simulation/tackle/Amo.h"
#include "simulation/tackle/Filo.h"
#include "simulation/tackle/RigView.h"

#include <cstdint>
#include <memory>

constexpr std::uint32_t kBitmapTerminalButton = 166;

class CFinale : public COggetto {
public:
    CFinale();

    void Init();
    void InitFrom(plat::Device* dev, float length);
    void Load(plat::Device* dev);
    void OnLostDevice();
    void OnResetDevice(plat::Device* dev);
    // The piece in the rig view: its segment (when asked) from its knot at
    // x down to its hook at x + width, its swivel or knot button, its hook
    // marker; colour is the main line's. The marker's draw result, 0 when
    // the piece is not rigged.
    void LoadRigView(plat::Device* dev);
    int DrawRigView(plat::Device* dev, int x, int width, bool segment, const CRigView& view, const float colour[4]);

    // The leader is the piece whose hook section is "AMO".
    void LoadConfiguration(const CIniText& file, const char* section, const char* hookSection, plat::Device* dev);
    void SaveConfiguration(CIniText& file, const char* section, const char* hookSection) const;

    // Fields, in order.
    float m_length;
    std::int32_t m_swivel; // 1 swivel, 0 knot
    float m_position;      // along the main line from its end; 0 for the leader
    CFilo m_material;
    CAmo m_hook;
    std::uint8_t m_inUse;
    CSprite m_button; // rig view: 4 x 11 frames of bitmap 166, column 0 knot, 1 swivel
    std::unique_ptr<plat::LineDrawer> m_line;
};
