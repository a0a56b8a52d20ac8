#include "gui/Pulsante.h"

#include "WidgetFixture.h"

#include <vector>

namespace {

using widget_test::WidgetTest;

class ButtonTest : public WidgetTest {
protected:
    void SetUp() override
    {
        WidgetTest::SetUp();
        ASSERT_EQ(button.Create(dev.get()), 0);
        button.DrawCaption(dev.get(), 100, 50, "OK"); // 130 x 25 at (100, 50)
    }
    CPulsante button;
};

TEST_F(ButtonTest, OnlyAPressAndAReleaseOnTheButtonClick)
{
    const struct {
        int pressX, pressY, releaseX, releaseY;
        bool armed, click;
    } cases[] = {
        {110, 60, 120, 70, true, true},     // inside, inside
        {100, 50, 229, 74, true, true},     // its first and last pixels are part of it
        {110, 60, 300, 300, true, false},   // pressed, moved away, released outside
        {300, 300, 110, 60, false, false},  // pressed outside, released inside
        {230, 60, 230, 60, false, false},   // the pixel right of its last column
        {110, 75, 110, 75, false, false},   // the pixel below its last row
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Press(button, c.pressX, c.pressY), c.armed) << c.pressX << "," << c.pressY;
        EXPECT_EQ(button.m_state, c.armed ? CPulsante::kPressed : CPulsante::kNormal);
        EXPECT_EQ(Release(button, c.releaseX, c.releaseY), c.click) << c.releaseX << "," << c.releaseY;
        EXPECT_EQ(button.m_state, CPulsante::kNormal);
    }
}

TEST_F(ButtonTest, APressClearsTheToggledLook)
{
    button.m_toggled = 1;
    Press(button, 300, 300); // a press elsewhere keeps it
    Release(button, 300, 300);
    EXPECT_EQ(button.m_toggled, 1);
    EXPECT_TRUE(Click(button, 150, 60));
    EXPECT_EQ(button.m_toggled, 0);
}

TEST_F(ButtonTest, DisabledButtonsIgnoreTheMouseUntilEnabled)
{
    button.Enable(false);
    EXPECT_FALSE(Press(button, 150, 60));
    EXPECT_FALSE(Release(button, 150, 60));
    EXPECT_EQ(button.m_state, CPulsante::kDisabled);

    // Disabled while held: the release does not click and leaves it disabled.
    button.Enable(true);
    EXPECT_TRUE(Press(button, 150, 60));
    button.Enable(false);
    EXPECT_FALSE(Release(button, 150, 60));
    EXPECT_EQ(button.m_state, CPulsante::kDisabled);

    // Enabling a pressed button leaves it pressed.
    button.Enable(true);
    Press(button, 150, 60);
    button.Enable(true);
    EXPECT_EQ(button.m_state, CPulsante::kPressed);
    EXPECT_TRUE(Release(button, 150, 60));
}

TEST_F(ButtonTest, HiddenButtonsNeitherDrawNorReact)
{
    button.m_shown = 0;
    dev->Clear(kBlack);
    EXPECT_EQ(button.DrawCaption(dev.get(), 300, 300, "Hidden"), 0);
    EXPECT_EQ(button.DrawIcon(dev.get(), 300, 300, 4), 0);
    for (int y = 295; y < 330; y += 3)
        for (int x = 295; x < 435; x += 3)
            ASSERT_EQ(dev->ReadPixel(x, y) & 0xFFFFFF, 0u) << x << "," << y;
    EXPECT_FALSE(Press(button, 150, 60));
    EXPECT_FALSE(Release(button, 150, 60));
}

TEST(ButtonSize, RequestedSizesAreCappedAndRounded)
{
    const struct {
        int w, h, expectW, expectH;
    } cases[] = {{300, 40, 130, 25}, {17, 22, 20, 20}, {64, 25, 60, 25}, {20, 21, 20, 20}, {129, 24, 125, 20}};
    for (const auto& c : cases) {
        EXPECT_EQ(CPulsante::SizeW(c.w), c.expectW) << c.w;
        EXPECT_EQ(CPulsante::SizeH(c.h), c.expectH) << c.h;
    }
}

TEST_F(ButtonTest, IconButtonsAreTwentyPixelsAndFollowTheLayoutOffset)
{
    MakeDevice(1024, 768); // layout offset (112, 84)
    CPulsante icon;
    ASSERT_EQ(icon.Create(dev.get()), 0);
    icon.DrawIcon(dev.get(), 10, 10, 4);
    EXPECT_EQ(icon.m_frameW, 20);
    EXPECT_EQ(icon.m_frameH, 20);
    EXPECT_FALSE(Press(icon, 15, 15)); // layout coordinates are not screen coordinates
    Release(icon, 15, 15);
    EXPECT_TRUE(Click(icon, 112 + 10, 84 + 10));
    EXPECT_TRUE(Click(icon, 112 + 29, 84 + 29));
    EXPECT_FALSE(Click(icon, 112 + 30, 84 + 29));
}

TEST_F(ButtonTest, ToolBarPendingButton)
{
    CToolBox bar;
    ASSERT_EQ(bar.Create(dev.get()), 0);
    EXPECT_EQ(bar.m_pending, 0);
    bar.Draw(dev.get(), 10, 500);
    // Buttons sit 20 pixels apart; button 2 spans x 50..69.
    EXPECT_EQ(bar.m_buttons[2].GetX(), 50);
    // Where two buttons meet, a press arms only the one whose pixel it is.
    for (int x : {29, 30}) {
        EXPECT_TRUE(Press(bar, x, 510));
        EXPECT_EQ(bar.m_buttons[0].m_state, x == 29 ? CPulsante::kPressed : CPulsante::kNormal) << x;
        EXPECT_EQ(bar.m_buttons[1].m_state, x == 30 ? CPulsante::kPressed : CPulsante::kNormal) << x;
        bar.m_buttons[0].OnMouseUp();
        bar.m_buttons[1].OnMouseUp();
    }
    EXPECT_EQ(CToolBox::IconOf(2, false), 3);
    EXPECT_EQ(CToolBox::IconOf(2, true), 2);

    // Without the flag, a press on button 2 arms nothing and its release does nothing.
    EXPECT_FALSE(Press(bar, 60, 510));
    EXPECT_FALSE(bar.OnToggleMouseUp());
    EXPECT_FALSE(bar.m_buttons[2].OnMouseUp());

    bar.m_pending = 1;
    EXPECT_TRUE(Press(bar, 60, 510));
    MoveTo(60, 510);
    g_pointer.left = 0;
    EXPECT_TRUE(bar.OnToggleMouseUp());
    EXPECT_EQ(bar.m_pending, 0);

    // The other buttons are released by the owner one by one.
    EXPECT_TRUE(Press(bar, 15, 510));
    g_pointer.left = 0;
    EXPECT_FALSE(bar.OnToggleMouseUp());
    EXPECT_TRUE(bar.m_buttons[0].OnMouseUp());
}

TEST_F(ButtonTest, AHiddenToolBarButtonTakesNoRoom)
{
    CToolBox bar;
    ASSERT_EQ(bar.Create(dev.get()), 0);
    bar.m_buttons[5].m_shown = 0;
    bar.m_buttons[6].m_shown = 0;
    bar.Draw(dev.get(), 0, 0);
    EXPECT_EQ(bar.m_buttons[4].GetX(), 80);
    EXPECT_EQ(bar.m_buttons[7].GetX(), 100);
    EXPECT_EQ(bar.m_buttons[13].GetX(), 220);
    EXPECT_FALSE(Press(bar.m_buttons[5], 5 * 20 + 5, 5)); // hidden: no press
}

} // namespace

namespace {

// A caption is laid out on the face as drawn, at most 130 wide, whatever
// width was asked: a caption longer than the face is reported as not fitting.
TEST_F(ButtonTest, CaptionsAreMeasuredAgainstTheDrawnFace)
{
    const struct {
        int asked;
        bool centred;
        int box;
    } cases[] = {{160, false, 125}, {160, true, 130}, {90, false, 85}, {90, true, 90}};
    for (const auto& c : cases) {
        std::vector<DrawnText> heard;
        CTesto::SetProbe([&heard](const DrawnText& t) { heard.push_back(t); });
        button.m_caption.m_format = c.centred ? std::uint32_t(plat::kTextCentre) : 0u;
        button.DrawCaptionW(dev.get(), 100, 50, c.asked, "A caption far too long for any button face");
        CTesto::SetProbe(nullptr);
        ASSERT_EQ(heard.size(), 1u);
        EXPECT_EQ(heard[0].width, c.box) << c.asked;
        EXPECT_FALSE(heard[0].Fits()) << c.asked;
    }
}

} // namespace
