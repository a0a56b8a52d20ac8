// Text mesh files of the rod and reel. A mesh that is read has every face
// inside its vertices and materials and only finite numbers; written back
// and read again it is the same mesh (the second writing equals the first).
// A refused text leaves the mesh empty.
#include "fuzz/FuzzSupport.h"
#include "platform/Mesh.h"

#include <cmath>
#include <cstring>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const fuzz::TimeBound bound(data, size);
    // An exact-size copy, so a read past the end is caught.
    std::unique_ptr<char[]> exact(new char[size ? size : 1]);
    std::memcpy(exact.get(), data, size);
    plat::Mesh m;
    m.vertices.resize(1); // a refused text must not leave this behind
    std::string error;
    if (!plat::ReadMeshText(exact.get(), size, m, &error)) {
        fuzz::Check(m.vertices.empty() && m.faces.empty() && m.materials.empty(), "a refused mesh is left empty");
        fuzz::Check(!error.empty(), "a refused mesh says why");
        return 0;
    }
    fuzz::Check(!m.materials.empty(), "a read mesh has a material");
    for (const plat::MeshFace& f : m.faces) {
        for (std::uint32_t i : f.index)
            fuzz::Check(i < m.vertices.size(), "a face index inside the vertices");
        fuzz::Check(f.material >= 0 && std::size_t(f.material) < m.materials.size(), "a face material that exists");
    }
    for (const plat::MeshVertex& v : m.vertices)
        for (float x : {v.position.x, v.position.y, v.position.z, v.weight, v.normal.x, v.normal.y, v.normal.z, v.u, v.v})
            fuzz::Check(std::isfinite(x), "only finite numbers");

    const std::string text = plat::WriteMeshText(m);
    plat::Mesh again;
    fuzz::Check(plat::ReadMeshText(text.data(), text.size(), again, &error), "a written mesh reads back", error);
    fuzz::Check(again.vertices.size() == m.vertices.size() && again.faces.size() == m.faces.size() &&
                    again.materials.size() == m.materials.size(),
                "a written mesh keeps its counts", text.substr(0, 200));
    for (std::size_t i = 0; i < m.faces.size(); ++i)
        fuzz::Check(std::memcmp(again.faces[i].index, m.faces[i].index, sizeof m.faces[i].index) == 0 &&
                        again.faces[i].material == m.faces[i].material,
                    "a written mesh keeps its faces");
    for (std::size_t i = 0; i < m.materials.size(); ++i)
        fuzz::Check(again.materials[i].textureFile == m.materials[i].textureFile, "a written mesh keeps its textures",
                    m.materials[i].textureFile);
    fuzz::Check(plat::WriteMeshText(again) == text, "writing a read-back mesh changes nothing", text.substr(0, 200));
    return 0;
}
