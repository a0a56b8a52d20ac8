#include "gui/Testo.h"

#include <cstdio>
#include <string>

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
std::vector<plat::Rect> g_panels;

// The last panel noted that holds the point, else the window.
plat::Rect AreaAt(int x, int y)
{
    for (auto it = g_panels.rbegin(); it != g_panels.rend(); ++it)
        if (x >= it->left && x < it->right && y >= it->top && y < it->bottom)
            return *it;
    return {0, 0, g_nScreenW, g_nScreenH};
}

} // namespace

void CTesto::SetProbe(Probe probe)
{
    g_probe = std::move(probe);
    g_panels.clear();
}

void CTesto::NotePanel(const plat::Rect& area)
{
    if (g_probe)
        g_panels.push_back(area);
}

const std::vector<plat::Rect>& CTesto::NotedPanels() { return g_panels; }

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
        g_probe({text, x, y, width, height, m_font->MeasureWidth(text), laidOut, m_font->Height(), m_format,
                 AreaAt(x, y)});
    return laidOut;
}

int CTesto::MeasureWidth(const char* text) const { return m_font && text ? m_font->MeasureWidth(text) : 0; }

int CTesto::MeasureWrappedHeight(const char* text, int width) const
{
    return m_font && text ? m_font->MeasureWrappedHeight(text, width) : 0;
}

int CTesto::DrawShortened(plat::Device* dev, const char* text, int x, int y, int width)
{
    if (!text || !m_font || m_font->MeasureWidth(text) <= width)
        return Draw(dev, text, x, y, width, 0);
    static const char kEllipsis[] = "...";
    std::string cut(text);
    // Whole words first; a first word too long is cut letter by letter.
    while (!cut.empty()) {
        const std::size_t space = cut.find_last_of(' ');
        if (space == std::string::npos)
            break;
        cut.erase(space);
        while (!cut.empty() && (cut.back() == ' ' || cut.back() == '-' || cut.back() == ',' || cut.back() == ':'))
            cut.pop_back();
        if (m_font->MeasureWidth((cut + kEllipsis).c_str()) <= width)
            return Draw(dev, (cut + kEllipsis).c_str(), x, y, width, 0);
    }
    cut = text;
    while (!cut.empty() && m_font->MeasureWidth((cut + kEllipsis).c_str()) > width)
        cut.pop_back();
    return Draw(dev, (cut + kEllipsis).c_str(), x, y, width, 0);
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
