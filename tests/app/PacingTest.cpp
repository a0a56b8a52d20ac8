// The message loop's frame pacing: frames at most every interval, a slow
// frame not made up, messages never held back by the wait.
#include "app/Program.h"
#include "platform/Clock.h"
#include "platform/Window.h"
#include "shell/Graphics.h"
#include "tests/app/AppHarness.h"

#include <cstdint>
#include <string>
#include <vector>

TEST(FramePacer, FramesStartAtMostEveryIntervalAndASlowFrameIsNotMadeUp)
{
    static_assert(kFrameIntervalMs == 10);
    CFramePacer pacer;
    EXPECT_EQ(pacer.WaitBeforeFrame(500), 0u); // the first frame starts at once
    pacer.FrameStarted(500);
    struct Step {
        std::uint32_t now, wait;
    };
    for (Step s : {Step{500, 10}, Step{503, 7}, Step{509, 1}, Step{510, 0}, Step{900, 0}})
        EXPECT_EQ(pacer.WaitBeforeFrame(s.now), s.wait) << s.now;

    // A frame that started at 510 and took 25 ms: the next starts at once,
    // the one after a full interval after that, not two in a row.
    pacer.FrameStarted(510);
    EXPECT_EQ(pacer.WaitBeforeFrame(535), 0u);
    pacer.FrameStarted(535);
    EXPECT_EQ(pacer.WaitBeforeFrame(536), 9u);

    // Across the clock's wrap.
    pacer.FrameStarted(0xFFFFFFFCu);
    EXPECT_EQ(pacer.WaitBeforeFrame(2), 4u);
    EXPECT_EQ(pacer.WaitBeforeFrame(6), 0u);
}

TEST_F(AppTest, MessageLoopPacesFramesAndHandlesMessagesAtOnce)
{
    ASSERT_EQ(Start(), 0);
    plat::SetFakeClock(5000);
    std::vector<std::uint32_t> frames;
    std::vector<int> pointerX;
    CAppFish::SetTraceHook([&](const char* step) {
        if (std::string(step) != "render 1")
            return;
        frames.push_back(plat::NowMs());
        pointerX.push_back(g_pointer.x);
        if (frames.size() == 3)
            plat::AdvanceFakeClock(25); // a slow frame
        if (frames.size() == 4) {
            // A message posted during a frame is handled before the next
            // frame is waited for.
            plat::WindowMessage m = MakeMessage(plat::MessageKind::MouseMove);
            m.x = 10;
            m.y = 20;
            plat::PostWindowMessage(m);
        }
        if (frames.size() == 6)
            plat::PostQuitMessage(0);
    });
    EXPECT_EQ(RunMessageLoop(), 0);
    plat::ClearFakeClock();
    EXPECT_EQ(frames, (std::vector<std::uint32_t>{5000, 5010, 5020, 5045, 5055, 5065}));
    ASSERT_EQ(pointerX.size(), 6u);
    EXPECT_NE(pointerX[3], 10);
    EXPECT_EQ(pointerX[4], 10); // the move arrived before the fifth frame
}

TEST(WindowMessages, WaitReturnsAtOnceWhenAMessageWaitsAndElseSpendsTheTimeout)
{
    plat::ClearWindowMessages();
    plat::SetFakeClock(100);
    EXPECT_FALSE(plat::WaitWindowMessage(7));
    EXPECT_EQ(plat::NowMs(), 107u);
    plat::PostQuitMessage(0);
    EXPECT_TRUE(plat::WaitWindowMessage(7));
    EXPECT_EQ(plat::NowMs(), 107u);
    plat::ClearWindowMessages();
    plat::ClearFakeClock();
}
