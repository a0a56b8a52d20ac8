#pragma once
// CFinale: a leader or a dropper hung from the main line: its length, line
// material, hook catalogue and hook, swivel or knot, and for a dropper its
// position on the main line and whether it is rigged. Its rig-view drawing
// and dragging build on it in the tackle box.
#include "shell/Oggetto.h"
#include "simulation/tackle/Amo.h"
#include "simulation/tackle/Filo.h"

#include <cstdint>

class CFinale : public COggetto {
public:
    CFinale();

    void Init();
    void InitFrom(plat::Device* dev, float length);
    void Load(plat::Device* dev);
    void OnLostDevice();
    void OnResetDevice(plat::Device* dev);

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
};
