#include "gui/Spinner.h"

#include "shell/Utility.h"

CSpinner::CSpinner()
    : m_value(0), m_min(0), m_max(0), m_step(1), m_wrap(0), m_enabled(1), m_valueAtPress(0), m_held(0)
{
}

CSpinner::CSpinner(plat::Device* dev) : CSpinner() { Create(dev); }

int CSpinner::Create(plat::Device* dev)
{
    InitScreen();
    m_panel.Create(dev);
    m_panel.m_bordo.m_row = 0;
    m_arrowUp.Create(dev);
    m_arrowUp.m_frame.m_row = 0;
    m_arrowDown.Create(dev);
    m_arrowDown.m_frame.m_row = 0;
    m_valueText.m_weight = 400;
    m_valueText.Create(dev);
    m_label.m_frameH = 14;
    m_label.Create(dev);
    SetLabelLeft();
    Reset();
    m_timer[0].interval = kFirstRepeatMs;
    m_held = 0;
    return 0;
}

void CSpinner::OnLostDevice()
{
    m_panel.OnLostDevice();
    m_label.OnLostDevice();
    m_arrowUp.OnLostDevice();
    m_arrowDown.OnLostDevice();
    m_valueText.OnLostDevice();
}

void CSpinner::OnResetDevice(plat::Device* dev)
{
    m_panel.OnResetDevice(dev);
    m_label.OnResetDevice(dev);
    m_arrowUp.OnResetDevice(dev);
    m_arrowDown.OnResetDevice(dev);
    m_valueText.OnResetDevice(dev);
}

void CSpinner::Reset()
{
    m_value = 0;
    m_min = 0;
    m_max = 0;
    m_step = 1;
    m_wrap = 0;
    Enable();
}

void CSpinner::Enable()
{
    m_enabled = 1;
    m_arrowUp.m_state = CPulsante::kNormal;
    m_arrowDown.m_state = CPulsante::kNormal;
}

void CSpinner::Disable()
{
    m_enabled = 0;
    m_arrowUp.m_state = CPulsante::kDisabled;
    m_arrowDown.m_state = CPulsante::kDisabled;
}

void CSpinner::SetValue(std::int32_t value) { Settle(value); }

void CSpinner::Settle(std::int64_t value)
{
    if (m_wrap) {
        if (value > m_max)
            value = m_min;
        else if (value < m_min)
            value = m_max;
    } else {
        if (value > m_max)
            value = m_max;
        if (value < m_min)
            value = m_min;
    }
    m_value = static_cast<std::int32_t>(value);
}

// Worked out wide, so a step past either end of the integer range still
// clamps or wraps instead of overflowing.
void CSpinner::StepBy(int direction) { Settle(std::int64_t(m_value) + std::int64_t(direction) * m_step); }

void CSpinner::SetMin(std::int32_t value)
{
    m_min = value;
    SetValue(m_value);
}

void CSpinner::SetMax(std::int32_t value)
{
    m_max = value;
    SetValue(m_value);
}

void CSpinner::SetStep(std::int32_t step)
{
    if (step > m_max)
        step = m_max;
    // Never negative: a negative step would turn the arrows round.
    if (step < 0)
        step = 0;
    m_step = step;
}

void CSpinner::SetLabelLeft() { m_label.m_format = kLabelLeft; }

void CSpinner::SetLabelAbove() { m_label.m_format = kLabelAbove; }

const char* CSpinner::GetValueText() { return IntToText(m_value); }

int CSpinner::Draw(plat::Device* dev, int x, int y, int width) { return DrawLabelled(dev, x, y, width, ""); }

int CSpinner::DrawLabelled(plat::Device* dev, int x, int y, int width, const char* label)
{
    SetX(x);
    SetY(y);
    if (m_enabled == 1 && m_wrap == 0) {
        m_arrowUp.Enable(m_value != m_max);
        m_arrowDown.Enable(m_value != m_min);
    } else if (m_enabled == 1) {
        // A wrapping spinner has no end to stop at: arrows disabled while it
        // did not wrap come back.
        m_arrowUp.Enable(true);
        m_arrowDown.Enable(true);
    }
    m_panel.Draw(dev, x, y, width, 26);
    const int pw = m_panel.m_frameW;
    m_arrowUp.DrawIcon(dev, x + pw, y, kIconSpinUp);
    m_arrowDown.DrawIcon(dev, x + pw + m_arrowUp.m_frameW, y, kIconSpinDown);

    m_valueText.Draw(dev, GetValueText(), x + 5, y + 2, width - 5, 0);

    int result;
    if (m_label.m_format == kLabelLeft)
        result = m_label.Draw(dev, label ? label : "", x - 125, y + 2, 120, 0);
    else
        result = m_label.Draw(dev, label ? label : "", x + 2, y - 14, 360, 0);

    if (!IsArrowHeld())
        m_timer[0].interval = kFirstRepeatMs;
    RunTimer0();
    return result;
}

bool CSpinner::IsArrowHeld() const
{
    return m_arrowUp.m_state == CPulsante::kPressed || m_arrowDown.m_state == CPulsante::kPressed;
}

bool CSpinner::OnMouseDown()
{
    ResetTimers();
    m_timer[0].interval = kFirstRepeatMs;
    m_arrowUp.OnMouseDown();
    m_arrowDown.OnMouseDown();
    m_held = IsArrowHeld() ? 1 : 0;
    m_valueAtPress = m_value;
    return false;
}

bool CSpinner::OnMouseUp()
{
    bool clicked = false;
    if (m_arrowUp.OnMouseUp()) {
        StepBy(1);
        clicked = true;
    }
    if (m_arrowDown.OnMouseUp()) {
        StepBy(-1);
        clicked = true;
    }
    // Holding an arrow may have changed the value although the release
    // reports no click: it landed off the arrow, or the arrow was disabled
    // on reaching the end of the range. The owner must still store it.
    const bool changedByHold = m_held && m_value != m_valueAtPress;
    m_held = 0;
    return clicked || changedByHold;
}

void CSpinner::OnTimer0()
{
    const bool up = m_arrowUp.m_state == CPulsante::kPressed;
    const bool down = m_arrowDown.m_state == CPulsante::kPressed;
    if (!up && !down)
        return;
    if (up)
        StepBy(1);
    if (down)
        StepBy(-1);
    if (m_timer[0].interval >= 51)
        m_timer[0].interval /= 2;
}
