// The message loop's pacing: game frames one per 10 ms of wall time, the
// ones a slow machine owes run without drawing, at most eight per presented
// frame, a stall dropped, and messages never held back by the wait.
#include "app/Program.h"
#include "platform/Clock.h"
#include "platform/Window.h"
#include "shell/Graphics.h"
#include "screens/MenuPrincipale.h"
#include "simulation/session/Gioco.h"
#include "tests/app/AppHarness.h"
#include "tests/app/GameJourney.h"

#include <cstdint>
#include <string>
#include <vector>

namespace {

// 'W' wait, 'S' step, 'P' present.
char Letter(FrameAction a) { return a == FrameAction::Wait ? 'W' : a == FrameAction::Step ? 'S' : 'P'; }

} // namespace

TEST(FramePacer, OneGameFramePerStepOfWallTimeTheBacklogSteppedThenPresented)
{
    static_assert(kFrameIntervalMs == plat::kGameStepMs);
    struct Turn {
        std::uint32_t now;
        char action;
        std::uint32_t wait = 0;
    };
    struct Case {
        const char* name;
        std::uint32_t start;
        std::vector<Turn> turns;
        int framesPerShown = 1;
    };
    const Case cases[] = {
        {"keeping up: the first frame at once, then one every 10 ms",
         500,
         {{500, 'P'}, {500, 'W', 10}, {503, 'W', 7}, {509, 'W', 1}, {510, 'P'}, {511, 'W', 9}, {520, 'P'}}},
        {"a 25 ms frame: two owed, one stepped and one presented, the phase kept",
         500,
         {{500, 'P'}, {525, 'S'}, {525, 'P'}, {525, 'W', 5}, {530, 'P'}}},
        {"60 ms a frame: five stepped, the sixth presented",
         500,
         {{500, 'P'}, {560, 'S'}, {560, 'S'}, {560, 'S'}, {560, 'S'}, {560, 'S'}, {560, 'P'}, {560, 'W', 10}}},
        {"200 ms behind: seven stepped, the eighth presented, the rest dropped",
         500,
         {{500, 'P'},
          {700, 'S'},
          {700, 'S'},
          {700, 'S'},
          {700, 'S'},
          {700, 'S'},
          {700, 'S'},
          {700, 'S'},
          {700, 'P'},
          {700, 'W', 10},
          {710, 'P'}}},
        {"a stall past 250 ms: one frame, presented, nothing replayed",
         500,
         {{500, 'P'}, {2500, 'P'}, {2500, 'W', 10}, {2510, 'P'}}},
        {"across the wall clock's wrap",
         0xFFFFFFFAu,
         {{0xFFFFFFFAu, 'P'}, {2, 'W', 2}, {4, 'P'}, {30, 'S'}, {30, 'P'}, {31, 'W', 3}}},
        {"every fourth frame shown: three stepped on time, then one presented",
         500,
         {{500, 'S'}, {500, 'W', 10}, {510, 'S'}, {520, 'S'}, {530, 'P'}, {535, 'W', 5}, {540, 'S'}},
         4},
        {"every fourth frame shown, behind: the backlog counts toward the four",
         500,
         {{500, 'S'}, {500, 'W', 10}, {535, 'S'}, {535, 'S'}, {535, 'P'}, {535, 'W', 5}},
         4},
        {"every fourth frame shown, far behind: still at most eight per presented frame",
         500,
         {{500, 'S'}, {700, 'S'}, {700, 'S'}, {700, 'S'}, {700, 'S'}, {700, 'S'}, {700, 'S'}, {700, 'P'},
          {700, 'W', 10}},
         4},
    };
    for (const Case& c : cases) {
        CFramePacer pacer;
        for (std::size_t i = 0; i < c.turns.size(); ++i) {
            const Turn& t = c.turns[i];
            const CFramePacer::Decision d = pacer.Next(t.now, c.framesPerShown);
            EXPECT_EQ(Letter(d.action), t.action) << c.name << ", turn " << i;
            if (t.action == 'W') {
                EXPECT_EQ(d.waitMs, t.wait) << c.name << ", turn " << i;
            }
        }
    }
}

TEST_F(AppTest, MessageLoopStepsGameTimeAndHandlesMessagesBetweenGameFrames)
{
    ASSERT_EQ(Start(), 0);
    plat::SetFakeWallClock(5000);
    const std::uint32_t origin = plat::NowMs();
    std::vector<std::uint32_t> gameTimes;
    std::vector<std::uint32_t> presentedAt; // game time of each presented frame
    std::vector<int> pointerX;
    CAppFish::SetTraceHook([&](const char* step) {
        if (std::string(step) != "render 1")
            return;
        gameTimes.push_back(plat::NowMs() - origin);
        pointerX.push_back(g_pointer.x);
        if (gameTimes.size() == 3) {
            // A message posted during a game frame is handled before the next
            // one, also while catching up.
            plat::WindowMessage m = MakeMessage(plat::MessageKind::MouseMove);
            m.x = 10;
            m.y = 20;
            plat::PostWindowMessage(m);
        }
        if (gameTimes.size() == 8)
            plat::PostQuitMessage(0);
    });
    int presented = 0;
    SetPresentedFrameHook([&] {
        presentedAt.push_back(plat::NowMs() - origin);
        if (++presented == 2)
            plat::AdvanceFakeWallClock(45); // a slow frame: four more game frames owed
    });
    EXPECT_EQ(RunMessageLoop(), 0);
    SetPresentedFrameHook(nullptr);
    plat::ClearFakeWallClock();
    EXPECT_EQ(gameTimes, (std::vector<std::uint32_t>{10, 20, 30, 40, 50, 60, 70, 80}));
    EXPECT_EQ(presentedAt, (std::vector<std::uint32_t>{10, 20, 60, 70, 80}))
        << "30 to 50 only stepped, caught up by 60";
    ASSERT_EQ(pointerX.size(), 8u);
    EXPECT_NE(pointerX[2], 10);
    EXPECT_EQ(pointerX[3], 10) << "the move arrived before the fourth game frame";
}

// The session animates on under its results panel, shown every fourth game
// frame; leaving the panel shows every frame again.
TEST_F(GameJourney, ResultsPanelPresentedEveryFourthGameFrame)
{
    ASSERT_EQ(StartJourney(), 0);
    ClickMainMenu(CMenuPrincipale::kStartFishing);
    Click(kStartOkX, kStartOkY);
    EndSessionByEsc();
    plat::SetFakeWallClock(5000);
    std::vector<std::uint32_t> presentedAt; // game time of each presented frame
    SetPresentedFrameHook([&] {
        presentedAt.push_back(plat::NowMs());
        if (presentedAt.size() == 3) // OK on the results
            for (plat::MessageKind kind :
                 {plat::MessageKind::MouseMove, plat::MessageKind::LButtonDown, plat::MessageKind::LButtonUp}) {
                plat::WindowMessage m = MakeMessage(kind);
                m.x = kResultsOkX + OffsetX();
                m.y = kResultsY + OffsetY();
                m.leftHeld = kind == plat::MessageKind::LButtonDown;
                plat::PostWindowMessage(m);
            }
        if (presentedAt.size() == 6)
            plat::PostQuitMessage(0);
    });
    RunMessageLoop();
    SetPresentedFrameHook(nullptr);
    plat::ClearFakeWallClock();
    EXPECT_EQ(Screen(), kScreenMainMenu);
    ASSERT_EQ(presentedAt.size(), 6u);
    std::vector<std::uint32_t> gaps;
    for (std::size_t i = 1; i < presentedAt.size(); ++i)
        gaps.push_back(presentedAt[i] - presentedAt[i - 1]);
    EXPECT_EQ(gaps, (std::vector<std::uint32_t>{40, 40, 10, 10, 10}));
}

TEST(WindowMessages, WaitReturnsAtOnceWhenAMessageWaitsAndElseSpendsTheTimeout)
{
    plat::ClearWindowMessages();
    plat::SetFakeWallClock(100);
    EXPECT_FALSE(plat::WaitWindowMessage(7));
    EXPECT_EQ(plat::WallMs(), 107u);
    plat::PostQuitMessage(0);
    EXPECT_TRUE(plat::WaitWindowMessage(7));
    EXPECT_EQ(plat::WallMs(), 107u);
    plat::ClearWindowMessages();
    plat::ClearFakeWallClock();
}
