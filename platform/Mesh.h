#pragma once
// Triangle meshes for the 3D rod and reel: the vertex layout every mesh
// carries (position, one blend weight, normal, one texture coordinate pair),
// triangles grouped into subsets by material, the reader of the text mesh
// files our generator writes, and the tapered cylinder the rod is built from.
#include "platform/Device.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace plat {

struct MeshVertex {
    Vec3 position;
    // Share of world matrix 0 when blending is on; the rest comes from world
    // matrix 1. 1.0 draws the vertex with world matrix 0 alone.
    float weight = 1.0f;
    Vec3 normal;
    float u = 0, v = 0;
};

struct MeshFace {
    std::uint32_t index[3] = {0, 0, 0};
    int material = 0; // the subset the face belongs to
};

struct MeshMaterial {
    Material material;       // ambient is 0 as read; owners set it as they need
    std::string textureFile; // as written in the file, may be empty
};

struct Mesh {
    std::vector<MeshVertex> vertices;
    std::vector<MeshFace> faces;
    std::vector<MeshMaterial> materials; // at least one when read from a file

    bool Empty() const { return faces.empty(); }
    // Index of the first vertex of smallest x (a later one replaces it only
    // when strictly smaller), -1 for a mesh without vertices.
    int VertexOfSmallestX() const;
    int VertexOfSmallestZ() const;
    float SmallestZ() const; // 0 for a mesh without vertices
};

// Reads the text form of the mesh file format: the header "xof 0302txt 0032"
// (or 0303, or 0064 floats), one top-level Mesh with its positions and
// triangles, and inside it MeshNormals (required), MeshTextureCoords and
// MeshMaterialList with Material and TextureFilename. Other templates are
// skipped. Every count and index is checked and nothing is read past size.
// False with a short reason in error (and out left empty) when the text is
// malformed: wrong counts, indices out of range, faces that are not
// triangles, numbers that are not finite, nesting deeper than 32.
bool ReadMeshText(const char* data, std::size_t size, Mesh& out, std::string* error = nullptr);

// Writes the same subset (what tools and tests feed back to the reader).
std::string WriteMeshText(const Mesh& mesh);

// A cone frustum along z without caps: radius tipRadius at z = -length / 2,
// buttRadius at +length / 2. stacks + 1 rings of slices + 1 vertices from
// -z to +z; each ring starts at angle 0 (+x) and its last vertex repeats the
// first, so (vertex number mod (slices + 1)) / slices runs 0..1 round it.
// Outward normals, faces front (clockwise) from outside, texture
// coordinates u along the length (0 at -z) and v round the ring, every
// weight 1.0, one white material.
Mesh MakeCylinder(float tipRadius, float buttRadius, float length, int slices, int stacks);

} // namespace plat
