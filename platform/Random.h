#pragma once
// The game's one random generator: the classic linear congruential generator
// (state * 214013 + 2531011, result = bits 16..30 of the state, 0..32767).
// Every chance in the game draws from it, and the order of draws is part of
// the behaviour, so tests seed it and expect exact sequences.
#include <cstdint>

namespace plat {

constexpr int kRandMax = 32767;

void SeedRandom(std::uint32_t seed);
int Random();
// Draws made since the program started; tests compare runs by it.
std::uint64_t RandomDrawCount();

} // namespace plat
