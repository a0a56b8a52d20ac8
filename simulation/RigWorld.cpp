#include "simulation/RigWorld.h"

#include <algorithm>

// The world of the built-in lake: the venue, bottom and weather read here
// once they are in the scene.
namespace rigworld {

int VenueType() { return 1; }
int MaxMetres() { return 40; }
int CurrentClass() { return 0; }
int SignedCurrent() { return 0; }
int CurrentDirection() { return -1; }
int VerticalCurrent() { return 0; }
int SlownessGrade() { return 2; }
int SeaState() { return 0; }
int WaveLevel() { return 0; }
int UpperLimitAt(int) { return 0; }
float BottomDepthAt(int, int) { return 300.0f; }
int WindDrift() { return 0; }
void SpawnBigRing(int, int) {}
void SpawnMediumRing(int, int) {}

} // namespace rigworld
