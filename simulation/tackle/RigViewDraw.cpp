// The rig's parts in the tackle box's rig view: each draws itself at the
// view's x and the rows the view gives for its line positions, and the
// player drags the leader, the droppers, the float and the shots there.
#include "shell/Graphics.h"
#include "simulation/tackle/CannaPesca.h"
#include "simulation/tackle/RigView.h"

#include <cmath>

namespace {

plat::Argb LineColour(const float colour[4])
{
    return plat::PackArgbRounded(colour[3], colour[0], colour[1], colour[2]);
}

void DrawSegment(plat::LineDrawer* line, float x0, float y0, float x1, float y1, plat::Argb colour)
{
    if (!line || !line->IsLive())
        return;
    const plat::Vec2 pts[2] = {{x0, y0}, {x1, y1}};
    line->SetWidth(1.0f);
    line->Begin();
    line->Draw(pts, 2, colour);
    line->End();
}

// A drawer left from a device that is gone draws nothing: a new one is made.
void MakeLine(std::unique_ptr<plat::LineDrawer>& line, plat::Device* dev)
{
    if (dev && (!line || !line->IsLive())) {
        int st = 0;
        line = dev->CreateLineDrawer(&st);
    }
}

// A rig-view picture: absolute coordinates (the view's rows already hold
// the layout offset), one frame of a strip.
void LoadViewSprite(CSprite& sprite, plat::Device* dev, std::uint32_t bitmap, int w, int h, int frameW, int frameH)
{
    if (!dev)
        return;
    sprite.Reset(dev);
    LoadTackleBitmap(sprite, dev, bitmap, w, h);
    sprite.m_frameW = frameW;
    sprite.m_frameH = frameH;
    sprite.m_relative = 0;
    sprite.m_visible = 0;
}

} // namespace

// ---- hooks ------------------------------------------------------------------

void CAmo::LoadMarker(plat::Device* dev)
{
    CSprite& marker = m_marker;
    LoadViewSprite(marker, dev, kBitmapHookMarker, 90, 84, 15, 12);
    marker.m_anchorX = 1;
    marker.m_anchorY = 0;
}

int CAmo::DrawMarker(plat::Device* dev, int x, int position, const CRigView& view)
{
    if (!view.IsInRigView(position)) {
        m_marker.m_visible = 0;
        return 0;
    }
    m_marker.m_visible = 1;
    m_marker.m_column = m_markerColumn;
    m_marker.m_row = m_markerRow;
    return m_marker.DrawAt(dev, x, view.MapLineToViewY(position));
}

// ---- leader and droppers ----------------------------------------------------

void CFinale::LoadRigView(plat::Device* dev)
{
    LoadViewSprite(m_button, dev, kBitmapTerminalButton, 8, 11, 4, 11);
    MakeLine(m_line, dev);
}

int CFinale::DrawRigView(plat::Device* dev, int x, int width, bool segment, const CRigView& view,
                         const float colour[4])
{
    const int p = int(m_position);
    const int e = int(m_position + m_length);
    const int yp = view.MapLineToViewY(p);
    const int ye = view.MapLineToViewY(e);
    if (!m_inUse)
        return 0;
    if (segment && (view.IsInRigView(e) || view.IsInRigView(p))) {
        const float x0 = ye == -1 ? float(x + width / 2) : float(x);
        const float y0 = ye == -1 ? float(view.m_top) : float(ye);
        const float y1 = yp == -1 ? float(view.m_top + view.DrawnHeight()) : float(yp);
        DrawSegment(m_line.get(), x0, y0, float(x + width), y1, LineColour(colour));
    }
    if (view.IsInRigView(e)) {
        m_button.m_visible = 1;
        m_button.m_column = m_swivel == 1 ? 1 : 0;
        m_button.DrawAt(dev, x, ye);
    } else {
        m_button.m_visible = 0;
    }
    return m_hook.DrawMarker(dev, x + width, p, view);
}

// ---- main line --------------------------------------------------------------

int CLenza::DrawRigView(plat::Device* dev, int x, const CRigView& view)
{
    // The line's own points are where it lies in the session's water: a
    // paused session goes on from them, so the view draws from its own.
    const float opaque[4] = {m_colour[0], m_colour[1], m_colour[2], 1.0f};
    int result = 0;
    if (m_drawer && m_drawer->IsLive()) {
        const plat::Vec2 pts[2] = {{float(x), float(view.m_top)}, {float(x), float(view.m_top + view.DrawnHeight())}};
        m_drawer->SetWidth(1.0f);
        m_drawer->Begin();
        result = m_drawer->Draw(pts, 2, LineColour(opaque));
        m_drawer->End();
    }
    m_leader.DrawRigView(dev, x, 0, false, view, opaque);
    for (int i = 0; i < 2; ++i)
        if (m_droppers[i].m_inUse)
            m_droppers[i].DrawRigView(dev, x, 12 + 10 * i, true, view, opaque);
    return result;
}

bool CLenza::HitTest()
{
    // Every part takes its press test, so none keeps a stale hold.
    bool hit = m_leader.m_button.OnMouseDown();
    hit = m_leader.m_hook.m_marker.OnMouseDown() || hit;
    for (CFinale& d : m_droppers) {
        if (!d.m_inUse)
            continue;
        hit = d.m_hook.m_marker.OnMouseDown() || hit;
        hit = d.m_button.OnMouseDown() || hit;
    }
    return hit;
}

bool CLenza::UpdatePress(const CRigView& view, int mouseY)
{
    const int m = view.GetLineAtMouse(mouseY);
    bool handled = false;
    if (m_leader.m_button.UpdatePress()) {
        SetTerminalLength(float(m));
        handled = true;
    }
    if (m_leader.m_hook.m_marker.UpdatePress()) {
        SetLength(float(view.m_origin + view.m_extent - m), false);
        handled = true;
    }
    for (int i = 0; i < 2 && !handled; ++i) {
        CFinale& d = m_droppers[i];
        if (!d.m_inUse)
            continue;
        if (d.m_button.UpdatePress()) {
            MoveDropperKnot(i, float(m));
            handled = true;
        } else if (d.m_hook.m_marker.UpdatePress()) {
            MoveDropperHook(i, float(m));
            handled = true;
        }
    }
    return handled;
}

// ---- float ------------------------------------------------------------------

void CGalleggiante::LoadStopper(plat::Device* dev)
{
    CSprite& stopper = m_stopperPicture;
    LoadViewSprite(stopper, dev, kBitmapStopper, 11, 5, 11, 5);
    stopper.m_anchorX = 1;
    stopper.m_anchorY = 1;
}

void CGalleggiante::DrawRigView(plat::Device* dev, int x, const CRigView& view)
{
    m_depth = 0.0f;
    m_scale = 1.0f;
    m_frameH = 45;
    m_rotation = 0.0f;
    m_rampOn = 0;
    m_hot = 0;
    const int depth = m_position - 45;
    if (HasFloat() && view.IsInRigView(depth)) {
        m_visible = 1;
        // Placed directly: the float's clamp box is the scene's water band,
        // which the top of the rig view lies above.
        m_x = x;
        m_y = view.MapLineToViewY(depth);
        Draw(dev);
    } else {
        m_visible = 0;
    }
    if (IsSliding() && view.IsInRigView(m_stopper)) {
        m_stopperPicture.m_visible = 1;
        m_stopperPicture.DrawAt(dev, x, view.MapLineToViewY(m_stopper));
    } else {
        m_stopperPicture.m_visible = 0;
    }
}

// ---- shots ------------------------------------------------------------------

void CPiombo::LoadRigView(plat::Device* dev)
{
    for (int i = 0; i < kShotSlots; ++i) {
        LoadViewSprite(m_icons[i], dev, kBitmapShotIcons, 42, 9, 6, 9);
        LoadViewSprite(m_markers[i], dev, kBitmapShotMarkers, 44, 15, 11, 15);
        m_markers[i].m_anchorX = 1;
        m_markers[i].m_anchorY = 0;
    }
    MakeLine(m_line, dev);
}

int CPiombo::IconFrame(int slot) const
{
    const PiomboRecord& s = m_slots[slot];
    if (IsSliding(slot))
        return 5;
    if (s.kind == 1)
        return s.weight > 1000 ? 4 : 2;
    return s.weight <= 100 ? 0 : (s.weight <= 1000 ? 1 : 3);
}

int CPiombo::MarkerFrame(int slot) const
{
    const PiomboRecord& s = m_slots[slot];
    return (s.shape == 0 ? 2 : 0) + (s.weight > 3000 ? 1 : 0);
}

void CPiombo::DrawShotIcon(plat::Device* dev, int slot, int x, int y)
{
    CSprite& icon = m_icons[slot];
    icon.m_visible = 1;
    icon.DrawAt(dev, x, y);
}

void CPiombo::DrawSlidingShot(plat::Device* dev, int slot, int x, const CRigView& view)
{
    const int position = GetSlotPosition(slot);
    const int effective = GetSlotEffectivePosition(slot);
    // An end outside the view is drawn at the view's nearer edge.
    auto rowOf = [&view](int p) {
        const int y = view.MapLineToViewY(p);
        if (y != -1)
            return y;
        return view.LineUnits() - p < view.m_origin ? view.m_top : view.m_top + view.DrawnHeight();
    };
    const int yTop = rowOf(position);
    const int yEnd = rowOf(effective);
    const float* colour = m_rig ? m_rig->m_lenza.m_colour : nullptr;
    const float white[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    const float opaque[4] = {colour ? colour[0] : 1.0f, colour ? colour[1] : 1.0f, colour ? colour[2] : 1.0f, 1.0f};
    DrawSegment(m_line.get(), float(x - 3), float(yTop), float(x - 13), float(yEnd),
                LineColour(colour ? opaque : white));

    CSprite& marker = m_markers[slot];
    marker.m_column = MarkerFrame(slot);
    marker.m_visible = 1;
    if (GetSlotSwivelDistance(slot) == 0) {
        // Resting on the swivel, the sinker lies across the line.
        marker.m_rotation = 90.0f;
        marker.m_anchorX = 0;
        marker.m_anchorY = 1;
    } else {
        marker.m_rotation = 0.0f;
        marker.m_anchorX = 1;
        marker.m_anchorY = 0;
    }
    marker.DrawAt(dev, x - 13, yEnd);

    const int leaderJoin = m_rig ? int(m_rig->m_lenza.m_leader.m_length + m_rig->m_lenza.m_leader.m_position) : -1;
    if (position != leaderJoin && view.IsInRigView(position))
        DrawShotIcon(dev, slot, x, yTop);
}

void CPiombo::DrawRigView(plat::Device* dev, int x, const CRigView& view)
{
    for (int i = 0; i < kShotSlots; ++i) {
        m_icons[i].m_visible = 0;
        m_icons[i].m_scale = 1.0f;
        m_markers[i].m_visible = 0;
        m_markers[i].m_scale = 1.0f;
    }
    for (int i = 0; i < kShotSlots; ++i) {
        if (!IsOccupied(i))
            continue;
        if (!view.IsInRigView(GetSlotPosition(i)) && !view.IsInRigView(GetSlotEffectivePosition(i)))
            continue;
        m_icons[i].m_column = IconFrame(i);
        if (IsSliding(i))
            DrawSlidingShot(dev, i, x, view);
        else
            DrawShotIcon(dev, i, x, view.MapLineToViewY(GetSlotPosition(i)));
    }
}

bool CPiombo::HitTest(bool removeMode)
{
    for (int i = 0; i < kShotSlots; ++i) {
        const bool icon = m_icons[i].OnMouseDown();
        const bool marker = !icon && m_markers[i].OnMouseDown();
        if (!icon && !marker)
            continue;
        if (icon && removeMode) {
            m_icons[i].m_pressed = 0;
            RemoveShot(i);
        } else {
            m_detail = m_slots[i];
        }
        return true;
    }
    return false;
}

bool CPiombo::UpdatePress(const CRigView& view, int mouseY)
{
    const int m = view.GetLineAtMouse(mouseY);
    int dragged = -1;
    for (int i = 0; i < kShotSlots && dragged < 0; ++i) {
        if (IsOccupied(i) && m_icons[i].UpdatePress()) {
            ClampShotPosition(i, m);
            dragged = i;
        }
    }
    for (int i = 0; i < kShotSlots && dragged < 0; ++i) {
        if (IsOccupied(i) && m_markers[i].UpdatePress()) {
            ClampSwivelDistance(i, m_slots[i].position - m);
            dragged = i;
        }
    }
    if (dragged < 0)
        return false;
    m_detail = m_slots[dragged];
    if (m_rig)
        m_rig->SetFloatPosition(float(m_rig->m_galleggiante.m_position));
    return true;
}
