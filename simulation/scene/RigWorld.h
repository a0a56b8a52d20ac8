#pragma once
// What the rig reads from the venue, the bottom, the weather and the ring
// pool, gathered in one place so the rig's rules read as plain questions.
namespace plat {
class Device;
}

namespace rigworld {

int VenueType();          // 0 river, 1 lake, 2 sea
int MaxMetres();          // how far the scene reaches, in metres
int CurrentClass();       // 0 motionless .. 3 fast
int SignedCurrent();      // the class, negative when the current runs the other way
int CurrentDirection();   // 1 reversed, 0 forward, -1 without current
int VerticalCurrent();    // 0 none, 1 up, 2 down
int SlownessGrade();      // 1 very slow, 2 ultra slow, else normal
int SeaState();           // 0..3
int WaveLevel();          // how far the sea lifts a float, in pixels
int UpperLimitAt(int x);  // the water's first row at that x (x -1: the far edge)
float BottomDepthAt(int x, int y); // centimetres, never below 0
int WindDrift();
void SpawnBigRing(int x, int y);
void SpawnMediumRing(int x, int y);

} // namespace rigworld

// Lets the world ask the rig for its point, float, rod type and the
// distance of a screen row.
void RegisterRigLink();
