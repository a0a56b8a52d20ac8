#include "gui/AskBox.h"

#include "WidgetFixture.h"

#include <string>

namespace {

using widget_test::WidgetTest;

// Button centres: first (260, 350) -> (325, 362), second (410, 350) -> (475, 362),
// lone OK (360, 350) -> (425, 362).
constexpr int kFirstX = 325, kSecondX = 475, kLoneX = 425, kButtonY = 362;

class AskBoxTest : public WidgetTest {
protected:
    void SetUp() override
    {
        WidgetTest::SetUp();
        ASSERT_EQ(box.Create(dev.get()), 0);
    }

    void Open(const char* text, std::uint32_t kind, std::uint32_t tag = 0)
    {
        box.ShowTagged(text, tag, kind);
        box.Draw(dev.get());
    }

    CAskBox box;
};

TEST_F(AskBoxTest, AnswersByKind)
{
    const struct {
        std::uint32_t kind;
        int x;
        bool closes;
        std::uint32_t result;
    } cases[] = {
        {CAskBox::kOkCancel, kFirstX, true, CAskBox::kFirst},  {CAskBox::kOkCancel, kSecondX, true, CAskBox::kSecond},
        {CAskBox::kYesNo, kFirstX, true, CAskBox::kFirst},     {CAskBox::kYesNo, kSecondX, true, CAskBox::kSecond},
        {CAskBox::kOk, kLoneX, true, CAskBox::kSecond},        {CAskBox::kOkAlone, kLoneX, true, CAskBox::kSecond},
        {CAskBox::kOk, kFirstX - 30, false, CAskBox::kNone},   {CAskBox::kYesNo, 400, false, CAskBox::kNone},
    };
    for (const auto& c : cases) {
        Open("Question", c.kind, 42);
        EXPECT_FALSE(Press(box, c.x, kButtonY));
        EXPECT_EQ(Release(box, c.x, kButtonY), c.closes) << c.kind << " at " << c.x;
        EXPECT_EQ(box.IsShown(), !c.closes);
        EXPECT_EQ(box.GetResult(), c.result);
        // Closing keeps what the screen needs to act on the answer.
        EXPECT_EQ(box.m_kind, c.kind);
        EXPECT_EQ(box.GetTag(), 42u);
        EXPECT_STREQ(box.m_text, "Question");
    }
}

TEST_F(AskBoxTest, PressingOneButtonAndReleasingOnTheOtherAnswersNothing)
{
    Open("Delete?", CAskBox::kOkCancel);
    Press(box, kFirstX, kButtonY);
    EXPECT_FALSE(Release(box, kSecondX, kButtonY));
    EXPECT_TRUE(box.IsShown());
    EXPECT_EQ(box.GetResult(), CAskBox::kNone);
}

TEST_F(AskBoxTest, HideClearsAndLongTextsAreCut)
{
    const std::string longText(2000, 'q');
    box.Show(longText.c_str(), CAskBox::kYesNo);
    EXPECT_EQ(std::string(box.m_text), std::string(1024, 'q'));
    EXPECT_EQ(box.GetTag(), 0u);
    box.Hide();
    EXPECT_EQ(box.GetResult(), 0u);
    EXPECT_EQ(box.m_kind, 0u);
    EXPECT_STREQ(box.m_text, "");
    EXPECT_FALSE(box.IsShown());
    EXPECT_FALSE(Click(box, kFirstX, kButtonY)); // a hidden box takes nothing
}

TEST_F(AskBoxTest, AButtonArmedWhenTheBoxWasClosedDoesNotAnswerTheNextQuestion)
{
    Open("First", CAskBox::kYesNo);
    Press(box, kFirstX, kButtonY);
    Open("Second", CAskBox::kYesNo); // replaces the first while the button is down
    EXPECT_FALSE(Release(box, kFirstX, kButtonY));
    EXPECT_TRUE(box.IsShown());
    EXPECT_STREQ(box.m_text, "Second");
}

TEST_F(AskBoxTest, CaptionsFollowTheLanguage)
{
    const struct {
        bool italian;
        std::uint32_t kind;
        const char *first, *second;
    } cases[] = {
        {true, CAskBox::kYesNo, "Si", "No"},        {false, CAskBox::kYesNo, "Yes", "No"},
        {true, CAskBox::kOkCancel, "OK", "Annulla"}, {false, CAskBox::kOkCancel, "OK", "Cancel"},
        {true, CAskBox::kOk, "", "OK"},              {false, CAskBox::kOkAlone, "", "OK"},
    };
    for (const auto& c : cases) {
        g_Opzioni.italian = c.italian;
        box.Show("?", c.kind);
        EXPECT_STREQ(box.FirstCaption(), c.first);
        EXPECT_STREQ(box.SecondCaption(), c.second);
    }
}

// A screen that follows the widget protocol: while the box is open, the
// mouse goes to the box alone and its answer is read on the same release.
struct Screen {
    CPulsante remove; // lies right under the box's first button
    CAskBox ask;
    int removeClicks = 0;
    std::uint32_t answer = 0, answerTag = 0;

    void Render(plat::Device* dev)
    {
        remove.DrawCaption(dev, 260, 350, "Delete");
        ask.Draw(dev);
    }
    void OnMouseDown()
    {
        if (ask.IsShown()) {
            ask.OnMouseDown();
            return;
        }
        remove.OnMouseDown();
    }
    void OnMouseUp()
    {
        if (ask.IsShown()) {
            if (ask.OnMouseUp()) {
                answer = ask.GetResult();
                answerTag = ask.GetTag();
            }
            return;
        }
        if (remove.OnMouseUp()) {
            ++removeClicks;
            ask.ShowTagged("Delete the catch log?", 3, CAskBox::kYesNo);
        }
    }
};

TEST_F(AskBoxTest, WhileOpenTheBoxTakesAllTheMouse)
{
    Screen screen;
    ASSERT_EQ(screen.remove.Create(dev.get()), 0);
    ASSERT_EQ(screen.ask.Create(dev.get()), 0);
    screen.Render(dev.get());

    Click(screen, kFirstX, kButtonY);
    EXPECT_EQ(screen.removeClicks, 1);
    EXPECT_TRUE(screen.ask.IsShown()); // the release that opened it is no answer
    EXPECT_EQ(screen.answer, 0u);
    screen.Render(dev.get());

    Press(screen, kSecondX, kButtonY); // press No, release on Yes: nothing
    Release(screen, kFirstX, kButtonY);
    EXPECT_TRUE(screen.ask.IsShown());
    EXPECT_EQ(screen.remove.m_state, CPulsante::kNormal);

    Click(screen, kFirstX, kButtonY); // Yes, over the Delete button
    EXPECT_FALSE(screen.ask.IsShown());
    EXPECT_EQ(screen.answer, CAskBox::kFirst);
    EXPECT_EQ(screen.answerTag, 3u);
    EXPECT_EQ(screen.removeClicks, 1);
}

} // namespace
