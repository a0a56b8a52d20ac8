#pragma once
// The two meshes of the 3D tackle.
#include "platform/Mesh.h"

namespace meshgen {

// A spinning reel in its own frame: the body's centre at the origin, where
// the crank axis (x) meets the spool axis (z); rotor and spool toward -z;
// the foot up to y = +0.27, where the rod lies; the handle on +x and the
// line roller as the vertex of smallest x. Materials, in order: body
// "CORPO.BMP", spool "BOBINA.BMP", bail and rotor arms "ARCHETTO.BMP",
// handle "MANOVELLA.BMP".
plat::Mesh BuildReel();

// A spinning rod's handle along z, its butt at z = +1.025 (the rod's butt
// when drawn 1.025 back along the rod): rear grip, reel seat round
// z = +0.525, fore grip. Materials: rear grip, reel seat with the butt cap
// and winding check, fore grip.
plat::Mesh BuildRodHandle();

} // namespace meshgen
