#pragma once
// Every picture the tackle generator paints: the built-in pictures embedded
// in the game (file "<bitmap id>.png") and the photos and float scene
// pictures shipped beside the tackle files (file "<folder>/<name>.png",
// relative to the program folder).
#include "platform/Image.h"

#include <functional>
#include <string>
#include <vector>

namespace tackle {

struct TacklePicture {
    std::string file;  // "170.png" or "Ami/cry18.png"
    std::string label; // the item's name, for the contact sheet
    bool embedded;     // a bitmap resource, not a shipped photo
    std::function<plat::Image()> paint;
};

const std::vector<TacklePicture>& TacklePictures();

} // namespace tackle
