// The tackle box's rig view: where a line position lies on screen and which
// position lies under the mouse, at every zoom and scroll position.
#include "simulation/tackle/RigView.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

CRigView MakeView(float line, float scale, const float*& keep)
{
    static float length;
    length = line;
    keep = &length;
    CRigView v;
    v.SetLine(&length);
    v.m_scale = scale;
    v.m_top = 80;
    v.ResetViewOrigin();
    v.UpdateExtent();
    return v;
}

TEST(RigViewTest, OriginExtentAndRulerAfterAReset)
{
    const struct {
        float line, scale;
        int origin, extent, topLabel, bottomLabel;
    } cases[] = {
        {600.0f, 2.5f, 420, 180, 180, 0},   // the terminal 180 units fill the 450 pixels
        {600.9f, 2.5f, 420, 180, 180, 0},   // the length is cut to whole units
        {100.0f, 2.5f, 0, 100, 100, -80},   // a short line starts at the tip and ends early
        {600.0f, 4.0f, 487, 113, 113, 0},   // ceil(450 / 4) = 113
        {600.0f, 1.15f, 208, 392, 392, 0},  // ceil(450 / 1.15) = 392
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        SCOPED_TRACE(c.scale);
        const float* keep = nullptr;
        CRigView v = MakeView(c.line, c.scale, keep);
        EXPECT_EQ(v.m_origin, c.origin);
        EXPECT_EQ(v.m_extent, c.extent);
        EXPECT_EQ(v.GetRulerValue(0), c.topLabel);
        EXPECT_EQ(v.GetRulerValue(450), c.bottomLabel);
        EXPECT_EQ(v.GetLineAtViewBottom(), int(c.line) - c.origin - c.extent);
        v.m_fromHook = 0; // counting from the rod tip
        EXPECT_EQ(v.GetRulerValue(0), c.origin);
    }
}

TEST(RigViewTest, ZoomStaysWithinItsRange)
{
    const struct {
        float from;
        bool in;
        float to;
    } cases[] = {{1.25f, false, 1.15f}, {1.15f, false, 1.15f}, {2.5f, false, 2.25f},
                 {3.9f, true, 4.0f},    {4.0f, true, 4.0f},     {2.5f, true, 2.75f}};
    for (const auto& c : cases) {
        CRigView v;
        v.m_scale = c.from;
        v.m_origin = 37;
        if (c.in)
            v.ZoomIn();
        else
            v.ZoomOut();
        EXPECT_FLOAT_EQ(v.m_scale, c.to) << c.from << (c.in ? " in" : " out");
        EXPECT_EQ(v.m_origin, 37) << "zooming keeps the origin";
    }
}

TEST(RigViewTest, ScrollingStopsAtBothEndsOfTheLine)
{
    const float* keep = nullptr;
    CRigView v = MakeView(600.0f, 2.5f, keep);
    v.m_origin = 30;
    v.ScrollUp();
    EXPECT_EQ(v.m_origin, 0);
    v.ScrollUp();
    EXPECT_EQ(v.m_origin, 0);
    // Down 50 units at a time until the shown stretch reaches the line's end.
    v.UpdateExtent();
    int steps = 0;
    for (int i = 0; i < 40; ++i) {
        const int before = v.m_origin;
        v.ScrollDown();
        v.UpdateExtent();
        if (v.m_origin == before)
            break;
        ++steps;
    }
    EXPECT_EQ(steps, 9);
    EXPECT_EQ(v.m_origin, 450);
    EXPECT_GE(v.m_origin + v.m_extent, 600);
    EXPECT_EQ(v.MapLineToViewY(0), 80 + 150 * 5 / 2) << "the line's end is on screen";
}

TEST(RigViewTest, MappingStaysInsideTheViewAndInvertsTheMouse)
{
    for (float scale : {1.15f, 1.4f, 2.5f, 3.15f, 4.0f}) {
        for (float line : {90.0f, 333.0f, 600.0f, 1500.0f}) {
            const float* keep = nullptr;
            CRigView v = MakeView(line, scale, keep);
            for (int origin : {0, v.m_origin, 40}) {
                v.m_origin = origin;
                v.UpdateExtent();
                for (int p = -20; p <= int(line) + 20; ++p) {
                    const int y = v.MapLineToViewY(p);
                    const int d = int(line) - p;
                    const bool shown = d >= origin && d <= origin + v.m_extent;
                    ASSERT_EQ(v.IsInRigView(p), shown) << scale << " " << line << " " << p;
                    if (!shown) {
                        ASSERT_EQ(y, -1) << scale << " " << line << " " << p;
                        continue;
                    }
                    ASSERT_GE(y, 80);
                    ASSERT_LE(y, 80 + 450);
                    // The pointer on that row finds the same position, within
                    // the one unit the rounding up each way may add or take.
                    const int back = v.GetLineAtMouse(y);
                    ASSERT_LE(std::abs(back - p), 1) << scale << " " << line << " " << p;
                }
            }
        }
    }
}

TEST(RigViewTest, TheLineUnderThePointerRoundsUp)
{
    // 600 units at 2.5 pixels each: 180 units fill the view from y 80 to 530,
    // the line's end at the bottom edge.
    const float* keep = nullptr;
    const CRigView v = MakeView(600.0f, 2.5f, keep);
    const struct {
        int y, line;
    } cases[] = {{530, 0}, {529, 1}, {528, 1}, {527, 2}, {303, 91}, {302, 92}, {300, 92}, {81, 180}, {80, 180}};
    for (const auto& c : cases)
        EXPECT_EQ(v.GetLineAtMouse(c.y), c.line) << c.y;
}

TEST(RigViewTest, LabelsBeyondTheLinesEndAreLeftOut)
{
    const float* keep = nullptr;
    CRigView v = MakeView(100.0f, 2.5f, keep);
    int shown = 0;
    for (int offset = 0; offset <= 450; offset += 50)
        shown += v.IsLabelShown(offset) ? 1 : 0;
    EXPECT_EQ(shown, 6) << "0 to 250 pixels hold the 100 units";
    EXPECT_TRUE(v.IsLabelShown(250));
    EXPECT_FALSE(v.IsLabelShown(300));
    v.m_fromHook = 0;
    for (int offset = 0; offset <= 450; offset += 50)
        EXPECT_TRUE(v.IsLabelShown(offset)) << "counting from the tip every label is drawn";
}

} // namespace
