#include "platform/Clock.h"

#include <chrono>
#include <thread>

namespace plat {
namespace {
constexpr std::uint32_t kOrigin = 0x10000u;
std::uint32_t g_gameNow = kOrigin;
bool g_fakeWall = false;
std::uint32_t g_fakeWallNow = 0;

// 0 is "never": a reading that lands on it is taken one later.
std::uint32_t NotZero(std::uint32_t ms) { return ms == 0 ? 1 : ms; }
} // namespace

std::uint32_t NowMs() { return g_gameNow; }

void StepGameClock(std::uint32_t ms) { g_gameNow = NotZero(g_gameNow + ms); }

void SetGameClock(std::uint32_t ms) { g_gameNow = NotZero(ms); }

std::uint32_t WallMs()
{
    if (g_fakeWall)
        return g_fakeWallNow;
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                  std::chrono::steady_clock::now().time_since_epoch())
                  .count();
    return NotZero(std::uint32_t(ms) + kOrigin);
}

void SleepMs(std::uint32_t ms)
{
    if (g_fakeWall) {
        g_fakeWallNow += ms;
        return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

void SetFakeWallClock(std::uint32_t ms)
{
    g_fakeWall = true;
    g_fakeWallNow = ms;
}

void AdvanceFakeWallClock(std::uint32_t ms) { g_fakeWallNow += ms; }

void ClearFakeWallClock() { g_fakeWall = false; }

bool FakeWallClockActive() { return g_fakeWall; }

} // namespace plat
