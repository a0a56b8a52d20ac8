#pragma once
// The millisecond clock. It counts from an arbitrary origin and wraps every
// 2^32 ms, so callers always compare readings by unsigned difference.
#include <cstdint>

namespace plat {

std::uint32_t NowMs();
void SleepMs(std::uint32_t ms);

// Test seam: while set, NowMs() returns the fake reading.
void SetFakeClock(std::uint32_t ms);
void AdvanceFakeClock(std::uint32_t ms);
void ClearFakeClock();
bool FakeClockActive();

} // namespace plat
