#include "simulation/RigWorld.h"

#include "shell/Oggetto.h"

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
// The lake's far shore: the water begins 10 thirtieths down; at the far
// edge (x -1) it is the band's top.
int UpperLimitAt(int x) { return (x < 0 ? 6 : 10) * (g_nScreenH / 30); }
float BottomDepthAt(int, int) { return 300.0f; }
int WindDrift() { return 0; }
void SpawnBigRing(int, int) {}
void SpawnMediumRing(int, int) {}

} // namespace rigworld
