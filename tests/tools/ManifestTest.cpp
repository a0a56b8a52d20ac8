// Every bitmap the code asks for must be embedded with the size and frame
// grid the code requests. Add a row here whenever code starts using a bitmap.
#include "platform/Image.h"
#include "platform/Resources.h"

#include <gtest/gtest.h>

namespace {

struct UsedBitmap {
    int id;
    int width, height; // the size the code requests
    int cols, rows;    // the frame grid the code cuts it into
    const char* user;
};

const UsedBitmap kUsedBitmaps[] = {
    {146, 800, 15, 160, 3, "CBordo: 5 x 5 corners and edge strips"},
    {155, 800, 600, 1, 1, "g_sprPanelBackground (stretched to the back buffer)"},
    {257, 451, 10, 11, 1, "CIndPerc: 11 frames of 41 x 10"},
    {156, 130, 25, 1, 1, "CPulsante: normal look"},
    {173, 130, 25, 1, 1, "CPulsante: toggled look"},
    {157, 270, 16, 18, 1, "CPulsante: 18 icons of 15 x 16"},
    {159, 20, 5, 1, 1, "CScroll: thumb"},
    {216, 415, 560, 1, 1, "CMenuPrincipale: picture"},
    {217, 800, 600, 1, 1, "menu screens' background (stretched to the back buffer)"},
    {160, 246, 46, 3, 1, "line-tension warning marker: 3 frames of 82 x 46"},
    {215, 270, 150, 2, 1, "landing net: bag under water and hoop with handle, 135 x 150"},
    {237, 220, 20, 11, 1, "stamina bar: label and 10 levels of 20 x 20"},
    {342, 28, 6, 4, 1, "terminal icons at the line end: 4 frames of 7 x 6"},
    {366, 160, 24, 4, 1, "drag gauge: dial and needle, plain and holding, 40 x 24"},
    {419, 1320, 66, 10, 1, "line-tension gauge: 10 levels of 132 x 66"},
    // 3D rod and reel textures, loaded at their own size.
    {343, 256, 16, 1, 1, "CCanna::Draw3D: rod colour 1"},
    {344, 256, 16, 1, 1, "CCanna::Draw3D: rod colour 0 and any colour outside 1..10"},
    {345, 256, 16, 1, 1, "CCanna::Draw3D: rod colour 2"},
    {346, 256, 16, 1, 1, "CCanna::Draw3D: rod colour 3"},
    {347, 256, 16, 1, 1, "CCanna::Draw3D: rod colour 4"},
    {348, 256, 16, 1, 1, "CCanna::Draw3D: rod colour 5"},
    {349, 256, 16, 1, 1, "CCanna::Draw3D: rod colour 6"},
    {350, 256, 16, 1, 1, "CCanna::Draw3D: rod colour 7"},
    {351, 256, 16, 1, 1, "CCanna::Draw3D: rod colour 8"},
    {352, 256, 16, 1, 1, "CCanna::Draw3D: rod colour 9"},
    {353, 256, 16, 1, 1, "CCanna::Draw3D: rod colour 10"},
    {356, 8, 8, 1, 1, "CMulinello::LoadSpoolTexture: line colour 0 and any other"},
    {357, 8, 8, 1, 1, "CMulinello::LoadSpoolTexture: line colour 1"},
    {358, 8, 8, 1, 1, "CMulinello::LoadSpoolTexture: line colour 2"},
    {359, 8, 8, 1, 1, "CMulinello::LoadSpoolTexture: line colour 3"},
    {360, 8, 8, 1, 1, "CMulinello::LoadSpoolTexture: line colour 4"},
    {361, 8, 8, 1, 1, "CMulinello::LoadSpoolTexture: line colour 5"},
    {384, 8, 8, 1, 1, "CMulinello::LoadSpoolTexture: line colour 6"},
    {385, 8, 8, 1, 1, "CMulinello::LoadSpoolTexture: line colour 7"},
    {386, 8, 8, 1, 1, "CMulinello::LoadSpoolTexture: line colour 8"},
    {387, 8, 8, 1, 1, "CMulinello::LoadSpoolTexture: line colour 9"},
    {388, 8, 8, 1, 1, "CMulinello::LoadSpoolTexture: line colour 10"},
    {389, 8, 8, 1, 1, "CMulinello::LoadSpoolTexture: line colour 11"},
    {390, 8, 8, 1, 1, "CMulinello::LoadSpoolTexture: line colour 12"},
    {362, 8, 8, 1, 1, "CMulinello::LoadDefaultTextures: body"},
    {363, 8, 8, 1, 1, "CMulinello::LoadDefaultTextures: handle"},
    {364, 8, 8, 1, 1, "CMulinello::LoadDefaultTextures: spool"},
    {365, 8, 8, 1, 1, "CMulinello::LoadDefaultTextures: bail"},
    {411, 64, 64, 1, 1, "CCanna: mesh 410's reel seat"},
    {412, 128, 128, 1, 1, "CCanna: mesh 410's cork grips"},
    // tackle: built-in photos, float scene pictures and the line strip
    {170, 100, 100, 1, 1, "CAmo: photo of the crystal hook and of hook files"},
    {413, 100, 100, 1, 1, "CAmo: photo of the lure hook and of lure hook files"},
    {246, 75, 350, 1, 1, "CCanna: photo of INTERNAL_10 and unknown built-ins"},
    {247, 75, 350, 1, 1, "CCanna: photo of INTERNAL_0 and of rod files"},
    {248, 75, 350, 1, 1, "CCanna: photo of INTERNAL_1"},
    {249, 75, 350, 1, 1, "CCanna: photo of INTERNAL_2"},
    {250, 75, 350, 1, 1, "CCanna: photo of INTERNAL_3"},
    {251, 75, 350, 1, 1, "CCanna: photo of INTERNAL_4"},
    {252, 75, 350, 1, 1, "CCanna: photo of INTERNAL_5"},
    {253, 75, 350, 1, 1, "CCanna: photo of INTERNAL_6"},
    {254, 75, 350, 1, 1, "CCanna: photo of INTERNAL_7"},
    {255, 75, 350, 1, 1, "CCanna: photo of INTERNAL_8"},
    {256, 75, 350, 1, 1, "CCanna: photo of INTERNAL_9"},
    {213, 100, 100, 1, 1, "CEsca: photo of the maggot and of bait files"},
    {168, 50, 350, 1, 1, "CGalleggiante: photo of Big New and of float files"},
    {174, 50, 350, 1, 1, "CGalleggiante: photo of Fiesole"},
    {379, 50, 350, 1, 1, "CGalleggiante: photo of No float"},
    {163, 15, 45, 1, 1, "CGalleggiante: Big New and floats without a scene picture"},
    {175, 15, 45, 1, 1, "CGalleggiante: Fiesole in the scene"},
    {378, 15, 45, 1, 1, "CGalleggiante: No float in the scene"},
    {355, 100, 100, 1, 1, "CMulinello: photo of the built-in reel and of reel files"},
    {171, 100, 100, 1, 1, "CPiombo: photo of the soft shot and of shot files"},
    {244, 100, 100, 1, 1, "CPiombo: photo of the torpille and of torpille files"},
    {169, 1300, 100, 13, 1, "CLenza: line photo, one frame per line colour"},
    {182, 800, 600, 1, 1, "CSfondo: built-in lake picture (stretched to the back buffer)"},
    {322, 800, 600, 1, 1, "CSfondo: built-in harbour picture (stretched to the back buffer)"},
    {136, 50, 17, 1, 1, "CCerchi: water ring"},
    {137, 600, 200, 6, 2, "fish sheet: swimming and lying, the jump; 100 x 100"},
    {275, 480, 18, 12, 1, "CEffetti: surface fish and overlay marker, 40 x 18"},
    {240, 175, 28, 5, 1, "CMeteo: weather icons, 35 x 28"},
    {241, 800, 600, 1, 1, "CMeteo: fog (stretched to the back buffer)"},
    {242, 12, 5, 4, 1, "CMeteo: rain and snow drops, 3 x 5"},
};

TEST(ManifestTest, EveryBitmapTheCodeUsesIsEmbeddedAtItsSize)
{
    for (const auto& b : kUsedBitmaps) {
        SCOPED_TRACE(b.user);
        const plat::Resource* r = plat::FindResource(plat::ResourceKind::Bitmap, b.id);
        ASSERT_NE(nullptr, r) << "bitmap " << b.id;
        EXPECT_EQ(b.width, r->width);
        EXPECT_EQ(b.height, r->height);
        EXPECT_EQ(b.cols, r->frameCols);
        EXPECT_EQ(b.rows, r->frameRows);
        EXPECT_EQ(0, b.width % b.cols);
        EXPECT_EQ(0, b.height % b.rows);
        plat::Image img;
        ASSERT_TRUE(plat::DecodeImage(r->data, r->size, img)) << "bitmap " << b.id;
        EXPECT_EQ(b.width, img.width);
        EXPECT_EQ(b.height, img.height);
    }
}

// The jump's last frame lies one column past the sheet, where the drawer
// repeats the sheet's edge: that edge must be empty, or a sliver of fish
// would hang in the air after every jump.
TEST(ManifestTest, FishSheetRightEdgeIsTransparent)
{
    const plat::Resource* r = plat::FindResource(plat::ResourceKind::Bitmap, 137);
    ASSERT_NE(nullptr, r);
    plat::Image img;
    ASSERT_TRUE(plat::DecodeImage(r->data, r->size, img));
    for (int y = 0; y < img.height; ++y)
        ASSERT_EQ(img.At(img.width - 1, y) >> 24, 0u) << "row " << y;
}

} // namespace
