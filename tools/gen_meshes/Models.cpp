#include "tools/gen_meshes/Models.h"

#include "tools/gen_meshes/MeshBuilder.h"

#include <cmath>

namespace meshgen {
namespace {

constexpr float kPi = 3.14159265358979f;
constexpr int kRound = 32; // segments round a large part
constexpr int kSmall = 16; // round a small one
constexpr float kReelScale = 1.25f;

plat::Matrix At(float x, float y, float z) { return plat::MatrixTranslation(x, y, z); }
// Local z turned onto x, or onto y, then moved.
plat::Matrix AlongX(float x = 0, float y = 0, float z = 0)
{
    return plat::MatrixMultiply(plat::MatrixRotationY(kPi / 2), At(x, y, z));
}
plat::Matrix AlongY(float x = 0, float y = 0, float z = 0)
{
    return plat::MatrixMultiply(plat::MatrixRotationX(-kPi / 2), At(x, y, z));
}

// Half an ellipse from z0 to z1 of half-height r, closed on the axis at both ends.
std::vector<ProfilePoint> Egg(float z0, float z1, float r, int steps)
{
    std::vector<ProfilePoint> p;
    const float c = (z0 + z1) / 2, a = (z1 - z0) / 2;
    for (int i = 0; i <= steps; ++i) {
        const float phi = kPi - kPi * float(i) / float(steps);
        p.push_back({c + a * std::cos(phi), r * std::sin(phi)});
    }
    return p;
}

} // namespace

plat::Mesh BuildReel()
{
    MeshBuilder b;
    const int body = b.AddMaterial("CORPO.BMP");
    const int spool = b.AddMaterial("BOBINA.BMP");
    const int bail = b.AddMaterial("ARCHETTO.BMP");
    const int handle = b.AddMaterial("MANOVELLA.BMP");
    const plat::Matrix none = plat::MatrixIdentity();
    // Everything but the foot is drawn at this scale about the origin, where
    // the axes meet; the foot is sized to reach the rod whatever the scale.
    const plat::Matrix big = plat::MatrixScaling(kReelScale, kReelScale, kReelScale);
    auto scaled = [&](const plat::Matrix& m) { return plat::MatrixMultiply(m, big); };

    // Body: the gear housing, narrow across, round seen from the side.
    b.UseMaterial(body);
    b.Lathe(Egg(-0.058f, 0.088f, 0.066f, 24), kRound, big, 0.55f, 1.0f);
    // Rear cap and the neck carrying the rotor.
    // Short rings where it enters the housing, so its faces sort with the
    // housing's small ones.
    b.Lathe({{0.07f, 0.026f}, {0.076f, 0.026f}, {0.082f, 0.026f}, {0.088f, 0.026f}, {0.094f, 0.026f}, {0.094f, 0.026f},
             {0.1f, 0.021f}, {0.103f, 0.0f}},
            kSmall, big);
    b.Lathe({{-0.082f, 0.0f}, {-0.082f, 0.028f}, {-0.05f, 0.032f}}, kSmall, big);
    // Rotor cup, open toward the spool skirt that covers its rim.
    b.Lathe({{-0.128f, 0.0f}, {-0.128f, 0.046f}, {-0.128f, 0.046f}, {-0.124f, 0.05f}, {-0.118f, 0.0498f}, {-0.112f, 0.0494f}, {-0.106f, 0.049f}, {-0.1f, 0.048f}, {-0.086f, 0.036f},
             {-0.078f, 0.026f}, {-0.078f, 0.026f}, {-0.078f, 0.0f}},
            kRound, big);
    // Spool: front drag knob, front lip, the line, rear skirt.
    b.Lathe({{-0.219f, 0.0f}, {-0.219f, 0.014f}, {-0.215f, 0.019f}, {-0.199f, 0.02f}}, kSmall, big);
    b.Lathe({{-0.201f, 0.0f}, {-0.201f, 0.05f}, {-0.198f, 0.055f}, {-0.192f, 0.055f}, {-0.189f, 0.047f}}, kRound, big);
    b.UseMaterial(spool);
    b.Lathe({{-0.19f, 0.0455f}, {-0.166f, 0.0478f}, {-0.142f, 0.0455f}}, kRound, big);
    b.UseMaterial(body);
    b.Lathe({{-0.143f, 0.044f}, {-0.139f, 0.054f}, {-0.128f, 0.056f}, {-0.118f, 0.056f}, {-0.118f, 0.056f},
             {-0.118f, 0.0505f}},
            kRound, big);
    // Cap nut on the side away from the handle.
    b.Lathe({{-0.048f, 0.0f}, {-0.048f, 0.011f}, {-0.044f, 0.015f}, {-0.03f, 0.016f}}, kSmall, scaled(AlongX()));
    // Foot: a stem rising from the housing to the pad that meets the rod.
    const plat::Vec3 stem[8] = {{-0.008f, 0.06f, -0.012f}, {0.008f, 0.06f, -0.012f}, {0.008f, 0.06f, 0.036f},
                                {-0.008f, 0.06f, 0.036f},  {-0.006f, 0.252f, -0.008f}, {0.006f, 0.252f, -0.008f},
                                {0.006f, 0.252f, 0.022f},  {-0.006f, 0.252f, 0.022f}};
    b.Block(stem, none);
    const plat::Vec3 pad[8] = {{-0.012f, 0.248f, -0.058f}, {0.012f, 0.248f, -0.058f}, {0.012f, 0.248f, 0.062f},
                               {-0.012f, 0.248f, 0.062f},  {-0.014f, 0.27f, -0.066f},  {0.014f, 0.27f, -0.066f},
                               {0.014f, 0.27f, 0.07f},     {-0.014f, 0.27f, 0.07f}};
    b.Block(pad, none);

    // Bail: the rotor arms, the line roller on the -x arm and the wire
    // between them over the spool. It all turns about z with the handle.
    b.UseMaterial(bail);
    b.Box({0.052f, -0.011f, -0.172f}, {0.062f, 0.011f, -0.096f}, big);
    b.Box({-0.062f, -0.011f, -0.172f}, {-0.052f, 0.011f, -0.096f}, big);
    b.Lathe({{-0.012f, 0.0f}, {-0.012f, 0.0085f}, {-0.012f, 0.0085f}, {0.012f, 0.0085f}, {0.012f, 0.0085f}, {0.012f, 0.0f}},
            kSmall, scaled(AlongY(-0.067f, 0.0f, -0.166f)));
    std::vector<plat::Vec3> wire;
    for (int i = 0; i <= 24; ++i) {
        const float phi = kPi - kPi * float(i) / 24.0f;
        wire.push_back({0.061f * std::cos(phi), 0.061f * std::sin(phi), -0.166f - 0.03f * std::sin(phi)});
    }
    b.Tube(wire, 0.0032f, 8, big);

    // Handle on +x: shaft, arm hanging down at rest, knob.
    b.UseMaterial(handle);
    b.Lathe({{0.03f, 0.0f}, {0.03f, 0.0075f}, {0.082f, 0.0075f}, {0.082f, 0.0f}}, kSmall, scaled(AlongX()));
    const plat::Vec3 arm[8] = {{0.075f, -0.106f, -0.006f}, {0.084f, -0.106f, -0.006f}, {0.084f, -0.106f, 0.006f},
                               {0.075f, -0.106f, 0.006f},  {0.075f, 0.013f, -0.01f},    {0.084f, 0.013f, -0.01f},
                               {0.084f, 0.013f, 0.01f},    {0.075f, 0.013f, 0.01f}};
    b.Block(arm, big);
    b.Lathe({{0.084f, 0.0f}, {0.084f, 0.005f}, {0.093f, 0.005f}, {0.097f, 0.012f}, {0.11f, 0.0165f}, {0.124f, 0.0145f},
             {0.13f, 0.009f}, {0.132f, 0.0f}},
            kSmall, scaled(AlongX(0.0f, -0.1f, 0.0f)));
    return b.Mesh();
}

plat::Mesh BuildRodHandle()
{
    MeshBuilder b;
    const int rear = b.AddMaterial("SUGHERO.BMP");
    const int seat = b.AddMaterial("PORTAMULINELLO.BMP");
    const int fore = b.AddMaterial("SUGHERO.BMP");
    const plat::Matrix none = plat::MatrixIdentity();

    b.UseMaterial(rear);
    b.Lathe({{0.7f, 0.03f}, {0.7f, 0.044f}, {0.72f, 0.047f}, {0.8f, 0.05f}, {0.9f, 0.0515f}, {0.97f, 0.049f},
             {1.001f, 0.046f}},
            kRound, none);
    b.UseMaterial(seat);
    // Butt cap.
    b.Lathe({{1.0f, 0.044f}, {1.0f, 0.047f}, {1.0f, 0.047f}, {1.014f, 0.046f}, {1.022f, 0.038f}, {1.025f, 0.0f}}, kRound,
            none);
    // Reel seat: locking rings in front, the barrel the foot lies on, the
    // fixed hood behind.
    b.Lathe({{0.36f, 0.026f}, {0.36f, 0.046f}, {0.36f, 0.046f}, {0.366f, 0.048f}, {0.398f, 0.048f}, {0.403f, 0.043f},
             {0.409f, 0.048f}, {0.44f, 0.048f}, {0.446f, 0.043f}, {0.452f, 0.04f}, {0.598f, 0.04f}, {0.606f, 0.046f},
             {0.616f, 0.049f}, {0.7f, 0.049f}, {0.7f, 0.049f}, {0.7f, 0.044f}},
            kRound, none);
    // Winding check where the fore grip meets the blank.
    b.Lathe({{0.088f, 0.018f}, {0.088f, 0.027f}, {0.088f, 0.027f}, {0.101f, 0.031f}, {0.101f, 0.025f}}, kRound, none);
    b.UseMaterial(fore);
    b.Lathe({{0.1f, 0.025f}, {0.1f, 0.031f}, {0.12f, 0.036f}, {0.2f, 0.04f}, {0.3f, 0.0425f}, {0.352f, 0.0435f},
             {0.361f, 0.034f}},
            kRound, none);
    return b.Mesh();
}

} // namespace meshgen
