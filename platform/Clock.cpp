#include "platform/Clock.h"

#include <chrono>
#include <thread>

namespace plat {
namespace {
bool g_fake = false;
std::uint32_t g_fakeNow = 0;
} // namespace

std::uint32_t NowMs()
{
    if (g_fake)
        return g_fakeNow;
    // Offset so the first reading is never 0: a timed operation's "last run"
    // of 0 means "never ran".
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                  std::chrono::steady_clock::now().time_since_epoch())
                  .count();
    return std::uint32_t(ms) + 0x10000u;
}

void SleepMs(std::uint32_t ms)
{
    if (g_fake) {
        g_fakeNow += ms;
        return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

void SetFakeClock(std::uint32_t ms)
{
    g_fake = true;
    g_fakeNow = ms;
}

void AdvanceFakeClock(std::uint32_t ms) { g_fakeNow += ms; }

void ClearFakeClock() { g_fake = false; }

bool FakeClockActive() { return g_fake; }

} // namespace plat
