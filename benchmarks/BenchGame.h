#pragma once
// The real game started on the shipped data with fresh temporary data
// folders at a resolution setting, for the benchmarks, on a fixed game clock
// and seed; it shuts down and the folders go with the object.
#include <cstdint>
#include <string>

// The game clock and the generator's seed every benchmark game starts from.
constexpr std::uint32_t kBenchClock = 36000000, kBenchSeed = 20261207;

// The fishing session opened and fishing, the venue in rain with a dozen
// water rings.
void StartSessionInRain();

class RunningGame {
public:
    explicit RunningGame(int resolutionSetting);
    ~RunningGame();
    RunningGame(const RunningGame&) = delete;
    RunningGame& operator=(const RunningGame&) = delete;
    bool Ok() const { return m_ok; }

private:
    std::string m_root;
    bool m_ok = false;
};
