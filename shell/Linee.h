#pragma once
// Line drawing through a caller's line drawer: polylines flat over the scene
// (2D) or at a depth of the 3D scene (3D), and the fishing line hanging
// between its ends.
#include "shell/Graphics.h"

// 2D: the points as they are, at depth 0. 3D: the points are placed in the
// scene at depth z (at most 50 of them) so that nearer 3D objects hide them.
void DrawPolyline(plat::Device* dev, plat::LineDrawer* line, const plat::Vec2* points, int count, float red,
                  float green, float blue, float alpha, float width, bool use3D, float z);

// In 3D with slack > 0: an 11-point curve from the upper to the lower end
// (the two ends are swapped in the caller's array when the last is the
// upper one), sagging by slack (clamped to 0..1). Otherwise DrawPolyline.
void DrawSaggingLine(plat::Device* dev, plat::LineDrawer* line, plat::Vec2* points, int count, float red,
                     float green, float blue, float alpha, float width, bool use3D, float z, float slack);

// The 11 points of the hanging curve between p0 (upper) and p1.
void SaggingCurve(const plat::Vec2& p0, const plat::Vec2& p1, float slack, plat::Vec2 out[11]);
