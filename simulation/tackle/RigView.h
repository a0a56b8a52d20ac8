#pragma once
// CRigView: the tackle box's picture of the rig, a 450-pixel column that
// shows a stretch of the main line to scale. The tackle box owns one and
// hands it to the rig's parts, which draw themselves into it and ask where a
// line position lies on screen and which position lies under the mouse.
//
// Line positions are whole centimetres counted from the end of the line, as
// the float and the shots keep them; the view itself counts from the rod
// tip. Every product and quotient is formed in single precision and raised
// to the next whole number before it is stored, so the pixels of the ruler,
// the line and the markers agree.
#include <cstdint>

class CRigView {
public:
    static constexpr int kHeight = 450; // pixels
    static constexpr float kMinScale = 1.15f;
    static constexpr float kMaxScale = 4.0f;
    static constexpr float kScaleStep = 0.25f;
    static constexpr int kScrollStep = 50; // line units

    // The main line's length the view reads (centimetres); null reads 0.
    void SetLine(const float* length) { m_line = length; }
    // The line's length cut to whole units.
    int LineUnits() const;

    // The line position at the lower edge of the shown stretch.
    int GetLineAtViewBottom() const;
    // The ruler's value at a pixel offset below the view top.
    int GetRulerValue(int offset) const;
    // The line position under the pointer's back-buffer y.
    int GetLineAtMouse(int mouseY) const;
    // The screen y of a line position; -1 outside the shown stretch.
    int MapLineToViewY(int position) const;
    bool IsInRigView(int position) const;
    // Shows the last 450 / scale units of the line, the terminal part.
    void ResetViewOrigin();
    // The shown stretch, recomputed every frame.
    void UpdateExtent();
    // The drawn height of the shown stretch, 0..450 pixels.
    int DrawnHeight() const;
    // Whether the ruler label at a pixel offset is drawn: counting from the
    // hook, labels beyond the end of the line are left out.
    bool IsLabelShown(int offset) const;

    void ScrollDown();
    void ScrollUp();
    void ZoomIn();
    void ZoomOut();

    // Fields, in order.
    std::int32_t m_fromHook = 1; // 1: the ruler counts from the end of the line; 0: from the rod tip
    float m_scale = 2.5f;        // pixels per line unit
    std::int32_t m_origin = 0;   // line units from the rod tip at the top edge
    std::int32_t m_extent = 0;   // line units shown
    std::int32_t m_x = 0;        // x of the rig drawing
    std::int32_t m_top = 0;      // y of the view's top edge

private:
    const float* m_line = nullptr;
};
