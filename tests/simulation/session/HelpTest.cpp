#include "simulation/session/Help.h"

#include "shell/Mouse.h"
#include "tests/gui/WidgetFixture.h"
#include "tests/support/BuildFolder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

namespace {

class HelpTest : public widget_test::WidgetTest {
protected:
    void SetUp() override
    {
        WidgetTest::SetUp();
        help.Load(dev.get());
    }
    void TearDown() override
    {
        g_Mouse.SetCursorMode(0);
        WidgetTest::TearDown();
    }

    plat::Image Frame()
    {
        dev->Clear(kBlack);
        dev->BeginScene();
        help.Render(dev.get());
        dev->EndScene();
        plat::Image img;
        dev->ReadPixels(img);
        return img;
    }

    CHelp help;
};

TEST_F(HelpTest, SixteenCommandLinesInEachLanguage)
{
    for (bool italian : {true, false}) {
        g_Opzioni.italian = italian;
        std::set<std::string> lines;
        for (int i = 0; i < CHelp::kLines; ++i)
            lines.insert(CHelp::GetLine(i));
        EXPECT_EQ(16u, lines.size());
        EXPECT_EQ(0u, lines.count(""));
        EXPECT_STREQ("", CHelp::GetLine(16));
    }
    // Accented letters are single Windows-1252 bytes.
    g_Opzioni.italian = true;
    EXPECT_NE(nullptr, std::strstr(CHelp::GetLine(1), "filo \xE8 completamente"));
    EXPECT_NE(nullptr, std::strstr(CHelp::GetLine(3), "men\xF9 breve"));
    EXPECT_NE(nullptr, std::strstr(CHelp::GetLine(15), "non \xE8 completamente"));
    g_Opzioni.italian = false;
    EXPECT_STREQ("KEY 'ESCAPE': exit from the fishing session", CHelp::GetLine(13));
}

TEST_F(HelpTest, PanelLinesAndCloseButtonWhereThePlayerExpectsThem)
{
    EXPECT_EQ(164, CHelp::LineY(0));
    EXPECT_EQ(419, CHelp::LineY(15)); // inside the panel, which ends at y 500
    // The fonts are sized by height; 700 and 400 are weights, never widths.
    EXPECT_EQ(20, help.m_title.m_frameH);
    EXPECT_EQ(700, help.m_title.m_weight);
    EXPECT_EQ(16, help.m_line.m_frameH);
    EXPECT_EQ(400, help.m_line.m_weight);
    EXPECT_EQ(0, help.m_title.m_frameW);
    EXPECT_EQ(0, help.m_line.m_frameW);

    plat::Image hidden = Frame();
    EXPECT_TRUE(gfx_test::Near(hidden.At(400, 300), kBlack)); // nothing while hidden

    help.Toggle();
    plat::Image shown = Frame();
    ASSERT_TRUE(plat::SavePng(testing_support::BuildFolderFile("help_overlay.png"), shown));
    g_Opzioni.italian = true;
    ASSERT_TRUE(plat::SavePng(testing_support::BuildFolderFile("help_overlay_it.png"), Frame()));
    g_Opzioni.italian = false;
    // A light panel over the dark frame, nothing outside it.
    EXPECT_GT(gfx_test::Channel(shown.At(600, 150), 8), 150);
    EXPECT_GT(gfx_test::Channel(shown.At(600, 480), 8), 80);
    EXPECT_TRUE(gfx_test::Near(shown.At(400, 520), kBlack));
    EXPECT_TRUE(gfx_test::Near(shown.At(30, 300), kBlack));
    // Dark ink on the last command line and the title, the icon at the close button.
    auto darkInRow = [&](int top, int bottom) {
        for (int y = top; y < bottom; ++y)
            for (int x = 55; x < 400; ++x)
                if (gfx_test::Channel(shown.At(x, y), 8) < 80)
                    return true;
        return false;
    };
    EXPECT_TRUE(darkInRow(CHelp::LineY(15), CHelp::LineY(15) + 16));
    EXPECT_TRUE(darkInRow(105, 125));
    EXPECT_FALSE(darkInRow(CHelp::LineY(15) + 20, 495));
    EXPECT_FALSE(gfx_test::Near(shown.At(730, 115), shown.At(600, 480), 20));

    // The same pixels after the device is lost and reset.
    help.OnLostDevice();
    help.OnResetDevice(dev.get());
    plat::Image again = Frame();
    EXPECT_TRUE(gfx_test::Near(again.At(60, 425), shown.At(60, 425)));
    EXPECT_TRUE(gfx_test::Near(again.At(730, 115), shown.At(730, 115)));
}

TEST_F(HelpTest, ShowingSwapsTheCursorAndTheCloseButtonHidesIt)
{
    g_Mouse.SetCursorMode(1);
    help.Toggle();
    EXPECT_TRUE(help.IsShown());
    EXPECT_EQ(0u, g_Mouse.GetCursorMode());
    // Before its first frame the button is nowhere, not at the corner.
    Click(help, 0, 0);
    EXPECT_TRUE(help.IsShown());
    Frame(); // places the close button

    // Pressed on the button, released elsewhere: still shown.
    Press(help, 730, 115);
    Release(help, 400, 300);
    EXPECT_TRUE(help.IsShown());
    Click(help, 400, 300);
    EXPECT_TRUE(help.IsShown());

    Click(help, 730, 115);
    EXPECT_FALSE(help.IsShown());
    EXPECT_EQ(1u, g_Mouse.GetCursorMode());

    help.Toggle();
    help.Toggle();
    EXPECT_EQ(1u, g_Mouse.GetCursorMode());
}

} // namespace
