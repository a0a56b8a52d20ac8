#include "shell/Linee.h"

#include <algorithm>
#include <utility>

namespace {

// Places screen points at depth z of the 3D scene and draws them back
// through view and projection, so that they land where the 2D line would
// and nearer 3D objects hide them.
void Draw3D(plat::Device* dev, plat::LineDrawer* line, const plat::Vec2* points, int count, plat::Argb colour,
            float width, float z)
{
    count = std::min(count, 50);
    if (count < 1)
        return;
    const plat::SceneState& scene = dev->Scene();
    const plat::Matrix world = plat::MatrixIdentity();
    plat::Vec3 placed[50];
    for (int i = 0; i < count; ++i)
        placed[i] = plat::Vec3Unproject({points[i].x, points[i].y, z}, dev->GetViewport(), scene.projection,
                                        scene.view, world);
    const plat::Matrix m = plat::MatrixMultiply(plat::MatrixMultiply(world, scene.view), scene.projection);
    line->SetWidth(width);
    line->Begin();
    line->DrawTransform(placed, count, m, colour);
    line->End();
}

} // namespace

void DrawPolyline(plat::Device* dev, plat::LineDrawer* line, const plat::Vec2* points, int count, float red,
                  float green, float blue, float alpha, float width, bool use3D, float z)
{
    if (!dev || !line || !points)
        return;
    const plat::Argb colour = plat::PackArgb(alpha, red, green, blue);
    if (use3D) {
        Draw3D(dev, line, points, count, colour, width, z);
        return;
    }
    line->SetWidth(width);
    line->Begin();
    line->Draw(points, count, colour);
    line->End();
}

void SaggingCurve(const plat::Vec2& p0, const plat::Vec2& p1, float slack, plat::Vec2 out[11])
{
    const float dx = p1.x - p0.x, dy = p1.y - p0.y;
    const float s = std::clamp(slack, 0.0f, 1.0f);
    for (int i = 0; i <= 10; ++i) {
        const float ys = p0.y + i * dy / 10.0f;
        const float yp = p0.y + float(i * i) * dy / 100.0f;
        out[i] = {p0.x + i * dx / 10.0f, ys + s * (ys - yp)};
    }
}

void DrawSaggingLine(plat::Device* dev, plat::LineDrawer* line, plat::Vec2* points, int count, float red,
                     float green, float blue, float alpha, float width, bool use3D, float z, float slack)
{
    if (!use3D || slack <= 0 || count < 2 || !points) {
        DrawPolyline(dev, line, points, count, red, green, blue, alpha, width, use3D, z);
        return;
    }
    if (!dev || !line)
        return;
    if (points[count - 1].y < points[0].y)
        std::swap(points[0], points[count - 1]);
    plat::Vec2 curve[11];
    SaggingCurve(points[0], points[count - 1], slack, curve);
    Draw3D(dev, line, curve, 11, plat::PackArgb(alpha, red, green, blue), width, z);
}
