#pragma once
// CSpriteBordo: the picture of every photo panel, anchored at its top-left
// corner, with a thin tinted frame around it. A photo that is not there (or
// cannot be read) shows a built-in bitmap instead, faded to alpha 0.2.
#include "shell/Bordo.h"

class CSpriteBordo : public CSprite {
public:
    int Init(plat::Device* dev);
    int LoadPhoto(plat::Device* dev, const char* folder, const char* fileName, std::uint32_t bitmapId, int width,
                  int height);
    // A bitmap id below 1 returns 1 and changes nothing.
    int CreateFromResource(plat::Device* dev, std::uint32_t bitmapId, int width, int height);
    int DrawAt(plat::Device* dev, int x, int y);
    void OnLostDevice();
    void OnResetDevice(plat::Device* dev);

    CBordo m_bordo;
};

// The placeholder a data file names when it has no photo.
constexpr const char* kNoPhotoName = "NOME_FILE_FOTO_NULL";
