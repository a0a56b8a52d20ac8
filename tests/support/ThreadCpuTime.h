#pragma once
// The processor time this thread has used, in seconds. A bound on it catches
// work that should never have been done (a stall, a giant allocation) without
// failing when other programs keep the machine busy, as a wall-clock bound does.
#include <ctime>

inline double ThreadCpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}
