#pragma once
// CSpinner: the value chooser of the option and configuration screens. A
// one-line panel with the value as text, an up and a down arrow to its right
// and a label to its left or above it. The value runs from a minimum to a
// maximum by a step per click, clamped or wrapping at the ends; holding an
// arrow repeats the step at an accelerating pace. Screens that show words
// instead of numbers subclass it and override GetValueText.
#include "gui/Finestra.h"
#include "gui/Pulsante.h"
#include "gui/Testo.h"

#include <cstdint>

class CSpinner : public COggetto {
public:
    // Label placement, kept in the label's format.
    enum : std::uint32_t { kLabelAbove = 0, kLabelLeft = 2 };
    // The first repeat comes this long after the press; each repeat halves
    // the wait down to kFastestRepeatMs.
    static constexpr std::uint32_t kFirstRepeatMs = 1200;
    static constexpr std::uint32_t kFastestRepeatMs = 37;

    CSpinner();
    explicit CSpinner(plat::Device* dev);
    CSpinner(const CSpinner&) = delete;
    CSpinner& operator=(const CSpinner&) = delete;

    int Create(plat::Device* dev);
    void OnLostDevice();
    void OnResetDevice(plat::Device* dev);

    void Reset();
    void Enable();
    void Disable();
    void SetValue(std::int32_t value);
    void SetMin(std::int32_t value);
    void SetMax(std::int32_t value);
    void SetStep(std::int32_t step); // set the maximum first
    void SetLabelLeft();
    void SetLabelAbove();
    std::int32_t GetValue() const { return m_value; }

    // The text shown for the current value: the number, unless a subclass
    // has words for it. Valid until the next call.
    virtual const char* GetValueText();

    int Draw(plat::Device* dev, int x, int y, int width);
    int DrawLabelled(plat::Device* dev, int x, int y, int width, const char* label);

    // Arms an arrow under the pointer; never reports a hit.
    bool OnMouseDown();
    // True when an arrow was clicked, or when holding an arrow changed the
    // value: owners then store the value.
    bool OnMouseUp();

    void OnTimer0() override; // auto-repeat while an arrow is held

    bool IsArrowHeld() const;

    // Fields, in order.
    CFinestra m_panel;
    CTesto m_label;
    CPulsante m_arrowUp;
    CPulsante m_arrowDown;
    CTesto m_valueText;
    std::int32_t m_value;
    std::int32_t m_min;
    std::int32_t m_max;
    std::int32_t m_step;
    std::uint8_t m_wrap;
    std::uint8_t m_enabled;
    // The value when an arrow was pressed, and whether one was.
    std::int32_t m_valueAtPress;
    std::uint8_t m_held;

private:
    void Settle(std::int64_t value); // the clamp or wrap rule
    void StepBy(int direction);      // one step up (1) or down (-1)
};
