#include "gui/Finestra.h"

#include <algorithm>

CFinestra::CFinestra()
    : m_alpha(0.8f), m_overrideRed(-1), m_overrideGreen(-1), m_overrideBlue(-1), m_overrideOn(0)
{
}

int CFinestra::Create(plat::Device* dev)
{
    InitScreen();
    if (!g_sprPanelBackground.HasDrawer() && !g_sprPanelBackground.m_deviceLost) {
        g_sprPanelBackground.Reset(dev);
        g_sprPanelBackground.CreateFromResource(dev, kBitmapPanelBackground, g_nScreenW, g_nScreenH);
    }
    m_overrideRed = m_overrideGreen = m_overrideBlue = -1;
    m_overrideOn = 0;
    m_relative = 1;
    m_frameW = 0;
    m_frameH = 0;
    m_alpha = 0.8f;
    g_sprPanelBackground.m_red = 0.35f;
    g_sprPanelBackground.m_green = 0.45f;
    g_sprPanelBackground.m_blue = 0.65f;
    m_bordo.Create(dev);
    m_bordo.m_row = 0;
    int r = m_title.Create(dev);
    m_title.SetColour(1, 1, 1, 1);
    m_smallTitle.m_frameH = 13;
    m_smallTitle.Create(dev);
    return r;
}

int CFinestra::Draw(plat::Device* dev, int x, int y, int width, int height)
{
    const int W = std::clamp(width, 0, std::max(0, m_screenW)) / 5 * 5 - 5;
    const int H = std::clamp(height, 0, std::max(0, m_screenH)) / 5 * 5 - 5;
    m_frameW = W;
    m_frameH = H;
    CSprite& bg = g_sprPanelBackground;
    bg.m_frameW = W;
    bg.m_frameH = H;
    bg.m_alpha = m_alpha;
    float saved[3] = {bg.m_red, bg.m_green, bg.m_blue};
    if (m_overrideOn == 1) {
        bg.m_red = m_overrideRed;
        bg.m_green = m_overrideGreen;
        bg.m_blue = m_overrideBlue;
    }
    const int ox = m_relative == 1 ? m_offsetX : 0, oy = m_relative == 1 ? m_offsetY : 0;
    int r = bg.DrawAt(dev, x + 1 + W / 2 + ox, y + H / 2 + oy);
    if (m_overrideOn == 1) {
        bg.m_red = saved[0];
        bg.m_green = saved[1];
        bg.m_blue = saved[2];
    }
    m_x = bg.m_x;
    m_y = bg.m_y;
    m_bordo.Draw(dev, x, y, W, H);
    CTesto::NotePanel({x + ox, y + oy, x + ox + W, y + oy + H});
    return r;
}

int CFinestra::DrawTitled(plat::Device* dev, int x, int y, int width, int height, const char* title)
{
    int r = Draw(dev, x, y, width, height);
    // The title's room ends a few pixels inside the panel's right frame.
    const int room = m_frameW - 8;
    if (m_title.MeasureWidth(title) > room && m_smallTitle.HasFont()) {
        m_smallTitle.SetColour(m_title.m_red, m_title.m_green, m_title.m_blue, m_title.m_alpha);
        m_smallTitle.m_relative = m_title.m_relative;
        m_smallTitle.DrawAt(dev, title, x + 5, y + 3);
    } else {
        m_title.DrawAt(dev, title, x + 5, y + 2);
    }
    m_bordo.Draw(dev, x, y, width - 5, std::min(height, 20));
    return r;
}

void CFinestra::OnLostDevice()
{
    if (!g_sprPanelBackground.m_deviceLost)
        g_sprPanelBackground.OnLostDevice();
    m_bordo.OnLostDevice();
    m_title.OnLostDevice();
    m_smallTitle.OnLostDevice();
}

void CFinestra::OnResetDevice(plat::Device* dev)
{
    if (g_sprPanelBackground.m_deviceLost)
        g_sprPanelBackground.OnResetDevice(dev);
    m_bordo.OnResetDevice(dev);
    m_title.OnResetDevice(dev);
    m_smallTitle.OnResetDevice(dev);
}

bool CFinestra::IsMouseOver() const
{
    const int left = m_x - m_frameW / 2, top = m_y - m_frameH / 2;
    return g_pointer.x >= left && g_pointer.x <= left + m_frameW && g_pointer.y >= top && g_pointer.y <= top + m_frameH;
}

void CFinestra::SetColour(float red, float green, float blue)
{
    m_overrideRed = red;
    m_overrideGreen = green;
    m_overrideBlue = blue;
    m_overrideOn = 1;
}

void CFinestra::SetRelative(std::uint8_t flag)
{
    m_relative = flag;
    m_bordo.m_relative = flag;
    m_title.m_relative = flag;
}
