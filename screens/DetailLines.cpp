#include "screens/DetailLines.h"

#include <string>

CDetailLines::CDetailLines()
{
    m_text.m_frameH = 14;
    m_text.m_weight = 400;
}

int CDetailLines::Create(plat::Device* dev)
{
    m_text.m_frameH = 14;
    m_text.m_weight = 400;
    m_small.m_frameH = 12;
    m_small.m_weight = 400;
    m_small.Create(dev);
    return m_text.Create(dev);
}

void CDetailLines::OnLostDevice()
{
    m_text.OnLostDevice();
    m_small.OnLostDevice();
}

void CDetailLines::OnResetDevice(plat::Device* dev)
{
    m_text.OnResetDevice(dev);
    m_small.OnResetDevice(dev);
}

void CDetailLines::Begin(int x, int y, int width)
{
    m_x = x;
    m_y = y;
    m_width = width;
}

void CDetailLines::Draw(plat::Device* dev, const char* text)
{
    // The small face sits one pixel lower, on the same line as its
    // neighbours' letters.
    if (m_width > 0 && m_text.MeasureWidth(text) > m_width && m_small.HasFont()) {
        m_small.SetColour(m_text.m_red, m_text.m_green, m_text.m_blue, m_text.m_alpha);
        m_small.DrawAt(dev, text, m_x, m_y + 1);
    } else {
        m_text.DrawAt(dev, text, m_x, m_y);
    }
}

void CDetailLines::Line(plat::Device* dev, const char* label, const char* value)
{
    std::string line = std::string(label ? label : "") + (value ? value : "");
    Draw(dev, line.c_str());
    m_y += kLineStep;
}

void CDetailLines::LineInt(plat::Device* dev, const char* label, int value)
{
    const std::string line = std::string(label ? label : "") + " " + std::to_string(value);
    Draw(dev, line.c_str());
    m_y += kLineStep;
}
