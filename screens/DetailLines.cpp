#include "screens/DetailLines.h"

CDetailLines::CDetailLines()
{
    m_text.m_frameH = 14;
    m_text.m_weight = 400;
}

int CDetailLines::Create(plat::Device* dev)
{
    m_text.m_frameH = 14;
    m_text.m_weight = 400;
    return m_text.Create(dev);
}

void CDetailLines::OnLostDevice() { m_text.OnLostDevice(); }

void CDetailLines::OnResetDevice(plat::Device* dev) { m_text.OnResetDevice(dev); }

void CDetailLines::Begin(int x, int y)
{
    m_x = x;
    m_y = y;
}

void CDetailLines::Line(plat::Device* dev, const char* label, const char* value)
{
    m_text.DrawJoined(dev, label, value, m_x, m_y);
    m_y += kLineStep;
}

void CDetailLines::LineInt(plat::Device* dev, const char* label, int value)
{
    m_text.DrawWithInt(dev, label, value, m_x, m_y);
    m_y += kLineStep;
}
