#pragma once
// Two millisecond clocks, both 32-bit and wrapping every 2^32 ms, so callers
// always compare readings by unsigned difference.
//
// Game time (NowMs) is what every game rule reads: timed operations, the
// game and tournament clocks, the fight, the cast. It never follows the wall
// clock; it moves only when a game frame steps it, by kGameStepMs, so a game
// plays the same on a fast machine and a slow one.
//
// Wall time (WallMs) is real time. Only the message loop's pacing (how many
// game frames are due) and waiting read it; the sound mixer plays in real
// time on its own.
#include <cstdint>

namespace plat {

// One game frame is this much game time.
constexpr std::uint32_t kGameStepMs = 10;

// Game time. Never reads 0: a timed operation's "last run" of 0 means
// "never ran".
std::uint32_t NowMs();
void StepGameClock(std::uint32_t ms);
// Start-up sets the origin (from the wall clock, so each start differs);
// tests set it directly.
void SetGameClock(std::uint32_t ms);

// Wall time, never 0 either.
std::uint32_t WallMs();
void SleepMs(std::uint32_t ms);

// Test seam for wall time: while set, WallMs() returns the fake reading and
// SleepMs() moves it instead of waiting.
void SetFakeWallClock(std::uint32_t ms);
void AdvanceFakeWallClock(std::uint32_t ms);
void ClearFakeWallClock();
bool FakeWallClockActive();

} // namespace plat
