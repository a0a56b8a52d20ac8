#pragma once
// Builds meshes out of a few primitives (surfaces of revolution, swept
// tubes, boxes), each placed by a matrix. Every triangle is wound so that
// it faces the way its vertex normals point: front faces clockwise from
// outside, as the drawing layer culls them.
#include "platform/Mesh.h"

#include <vector>

namespace meshgen {

// A point of a profile turned round the z axis: z and radius.
struct ProfilePoint {
    float z, r;
};

class MeshBuilder {
public:
    // Adds a material and makes it the one new faces get.
    int AddMaterial(const char* textureFile, float r = 1, float g = 1, float b = 1);
    void UseMaterial(int material) { m_material = material; }

    // The profile turned round local z, from its first point to its last;
    // a point given twice makes a crease. Local x and y are scaled by sx and
    // sy before the placement. u runs round (0..1), v along the profile (0..1).
    void Lathe(const std::vector<ProfilePoint>& profile, int segments, const plat::Matrix& place, float sx = 1,
               float sy = 1);
    // A round tube of radius r along the path, its ends left open.
    void Tube(const std::vector<plat::Vec3>& path, float r, int segments, const plat::Matrix& place);
    // A solid of eight corners: the bottom four then the top four, each four
    // going round; faces are flat.
    void Block(const plat::Vec3 (&corners)[8], const plat::Matrix& place);
    void Box(const plat::Vec3& lo, const plat::Vec3& hi, const plat::Matrix& place);

    const plat::Mesh& Mesh() const { return m_mesh; }

private:
    std::uint32_t AddVertex(const plat::Vec3& p, const plat::Vec3& n, float u, float v, const plat::Matrix& place);
    void AddTriangle(std::uint32_t a, std::uint32_t b, std::uint32_t c);
    void AddGrid(std::uint32_t first, int rows, int cols); // rows x cols vertices, row by row

    plat::Mesh m_mesh;
    int m_material = 0;
};

} // namespace meshgen
