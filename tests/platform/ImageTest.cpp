// Picture decoding takes files players exchange: sizes are known and bounded
// before any decoder allocates, and nothing empty passes as a picture.
#include "platform/Files.h"
#include "platform/Image.h"
#include "tests/support/TempFolders.h"
#include "tests/support/ThreadCpuTime.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Be32(std::uint32_t v)
{
    return {char(v >> 24), char(v >> 16), char(v >> 8), char(v)};
}
std::string Le32(std::uint32_t v)
{
    return {char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
}
std::string Le16(std::uint16_t v) { return {char(v), char(v >> 8)}; }

// The signature and a header chunk declaring the size; no pixel data.
std::string PngHeader(std::uint32_t w, std::uint32_t h)
{
    return std::string("\x89PNG\r\n\x1A\n", 8) + Be32(13) + "IHDR" + Be32(w) + Be32(h) +
           std::string("\x08\x06\x00\x00\x00", 5) + Be32(0) + std::string(64, '\0');
}

std::string BmpHeader(std::int32_t w, std::int32_t h)
{
    return "BM" + Le32(54 + 16) + Le32(0) + Le32(54) + Le32(40) + Le32(std::uint32_t(w)) + Le32(std::uint32_t(h)) +
           Le16(1) + Le16(32) + Le32(0) + Le32(16) + Le32(0) + Le32(0) + Le32(0) + Le32(0) + std::string(16, '\x7f');
}

// Start of image, one application segment to skip, then the frame header.
std::string JpegHeader(std::uint16_t w, std::uint16_t h)
{
    std::string app = "\xFF\xE0" + std::string{0, 16} + std::string("JFIF\0", 5) + std::string(9, '\0');
    std::string sof = std::string("\xFF\xC0\x00\x11\x08", 5) + std::string{char(h >> 8), char(h)} +
                      std::string{char(w >> 8), char(w)} + std::string("\x03\x01\x22\x00\x02\x11\x01\x03\x11\x01", 10);
    return std::string("\xFF\xD8", 2) + app + sof + std::string(32, '\0');
}

std::string SavedPng(int w, int h)
{
    testing_support::TempFolders f;
    const std::string path = f.Root() + "/p.png";
    EXPECT_TRUE(plat::SavePng(path, plat::Image(w, h, 0xFF336699)));
    std::string bytes;
    EXPECT_TRUE(plat::ReadWholeFile(path, bytes));
    return bytes;
}

TEST(Image, HeadersGiveFormatAndSizeBeforeDecoding)
{
    const struct {
        std::string bytes;
        plat::PictureFormat format;
        std::int64_t w, h;
    } cases[] = {
        {PngHeader(32768, 16400), plat::PictureFormat::Png, 32768, 16400},
        {PngHeader(0x80000000u, 1), plat::PictureFormat::Png, -1, 1},
        {BmpHeader(40, -30), plat::PictureFormat::Bmp, 40, 30}, // top-down
        {BmpHeader(-5, 3), plat::PictureFormat::Bmp, -5, 3},
        {JpegHeader(640, 480), plat::PictureFormat::Jpeg, 640, 480},
        {std::string("\xFF\xD8\xFF\xD9", 4), plat::PictureFormat::Jpeg, 0, 0}, // no frame header
        {"gimp xcf file\0", plat::PictureFormat::Unknown, 0, 0},
        {"<svg width='200000' height='200000'/>", plat::PictureFormat::Unknown, 0, 0},
        {"", plat::PictureFormat::Unknown, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.bytes.substr(0, 8)));
        plat::PictureHeader h = plat::ReadPictureHeader(c.bytes.data(), c.bytes.size());
        EXPECT_EQ(h.format, c.format);
        EXPECT_EQ(h.width, c.w);
        EXPECT_EQ(h.height, c.h);
    }
}

// Each of these once made the decoder allocate gigabytes, spin, or hand back
// an empty picture as a success. All are refused at once now.
TEST(Image, HostilePicturesAreRefusedQuickly)
{
    std::string xcf = std::string("gimp xcf file\0", 14) + Be32(0) + Be32(2000000000) + Be32(0) + std::string(16, '\0');
    xcf.resize(42, '\0');
    const std::string svg = "<svg xmlns='http://www.w3.org/2000/svg' width='200000' height='200000'>"
                            "<rect width='200000' height='200000' fill='red'/></svg>";
    // A 5 x 3 picture whose data chunk claims 755 MB after a complete image:
    // the decoder would skip through bytes that are not there for seconds.
    const std::string longChunk(
        "\x89\x50\x4e\x47\x0d\x0a\x1a\x0a\x00\x00\x00\x0d\x49\x48\x44\x52\x00\x00"
        "\x00\x05\x00\x00\x00\x03\x08\x06\x00\x00\x00\x5b\x36\xc5\xf8\x2d\x00\x00"
        "\x00\x49\x44\x41\x54\x78\x9c\x15\xc8\x31\x01\x00\x20\x0c\x03\xc1\xc8\x41"
        "\x44\x45\x44\x4e\x46\xa4\xc4\x69\x79\x86\x5b\x4e\xd2\xdd\x03\x23\x28\xa4"
        "\x21\x61\x04\x9d\x9f\x21\x61\x7f\xd8\xff\xa3\x29\x00\x00\x00\xf7\xcb\x0d",
        90);
    // Whole chunks but no end chunk: found stalling the decoder for 39 s.
    const std::string noEnd(
        "\x89\x50\x4e\x47\x0d\x0a\x1a\x0a\x00\x00\x00\x0d\x49\x48\x44\x52\x00\x00"
        "\x00\x05\x00\x00\x00\x03\x08\x06\x00\x00\x00\x5b\x36\xc5\xf8\x40\x00\x00"
        "\x2d\x49\x44\x41\x54\x78\x9c\x15\xc8\x31\x01\x00\x20\x0c\x03\xc1\xc8\x41"
        "\x44\x45\x44\x4e\x46\xa4\xc4\x69\x79\x86\x5b\x4e\xd2\xdd\x03\x23\x28\xa4"
        "\x21\x61\x04\x9d\x9f\x21\x59\x04\xc5\x52\x32\x3e\x5a\x61\x5a\x50\x60\x4a"
        "\x51\x52\x4f\xff\xdb\x00\x82",
        97);
    const struct {
        const char* what;
        std::string bytes;
    } cases[] = {
        {"PNG whose data chunk is longer than the file", longChunk},
        {"PNG without its end chunk", noEnd},
        {"PNG of 32768 x 16400", PngHeader(32768, 16400)},
        {"PNG of 8193 x 1", PngHeader(8193, 1)},
        {"PNG of width 0", PngHeader(0, 100)},
        {"XCF of width 0 and height 2e9", xcf},
        {"SVG of 200000 x 200000", svg},
        {"BMP of 100000 x 100000", BmpHeader(100000, 100000)},
        {"BMP of height 0", BmpHeader(100, 0)},
        {"BMP of the most negative height", BmpHeader(10, INT32_MIN)},
        {"JPEG of 65535 x 65535", JpegHeader(65535, 65535)},
        {"JPEG without a frame header", std::string("\xFF\xD8\xFF\xD9", 4)},
        {"PNG header claiming 16 x 16 with no data", PngHeader(16, 16)},
        {"nothing", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        plat::Image img(3, 3, 0xFFFFFFFF);
        std::string error;
        const double start = ThreadCpuSeconds();
        EXPECT_FALSE(plat::DecodeImage(c.bytes.data(), c.bytes.size(), img, &error));
        // Generous: a refusal is instant, the stalls this guards against took seconds.
        EXPECT_LT(ThreadCpuSeconds() - start, 3.0);
        EXPECT_FALSE(error.empty());
    }
    // Over the byte limit, whatever the bytes say.
    std::string big = SavedPng(4, 4);
    big.resize(plat::kMaxPictureBytes + 1, '\0');
    plat::Image img;
    EXPECT_FALSE(plat::DecodeImage(big.data(), big.size(), img));
}

TEST(Image, GoodPicturesDecodeAtTheirSize)
{
    for (int side : {1, 17, plat::kMaxPictureSide}) {
        SCOPED_TRACE(side);
        const std::string png = SavedPng(side, 2);
        plat::Image img;
        ASSERT_TRUE(plat::DecodeImage(png.data(), png.size(), img));
        EXPECT_EQ(img.width, side);
        EXPECT_EQ(img.height, 2);
        EXPECT_EQ(img.At(side - 1, 1), 0xFF336699u);
    }
}

TEST(Image, FilesOverTheLimitAreNotRead)
{
    testing_support::TempFolders f;
    const std::string path = f.Root() + "/big.png";
    std::string bytes = SavedPng(4, 4);
    f.Write("small.png", bytes);
    bytes.resize(plat::kMaxPictureBytes + 1, '\0');
    f.Write("big.png", bytes);
    plat::Image img;
    EXPECT_TRUE(plat::LoadImageFile(f.Root() + "/small.png", img));
    std::string error;
    EXPECT_FALSE(plat::LoadImageFile(path, img, &error));
    EXPECT_FALSE(error.empty());

    std::string read = "old";
    EXPECT_FALSE(plat::ReadFileUpTo(path, 1000, read));
    EXPECT_TRUE(read.empty());
    EXPECT_TRUE(plat::ReadFileUpTo(f.Root() + "/small.png", 1000, read));
    EXPECT_EQ(read, SavedPng(4, 4));
}

} // namespace
