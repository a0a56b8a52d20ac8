#include "platform/Random.h"

namespace plat {
namespace {
std::uint32_t g_state = 1;
std::uint64_t g_draws = 0;
} // namespace

void SeedRandom(std::uint32_t seed) { g_state = seed; }

int Random()
{
    ++g_draws;
    g_state = g_state * 214013u + 2531011u;
    return int((g_state >> 16) & 0x7FFF);
}

std::uint64_t RandomDrawCount() { return g_draws; }

} // namespace plat
