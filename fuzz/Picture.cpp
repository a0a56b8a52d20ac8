// Pictures as players' photos and venue pictures bring them. A refused
// picture leaves the caller's picture untouched; a decoded one has the size
// its header declared, within the bounds.
#include "fuzz/FuzzSupport.h"
#include "platform/Image.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const fuzz::TimeBound bound(data, size);
    plat::Image picture(2, 3, 0x12345678);
    std::string error;
    const plat::PictureHeader header = plat::ReadPictureHeader(data, size);
    if (!plat::DecodeImage(data, size, picture, &error)) {
        fuzz::Check(picture.width == 2 && picture.height == 3 && picture.pixels.size() == 6 &&
                        picture.pixels[5] == 0x12345678,
                    "a refused picture leaves the caller's picture");
        fuzz::Check(!error.empty(), "a refusal says why");
        return 0;
    }
    fuzz::Check(picture.width >= 1 && picture.height >= 1 && picture.width <= plat::kMaxPictureSide &&
                    picture.height <= plat::kMaxPictureSide,
                "a decoded picture is within the bounds");
    fuzz::Check(picture.pixels.size() == std::size_t(picture.width) * std::size_t(picture.height),
                "every pixel is there");
    fuzz::Check(header.width == picture.width && header.height == picture.height,
                "the picture has the size its header declared");
    return 0;
}
