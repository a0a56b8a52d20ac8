#include "gui/Testo.h"

#include <cstdio>

CTesto::CTesto()
{
    Init();
}

CTesto::~CTesto()
{
    Init();
}

void CTesto::Init()
{
    m_font.reset();
    m_frameH = 15;
    m_weight = 700;
    m_red = m_green = m_blue = m_alpha = 1.0f;
    m_format = 0;
    m_relative = 1;
}

int CTesto::Create(plat::Device* dev)
{
    InitScreen();
    m_font.reset();
    if (!dev)
        return plat::kInvalidCall;
    int st = plat::kOk;
    m_font = dev->CreateFont("Arial", m_frameH, m_frameW, m_weight, &st);
    return st;
}

void CTesto::OnLostDevice()
{
    m_font.reset();
}

void CTesto::OnResetDevice(plat::Device* dev)
{
    Create(dev);
}

namespace {

CTesto::Probe g_probe;

} // namespace

void CTesto::SetProbe(Probe probe) { g_probe = std::move(probe); }

int CTesto::Draw(plat::Device*, const char* text, int x, int y, int width, int height)
{
    if (m_relative == 1) {
        x += m_offsetX;
        y += m_offsetY;
    }
    if (!m_font || !text)
        return 0;
    const plat::Argb colour = plat::PackArgbRounded(m_alpha, m_red, m_green, m_blue);
    plat::Rect rect;
    unsigned format = m_format;
    if (width == 0 && height == 0) {
        rect = {x, y, 0, 0};
        format |= plat::kTextNoClip;
    } else {
        if (height == 0)
            height = m_frameH;
        rect = {x, y, x + width, y + height};
        format |= plat::kTextWordBreak;
    }
    int laidOut = m_font->DrawText(text, -1, rect, format, colour);
    if (g_probe)
        g_probe({text, x, y, width, height, m_font->MeasureWidth(text), laidOut, m_font->Height()});
    return laidOut;
}

int CTesto::DrawAt(plat::Device* dev, const char* text, int x, int y)
{
    return Draw(dev, text, x, y, 0, 0);
}

namespace {

char g_buffer[2049];

const char* Joined(const char* a, const char* b)
{
    std::snprintf(g_buffer, sizeof g_buffer, "%s%s", a ? a : "", b ? b : "");
    return g_buffer;
}

const char* WithInt(const char* a, int v)
{
    std::snprintf(g_buffer, sizeof g_buffer, "%s %d", a ? a : "", v);
    return g_buffer;
}

const char* WithFloat(const char* a, float v)
{
    std::snprintf(g_buffer, sizeof g_buffer, "%s %0.2f", a ? a : "", double(v));
    return g_buffer;
}

} // namespace

int CTesto::DrawJoined(plat::Device* dev, const char* a, const char* b, int x, int y)
{
    return Draw(dev, Joined(a, b), x, y, 0, 0);
}

int CTesto::DrawJoinedRect(plat::Device* dev, const char* a, const char* b, int x, int y, int width, int height)
{
    return Draw(dev, Joined(a, b), x, y, width, height);
}

int CTesto::DrawWithInt(plat::Device* dev, const char* text, int value, int x, int y)
{
    return Draw(dev, WithInt(text, value), x, y, 0, 0);
}

int CTesto::DrawWithIntRect(plat::Device* dev, const char* text, int value, int x, int y, int width, int height)
{
    return Draw(dev, WithInt(text, value), x, y, width, height);
}

int CTesto::DrawWithFloat(plat::Device* dev, const char* text, float value, int x, int y)
{
    return Draw(dev, WithFloat(text, value), x, y, 0, 0);
}

int CTesto::DrawWithFloatRect(plat::Device* dev, const char* text, float value, int x, int y, int width,
                              int height)
{
    return Draw(dev, WithFloat(text, value), x, y, width, height);
}
