#pragma once
// The real game started in fresh temporary folders at a resolution setting,
// for the benchmarks; it shuts down and the folders go with the object.
#include <string>

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
