// Which renderer a windowed device keeps: an OpenGL renderer whose GL is a
// software rasteriser gives way to the software renderer (without asking GL
// where it could be nothing else), a real GPU's never does, and a render
// driver the player named always stands.
#include "platform/Device.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* renderer;
    const char* gl;
    bool named;
    bool software;
};

TEST(RendererChoiceTest, SoftwareOnlyForOpenGlOnASoftwareRasteriser)
{
    const Case cases[] = {
        // Mesa's software rasterisers, as they report themselves.
        {"opengl", "llvmpipe (LLVM 15.0.6, 256 bits)", false, true},
        {"opengl", "softpipe", false, true},
        {"opengl", "Mesa X11 Software Rasterizer", false, true},
        {"opengl", "Mesa DRI swrast", false, true},
        {"opengles2", "llvmpipe (LLVM 17.0.6, 128 bits)", false, true},
        {"opengles", "LLVMPIPE", false, true},
        // Real GPUs keep their renderer.
        {"opengl", "Mesa Intel(R) UHD Graphics 620 (KBL GT2)", false, false},
        {"opengl", "AMD Radeon RX 6600 (radeonsi, navi23, LLVM 15.0.6, DRM 3.49)", false, false},
        {"opengl", "NVIDIA GeForce GTX 1060/PCIe/SSE2", false, false},
        {"opengles2", "Mali-G52", false, false},
        // GL not asked or not answering: nothing to go on, keep it.
        {"opengl", "", false, false},
        // Not OpenGL: the name alone decides, whatever string came with it.
        {"software", "", false, false},
        {"vulkan", "llvmpipe (LLVM 15.0.6, 256 bits)", false, false},
        {"direct3d11", "llvmpipe", false, false},
        {"", "llvmpipe", false, false},
        // Named by the player or tester: always stands.
        {"opengl", "llvmpipe (LLVM 15.0.6, 256 bits)", true, false},
        {"opengles2", "softpipe", true, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(plat::PreferSoftwareRenderer(c.renderer, c.gl, c.named), c.software)
            << c.renderer << " / " << c.gl << (c.named ? " (named)" : "");
}

// Decided before any GL is loaded: without a graphics device GL can only
// rasterise in software, and neither can Mesa told to.
TEST(RendererChoiceTest, SoftwareWithoutAskingGlWhereGlCouldOnlyBeSoftware)
{
    const struct {
        bool named, gpu;
        const char* alwaysSoftware;
        bool software;
    } cases[] = {
        {false, false, nullptr, true}, {false, true, nullptr, false}, {false, true, "1", true},
        {false, true, "true", true},   {false, true, "0", false},     {false, true, "", false},
        {true, false, nullptr, false}, {true, true, "1", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(plat::PreferSoftwareWithoutAsking(c.named, c.gpu, c.alwaysSoftware), c.software)
            << c.named << c.gpu << (c.alwaysSoftware ? c.alwaysSoftware : "(unset)");
}

TEST(RendererChoiceTest, MissingNamesKeepTheRenderer)
{
    EXPECT_FALSE(plat::PreferSoftwareRenderer(nullptr, "llvmpipe", false));
    EXPECT_FALSE(plat::PreferSoftwareRenderer("opengl", nullptr, false));
}

} // namespace
