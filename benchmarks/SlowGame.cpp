// The real game as a slower machine runs it, to check that game time holds
// under load: KARVELIN_EXTRA_FRAME_MS milliseconds of extra work after every
// presented frame (0 or unset: none). Each change of the rod's phase (rest,
// cast swing, fish on) is printed on stderr with the game time and the wall
// time, so a cast can be timed from outside.
#include "app/AppFish.h"
#include "app/Program.h"
#include "platform/Clock.h"
#include "simulation/tackle/CannaPesca.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

int main()
{
    const char* extra = std::getenv("KARVELIN_EXTRA_FRAME_MS");
    const int extraMs = extra ? std::atoi(extra) : 0;
    if (extraMs > 0)
        SetPresentedFrameHook([extraMs] {
            // Busy, like a slow renderer, rather than asleep.
            const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(extraMs);
            while (std::chrono::steady_clock::now() < end) {
            }
        });
    int phase = 0;
    CAppFish::SetTraceHook([&](const char* step) {
        if (std::strcmp(step, "render 9") != 0)
            return;
        const int now = g_CannaPesca.GetPhase();
        if (now != phase) {
            std::fprintf(stderr, "phase %d -> %d game %u wall %u\n", phase, now, plat::NowMs(), plat::WallMs());
            phase = now;
        }
    });
    return KarvelinMain();
}
