#pragma once
// One function per sound of the game's sound bank. Each returns the raw
// signal; the caller trims the level and writes the file.
#include "tools/gen_sounds/Dsp.h"

namespace sounds {

using dsp::Buffer;

// Tackle.cpp
Buffer Cast();
Buffer ReelRatchet(); // tiles when replayed back to back
Buffer DragBuzz();    // tiles when replayed back to back
Buffer BiteBell();

// Water.cpp
Buffer GroundbaitSplash();
Buffer Splash();
Buffer FishJump();
Buffer Brook();
Buffer RoughSea();
Buffer CalmSea();

// Animals.cpp
inline constexpr int kBirdCalls = 12;
Buffer BirdCall(int index); // 0 .. kBirdCalls - 1
Buffer Duck();
Buffer Crow();
Buffer Gull();
Buffer Cicadas();  // seamless loop
Buffer Crickets(); // seamless loop

// Distant.cpp
Buffer NearThunder();
Buffer FarThunder();
Buffer ShipHorn();
Buffer ShipEngine();

} // namespace sounds
