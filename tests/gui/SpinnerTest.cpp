#include "gui/Spinner.h"

#include "WidgetFixture.h"

#include <cstdint>
#include <limits>
#include <vector>

namespace {

using widget_test::WidgetTest;

// A spinner at (300, 200), 100 wide: its panel is 95 wide, the up arrow
// spans x 395..415 and the down arrow 415..435, both y 200..220.
constexpr int kUpX = 402, kDownX = 428, kArrowY = 210;

class SpinnerTest : public WidgetTest {
protected:
    void SetUp() override
    {
        WidgetTest::SetUp();
        ASSERT_EQ(spin.Create(dev.get()), 0);
        Frame();
    }

    void Frame() { spin.DrawLabelled(dev.get(), 300, 200, 100, "Value"); }

    void Setup(int min, int max, int step, int value, bool wrap)
    {
        spin.m_wrap = wrap ? 1 : 0;
        spin.SetMin(min);
        spin.SetMax(max);
        spin.SetStep(step);
        spin.SetValue(value);
        Frame();
    }

    // A click on an arrow, with a frame drawn after it as the screen would.
    bool ClickArrow(int x)
    {
        const bool stored = Click(spin, x, kArrowY);
        Frame();
        return stored;
    }

    CSpinner spin;
};

TEST_F(SpinnerTest, ClampsAtTheEnds)
{
    Setup(0, 10, 3, 9, false);
    EXPECT_TRUE(ClickArrow(kUpX));
    EXPECT_EQ(spin.GetValue(), 10);
    EXPECT_EQ(spin.m_arrowUp.m_state, CPulsante::kDisabled);
    EXPECT_FALSE(ClickArrow(kUpX)); // ignored at the top
    EXPECT_EQ(spin.GetValue(), 10);
    EXPECT_TRUE(ClickArrow(kDownX));
    EXPECT_EQ(spin.GetValue(), 7);
    EXPECT_EQ(spin.m_arrowUp.m_state, CPulsante::kNormal);
    for (int i = 0; i < 3; ++i)
        ClickArrow(kDownX);
    EXPECT_EQ(spin.GetValue(), 0);
    EXPECT_EQ(spin.m_arrowDown.m_state, CPulsante::kDisabled);
}

TEST_F(SpinnerTest, WrapsAroundAtTheEnds)
{
    Setup(0, 10, 3, 9, true);
    const struct {
        int x, expect;
    } clicks[] = {{kUpX, 0}, {kDownX, 10}, {kDownX, 7}, {kUpX, 10}, {kUpX, 0}}; // 9 + 3 is past the end
    for (const auto& c : clicks) {
        EXPECT_TRUE(ClickArrow(c.x));
        EXPECT_EQ(spin.GetValue(), c.expect);
        EXPECT_NE(spin.m_arrowUp.m_state, CPulsante::kDisabled);
        EXPECT_NE(spin.m_arrowDown.m_state, CPulsante::kDisabled);
    }
}

TEST_F(SpinnerTest, BoundsAndStepFollowTheRange)
{
    Setup(0, 10, 1, 8, false);
    spin.SetMax(5);
    EXPECT_EQ(spin.GetValue(), 5);
    Setup(0, 10, 1, 8, true);
    spin.SetMax(5);
    EXPECT_EQ(spin.GetValue(), 0); // past the end wraps to the start
    spin.SetMin(2);
    EXPECT_EQ(spin.GetValue(), 5);
    spin.SetStep(4);
    EXPECT_EQ(spin.m_step, 4);
    spin.SetMax(2);
    spin.SetStep(4);
    EXPECT_EQ(spin.m_step, 2);
    spin.Reset();
    spin.SetStep(3);
    EXPECT_EQ(spin.m_step, 0); // the maximum must come first
}

TEST_F(SpinnerTest, StepsPastTheIntegerRangeStillClampOrWrap)
{
    constexpr std::int32_t lo = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t hi = std::numeric_limits<std::int32_t>::max();
    const struct {
        bool wrap;
        int x;
        std::int32_t value, expect;
    } cases[] = {
        {false, kUpX, hi - 1, hi},
        {true, kUpX, hi - 1, lo},
        {false, kDownX, lo + 1, lo},
        {true, kDownX, lo + 1, hi},
    };
    for (const auto& c : cases) {
        Setup(lo, hi, hi, c.value, c.wrap);
        EXPECT_TRUE(ClickArrow(c.x));
        EXPECT_EQ(spin.GetValue(), c.expect) << c.wrap << " from " << c.value;
    }
}

TEST_F(SpinnerTest, HoldingAnArrowRepeatsFasterAndFaster)
{
    Setup(0, 1000, 1, 0, false);
    const std::uint32_t t0 = 100000;
    plat::SetGameClock(t0);
    Press(spin, kUpX, kArrowY);
    std::vector<std::uint32_t> repeats;
    int last = spin.GetValue();
    for (std::uint32_t t = 1; t <= 2500; ++t) {
        plat::SetGameClock(t0 + t);
        Frame();
        if (spin.GetValue() != last) {
            repeats.push_back(t);
            last = spin.GetValue();
        }
    }
    // Each wait is strictly longer than the interval, which halves down to 37 ms.
    const std::vector<std::uint32_t> expect = {1201, 1802, 2103, 2254, 2330, 2368, 2406, 2444, 2482};
    EXPECT_EQ(repeats, expect);
    EXPECT_EQ(spin.m_timer[0].interval, 37u);
    EXPECT_TRUE(Release(spin, kUpX, kArrowY));
    EXPECT_EQ(spin.GetValue(), 10); // nine repeats and the click
    Frame();
    EXPECT_EQ(spin.m_timer[0].interval, 1200u); // back to the slow start
}

TEST_F(SpinnerTest, AValueChangedByHoldingReachesTheOwnerWhereverTheReleaseLands)
{
    Setup(0, 100, 1, 0, false);
    Press(spin, kDownX + 0, kArrowY); // at the bottom already: the down arrow is disabled
    EXPECT_EQ(spin.m_arrowDown.m_state, CPulsante::kDisabled);
    EXPECT_FALSE(Release(spin, kDownX, kArrowY));

    const std::uint32_t t0 = 200000;
    plat::SetGameClock(t0);
    Press(spin, kUpX, kArrowY);
    for (std::uint32_t t = 0; t <= 2200; t += 10) {
        plat::SetGameClock(t0 + t);
        MoveTo(600, 500); // the pointer wanders off the arrow; the arrow stays held
        Frame();
    }
    EXPECT_EQ(spin.GetValue(), 3);
    EXPECT_TRUE(Release(spin, 600, 500)); // no click, but the value changed
    EXPECT_EQ(spin.GetValue(), 3);

    // A press and a release off the arrows report nothing.
    EXPECT_FALSE(Click(spin, 600, 500));
}

TEST_F(SpinnerTest, AValueHeldToTheEndReachesTheOwnerThoughTheArrowIsDisabled)
{
    Setup(0, 10, 1, 8, false);
    const std::uint32_t t0 = 300000;
    plat::SetGameClock(t0);
    Press(spin, kUpX, kArrowY);
    for (std::uint32_t t = 0; t <= 3000; t += 5) {
        plat::SetGameClock(t0 + t);
        Frame();
    }
    EXPECT_EQ(spin.GetValue(), 10);
    EXPECT_EQ(spin.m_arrowUp.m_state, CPulsante::kDisabled); // the repeat stopped at the end
    EXPECT_TRUE(Release(spin, kUpX, kArrowY));
    EXPECT_EQ(spin.GetValue(), 10);
}

TEST_F(SpinnerTest, ADisabledSpinnerIgnoresItsArrows)
{
    Setup(0, 10, 1, 5, false);
    spin.Disable();
    Frame();
    EXPECT_FALSE(ClickArrow(kUpX));
    EXPECT_FALSE(ClickArrow(kDownX));
    EXPECT_EQ(spin.GetValue(), 5);
    EXPECT_FLOAT_EQ(spin.m_arrowUp.m_icons.m_alpha, 0.3f);
    EXPECT_FLOAT_EQ(spin.m_arrowDown.m_normalLook.m_alpha, 0.3f);
    spin.Enable();
    Frame();
    EXPECT_TRUE(ClickArrow(kUpX));
    EXPECT_EQ(spin.GetValue(), 6);
}

// A spinner that shows words, as the screens' spinners do.
struct CSpinnerWords : CSpinner {
    int calls = 0;
    const char* GetValueText() override
    {
        ++calls;
        return m_value == 1 ? "Yes" : "No";
    }
};

TEST_F(SpinnerTest, SubclassesGiveTheWordsThatAreDrawn)
{
    CSpinnerWords words;
    ASSERT_EQ(words.Create(dev.get()), 0);
    words.SetMax(1);
    CSpinner& base = words;
    EXPECT_STREQ(base.GetValueText(), "No");
    base.SetValue(1);
    EXPECT_STREQ(base.GetValueText(), "Yes");
    const int before = words.calls;
    words.Draw(dev.get(), 100, 100, 80);
    EXPECT_EQ(words.calls, before + 1);
    spin.SetMin(-50);
    spin.SetValue(-42);
    EXPECT_STREQ(spin.GetValueText(), "-42");
}

} // namespace
