#pragma once
// CLenza: the main line of the rig with its leader and two droppers. This
// holds the line's core (material, length limits, leader and dropper
// clamps, knots, tension and colour, hook state, configuration sections);
// the drawing in the scene and in the tackle box's rig view builds on it.
#include "shell/Oggetto.h"
#include "shell/SpriteBordo.h"
#include "simulation/tackle/Filo.h"
#include "simulation/tackle/Finale.h"

#include <cstdint>
#include <memory>

constexpr std::uint32_t kBitmapLineStrip = 169;

class CCannaPesca;

class CLenza : public COggetto {
public:
    CLenza();

    void Init();
    int Load(plat::Device* dev, float length);
    void OnLostDevice();
    void OnResetDevice(plat::Device* dev);
    void ResetRig(plat::Device* dev);
    void ResetForCast();

    bool LoadConfiguration(const CIniText& file, plat::Device* dev);
    void SaveConfiguration(CIniText& file) const;

    void SetLength(float length, bool force);
    void SetTerminalLength(float length);
    void MoveDropperKnot(int index, float knot);
    void MoveDropperHook(int index, float hook);

    // 0 the second dropper, 1 the first dropper, any other number the leader.
    CFinale& GetTerminal(int number);
    CAmo& GetTerminalHook(int number) { return GetTerminal(number).m_hook; }

    float GetMaxTension(int terminal);
    void StepTension(float target, int terminal);
    void UpdateColour(bool ownColour, int terminal);
    int GetNearestAbove(int position) const;
    int GetNearestBelow(int position) const;
    void UpdateHookState();

    // ---- in the scene ----
    void LoadScene(plat::Device* dev);
    void SetEndPoint(float x, float y);
    void SetEndX(float x);
    void SetEndY(float y);
    int GetSurfaceYAtEnd(float x) const;
    float GetAngle() const;
    float GetHeading() const;
    float GetLength() const; // tip to end, in pixels
    float GetEndHeight() const;
    void UpdateGauge();
    void Render(plat::Device* dev);
    void DrawLineShimmer(plat::Device* dev, float time, float x, float y);

    // ---- in the tackle box's rig view ----
    // The line from the view's top to the bottom of its shown stretch at x,
    // then the leader and the rigged droppers; the segment's draw result.
    int DrawRigView(plat::Device* dev, int x, const CRigView& view);
    // Presses the leader's and the rigged droppers' buttons and hook markers;
    // true when any took the press.
    bool HitTest();
    // Follows a held button or marker to the line position under the
    // pointer; true when anything moved.
    bool UpdatePress(const CRigView& view, int mouseY);

    // Fields, in order.
    float m_points[5][2];
    float m_sagX, m_sagY;
    float m_colour[4];
    float m_alpha;
    float m_length;
    float m_tension;
    std::uint8_t m_straight;
    std::uint8_t m_rigFlags[2];
    // One per terminal (second dropper, first dropper, leader): a fish on a
    // dropper is fought against that dropper's line. 0 = not yet computed.
    float m_maxTensionCache[3];
    float m_sagProgress;
    CFilo m_material;
    CFinale m_leader;
    CFinale m_droppers[2];
    CSpriteBordo m_photo; // one 100-wide frame per line colour
    CSprite m_icon;  // the terminal icon at the line's end, frame = hook state
    CSprite m_gauge; // the tension gauge
    std::int32_t m_hookState;
    float m_heading;
    std::unique_ptr<plat::LineDrawer> m_drawer;
    CCannaPesca* m_rig; // the rig the line belongs to; null on its own
};
