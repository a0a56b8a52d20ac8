#include "simulation/scene/RigWorld.h"

#include "simulation/tackle/CannaPesca.h"
#include "simulation/tackle/Cerchi.h"
#include "world/Fondale.h"
#include "world/Luogo.h"
#include "world/Meteo.h"
#include "world/SceneLinks.h"

#include <algorithm>

namespace rigworld {

int VenueType() { return g_Luogo.Record().TIPO; }
int MaxMetres() { return g_Luogo.Record().MAX_METRI; }
int CurrentClass() { return g_Luogo.Record().CORRENTE; }
int SignedCurrent() { return g_Luogo.GetSignedCurrent(); }
int CurrentDirection() { return g_Luogo.GetCurrentDirection(); }
int VerticalCurrent() { return g_Luogo.GetVerticalCurrent(); }
int SlownessGrade() { return g_Luogo.GetSlownessGrade(); }
int SeaState() { return std::max(0, g_Luogo.Record().seaState); }
int WaveLevel() { return g_Luogo.GetWaveLevel(); }
int UpperLimitAt(int x) { return g_Luogo.GetUpperLimitAt(x, true); }
float BottomDepthAt(int x, int y) { return std::max(0.0f, float(g_Fondale.GetDepthAt(x, y))); }
int WindDrift() { return g_Meteo.GetWindDrift(); }
void SpawnBigRing(int x, int y) { g_GestCerchi.SpawnBig(x, y, false); }
void SpawnMediumRing(int x, int y) { g_GestCerchi.SpawnMedium(x, y, false); }

} // namespace rigworld

// The world asks the rig through this table: the rig's point in the water,
// the float, the rod type and the distance of a screen row.
namespace {

bool RigPoint(int& x, int& y)
{
    x = int(g_CannaPesca.m_lenza.m_points[1][0]);
    y = int(g_CannaPesca.m_lenza.m_points[1][1]);
    return true;
}
bool FloatMounted() { return g_CannaPesca.m_galleggiante.HasFloat(); }
int RodType() { return g_CannaPesca.m_canna.m_current.type; }
bool DepthAt(int y, float& cm)
{
    cm = g_CannaPesca.GetDepthAt(y);
    return true;
}

const RigLink kRigLink = {RigPoint, FloatMounted, RodType, DepthAt};

} // namespace

void RegisterRigLink() { SetRigLink(&kRigLink); }
