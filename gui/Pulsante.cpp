#include "gui/Pulsante.h"

namespace {

// The normal look is cyan-tinted; the toggled one keeps its own warm colours.
constexpr float kLookAlpha = 0.9f;
constexpr float kDisabledAlpha = 0.3f;

void SetUpLook(CSprite& look, float r, float g, float b)
{
    look.m_alpha = kLookAlpha;
    look.m_red = r;
    look.m_green = g;
    look.m_blue = b;
    look.m_anchorX = 0;
    look.m_anchorY = 0;
    look.m_relative = 1;
}

} // namespace

CPulsante::CPulsante() : m_shown(1), m_state(kNormal), m_toggled(0) {}

int CPulsante::Create(plat::Device* dev)
{
    InitScreen();
    m_normalLook.Reset(dev);
    m_normalLook.CreateFromResource(dev, kBitmapButton, 130, 25);
    SetUpLook(m_normalLook, 0.6f, 0.89f, 0.89f);
    m_toggledLook.Reset(dev);
    const int result = m_toggledLook.CreateFromResource(dev, kBitmapButtonToggled, 130, 25);
    SetUpLook(m_toggledLook, 1.0f, 1.0f, 1.0f);

    m_frame.Create(dev);
    m_frame.m_row = 0;

    m_icons.Reset(dev);
    m_icons.CreateFromResource(dev, kBitmapIcons, 270, 16);
    m_icons.m_frameW = 15;
    m_icons.m_frameH = 16;
    m_icons.m_alpha = 1.0f;
    m_icons.m_relative = 1;

    m_frameW = 20;
    m_frameH = 20;
    m_caption.Create(dev);
    m_state = kNormal;
    m_toggled = 0;
    m_shown = 1;
    return result;
}

void CPulsante::OnLostDevice()
{
    m_normalLook.OnLostDevice();
    m_toggledLook.OnLostDevice();
    m_frame.OnLostDevice();
    m_icons.OnLostDevice();
    m_caption.OnLostDevice();
}

void CPulsante::OnResetDevice(plat::Device* dev)
{
    m_normalLook.OnResetDevice(dev);
    m_toggledLook.OnResetDevice(dev);
    m_frame.OnResetDevice(dev);
    m_icons.OnResetDevice(dev);
    m_caption.OnResetDevice(dev);
}

int CPulsante::SizeW(int width)
{
    if (width < 20)
        return 20;
    const int w = width < 130 ? width : 130;
    return w - w % 5;
}

int CPulsante::SizeH(int height)
{
    if (height < 21)
        return 20;
    const int h = height < 25 ? height : 25;
    return h - h % 5;
}

int CPulsante::Place(plat::Device* dev, int x, int y, int width, int height, bool iconButton)
{
    const int w = SizeW(width);
    const int h = SizeH(height);
    m_frameW = w;
    m_frameH = h;

    int shiftX = 1;
    int shiftY = 0;
    if (m_state == kDisabled) {
        m_normalLook.m_alpha = kDisabledAlpha;
        m_toggledLook.m_alpha = kDisabledAlpha;
        m_normalLook.m_rotation = 0.0f;
    } else {
        m_normalLook.m_alpha = kLookAlpha;
        m_toggledLook.m_alpha = kLookAlpha;
        if (m_state == kPressed) {
            // Turning the gradient upside down makes the bar look pushed in.
            m_normalLook.m_rotation = 180.0f;
            shiftX = 2;
            shiftY = iconButton ? 1 : 0;
        } else {
            m_normalLook.m_rotation = 0.0f;
        }
    }

    int result = 0;
    if (m_shown) {
        if (m_toggled == 1) {
            m_toggledLook.m_frameW = w - 1;
            m_toggledLook.m_frameH = h - 1;
            m_toggledLook.DrawAt(dev, x + 1, y + 1);
        } else {
            m_normalLook.m_frameW = w - 1;
            m_normalLook.m_frameH = h - 1;
            m_normalLook.DrawAt(dev, x + shiftX, y + 1 + shiftY);
        }
        result = m_frame.Draw(dev, x, y, w, h);
    }
    SetX(x + m_offsetX);
    SetY(y + m_offsetY);
    return result;
}

int CPulsante::DrawCaptionRect(plat::Device* dev, int x, int y, int width, int height, const char* caption)
{
    if (!m_shown)
        return 0;
    const int result = Place(dev, x, y, width, height, false);
    const int d = (m_state == kPressed || m_toggled == 1) ? 1 : 0;
    if (m_state == kDisabled)
        m_caption.SetColour(0.5f, 0.5f, 0.5f, 1.0f);
    else
        m_caption.SetColour(1.0f, 1.0f, 1.0f, 1.0f);
    // A centred caption is centred in the whole button; others keep a margin.
    // Either way it is laid out on the face as drawn (at most 130 wide), so
    // a caption longer than the face shows as one.
    const int margin = (m_caption.m_format & plat::kTextCentre) ? 0 : 5;
    m_caption.Draw(dev, caption ? caption : "", x + d + margin, y + 5 + d, SizeW(width) - margin, height);
    return result;
}

int CPulsante::DrawCaptionW(plat::Device* dev, int x, int y, int width, const char* caption)
{
    return DrawCaptionRect(dev, x, y, width, 25, caption);
}

int CPulsante::DrawCaption(plat::Device* dev, int x, int y, const char* caption)
{
    return DrawCaptionRect(dev, x, y, 130, 25, caption);
}

int CPulsante::DrawIcon(plat::Device* dev, int x, int y, int icon)
{
    if (!m_shown)
        return 0;
    m_icons.m_alpha = m_state == kDisabled ? kDisabledAlpha : 1.0f;
    const int result = Place(dev, x, y, 20, 21, true);
    const int d = (m_state == kPressed || m_toggled == 1) ? 1 : 0;
    // An icon outside the strip would show the picture's edge; keep to it.
    m_icons.m_column = icon < 0 ? 0 : (icon >= kIconCount ? kIconCount - 1 : icon);
    m_icons.DrawAt(dev, x + 10 + d, y + 10 + d);
    return result;
}

// The pixels the button covers: x .. x + width - 1. Buttons side by side
// (the tool bar's, 20 apart) meet without sharing a pixel, so one press
// never arms two of them.
bool CPulsante::IsMouseInside() const
{
    return g_pointer.x >= m_x && g_pointer.x < m_x + m_frameW && g_pointer.y >= m_y && g_pointer.y < m_y + m_frameH;
}

bool CPulsante::OnMouseDown()
{
    if (!m_shown || m_state == kDisabled)
        return false;
    if (!IsMouseInside())
        return false;
    m_state = kPressed;
    m_toggled = 0;
    return true;
}

bool CPulsante::OnMouseUp()
{
    if (m_state == kDisabled)
        return false;
    const bool click = m_shown && m_state == kPressed && IsMouseInside();
    m_state = kNormal;
    return click;
}

void CPulsante::Enable(bool enable)
{
    if (!enable)
        m_state = kDisabled;
    else if (m_state == kDisabled)
        m_state = kNormal;
}

// ---------------------------------------------------------------------------

CToolBox::CToolBox() : m_pending(0) {}

int CToolBox::Create(plat::Device* dev)
{
    InitScreen();
    for (CPulsante& b : m_buttons) {
        b.Create(dev);
        b.m_shown = 1;
        b.m_frame.m_row = 0;
    }
    m_pending = 0;
    return 0;
}

void CToolBox::OnLostDevice()
{
    for (CPulsante& b : m_buttons)
        b.OnLostDevice();
}

void CToolBox::OnResetDevice(plat::Device* dev)
{
    for (CPulsante& b : m_buttons)
        b.OnResetDevice(dev);
}

int CToolBox::IconOf(int button, bool pending)
{
    // Buttons 11 and 12 repeat the delete and add icons of 9 and 10.
    static const int icons[kButtons] = {0, 1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 10, 11, 16};
    if (button == kPendingButton)
        return pending ? 2 : 3;
    return (button >= 0 && button < kButtons) ? icons[button] : 0;
}

int CToolBox::Draw(plat::Device* dev, int x, int y)
{
    int left = x;
    for (int i = 0; i < kButtons; ++i) {
        CPulsante& b = m_buttons[i];
        if (!b.m_shown)
            continue;
        b.DrawIcon(dev, left, y, IconOf(i, m_pending == 1));
        left += 20;
    }
    return 0;
}

bool CToolBox::OnMouseDown()
{
    bool hit = false;
    for (int i = 0; i < kButtons; ++i) {
        if (i == kPendingButton && m_pending != 1)
            continue;
        if (m_buttons[i].OnMouseDown())
            hit = true;
    }
    return hit;
}

bool CToolBox::OnToggleMouseUp()
{
    if (m_pending == 1 && m_buttons[kPendingButton].OnMouseUp()) {
        m_pending = 0;
        return true;
    }
    return false;
}
