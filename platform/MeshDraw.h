#pragma once
// Drawing a mesh subset through the device's fixed-function scene state:
// each vertex blended between the two world matrices by its weight, lit per
// vertex by the ambient colour and light 0, projected through view,
// projection and viewport; the triangles go to the device as screen-space,
// vertex-coloured, textured triangles, sorted with everything else by depth.
#include "platform/Device.h"
#include "platform/Mesh.h"

#include <vector>

namespace plat {

// The per-vertex work alone, for tests and for owners that need the screen
// positions: appends three vertices per face of the subset that survives.
// A face with a vertex behind the near plane (or beyond the far one) is
// dropped, as is a face seen from behind when the scene culls. Returns the
// number of faces appended.
int BuildSubsetTriangles(const SceneState& scene, const Viewport& viewport, const Mesh& mesh, int material,
                         std::vector<ScreenVertex>& out);

// Draws the faces of one material with the device's current scene state
// (its material, not the mesh's: owners set it first, as they set the
// texture) and counts them in the device's 3D triangle count. texture may be
// null. kInvalidCall for a material the mesh does not have.
//
// The device orders triangles by their mean depth, not per pixel, so a long
// triangle can sort in front of a shorter one that covers it. depthBias
// (added to every depth, in the viewport's 0..1 range) settles such pairs:
// a part drawn round another (a grip round the blank) takes a small negative
// bias, a part tucked inside another (a reel foot in the blank) a positive one.
//
// A mesh is read as it was at its first draw in a scene: change it in place
// before the scene draws it, not between its subsets.
int DrawMeshSubset(Device& device, const Mesh& mesh, int material, const Texture* texture, float depthBias = 0.0f);

} // namespace plat
