// How long the 3D layer takes for the tackle, headless on the software
// renderer: a scene of the rod blank, the spinning handle and the reel seen
// through the game's camera, lit and blended.
#include "platform/Device.h"
#include "platform/Mesh.h"
#include "platform/MeshDraw.h"
#include "platform/Resources.h"

#include <benchmark/benchmark.h>

namespace {

bool Load(int id, plat::Mesh& m)
{
    const plat::Resource* r = plat::FindResource(plat::ResourceKind::Mesh, id);
    return r && plat::ReadMeshText(reinterpret_cast<const char*>(r->data), r->size, m);
}

void BM_TackleMeshes(benchmark::State& state)
{
    int st = 0;
    auto dev = plat::Device::CreateHeadless(800, 600, &st);
    plat::Mesh reel, handle;
    if (!dev || !Load(354, reel) || !Load(410, handle)) {
        state.SkipWithError("no device or no meshes");
        return;
    }
    const plat::Mesh rod = plat::MakeCylinder(0.005f, 0.03f, 2.42f, 20, 10);
    plat::SceneState& s = dev->Scene();
    s.lighting = true;
    s.cullNone = false;
    s.ambient = 0xFF323232;
    s.blendWeights = 1;
    s.light0 = {true, {0.7f, 0.7f, 0.7f, 1.0f}, {-1.0f, -0.3f, -1.0f}};
    s.material.diffuse = s.material.ambient = {1, 1, 1, 1};
    s.view = plat::MatrixLookAtLH({0, 2.8f, 6.0f}, {0, 2.6f, 0}, {0, 1, 0});
    s.projection = plat::MatrixPerspectiveFovLH(3.14159265f / 4, 800.0f / 600.0f, 1.0f, 1000.0f);
    const plat::Matrix rise = plat::MatrixRotationX(0.785398f);
    int triangles = 0;
    for (auto _ : state) {
        dev->Clear(0xFF000000);
        dev->BeginScene();
        s.world[0] = s.world[1] = plat::MatrixMultiply(plat::MatrixTranslation(0, 0, -1.21f), rise);
        plat::DrawMeshSubset(*dev, rod, 0, nullptr);
        s.world[0] = s.world[1] = plat::MatrixMultiply(plat::MatrixTranslation(0, 0, -1.025f), rise);
        for (int m = 0; m < int(handle.materials.size()); ++m)
            plat::DrawMeshSubset(*dev, handle, m, nullptr, -0.005f);
        s.world[0] = s.world[1] = plat::MatrixMultiply(plat::MatrixTranslation(0, -0.27f, -0.5f), rise);
        for (int m = 0; m < int(reel.materials.size()); ++m)
            plat::DrawMeshSubset(*dev, reel, m, nullptr, 0.005f);
        triangles = dev->Triangles3D();
        dev->EndScene();
    }
    state.counters["triangles"] = triangles;
}
BENCHMARK(BM_TackleMeshes)->Unit(benchmark::kMillisecond);

} // namespace
