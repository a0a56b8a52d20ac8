#include "simulation/tackle/RigView.h"

#include <cmath>

namespace {

// Raised to the next whole number in single precision, then cut to an integer.
int Up(float v) { return int(std::ceil(v)); }

int Clamp(int v, int lo, int hi) { return v < lo ? lo : (v > hi ? hi : v); }

} // namespace

int CRigView::LineUnits() const { return m_line ? int(*m_line) : 0; }

int CRigView::DrawnHeight() const { return Clamp(Up(float(m_extent) * m_scale), 0, kHeight); }

int CRigView::GetLineAtViewBottom() const { return LineUnits() - m_origin - m_extent; }

int CRigView::GetRulerValue(int offset) const
{
    const int v = Up(float(offset) / m_scale);
    return m_fromHook == 1 ? LineUnits() - v - m_origin : v + m_origin;
}

int CRigView::GetLineAtMouse(int mouseY) const
{
    return Up(float(m_top + DrawnHeight() - mouseY) / m_scale) + GetLineAtViewBottom();
}

int CRigView::MapLineToViewY(int position) const
{
    const int d = LineUnits() - position;
    if (d < m_origin || d > m_origin + m_extent)
        return -1;
    return m_top + Clamp(Up(float(d - m_origin) * m_scale), 0, kHeight);
}

bool CRigView::IsInRigView(int position) const
{
    const int d = LineUnits() - position;
    return m_origin <= d && d <= m_origin + m_extent;
}

void CRigView::ResetViewOrigin()
{
    const int origin = LineUnits() - Up(float(kHeight) / m_scale);
    m_origin = origin > 0 ? origin : 0;
}

void CRigView::UpdateExtent()
{
    const int pixels = Clamp(Up(float(LineUnits() - m_origin) * m_scale), 0, kHeight);
    m_extent = Up(float(pixels) / m_scale);
}

bool CRigView::IsLabelShown(int offset) const
{
    return m_fromHook != 1 || LineUnits() - m_origin - Up(float(offset) / m_scale) >= 0;
}

void CRigView::ScrollDown()
{
    if (m_origin + m_extent < LineUnits()) {
        const int origin = m_origin + kScrollStep;
        m_origin = origin > 0 ? origin : 0;
        m_extent += kScrollStep;
    }
}

void CRigView::ScrollUp()
{
    if (m_origin > 0) {
        const int origin = m_origin - kScrollStep;
        m_origin = origin > 0 ? origin : 0;
    }
}

void CRigView::ZoomIn()
{
    const float s = m_scale + kScaleStep;
    m_scale = s > kMaxScale ? kMaxScale : (s < kMinScale ? kMinScale : s);
}

void CRigView::ZoomOut()
{
    const float s = m_scale - kScaleStep;
    m_scale = s > kMaxScale ? kMaxScale : (s < kMinScale ? kMinScale : s);
}
