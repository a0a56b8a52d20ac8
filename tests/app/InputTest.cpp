// The mouse record and the window's event pump.
#include "platform/Locale.h"
#include "platform/Window.h"
#include "shell/Graphics.h"
#include "shell/Mouse.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <vector>

using plat::MessageKind;

TEST(Mouse, PositionIsScaledPerAxisToTheViewport)
{
    int savedW = g_nViewportW, savedH = g_nViewportH;
    g_nViewportW = 800;
    g_nViewportH = 600;
    CMouse mouse;
    struct Case {
        int clientW, clientH, x, y, expectX, expectY;
    } cases[] = {
        {1600, 1200, 800, 600, 400, 300},
        {1600, 1200, 1599, 1199, 799, 599},
        {800, 600, 17, 33, 17, 33},
        {1920, 1080, 960, 540, 400, 300}, // each axis on its own
        {0, 600, 5, 5, 400, 300},         // a minimised window changes nothing
        {800, 0, 5, 5, 400, 300},
    };
    for (const Case& c : cases) {
        mouse.SetPosition(0, 0, c.clientW, c.clientH, c.x, c.y);
        EXPECT_EQ(mouse.GetX(), c.expectX) << c.clientW << "x" << c.clientH;
        EXPECT_EQ(mouse.GetY(), c.expectY) << c.clientW << "x" << c.clientH;
        EXPECT_EQ(g_pointer.x, c.expectX);
        EXPECT_EQ(g_pointer.y, c.expectY);
    }
    // Before the viewport is known nothing changes either.
    g_nViewportW = 0;
    mouse.SetPosition(0, 0, 800, 600, 1, 1);
    EXPECT_EQ(mouse.GetX(), 400);
    g_nViewportW = savedW;
    g_nViewportH = savedH;
}

TEST(Mouse, CursorModes)
{
    CMouse mouse;
    mouse.SetCursorMode(7); // shows the arrow, stays 7
    EXPECT_EQ(mouse.GetCursorMode(), 7u);
    EXPECT_EQ(plat::ShownCursor(), mouse.cursors[0]);
    mouse.SetCursorMode(1);
    EXPECT_EQ(plat::ShownCursor(), mouse.cursors[1]);
    mouse.Reset();
    EXPECT_EQ(mouse.GetCursorMode(), 0u);
}

class Pump : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(plat::InitWindowSystem());
        plat::ClearWindowMessages();
    }
    void TearDown() override
    {
        plat::ClearWindowMessages();
        plat::QuitWindowSystem();
    }
    std::vector<plat::WindowMessage> Take()
    {
        std::vector<plat::WindowMessage> out;
        plat::WindowMessage m;
        while (plat::PeekWindowMessage(m))
            out.push_back(m);
        return out;
    }
    static void Push(SDL_Event e) { SDL_PushEvent(&e); }
};

TEST_F(Pump, APressSomewhereNewMovesThePointerFirst)
{
    SDL_Event e{};
    e.type = SDL_MOUSEBUTTONDOWN;
    e.button.button = SDL_BUTTON_LEFT;
    e.button.x = 30;
    e.button.y = 40;
    Push(e);
    e.type = SDL_MOUSEBUTTONUP;
    Push(e);
    auto m = Take();
    ASSERT_EQ(m.size(), 3u);
    EXPECT_EQ(m[0].kind, MessageKind::MouseMove);
    EXPECT_EQ(m[0].x, 30);
    EXPECT_EQ(m[0].y, 40);
    EXPECT_FALSE(m[0].leftHeld);
    EXPECT_EQ(m[1].kind, MessageKind::LButtonDown);
    EXPECT_TRUE(m[1].leftHeld);
    EXPECT_EQ(m[2].kind, MessageKind::LButtonUp);
    EXPECT_FALSE(m[2].leftHeld);
}

TEST_F(Pump, WheelIsOneStepPerEventBySign)
{
    SDL_Event e{};
    e.type = SDL_MOUSEWHEEL;
    e.wheel.y = 3;
    e.wheel.direction = SDL_MOUSEWHEEL_NORMAL;
    Push(e);
    e.wheel.direction = SDL_MOUSEWHEEL_FLIPPED; // natural scrolling: the same finger motion
    Push(e);
    e.wheel.y = 0;
    e.wheel.x = 2; // sideways only
    Push(e);
    auto m = Take();
    ASSERT_EQ(m.size(), 2u);
    EXPECT_EQ(m[0].wheel, 120);
    EXPECT_EQ(m[1].wheel, -120);
}

TEST_F(Pump, KeysAndTypedCharacters)
{
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.keysym.sym = SDLK_BACKSPACE;
    Push(e);
    e.key.keysym.sym = SDLK_q;
    e.key.repeat = 1; // auto-repeat still counts
    Push(e);
    e.key.keysym.sym = SDLK_F1;
    Push(e);
    SDL_Event t{};
    t.type = SDL_TEXTINPUT;
    SDL_strlcpy(t.text.text, "a\xC3\xA8\xE2\x82\xAC\x01\xE4\xB8\xAD", sizeof t.text.text); // a è € ^A and a CJK letter
    Push(t);
    auto m = Take();
    ASSERT_EQ(m.size(), 7u);
    EXPECT_EQ(m[0].kind, MessageKind::KeyDown);
    EXPECT_EQ(m[0].key, plat::kKeyBack);
    EXPECT_EQ(m[1].kind, MessageKind::Char);
    EXPECT_EQ(m[1].ch, 8);
    EXPECT_EQ(m[2].key, 'Q');
    EXPECT_EQ(m[3].key, plat::kKeyF1);
    EXPECT_EQ(m[4].ch, 'a');
    EXPECT_EQ(m[5].ch, 0xE8);
    EXPECT_EQ(m[6].ch, 0x80);
}

TEST_F(Pump, QuitIsTakenOnceTheQueueIsEmpty)
{
    plat::PostQuitMessage(0);
    SDL_Event e{};
    e.type = SDL_QUIT;
    Push(e);
    plat::WindowMessage mine = {};
    mine.kind = MessageKind::SetCursor;
    plat::PostWindowMessage(mine);
    auto m = Take();
    ASSERT_EQ(m.size(), 3u);
    EXPECT_EQ(m[0].kind, MessageKind::SetCursor);
    EXPECT_EQ(m[1].kind, MessageKind::Close);
    EXPECT_EQ(m[2].kind, MessageKind::Quit);
    EXPECT_EQ(m[2].code, 0);
    EXPECT_TRUE(Take().empty()); // taken once
}
