#include "shell/Oggetto.h"

#include "platform/Clock.h"

int g_nScreenW = 0;
int g_nScreenH = 0;
int g_nViewportW = 0;
int g_nViewportH = 0;

int GuiOffsetX(int viewportWidth) { return viewportWidth - 800 >= 1 ? (viewportWidth - 800) / 2 : 0; }
int GuiOffsetY(int viewportHeight) { return viewportHeight - 600 >= 1 ? (viewportHeight - 600) / 2 : 0; }

COggetto::COggetto()
    : m_top(0), m_bottom(0), m_left(0), m_right(0), m_screenW(0), m_screenH(0), m_x(0), m_y(0), m_depth(0.0f),
      m_flags{0, 0, 0}, m_savedX(0), m_savedY(0), m_savedDepth(0.0f), m_offsetX(0), m_offsetY(0), m_relative(0),
      m_frameH(0), m_frameW(0), m_timer{}
{
}

bool COggetto::Due(int k)
{
    Timer& t = m_timer[k];
    if (t.interval == 0)
        return false;
    if (t.last != 0 && std::uint32_t(plat::NowMs() - t.last) <= t.interval)
        return false;
    // Stamp before running, so an operation that polls itself does not run twice.
    t.last = plat::NowMs();
    return true;
}

void COggetto::RunTimer0()
{
    if (Due(0))
        OnTimer0();
}

void COggetto::RunTimer1()
{
    if (Due(1))
        OnTimer1();
}

void COggetto::RunTimer2()
{
    if (Due(2))
        OnTimer2();
}

void COggetto::RunTimer3()
{
    if (Due(3))
        OnTimer3();
}

void COggetto::RunTimer4()
{
    if (Due(4))
        OnTimer4();
}

void COggetto::ResetTimers()
{
    std::uint32_t now = plat::NowMs();
    for (Timer& t : m_timer)
        t.last = now;
}

int COggetto::GetScreenWidth() const { return g_nViewportW ? g_nViewportW : g_nScreenW; }
int COggetto::GetScreenHeight() const { return g_nViewportH ? g_nViewportH : g_nScreenH; }

void COggetto::InitScreen()
{
    m_screenW = g_nScreenW;
    m_screenH = g_nScreenH;
    m_offsetX = GuiOffsetX(GetScreenWidth());
    m_offsetY = GuiOffsetY(GetScreenHeight());
    m_top = 0;
    m_bottom = m_screenH;
    m_left = 0;
    m_right = m_screenW;
}

void COggetto::SetX(int value) { m_x = value < m_left ? m_left : (value < m_right ? value : m_right); }

void COggetto::SetY(int value) { m_y = value < m_top ? m_top : (value < m_bottom ? value : m_bottom); }
