// One game on every machine: the same seeded session with the same input,
// played through the real message loop with frames costing 1, 10, 25 and
// 60 ms of wall time, ends the same way at the same game time. And a stall
// in wall time is not replayed.
#include "app/Program.h"
#include "platform/Clock.h"
#include "platform/Random.h"
#include "simulation/scene/Pesce.h"
#include "simulation/scene/Retino.h"
#include "simulation/session/Gioco.h"
#include "simulation/tackle/CannaPesca.h"
#include "tests/app/Journey.h"
#include "world/Calendario.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>

namespace {

constexpr std::int64_t kMorning = 1781506800; // 15 June 2026, 7:00

struct Outcome {
    bool landed = false;
    int lossReason = 0;
    int species = -1;
    float weight = 0;
    std::uint32_t biteMs = 0; // game time from the cast
    std::uint32_t endMs = 0;  // game time from the cast to the catch or the loss
    std::uint64_t draws = 0;  // from the generator, start to results
    std::string statistics;   // the statistics file's bytes
    int presented = 0;
    int mostStepsBeforeAPresent = 0;
};

class GameTimeTest : public JourneyTest {
protected:
    void SetUp() override
    {
        JourneyTest::SetUp();
        savedCalendar = g_Calendario;
        // A fixed morning, not the computer's: the hour and the season decide
        // how fish bite, so the scripted session is the same whenever the
        // suite runs.
        pinnedCalendar = CCalendario(kMorning, CalendarZone::Fixed(0));
    }
    void TearDown() override
    {
        SetPresentedFrameHook(nullptr);
        g_Calendario = savedCalendar;
        JourneyTest::TearDown();
    }

    void Post(plat::MessageKind kind, int x, int y)
    {
        plat::WindowMessage m = MakeMessage(kind);
        m.x = x + OffsetX();
        m.y = y + OffsetY();
        m.leftHeld = kind == plat::MessageKind::LButtonDown;
        plat::PostWindowMessage(m);
    }

    // The session from the main menu to the results, the fishing itself
    // through the message loop with each presented frame costing wallPerFrame
    // of wall time. The player's input is decided from the game at game
    // frames, as a player reacts to what the game shows.
    Outcome Play(std::uint32_t wallPerFrame)
    {
        Stop();
        std::filesystem::remove_all(folders.Data());
        g_Calendario = pinnedCalendar;
        // Game time starts from the wall clock, and the fish are seeded from game
        // time: this start gives a bite within half a minute.
        plat::SetFakeWallClock(1000001);
        Outcome out;
        const std::uint64_t drawsBefore = plat::RandomDrawCount();
        // Sounds on: the ambient sounds' chances ask whether a sound is still
        // going by game time, not on the mixer, which runs in real time.
        JourneyOptions options;
        options.settings = {{"SOUNDS", "1"}};
        if (StartJourney(options) != 0) {
            ADD_FAILURE() << "no start";
            return out;
        }
        Click(kMainMenuButtonX, MainMenuButtonY(0)); // "Start fishing"
        Click(345, 350);                             // OK on the start panel
        if (g_Gioco.GetState() != kSessionFishing) {
            ADD_FAILURE() << "not fishing";
            return out;
        }

        SetPresentedFrameHook([&] {
            ++out.presented;
            plat::AdvanceFakeWallClock(wallPerFrame);
        });
        CFramePacer pacer;
        std::uint32_t lastGame = plat::NowMs();
        const std::uint32_t start = lastGame;
        int gameFrame = 0, struckAt = -1, biteAt = -1;
        bool ended = false;
        int code = 0;
        int steps = 0; // game frames stepped since the last presented one
        for (int presented = 0; !ended && gameFrame < 30000; presented = out.presented) {
            if (!RunMessageLoopTurn(code, &pacer))
                break;
            if (plat::NowMs() == lastGame)
                continue;
            lastGame = plat::NowMs();
            ++gameFrame;
            if (out.presented == presented) {
                ++steps;
            } else {
                out.mostStepsBeforeAPresent = std::max(out.mostStepsBeforeAPresent, steps);
                steps = 0;
            }
            const int phase = g_CannaPesca.GetPhase();
            if (gameFrame == 1) {
                Post(plat::MessageKind::MouseMove, 400, 300);
                Post(plat::MessageKind::LButtonDown, 400, 300);
                Post(plat::MessageKind::LButtonUp, 400, 300);
            } else if (biteAt < 0 && phase == 2) {
                biteAt = gameFrame;
                out.biteMs = lastGame - start;
            } else if (biteAt >= 0 && struckAt < 0 && gameFrame == biteAt + 25) {
                // A quarter of a second to react: the strike, then the reel.
                Post(plat::MessageKind::MouseMove, 380, 420);
                plat::PostWindowMessage(MakeMessage(plat::MessageKind::RButtonDown));
                struckAt = gameFrame;
            } else if (struckAt >= 0 && (gameFrame - struckAt) % 20 == 0 && phase == 2) {
                // Tip up and aimed away from the fish while it is strong, to
                // keep the line tight and tire it; once it is spent, the net
                // up and the fish led toward it.
                int x = g_Pesce.GetX() < g_CannaPesca.m_canna.GetX() ? 700 : 100;
                if (g_Pesce.m_stamina <= 1.5f) {
                    if (!g_Retino.m_raised) {
                        plat::WindowMessage key = MakeMessage(plat::MessageKind::KeyDown);
                        key.key = 'R';
                        plat::PostWindowMessage(key);
                    }
                    x = g_Retino.GetX() > g_Pesce.GetX() ? 700 : 100;
                }
                Post(plat::MessageKind::MouseMove, x, 150);
            }
            if (g_Gioco.GetState() == kSessionCatchDetails) {
                out.landed = true;
                ended = true;
            } else if (struckAt >= 0 && phase != 2) {
                out.lossReason = g_CannaPesca.GetLossReason();
                ended = true;
            }
            if (ended)
                out.endMs = lastGame - start;
        }
        SetPresentedFrameHook(nullptr);
        EXPECT_TRUE(ended) << "the fight did not end in " << gameFrame << " game frames";
        plat::ClearWindowMessages();
        Send(MakeMessage(plat::MessageKind::RButtonUp));
        if (out.landed) {
            out.species = int(g_Pesce.m_species.speciesIndex);
            out.weight = g_Pesce.m_weight;
            Click(345, 310); // OK on the catch details
        }
        Key(plat::kKeyEscape);
        Click(270, 360); // Yes: the session ends and the statistics are written
        EXPECT_EQ(g_Gioco.GetState(), kSessionResults);
        out.draws = plat::RandomDrawCount() - drawsBefore;
        out.statistics = folders.Read("appdata/Karvelin/karvelin.sta");
        return out;
    }

    CCalendario savedCalendar, pinnedCalendar;
};

TEST_F(GameTimeTest, SameSessionSameOutcomeWhateverTheWallTimePerFrame)
{
    const Outcome base = Play(10);
    ASSERT_GT(base.biteMs, 0u) << "a fish bit";
    EXPECT_EQ(base.mostStepsBeforeAPresent, 0) << "at 10 ms a frame every game frame is presented";
    EXPECT_EQ(base.statistics.size(), 301u);
    for (std::uint32_t wall : {1u, 25u, 60u}) {
        const Outcome o = Play(wall);
        SCOPED_TRACE(std::to_string(wall) + " ms a frame");
        EXPECT_EQ(o.landed, base.landed);
        EXPECT_EQ(o.lossReason, base.lossReason);
        EXPECT_EQ(o.species, base.species);
        EXPECT_EQ(o.weight, base.weight);
        EXPECT_EQ(o.biteMs, base.biteMs);
        EXPECT_EQ(o.endMs, base.endMs);
        EXPECT_EQ(o.draws, base.draws);
        EXPECT_EQ(o.statistics, base.statistics);
        if (wall == 60) {
            EXPECT_GE(o.mostStepsBeforeAPresent, 5) << "catching up: game frames stepped without drawing";
            EXPECT_LT(o.presented, base.presented / 5);
        }
        if (wall == 1) {
            EXPECT_EQ(o.presented, base.presented);
        }
    }
}

TEST_F(AppTest, AStallInWallTimeIsNotReplayed)
{
    ASSERT_EQ(Start(), 0);
    plat::SetFakeWallClock(5000);
    std::vector<std::uint32_t> presentedAt; // game time of each presented frame
    SetPresentedFrameHook([&] {
        presentedAt.push_back(plat::NowMs());
        if (presentedAt.size() == 3)
            plat::AdvanceFakeWallClock(2000); // suspended for two seconds
        if (presentedAt.size() == 5)
            plat::PostQuitMessage(0);
    });
    RunMessageLoop();
    SetPresentedFrameHook(nullptr);
    plat::ClearFakeWallClock();
    ASSERT_EQ(presentedAt.size(), 5u);
    const std::uint32_t afterStall = presentedAt[3] - presentedAt[2];
    EXPECT_GT(afterStall, 0u);
    EXPECT_LE(afterStall, kMaxFramesPerShown * plat::kGameStepMs) << "at most one presented frame's worth of steps";
    EXPECT_EQ(presentedAt[4] - presentedAt[3], plat::kGameStepMs) << "then one game frame per 10 ms again";
}

} // namespace
