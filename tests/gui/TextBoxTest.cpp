#include "gui/TextBox.h"

#include "WidgetFixture.h"

#include <string>

namespace {

using widget_test::WidgetTest;

class TextBoxTest : public WidgetTest {
protected:
    void SetUp() override
    {
        WidgetTest::SetUp();
        ASSERT_EQ(box.Create(dev.get()), 0);
        box.m_editable = 1;
    }

    std::string Type(const char* text)
    {
        for (const char* p = text; *p; ++p)
            box.OnChar(static_cast<unsigned char>(*p));
        return box.GetText();
    }

    CTextBox box;
};

TEST_F(TextBoxTest, RestrictedModeTakesLettersDigitsAndUnderscore)
{
    box.SetRestricted(1);
    const struct {
        std::uint32_t code;
        bool taken;
    } cases[] = {{'A', true}, {'z', true},  {'5', true},  {'_', true},  {' ', false},
                 {'-', false}, {'.', false}, {0xE8, false}, {'/', false}, {'\\', false}};
    for (const auto& c : cases) {
        box.SetText("");
        EXPECT_EQ(box.OnChar(c.code), c.taken) << c.code;
        EXPECT_EQ(std::string(box.GetText()).size(), c.taken ? 1u : 0u) << c.code;
    }
    // Unrestricted, the same characters all go in.
    box.SetRestricted(0);
    box.SetText("");
    EXPECT_EQ(Type("Az5_ -.\xE8/"), "Az5_ -.\xE8/");
}

TEST_F(TextBoxTest, ControlCodesNeverGoIn)
{
    for (std::uint8_t restricted : {0, 1}) {
        box.SetRestricted(restricted);
        box.SetText("ab");
        for (std::uint32_t code : {0u, 1u, 7u, 9u, 10u, 13u, 27u, 31u, 127u, 0x100u, 0x10Au})
            EXPECT_FALSE(box.OnChar(code)) << code << " restricted " << int(restricted);
        EXPECT_STREQ(box.GetText(), "ab");
        EXPECT_TRUE(box.OnChar(8));
        EXPECT_STREQ(box.GetText(), "a");
    }
}

TEST_F(TextBoxTest, TypingStopsAtTheLimit)
{
    box.SetRestricted(1);
    EXPECT_EQ(box.m_maxLength, 128u);
    box.SetText(std::string(128, 'x').c_str());
    EXPECT_FALSE(box.OnChar('y'));
    EXPECT_TRUE(box.OnChar(8));
    EXPECT_TRUE(box.OnChar('y'));
    EXPECT_EQ(std::string(box.GetText()), std::string(127, 'x') + "y");
    box.SetRestricted(0); // the restricted limit stays
    EXPECT_FALSE(box.OnChar('z'));

    CTextBox wide;
    ASSERT_EQ(wide.Create(dev.get()), 0);
    wide.m_editable = 1;
    wide.SetText(std::string(1023, 'x').c_str());
    EXPECT_TRUE(wide.OnChar('y'));
    EXPECT_FALSE(wide.OnChar('z'));
    EXPECT_EQ(std::string(wide.GetText()).size(), 1024u);
}

TEST_F(TextBoxTest, BackspaceAndTheKeysThatNeverEdit)
{
    EXPECT_FALSE(box.OnChar(8)); // empty
    EXPECT_EQ(Type("Po"), "Po");
    EXPECT_FALSE(box.OnChar(9));
    EXPECT_FALSE(box.OnChar(13));
    EXPECT_TRUE(box.OnChar(8));
    EXPECT_TRUE(box.OnChar(8));
    EXPECT_FALSE(box.OnChar(8));
    EXPECT_STREQ(box.GetText(), "");

    box.m_editable = 0;
    EXPECT_FALSE(box.OnChar('a'));
    EXPECT_FALSE(box.OnChar(8));
}

TEST_F(TextBoxTest, TheCaretBlinksWhileTheBoxIsDrawnAndEditable)
{
    box.SetText("Name");
    char shown[CTextBox::kMaxText + 1];
    std::string seen;
    const std::uint32_t t0 = 500000;
    for (std::uint32_t t = 0; t <= 1300; t += 50) {
        plat::SetGameClock(t0 + t);
        box.DrawEdit(dev.get(), 100, 100, 200, 30);
        seen += box.GetDisplayText(shown, box.GetText()) == std::string("Name_") ? '_' : '.';
    }
    // The first draw turns it on, then it flips at every draw more than 300 ms later.
    EXPECT_EQ(seen, "_______......._______......");

    box.m_editable = 0;
    box.m_caretOn = 1;
    EXPECT_STREQ(box.GetDisplayText(shown, "Name"), "Name");

    // A full text has no room left for the caret.
    box.m_editable = 1;
    const std::string full(1024, 'x');
    EXPECT_EQ(std::string(box.GetDisplayText(shown, full.c_str())), full);
}

} // namespace
